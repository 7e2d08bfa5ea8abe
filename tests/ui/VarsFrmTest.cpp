// The level variables dialog: the fill, the width change, the key filter,
// the clickable fields, the new-level options, the two pickers and the close.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <clocale>
#include <functional>

#include "leveleditor/BackGndFrm.h"
#include "leveleditor/MainFrm.h"
#include "leveleditor/VarsFrm.h"
#include "leveleditor/Windows.h"
#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Main.h"
#include "model/YVE_Write.h"
#include "tests/support/ProgramFixture.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempTree.h"
#include "tests/support/TestState.h"
#include "tests/support/UiSupport.h"

using namespace yv;

namespace {

class VarsDialog : public test::ProgramTest {
 protected:
  MainFrm* main = nullptr;
  VarsFrm* frm = nullptr;

  void SetUp() override {
    ProgramTest::SetUp();
    tree.Write("sets/a/.keep", "");
    main = StartProgram();
    ASSERT_NE(main, nullptr);
  }

  // A new level in C:\sets\a, as "Create Level" makes it.
  void NewLevel() { ASSERT_TRUE(CreateNewLevel("C:\\sets\\a")); }

  // The toolbar's "Variables".
  void Open() {
    main->TB_ButtonClick(10);
    frm = VarsFrm::Instance();
    ASSERT_NE(frm, nullptr);
  }

  // Acts on the picker from inside the wait for it, as soon as it is open. A
  // picker that never opens ends the wait with a failure instead of hanging.
  static void WhenPickerOpen(std::function<void(BackGndFrm*)> act) {
    auto* poll = new QTimer();
    auto* clock = new QElapsedTimer();
    clock->start();
    QObject::connect(poll, &QTimer::timeout, [poll, clock, act] {
      BackGndFrm* picker = BackGndFrm::Instance();
      if (!picker && clock->elapsed() < 5000) return;
      poll->stop();
      poll->deleteLater();
      delete clock;
      if (!picker) {
        ADD_FAILURE() << "the background picker did not open";
        DialogDone = true;
        return;
      }
      act(picker);
    });
    poll->start(5);
  }

  static void Type(controls::TextBox* box, const char* keys) { QTest::keyClicks(box->Editor(), keys); }
  static void Key(controls::TextBox* box, Qt::Key key) { QTest::keyClick(box->Editor(), key); }
  // Types a width over the box's text and presses Enter.
  void EnterWidth(const char* width) {
    frm->WidthBox->SetText("");
    Type(frm->WidthBox, width);
    Key(frm->WidthBox, Qt::Key_Return);
  }
};

}  // namespace

