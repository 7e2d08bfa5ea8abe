// The bad-guy properties dialog: its ranges, the live redraw of the main
// window while a bar moves, clamped display, the flag and its window place.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <vector>

#include "leveleditor/Dialogs.h"
#include "leveleditor/MainFrm.h"
#include "leveleditor/Windows.h"
#include "leveleditor/zBGEditFrm.h"
#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Main.h"
#include "tests/support/ProgramFixture.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempTree.h"
#include "tests/support/TestState.h"
#include "tests/support/UiSupport.h"

using namespace yv;
using test::Mouse;

namespace {

class BadGuyDialog : public test::ProgramTest {
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
    frm->ModeOption[kModeBadGuys]->SetValue(true);
  }
  int SlotOf(int n) {
    for (int k = 0; k < 32; ++k)
      if (BadGuyImageSlots[k].ObjectIndex == n) return k;
    return -1;
  }
  // Opens the dialog as the user does: a right press on the object's marker.
  zBGEditFrm* OpenOn(int n) {
    frm->UpdateDisplay();
    const int slot = SlotOf(n);
    EXPECT_GE(slot, 0);
    if (slot < 0) return nullptr;
    Mouse::Press(frm->BGImg[slot], QPoint(4, 4), Qt::RightButton);
    Mouse::Release(frm->BGImg[slot], QPoint(4, 4), Qt::RightButton);
    zBGEditFrm* d = zBGEditFrm::Instance();
    EXPECT_NE(d, nullptr);
    return d;
  }
  void Close(zBGEditFrm* d) {
    d->CloseCmd_Click();
    test::Settle();
  }
  // A thumb drag as the bar sees it: held down, moved through positions, let go.
  static void Drag(controls::ScrollBar* bar, std::initializer_list<int> positions) {
    bar->setSliderDown(true);
    for (int p : positions) bar->setSliderPosition(p);
    bar->setSliderDown(false);
  }
};

}  // namespace

TEST_F(BadGuyDialog, OpensOnTheMarkersObjectWithItsRanges) {
  MakeLevel(120);
  AppendObject() = {3, BadGuyFileNames[3], 200, 100, 1};
  AppendObject() = {9, BadGuyFileNames[9], 400, 60, 0};
  zBGEditFrm* d = OpenOn(2);
  ASSERT_NE(d, nullptr);
  EXPECT_TRUE(d->isVisible());
  EXPECT_EQ(d->Caption(), "BadGuy Properties");
  EXPECT_EQ(d->size(), QSize(284, 164));
  EXPECT_FALSE(frm->FormEnabled());
  EXPECT_EQ(SelectedObject, 2);
  EXPECT_EQ(d->zNameBox->Caption(), BadGuyKinds[9].DisplayName);
  EXPECT_EQ(d->zBGNumBox->Caption(), "2");
  EXPECT_EQ(d->zXBox->Caption(), "400");
  EXPECT_EQ(d->zYBox->Caption(), "60");
  EXPECT_EQ(d->zStayCheck->Value(), 0);
  EXPECT_EQ(d->zStayCheck->Caption(), "Stay on Platform");
  EXPECT_EQ(d->CloseCmd->Caption(), "Close");
  // Width 120: X 0..3807, Y 0..447.
  EXPECT_EQ(d->zBGXScroll->Min(), 0);
  EXPECT_EQ(d->zBGXScroll->Max(), 3807);
  EXPECT_EQ(d->zBGYScroll->Min(), 0);
  EXPECT_EQ(d->zBGYScroll->Max(), 447);
  EXPECT_EQ(d->zBGXScroll->SmallChange(), 1);
  EXPECT_EQ(d->zBGXScroll->LargeChange(), 32);
  EXPECT_EQ(d->zBGYScroll->LargeChange(), 16);
  EXPECT_EQ(d->zBGXScroll->Value(), 400);
  EXPECT_EQ(d->zBGYScroll->Value(), 60);
  EXPECT_EQ(Level.Objects[2].X, 400);  // filling the bars wrote nothing
  const QImage fishPicture = d->zBGImg->Picture().toImage();
  EXPECT_FALSE(fishPicture.isNull());
  Close(d);
  EXPECT_TRUE(frm->FormEnabled());
  EXPECT_EQ(zBGEditFrm::Instance(), nullptr);

  // The same stored picture for every kind; a stay flag shows in the box.
  d = OpenOn(1);
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->zBGImg->Picture().toImage(), fishPicture);
  EXPECT_EQ(d->zStayCheck->Value(), 1);
  EXPECT_EQ(d->zNameBox->Caption(), BadGuyKinds[3].DisplayName);
  // The close box closes it just as "Close" does.
  d->close();
  test::Settle();
  EXPECT_EQ(zBGEditFrm::Instance(), nullptr);
  EXPECT_TRUE(frm->FormEnabled());
}

