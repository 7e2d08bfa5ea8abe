// The form controls under Qt's offscreen platform, driven by real mouse and
// key events.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <QWindow>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/Controls.h"
#include "controls/OnFirstUse.h"
#include "controls/PictureOverlay.h"
#include "controls/RedrawGuard.h"
#include "model/General.h"
#include "platform/Paths.h"
#include "tests/support/UiSupport.h"

namespace yv::controls {
namespace {

using test::Mouse;

// A shown window to put controls on.
std::unique_ptr<Form> ShownForm(int w = 400, int h = 300) {
  auto form = std::make_unique<Form>(w, h);
  form->Show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  return form;
}

void PumpFor(int ms) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// ---------------------------------------------------------------- image box

TEST(ImageBoxTest, PressClickOrderAndButtons) {
  auto form = ShownForm();
  auto* a = new ImageBox(form.get(), 10, 80, 32, 32);
  auto* b = new ImageBox(form.get(), 44, 80, 32, 32);
  std::vector<std::string> log;
  a->MouseDown = [&](int button, int shift, int x, int y) {
    log.push_back("A down " + std::to_string(button) + " " + std::to_string(shift) + " " + std::to_string(x) + "," +
                  std::to_string(y));
  };
  a->Click = [&] { log.push_back("A click"); };
  b->MouseDown = [&](int button, int, int, int) { log.push_back("B down " + std::to_string(button)); };
  b->Click = [&] { log.push_back("B click"); };

  Mouse::Click(a, QPoint(5, 7));
  EXPECT_EQ(log, (std::vector<std::string>{"A down 1 0 5,7", "A click"}));

  log.clear();
  Mouse::Click(a, QPoint(31, 0), Qt::RightButton);
  EXPECT_EQ(log, (std::vector<std::string>{"A down 2 0 31,0", "A click"}));

  log.clear();
  Mouse::Click(a, QPoint(3, 3), Qt::MiddleButton);
  EXPECT_EQ(log, (std::vector<std::string>{"A down 4 0 3,3"}));

  // Released over another box: the press counts, the click nowhere.
  log.clear();
  Mouse::Press(a, QPoint(10, 10));
  Mouse::Release(b, QPoint(10, 10));
  EXPECT_EQ(log, (std::vector<std::string>{"A down 1 0 10,10"}));

  // Released outside every box.
  log.clear();
  Mouse::Press(b, QPoint(1, 1), Qt::RightButton);
  Mouse::Release(form.get(), QPoint(300, 250), Qt::RightButton);
  EXPECT_EQ(log, (std::vector<std::string>{"B down 2"}));

  log.clear();
  Mouse::Press(a, QPoint(2, 4), Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier);
  Mouse::Release(a, QPoint(2, 4), Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier);
  EXPECT_EQ(log, (std::vector<std::string>{"A down 1 3 2,4", "A click"}));

  // Qt turns the second press of a double click into a double-click event.
  log.clear();
  Mouse::DoubleClick(a, QPoint(6, 6));
  EXPECT_EQ(log, (std::vector<std::string>{"A down 1 0 6,6", "A click", "A down 1 0 6,6", "A click"}));

  // A label has the same mouse behaviour.
  auto* label = new Label(form.get(), 10, 200, 100, 17, "Click me");
  int labelClicks = 0;
  label->Click = [&] { ++labelClicks; };
  Mouse::Click(label, QPoint(20, 5));
  Mouse::Click(label, QPoint(20, 5), Qt::MiddleButton);
  EXPECT_EQ(labelClicks, 1);
}

TEST(ImageBoxTest, MouseMoveWithAndWithoutButtonReportsTheBoxUnderThePointer) {
  auto form = ShownForm();
  auto* a = new ImageBox(form.get(), 10, 80, 32, 32);
  auto* b = new ImageBox(form.get(), 44, 80, 32, 32);
  std::vector<std::string> log;
  a->MouseMove = [&](int button, int, int x, int y) {
    log.push_back("A " + std::to_string(button) + " " + std::to_string(x) + "," + std::to_string(y));
  };
  b->MouseMove = [&](int button, int, int x, int y) {
    log.push_back("B " + std::to_string(button) + " " + std::to_string(x) + "," + std::to_string(y));
  };

  Mouse::Move(a, QPoint(3, 4));
  Mouse::Move(b, QPoint(30, 31));
  EXPECT_EQ(log, (std::vector<std::string>{"A 0 3,4", "B 0 30,31"}));

  // With a button held Qt sends every move to the pressed box, even over
  // another one; the move belongs to the box under the pointer.
  Mouse::Move(a, QPoint(5, 5));
  log.clear();
  Mouse::Press(a, QPoint(5, 5));
  Mouse::Move(a, QPoint(8, 9));
  Mouse::Move(b, QPoint(2, 3));
  Mouse::Move(form.get(), QPoint(300, 250));  // over no box: nobody
  Mouse::Release(form.get(), QPoint(300, 250));
  EXPECT_EQ(log, (std::vector<std::string>{"A 1 8,9", "B 1 2,3"}));

  Mouse::Move(b, QPoint(5, 5));
  log.clear();
  Mouse::Press(b, QPoint(5, 5), Qt::RightButton);
  Mouse::Move(b, QPoint(6, 5));
  Mouse::Release(b, QPoint(6, 5), Qt::RightButton);
  EXPECT_EQ(log, (std::vector<std::string>{"B 2 6,5"}));
}

TEST(ImageBoxTest, ToolTipSetInsideMouseMoveShowsAndFollows) {
  auto form = ShownForm();
  auto* box = new ImageBox(form.get(), 10, 80, 32, 32);
  box->MouseMove = [&](int, int, int x, int y) {
    box->SetToolTip("Column = " + std::to_string(x) + ", Row = " + std::to_string(y));
  };
  Mouse::Move(box, QPoint(4, 5));
  QHelpEvent help(QEvent::ToolTip, QPoint(4, 5), box->mapToGlobal(QPoint(4, 5)));
  QApplication::sendEvent(box, &help);
  ASSERT_TRUE(QToolTip::isVisible());
  EXPECT_EQ(QToolTip::text(), "Column = 4, Row = 5");
  EXPECT_EQ(box->ToolTip(), "Column = 4, Row = 5");

  // The tip on screen changes with the next move, not only after the pointer left.
  Mouse::Move(box, QPoint(20, 21));
  EXPECT_TRUE(QToolTip::isVisible());
  EXPECT_EQ(QToolTip::text(), "Column = 20, Row = 21");

  // Tips are plain text: markup is escaped so it shows as typed.
  box->MouseMove = nullptr;
  box->SetToolTip("<b>Tile</b> & more");
  EXPECT_TRUE(QToolTip::text().contains("&lt;b&gt;Tile&lt;/b&gt; &amp; more"));
  QToolTip::hideText();
}

TEST(ImageBoxTest, HandlerMayDeleteItsBoxAndReassignItself) {
  auto form = ShownForm();
  QPointer<ImageBox> box = new ImageBox(form.get(), 10, 80, 32, 32);
  int downs = 0;
  box->MouseDown = [&](int, int, int, int) {
    ++downs;
    box->MouseDown = nullptr;  // the running handler is a copy
    delete box.data();
  };
  Mouse::Press(box, QPoint(3, 3));
  Mouse::Release(form.get(), QPoint(20, 90));
  EXPECT_EQ(downs, 1);
  EXPECT_TRUE(box.isNull());
}

// ---------------------------------------------------------------- text box

TEST(TextBoxTest, ChangeRunsOncePerChangeAndNotForTheSameText) {
  auto form = ShownForm();
  auto* box = new TextBox(form.get(), 10, 10, 100, 21);
  int changes = 0;
  std::string seen;
  box->Change = [&] {
    ++changes;
    seen = box->Text();
  };
  box->SetText("44");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(seen, "44");
  box->SetText("44");
  EXPECT_EQ(changes, 1);
  box->SetText("");
  EXPECT_EQ(changes, 2);

  auto* multi = new TextBox(form.get(), 10, 40, 200, 100, true);
  int multiChanges = 0;
  multi->Change = [&] { ++multiChanges; };
  multi->SetText("one\r\ntwo\r\n");
  EXPECT_EQ(multiChanges, 1);  // QPlainTextEdit signals a set text more than once, and also an unchanged one
  multi->SetText("one\r\ntwo\r\n");
  EXPECT_EQ(multiChanges, 1);
  QTest::keyClick(multi->Editor(), Qt::Key_Z);
  EXPECT_EQ(multiChanges, 2);

  // A Change handler that sets the text again runs once more, then settles.
  int nested = 0;
  box->Change = [&] {
    ++nested;
    box->SetText("fixed");
  };
  box->SetText("other");
  EXPECT_EQ(box->Text(), "fixed");
  EXPECT_EQ(nested, 2);
}

TEST(TextBoxTest, ANumberBoxLeftWithATextNotTakenShowsTheStoredValue) {
  auto form = ShownForm();
  auto* box = new TextBox(form.get(), 10, 10, 100, 21);
  auto* speed = new TextBox(form.get(), 10, 40, 100, 21);
  int16_t field = 0;
  double ratio = 0;
  box->Change = [&] { StoreNumber(box, field); };
  speed->Change = [&] { TextToDouble(speed->Text(), ratio); };
  ShowStoredWhenLeft(box, field);
  ShowStoredWhenLeft(speed, ratio);
  QTest::keyClicks(box->Editor(), "40000");  // 4, 40, 400 and 4000 are taken, 40000 not
  EXPECT_EQ(field, 4000);
  speed->SetText("0,5");
  // The window losing the focus as a whole (a box that tells something comes
  // up) is no leaving of the box.
  for (Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason, Qt::TabFocusReason}) {
    QFocusEvent out(QEvent::FocusOut, reason);
    QCoreApplication::sendEvent(box->Editor(), &out);
    QCoreApplication::sendEvent(speed->Editor(), &out);
    const bool left = reason == Qt::TabFocusReason;
    EXPECT_EQ(box->Text() + "|" + speed->Text(), left ? "4000|0" : "40000|0,5");
  }
  EXPECT_EQ(field, 4000);
  // Nor does a window that unloads tell its boxes.
  int left = 0;
  box->LostFocus = [&] { ++left; };
  form->Unload();
  QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
  QCoreApplication::sendEvent(box->Editor(), &out);
  EXPECT_EQ(left, 0);
}

TEST(TextBoxTest, KeyPressRunsBeforeTheTextAndCanSwallowOrChange) {
  auto form = ShownForm();
  auto* box = new TextBox(form.get(), 10, 10, 100, 21);
  std::vector<std::string> log;
  int replaceWith = -1;
  box->KeyPress = [&](int& key) {
    log.push_back("key " + std::to_string(key) + " text '" + box->Text() + "'");
    if (replaceWith >= 0) key = replaceWith;
  };
  box->Change = [&] { log.push_back("change '" + box->Text() + "'"); };

  QTest::keyClick(box->Editor(), Qt::Key_5);
  EXPECT_EQ(log, (std::vector<std::string>{"key 53 text ''", "change '5'"}));

  log.clear();
  replaceWith = 0;
  QTest::keyClick(box->Editor(), Qt::Key_A);
  EXPECT_EQ(log, (std::vector<std::string>{"key 97 text '5'"}));
  EXPECT_EQ(box->Text(), "5");

  log.clear();
  replaceWith = 'B';
  QTest::keyClick(box->Editor(), Qt::Key_A);
  EXPECT_EQ(log, (std::vector<std::string>{"key 97 text '5'", "change '5B'"}));

  // Enter reaches KeyPress as 13 and types nothing in a single-line box.
  log.clear();
  replaceWith = -1;
  QTest::keyClick(box->Editor(), Qt::Key_Return);
  EXPECT_EQ(log, (std::vector<std::string>{"key 13 text '5B'"}));
  EXPECT_EQ(box->Text(), "5B");

  log.clear();
  QTest::keyClick(box->Editor(), Qt::Key_Backspace);
  EXPECT_EQ(log, (std::vector<std::string>{"key 8 text '5B'", "change '5'"}));

  // Keys that type no character do not reach KeyPress.
  log.clear();
  QTest::keyClick(box->Editor(), Qt::Key_Left);
  QTest::keyClick(box->Editor(), Qt::Key_Delete);
  EXPECT_EQ(log, (std::vector<std::string>{"change ''"}));

  // A swallowed Backspace deletes nothing.
  box->SetText("12");
  log.clear();
  replaceWith = 0;
  QTest::keyClick(box->Editor(), Qt::Key_Backspace);
  EXPECT_EQ(box->Text(), "12");
  EXPECT_EQ(log, (std::vector<std::string>{"key 8 text '12'"}));

  // A multi-line box types a line break for Enter, as CR LF.
  auto* multi = new TextBox(form.get(), 10, 40, 200, 100, true);
  std::vector<int> keys;
  multi->KeyPress = [&](int& key) { keys.push_back(key); };
  QTest::keyClicks(multi->Editor(), "ab");
  QTest::keyClick(multi->Editor(), Qt::Key_Return);
  QTest::keyClick(multi->Editor(), Qt::Key_Return, Qt::ShiftModifier);
  QTest::keyClick(multi->Editor(), Qt::Key_C);
  EXPECT_EQ(keys, (std::vector<int>{'a', 'b', 13, 13, 'c'}));
  EXPECT_EQ(multi->Text(), "ab\r\n\r\nc");
}

TEST(TextBoxTest, MultiLineKeepsCrLfAndLoneLineEndsThroughEdits) {
  auto form = ShownForm();
  auto* box = new TextBox(form.get(), 10, 10, 300, 200, true);
  const std::string text = "first\r\nlone\nfeed\r\nlone\rreturn\r\n\r\nlast\r\n";
  box->SetText(text);
  EXPECT_EQ(box->Text(), text);
  auto* edit = static_cast<QPlainTextEdit*>(box->Editor());
  EXPECT_EQ(edit->document()->blockCount(), 6);  // CR LF ends a line; the lone LF and CR do not

  QTest::keyClick(edit, Qt::Key_Home, Qt::ControlModifier);
  QTest::keyClicks(edit, "X");
  EXPECT_EQ(box->Text(), "X" + text);

  QTest::keyClick(edit, Qt::Key_End, Qt::ControlModifier);
  QTest::keyClick(edit, Qt::Key_Backspace);
  EXPECT_EQ(box->Text(), "X" + text.substr(0, text.size() - 2));
  QTest::keyClicks(edit, "!");
  EXPECT_EQ(box->Text(), "X" + text.substr(0, text.size() - 2) + "!");

  // Text without a final line end, a text of line ends only, and lone ends side by side.
  for (const std::string& t : {std::string("no end"), std::string("\r\n\r\n"), std::string("\n\r\r\n\n\r")}) {
    box->SetText(t);
    EXPECT_EQ(box->Text(), t);
  }
}

TEST(TextBoxTest, Cp1252TextRoundTrips) {
  auto form = ShownForm();
  auto* line = new TextBox(form.get(), 10, 10, 300, 21);
  auto* multi = new TextBox(form.get(), 10, 40, 300, 200, true);
  std::string all;
  for (int c = 1; c < 256; ++c) all.push_back(static_cast<char>(c));
  multi->SetText(all);  // non-breaking space, the unused bytes, tabs, CR and LF included
  EXPECT_EQ(multi->Text(), all);

  std::string printable;
  for (int c = 32; c < 256; ++c) printable.push_back(static_cast<char>(c));
  line->SetText(printable);
  EXPECT_EQ(line->Text(), printable);

  // A typed euro sign arrives at KeyPress as its code-page byte and lands in the text as that byte.
  line->SetText("");
  int code = 0;
  line->KeyPress = [&](int& key) { code = key; };
  QKeyEvent euro(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(0x20AC)));
  QApplication::sendEvent(line->Editor(), &euro);
  EXPECT_EQ(code, 0x80);
  EXPECT_EQ(line->Text(), "\x80");
}

