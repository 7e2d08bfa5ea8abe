// The world window's view: the redraw's boxes, the scroll ranges, the cells,
// the start marker and the link markers by mode and type.
#include <filesystem>

#include "model/Preference.h"
#include "tests/support/WorldFrmFixture.h"

using namespace yv;
namespace fs = std::filesystem;

namespace {
class WorldView : public test::WorldWindowTest {};
}  // namespace

TEST_F(WorldView, SampleWorldIsGrabbedInModesZeroTwoAndFour) {
  fs::copy(fs::path(YV_SOURCE_DIR) / "sample" / "Program Files", tree.Host("Program Files"),
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  Pref = DecodePreferences(test::ReadHostFile(fs::path(YV_SOURCE_DIR) / "sample" / "YV_Editor.Preferences"));
  ASSERT_NE(OpenWorldWindow(), nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(frm));
  EXPECT_TRUE(ui.msgCalls.empty());
  ASSERT_TRUE(WorldLoaded);
  for (int mode : {0, 2, 4}) {
    frm->ModeOption[mode]->SetValue(true);
    if (mode == 2) {  // where two level links, a message and the invisible teleporter lie
      frm->MapXScroll->SetValue(14);
      frm->MapYScroll->SetValue(4);
    }
    QImage shot = frm->grab().toImage();
    EXPECT_EQ(shot.size(), QSize(863, 634));
    EXPECT_TRUE(shot.save(QString(YV_BINARY_DIR) + QString("/worldfrm_mode%1.png").arg(mode)));
  }
}

TEST_F(WorldView, ReadErrorAndSizeBoxesAtEveryRedraw) {
  tree.Write(test::kWorldMapsFolder + "bad.yvwm", "(yorvane-worldmap\n (properties (name 5");
  test::MakeWorld(17, 15);
  const std::string narrow = WriteWorld("narrow.yvwm");
  struct Case {
    std::string path, text, title;
  };
  for (const Case& c : {Case{WorldMapsDir + "\\bad.yvwm", "", "World Read Error"},
                        Case{narrow, "World Map Size Error!\r\nWidth = 17, Height = 15", "World Map Error"}}) {
    Pref.LastWorldMapFile = c.path;
    ASSERT_NE(OpenWorldWindow(), nullptr);
    const std::string text = c.text.empty() ? "Error # " + FormatInt(WorldReadError) : c.text;
    ASSERT_FALSE(ui.msgCalls.empty()) << text;
    for (const auto& call : ui.msgCalls) {
      EXPECT_EQ(call.text, text);
      EXPECT_EQ(call.style, platform::kCriticalOk);
      EXPECT_EQ(call.title, c.title);
    }
    EXPECT_TRUE(Cell(0, 0)->Picture().isNull());
    const size_t boxes = ui.msgCalls.size();
    frm->UpdateWorld();
    EXPECT_EQ(ui.msgCalls.size(), boxes + 1);
    // The clicks that ignore a running redraw are not left ignoring.
    EXPECT_FALSE(frm->Updating);
    frm->AutoCheck->SetValue(1);
    EXPECT_EQ(Pref.WorldAutoComplete, 1);
    frm->Close();
    ui.msgCalls.clear();
    test::Settle();
  }
}

TEST_F(WorldView, ScrollRangesAndCells) {
  test::MakeWorld(18, 15);
  Pref.LastWorldMapFile = WriteWorld("small.yvwm");
  ASSERT_NE(OpenWorldWindow(), nullptr);
  EXPECT_EQ(frm->MapXScroll->Max(), 0);
  EXPECT_EQ(frm->MapYScroll->Max(), 0);
  EXPECT_EQ(Shown(Cell(17, 14)), Picture(1 + (17 + 14) % 71));

  test::MakeWorld(40, 20);
  SetWorldTile(39, 5, 0);
  SetWorldTile(38, 5, 77);
  SetWorldTile(37, 5, -3);
  SetWorldTile(36, 5, 16);
  frm->UpdateWorld();
  EXPECT_EQ(frm->MapXScroll->Max(), 22);
  EXPECT_EQ(frm->MapYScroll->Max(), 5);
  frm->MapXScroll->SetValue(22);
  frm->MapYScroll->SetValue(5);
  EXPECT_EQ(frm->ViewLeft, 22);
  EXPECT_EQ(frm->ViewBottom, 19);
  EXPECT_EQ(Shown(Cell(0, 0)), Picture(1 + (22 + 5) % 71));
  EXPECT_EQ(Shown(Cell(14, 0)), Picture(16));
  for (int c : {15, 16, 17}) EXPECT_TRUE(Cell(c, 0)->Picture().isNull()) << c;  // empty, and no picture
  EXPECT_EQ(WorldTile(38, 5), 77);                                              // the number stays

  // A narrower world brings the view back within it, redrawn at once.
  World.Width = 30;
  frm->UpdateWorld();
  EXPECT_EQ(frm->MapXScroll->Value(), 12);
  EXPECT_EQ(Shown(Cell(0, 0)), Picture(1 + (12 + 5) % 71));
  // A wider one than its tile array: the cells beyond the array are empty.
  World.Width = 50;
  frm->UpdateWorld();
  frm->MapXScroll->SetValue(32);
  EXPECT_EQ(Shown(Cell(0, 0)), Picture(1 + (32 + 5) % 71));
  EXPECT_TRUE(Cell(9, 0)->Picture().isNull());
}

TEST_F(WorldView, StartMarkerAndLinkMarkersByModeAndType) {
  test::MakeWorld(60, 20);
  World.StartX = 17;
  World.StartY = 4;
  test::AppendLink(2, 1, 1).LevelLinkName = "set/one.yvl";
  test::AppendLink(3, 2, 1).Message = "Hi";
  WorldLink& teleport = test::AppendLink(4, 3, 1);
  teleport.DestX = 5;
  teleport.DestY = 7;
  teleport.Message = "Go";
  WorldLink& invisible = test::AppendLink(5, 4, 1);
  invisible.DestX = 12;
  invisible.DestY = 3;
  Pref.LastWorldMapFile = WriteWorld("m.yvwm");
  Pref.WorldAutoComplete = 5;
  ASSERT_NE(OpenWorldWindow(), nullptr);
  EXPECT_EQ(frm->AutoCheck->Value(), 1);
  EXPECT_EQ(Pref.WorldAutoComplete, 1);

  const char* tips[4] = {"Map = set/one.yvl", "Message: Hi", "Teleport to X:5 Y:7, Message:Go",
                         "Invisible Teleport to X:12 Y:3"};
  const int pictures[4] = {72, 75, 74, 76};
  const bool shown[5][4] = {{0, 0, 0, 0}, {0, 0, 0, 0}, {1, 1, 1, 1}, {1, 1, 1, 1}, {0, 1, 0, 1}};
  for (int mode = 0; mode < 5; ++mode) {
    frm->ModeOption[mode]->SetValue(true);
    EXPECT_EQ(frm->ZunboImg->Visible(), mode >= 3) << mode;
    EXPECT_EQ(frm->TilesFrame->Visible(), mode <= 1) << mode;
    EXPECT_EQ(frm->LinkFrame->Visible(), mode == 2) << mode;
    EXPECT_EQ(frm->FavCheck->Enabled(), mode <= 1) << mode;
    for (int i = 1; i <= 4; ++i) {
      ASSERT_EQ(frm->DotImg[i]->Visible(), shown[mode][i - 1]) << mode << " " << i;
      if (!shown[mode][i - 1]) continue;
      EXPECT_EQ(frm->DotImg[i]->ToolTip(), tips[i - 1]);
      EXPECT_EQ(Shown(frm->DotImg[i]), Picture(pictures[i - 1]));
      EXPECT_EQ(frm->DotImg[i]->pos(), Cell(i, 1)->pos());
    }
  }
  // In mode 4 the start marker lies on its cell in the last view column,
  // and is hidden one column further.
  EXPECT_EQ(frm->ZunboImg->pos(), Cell(17, 4)->pos());
  World.StartX = 18;
  frm->UpdateWorld();
  EXPECT_FALSE(frm->ZunboImg->Visible());

  // Mode 3: a link without a type loses its marker at once; every link in
  // view has one, past the 63rd too; a deleted link's marker goes.
  frm->ModeOption[3]->SetValue(true);
  World.Links[1].LinkType = 0;
  while (World.LinkCount < 70) test::AppendLink(3, World.LinkCount % 18, 10);
  frm->UpdateWorld();
  EXPECT_FALSE(frm->DotImg[1]->Visible());
  ASSERT_GT(frm->DotImg.size(), 70u);
  EXPECT_TRUE(frm->DotImg[70]->Visible());
  EXPECT_EQ(frm->DotImg[70]->pos(), Cell(70 % 18 - 1, 10)->pos());
  DeleteLink(70);
  frm->UpdateWorld();
  EXPECT_FALSE(frm->DotImg[70]->Visible());
  frm->MapXScroll->SetValue(20);  // out of view
  EXPECT_FALSE(frm->DotImg[2]->Visible());
}