TEST_F(VarsDialog, OpensFromTheToolbarFilledFromTheLevelWithoutWritingBack) {
  NewLevel();
  Level.Height = 20;          // a file may say otherwise; the dialog forces 15
  Level.Gravity = 0.1 + 0.2;  // shown as 0.3: a write-back would change it
  Level.BkgdSpeed = 0.5;
  Level.HorAutoscrollSpeed = -2.25;
  Level.StartPosX = 96;  // pixels, whatever the tooltip says
  Level.StartPosY = 320;
  Level.BkgdRedTop = -7;
  Level.TrailingComment = ";; the end";
  Level.BackScrolling = "T";
  AppendObject();
  Level.ObjectCount = 1;
  AppendResetPoint();
  AppendResetPoint();
  Level.ResetCount = 2;
  Open();

  EXPECT_FALSE(main->FormEnabled());
  EXPECT_EQ(main->MousePointer(), controls::Pointer::Hourglass);
  EXPECT_EQ(frm->Caption(), "YV_Editor Map Variables");
  EXPECT_EQ(frm->width(), 450);
  EXPECT_EQ(frm->height(), 354);
  EXPECT_EQ(frm->FileNameBox->Caption(), "C:\\sets\\a\\level1.yvl");
  EXPECT_EQ(frm->FileNameBox->ToolTip(), "Current loaded level's path/filename");
  EXPECT_EQ(frm->NameBox->Text(), "Give Me A Name");
  EXPECT_EQ(frm->CommentBox->Text(), ";Yorvane-Level");
  EXPECT_EQ(frm->WidthBox->Text(), "120");
  EXPECT_EQ(Level.Height, 15);
  EXPECT_EQ(frm->HeightBox->Text(), "15");
  EXPECT_FALSE(frm->HeightBox->Enabled());
  EXPECT_EQ(frm->StartXBox->Text(), "96");
  EXPECT_EQ(frm->StartYBox->Text(), "320");
  EXPECT_EQ(frm->GravityBox->Text(), "0.3");
  EXPECT_EQ(Level.Gravity, 0.1 + 0.2);
  EXPECT_EQ(frm->BkgSpeedBox->Text(), "0.5");
  EXPECT_EQ(frm->ScrollSpeedBox->Text(), "-2.25");
  EXPECT_EQ(frm->BkgRedTopBox->Text(), "-7");
  EXPECT_EQ(frm->BkgBluBtmBox->Text(), "255");
  EXPECT_EQ(frm->TimeBox->Text(), "600");
  EXPECT_EQ(frm->BackgroundBox->Caption(), "ocean.png");
  EXPECT_EQ(frm->MusicBox->Caption(), "fortress2.mod");
  EXPECT_EQ(frm->ParticleBox->Caption(), "snow");
  EXPECT_EQ(frm->EndCommentBox->Text(), ";; the end");
  EXPECT_EQ(frm->BackScrollCheck->Value(), 1);
  EXPECT_EQ(Level.BackScrolling, "T");  // the fill's check does not write back
  EXPECT_EQ(frm->NumsBox->Caption(), "Number of Reset Points = 2, Number of BadGuys = 1");
  EXPECT_EQ(frm->FloorImg->ToolTip(), "Click to use thbe Current Selected Tile");
  EXPECT_FALSE(frm->Updating);
  EXPECT_FALSE(LevelChanged);

  // Typing stores each field as typed, a change to save; nothing is range-checked.
  frm->NameBox->SetText("");
  Type(frm->NameBox, "Ice Cave");
  EXPECT_TRUE(Level.Name == "Ice Cave" && LevelChanged);
  frm->BkgRedTopBox->SetText("300");
  EXPECT_EQ(Level.BkgdRedTop, 300);
  frm->StartXBox->SetText("12.5");  // halves go to the even neighbour
  EXPECT_EQ(Level.StartPosX, 12);
  frm->StartXBox->SetText("13.5");
  EXPECT_EQ(Level.StartPosX, 14);
  frm->StartXBox->SetText("40000");  // does not fit 16 bits: the field stays
  EXPECT_EQ(Level.StartPosX, 14);
  frm->TimeBox->SetText("-5");
  EXPECT_EQ(Level.TimeLimit, -5);
  frm->TimeBox->SetText("");
  EXPECT_EQ(Level.TimeLimit, -5);

  // Text typed into the closing comment is never stored, and the next fill shows the level's again.
  Type(frm->EndCommentBox, "xyz");
  EXPECT_EQ(Level.TrailingComment, ";; the end");
  frm->UpdateVarsDisplay();
  EXPECT_EQ(frm->EndCommentBox->Text(), ";; the end");
}

