// The bad-guy kind panel, the used-objects list, the map markers and deletion.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <vector>

#include "leveleditor/MainFrm.h"
#include "leveleditor/Windows.h"
#include "leveleditor/zBGEditFrm.h"
#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Main.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/ProgramFixture.h"
#include "tests/support/TempTree.h"
#include "tests/support/TestState.h"
#include "tests/support/UiSupport.h"

using namespace yv;
using test::Mouse;

namespace {

class BadGuyPanel : public test::ProgramTest {
 protected:
  MainFrm* frm = nullptr;

  void SetUp() override {
    ProgramTest::SetUp();
    frm = StartProgram();
    ASSERT_NE(frm, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frm));
  }

  void MakeLevel(int width) {
    test::MakeOpenLevel(width);
  }
  // Objects on separate cells of the first view (18 to a row, two rows apart),
  // counted as a placement counts them.
  void AddObjects(int n) {
    for (int i = 0; i < n; ++i) {
      const int k = Level.ObjectCount;
      LevelObject& o = AppendObject();
      o.Kind = static_cast<int16_t>(k % 10);
      o.Name = BadGuyFileNames[o.Kind];
      o.X = static_cast<int16_t>((k % 18) * 32);
      o.Y = static_cast<int16_t>((k / 18) * 64);
      ++BadGuyKinds[o.Kind].Count;
    }
  }
  // The marker slot that shows object n, or -1.
  int SlotOf(int n) {
    for (int k = 0; k < 32; ++k)
      if (BadGuyImageSlots[k].ObjectIndex == n) return k;
    return -1;
  }
  void Type(controls::TextBox* box, const char* text) { QTest::keyClicks(box->Editor(), text); }
};

}  // namespace

TEST_F(BadGuyPanel, KindPanelChoosesWhatAPressPlaces) {
  MakeLevel(40);
  AddObjects(3);
  frm->ModeOption[kModeBadGuys]->SetValue(true);
  EXPECT_EQ(frm->ObjCntBox[0]->Caption(), "1");
  EXPECT_EQ(frm->ObjCntBox[4]->Caption(), "0");
  EXPECT_TRUE(frm->ObjIndImg[0]->Visible());  // kind 0 chosen at start
  Mouse::Click(frm->ObjSelImg[4]);
  EXPECT_EQ(SelectedBadGuyKind, 4);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(frm->ObjIndImg[i]->Visible(), i == 4) << i;
  Mouse::Click(frm->Img[MainFrm::CellIndex(9, 9)], QPoint(1, 2));
  ASSERT_EQ(Level.ObjectCount, 4);
  EXPECT_EQ(Level.Objects[4].Kind, 4);
  EXPECT_EQ(Level.Objects[4].Name, BadGuyFileNames[4]);
  EXPECT_EQ(BadGuyKinds[4].Count, 1);
  EXPECT_EQ(frm->ObjCntBox[4]->Caption(), "1");
  SelectedBadGuyKind = -1;
  frm->UpdateDisplay();
  for (int i = 0; i < 10; ++i) EXPECT_FALSE(frm->ObjIndImg[i]->Visible()) << i;
}

