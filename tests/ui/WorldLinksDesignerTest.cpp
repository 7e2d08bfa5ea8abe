// A designer's sessions with the sample world: a level link and a map
// message added on the map, a link deleted from the list, the world saved and
// its file compared byte for byte; and the world files kept through opens,
// a new world, its close and a Save As.
#include <filesystem>
#include <functional>
#include <string>

#include "model/Preference.h"
#include "tests/support/WorldFrmFixture.h"
#include "worldeditor/LinkForm.h"
#include "worldeditor/WorldPropertiesFrm.h"
#include "worldeditor/zTypeFrm.h"

using namespace yv;
using test::Mouse;
namespace fs = std::filesystem;

namespace {

class WorldLinksDesigner : public test::WorldWindowTest {
 protected:
  void OpenSampleWorld() {
    fs::copy(fs::path(YV_SOURCE_DIR) / "sample" / "Program Files", tree.Host("Program Files"),
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    Pref = DecodePreferences(test::ReadHostFile(fs::path(YV_SOURCE_DIR) / "sample" / "YV_Editor.Preferences"));
    ASSERT_NE(OpenWorldWindow(), nullptr);
  }
  void Grab(const char* name) { EXPECT_TRUE(frm->grab().save(QString(YV_BINARY_DIR) + "/grab_worldfrm_" + name)); }
  // Presses a map cell in view and returns the editor it opens.
  LinkForm* PressCell(int c, int r) {
    Mouse::Click(Cell(c, r), QPoint(5, 5));
    return LinkForm::Instance();
  }
  static void ChooseType(LinkForm* form, int label) {
    test::RunWhileWaiting<zTypeFrm, int>(
        [&] {
          Mouse::Click(form->TypeBox);
          return 0;
        },
        [&](zTypeFrm* picker) { Mouse::Click(picker->TypeBox[label]); });
  }
};

}  // namespace

TEST_F(WorldLinksDesigner, AddsALevelLinkAndAMessageDeletesALinkAndSaves) {
  OpenSampleWorld();
  const std::string original = ReadWorld("frostbite.yvwm");
  ASSERT_TRUE(WorldLoaded);
  ASSERT_EQ(World.LinkCount, 7);
  Mouse::Click(frm->ModeOption[2]);
  ASSERT_TRUE(frm->LinkFrame->Visible());

  // A level link on an empty cell: its level from the level set, its type.
  LinkForm* form = PressCell(2, 2);
  ASSERT_NE(form, nullptr);
  EXPECT_FALSE(frm->FormEnabled());
  EXPECT_EQ(form->LinkNumBox->Caption(), "8");
  ui.fileAnswers.push_back(UserLevelsDir + "\\frostbite\\level2.yvl");
  Mouse::Click(form->NameBox);
  ChooseType(form, 0);
  EXPECT_EQ(form->TypeBox->Caption(), "Level Link");
  Mouse::Click(form->OKCmd);
  EXPECT_TRUE(frm->FormEnabled());
  EXPECT_EQ(frm->LinkNumBox[7]->Caption(), "8");
  EXPECT_EQ(frm->LinkNameBox->Caption(), "frostbite/level2.yvl");  // the list was redrawn

  // A map message beside it, applied only up and down.
  form = PressCell(3, 2);
  ASSERT_NE(form, nullptr);
  ChooseType(form, 1);
  QTest::keyClicks(form->MessageBox->Editor(), "Mind the thin ice");
  Mouse::Click(form->ApplyLeftCheck);
  Mouse::Click(form->ApplyRightCheck);
  Mouse::Click(form->OKCmd);
  EXPECT_EQ(frm->LinkTypeBox[8]->Caption(), "Message");

  // The second link goes, from its row in the list.
  Mouse::Click(frm->LinkNumBox[1]);
  form = LinkForm::Instance();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->NameBox->Caption(), "frostbite/level2.yvl");
  Mouse::Click(form->DelCmd);
  EXPECT_EQ(World.LinkCount, 8);
  EXPECT_TRUE(WorldChanged);
  EXPECT_EQ(frm->LinkTypeBox[1]->Caption(), "Level Link");  // link 3 moved up
  EXPECT_FALSE(frm->LinkNumBox[8]->Visible());
  Grab("links.png");

  frm->WTB_ButtonClick(5);  // "Save World Map"
  EXPECT_FALSE(WorldChanged);
  EXPECT_TRUE(ui.msgCalls.empty());
  const size_t levels = original.find("(levels\n");
  ASSERT_NE(levels, std::string::npos);
  // The file's own header line is kept and written back.
  std::string expected = original.substr(0, levels) + "(levels\n";
  const size_t second = original.find("     (level (name \"frostbite/level2.yvl\")", levels);
  const size_t third = original.find("     (level (name \"frostbite/level3.yvl\")", levels);
  const size_t end = original.rfind("      ))\n");
  ASSERT_TRUE(second != std::string::npos && third != std::string::npos && end != std::string::npos);
  expected += original.substr(levels + 8, second - levels - 8) + original.substr(third, end - third) +
              "     (level (name \"frostbite/level2.yvl\")\n"
              "           (x  2)\n"
              "           (y  2))\n"
              "     (level  (map-message \"Mind the thin ice\")\n"
              "           (x 3)\n"
              "           (y 2)\n"
              "           (apply-action-left #f)\n"
              "           (apply-action-right #f)\n"
              ")\n"
              "      ))\n";
  EXPECT_EQ(ReadWorld("frostbite.yvwm"), expected);

