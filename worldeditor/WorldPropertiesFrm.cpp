// The world properties dialog (to be built).
#include "worldeditor/WorldDialogs.h"

namespace yv {

void OpenWorldPropertiesFrm() {}

}  // namespace yv