TEST_F(BadGuyPanel, ListScrollRangeAndDeletion) {
  MakeLevel(40);
  AddObjects(9);
  frm->ModeOption[kModeBadGuyList]->SetValue(true);
  EXPECT_FALSE(frm->BGUScroll->Enabled());
  EXPECT_EQ(frm->BGUScroll->Value(), 1);
  EXPECT_EQ(frm->TotalBGUBox->Caption(), "9 ");
  AddObjects(1);
  frm->UpdateDisplay();
  EXPECT_TRUE(frm->BGUScroll->Enabled());
  EXPECT_EQ(frm->BGUScroll->Max(), 2);
  frm->BGUScroll->SetValue(2);  // the change refills the rows
  EXPECT_EQ(frm->BGUXBox[8]->Text(), FormatInt(Level.Objects[10].X));
  EXPECT_EQ(frm->BGUNameBox[8]->Caption(), BadGuyKinds[9].DisplayName);
  // Back to 9: disabled again at 1.
  SelectedObject = 10;
  frm->DelBadGuyCmd_Click();
  EXPECT_FALSE(frm->BGUScroll->Enabled());
  EXPECT_EQ(frm->BGUScroll->Value(), 1);
  EXPECT_EQ(SelectedObject, 10);  // names no object now
  EXPECT_EQ(BadGuyKinds[9].Count, 0);
  EXPECT_EQ(frm->BGUNameBox[8]->Caption(), BadGuyKinds[8].DisplayName);  // object 9 in the last row again

  // Deleting object 3 of 5 with it selected: 4 and 5 move down, the former 4 is selected.
  MakeLevel(40);
  for (auto& k : BadGuyKinds) k.Count = 0;
  AddObjects(5);
  const LevelObject four = Level.Objects[4], five = Level.Objects[5];
  const int16_t kind3 = Level.Objects[3].Kind;
  frm->UpdateDisplay();
  SelectedObject = 3;
  frm->ModeOption[kModeTiles]->SetValue(true);
  frm->ModeOption[kModeBadGuyList]->SetValue(true);
  ASSERT_TRUE(frm->DelBadGuyCmd->Visible());
  Mouse::Click(frm->DelBadGuyCmd);
  ASSERT_EQ(Level.ObjectCount, 4);
  ASSERT_EQ(Level.Objects.size(), 5u);
  EXPECT_EQ(Level.Objects[3], four);
  EXPECT_EQ(Level.Objects[4], five);
  EXPECT_EQ(SelectedObject, 3);
  EXPECT_EQ(BadGuyKinds[kind3].Count, 0);
  EXPECT_TRUE(frm->DelBadGuyCmd->Visible());
  EXPECT_TRUE(frm->BGIndImg[2]->Visible());
  EXPECT_EQ(frm->BGUNameBox[2]->Caption(), BadGuyKinds[four.Kind].DisplayName);
  EXPECT_FALSE(frm->BGUImg[4]->Visible());
  EXPECT_EQ(frm->TotalBGUBox->Caption(), "4 ");
  EXPECT_EQ(frm->MarkerBlink[SlotOf(3)], 1);
  frm->ModeOption[kModeBadGuys]->SetValue(true);
  EXPECT_EQ(frm->ObjCntBox[kind3]->Caption(), "0");
  frm->ModeOption[kModeBadGuyList]->SetValue(true);

  // Deleting the last one: the number stays, names nothing, and a second press changes nothing.
  SelectedObject = 4;
  frm->DelBadGuyCmd_Click();
  ASSERT_EQ(Level.ObjectCount, 3);
  EXPECT_EQ(SelectedObject, 4);
  EXPECT_TRUE(frm->BGIndImg[3]->Visible());  // the mark stands on the empty fourth row
  EXPECT_FALSE(frm->BGUImg[3]->Visible());
  for (int k = 0; k < 32; ++k) EXPECT_EQ(frm->MarkerBlink[k], 0) << k;
  frm->DelBadGuyCmd_Click();
  EXPECT_EQ(Level.ObjectCount, 3);
  SelectedObject = -1;
  frm->DelBadGuyCmd_Click();
  EXPECT_EQ(Level.ObjectCount, 3);

  // Down to none: an empty list, "0 ".
  for (int n = 3; n >= 1; --n) {
    SelectedObject = 1;
    frm->DelBadGuyCmd_Click();
  }
  EXPECT_EQ(Level.ObjectCount, 0);
  EXPECT_EQ(Level.Objects.size(), 1u);
  EXPECT_EQ(frm->TotalBGUBox->Caption(), "0 ");
  for (int i = 0; i < 9; ++i) EXPECT_FALSE(frm->BGUImg[i]->Visible()) << i;
  for (const auto& k : BadGuyKinds) EXPECT_EQ(k.Count, 0);
}

