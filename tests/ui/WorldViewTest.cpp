// The world window's view: the redraw's boxes, the scroll ranges, the cells,
// the start marker and the link markers by mode and type.
#include <filesystem>

#include "platform/System.h"
#include "tests/support/WorldFrmFixture.h"

using namespace yv;
namespace fs = std::filesystem;

namespace {
class WorldView : public test::WorldWindowTest {};
}  // namespace

// The sample world where two level links, a message and the invisible
// teleporter lie, in modes 0, 2 and 4: every marker shown is seen in the
// window's picture, over the map as mode 0 shows it (its translucent parts
// blended with it), and a mode changes nothing else of the map.
TEST_F(WorldView, MarkersOfTheSampleWorldAreSeenAboveTheMap) {
  fs::copy(fs::path(YV_SOURCE_DIR) / "sample" / "Program Files", tree.Host("Program Files"),
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  Pref = DecodePreferences(test::ReadHostFile(fs::path(YV_SOURCE_DIR) / "sample" / "YV_Editor.Preferences"));
  ASSERT_NE(OpenWorldWindow(), nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(frm));
  EXPECT_TRUE(WorldLoaded && ui.msgCalls.empty());
  frm->MapXScroll->SetValue(14);
  frm->MapYScroll->SetValue(4);
  const QRect map = frm->MapBackLabel->geometry();
  // The picture's pixel drawn over the map's, as one channel: within 2 of
  // the blend, which leaves room for the painter's rounding.
  const auto over = [](QRgb top, QRgb below, QRgb seen) {
    for (int shift : {0, 8, 16}) {
      const int a = qAlpha(top), t = (top >> shift) & 255, b = (below >> shift) & 255, s = (seen >> shift) & 255;
      if (std::abs(s - (t * a + b * (255 - a)) / 255) > 2) return false;
    }
    return true;
  };
  QImage modeZero;
  for (int mode : {0, 2, 4}) {
    frm->ModeOption[mode]->SetValue(true);
    const QImage shot = frm->grab().toImage();
    if (mode == 0) modeZero = shot;
    std::vector<controls::ImageBox*> markers(frm->DotImg.begin(), frm->DotImg.end());
    markers.insert(markers.end(), frm->TeleportImg.begin(), frm->TeleportImg.end());
    markers.push_back(frm->ZunboImg);
    QRegion covered;
    for (const controls::ImageBox* marker : markers) {
      if (!marker->Visible()) continue;
      covered += marker->geometry();
      const QImage picture = marker->Picture().toImage().convertToFormat(QImage::Format_ARGB32);
      int seen = 0;
      for (int x = 0; x < std::min(picture.width(), marker->width()); ++x)
        for (int y = 0; y < std::min(picture.height(), marker->height()); ++y) {
          const QPoint at = marker->pos() + QPoint(x, y);
          if (qAlpha(picture.pixel(x, y)) == 0 || !map.contains(at)) continue;
          ++seen;
          ASSERT_TRUE(over(picture.pixel(x, y), modeZero.pixel(at), shot.pixel(at))) << mode << " " << x << "," << y;
        }
      EXPECT_GT(seen, 0) << mode;
    }
    EXPECT_EQ(covered.isEmpty(), mode == 0);
    for (int x = map.left(); x <= map.right(); ++x)
      for (int y = map.top(); y <= map.bottom(); ++y)
        if (!covered.contains(QPoint(x, y))) {
          ASSERT_EQ(shot.pixel(x, y), modeZero.pixel(x, y)) << mode;
        }
  }
}

TEST_F(WorldView, ReadErrorBoxOncePerReadSizeBoxAtEveryRedraw) {
  tree.Write(test::kWorldMapsFolder + "bad.yvwm", "(yorvane-worldmap\n (properties (name 5");
  test::MakeWorld(17, 15);
  const std::string narrow = WriteWorld("narrow.yvwm");
  for (const std::string& path : {WorldMapsDir + "\\bad.yvwm", narrow}) {
    Pref.LastWorldMapFile = path;
    ASSERT_NE(OpenWorldWindow(), nullptr);
    const std::string box = path == narrow ? "World Map Size Error!\r\nWidth = 17, Height = 15|16|World Map Error"
                                           : "Error # " + FormatInt(WorldReadError) + "|16|World Read Error";
    ASSERT_FALSE(ui.msgCalls.empty());
    for (const auto& call : ui.msgCalls) EXPECT_EQ(call.text + "|" + FormatInt(call.style) + "|" + call.title, box);
    EXPECT_TRUE(Cell(0, 0)->Picture().isNull());
    EXPECT_TRUE(path == narrow || ui.msgCalls.size() == 1u);
    const size_t boxes = ui.msgCalls.size();
    frm->UpdateWorld();
    EXPECT_EQ(ui.msgCalls.size(), boxes + (path == narrow ? 1 : 0));
    // Read again from either open: told again, once, also when Open is clicked
    // again at the command's first event pump (its clearing redraws), as a click
    // queued while a large world was drawn is.
    for (QWidget* open : {static_cast<QWidget*>(frm->FileNameBox), frm->WTB->ButtonWidget(3)}) {
      if (path == narrow) break;
      frm->ModeOption[2]->SetValue(true);
      ui.msgCalls.clear(), ui.fileCalls.clear(), ui.fileAnswers = {path, path};
      int pumps = 0;
      auto qtPump = platform::InstallEventPump({[&] {
                                                  if (pumps++ == 0) test::Mouse::Click(frm->WTB->ButtonWidget(3));
                                                  QCoreApplication::processEvents();
                                                },
                                                nullptr});
      test::Mouse::Click(open);
      platform::InstallEventPump(std::move(qtPump));
      EXPECT_TRUE(pumps > 0 && frm->FormEnabled());
      EXPECT_EQ(ui.fileCalls.size() * 10 + ui.msgCalls.size(), 11u);  // one dialog, one box
    }
    frm->AutoCheck->SetValue(1);  // the clicks that ignore a running redraw are not left ignoring
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
  EXPECT_EQ(frm->MapXScroll->Max() + frm->MapYScroll->Max(), 0);
  EXPECT_EQ(Shown(Cell(17, 14)), Picture(1 + (17 + 14) % 71));

  // Numbers without a picture show an empty cell and stay; tile 16 is drawn.
  test::MakeWorld(40, 20);
  for (auto [x, t] : {std::pair{39, 0}, {38, 77}, {37, -3}, {36, 16}}) SetWorldTile(x, 5, static_cast<int16_t>(t));
  frm->UpdateWorld();
  EXPECT_EQ(frm->MapXScroll->Max() * 100 + frm->MapYScroll->Max(), 22 * 100 + 5);
  frm->MapXScroll->SetValue(22);
  frm->MapYScroll->SetValue(5);
  EXPECT_EQ(frm->ViewLeft * 100 + frm->ViewBottom, 22 * 100 + 19);
  EXPECT_EQ(Shown(Cell(0, 0)), Picture(1 + (22 + 5) % 71));
  EXPECT_EQ(Shown(Cell(14, 0)), Picture(16));
  for (int c : {15, 16, 17}) EXPECT_TRUE(Cell(c, 0)->Picture().isNull()) << c;
  EXPECT_EQ(WorldTile(38, 5), 77);
  // A narrower world brings the view back within it, redrawn at once; a
  // wider one than its tile array shows the cells beyond the array empty.
  World.Width = 30;
  frm->UpdateWorld();
  EXPECT_EQ(frm->MapXScroll->Value(), 12);
  EXPECT_EQ(Shown(Cell(0, 0)), Picture(1 + (12 + 5) % 71));
  World.Width = 50;
  frm->UpdateWorld();
  frm->MapXScroll->SetValue(32);
  EXPECT_EQ(Shown(Cell(0, 0)), Picture(1 + (32 + 5) % 71));
  EXPECT_TRUE(Cell(9, 0)->Picture().isNull());
}

TEST_F(WorldView, StartMarkerAndLinkMarkersByModeAndType) {
  test::MakeWorld(60, 20);
  World.StartX = 17, World.StartY = 4;
  test::AppendLink(2, 1, 1).LevelLinkName = "set/one.yvl";
  test::AppendLink(3, 2, 1).Message = "Hi";
  WorldLink& teleport = test::AppendLink(4, 3, 1);
  teleport.DestX = 5, teleport.DestY = 7, teleport.Message = "Go";
  WorldLink& invisible = test::AppendLink(5, 4, 1);
  invisible.DestX = 12, invisible.DestY = 3;
  Pref.LastWorldMapFile = WriteWorld("m.yvwm");
  Pref.WorldAutoComplete = 5;  // shown ticked, and stored back as 1
  ASSERT_NE(OpenWorldWindow(), nullptr);
  EXPECT_TRUE(frm->AutoCheck->Value() == 1 && Pref.WorldAutoComplete == 1);

  const char* tips[4] = {"Map = set/one.yvl", "Message: Hi", "Teleport to X:5 Y:7, Message:Go",
                         "Invisible Teleport to X:12 Y:3"};
  const int pictures[4] = {72, 75, 74, 76};
  const char* shown[5] = {"0000", "0000", "1111", "1111", "0101"};
  for (int mode = 0; mode < 5; ++mode) {
    frm->ModeOption[mode]->SetValue(true);
    EXPECT_EQ(frm->ZunboImg->Visible(), mode >= 3) << mode;
    EXPECT_EQ(frm->TilesFrame->Visible(), mode <= 1) << mode;
    EXPECT_EQ(frm->LinkFrame->Visible(), mode == 2) << mode;
    EXPECT_EQ(frm->FavCheck->Enabled(), mode <= 1) << mode;
    for (int i = 1; i <= 4; ++i) {
      ASSERT_EQ(frm->DotImg[i]->Visible(), shown[mode][i - 1] == '1') << mode << " " << i;
      if (!frm->DotImg[i]->Visible()) continue;
      EXPECT_EQ(frm->DotImg[i]->ToolTip(), tips[i - 1]);
      EXPECT_EQ(Shown(frm->DotImg[i]), Picture(pictures[i - 1]));
      EXPECT_EQ(frm->DotImg[i]->pos(), Cell(i, 1)->pos());
    }
  }
  EXPECT_EQ(frm->ZunboImg->pos(), Cell(17, 4)->pos());  // dx 17: the last view column
  World.StartX = 18;
  frm->UpdateWorld();
  EXPECT_FALSE(frm->ZunboImg->Visible());

  // A link without a type loses its marker at once; every link in view has
  // one, past the 63rd too; a deleted link's marker goes.
  frm->ModeOption[3]->SetValue(true);
  World.Links[1].LinkType = 0;
  while (World.LinkCount < 70) test::AppendLink(3, 15, 10);
  frm->UpdateWorld();
  EXPECT_FALSE(frm->DotImg[1]->Visible());
  ASSERT_GT(frm->DotImg.size(), 70u);
  EXPECT_TRUE(frm->DotImg[70]->Visible() && frm->DotImg[70]->pos() == Cell(15, 10)->pos());
  DeleteLink(70);
  frm->UpdateWorld();
  EXPECT_FALSE(frm->DotImg[70]->Visible());
  frm->MapXScroll->SetValue(20);
  EXPECT_FALSE(frm->DotImg[2]->Visible());  // out of view
}