// ---------------------------------------------------------------- redraw guard

TEST(RedrawGuardTest, SetsTheFlagThenRestoresOrClearsItAndLeavesItOnceTheWindowIsGone) {
  // the flag before, what the guard does after, the window deleted meanwhile -> the flag left
  const struct {
    bool before;
    AfterFill after;
    bool gone, left;
  } cases[] = {{false, AfterFill::Restore, false, false},
               {true, AfterFill::Restore, false, true},
               {true, AfterFill::Clear, false, false},
               {true, AfterFill::Clear, true, true}};
  for (const auto& c : cases) {
    bool flag = c.before;
    QPointer<QObject> window = new QObject;
    {
      const RedrawGuard guard(window, flag, c.after);
      EXPECT_TRUE(flag && guard.Nested() == c.before);
      if (c.gone) delete window;
      EXPECT_EQ(guard.PumpEvents(), !c.gone);  // a fill goes on only while its window is there
    }
    EXPECT_EQ(flag, c.left) << c.before << c.gone;
    delete window;  // null when already gone
  }
  // A window that unloads while the fill pumps is gone to it as well.
  auto form = ShownForm();
  bool updating = false;
  const RedrawGuard guard(form.get(), updating);
  EXPECT_TRUE(guard.PumpEvents());
  form->Unload();
  EXPECT_FALSE(guard.PumpEvents());
}