TEST_F(BadGuyPanel, DeletionLowersACountOnlyForItsOwnKindName) {
  MakeLevel(40);
  BadGuyKinds[0].Count = 2;
  BadGuyKinds[3].Count = 1;
  AppendObject() = {0, "unknown-thing", 10, 10, 0};  // read under a name of no kind: not counted
  AppendObject() = {3, BadGuyFileNames[3], 20, 10, 0};
  AppendObject() = {0, BadGuyFileNames[0], 30, 10, 0};
  AppendObject() = {0, BadGuyFileNames[0], 40, 10, 0};
  SelectedObject = 1;
  frm->DelBadGuyCmd_Click();
  EXPECT_EQ(BadGuyKinds[0].Count, 2);
  frm->DelBadGuyCmd_Click();  // now the kind-3 object
  EXPECT_EQ(BadGuyKinds[3].Count, 0);
  EXPECT_EQ(BadGuyKinds[0].Count, 2);
  frm->DelBadGuyCmd_Click();
  EXPECT_EQ(BadGuyKinds[0].Count, 1);
  // A count already at 0 stays 0.
  BadGuyKinds[0].Count = 0;
  frm->DelBadGuyCmd_Click();
  EXPECT_EQ(BadGuyKinds[0].Count, 0);
  EXPECT_EQ(Level.ObjectCount, 0);
}

TEST_F(BadGuyPanel, MarkerPressesSelectScrollTheListAndSwitchMode) {
  MakeLevel(40);
  AddObjects(25);
  frm->ModeOption[kModeBadGuys]->SetValue(true);
  ASSERT_EQ(frm->BGUScroll->Value(), 1);
  // Object 20 with rows 1..9 shown: the list goes to 12, object 20 in the last row.
  int slot = SlotOf(20);
  ASSERT_GE(slot, 0);
  Mouse::Click(frm->BGImg[slot], QPoint(5, 5));
  EXPECT_EQ(SelectedObject, 20);
  EXPECT_EQ(frm->BGUScroll->Value(), 12);
  EXPECT_EQ(EditMode, kModeBadGuyList);
  EXPECT_TRUE(frm->ModeOption[kModeBadGuyList]->Value());
  EXPECT_TRUE(frm->BGUFrame->Visible());
  EXPECT_TRUE(frm->DelBadGuyCmd->Visible());
  EXPECT_TRUE(frm->BGIndImg[8]->Visible());
  EXPECT_EQ(frm->MarkerBlink[SlotOf(20)], 1);
  EXPECT_EQ(zBGEditFrm::Instance(), nullptr);  // only the right button opens the dialog
  EXPECT_TRUE(frm->FormEnabled());
  // Object 3 with the list at 10: 3 - 8 is brought up to 1.
  frm->BGUScroll->SetValue(10);
  Mouse::Click(frm->BGImg[SlotOf(3)], QPoint(5, 5));
  EXPECT_EQ(frm->BGUScroll->Value(), 1);
  // An object already among the rows leaves the list where it is.
  frm->BGUScroll->SetValue(5);
  Mouse::Click(frm->BGImg[SlotOf(13)], QPoint(5, 5));
  EXPECT_EQ(SelectedObject, 13);
  EXPECT_EQ(frm->BGUScroll->Value(), 5);

  // A marker press in tile mode (markers show there with all layers) switches to the list.
  frm->ModeOption[kModeTiles]->SetValue(true);
  frm->LayerOption[kLayerAll]->SetValue(true);
  EXPECT_FALSE(frm->DelBadGuyCmd->Visible());
  ASSERT_TRUE(frm->BGImg[SlotOf(2)]->Visible());
  Mouse::Click(frm->BGImg[SlotOf(2)], QPoint(5, 5));
  EXPECT_EQ(EditMode, kModeBadGuyList);
  EXPECT_TRUE(frm->BGUFrame->Visible());
  EXPECT_FALSE(frm->TileFrame->Visible());
  EXPECT_TRUE(frm->DelBadGuyCmd->Visible());

  // The right button also opens the properties dialog, with the main window disabled.
  Mouse::Press(frm->BGImg[SlotOf(7)], QPoint(5, 5), Qt::RightButton);
  EXPECT_EQ(SelectedObject, 7);
  ASSERT_NE(zBGEditFrm::Instance(), nullptr);
  EXPECT_TRUE(zBGEditFrm::Instance()->isVisible());
  EXPECT_EQ(zBGEditFrm::Instance()->zBGNumBox->Caption(), "7");
  EXPECT_FALSE(frm->FormEnabled());
  Mouse::Release(frm->BGImg[SlotOf(7)], QPoint(5, 5), Qt::RightButton);
  zBGEditFrm::Instance()->CloseCmd_Click();
  EXPECT_TRUE(frm->FormEnabled());
}

