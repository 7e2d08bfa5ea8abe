// Captions a window sets at run time are shown whole in their fixed boxes.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QStyle>
#include <QStyleOptionButton>

#include "leveleditor/MainFrm.h"
#include "tests/support/ProgramFixture.h"
#include "tests/support/UiSupport.h"

using namespace yv;

namespace {

class CaptionFit : public test::ProgramTest {};

// The room a push button gives its caption: inside its bevel.
int CaptionRoom(QPushButton* button) {
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
}

}  // namespace

TEST_F(CaptionFit, StartPositionButtonShowsItsPickCaptionWhole) {
  MainFrm* frm = StartProgram();
  ASSERT_NE(frm, nullptr);
  controls::Button* button = frm->SetZunboCmd;
  ASSERT_EQ(button->Width(), 97);
  const int designPixels = QFontInfo(button->font()).pixelSize();

  test::Mouse::Click(button);  // pick mode
  ASSERT_EQ(button->Caption(), "Select Desired Zunbo Position");
  const QImage shot = button->grab().toImage();
  shot.save(QStringLiteral(YV_BINARY_DIR "/set_zunbo_pick_mode.png"));
  shot.scaled(shot.size() * 4).save(QStringLiteral(YV_BINARY_DIR "/set_zunbo_pick_mode_x4.png"));  // for a look
  EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->text()), CaptionRoom(button));
  // It did not fit at the window's own size: a smaller one, still readable.
  EXPECT_GT(QFontMetrics(button->ChosenFont()).horizontalAdvance(button->text()), CaptionRoom(button));
  EXPECT_LT(QFontInfo(button->font()).pixelSize(), designPixels);
  EXPECT_GE(QFontInfo(button->font()).pixelSize(), 6);

  // Back to a caption that fits: the window's own size again.
  test::Mouse::Click(button);
  ASSERT_EQ(button->Caption(), "Set Starting Position");
  EXPECT_EQ(button->font(), button->ChosenFont());
}

TEST_F(CaptionFit, ALongLevelPathIsShownWholeOnTheFileNameLine) {
  MainFrm* frm = StartProgram();
  ASSERT_NE(frm, nullptr);
  controls::Label* line = frm->FileNameBox;
  Pref.LastLevelFile = "C:\\Program Files\\Yorvane\\.yorvane\\levels\\" + std::string(40, 'w') +
                       " Winter Levels For The Long Evenings\\level1.yvl";
  frm->UpdateDisplay();
  const QString shown = line->text();
  ASSERT_TRUE(shown.endsWith("[Level Width = 0]"));
  // At the window's own font the text wraps onto a second line the box cannot show.
  const QRect room = line->contentsRect();
  auto needed = [&](const QFont& f) {
    return QFontMetrics(f).boundingRect(QRect(0, 0, room.width(), 1000), Qt::TextWordWrap, shown);
  };
  ASSERT_GT(needed(line->ChosenFont()).height(), room.height());
  EXPECT_LE(needed(line->font()).height(), room.height());
  EXPECT_LE(needed(line->font()).width(), room.width());
  EXPECT_TRUE(line->font().bold());  // the window's choice of face is kept
}
