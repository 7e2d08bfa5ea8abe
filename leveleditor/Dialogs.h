// Openers of the level editor's dialogs, as the toolbar and the map use them.
// Each loads its window and shows it without waiting; disabling the opener is
// the caller's part.
#pragma once

namespace yv {

void OpenVarsFrm();       // the level variables dialog
void OpenZunboTextFrm();  // the level text window
void OpenHelpFrm();       // the help window
void OpenZBGEditFrm();    // the bad-guy properties dialog for SelectedObject
void OpenNewInfoFrm();    // the new-level-set dialog (waited for by ShowNewInfoDialog)

}  // namespace yv
