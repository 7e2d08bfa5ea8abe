// The world properties dialog: opening over the world window, the size boxes
// with their error boxes at every keystroke, the start boxes, the scroll
// bars, the file and music choices, and what its close does to the world.
#include <gtest/gtest.h>

#include <QTest>

#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Main.h"
#include "tests/core/WorldTestSupport.h"
#include "tests/support/ProgramFixture.h"
#include "worldeditor/WorldDialogs.h"
#include "worldeditor/WorldFrm.h"
#include "worldeditor/WorldPropertiesFrm.h"

using namespace yv;

namespace {

const char* const kWidthText = "World Map Width\r\nMust be between 19 and 1023";

// Two numbers as "a,b", to compare pairs in one check.
std::string Pair(int a, int b) { return FormatInt(a) + "," + FormatInt(b); }

class WorldProps : public test::ProgramTest {
 protected:
  WorldFrm* world = nullptr;
  WorldPropertiesFrm* frm = nullptr;

  void SetUp() override {
    ProgramTest::SetUp();
    test::ResetWorldState();
    ASSERT_NE(StartProgram(), nullptr);  // its file dialog is the one the world editor uses
    world = &WorldFrm::Create();
    world->Show();
  }
  // Opens the dialog, by default on a loaded 30 x 20 world whose cell (29, 19) holds tile 5.
  void Open(bool loaded = true) {
    ResetWorldData();
    if (loaded) {
      World.Width = 30;
      World.Height = 20;
      ResetWorldTiles();
      SetWorldTile(29, 19, 5);
    }
    OpenWorldPropertiesFrm();
    frm = WorldPropertiesFrm::Instance();
    ASSERT_NE(frm, nullptr);
  }
  static void Key(controls::TextBox* box, Qt::Key key) { QTest::keyClick(box->Editor(), key); }
};

}  // namespace

TEST_F(WorldProps, ANewWorldShowsAtLeast19By16AndGetsItsMapOfTile9OnClose) {
  NewWorldPending = true;
  Open(false);
  EXPECT_FALSE(world->FormEnabled());
  EXPECT_EQ(world->MousePointer(), controls::Pointer::Default);
  EXPECT_EQ(frm->WidthBox->Text() + "," + frm->HeightBox->Text(), "19,16");
  EXPECT_EQ(Pair(frm->XScroll->Value(), frm->YScroll->Value()), "19,16");
  EXPECT_TRUE(ui.msgCalls.empty());

  test::Mouse::Click(frm->OKCmd);
  test::Settle();
  EXPECT_EQ(WorldPropertiesFrm::Instance(), nullptr);
  EXPECT_TRUE(world->FormEnabled());
  EXPECT_FALSE(NewWorldPending);
  EXPECT_TRUE(WorldLoaded);
  EXPECT_FALSE(WorldChanged);
  EXPECT_EQ(Pair(World.Tiles.Columns(), World.Tiles.Rows()), "20,17");
  EXPECT_EQ(WorldTile(18, 15), 9);
  EXPECT_EQ(WorldTile(19, 15) + WorldTile(18, 16), 0);
}

TEST_F(WorldProps, EditsGoStraightToTheWorldAndTheCloseLeavesItsMapAndChangeFlag) {
  Pref.LastWorldMapFile = "C:\\old.yvwm";
  Open();
  const TileMap before = World.Tiles;
  frm->NameBox->SetText("Isle");
  frm->CommentBox->SetText(";; header");
  QTest::keyClicks(frm->WidthBox->Editor(), "0");  // 300

  const std::string other = WorldMapsDir + "\\other.yvwm";
  ui.fileAnswers = {other, std::nullopt, "C:\\tunes\\deep\\Cave.mod", std::nullopt};
  MainFrm::Instance()->CD.FileName = "C:\\last.yvl";
  for (int i = 0; i < 2; ++i) test::Mouse::Click(frm->FNBox);  // chosen, then cancelled
  for (int i = 0; i < 2; ++i) test::Mouse::Click(frm->MusicBox);
  ASSERT_EQ(ui.fileCalls.size(), 4u);
  EXPECT_FALSE(ui.fileCalls[0].save);
  EXPECT_EQ(ui.fileCalls[1].filter + ui.fileCalls[1].initDir + ui.fileCalls[1].fileName,
            "*.yvwm|*.yvwm" + WorldMapsDir);
  EXPECT_EQ(ui.fileCalls[2].filter + ui.fileCalls[2].initDir, "*.mod|*.mod" + MusicDir);
  EXPECT_EQ(ui.fileCalls[2].fileName + "," + ui.fileCalls[3].fileName, "SALCON.MOD,Cave.mod");
  EXPECT_EQ(Pref.LastWorldMapFile + "|" + frm->FNBox->Caption(), other + "|" + other);
  EXPECT_EQ(World.Music + "," + frm->MusicBox->Caption(), "Cave.mod,Cave.mod");
  const QImage shot = frm->grab().toImage();
  shot.save(QStringLiteral(YV_BINARY_DIR "/world_properties.png"));
  shot.scaled(shot.size() * 2).save(QStringLiteral(YV_BINARY_DIR "/world_properties_x2.png"));  // for a look

  const int left = frm->LeftTwips(), top = frm->TopTwips();
  EXPECT_TRUE(frm->Close());
  EXPECT_EQ(World.Name + World.Comments[0], "Isle;; header");
  EXPECT_EQ(World.Width, 300);
  EXPECT_TRUE(World.Tiles == before);
  EXPECT_FALSE(WorldChanged);
  EXPECT_TRUE(world->FormEnabled());
  EXPECT_EQ(Pair(Pref.FormLeft[kFormWorldPropertiesFrm], Pref.FormTop[kFormWorldPropertiesFrm]), Pair(left, top));
}

