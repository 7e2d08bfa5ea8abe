// Placeholder until the window is built: its opener does nothing.
#include "leveleditor/Dialogs.h"

namespace yv {

void OpenVarsFrm() {}
bool HasVarsFrm() { return false; }

}  // namespace yv
