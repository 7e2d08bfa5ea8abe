// Openers of the level editor's dialogs, as the toolbar and the map use them.
// Each shows its window over the main window without waiting (see
// controls/Dialog.h): the main window takes no input until it unloads, except
// under the new-level-set dialog, which is waited for instead.
#pragma once

namespace yv {

void OpenVarsFrm();       // the level variables dialog
void OpenZunboTextFrm();  // the level text window
void OpenHelpFrm();       // the help window
void OpenZBGEditFrm();    // the bad-guy properties dialog for SelectedObject
void OpenNewInfoFrm();    // the new-level-set dialog (waited for by ShowNewInfoDialog)

}  // namespace yv