// ---------------------------------------------------------------- check box and option buttons

TEST(CheckBoxTest, ValueFromCodeRunsClickOnceLikeTheUser) {
  auto form = ShownForm();
  auto* check = new CheckBox(form.get(), 10, 10, 80, 17, "Grid");
  std::vector<int> clicks;  // Value as seen inside Click
  check->Click = [&] { clicks.push_back(check->Value()); };

  check->SetValue(1);
  EXPECT_EQ(clicks, (std::vector<int>{1}));
  check->SetValue(1);
  EXPECT_EQ(clicks, (std::vector<int>{1}));
  EXPECT_EQ(check->checkState(), Qt::Checked);

  Mouse::Click(check);
  EXPECT_EQ(clicks, (std::vector<int>{1, 0}));
  EXPECT_EQ(check->checkState(), Qt::Unchecked);

  check->SetValue(2);
  EXPECT_EQ(check->checkState(), Qt::PartiallyChecked);
  Mouse::Click(check);  // a user click never makes a box grayed
  QTest::keyClick(check, Qt::Key_Space);
  EXPECT_EQ(clicks, (std::vector<int>{1, 0, 2, 1, 0}));
}

TEST(OptionButtonTest, GroupSelectsOneAndClickRunsOnceAfterTheOthersAreOff) {
  auto form = ShownForm();
  auto* frame = new Frame(form.get(), 10, 10, 120, 80, "Layer");
  auto* other = new Frame(form.get(), 150, 10, 120, 80, "Mode");
  std::array<OptionButton*, 3> layer{};
  for (int i = 0; i < 3; ++i) layer[i] = new OptionButton(frame, 8, 16 + 18 * i, 100, 15, "L" + std::to_string(i));
  auto* mode = new OptionButton(other, 8, 16, 100, 15, "Tiles");
  mode->SetValue(true);

  std::vector<std::string> log;
  for (int i = 0; i < 3; ++i) {
    layer[i]->Click = [&, i] {
      std::string s = "click " + std::to_string(i) + ":";
      for (auto* o : layer) s += o->Value() ? "1" : "0";
      log.push_back(s);
    };
  }

  layer[0]->SetValue(true);
  EXPECT_EQ(log, (std::vector<std::string>{"click 0:100"}));
  layer[0]->SetValue(true);
  EXPECT_EQ(log.size(), 1u);

  Mouse::Click(layer[2]);
  EXPECT_EQ(log, (std::vector<std::string>{"click 0:100", "click 2:001"}));
  EXPECT_FALSE(layer[0]->isChecked());
  EXPECT_TRUE(layer[2]->isChecked());

  // A click on the selected button keeps it selected and runs nothing.
  Mouse::Click(layer[2]);
  EXPECT_EQ(log.size(), 2u);
  EXPECT_TRUE(layer[2]->Value());
  EXPECT_TRUE(layer[2]->isChecked());

  layer[1]->SetValue(true);
  EXPECT_EQ(log.back(), "click 1:010");

  layer[1]->SetValue(false);
  EXPECT_EQ(log.size(), 3u);
  EXPECT_FALSE(layer[0]->Value() || layer[1]->Value() || layer[2]->Value());
  EXPECT_FALSE(layer[1]->isChecked());

  EXPECT_TRUE(mode->Value());  // another parent, another group
}

