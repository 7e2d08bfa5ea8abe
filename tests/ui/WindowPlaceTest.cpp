// A window's saved place: used as saved when its title bar can be reached,
// moved onto the screen when it cannot.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

#include "controls/Form.h"
#include "model/Preference.h"
#include "tests/support/TestState.h"
#include "tests/support/UiSupport.h"

using yv::controls::Form;

TEST(WindowPlace, ReachablePlaceKeepsReachableTitleBarsAndMovesTheOthersOnScreen) {
  // A primary screen with a panel along its bottom, a second one to its right.
  const QList<QRect> screens = {QRect(0, 0, 1920, 1040), QRect(1920, 0, 1280, 1024)};
  struct Case {
    const char* what;
    QRect frame;
    QPoint expected;
  };
  const QSize size(830, 674);
  for (const Case& c : {
           Case{"on the primary screen", QRect(QPoint(100, 200), size), QPoint(100, 200)},
           Case{"on the second screen", QRect(QPoint(2000, 100), size), QPoint(2000, 100)},
           Case{"hanging off the right edge, a grip still on", QRect(QPoint(3200 - 100, 300), size), QPoint(3100, 300)},
           Case{"saved on a larger screen", QRect(QPoint(-426, -558), size), QPoint(0, 0)},
           Case{"less than a grip of the title on", QRect(QPoint(3200 - 30, 300), size), QPoint(3200 - 830, 300)},
           Case{"title bar above the screen", QRect(QPoint(500, -10), size), QPoint(500, 0)},
           Case{"title bar under the panel", QRect(QPoint(500, 1030), size), QPoint(500, 1040 - 674)},
           Case{"nowhere near a screen", QRect(QPoint(10000, 10000), size), QPoint(1920 - 830, 1040 - 674)},
           Case{"larger than the screen", QRect(-50, -50, 2000, 1200), QPoint(0, 0)},
       }) {
    EXPECT_EQ(Form::ReachablePlace(c.frame, 24, screens), c.expected) << c.what;
  }
  // Centred on a screen smaller than the window, the title bar would lie above it.
  EXPECT_EQ(Form::ReachablePlace(QRect(-12, -23, 824, 646), 24, {QRect(0, 0, 800, 600)}), QPoint(0, 0));
}

TEST(WindowPlace, SavedPlacesOfEveryWindowGoThroughIt) {
  yv::test::ResetProgramState();
  const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
  Form form(284, 164);
  // Saved far off the screen: the whole window comes onto it.
  yv::Pref.FormLeft[yv::kFormZBGEditFrm] = -426 * 15;
  yv::Pref.FormTop[yv::kFormZBGEditFrm] = -558 * 15;
  form.PlaceByFormIndex(yv::kFormZBGEditFrm);
  EXPECT_EQ(form.pos(), available.topLeft());
  // On the screen: exactly as saved.
  yv::Pref.FormLeft[yv::kFormZBGEditFrm] = 1500;
  yv::Pref.FormTop[yv::kFormZBGEditFrm] = 3000;
  form.PlaceByFormIndex(yv::kFormZBGEditFrm);
  EXPECT_EQ(form.pos(), QPoint(100, 200));
}