TEST_F(BadGuyPanel, TooltipsOfMarkersAndRows) {
  MakeLevel(40);
  AppendObject() = {2, BadGuyFileNames[2], 100, -5, 1};
  AppendObject() = {9, BadGuyFileNames[9], 300, 200, 0};
  BadGuyKinds[2].Count = 1;
  BadGuyKinds[9].Count = 1;
  frm->ModeOption[kModeBadGuyList]->SetValue(true);
  Mouse::Move(frm->BGImg[SlotOf(1)], QPoint(3, 3));
  EXPECT_EQ(frm->BGImg[SlotOf(1)]->ToolTip(),
            "BadGuy# 1, " + UCase(BadGuyFileNames[2]) + ", X = 100, Y = -5, Stay On Platform = YES");
  Mouse::Move(frm->BGImg[SlotOf(2)], QPoint(3, 3));
  EXPECT_EQ(frm->BGImg[SlotOf(2)]->ToolTip(),
            "BadGuy# 2, " + UCase(BadGuyFileNames[9]) + ", X = 300, Y = 200, Stay On Platform = NO");
  // The row names the kind by its display name.
  EXPECT_EQ(frm->BGUImg[0]->ToolTip(), "BadGuy# 1, " + BadGuyKinds[2].DisplayName + ", Stay On Platform = YES");
  EXPECT_EQ(frm->BGUImg[1]->ToolTip(), "BadGuy# 2, " + BadGuyKinds[9].DisplayName + ", Stay On Platform = NO");
  EXPECT_EQ(frm->BGUImg[1]->Picture().cacheKey(), frm->BadGuysList->Picture(10).cacheKey());
  EXPECT_EQ(frm->StayCheck[0]->Value(), 1);
  EXPECT_EQ(frm->BGUYBox[0]->Text(), "-5");
  EXPECT_FALSE(frm->StayCheck[2]->Visible());
  EXPECT_FALSE(frm->LabelX[2]->Visible());
  EXPECT_TRUE(frm->LabelY[1]->Visible());
}

TEST_F(BadGuyPanel, ListRowClickBringsTheObjectIntoView) {
  MakeLevel(100);
  AppendObject() = {0, BadGuyFileNames[0], 3000, 100, 0};          // column 93.75 -> 94
  AppendObject() = {0, BadGuyFileNames[0], 20 * 32 + 16, 100, 0};  // 20.5 -> 20 (halves to even)
  AppendObject() = {0, BadGuyFileNames[0], 21 * 32 + 16, 100, 0};  // 21.5 -> 22
  AppendObject() = {0, BadGuyFileNames[0], 16, 100, 0};            // 0.5 -> 0
  frm->ModeOption[kModeBadGuyList]->SetValue(true);
  ASSERT_EQ(frm->MapXScroll->Value(), 0);
  Mouse::Click(frm->BGUImg[0], QPoint(4, 4));
  EXPECT_EQ(SelectedObject, 1);
  EXPECT_EQ(frm->MapXScroll->Value(), 82);  // the last view position, not 86
  EXPECT_EQ(EditMode, kModeBadGuyList);
  EXPECT_TRUE(frm->BGIndImg[0]->Visible());
  frm->MapXScroll->SetValue(50);
  Mouse::Click(frm->BGUImg[1], QPoint(4, 4));
  EXPECT_EQ(frm->MapXScroll->Value(), 12);
  frm->MapXScroll->SetValue(50);
  Mouse::Click(frm->BGUImg[2], QPoint(4, 4));
  EXPECT_EQ(frm->MapXScroll->Value(), 14);
  Mouse::Click(frm->BGUImg[1], QPoint(4, 4));  // column 20 is in view (14..31): no scroll
  EXPECT_EQ(frm->MapXScroll->Value(), 14);
  Mouse::Click(frm->BGUImg[3], QPoint(4, 4));  // column 0: 0 - 8 is held at 0
  EXPECT_EQ(frm->MapXScroll->Value(), 0);
  EXPECT_EQ(SelectedObject, 4);
  // The view's last column (value + 17) counts as shown.
  frm->MapXScroll->SetValue(3);
  Mouse::Click(frm->BGUImg[1], QPoint(4, 4));
  EXPECT_EQ(frm->MapXScroll->Value(), 3);
}

