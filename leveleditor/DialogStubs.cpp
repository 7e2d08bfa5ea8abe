// Openers of the dialogs that are not part of this build yet.
#include "leveleditor/Dialogs.h"

namespace yv {

void OpenVarsFrm() {}
void OpenZunboTextFrm() {}
void OpenHelpFrm() {}
void OpenZBGEditFrm() {}
void OpenNewInfoFrm() {}
bool HasVarsFrm() { return false; }
bool HasZunboTextFrm() { return false; }
bool HasHelpFrm() { return false; }
bool HasZBGEditFrm() { return false; }
bool HasNewInfoFrm() { return false; }

}  // namespace yv
