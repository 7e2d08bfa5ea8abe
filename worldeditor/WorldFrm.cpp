// The world window: controls and layout, load and unload, toolbar, file
// commands and scroll handlers (to be built).
#include "worldeditor/WorldFrm.h"

#include <QPointer>

namespace yv {
namespace {
QPointer<WorldFrm> g_instance;
}  // namespace

using namespace controls;

WorldFrm::WorldFrm() : Form(863, 634) {
  BuildControls();
  BuildTilesFrame();
  BuildLinkFrame();
  WireHandlers();
}

WorldFrm::~WorldFrm() = default;

WorldFrm* WorldFrm::Instance() { return g_instance.data(); }

WorldFrm& WorldFrm::Create() {
  if (!g_instance) g_instance = new WorldFrm();
  return *g_instance;
}

void WorldFrm::BuildControls() {}
void WorldFrm::WireHandlers() {}
void WorldFrm::Form_Load() {}
void WorldFrm::Form_Unload() {}

void WorldFrm::WTB_ButtonClick(int) {}
void WorldFrm::FileNameBox_Click() {}
void WorldFrm::MapXScroll_Change() {}
void WorldFrm::MapXScroll_Scroll() {}
void WorldFrm::MapYScroll_Change() {}
void WorldFrm::MapYScroll_Scroll() {}
void WorldFrm::TileScroll_Change() {}
void WorldFrm::TileScroll_Scroll() {}
void WorldFrm::OpenWorldDialog() {}
void WorldFrm::SaveWorldAsDialog() {}
void WorldFrm::CreateNewWorld() {}
void WorldFrm::ClearWorldView() {}

// WorldFrm_Draw.cpp
void WorldFrm::UpdateWorld() {}
void WorldFrm::DrawWorldMap() {}
void WorldFrm::DrawLinkMarkers() {}
ImageBox* WorldFrm::Marker(int) { return nullptr; }

// WorldFrm_Palette.cpp
void WorldFrm::BuildTilesFrame() {}
void WorldFrm::DrawTileTable() {}
void WorldFrm::TileImg_Click(int) {}
void WorldFrm::FavCheck_Click() {}

// WorldFrm_MapEdit.cpp
void WorldFrm::AddInNewLink(int16_t&, int16_t&) {}
void WorldFrm::ModeOption_Click(int) {}
void WorldFrm::AutoCheck_Click() {}
void WorldFrm::Img_MouseDown(int, int, int, int, int) {}
void WorldFrm::Img_MouseMove(int, int, int, int, int) {}
void WorldFrm::DotImg_MouseDown(int, int, int, int, int) {}
void WorldFrm::DotImg_MouseMove(int, int, int, int, int) {}

}  // namespace yv
