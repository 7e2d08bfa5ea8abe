// Placeholder until the window is built: its opener does nothing.
#include "leveleditor/Dialogs.h"

namespace yv {

void OpenNewInfoFrm() {}
bool HasNewInfoFrm() { return false; }

}  // namespace yv
