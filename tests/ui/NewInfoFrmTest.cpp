// The new level set dialog as ShowNewInfoDialog waits for it: the texts
// typed, the two validation boxes, Create, Cancel and the close box.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <ctime>
#include <functional>

#include "leveleditor/Dialogs.h"
#include "leveleditor/NewInfoFrm.h"
#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Main.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/ProgramFixture.h"
#include "tests/support/TempTree.h"
#include "tests/support/TestState.h"
#include "tests/support/UiSupport.h"

using namespace yv;

namespace {

class NewSetDialog : public test::ProgramTest {
 protected:

  void SetUp() override {
    ProgramTest::SetUp();
    Windows.loadNewInfoFrm = [] { OpenNewInfoFrm(); };
  }

  // Runs ShowNewInfoDialog; act runs inside the wait and must close the
  // dialog. One that stays open for five seconds ends the wait with a failure.
  bool ShowAndAct(const std::function<void(NewInfoFrm*)>& act) {
    return test::RunWhileWaiting<NewInfoFrm, bool>([] { return ShowNewInfoDialog(); }, act);
  }

  static void Type(controls::TextBox* box, const char* keys) { QTest::keyClicks(box->Editor(), keys); }
};

}  // namespace

TEST_F(NewSetDialog, RefusesBlankTextsAndCreatesWithTheWholeRecord) {
  CurrentSubset = {";the set shown before", "Old", "Old set"};
  bool result = ShowAndAct([&](NewInfoFrm* dialog) {
    EXPECT_EQ(dialog->Caption(), "Yorvane Level Set INFO Data");
    EXPECT_EQ(dialog->width(), 360);
    EXPECT_EQ(dialog->height(), 97);
    EXPECT_EQ(dialog->TitleBox->Text(), "");
    EXPECT_EQ(dialog->DescBox->Text(), "");

    Type(dialog->TitleBox, "   ");  // blanks only
    test::Mouse::Click(dialog->CreateCmd);
    ASSERT_EQ(ui.msgCalls.size(), 1u);
    EXPECT_EQ(ui.msgCalls[0].text, "Title has not been entered!");
    EXPECT_EQ(ui.msgCalls[0].style, 48);
    EXPECT_EQ(ui.msgCalls[0].title, "INFO Create Error");
    EXPECT_EQ(NewInfoFrm::Instance(), dialog);
    EXPECT_FALSE(NewInfoResult);

    Type(dialog->TitleBox, "Ice");  // follows the box keystroke by keystroke
    EXPECT_EQ(NewSubset.Title, "   Ice");
    Type(dialog->DescBox, "  ");
    test::Mouse::Click(dialog->CreateCmd);
    ASSERT_EQ(ui.msgCalls.size(), 2u);
    EXPECT_EQ(ui.msgCalls[1].text, "Description has not been entered!");
    EXPECT_EQ(ui.msgCalls[1].style, 48);
    EXPECT_EQ(ui.msgCalls[1].title, "INFO Create Error");
    EXPECT_EQ(MsgResult, platform::kOk);
    EXPECT_EQ(NewInfoFrm::Instance(), dialog);
    EXPECT_EQ(CurrentSubset.Title, "Old");

    QTest::keyClick(dialog->DescBox->Editor(), Qt::Key_Backspace);
    EXPECT_EQ(NewSubset.Description, " ");
    Type(dialog->DescBox, "Say \"brr\" ");
    EXPECT_EQ(NewSubset.Description, " Say \"brr\" ");
    test::Mouse::Click(dialog->CreateCmd);
  });
  EXPECT_TRUE(result);
  EXPECT_TRUE(NewInfoResult);
  // Stored as typed; the comment of the set shown before is gone with the copy.
  EXPECT_EQ(CurrentSubset, (SubsetInfo{"", "   Ice", " Say \"brr\" "}));

  // A second opening shows empty boxes again.
  result = ShowAndAct([&](NewInfoFrm* dialog) {
    EXPECT_EQ(dialog->TitleBox->Text(), "");
    EXPECT_EQ(dialog->DescBox->Text(), "");
    EXPECT_EQ(NewSubset.Title, "");
    test::Mouse::Click(dialog->CancelCmd);
  });
  EXPECT_FALSE(result);
  EXPECT_EQ(CurrentSubset.Title, "   Ice");
}

TEST_F(NewSetDialog, CancelAndTheCloseBoxReturnFalseAndTouchNothing) {
  CurrentSubset = {";c", "Kept", "Kept too"};
  for (bool closeBox : {false, true}) {
    bool result = ShowAndAct([&](NewInfoFrm* dialog) {
      Type(dialog->TitleBox, "T");
      Type(dialog->DescBox, "D");
      // A second wait while this one runs is refused and opens nothing more.
      EXPECT_FALSE(ShowNewInfoDialog());
      EXPECT_EQ(NewInfoFrm::Instance(), dialog);
      if (closeBox)
        dialog->close();
      else
        test::Mouse::Click(dialog->CancelCmd);
    });
    EXPECT_FALSE(result) << closeBox;
    EXPECT_FALSE(NewInfoResult);
    EXPECT_TRUE(DialogDone);
    EXPECT_EQ(CurrentSubset, (SubsetInfo{";c", "Kept", "Kept too"}));
  }
  EXPECT_TRUE(ui.msgCalls.empty());
}

TEST_F(NewSetDialog, KeepsItsPlaceUnderItsFormIndex) {
  ShowAndAct([&](NewInfoFrm* dialog) {
    EXPECT_EQ(dialog->pos(), QPoint(0, 0));
    dialog->move(10, 20);
    dialog->close();
  });
  EXPECT_EQ(Pref.FormLeft[kFormNewInfoFrm], 150);
  EXPECT_EQ(Pref.FormTop[kFormNewInfoFrm], 300);
  ShowAndAct([&](NewInfoFrm* dialog) {
    EXPECT_EQ(dialog->pos(), QPoint(10, 20));
    dialog->close();
  });
}

TEST_F(NewSetDialog, TheWaitSleepsWhileTheDialogIsOpen) {
  std::clock_t cpuBefore = 0;
  QElapsedTimer wall;
  bool result = ShowAndAct([&](NewInfoFrm* dialog) {
    cpuBefore = std::clock();
    wall.start();
    QPointer<NewInfoFrm> open(dialog);
    QTimer::singleShot(400, [open] {
      if (open) open->CancelCmd->PerformClick();
    });
  });
  double cpuMs = 1000.0 * static_cast<double>(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
  double wallMs = static_cast<double>(wall.elapsed());
  EXPECT_FALSE(result);
  EXPECT_GE(wallMs, 350);
  // A loop that spun would keep a processor busy for the whole wait.
  EXPECT_LT(cpuMs, 0.5 * wallMs) << cpuMs << " ms of processor time in " << wallMs << " ms";
}
