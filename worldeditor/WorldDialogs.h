// Openers of the world window's dialogs. Each loads its window and shows it
// over WorldFrm without waiting; WorldFrm takes no input until the dialog
// unloads, and the dialog's unload enables WorldFrm again and redraws it.
#pragma once

namespace yv {

void OpenWorldPropertiesFrm();  // "World Properties", and "Create New World" after its question
void OpenLinkForm();            // the link editor for SelectedLink
// The link type picker over the link editor, which stays enabled; its unload
// ends ShowZTypeDialog's wait.
void OpenZTypeFrm();

}  // namespace yv
