// The background picker: its list and preview, OK, Cancel and the close box,
// and the chosen name carried from one opening to the next.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <functional>

#include "leveleditor/BackGndFrm.h"
#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Main.h"
#include "pictures/Pictures.h"
#include "tests/support/ProgramFixture.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempTree.h"
#include "tests/support/TestState.h"
#include "tests/support/UiSupport.h"

using namespace yv;

namespace {

const std::string kBackgrounds = "Program Files/Yorvane/data/images/background/";

// A small picture file of the given format and size.
std::string PictureBytes(const char* format, int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(QColor(20, 90, 160));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

class BackgroundPicker : public test::ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    BackGndFrm::SelectedFile.clear();  // as at the start of a run
    tree.Write(kBackgrounds + "sky.jpg", PictureBytes("JPG", 64, 48));
    tree.Write(kBackgrounds + "hills.bmp", PictureBytes("BMP", 30, 20));
    tree.Write(kBackgrounds + "OCEAN.PNG", PictureBytes("PNG", 10, 10));
    tree.Write(kBackgrounds + "ice.png", PictureBytes("PNG", 10, 10));
    tree.Write(kBackgrounds + "broken.jpg", "this is no picture");
    Level.Background = "kept.jpg";
  }

  // Opens the picker and waits for it as the level variables dialog does;
  // act runs inside the wait and must close the picker. A picker that does
  // not close within five seconds ends the wait with a failure.
  void OpenAndWait(const std::function<void(BackGndFrm*)>& act) {
    bool waited = test::RunWhileWaiting<BackGndFrm, bool>([] { return WaitForDialog([] { OpenBackGndFrm(); }); }, act);
    EXPECT_TRUE(waited);
  }

  static int Row(BackGndFrm* picker, const std::string& name) {
    for (int i = 0; i < picker->ImageFiles->ListCount(); ++i)
      if (picker->ImageFiles->FileName(i) == name) return i;
    ADD_FAILURE() << name << " is not listed";
    return -1;
  }
  static QImage Shown(BackGndFrm* picker) { return picker->PreviewImg->Picture().toImage(); }
};

}  // namespace

TEST_F(BackgroundPicker, OkWithoutAChoiceKeepsTheBackgroundThenCarriesTheLastClick) {
  OpenAndWait([&](BackGndFrm* picker) {
    EXPECT_EQ(picker->Caption(), "Level Background - Select Desired Background Picture");
    EXPECT_EQ(picker->width(), 392);
    EXPECT_EQ(picker->height(), 217);
    EXPECT_EQ(picker->palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(picker->ImageFiles->Path(), BackgroundDir);
    EXPECT_EQ(picker->ImageFiles->ListCount(), 5);
    EXPECT_EQ(picker->ImageFiles->ListIndex(), -1);
    EXPECT_EQ(Shown(picker), pictures::Named("background_start").toImage());
    EXPECT_EQ(picker->PreviewImg->Picture().size(), QSize(160, 120));
    EXPECT_TRUE(picker->PreviewImg->Stretch());
    EXPECT_FALSE(picker->PNGImage->Visible());
    test::Mouse::Click(picker->OKCmd);  // nothing chosen in this run
  });
  EXPECT_TRUE(DialogDone);
  EXPECT_EQ(Level.Background, "kept.jpg");

  // A click then Cancel: the background stays, the name is kept for later.
  OpenAndWait([&](BackGndFrm* picker) {
    picker->ImageFiles->SetListIndex(Row(picker, "sky.jpg"));
    EXPECT_EQ(BackGndFrm::SelectedFile, "sky.jpg");
    EXPECT_EQ(picker->PreviewImg->Picture().size(), QSize(64, 48));
    test::Mouse::Click(picker->CancelCmd);
  });
  EXPECT_EQ(Level.Background, "kept.jpg");
  EXPECT_EQ(BackGndFrm::SelectedFile, "sky.jpg");
  EXPECT_FALSE(LevelChanged);

  // The next opening starts afresh (no row, the start picture) but OK stores the earlier click.
  OpenAndWait([&](BackGndFrm* picker) {
    EXPECT_EQ(picker->ImageFiles->ListIndex(), -1);
    EXPECT_EQ(Shown(picker), pictures::Named("background_start").toImage());
    test::Mouse::Click(picker->OKCmd);
  });
  EXPECT_EQ(Level.Background, "sky.jpg");
  EXPECT_TRUE(LevelChanged);  // a changed background is a change to save

  // The close box is Cancel.
  OpenAndWait([&](BackGndFrm* picker) {
    picker->ImageFiles->SetListIndex(Row(picker, "hills.bmp"));
    picker->close();
  });
  EXPECT_EQ(Level.Background, "sky.jpg");
  EXPECT_EQ(BackGndFrm::SelectedFile, "hills.bmp");
}

TEST_F(BackgroundPicker, PreviewShowsPicturesThePlaceholderForPngAndNothingForBrokenFiles) {
  const QImage placeholder = pictures::Named("png_placeholder").toImage();
  ASSERT_EQ(placeholder.size(), QSize(640, 480));
  OpenAndWait([&](BackGndFrm* picker) {
    picker->ImageFiles->SetListIndex(Row(picker, "hills.bmp"));
    EXPECT_EQ(picker->PreviewImg->Picture().size(), QSize(30, 20));
    picker->ImageFiles->SetListIndex(Row(picker, "OCEAN.PNG"));  // capitals count as png too
    EXPECT_EQ(Shown(picker), placeholder);
    picker->ImageFiles->SetListIndex(Row(picker, "broken.jpg"));  // no picture: an empty preview
    EXPECT_TRUE(picker->PreviewImg->Picture().isNull());
    picker->ImageFiles->SetListIndex(Row(picker, "ice.png"));
    EXPECT_EQ(Shown(picker), placeholder);
    test::Mouse::Click(picker->OKCmd);
  });
  EXPECT_EQ(Level.Background, "ice.png");  // the name alone, without its folder
  EXPECT_TRUE(ui.msgCalls.empty());
}

TEST_F(BackgroundPicker, KeepsItsPlaceUnderItsFormIndex) {
  OpenAndWait([&](BackGndFrm* picker) {
    EXPECT_EQ(picker->pos(), QPoint(0, 0));
    picker->move(30, 40);
    test::Mouse::Click(picker->CancelCmd);
  });
  EXPECT_EQ(Pref.FormLeft[kFormBackGndFrm], 450);
  EXPECT_EQ(Pref.FormTop[kFormBackGndFrm], 600);
  OpenAndWait([&](BackGndFrm* picker) {
    EXPECT_EQ(picker->pos(), QPoint(30, 40));
    picker->Unload();
  });
}
