// The world window's link list: rows, scroll range, the selected link's mark
// and read-outs, and the row clicks that open the link editor.
#include <gtest/gtest.h>

#include <string>

#include "controls/Dialog.h"
#include "tests/core/WorldTestSupport.h"
#include "tests/support/ProgramFixture.h"
#include "worldeditor/LinkForm.h"
#include "worldeditor/WorldFrm.h"

using namespace yv;

namespace {

class LinkList : public test::ProgramTest {
 protected:
  WorldFrm* frm = nullptr;
  void SetUp() override {
    ProgramTest::SetUp();
    test::ResetWorldState();
    // Shown over no window and with no world to read: the panel alone.
    frm = controls::ShowDialog<WorldFrm>({});
    ASSERT_NE(frm, nullptr);
    frm->LinkFrame->SetVisible(true);
  }
  // count links, link n of type n % 6 at (n, 100 + n), its target (200 + n, 300 + n).
  static void MakeLinks(int count) {
    World.LinkCount = static_cast<int16_t>(count);
    World.Links.assign(static_cast<size_t>(count) + 1, WorldLink{});
    for (int n = 1; n <= count; ++n) {
      WorldLink& l = World.Links[static_cast<size_t>(n)];
      l.LinkType = static_cast<int16_t>(n % 6);
      l.LevelLinkName = "set/level" + std::to_string(n) + ".yvl";
      l.X = static_cast<int16_t>(n), l.Y = static_cast<int16_t>(100 + n);
      l.DestX = static_cast<int16_t>(200 + n), l.DestY = static_cast<int16_t>(300 + n);
    }
  }
  // The numbers shown in the visible rows, "-" for a hidden row.
  std::string Rows() const {
    std::string rows;
    for (int i = 0; i < 16; ++i) rows += (frm->LinkNumBox[i]->Visible() ? frm->LinkNumBox[i]->Caption() : "-") + " ";
    return rows;
  }
};

}  // namespace

TEST_F(LinkList, ScrollRangeAndRowsFollowTheLinkCount) {
  EXPECT_EQ(frm->LinkIndImg[0]->ToolTip(), "Click to Edit Link Parameters");
  EXPECT_EQ(frm->LinkTypeBox[15]->ToolTip(), "Click to Edit Link Parameters");
  EXPECT_EQ(frm->LinkNumBox[3]->geometry(), QRect(24, 84, 31, 17));
  const struct {
    int links, scrollBefore;
    bool enabled;
    int max, value;
    const char* rows;
  } cases[] = {
      {0, 0, false, 0, 0, "- - - - - - - - - - - - - - - - "},
      {16, 0, false, 0, 0, "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 "},
      {17, 0, true, 1, 0, "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 "},
      {40, 24, true, 24, 24, "25 26 27 28 29 30 31 32 33 34 35 36 37 38 39 40 "},
      {30, 24, true, 14, 14, "15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 "},  // the value comes down
      {5, 14, false, 0, 0, "1 2 3 4 5 - - - - - - - - - - - "},
  };
  for (const auto& c : cases) {
    MakeLinks(c.links);
    frm->LinkScroll->SetMax(32767);
    frm->LinkScroll->SetValue(c.scrollBefore);
    frm->UpdateLinkList();
    EXPECT_EQ(frm->LinkScroll->Enabled(), c.enabled) << c.links;
    EXPECT_EQ(frm->LinkScroll->Max(), c.max) << c.links;
    EXPECT_EQ(frm->LinkScroll->Value(), c.value) << c.links;
    EXPECT_EQ(Rows(), c.rows) << c.links;
  }
  EXPECT_EQ(frm->LinkTypeBox[0]->Caption(), "Comment");
  EXPECT_EQ(frm->LinkTypeBox[4]->Caption(), "Invisible");
}

TEST_F(LinkList, MarkAndReadOutsShowTheSelectedLinkWhileItIsInView) {
  MakeLinks(40);
  const struct {
    int selected, scroll;
    int markedRow;  // -1 none
    const char *x, *y, *name;
    bool dest;
  } cases[] = {
      {2, 0, 1, "2", "102", "set/level2.yvl", false},  // a level link shows its name
      {3, 0, 2, "3", "103", "", false},                // a message: no name, no target
      {4, 0, 3, "4", "104", "", true},                 // a teleport shows its target
      {11, 0, 10, "11", "111", "", true},              // invisible teleporter
      {30, 0, -1, "11", "111", "", true},              // out of view: the read-outs stay
      {-1, 20, -1, "11", "111", "", true},             // nothing selected
      {24, 20, 3, "24", "124", "", false},             // type 0
  };
  for (const auto& c : cases) {
    SelectedLink = static_cast<int16_t>(c.selected);
    frm->LinkScroll->SetValue(c.scroll);
    frm->UpdateLinkList();
    for (int i = 0; i < 16; ++i) EXPECT_EQ(frm->LinkIndImg[i]->Visible(), i == c.markedRow) << c.selected << " " << i;
    EXPECT_EQ(frm->LinkXBox->Caption(), c.x) << c.selected;
    EXPECT_EQ(frm->LinkYBox->Caption(), c.y) << c.selected;
    EXPECT_EQ(frm->LinkNameBox->Caption(), c.name) << c.selected;
    EXPECT_EQ(frm->LinkDXBox->Visible(), c.dest) << c.selected;
    EXPECT_EQ(frm->LinkDYBox->Visible(), c.dest) << c.selected;
  }
  EXPECT_EQ(frm->LinkDXBox->Caption(), "211");
  EXPECT_EQ(frm->LinkDYBox->Caption(), "311");
  EXPECT_EQ(frm->LinkTypeBox[3]->Caption(), "");          // link 24, type 0
  EXPECT_EQ(frm->LinkTypeBox[1]->Caption(), "Teleport");  // link 22
  // A hidden panel is left alone.
  frm->LinkFrame->SetVisible(false);
  frm->LinkScroll->SetValue(0);
  EXPECT_EQ(Rows(), "21 22 23 24 25 26 27 28 29 30 31 32 33 34 35 36 ");
}

TEST_F(LinkList, RowClicksOpenTheEditorOnTheRowsLink) {
  MakeLinks(40);
  // The editor's close redraws the window: a drawn world in the link mode.
  World.Width = 18, World.Height = 15;
  ResetWorldTiles();
  frm->WorldEditMode = 2;
  frm->UpdateLinkList();
  frm->LinkScroll->SetValue(24);  // its change fills the list
  const struct {
    controls::MouseLabel* row;
    int link;
  } cases[] = {{frm->LinkNumBox[0], 25}, {frm->LinkTypeBox[15], 40}, {frm->LinkNumBox[7], 32}};
  for (const auto& c : cases) {
    test::Mouse::Click(c.row);
    LinkForm* form = LinkForm::Instance();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(SelectedLink, c.link);
    EXPECT_EQ(form->EditLink, World.Links[static_cast<size_t>(c.link)]);
    EXPECT_FALSE(frm->FormEnabled());
    EXPECT_EQ(form->Owner(), frm);
    form->CancelCmd->PerformClick();
    EXPECT_TRUE(frm->FormEnabled());
  }
  // The mark row is a row too.
  SelectedLink = 26;
  frm->UpdateLinkList();
  test::Mouse::Click(frm->LinkIndImg[1]);
  EXPECT_EQ(SelectedLink, 26);
  ASSERT_NE(LinkForm::Instance(), nullptr);
  EXPECT_EQ(LinkForm::Instance()->LinkNumBox->Caption(), "26");
}