// ---------------------------------------------------------------- scroll bar

QRect PartRect(QScrollBar* bar, QStyle::SubControl part) {
  QStyleOptionSlider opt;
  opt.initFrom(bar);
  opt.subControls = QStyle::SC_All;
  opt.orientation = bar->orientation();
  opt.minimum = bar->minimum();
  opt.maximum = bar->maximum();
  opt.sliderPosition = bar->sliderPosition();
  opt.sliderValue = bar->value();
  opt.singleStep = bar->singleStep();
  opt.pageStep = bar->pageStep();
  opt.upsideDown = bar->invertedAppearance();
  if (bar->orientation() == Qt::Horizontal) opt.state |= QStyle::State_Horizontal;
  return bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, part, bar);
}

TEST(ScrollBarTest, OwnRangeClampingAndChangeInsideMax) {
  auto form = ShownForm();
  auto* bar = new ScrollBar(form.get(), 8, 250, 300, 21);
  EXPECT_EQ(bar->orientation(), Qt::Horizontal);
  EXPECT_EQ(bar->Min(), 0);
  EXPECT_EQ(bar->Max(), 32767);
  bool insideMax = false;
  std::vector<std::string> log;
  bar->Change = [&] {
    log.push_back(std::string(insideMax ? "in max " : "") + std::to_string(bar->Value()) + "/" +
                  std::to_string(bar->Max()));
  };

  bar->SetValue(500);  // before any Max: Qt's default 0..99 must not clamp it
  EXPECT_EQ(bar->Value(), 500);
  EXPECT_EQ(bar->value(), 500);
  bar->SetValue(500);
  bar->SetMax(1000);  // the value stays inside: no Change
  EXPECT_EQ(log, (std::vector<std::string>{"500/32767"}));

  insideMax = true;
  bar->SetMax(102);
  insideMax = false;
  EXPECT_EQ(log, (std::vector<std::string>{"500/32767", "in max 102/102"}));
  EXPECT_EQ(bar->Value(), 102);

  bar->SetValue(-7);
  bar->SetValue(40000);
  EXPECT_EQ(log.back(), "102/102");
  EXPECT_EQ(log.size(), 4u);  // -7 became 0, 40000 became 102

  // Max below Min: Min stays, values run from Min down to Max.
  log.clear();
  bar->SetValue(0);
  bar->SetMax(-5);
  EXPECT_EQ(bar->Min(), 0);
  EXPECT_EQ(bar->Max(), -5);
  EXPECT_EQ(bar->Value(), 0);
  bar->SetValue(-9);
  EXPECT_EQ(bar->Value(), -5);
  bar->SetValue(-2);
  EXPECT_EQ(bar->Value(), -2);
  // The right arrow goes towards Max.
  Mouse::Click(bar, PartRect(bar, QStyle::SC_ScrollBarAddLine).center());
  EXPECT_EQ(bar->Value(), -3);
  EXPECT_EQ(log, (std::vector<std::string>{"0/102", "-5/-5", "-2/-5", "-3/-5"}));

  // Min above the value moves it up at once, with Change.
  log.clear();
  auto* rows = new ScrollBar(form.get(), 350, 10, 17, 200);
  EXPECT_EQ(rows->orientation(), Qt::Vertical);
  rows->Change = [&] { log.push_back("rows " + std::to_string(rows->Value())); };
  rows->SetMin(1);
  EXPECT_EQ(log, (std::vector<std::string>{"rows 1"}));
}

