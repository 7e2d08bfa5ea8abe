// The link editor dialog (to be built).
#include "worldeditor/WorldDialogs.h"

namespace yv {

void OpenLinkForm() {}

}  // namespace yv
