// The world window's tests and benchmarks: the program started on a
// temporary drive C:, world-map files written there, and the world window
// opened from the main window's toolbar.
#pragma once

#include <QTest>
#include <string>

#include "model/LineEnds.h"
#include "model/Preference.h"
#include "tests/support/ProgramFixture.h"
#include "worldeditor/WorldFrm.h"
#include "worldeditor/document/YVW_Read.h"
#include "worldeditor/document/YVW_Write.h"

namespace yv::test {

inline const std::string kWorldMapsFolder = "Program Files/Yorvane/data/levels/worldmaps/";

// A loaded world of width x height cells, cell (x, y) holding tile(x, y).
template <class TileOf>
void MakeWorld(int width, int height, TileOf tile) {
  ResetWorldData();
  World.Width = static_cast<int16_t>(width);
  World.Height = static_cast<int16_t>(height);
  ResetWorldTiles();
  for (int x = 0; x < width; ++x)
    for (int y = 0; y < height; ++y) SetWorldTile(x, y, static_cast<int16_t>(tile(x, y)));
}
inline void MakeWorld(int width, int height) {
  MakeWorld(width, height, [](int x, int y) { return 1 + (x + y) % 71; });
}

inline WorldLink& AppendLink(int type, int x, int y) {
  AddInNewLink(static_cast<int16_t>(x), static_cast<int16_t>(y));
  WorldLink& link = World.Links[static_cast<size_t>(World.LinkCount)];
  link.LinkType = static_cast<int16_t>(type);
  return link;
}

// For the benchmarks: the program started (Main with the window hooks), the
// world document made by makeWorld, then "World Editor"; the world window.
template <class MakeWorldDocument>
WorldFrm* StartProgramOnWorld(MakeWorldDocument makeWorld) {
  ResetProgramState();
  ResetWorldWindowState();
  InstallWindowHooks();
  Main();
  makeWorld();
  MainFrm::Instance()->TB_ButtonClick(13);
  return WorldFrm::Instance();
}

// Closes the world window without its question, then the main window.
inline void EndProgramOnWorld(WorldFrm* frm) {
  WorldChanged = false;
  frm->Unload();
  MainFrm::Instance()->Unload();
  Settle();
  Windows = WindowHooks{};
  ResetWorldWindowState();
}

class WorldWindowTest : public ProgramTest {
 protected:
  MainFrm* main = nullptr;
  WorldFrm* frm = nullptr;

  void SetUp() override {
    ProgramTest::SetUp();
    main = StartProgram();
    ASSERT_NE(main, nullptr);
  }
  void TearDown() override {
    ProgramTest::TearDown();
    ResetWorldWindowState();
  }
  // Writes World as the file name in the world-map folder; its Windows path.
  std::string WriteWorld(const std::string& name) {
    EXPECT_TRUE(BuildWorldText());
    tree.Write(kWorldMapsFolder + name, WorldText);
    UseCrLfLineEnds();
    return WorldMapsDir + "\\" + name;
  }
  std::string ReadWorld(const std::string& name) const { return tree.Read(kWorldMapsFolder + name); }
  PreferenceRecord WrittenPrefs() const { return DecodePreferences(tree.Read("Editor/YV_Editor.Preferences")); }
  // "World Editor" on the main window; the world window, or nullptr.
  WorldFrm* OpenWorldWindow() {
    main->TB_ButtonClick(13);
    return frm = WorldFrm::Instance();
  }
  // The main window shown and taking input again, with the normal pointer.
  bool MainGivenBack() const {
    return main->isVisible() && main->FormEnabled() && main->MousePointer() == controls::Pointer::Default;
  }
  controls::ImageBox* Cell(int c, int r) const { return frm->Img[WorldFrm::CellIndex(c, r)]; }
  qint64 Shown(controls::ImageBox* box) const { return box->Picture().cacheKey(); }
  qint64 Picture(int n) const { return frm->WorldImages->Picture(n).cacheKey(); }
};

}  // namespace yv::test