TEST(ScrollBarTest, UserArrowsTrackAndThumbDrag) {
  auto form = ShownForm();
  auto* bar = new ScrollBar(form.get(), 8, 250, 300, 21);
  bar->SetMax(10);
  bar->SetLargeChange(4);
  std::vector<int> changes;
  std::vector<int> scrolls;
  bar->Change = [&] { changes.push_back(bar->Value()); };
  bar->Scroll = [&] { scrolls.push_back(bar->Value()); };

  Mouse::Click(bar, PartRect(bar, QStyle::SC_ScrollBarAddLine).center());
  EXPECT_EQ(changes, (std::vector<int>{1}));
  Mouse::Click(bar, PartRect(bar, QStyle::SC_ScrollBarAddPage).center());
  EXPECT_EQ(changes, (std::vector<int>{1, 5}));
  Mouse::Click(bar, PartRect(bar, QStyle::SC_ScrollBarSubLine).center());
  EXPECT_EQ(changes, (std::vector<int>{1, 5, 4}));
  EXPECT_TRUE(scrolls.empty());

  // Drag the thumb to the right end: Scroll for every value on the way, Change once at the release.
  changes.clear();
  const QRect thumb = PartRect(bar, QStyle::SC_ScrollBarSlider);
  QPoint p = thumb.center();
  Mouse::Press(bar, p);
  while (p.x() < bar->width() + 20) {
    p.rx() += 3;
    Mouse::Move(bar, p);
  }
  EXPECT_TRUE(changes.empty());
  Mouse::Release(bar, p);
  EXPECT_EQ(scrolls, (std::vector<int>{5, 6, 7, 8, 9, 10}));
  EXPECT_EQ(changes, (std::vector<int>{10}));

  // A press and release on the thumb that leaves it where it was runs nothing.
  scrolls.clear();
  changes.clear();
  const QPoint c = PartRect(bar, QStyle::SC_ScrollBarSlider).center();
  Mouse::Press(bar, c);
  Mouse::Release(bar, c);
  EXPECT_TRUE(scrolls.empty());
  EXPECT_TRUE(changes.empty());
}

TEST(ScrollBarTest, ChangeHandlerThatSetsTheRangeAgainSettles) {
  auto form = ShownForm();
  auto* bar = new ScrollBar(form.get(), 176, 30, 19, 287);
  int count = 40;  // links in the list
  int runs = 0;
  // The link list's refresh: runs from the Change handler and sets the range itself.
  std::function<void()> update = [&] {
    ++runs;
    ASSERT_LT(runs, 50);
    if (count >= 17) {
      bar->SetMax(count - 16);
      bar->SetEnabled(true);
    } else {
      bar->SetValue(0);
      bar->SetMax(0);
      bar->SetEnabled(false);
    }
  };
  bar->Change = [&] { update(); };
  update();
  bar->SetValue(24);
  EXPECT_EQ(bar->Value(), 24);
  count = 20;  // Max 4 pulls the value down; the nested refresh sees the new range
  runs = 0;
  update();
  EXPECT_EQ(bar->Value(), 4);
  EXPECT_EQ(bar->Max(), 4);
  EXPECT_EQ(runs, 2);
  count = 3;
  runs = 0;
  update();
  EXPECT_EQ(bar->Value(), 0);
  EXPECT_EQ(bar->Max(), 0);
  EXPECT_FALSE(bar->Enabled());
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(bar->value(), 0);
  EXPECT_EQ(bar->maximum(), 0);
}

TEST(ImageListTest, PicturesByNumberFromOne) {
  ImageList list;
  QPixmap red(4, 4), green(8, 8);
  red.fill(Qt::red);
  green.fill(Qt::green);
  EXPECT_EQ(list.Add(red), 1);
  list.Set(3, green);
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Picture(1).size(), QSize(4, 4));
  EXPECT_TRUE(list.Picture(2).isNull());
  EXPECT_EQ(list.Picture(3).size(), QSize(8, 8));
  EXPECT_TRUE(list.Picture(0).isNull());
  EXPECT_TRUE(list.Picture(4).isNull());
}

// ---------------------------------------------------------------- toolbar, button, file list, timer, form

