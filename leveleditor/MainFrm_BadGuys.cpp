// The bad-guy kind panel, the used-objects list and the map markers' presses.
#include "leveleditor/MainFrm.h"

namespace yv {

void MainFrm::ObjSelImg_Click(int) {}
void MainFrm::BGUScroll_Change() {}
void MainFrm::BGUScroll_Scroll() {}
void MainFrm::BGUImg_Click(int) {}
void MainFrm::BGImg_MouseDown(int, int, int, int, int) {}
void MainFrm::BGImg_MouseMove(int, int, int, int, int) {}
void MainFrm::StayCheck_Click(int) {}
void MainFrm::BGUXBox_KeyPress(int, int&) {}
void MainFrm::BGUYBox_KeyPress(int, int&) {}
void MainFrm::BGUXBox_Change(int) {}
void MainFrm::BGUYBox_Change(int) {}
void MainFrm::DelBadGuyCmd_Click() {}
void MainFrm::UpdateObjectListScroll() {}
void MainFrm::UpdateKindPanel() {}
void MainFrm::UpdateObjectList() {}

}  // namespace yv