TEST_F(VarsDialog, DoubleBoxesTakeOnlyFiniteNumbersWithAPointWhateverTheLocale) {
  NewLevel();
  // A locale whose decimal separator is a comma, where the system has one.
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  std::string saved = previous ? previous : "C";
  bool commaLocale = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
  Open();
  frm->GravityBox->SetText("0.75");
  EXPECT_EQ(Level.Gravity, 0.75);
  for (const char* refused : {"inf", "-inf", "nan", "1e999", "1,5", "abc", ""}) {
    frm->GravityBox->SetText(refused);
    EXPECT_EQ(Level.Gravity, 0.75) << refused;
  }
  frm->BkgSpeedBox->SetText("1.5e1");
  EXPECT_EQ(Level.BkgdSpeed, 15);
  frm->ScrollSpeedBox->SetText("-0.125");
  EXPECT_EQ(Level.HorAutoscrollSpeed, -0.125);
  frm->UpdateVarsDisplay();
  EXPECT_EQ(frm->GravityBox->Text(), "0.75");
  EXPECT_EQ(frm->ScrollSpeedBox->Text(), "-0.125");
  std::setlocale(LC_NUMERIC, saved.c_str());
  if (!commaLocale) GTEST_LOG_(INFO) << "no comma locale installed; checked in the C locale only";
}

TEST_F(VarsDialog, AWidthIsTakenOnlyWhenSettledNeverAtTheTextsTypedOnTheWay) {
  NewLevel();
  Level.InteractiveTM.Set(5, 5, 77);
  main->UpdateDisplay();
  Open();
  const auto kept = [] { return Level.InteractiveTM.Get(5, 5) == 77 && Level.InteractiveTM.Columns() == 121; };

  // A digit typed after 120 and deleted again, then Enter: nothing changes.
  Type(frm->WidthBox, "7");
  Key(frm->WidthBox, Qt::Key_Backspace);
  Key(frm->WidthBox, Qt::Key_Return);
  EXPECT_TRUE(kept());
  EXPECT_FALSE(LevelChanged);

  // Typed digit by digit, 3 and 30 are only texts until Enter takes 30:
  // new empty maps of columns 0..30, the main window redrawn.
  frm->WidthBox->SetText("");
  Type(frm->WidthBox, "30a-. ");  // only digits and Backspace reach the box
  EXPECT_EQ(frm->WidthBox->Text(), "30");
  EXPECT_TRUE(Level.Width == 120 && kept());
  Key(frm->WidthBox, Qt::Key_Return);
  EXPECT_EQ(Level.Width, 30);
  for (TileMap* map : {&Level.BackgroundTM, &Level.InteractiveTM, &Level.ForegroundTM})
    EXPECT_EQ(map->Columns() * 100 + map->Rows(), 3116);
  EXPECT_EQ(Level.InteractiveTM.Get(5, 5), 0);
  EXPECT_EQ(main->MapXScroll->Max(), 12);
  EXPECT_EQ(main->FileNameBox->Caption(), "C:\\sets\\a\\level1.yvl   [Level Width = 30]");
  EXPECT_TRUE(LevelChanged);

  // Widths that are not taken show the level's width again, whether the
  // user presses Enter or leaves the box: below 21 with a level open (a save
  // would cut the level, and it could not be read back), 1024 and more (the
  // maps are made up to 1023 columns), no 16-bit number.
  Level.InteractiveTM.Set(5, 5, 77);
  for (const char* refused : {"3", "1024", "99999", ""}) {
    frm->WidthBox->SetText(refused);
    Key(frm->WidthBox, Qt::Key_Return);
    EXPECT_EQ(frm->WidthBox->Text(), "30") << refused;
    frm->WidthBox->SetText(refused);
    test::Leave(frm->WidthBox->Editor());
    EXPECT_EQ(frm->WidthBox->Text(), "30") << refused;
  }
  EXPECT_TRUE(Level.Width == 30 && Level.InteractiveTM.Get(5, 5) == 77);
  UseLfLineEnds();
  BuildLevelText();
  EXPECT_NE(LevelText.find("  (width  30)\n"), std::string::npos);

  // Leaving the box takes the widest width, and the level text holds as many
  // tile numbers per row as the width says.
  frm->WidthBox->SetText("1023");
  test::Leave(frm->WidthBox->Editor());
  EXPECT_EQ(Level.Width, 1023);
  EXPECT_EQ(Level.InteractiveTM.Columns(), 1024);
  UseCrLfLineEnds();
  BuildLevelText();
  std::string start = "  (interactive-tm  ";
  size_t from = LevelText.find(start);
  ASSERT_NE(from, std::string::npos);
  from += start.size();
  std::string firstRow = LevelText.substr(from, LevelText.find("\r\n", from) - from);
  std::string zeros;
  for (int c = 0; c < 1023; ++c) zeros += "0 ";
  EXPECT_EQ(firstRow, zeros);

  // A width typed and not yet taken is taken as the dialog closes.
  frm->WidthBox->SetText("200");
  test::Mouse::Click(frm->CloseCmd);
  EXPECT_EQ(Level.Width, 200);
  EXPECT_EQ(main->MapXScroll->Max(), 182);
}

