// The world properties dialog: opening over the world window, the size boxes
// with their error boxes at every keystroke, the start boxes, the scroll
// bars, the file and music choices, and what its close does to the world.
#include <gtest/gtest.h>

#include <QTest>
#include <functional>

#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Main.h"
#include "tests/support/WorldFrmFixture.h"
#include "worldeditor/WorldDialogs.h"
#include "worldeditor/WorldFrm.h"
#include "worldeditor/WorldPropertiesFrm.h"

using namespace yv;

namespace {

const char* const kWidthText = "World Map Width\r\nMust be between 19 and 1023";

// Two numbers as "a,b", to compare pairs in one check.
std::string Pair(int a, int b) { return FormatInt(a) + "," + FormatInt(b); }

class WorldProps : public test::WorldWindowTest {
 protected:
  WorldPropertiesFrm* dlg = nullptr;  // frm is the world window

  // Opens the dialog over the world window on a loaded 30 x 20 world, or on
  // a new one as "Create New World" leaves it.
  void Open(bool newWorld = false) {
    ASSERT_NE(OpenWorldWindow(), nullptr);
    test::MakeWorld(30, 20);
    if (newWorld) {
      ResetWorldData();
      NewWorldPending = true;
    }
    OpenWorldPropertiesFrm();
    dlg = WorldPropertiesFrm::Instance();
    ASSERT_NE(dlg, nullptr);
  }
  static void Key(controls::TextBox* box, Qt::Key key) { QTest::keyClick(box->Editor(), key); }
};

}  // namespace

TEST_F(WorldProps, ANewWorldShowsAtLeast19By16AndGetsItsMapOfTile9OnClose) {
  Open(true);
  EXPECT_FALSE(frm->FormEnabled());
  EXPECT_EQ(frm->MousePointer(), controls::Pointer::Default);
  EXPECT_EQ(dlg->WidthBox->Text() + "," + dlg->HeightBox->Text(), "19,16");
  EXPECT_EQ(Pair(dlg->XScroll->Value(), dlg->YScroll->Value()), "19,16");
  EXPECT_TRUE(ui.msgCalls.empty());

  test::Mouse::Click(dlg->OKCmd);
  test::Settle();
  EXPECT_EQ(WorldPropertiesFrm::Instance(), nullptr);
  EXPECT_TRUE(frm->FormEnabled());
  EXPECT_FALSE(NewWorldPending);
  EXPECT_TRUE(WorldLoaded);
  EXPECT_FALSE(WorldChanged);
  EXPECT_EQ(Pair(World.Tiles.Columns(), World.Tiles.Rows()), "20,17");
  EXPECT_EQ(WorldTile(18, 15), 9);
  EXPECT_EQ(WorldTile(19, 15) + WorldTile(18, 16), 0);
}

TEST_F(WorldProps, EditsGoStraightToTheWorldAndTheCloseLeavesItsMap) {
  Open();
  Pref.LastWorldMapFile = "C:\\old.yvwm";
  const TileMap before = World.Tiles;
  // Every edit of a value marks the world changed; one that leaves the value
  // as it was does not.
  const std::pair<const char*, std::function<void()>> edits[] = {
      {"same name", [&] { dlg->NameBox->SetText(World.Name); }},
      {"same width", [&] { dlg->XScroll->SetValue(World.Width); }},
      {"name", [&] { dlg->NameBox->SetText("Isle"); }},
      {"comment", [&] { dlg->CommentBox->SetText(";; header"); }},
      {"width", [&] { QTest::keyClicks(dlg->WidthBox->Editor(), "0"); }},  // 300
      {"height bar", [&] { dlg->YScroll->SetValue(21); }},
      {"start x", [&] { dlg->StartXBox->SetText("5"); }},
      {"start y", [&] { dlg->StartYBox->SetText("6"); }},
  };
  for (const auto& [name, edit] : edits) {
    WorldChanged = false;
    edit();
    EXPECT_EQ(WorldChanged, !StartsWith(name, "same")) << name;
  }

  // The file name is chosen in a save dialog: a new name is taken as typed,
  // another world's file only once the user has said to replace it, and No
  // offers the dialog again.
  const std::string other = WorldMapsDir + "\\other.yvwm", taken = WorldMapsDir + "\\taken.yvwm";
  tree.Write(test::kWorldMapsFolder + "taken.yvwm", "another world");
  ui.fileAnswers = {other, std::nullopt, taken, std::nullopt, taken, "C:\\tunes\\deep\\Cave.mod", std::nullopt};
  ui.msgAnswers = {platform::kNo, platform::kYes};
  MainFrm::Instance()->CD.FileName = "C:\\last.yvl";
  WorldChanged = false;
  test::Mouse::Click(dlg->FNBox);  // a new name: the world is not in that file yet
  EXPECT_TRUE(WorldChanged);
  for (int i = 0; i < 3; ++i) test::Mouse::Click(dlg->FNBox);  // cancelled; replacing refused; accepted
  for (int i = 0; i < 2; ++i) test::Mouse::Click(dlg->MusicBox);
  ASSERT_EQ(ui.fileCalls.size(), 7u);
  EXPECT_TRUE(ui.fileCalls[0].save && ui.fileCalls[4].save);
  EXPECT_EQ(ui.fileCalls[1].filter + ui.fileCalls[1].initDir + ui.fileCalls[1].fileName,
            "*.yvwm|*.yvwm" + WorldMapsDir);
  EXPECT_EQ(ui.Boxes(),
            std::vector<std::string>(2, "taken.yvwm already exists.\r\nDo you want to replace it?|Confirm Save As|36"));
  EXPECT_EQ(ui.fileCalls[5].filter + ui.fileCalls[5].initDir, "*.mod|*.mod" + MusicDir);
  EXPECT_EQ(ui.fileCalls[5].fileName + "," + ui.fileCalls[6].fileName, "SALCON.MOD,Cave.mod");
  EXPECT_EQ(Pref.LastWorldMapFile + "|" + dlg->FNBox->Caption(), taken + "|" + taken);
  EXPECT_EQ(tree.Read(test::kWorldMapsFolder + "taken.yvwm"), "another world");  // until it is saved
  EXPECT_EQ(World.Music + "," + dlg->MusicBox->Caption(), "Cave.mod,Cave.mod");
  const QImage shot = dlg->grab().toImage();
  shot.save(QStringLiteral(YV_BINARY_DIR "/world_properties.png"));
  shot.scaled(shot.size() * 2).save(QStringLiteral(YV_BINARY_DIR "/world_properties_x2.png"));  // for a look

  const int left = dlg->LeftTwips(), top = dlg->TopTwips();
  EXPECT_TRUE(dlg->Close());
  EXPECT_EQ(World.Name + World.Comments[0], "Isle;; header");
  EXPECT_EQ(World.Width, 300);
  EXPECT_TRUE(World.Tiles == before);
  EXPECT_TRUE(frm->FormEnabled());
  EXPECT_EQ(frm->FileNameBox->Caption(), taken);  // the world window is drawn anew
  EXPECT_EQ(frm->MapXScroll->Max(), 282);
  EXPECT_EQ(Pair(Pref.FormLeft[kFormWorldPropertiesFrm], Pref.FormTop[kFormWorldPropertiesFrm]), Pair(left, top));
}

