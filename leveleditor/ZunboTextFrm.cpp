// Placeholder until the window is built: its opener does nothing.
#include "leveleditor/Dialogs.h"

namespace yv {

void OpenZunboTextFrm() {}
bool HasZunboTextFrm() { return false; }

}  // namespace yv