TEST(ToolbarTest, ClicksReportOneBasedIndicesAndSeparatorsNothing) {
  auto form = ShownForm(824, 200);
  auto* tb = new Toolbar(form.get(), 0, 0, 824, 49);
  QPixmap picture(24, 24);
  picture.fill(Qt::blue);
  EXPECT_EQ(tb->AddSeparator(), 1);
  EXPECT_EQ(tb->AddButton("Open Level", "Open an existing Level", picture), 2);
  EXPECT_EQ(tb->AddSeparator(), 3);
  EXPECT_EQ(tb->AddButton("Create Level", "Create a New Level", picture), 4);
  EXPECT_EQ(tb->AddButton("Create Set", "Create a New Level Set", picture), 5);
  std::vector<int> clicked;
  tb->ButtonClick = [&](int index) { clicked.push_back(index); };

  for (int i = 1; i <= tb->Count(); ++i) Mouse::Click(tb->ButtonWidget(i));
  EXPECT_EQ(clicked, (std::vector<int>{2, 4, 5}));

  tb->SetButtonEnabled(4, false);
  EXPECT_FALSE(tb->ButtonEnabled(4));
  clicked.clear();
  Mouse::Click(tb->ButtonWidget(4));
  Mouse::Click(tb->ButtonWidget(5));
  EXPECT_EQ(clicked, (std::vector<int>{5}));

  // The buttons lie side by side inside the bar, each at least as large as its picture.
  EXPECT_TRUE(tb->ButtonWidget(5)->geometry().left() >= tb->ButtonWidget(4)->geometry().right());
  EXPECT_TRUE(tb->rect().contains(tb->ButtonWidget(5)->geometry()));
  EXPECT_GE(tb->ButtonWidget(2)->height(), 24);

  // The level editor's 17 entries with captions, and the world window's ten without, fit their bars.
  const std::vector<std::string> captions = {
      "",          "Open Level", "", "Create Level", "Create Set", "",     "Save Level", "Save As Level", "",
      "Variables", "View Text",  "", "World Editor", "",           "Help", "",           "Exit"};
  auto* level = new Toolbar(form.get(), 0, 50, 824, 49);
  for (const std::string& c : captions) c.empty() ? level->AddSeparator() : level->AddButton(c, c, picture);
  QPixmap big(32, 32);
  big.fill(Qt::green);
  auto* world = new Toolbar(form.get(), 0, 100, 824, 58);
  for (int i = 1; i <= 10; ++i)
    (i == 2 || i == 4 || i == 7 || i == 9) ? world->AddSeparator() : world->AddButton("", "tip", big);
  for (Toolbar* bar : {level, world}) {
    for (int i = 1; i <= bar->Count(); ++i) EXPECT_TRUE(bar->rect().contains(bar->ButtonWidget(i)->geometry())) << i;
  }
  EXPECT_GE(world->ButtonWidget(1)->width(), 32);
  EXPECT_GE(world->ButtonWidget(1)->height(), 32);
}

TEST(ButtonTest, ClickByUserKeysAndCode) {
  auto form = ShownForm();
  auto* button = new Button(form.get(), 10, 10, 97, 17, "Close");
  auto* dummy = new Button(form.get(), 10, 400, 10, 10);  // below the client area
  int clicks = 0;
  button->Click = [&] { ++clicks; };
  Mouse::Click(button);
  QTest::keyClick(button, Qt::Key_Space);
  QTest::keyClick(button, Qt::Key_Return);
  button->PerformClick();
  EXPECT_EQ(clicks, 4);

  form->activateWindow();
  button->SetFocus();
  dummy->SetFocus();
  EXPECT_EQ(form->focusWidget(), dummy);
}

