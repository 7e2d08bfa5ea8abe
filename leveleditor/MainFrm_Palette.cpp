// The tile palette and the two favourites lists.
#include "leveleditor/MainFrm.h"

namespace yv {

void MainFrm::BlankTileCmd_Click() {}
void MainFrm::TilesOption_Click(int) {}
void MainFrm::SelScroll_Change() {}
void MainFrm::SelScroll_Scroll() {}
void MainFrm::SelImg_MouseDown(int, int, int, int, int) {}
void MainFrm::SelImg_MouseMove(int, int, int, int, int) {}
void MainFrm::CurImg_MouseMove(int, int, int, int) {}
void MainFrm::CurImg_Click() {}
void MainFrm::UpdateTilePalette() {}
void MainFrm::ScrollPaletteToTile() {}
void MainFrm::ToggleFavoriteA(int16_t&) {}
void MainFrm::ToggleFavoriteB(int16_t&) {}

}  // namespace yv