TEST_F(WorldProps, SizeBoxesRefuseEachTextOutOfRangeWithABoxAndStartBoxesKeepTheLastNumber) {
  Open();
  dlg->WidthBox->SetText("");                          // refused
  QTest::keyClicks(dlg->WidthBox->Editor(), "1a0-0");  // only the digits reach it: 1, 10, 100
  EXPECT_EQ(World.Width, 100);
  ASSERT_EQ(ui.msgCalls.size(), 3u);
  EXPECT_EQ(ui.msgCalls[1].text + "|" + ui.msgCalls[1].title + "|" + FormatInt(ui.msgCalls[1].style),
            std::string(kWidthText) + "|World Map Width Error|16");
  for (int i = 0; i < 3; ++i) Key(dlg->WidthBox, Qt::Key_Backspace);  // 10, 1, ""
  EXPECT_EQ(ui.msgCalls.size(), 6u);
  EXPECT_EQ(World.Width, 100);
  dlg->StartXBox->SetText("");
  Key(dlg->WidthBox, Qt::Key_Return);  // every box shows the world again
  EXPECT_EQ(dlg->WidthBox->Text() + "," + dlg->StartXBox->Text(), "100,3");

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
    (c.width ? dlg->WidthBox : dlg->HeightBox)->SetText(c.text);
    EXPECT_EQ(field, c.expected < 0 ? before : c.expected) << c.text;
    ASSERT_EQ(ui.msgCalls.size(), c.expected < 0 ? 1u : 0u) << c.text;
    if (c.expected < 0) {
      EXPECT_EQ(ui.msgCalls[0].text, c.width ? kWidthText : "World Map Height") << c.text;
    }
  }

  ui.msgCalls.clear();
  const std::pair<const char*, int> starts[] = {{"7", 7}, {"", 7}, {"40000", 7}, {"-3", -3}, {"x", -3}, {"120", 120}};
  for (auto [text, expected] : starts) {
    dlg->StartXBox->SetText(text);
    dlg->StartYBox->SetText(text);
    EXPECT_EQ(Pair(World.StartX, World.StartY), Pair(expected, expected)) << text;
  }
  EXPECT_TRUE(ui.msgCalls.empty());

  // Left with a text that was not taken, a box shows what is stored.
  dlg->WidthBox->SetText("10");
  test::Leave(dlg->WidthBox->Editor());
  dlg->StartXBox->SetText("40000");
  test::Leave(dlg->StartXBox->Editor());
  EXPECT_EQ(dlg->WidthBox->Text() + "," + dlg->StartXBox->Text(), "30,120");
}

TEST_F(WorldProps, ScrollBarsSetTheSizeAndAWidthPastTheBarShowsItAtItsEnd) {
  Open();
  dlg->WidthBox->SetText("700");
  EXPECT_EQ(dlg->XScroll->Value(), 30);  // the bars follow at the next fill only
  Key(dlg->HeightBox, Qt::Key_Return);
  EXPECT_EQ(dlg->XScroll->Value(), 512);
  EXPECT_EQ(World.Width, 700);
  dlg->XScroll->SetValue(40);
  dlg->YScroll->SetValue(100);
  EXPECT_EQ(Pair(World.Width, World.Height), "40,100");
  EXPECT_EQ(dlg->WidthBox->Text() + "," + dlg->HeightBox->Text(), "40,100");
  EXPECT_TRUE(ui.msgCalls.empty());
  EXPECT_FALSE(dlg->Updating);
}
