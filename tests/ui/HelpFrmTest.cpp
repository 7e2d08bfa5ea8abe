// The help window: reading the help file once per run, editing, saving it
// back byte for byte, and what closing without a save keeps.
#include <gtest/gtest.h>

#include <QTest>
#include <fstream>
#include <iterator>

#include "leveleditor/HelpFrm.h"
#include "leveleditor/MainFrm.h"
#include "leveleditor/Windows.h"
#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Main.h"
#include "platform/FileSystem.h"
#include "tests/support/MemoryFileSystem.h"
#include "tests/support/ProgramFixture.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempTree.h"
#include "tests/support/TestState.h"
#include "tests/support/UiSupport.h"

using namespace yv;

namespace {

const std::string kHelpFile = "Editor/YV_Editor.Help";

class HelpWindow : public test::ProgramTest {
 protected:
  MainFrm* main = nullptr;
  HelpFrm* frm = nullptr;

  void SetUp() override {
    ProgramTest::SetUp();
    main = StartProgram();
    ASSERT_NE(main, nullptr);
  }

  // The toolbar's "Help".
  void Open() {
    main->TB_ButtonClick(15);
    frm = HelpFrm::Instance();
    ASSERT_NE(frm, nullptr);
  }
  void Close() {
    test::Mouse::Click(frm->CloseCmd);
    EXPECT_EQ(HelpFrm::Instance(), nullptr);
    test::Settle();
  }
  // An edit that leaves the text as it was: one character typed and taken back.
  void TouchText() {
    QTest::keyClick(frm->HelpBox->Editor(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(frm->HelpBox->Editor(), "x");
    QTest::keyClick(frm->HelpBox->Editor(), Qt::Key_Backspace);
  }
  void Save() {
    ASSERT_TRUE(frm->SaveHelpCmd->Visible());
    test::Mouse::Click(frm->SaveHelpCmd);
  }
};

}  // namespace

TEST_F(HelpWindow, ALastLineWithoutItsEndIsShownAndSavedWithCrLf) {
  tree.Write(kHelpFile, "First line\r\nSecond line");
  Open();
  EXPECT_EQ(frm->Caption(), "YV_Editor Help");
  EXPECT_EQ(frm->width(), 608);
  EXPECT_EQ(frm->height(), 485);
  EXPECT_FALSE(main->FormEnabled());
  EXPECT_EQ(frm->HelpPath, "C:\\Editor\\YV_Editor.Help");
  EXPECT_EQ(frm->HelpBox->Text(), "First line\r\nSecond line\r\n");
  EXPECT_EQ(HelpText, "First line\r\nSecond line\r\n");
  EXPECT_FALSE(frm->SaveHelpCmd->Visible());  // hidden until the first edit
  TouchText();
  EXPECT_TRUE(frm->SaveHelpCmd->Visible());
  Save();
  EXPECT_FALSE(frm->SaveHelpCmd->Visible());
  EXPECT_EQ(tree.Read(kHelpFile), "First line\r\nSecond line\r\n");
  Close();
  EXPECT_TRUE(main->FormEnabled());
}

TEST_F(HelpWindow, AnLfOnlyFileIsOneLineAndComesBackByteForByte) {
  tree.Write(kHelpFile, "one\ntwo\nthree\n");
  Open();
  EXPECT_EQ(frm->HelpBox->Text(), "one\ntwo\nthree\n\r\n");
  TouchText();
  Save();
  EXPECT_EQ(tree.Read(kHelpFile), "one\ntwo\nthree\n\r\n");
}

TEST_F(HelpWindow, SavesExactlyTheBoxsTextWithItsCrLfLineEnds) {
  tree.Write(kHelpFile, "old help\r\n");
  Open();
  frm->HelpBox->SetText("");
  QTest::keyClicks(frm->HelpBox->Editor(), "alpha");
  QTest::keyClick(frm->HelpBox->Editor(), Qt::Key_Return);
  QTest::keyClicks(frm->HelpBox->Editor(), "beta");
  QTest::keyClick(frm->HelpBox->Editor(), Qt::Key_Return);
  QTest::keyClicks(frm->HelpBox->Editor(), "gamma");
  QTest::keyClick(frm->HelpBox->Editor(), Qt::Key_Return);
  EXPECT_EQ(frm->HelpBox->Text(), "alpha\r\nbeta\r\ngamma\r\n");
  Save();
  EXPECT_EQ(tree.Read(kHelpFile), "alpha\r\nbeta\r\ngamma\r\n");
  EXPECT_EQ(HelpText, "alpha\r\nbeta\r\ngamma\r\n");
  Close();
  // The text is read once per run: the next opening shows the saved text, not the file.
  tree.Write(kHelpFile, "changed on disk\r\n");
  Open();
  EXPECT_EQ(frm->HelpBox->Text(), "alpha\r\nbeta\r\ngamma\r\n");
  EXPECT_FALSE(frm->SaveHelpCmd->Visible());
}

TEST_F(HelpWindow, ClosingWithEditsAsksAndKeepsTheFileAndTheTextUnlessSaved) {
  platform::MemoryFileSystem memory;
  memory.Put("C:\\Editor\\YV_Editor.Help", "Keep me\r\n");
  platform::FileSystem* previous = platform::FileSystem::Install(&memory);
  const auto file = [&] {
    std::string bytes;
    memory.ReadWholeFile("C:\\Editor\\YV_Editor.Help", bytes);
    return bytes;
  };
  const std::string asked = "Save Help File Changes?|Help Changed|35";
  struct Case {
    int answer;
    bool failWrite, staysOpen;
    std::string file;
  };
  // Cancel, and a save that fails, keep the window and the edit; No drops it.
  for (const Case& c :
       {Case{platform::kCancel, false, true, "Keep me\r\n"}, Case{platform::kYes, true, true, "Keep me\r\n"},
        Case{platform::kNo, false, false, "Keep me\r\n"}, Case{platform::kYes, false, false, "draft Keep me\r\n"}}) {
    SCOPED_TRACE(c.answer);
    Open();
    if (frm->HelpBox->Text() != "draft Keep me\r\n") QTest::keyClicks(frm->HelpBox->Editor(), "draft ");
    memory.failWrites = c.failWrite;
    ui.msgCalls.clear();
    ui.msgAnswers = {c.answer};
    frm->close();  // the close box closes as "Close" does
    EXPECT_EQ(ui.Boxes().at(0), asked);
    EXPECT_EQ(HelpFrm::Instance() != nullptr, c.staysOpen);
    EXPECT_EQ(file(), c.file);
    if (!c.staysOpen) test::Settle();
  }
  // Saved, the text is the next opening's; closed unchanged, nothing is asked.
  Open();
  EXPECT_EQ(frm->HelpBox->Text(), "draft Keep me\r\n");
  TouchText();
  ui.msgCalls.clear();
  Close();
  EXPECT_TRUE(ui.msgCalls.empty());
  platform::FileSystem::Install(previous);
}

TEST_F(HelpWindow, AFileThatGivesNoTextIsReadAgainAtEveryOpening) {
  Open();  // no file at all
  EXPECT_EQ(frm->HelpBox->Text(), "");
  Close();
  tree.Write(kHelpFile, "");
  Open();
  EXPECT_EQ(frm->HelpBox->Text(), "");
  Close();
  tree.Write(kHelpFile, "Now there is help.\r\n");
  Open();
  EXPECT_EQ(frm->HelpBox->Text(), "Now there is help.\r\n");
  EXPECT_TRUE(ui.msgCalls.empty());
}

TEST_F(HelpWindow, AFailedSaveSaysSoAndKeepsTheOldFile) {
  platform::MemoryFileSystem memory;
  memory.Put("C:\\Editor\\YV_Editor.Help", "the old help\r\n");
  memory.failWrites = true;
  memory.failReason = "The disk is full.";
  platform::FileSystem* previous = platform::FileSystem::Install(&memory);
  Open();
  EXPECT_EQ(frm->HelpBox->Text(), "the old help\r\n");
  QTest::keyClicks(frm->HelpBox->Editor(), "new ");
  Save();
  platform::FileSystem::Install(previous);
  ASSERT_EQ(ui.msgCalls.size(), 1u);
  EXPECT_EQ(ui.msgCalls[0].text, "Error Saving Help File!\r\nThe disk is full.");
  EXPECT_EQ(ui.msgCalls[0].style, 16);
  EXPECT_EQ(ui.msgCalls[0].title, "YV_Editor - Save Help");
  std::string kept;
  ASSERT_TRUE(memory.ReadWholeFile("C:\\Editor\\YV_Editor.Help", kept));
  EXPECT_EQ(kept, "the old help\r\n");
  EXPECT_TRUE(frm->SaveHelpCmd->Visible());  // still there for another try
}

TEST_F(HelpWindow, KeepsItsPlaceUnderItsFormIndex) {
  Open();
  EXPECT_EQ(frm->pos(), QPoint(0, 0));
  frm->move(7, 9);
  Close();
  EXPECT_EQ(Pref.FormLeft[kFormHelpFrm], 105);
  EXPECT_EQ(Pref.FormTop[kFormHelpFrm], 135);
  Open();
  EXPECT_EQ(frm->pos(), QPoint(7, 9));
}

TEST_F(HelpWindow, TheSuppliedHelpFileIsShownAndSavedUnchanged) {
  std::ifstream in(std::string(YV_SOURCE_DIR) + "/sample/YV_Editor.Help", std::ios::binary);
  const std::string supplied((std::istreambuf_iterator<char>(in)), {});
  ASSERT_GT(supplied.size(), 1000u);
  tree.Write(kHelpFile, supplied);
  Open();
  EXPECT_EQ(frm->HelpBox->Text(), supplied);  // every line already ends with CR LF
  for (const char* topic :
       {"LEVEL VARIABLES", "LEVEL TEXT", "NEW LEVEL SETS", "Save Help File", "Bad Guy List", "THE WORLD MAP EDITOR",
        "Level Point Editor", "Edit Favorites", "Level Link Data", "Delete This Link", "WORLD PROPERTIES"})
    EXPECT_NE(supplied.find(topic), std::string::npos) << topic;
  TouchText();
  Save();
  EXPECT_EQ(tree.Read(kHelpFile), supplied);
}
