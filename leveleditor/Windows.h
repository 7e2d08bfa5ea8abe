// Fills the model's window hooks with the level editor's windows.
#pragma once

namespace yv {

void InstallWindowHooks();
// True while MainFrm is loaded and not unloaded.
bool MainWindowAlive();

}  // namespace yv