TEST_F(WorldProps, SizeBoxesRefuseEachTextOutOfRangeWithABoxAndStartBoxesKeepTheLastNumber) {
  Open();
  frm->WidthBox->SetText("");                          // refused
  QTest::keyClicks(frm->WidthBox->Editor(), "1a0-0");  // only the digits reach it: 1, 10, 100
  EXPECT_EQ(World.Width, 100);
  ASSERT_EQ(ui.msgCalls.size(), 3u);
  EXPECT_EQ(ui.msgCalls[1].text + "|" + ui.msgCalls[1].title + "|" + FormatInt(ui.msgCalls[1].style),
            std::string(kWidthText) + "|World Map Width Error|16");
  for (int i = 0; i < 3; ++i) Key(frm->WidthBox, Qt::Key_Backspace);  // 10, 1, ""
  EXPECT_EQ(ui.msgCalls.size(), 6u);
  EXPECT_EQ(World.Width, 100);
  frm->StartXBox->SetText("");
  Key(frm->WidthBox, Qt::Key_Return);  // every box shows the world again
  EXPECT_EQ(frm->WidthBox->Text() + "," + frm->StartXBox->Text(), "100,3");

  struct Case {
    bool width;
    const char* text;  // pasted, so not filtered
    int expected;      // the size afterwards; -1: refused with a box
  };
  const Case cases[] = {
      {true, "1023", 1023}, {true, "1024", -1}, {true, "18", -1},       {true, "19", 19},
      {true, "30abc", 30},  {true, "18.5", -1}, {true, "99999999", -1}, {false, "256", 256},
      {false, "257", -1},   {false, "15", -1},  {false, "16", 16},      {false, " 20 rows", 20},
  };
  for (const Case& c : cases) {
    int16_t& field = c.width ? World.Width : World.Height;
    const int16_t before = field;
    ui.msgCalls.clear();
    (c.width ? frm->WidthBox : frm->HeightBox)->SetText(c.text);
    EXPECT_EQ(field, c.expected < 0 ? before : c.expected) << c.text;
    ASSERT_EQ(ui.msgCalls.size(), c.expected < 0 ? 1u : 0u) << c.text;
    if (c.expected < 0) {
      EXPECT_EQ(ui.msgCalls[0].text, c.width ? kWidthText : "World Map Height") << c.text;
    }
  }

  ui.msgCalls.clear();
  const std::pair<const char*, int> starts[] = {{"7", 7}, {"", 7}, {"40000", 7}, {"-3", -3}, {"x", -3}, {"120", 120}};
  for (auto [text, expected] : starts) {
    frm->StartXBox->SetText(text);
    frm->StartYBox->SetText(text);
    EXPECT_EQ(Pair(World.StartX, World.StartY), Pair(expected, expected)) << text;
  }
  EXPECT_TRUE(ui.msgCalls.empty());
}

TEST_F(WorldProps, ScrollBarsSetTheSizeAndAWidthPastTheBarShowsItAtItsEnd) {
  Open();
  frm->WidthBox->SetText("700");
  EXPECT_EQ(frm->XScroll->Value(), 30);  // the bars follow at the next fill only
  Key(frm->HeightBox, Qt::Key_Return);
  EXPECT_EQ(frm->XScroll->Value(), 512);
  EXPECT_EQ(World.Width, 700);
  frm->XScroll->SetValue(40);
  frm->YScroll->SetValue(100);
  EXPECT_EQ(Pair(World.Width, World.Height), "40,100");
  EXPECT_EQ(frm->WidthBox->Text() + "," + frm->HeightBox->Text(), "40,100");
  EXPECT_TRUE(ui.msgCalls.empty());
  EXPECT_FALSE(frm->Updating);
}