TEST_F(VarsDialog, WidthChangeStampsTheEndingInsideTheMaps) {
  Pref.AddEndSequence = 1;
  Pref.AddIgloo = 1;
  Pref.FloorTile = 37;  // floor 37 also puts 34 on the row above
  NewLevel();
  Open();
  EnterWidth("21");  // one ending column would lie left of column 0
  EXPECT_EQ(Level.Width, 21);
  EXPECT_EQ(Level.InteractiveTM.Columns(), 22);
  EXPECT_EQ(Level.InteractiveTM.Get(0, 14), 37);
  EXPECT_EQ(Level.InteractiveTM.Get(20, 14), 37);
  EXPECT_EQ(Level.InteractiveTM.Get(21, 14), 0);  // the spare column stays empty
  EXPECT_EQ(Level.InteractiveTM.Get(0, 13), 34);
  EXPECT_EQ(Level.InteractiveTM.Get(1, 0), 133);   // w - 20
  EXPECT_EQ(Level.InteractiveTM.Get(17, 13), 34);  // w - 4: the floor's row 13 wins over the post
  EXPECT_EQ(Level.InteractiveTM.Get(17, 12), 132);
  EXPECT_EQ(Level.BackgroundTM.Get(11, 8), 126);
  EXPECT_EQ(Level.ForegroundTM.Get(14, 8), 127);

  EnterWidth("210");  // a whole ending at the new right end, shown at once
  EXPECT_EQ(Level.Width, 210);
  EXPECT_EQ(Level.InteractiveTM.Get(187, 14), 0);
  EXPECT_EQ(Level.InteractiveTM.Get(188, 14), 37);
  EXPECT_EQ(Level.InteractiveTM.Get(209, 14), 37);
  EXPECT_EQ(Level.InteractiveTM.Get(206, 0), 132);
  EXPECT_EQ(Level.InteractiveTM.Get(190, 0), 133);
  EXPECT_EQ(Level.BackgroundTM.Get(200, 8), 126);
  EXPECT_EQ(Level.ForegroundTM.Get(203, 8), 127);
  EXPECT_EQ(main->MapXScroll->Max(), 192);

  // Without "Add Ending" the new maps stay empty.
  frm->AddEndCheck->SetValue(0);
  EXPECT_EQ(Pref.AddEndSequence, 0);
  EnterWidth("50");
  EXPECT_EQ(Level.InteractiveTM.Get(49, 14), 0);
  EXPECT_EQ(Level.InteractiveTM.Get(46, 0), 0);
}

TEST_F(VarsDialog, NarrowWidthWithoutALevelIsStoredAndReadAsEmptyCells) {
  ASSERT_FALSE(LevelLoaded);
  Open();
  EXPECT_EQ(frm->WidthBox->Text(), "0");
  EnterWidth("5");
  EXPECT_EQ(Level.Width, 5);
  EXPECT_TRUE(Level.InteractiveTM.Empty());
  UseCrLfLineEnds();
  BuildLevelText();
  EXPECT_NE(LevelText.find("  (background-tm  0 0 0 0 0 \r\n0 0 0 0 0 \r\n"), std::string::npos);
  main->UpdateDisplay();  // the map view draws cells the maps do not hold as empty
  EXPECT_EQ(main->MapXScroll->Max(), 0);
}