TEST(FileListTest, ListsOrdinaryFilesAndClicksOnSelection) {
  QTemporaryDir drive;
  ASSERT_TRUE(drive.isValid());
  platform::SetDriveCFolder(drive.path().toStdString());
  QDir root(drive.path());
  ASSERT_TRUE(root.mkpath("pics/sub"));
  auto touch = [&](const QString& name) {
    QFile f(root.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
  };
  touch("pics/b.jpg");
  touch("pics/A.bmp");
  touch("pics/sub/inner.png");

  auto form = ShownForm();
  auto* list = new FileList(form.get(), 10, 8, 121, 175);
  int clicks = 0;
  list->Click = [&] { ++clicks; };
  list->SetPath("C:\\pics");
  ASSERT_EQ(list->ListCount(), 2);
  EXPECT_EQ(list->FileName(0), "A.bmp");
  EXPECT_EQ(list->FileName(1), "b.jpg");
  EXPECT_EQ(list->FileName(2), "");
  EXPECT_EQ(list->ListIndex(), -1);

  // Taking the focus makes a row current in Qt, but selects nothing.
  QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
  QApplication::sendEvent(list, &focus);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(list->ListIndex(), -1);

  Mouse::Click(list->viewport(), list->visualItemRect(list->item(1)).center());
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(list->ListIndex(), 1);
  EXPECT_EQ(list->SelectedName(), "b.jpg");
  Mouse::Click(list->viewport(), list->visualItemRect(list->item(1)).center());
  EXPECT_EQ(clicks, 1);
  QTest::keyClick(list, Qt::Key_Up);
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(list->SelectedName(), "A.bmp");

  touch("pics/c.gif");
  list->SetPath("C:\\pics");
  EXPECT_EQ(list->ListCount(), 3);
  EXPECT_EQ(list->ListIndex(), -1);
  EXPECT_EQ(clicks, 2);
  list->SetListIndex(2);
  EXPECT_EQ(clicks, 3);
  EXPECT_EQ(list->SelectedName(), "c.gif");

  list->SetPath("C:\\missing");
  EXPECT_EQ(list->ListCount(), 0);
  platform::SetDriveCFolder("");
}

TEST(TimerTest, FiresRepeatedlyWhileEnabledAndStopsWithItsWindow) {
  auto form = ShownForm();
  auto* timer = new Timer(form.get(), 10);
  int ticks = 0;
  timer->Tick = [&] { ++ticks; };
  QElapsedTimer t;
  t.start();
  while (ticks < 3 && t.elapsed() < 3000) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  EXPECT_GE(ticks, 3);

  timer->SetEnabled(false);
  ticks = 0;
  PumpFor(60);
  EXPECT_EQ(ticks, 0);
  timer->SetEnabled(true);
  timer->SetInterval(0);
  PumpFor(40);
  EXPECT_EQ(ticks, 0);

  // An unloaded window stays until the main loop deletes it; its timer is quiet meanwhile.
  auto* dialog = new Form(200, 100);
  dialog->Show();
  QPointer<Timer> dialogTimer = new Timer(dialog, 5);
  int dialogTicks = 0;
  dialogTimer->Tick = [&] { ++dialogTicks; };
  PumpFor(40);
  EXPECT_GT(dialogTicks, 0);
  dialog->Unload();
  dialogTicks = 0;
  PumpFor(40);
  EXPECT_EQ(dialogTicks, 0);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(FormTest, DisabledWindowKeepsItsPointerAndTakesNoInput) {
  auto form = ShownForm();
  auto* button = new Button(form.get(), 10, 10, 97, 17, "Set");
  auto* box = new ImageBox(form.get(), 10, 40, 32, 32);
  auto* text = new TextBox(form.get(), 10, 80, 100, 21);
  int clicks = 0;
  int downs = 0;
  button->Click = [&] { ++clicks; };
  box->MouseDown = [&](int, int, int, int) { ++downs; };

  form->SetMousePointer(Pointer::Hourglass);
  form->SetFormEnabled(false);
  EXPECT_FALSE(form->FormEnabled());
  EXPECT_EQ(form->windowHandle()->cursor().shape(), Qt::WaitCursor);
  Mouse::Move(box, QPoint(5, 5));
  EXPECT_EQ(form->windowHandle()->cursor().shape(), Qt::WaitCursor);

  Mouse::Click(button);
  Mouse::Click(box, QPoint(5, 5));
  QTest::keyClick(text->Editor(), Qt::Key_A);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(downs, 0);
  EXPECT_EQ(text->Text(), "");
  EXPECT_TRUE(button->Enabled());  // the controls keep their own setting

  QPixmap figure(16, 16);
  figure.fill(Qt::red);
  form->SetMousePointer(Pointer::Custom, figure);
  EXPECT_EQ(form->windowHandle()->cursor().shape(), Qt::BitmapCursor);

  form->SetFormEnabled(true);
  form->SetMousePointer(Pointer::Default);
  Mouse::Click(button);
  Mouse::Click(box, QPoint(5, 5));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(downs, 1);
  EXPECT_EQ(form->windowHandle()->cursor().shape(), Qt::ArrowCursor);

  // The user's close waits while the window holds its own input, and comes
  // once it takes input again and control is back in the event loop.
  form->SetFormEnabled(false);
  form->close();
  form->SetFormEnabled(true);
  EXPECT_FALSE(form->IsUnloaded());
  QPointer<Form> closing = form.release();  // its unload deletes it
  test::Settle();
  EXPECT_TRUE(closing.isNull());
  delete closing.data();
}

}  // namespace
}  // namespace yv::controls

