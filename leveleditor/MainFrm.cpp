#include "leveleditor/MainFrm.h"

#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Main.h"

namespace yv {
namespace {
QPointer<MainFrm> g_instance;
}

MainFrm::MainFrm() : Form(824, 622) {}
MainFrm::~MainFrm() = default;

MainFrm* MainFrm::Instance() { return g_instance.data(); }

MainFrm& MainFrm::Create() {
  if (!g_instance) g_instance = new MainFrm();
  return *g_instance;
}

void MainFrm::Form_Load() {
  PlaceByFormIndex(kFormMainFrm);
  SetCaption(WindowTitle);
}

void MainFrm::Form_Unload() {
  StorePlace(kFormMainFrm);
  Pref.SavedTile = SelectedTile;
  Pref.SavedLayer = CurrentLayer;
  Pref.SavedMode = EditMode;
  Pref.SavedBadGuyKind = SelectedBadGuyKind;
  Pref.SavedTileSet = TileSetChoice;
  SavePreferences();
}

}  // namespace yv
