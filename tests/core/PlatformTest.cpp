#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/FileSystem.h"
#include "tests/support/MemoryFileSystem.h"
#include "platform/Paths.h"
#include "tests/support/ScriptedUi.h"
#include "platform/System.h"
#include "platform/TextInput.h"

namespace fs = std::filesystem;
using namespace yv::platform;

namespace {

struct TempDir {
  fs::path path;
  TempDir() {
    char tmpl[] = "/tmp/yv_platform_XXXXXX";
    path = mkdtemp(tmpl);
  }
  ~TempDir() {
    std::error_code ec;
    fs::remove_all(path, ec);
  }
};

std::string ReadHost(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(Paths, WindowsPathsMapToDriveCAndZAndBack) {
  SetDriveCFolder("/srv/drive_c");
  EXPECT_EQ(ToHostPath("C:\\Program Files\\Yorvane\\data\\levels\\level1.yvl"),
            "/srv/drive_c/Program Files/Yorvane/data/levels/level1.yvl");
  EXPECT_EQ(ToHostPath("c:\\a\\b"), "/srv/drive_c/a/b");           // drive letters in any case
  EXPECT_EQ(ToHostPath("C:\\a\\"), "/srv/drive_c/a");               // trailing backslash
  EXPECT_EQ(ToHostPath("C:\\"), "/srv/drive_c");
  EXPECT_EQ(ToHostPath("\\level1.yvl"), "/srv/drive_c/level1.yvl");  // one backslash: drive C:
  EXPECT_EQ(ToHostPath("Z:\\home\\u\\x.yvl"), "/home/u/x.yvl");
  EXPECT_EQ(ToHostPath("Z:\\"), "/");
  EXPECT_EQ(ToHostPath("info"), "info");                             // relative to the current folder
  EXPECT_EQ(ToHostPath("sets\\one\\info"), "sets/one/info");
  EXPECT_EQ(ToHostPath("D:\\x"), "");                                // no other drives
  EXPECT_EQ(ToHostPath("\\\\server\\share"), "");
  EXPECT_EQ(ToHostPath("C:\\a\\..\\..\\..\\etc\\passwd"), "/srv/drive_c/etc/passwd");  // cannot climb out

  EXPECT_EQ(ToWindowsPath("/srv/drive_c/Program Files/Yorvane/x.yvl"), "C:\\Program Files\\Yorvane\\x.yvl");
  EXPECT_EQ(ToWindowsPath("/srv/drive_c"), "C:\\");
  EXPECT_EQ(ToWindowsPath("/srv/drive_cx/file"), "Z:\\srv\\drive_cx\\file");  // not inside drive C:
  EXPECT_EQ(ToWindowsPath("/home/u/x.yvl"), "Z:\\home\\u\\x.yvl");
  EXPECT_EQ(ToWindowsPath("/"), "Z:\\");
  EXPECT_EQ(ToHostPath(ToWindowsPath("/tmp/a b/c.yvl")), "/tmp/a b/c.yvl");
  SetDriveCFolder("");
}

TEST(Paths, DriveCComesFromTheEnvironmentOrBesideTheProgram) {
  SetDriveCFolder("");
  unsetenv("YV_DRIVE_C");
  EXPECT_EQ(DriveCFolder(), ProgramHostFolder() + "/drive_c");
  setenv("YV_DRIVE_C", "/opt/cdrive/", 1);
  EXPECT_EQ(DriveCFolder(), "/opt/cdrive");
  EXPECT_EQ(ToHostPath("C:\\x"), "/opt/cdrive/x");
  unsetenv("YV_DRIVE_C");
}

TEST(Files, ReplaceKeepsTheOldFileUntilTheNewOneIsWritten) {
  TempDir dir;
  SetDriveCFolder(dir.path.string());
  HostFileSystem host;
  ASSERT_TRUE(host.ReplaceWholeFile("C:\\a.txt", std::string("old\0text", 8)));
  EXPECT_EQ(ReadHost(dir.path / "a.txt"), std::string("old\0text", 8));
  ASSERT_TRUE(host.ReplaceWholeFile("C:\\a.txt", "new"));
  EXPECT_EQ(ReadHost(dir.path / "a.txt"), "new");
  // A write into a missing folder fails and leaves nothing behind.
  EXPECT_FALSE(host.ReplaceWholeFile("C:\\missing\\a.txt", "x"));
  // A folder of that name is never replaced by a file.
  fs::create_directory(dir.path / "sub");
  EXPECT_FALSE(host.ReplaceWholeFile("C:\\sub", "x"));
  EXPECT_TRUE(fs::is_directory(dir.path / "sub"));
  // A read-only folder: the write fails, the old file is untouched.
  fs::create_directory(dir.path / "ro");
  std::ofstream(dir.path / "ro" / "keep.yvl") << "level";
  fs::permissions(dir.path / "ro", fs::perms::owner_read | fs::perms::owner_exec);
  if (geteuid() != 0) {  // root writes anywhere
    EXPECT_FALSE(host.ReplaceWholeFile("C:\\ro\\keep.yvl", "broken"));
    EXPECT_EQ(ReadHost(dir.path / "ro" / "keep.yvl"), "level");
  }
  fs::permissions(dir.path / "ro", fs::perms::owner_all);
  // No temporary files are left in the folder.
  int count = 0;
  for (auto& e : fs::directory_iterator(dir.path)) count += e.is_regular_file() ? 1 : 0;
  EXPECT_EQ(count, 1);
  SetDriveCFolder("");
}

TEST(Files, ExistsDeleteFoldersListingAndLength) {
  TempDir dir;
  SetDriveCFolder(dir.path.string());
  HostFileSystem host;
  EXPECT_FALSE(host.FileExists("C:\\x.yvl"));
  EXPECT_EQ(host.FileLength("C:\\x.yvl"), -1);
  ASSERT_TRUE(host.ReplaceWholeFile("C:\\x.yvl", "12345"));
  EXPECT_TRUE(host.FileExists("C:\\x.yvl"));
  EXPECT_EQ(host.FileLength("C:\\x.yvl"), 5);
  EXPECT_TRUE(host.MakeFolder("C:\\set"));
  EXPECT_FALSE(host.MakeFolder("C:\\set"));  // exists already
  EXPECT_TRUE(host.FolderExists("C:\\set"));
  EXPECT_FALSE(host.FileExists("C:\\set"));  // a folder is no file
  host.ReplaceWholeFile("C:\\set\\b.png", "b");
  host.ReplaceWholeFile("C:\\set\\A.jpg", "a");
  fs::create_directory(dir.path / "set" / "inner");
  EXPECT_EQ(host.ListFiles("C:\\set"), (std::vector<std::string>{"A.jpg", "b.png"}));
  host.DeleteQuietly("C:\\x.yvl");
  EXPECT_FALSE(host.FileExists("C:\\x.yvl"));
  host.DeleteQuietly("C:\\x.yvl");  // missing: nothing happens
  host.DeleteQuietly("C:\\set");    // a folder is never deleted
  EXPECT_TRUE(host.FolderExists("C:\\set"));
  host.DeleteQuietly("");
  SetDriveCFolder("");
}

TEST(LineInput, LinesEndAtCrOrCrLfAndALoneLfStays) {
  MemoryFileSystem mem;
  FileSystem* previous = FileSystem::Install(&mem);
  mem.Put("C:\\t.txt", "one\r\ntwo\rthree\nstill three\r\r\nlast");
  int n = FreeFile();
  ASSERT_GT(n, 0);
  ASSERT_TRUE(OpenForInput(n, "C:\\t.txt"));
  EXPECT_EQ(FreeFile(), n + 1);
  std::string line;
  ASSERT_TRUE(LineInput(n, line));
  EXPECT_EQ(line, "one");
  ASSERT_TRUE(LineInput(n, line));
  EXPECT_EQ(line, "two");
  ASSERT_TRUE(LineInput(n, line));
  EXPECT_EQ(line, "three\nstill three");
  ASSERT_TRUE(LineInput(n, line));
  EXPECT_EQ(line, "");  // the CR right before CR LF ends an empty line
  EXPECT_FALSE(AtEndOfFile(n));
  ASSERT_TRUE(LineInput(n, line));
  EXPECT_EQ(line, "last");  // a last line without an end
  EXPECT_TRUE(AtEndOfFile(n));
  EXPECT_FALSE(LineInput(n, line));  // reading past the end fails
  CloseFile(n);
  EXPECT_FALSE(LineInput(n, line));

  mem.Put("C:\\crlf.txt", "a\r\n");
  ASSERT_TRUE(OpenForInput(n, "C:\\crlf.txt"));
  ASSERT_TRUE(LineInput(n, line));
  EXPECT_EQ(line, "a");
  EXPECT_FALSE(LineInput(n, line));  // the final CR LF gives no further empty line
  CloseFile(n);

  mem.Put("C:\\empty.txt", "");
  ASSERT_TRUE(OpenForInput(n, "C:\\empty.txt"));
  EXPECT_FALSE(LineInput(n, line));
  CloseFile(n);
  EXPECT_FALSE(OpenForInput(n, "C:\\missing.txt"));
  FileSystem::Install(previous);
}

TEST(ScriptedUi, AnswersFromItsQueuesAndRecordsEveryRequest) {
  ScriptedUi ui;
  ui.msgAnswers = {kYes};
  EXPECT_EQ(MsgBox("Sure?", kQuestionYesNoCancel, "T"), kYes);
  EXPECT_EQ(MsgBox("Oops", kCriticalOk, "E"), kOk);                 // queue empty, OK-only box
  EXPECT_EQ(MsgBox("Again?", kQuestionYesNo, "Q"), kCancel);        // queue empty, question
  ASSERT_EQ(ui.msgCalls.size(), 3u);
  EXPECT_EQ(ui.msgCalls[1].text, "Oops");
  EXPECT_EQ(ui.msgCalls[1].style, 16);
  EXPECT_EQ(ui.msgCalls[1].title, "E");

  ui.inputAnswers = {"MySet"};
  EXPECT_EQ(InputBox("Name?", "Title"), "MySet");
  EXPECT_EQ(InputBox("Name?", "Title"), "");
  EXPECT_EQ(ui.inputCalls.size(), 2u);

  CommonDialog cd;
  cd.CancelError = true;
  cd.Filter = "*.yvl|*.yvl";
  cd.FileName = "C:\\old.yvl";
  ui.fileAnswers = {std::string("C:\\new.yvl"), std::nullopt};
  cd.ShowOpen();
  EXPECT_EQ(cd.FileName, "C:\\new.yvl");
  EXPECT_THROW(cd.ShowSave(), CancelError);
  EXPECT_EQ(cd.FileName, "C:\\new.yvl");  // a cancel changes nothing
  ASSERT_EQ(ui.fileCalls.size(), 2u);
  EXPECT_FALSE(ui.fileCalls[0].save);
  EXPECT_TRUE(ui.fileCalls[1].save);
  EXPECT_EQ(ui.fileCalls[1].fileName, "C:\\new.yvl");
  cd.CancelError = false;
  EXPECT_NO_THROW(cd.ShowOpen());  // without the property a cancel raises nothing
}

TEST(ScriptedUi, PutsThePreviousServicesBack) {
  {
    ScriptedUi outer;
    outer.msgAnswers = {kNo};
    {
      ScriptedUi inner;
      inner.msgAnswers = {kYes};
      EXPECT_EQ(MsgBox("x", kQuestionYesNo, "t"), kYes);
    }
    EXPECT_EQ(MsgBox("x", kQuestionYesNo, "t"), kNo);
    EXPECT_EQ(outer.msgCalls.size(), 1u);
  }
}