TEST_F(VarsDialog, ParticleAndThemeCycleFromAnyValue) {
  NewLevel();
  Level.ParticleSystem = "rain";  // a name read from a file
  Level.Theme = "desert";
  Open();
  std::vector<std::string> particles, themes;
  for (int i = 0; i < 4; ++i) {
    test::Mouse::Click(frm->ParticleBox);
    particles.push_back(Level.ParticleSystem);
    EXPECT_EQ(frm->ParticleBox->Caption(), Level.ParticleSystem);
    test::Mouse::Click(frm->ThemeBox);
    themes.push_back(Level.Theme);
    EXPECT_EQ(frm->ThemeBox->Caption(), Level.Theme);
  }
  EXPECT_EQ(particles, (std::vector<std::string>{"", "cloud", "snow", ""}));
  EXPECT_EQ(themes, (std::vector<std::string>{"", "antarctica", "", "antarctica"}));
}

TEST_F(VarsDialog, BackScrollingShowsCapitalTAndStoresLowerCase) {
  NewLevel();
  Level.BackScrolling = "T";
  Open();
  EXPECT_EQ(frm->BackScrollCheck->Value(), 1);
  test::Mouse::Click(frm->BackScrollCheck);
  EXPECT_EQ(Level.BackScrolling, "f");
  test::Mouse::Click(frm->BackScrollCheck);
  EXPECT_EQ(Level.BackScrolling, "t");
  Level.BackScrolling = "x";
  frm->UpdateVarsDisplay();
  EXPECT_EQ(frm->BackScrollCheck->Value(), 0);
  EXPECT_EQ(Level.BackScrolling, "x");
}

TEST_F(VarsDialog, FloorTileFollowsTheSelectedTileAndFallsBackTo26) {
  NewLevel();
  Pref.FloorTile = 300;
  Pref.AddEndSequence = 5;  // out of 0..1: cleared at load
  Pref.AddIgloo = -1;
  Open();
  EXPECT_EQ(Pref.FloorTile, 26);
  EXPECT_EQ(Pref.AddEndSequence, 0);
  EXPECT_EQ(Pref.AddIgloo, 0);
  EXPECT_EQ(frm->FloorImg->Picture().toImage(), main->BlockImgList->Picture(26).toImage());

  SelectedTile = 0;  // no tile selected: 0 becomes 26 at the refill
  test::Mouse::Click(frm->AddEndCheck);
  EXPECT_EQ(Pref.AddEndSequence, 1);
  EXPECT_EQ(Pref.FloorTile, 26);

  SelectedTile = 131;
  test::Mouse::Click(frm->IglooCheck);
  EXPECT_EQ(Pref.AddIgloo, 1);
  EXPECT_EQ(Pref.FloorTile, 131);
  EXPECT_EQ(frm->FloorImg->Picture().toImage(), main->BlockImgList->Picture(131).toImage());

  SelectedTile = 50;
  test::Mouse::Click(frm->FloorImg);
  EXPECT_EQ(Pref.FloorTile, 50);
  EXPECT_EQ(frm->FloorImg->Picture().toImage(), main->BlockImgList->Picture(50).toImage());

  // The options change nothing in the open level by themselves.
  EXPECT_EQ(Level.InteractiveTM.Get(119, 14), 0);
  test::Mouse::Click(frm->AddEndCheck);
  EXPECT_EQ(Pref.AddEndSequence, 0);
}