TEST_F(BadGuyPanel, CoordinateBoxesAndStayCheck) {
  MakeLevel(40);
  AppendObject() = {1, BadGuyFileNames[1], 64, 96, 0};
  AppendObject() = {1, BadGuyFileNames[1], 128, 96, 0};
  frm->ModeOption[kModeBadGuyList]->SetValue(true);
  controls::TextBox* x = frm->BGUXBox[1];
  x->Editor()->setFocus();
  Type(x, "a-.");
  EXPECT_EQ(x->Text(), "128");
  Type(x, "5");
  EXPECT_EQ(x->Text(), "1285");
  EXPECT_EQ(Level.Objects[2].X, 1285);  // at once ...
  const int16_t markerLeft = BadGuyImageSlots[SlotOf(2)].Left;
  EXPECT_EQ(markerLeft, static_cast<int16_t>(10 + 128 * 34 / 32));  // ... without a redraw
  // Backspace passes; Enter is swallowed and moves the marker.
  QTest::keyClick(x->Editor(), Qt::Key_Backspace);
  EXPECT_EQ(x->Text(), "128");
  Type(x, "0");
  QTest::keyClick(x->Editor(), Qt::Key_Return);
  EXPECT_EQ(x->Text(), "1280");
  EXPECT_EQ(Level.Objects[2].X, 1280);
  EXPECT_EQ(SlotOf(2), -1);  // 1280 lies beyond the view now
  // Emptied, or past 16 bits: the last valid value stays.
  qobject_cast<QLineEdit*>(x->Editor())->selectAll();
  QTest::keyClick(x->Editor(), Qt::Key_Backspace);
  EXPECT_EQ(x->Text(), "");
  EXPECT_EQ(Level.Objects[2].X, 1280);
  Type(x, "40000");  // 4, 40, 400 and 4000 each fit; 40000 does not
  EXPECT_EQ(x->Text(), "40000");
  EXPECT_EQ(Level.Objects[2].X, 4000);
  x->SetText("32767");
  EXPECT_EQ(Level.Objects[2].X, 32767);
  // A negative text set from code is a 16-bit number all the same.
  frm->BGUYBox[0]->SetText("-20");
  EXPECT_EQ(Level.Objects[1].Y, -20);
  EXPECT_EQ(Level.Objects[2].Y, 96);

  // The stay box writes the flag at once, with no redraw.
  Mouse::Click(frm->StayCheck[0], QPoint(6, 9));
  EXPECT_EQ(frm->StayCheck[0]->Value(), 1);
  EXPECT_EQ(Level.Objects[1].StayOnPlatform, 1);
  EXPECT_EQ(frm->BGUImg[0]->ToolTip(), "BadGuy# 1, " + BadGuyKinds[1].DisplayName + ", Stay On Platform = NO");
  Mouse::Click(frm->StayCheck[0], QPoint(6, 9));
  EXPECT_EQ(Level.Objects[1].StayOnPlatform, 0);

  // The rows edit the objects they show: scrolled, row 0 is object 2.
  for (int i = 0; i < 10; ++i) AppendObject() = {1, BadGuyFileNames[1], 10, 10, 0};
  frm->UpdateDisplay();
  frm->BGUScroll->SetValue(2);
  frm->BGUYBox[0]->SetText("77");
  EXPECT_EQ(Level.Objects[2].Y, 77);
  EXPECT_EQ(Level.Objects[1].Y, -20);
  // Filling the list writes the shown values back unchanged.
  const std::vector<LevelObject> before = Level.Objects;
  frm->BGUScroll->SetValue(1);
  frm->BGUScroll->SetValue(3);
  EXPECT_EQ(Level.Objects, before);
}
