// Placeholder until the window is built: its opener does nothing.
#include "leveleditor/Dialogs.h"

namespace yv {

void OpenHelpFrm() {}
bool HasHelpFrm() { return false; }

}  // namespace yv