TEST_F(VarsDialog, CloseGivesABlankDefaultAuthorTheLevelsAuthorAndEnablesTheMainWindow) {
  Pref.DefaultAuthor = "   ";
  NewLevel();
  Open();
  frm->AuthorBox->SetText(" Ada L ");
  test::Mouse::Click(frm->CloseCmd);
  EXPECT_EQ(VarsFrm::Instance(), nullptr);
  EXPECT_EQ(Pref.DefaultAuthor, " Ada L ");
  EXPECT_TRUE(main->FormEnabled());
  EXPECT_EQ(main->MousePointer(), controls::Pointer::Default);
  test::Settle();

  // A non-blank default author is kept; the close box closes as "Close" does.
  Open();
  frm->AuthorBox->SetText("Somebody Else");
  frm->close();
  EXPECT_EQ(VarsFrm::Instance(), nullptr);
  EXPECT_EQ(Pref.DefaultAuthor, " Ada L ");
  EXPECT_TRUE(main->FormEnabled());
}

TEST_F(VarsDialog, ChooseMusicStoresTheFileNameAlone) {
  NewLevel();
  Open();
  ui.fileAnswers = {std::string("C:\\elsewhere\\tunes\\song.mod")};
  test::Mouse::Click(frm->MusicBox);
  ASSERT_EQ(ui.fileCalls.size(), 1u);
  EXPECT_FALSE(ui.fileCalls[0].save);
  EXPECT_EQ(ui.fileCalls[0].filter, "*.mod|*.mod");
  EXPECT_EQ(ui.fileCalls[0].initDir, MusicDir);
  EXPECT_EQ(ui.fileCalls[0].fileName, "fortress2.mod");
  EXPECT_EQ(Level.Music, "song.mod");
  EXPECT_EQ(frm->MusicBox->Caption(), "song.mod");

  ui.fileAnswers = {std::nullopt};  // Cancel changes nothing
  test::Mouse::Click(frm->MusicBox);
  EXPECT_EQ(ui.fileCalls.size(), 2u);
  EXPECT_EQ(ui.fileCalls[1].fileName, "song.mod");
  EXPECT_EQ(Level.Music, "song.mod");
  EXPECT_TRUE(ui.msgCalls.empty());
}

TEST_F(VarsDialog, ChooseBackgroundWaitsForThePickerWithTheDialogDisabled) {
  tree.Write("Program Files/Yorvane/data/images/background/aurora.jpg", "not a picture");
  tree.Write("Program Files/Yorvane/data/images/background/ocean.png", "");
  BackGndFrm::SelectedFile.clear();
  NewLevel();
  Open();
  bool sawDisabled = false;
  WhenPickerOpen([&](BackGndFrm* picker) {
    sawDisabled = !frm->FormEnabled() && !main->FormEnabled();
    picker->ImageFiles->SetListIndex(0);  // aurora.jpg
    test::Mouse::Click(picker->OKCmd);
  });
  test::Mouse::Click(frm->BackgroundBox);
  EXPECT_TRUE(sawDisabled);
  EXPECT_EQ(BackGndFrm::Instance(), nullptr);
  EXPECT_TRUE(frm->FormEnabled());
  EXPECT_FALSE(main->FormEnabled());
  EXPECT_EQ(Level.Background, "aurora.jpg");
  EXPECT_EQ(frm->BackgroundBox->Caption(), "aurora.jpg");

  // Cancel leaves the background as it was.
  WhenPickerOpen([&](BackGndFrm* picker) {
    picker->ImageFiles->SetListIndex(1);
    test::Mouse::Click(picker->CancelCmd);
  });
  frm->ChooseBackground();
  EXPECT_EQ(Level.Background, "aurora.jpg");
  EXPECT_EQ(BackGndFrm::SelectedFile, "ocean.png");
  EXPECT_TRUE(frm->FormEnabled());
}

TEST_F(VarsDialog, KeepsItsPlaceUnderItsFormIndex) {
  NewLevel();
  Open();
  EXPECT_EQ(frm->pos(), QPoint(0, 0));  // never placed: the screen's top-left corner
  frm->move(200, 120);
  frm->Unload();
  EXPECT_EQ(Pref.FormLeft[kFormVarsFrm], 3000);
  EXPECT_EQ(Pref.FormTop[kFormVarsFrm], 1800);
  test::Settle();
  Open();
  EXPECT_EQ(frm->pos(), QPoint(200, 120));
}