  // And it reads back as it was saved.
  const WorldData saved = World;
  ReadWorldFile(Pref.LastWorldMapFile);
  EXPECT_EQ(WorldReadError, 0);
  EXPECT_EQ(World.Links, saved.Links);
}

TEST_F(WorldLinksDesigner, KeepsUnsavedWorkAndFilesThroughOpenNewCloseAndSaveAs) {
  OpenSampleWorld();
  const std::string frostbite = Pref.LastWorldMapFile, fresh = WorldMapsDir + "\\fresh.yvwm";
  const auto click = [&](int button) { Mouse::Click(frm->WTB->ButtonWidget(button)); };
  const auto paintTile7 = [&] {
    Mouse::Click(frm->ModeOption[0]);
    Mouse::Click(frm->TileImg[6]);
    Mouse::Click(Cell(0, 0), QPoint(5, 5));
  };
  // Each answer to the question of "Open World Map" about the painted cell;
  // the dialog after Yes is cancelled, which leaves the saved world drawn.
  for (int answer : {platform::kCancel, platform::kNo, platform::kYes}) {
    paintTile7();
    Mouse::Click(frm->ModeOption[2]);  // the link list filled
    Mouse::Click(frm->ModeOption[3]);  // the start and link markers shown
    ui.msgAnswers = {answer};
    ui.fileAnswers = {answer == platform::kNo ? std::optional(frostbite) : std::nullopt};
    click(3);
    EXPECT_EQ(ui.Boxes(), std::vector<std::string>{"Save World Map Changes?|World Map Changed|35"});
    EXPECT_EQ(ui.fileCalls.size(), answer == platform::kCancel ? 0u : 1u);
    EXPECT_EQ(Shown(Cell(0, 0)), answer == platform::kNo ? Picture(4) : Picture(7));
    EXPECT_EQ(WorldChanged, answer == platform::kCancel);
    ui.msgCalls.clear(), ui.fileCalls.clear();
  }
  EXPECT_NE(ReadWorld("frostbite.yvwm").find("(data\n       7  4  4  "), std::string::npos);

  // No drops the changes, and a broken file then takes the world's place: it
  // is told once, nothing of the world that is gone stays in view but the
  // name of the last world read whole, and no later question asks about it.
  paintTile7();
  Mouse::Click(frm->ModeOption[3]);
  tree.Write(test::kWorldMapsFolder + "bad.yvwm", "(yorvane-worldmap\n (properties (name 5");
  ui.msgAnswers = {platform::kNo};
  ui.fileAnswers = {WorldMapsDir + "\\bad.yvwm"};
  click(3);
  EXPECT_EQ(ui.Boxes(), (std::vector<std::string>{"Save World Map Changes?|World Map Changed|35",
                                                  "Error # 1|World Read Error|16"}));
  EXPECT_FALSE(WorldChanged);
  EXPECT_TRUE(frm->TilesFrame->Visible() && !frm->LinkFrame->Visible() && !frm->ZunboImg->Visible());
  for (controls::ImageBox* marker : frm->DotImg) EXPECT_FALSE(marker->Visible());
  EXPECT_EQ(frm->FileNameBox->Caption() + "|" + Pref.LastWorldMapFile, frostbite + "|" + frostbite);
  EXPECT_EQ(frm->MapXScroll->Max() + frm->MapYScroll->Max(), 0);
  Grab("read_failed.png");
  Mouse::Click(frm->ModeOption[2]);
  EXPECT_TRUE(frm->LinkFrame->Visible() && !frm->TilesFrame->Visible() && !frm->LinkNumBox[0]->Visible());
  ui.msgCalls.clear();

  // A new world has no file name until the close names it; it is found again.
  ui.msgAnswers = {platform::kYes};
  click(1);
  ASSERT_NE(WorldPropertiesFrm::Instance(), nullptr);
  EXPECT_EQ(frm->FileNameBox->Caption() + Pref.LastWorldMapFile, "");
  Mouse::Click(WorldPropertiesFrm::Instance()->OKCmd);
  Grab("new_world.png");
  paintTile7();
  ui.msgAnswers = {platform::kYes};
  ui.fileAnswers = {fresh};
  ui.fileCalls.clear();
  click(10);
  ASSERT_EQ(ui.fileCalls.size(), 1u);  // the world-map folder, and no other world's name to take by Enter
  EXPECT_EQ(ui.fileCalls[0].initDir + "|" + ui.fileCalls[0].fileName, WorldMapsDir + "|");
  EXPECT_TRUE(!WorldFrm::Instance() && MainGivenBack());
  EXPECT_EQ(ReadWorld("fresh.yvwm"), WorldText);
  test::Settle();
  ASSERT_NE(OpenWorldWindow(), nullptr);
  EXPECT_TRUE(WorldLoaded && Shown(Cell(0, 0)) == Picture(7) && Shown(Cell(1, 0)) == Picture(9));

  // A Save As that cannot be written leaves the world its own name.
  ui.msgCalls.clear();
  ui.fileAnswers = {WorldMapsDir + "\\gone\\x.yvwm"};
  click(6);
  ASSERT_EQ(ui.msgCalls.size(), 1u);
  Mouse::Click(frm->ModeOption[1]);
  EXPECT_EQ(frm->FileNameBox->Caption() + "|" + Pref.LastWorldMapFile, fresh + "|" + fresh);
}
