// Placeholder until the window is built: its opener does nothing.
#include "leveleditor/Dialogs.h"

namespace yv {

void OpenZBGEditFrm() {}
bool HasZBGEditFrm() { return false; }

}  // namespace yv