TEST_F(BadGuyDialog, WindowPlaceCentredFirstThenWhereItWasLeft) {
  MakeLevel(40);
  AppendObject() = {0, BadGuyFileNames[0], 64, 64, 0};
  zBGEditFrm* d = OpenOn(1);
  ASSERT_NE(d, nullptr);
  // Centred by its size when it was placed, before the window system framed it.
  const WindowPlace centred =
      PlaceWindow(kFormZBGEditFrm, controls::Form::ScreenWidthTwips(), controls::Form::ScreenHeightTwips(),
                  284 * kTwipsPerPixel, 164 * kTwipsPerPixel);
  EXPECT_NE(centred.left, 0);
  EXPECT_EQ(d->LeftTwips(), centred.left / kTwipsPerPixel * kTwipsPerPixel);
  EXPECT_EQ(d->TopTwips(), centred.top / kTwipsPerPixel * kTwipsPerPixel);
  d->MoveTwips(1500, 3000);
  Close(d);
  EXPECT_EQ(Pref.FormLeft[kFormZBGEditFrm], 1500);
  EXPECT_EQ(Pref.FormTop[kFormZBGEditFrm], 3000);
  d = OpenOn(1);
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->LeftTwips(), 1500);
  EXPECT_EQ(d->TopTwips(), 3000);

  QImage shot = d->grab().toImage();
  EXPECT_EQ(shot.size(), QSize(284, 164));
  EXPECT_TRUE(shot.save(QString(YV_BINARY_DIR) + "/grab_zbgedit.png"));
}

TEST_F(BadGuyDialog, BarsMoveTheObjectAndRedrawTheMainWindowLive) {
  MakeLevel(120);
  AppendObject() = {1, BadGuyFileNames[1], 200, 100, 0};
  zBGEditFrm* d = OpenOn(1);
  ASSERT_NE(d, nullptr);
  ASSERT_FALSE(frm->FormEnabled());
  EXPECT_FALSE(LevelChanged);  // the bars set to the object's place move nothing

  // Every position the thumb passes moves the object and its marker at once.
  std::vector<int> markerLefts;
  auto scroll = d->zBGXScroll->Scroll;
  d->zBGXScroll->Scroll = [&] {
    scroll();
    markerLefts.push_back(frm->BGImg[SlotOf(1)]->Left());
  };
  Drag(d->zBGXScroll, {240, 272, 300});
  d->zBGXScroll->Scroll = scroll;
  EXPECT_EQ(markerLefts, (std::vector<int>{10 + 255, 10 + 289, 329}));
  EXPECT_TRUE(Level.Objects[1].X == 300 && LevelChanged);
  EXPECT_EQ(BadGuyImageSlots[SlotOf(1)].Left, 329);  // 10 + 300 * 34 / 32 = 328.75
  EXPECT_EQ(d->zXBox->Caption(), "200");             // the label keeps the position at opening

  // Arrow and track clicks: the change handler.
  d->zBGYScroll->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(Level.Objects[1].Y, 101);
  d->zBGYScroll->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(Level.Objects[1].Y, 117);
  EXPECT_EQ(BadGuyImageSlots[SlotOf(1)].Top, 204);  // 80 + 117 * 34 / 32 = 204.3
  d->zBGXScroll->triggerAction(QAbstractSlider::SliderPageStepSub);
  EXPECT_EQ(Level.Objects[1].X, 268);
  EXPECT_EQ(d->zYBox->Caption(), "100");
  // Dragging past the view moves the map marker out of it.
  Drag(d->zBGYScroll, {447});
  EXPECT_EQ(Level.Objects[1].Y, 447);
  Drag(d->zBGXScroll, {3807});
  EXPECT_EQ(Level.Objects[1].X, 3807);
  EXPECT_EQ(SlotOf(1), -1);

  // The flag changes at once; the list shows it only at its next redraw.
  frm->ModeOption[kModeBadGuyList]->SetValue(true);  // from code: the window is disabled to the user
  ASSERT_EQ(frm->StayCheck[0]->Value(), 0);
  Mouse::Click(d->zStayCheck, QPoint(8, 8));
  EXPECT_EQ(Level.Objects[1].StayOnPlatform, 1);
  EXPECT_EQ(frm->StayCheck[0]->Value(), 0);
  frm->UpdateDisplay();
  EXPECT_EQ(frm->StayCheck[0]->Value(), 1);
  Mouse::Click(d->zStayCheck, QPoint(8, 8));
  EXPECT_EQ(Level.Objects[1].StayOnPlatform, 0);
  Mouse::Click(d->CloseCmd);
  test::Settle();
  EXPECT_TRUE(frm->FormEnabled());
}

