// A designer's session with the links of the sample world: a level link and
// a map message added on the map, a link deleted from the list, the world
// saved and its file compared byte for byte.
#include <filesystem>
#include <functional>
#include <string>

#include "model/Preference.h"
#include "tests/support/WorldFrmFixture.h"
#include "worldeditor/LinkForm.h"
#include "worldeditor/zTypeFrm.h"

using namespace yv;
using test::Mouse;
namespace fs = std::filesystem;

namespace {

class WorldLinksDesigner : public test::WorldWindowTest {
 protected:
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
  fs::copy(fs::path(YV_SOURCE_DIR) / "sample" / "Program Files", tree.Host("Program Files"),
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  Pref = DecodePreferences(test::ReadHostFile(fs::path(YV_SOURCE_DIR) / "sample" / "YV_Editor.Preferences"));
  const std::string original = ReadWorld("frostbite.yvwm");
  ASSERT_NE(OpenWorldWindow(), nullptr);
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
  QImage shot = frm->grab().toImage();
  EXPECT_TRUE(shot.save(QString(YV_BINARY_DIR) + "/grab_worldfrm_links.png"));

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
