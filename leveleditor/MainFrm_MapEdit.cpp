// Presses, clicks and hovers on the map cells, the reset marker and the start-position pick.
#include "leveleditor/MainFrm.h"

namespace yv {

void MainFrm::Img_MouseDown(int, int, int, int, int) {}
void MainFrm::Img_Click(int) {}
void MainFrm::Img_MouseMove(int, int, int, int, int) {}
void MainFrm::ResetImg_MouseMove(int, int, int, int) {}
void MainFrm::SetZunboCmd_Click() {}
void MainFrm::AutoCompleteBackground(int16_t, int16_t, int16_t) {}
void MainFrm::AutoCompleteInteractive(int16_t, int16_t, int16_t) {}
void MainFrm::AutoCompleteForeground(int16_t, int16_t, int16_t) {}

}  // namespace yv