TEST_F(BadGuyDialog, PositionsOutsideTheRangesShowClampedAndStayUntilMoved) {
  MakeLevel(120);
  AppendObject() = {0, BadGuyFileNames[0], 500, 100, 0};
  AppendObject() = {0, BadGuyFileNames[0], 100, 100, 0};
  // Moved out of range by the list boxes after the marker was drawn.
  frm->UpdateDisplay();
  Level.Objects[1].X = 5000;
  Level.Objects[1].Y = -20;
  frm->UpdateDisplay();
  // The marker of object 1 is out of view now; open on it directly, as a marker press would.
  SelectedObject = 1;
  frm->SetFormEnabled(false);
  OpenZBGEditFrm();
  zBGEditFrm* d = zBGEditFrm::Instance();
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->zBGXScroll->Value(), 3807);
  EXPECT_EQ(d->zBGYScroll->Value(), 0);
  EXPECT_EQ(d->zXBox->Caption(), "5000");
  EXPECT_EQ(d->zYBox->Caption(), "-20");
  EXPECT_EQ(Level.Objects[1].X, 5000);
  EXPECT_EQ(Level.Objects[1].Y, -20);
  // A step against the end it is held at changes nothing; a step away moves it.
  d->zBGXScroll->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(Level.Objects[1].X, 5000);
  d->zBGXScroll->triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(Level.Objects[1].X, 3806);
  EXPECT_EQ(Level.Objects[1].Y, -20);
  d->zBGYScroll->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(Level.Objects[1].Y, 1);
  Close(d);
}

TEST_F(BadGuyDialog, XRangeOfWideAndNarrowLevels) {
  struct {
    int width;
    int max;
  } cases[] = {{1000, 31967}, {1025, 32767}, {1026, 32767}, {2000, 32767}, {2, 31}, {1, 0}};
  for (auto [width, max] : cases) {
    MakeLevel(width);
    AppendObject() = {0, BadGuyFileNames[0], 0, 0, 0};
    SelectedObject = 1;
    frm->SetFormEnabled(false);
    OpenZBGEditFrm();
    zBGEditFrm* d = zBGEditFrm::Instance();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->zBGXScroll->Max(), max) << width;
    EXPECT_EQ(d->zBGYScroll->Max(), 447) << width;
    Drag(d->zBGXScroll, {max});
    EXPECT_EQ(Level.Objects[1].X, max) << width;
    Close(d);
  }
  // The rows come from the level's height as a file gave it.
  MakeLevel(120);
  Level.Height = 20;
  AppendObject() = {0, BadGuyFileNames[0], 0, 0, 0};
  SelectedObject = 1;
  frm->SetFormEnabled(false);
  OpenZBGEditFrm();
  ASSERT_NE(zBGEditFrm::Instance(), nullptr);
  EXPECT_EQ(zBGEditFrm::Instance()->zBGYScroll->Max(), 19 * 32 - 1);
  Close(zBGEditFrm::Instance());
}