namespace yv::controls {

TEST(CheckBoxTest, ATallBoxWrapsItsCaptionAndKeepsItWhole) {
  Form form(300, 200);
  auto* tall = new CheckBox(&form, 10, 10, 49, 37, "Show Reset Points");
  auto* flat = new CheckBox(&form, 10, 60, 49, 15, "Show Reset Points");
  EXPECT_EQ(tall->Caption(), "Show Reset Points");
  EXPECT_TRUE(tall->text().contains('\n'));
  EXPECT_FALSE(flat->text().contains('\n'));  // one line high: no wrap
  EXPECT_EQ(flat->Caption(), "Show Reset Points");
  tall->SetCaption("Grid");
  EXPECT_EQ(tall->text(), "Grid");
  // A caption that fits until the box is given a bold font, in a box a pixel
  // or two short of two full lines of that font.
  auto* stay = new CheckBox(&form, 10, 90, 100, 29, "Stay on Platform");
  EXPECT_EQ(stay->text(), "Stay on Platform");
  stay->SetFontSize(9.75);
  stay->SetBold(true);
  EXPECT_EQ(stay->text(), "Stay on\nPlatform");
}

// Only a picture that reaches past its box goes on the layer above the boxes,
// clipped to the layer's area.
TEST(PictureOverlayTest, TakesPicturesLargerThanTheirBoxClippedToItsArea) {
  Form form(300, 200);
  auto* box = new ImageBox(&form, 40, 40, 32, 32);
  auto* overlay = new PictureOverlay(&form, QRect(0, 0, 100, 60));
  struct Case {
    QSize picture;
    bool stretch;
    QRect covered;  // empty: the layer stays hidden
  };
  for (const Case& c : {Case{{32, 32}, false, {}}, Case{{32, 33}, false, {40, 40, 32, 20}},
                        Case{{64, 10}, false, {40, 40, 60, 10}}, Case{{64, 64}, true, {}}}) {
    QPixmap picture(c.picture);
    picture.fill(Qt::red);
    box->SetPicture(picture);
    box->SetStretch(c.stretch);
    overlay->Clear();
    overlay->Add(*box);
    overlay->Done();
    EXPECT_EQ(overlay->isHidden(), c.covered.isEmpty()) << c.picture.width() << "x" << c.picture.height();
    if (!c.covered.isEmpty()) {
      EXPECT_EQ(overlay->geometry(), c.covered);
    }
  }
}

// What the window shows after the changes so far (its backing store), not a
// fresh render.
static QImage Seen(QWidget& window) {
  QCoreApplication::processEvents();
  return window.screen()->grabWindow(window.winId()).toImage();
}

// A layer that draws a row of boxes itself repaints exactly where a box
// changed: after each change the window shows what boxes painting themselves
// (under an overlay of the pictures that reach past them) show.
TEST(PictureOverlayTest, BoxesItDrawsLookAsBoxesDrawingThemselves) {
  auto drawn = ShownForm(200, 120), own = ShownForm(200, 120);
  const QRect area(4, 4, 180, 100);
  std::vector<ImageBox*> boxes, owners;
  for (int i = 0; i < 5; ++i) {
    boxes.push_back(new ImageBox(drawn.get(), 10 + 34 * i, 10, 32, 32));
    owners.push_back(new ImageBox(own.get(), 10 + 34 * i, 10, 32, 32));
  }
  auto* layer = new PictureOverlay(drawn.get(), area);
  auto* overlay = new PictureOverlay(own.get(), area);
  layer->PaintBoxes(boxes);
  auto picture = [](int w, int h, QColor c) {
    QPixmap pm(w, h);
    pm.fill(Qt::transparent);
    QPainter(&pm).fillRect(2, 2, w - 4, h - 4, c);
    return pm;
  };
  const QPixmap red = picture(32, 32, QColor(255, 0, 0, 160)), big = picture(80, 60, QColor(0, 0, 255, 120)),
                wide = picture(33, 32, Qt::green);
  const std::vector<std::function<void(std::vector<ImageBox*>&)>> steps = {
      [&](auto& b) {
        for (ImageBox* x : b) x->SetPicture(red);
      },
      [&](auto& b) { b[1]->SetPicture(big); },  // over the next two boxes and below them
      [&](auto& b) { b[2]->SetPicture(wide); },
      [&](auto& b) { b[1]->SetPicture(red); },  // what it covered shows again
      [&](auto& b) { b[3]->SetBorderStyle(1); },
      [&](auto& b) { b[4]->SetPicture(QPixmap()); },
      [&](auto& b) { b[0]->SetStretch(true), b[0]->SetPicture(big); },
      [&](auto& b) { b[2]->SetVisible(false); },
      [&](auto& b) { b[3]->Move(100, 60); },
      [&](auto& b) { b[3]->SetPicture(big), b[2]->SetVisible(true); },
  };
  for (size_t i = 0; i < steps.size(); ++i) {
    steps[i](boxes);
    steps[i](owners);
    overlay->Clear();
    for (ImageBox* x : owners)
      if (x->Visible()) overlay->Add(*x);
    overlay->Done();
    const QImage seen = Seen(*drawn);
    EXPECT_EQ(seen, Seen(*own)) << "step " << i;
    EXPECT_EQ(seen, drawn->grab().toImage()) << "step " << i;
  }
  // The boxes keep their mouse.
  int clicks = 0;
  boxes[4]->Click = [&] { ++clicks; };
  Mouse::Click(boxes[4]);
  EXPECT_EQ(clicks, 1);
}

TEST(ImageListTest, PicturesFromASourceAreTakenWhenFirstAskedForAndKept) {
  std::vector<int> asked;
  ImageList list(3, [&](int n) {
    asked.push_back(n);
    QPixmap pm(n, n);
    pm.fill(Qt::red);
    return pm;
  });
  EXPECT_EQ(list.Count(), 3);
  EXPECT_TRUE(asked.empty());
  const qint64 second = list.Picture(2).cacheKey();
  EXPECT_EQ(list.Picture(2).cacheKey(), second);
  EXPECT_EQ(list.Picture(2).size(), QSize(2, 2));
  QPixmap green(5, 5);
  list.Set(3, green);
  EXPECT_EQ(list.Picture(3).cacheKey(), green.cacheKey());
  EXPECT_TRUE(list.Picture(4).isNull());
  list.Set(5, green);  // number 4 is skipped over: empty, never asked for
  EXPECT_TRUE(list.Picture(4).isNull());
  EXPECT_EQ(asked, std::vector<int>{2});
}

TEST(TextBoxTest, MadeInAShownWindowShowsItsEditor) {
  auto form = ShownForm();
  for (bool multiLine : {false, true}) {
    auto* box = new TextBox(form.get(), 10, 10, 100, multiLine ? 60 : 21, multiLine);
    EXPECT_TRUE(box->isVisible()) << multiLine;
    EXPECT_TRUE(box->Editor()->isVisible()) << multiLine;
  }
}

TEST(OnFirstUseTest, TouchingAnyArrayMakesTheWholeGroupOnce) {
  auto form = std::make_unique<Form>(200, 100);
  int builds = 0;
  std::unique_ptr<ArrayOnFirstUse<Label, 3>> names, counts;
  OnFirstUse group([&] {
    ++builds;
    for (int i = 0; i < 3; ++i) {
      names->Items()[i] = new Label(form.get(), 0, 20 * i, 50, 15, "n" + std::to_string(i));
      counts->Items()[i] = new Label(form.get(), 60, 20 * i, 50, 15);
      EXPECT_EQ((*names)[0]->Caption(), "n0");  // the builder may touch what it makes
    }
  });
  names = std::make_unique<ArrayOnFirstUse<Label, 3>>(group);
  counts = std::make_unique<ArrayOnFirstUse<Label, 3>>(group);
  EXPECT_EQ(names->Items()[2], nullptr);  // looking at the elements makes nothing
  EXPECT_FALSE(group.Made());
  for (Label* label : *counts) EXPECT_NE(label, nullptr);  // a loop is a touch
  EXPECT_EQ((*names)[2]->Caption(), "n2");
  EXPECT_EQ(builds, 1);
}

}  // namespace yv::controls
