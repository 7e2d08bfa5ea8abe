#include <gtest/gtest.h>

#include <filesystem>

#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Main.h"
#include "model/YVE_Write.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/System.h"
#include "tests/support/MemoryFileSystem.h"
#include "tests/support/TestState.h"

using namespace yv;

TEST(UserName, CutRuleOfTheLoginName) {
  auto cut = [](const std::string& name) { return CutUserName(name, true); };
  EXPECT_EQ(cut("abcd.efg"), "ABCD" + std::string(12, ' '));
  EXPECT_EQ(cut("wxyz"), "WXYZ" + std::string(12, ' '));
  EXPECT_EQ(cut("abc def"), "ABC" + std::string(13, ' '));
  EXPECT_EQ(cut("abcdefghijklm"), std::string(16, ' '));  // 13 letters
  EXPECT_EQ(cut("abcdefghi"), std::string(16, ' '));      // 9 letters
  EXPECT_EQ(cut("abcdefgh"), "ABCDEFGH" + std::string(8, ' '));
  EXPECT_EQ(cut("a"), "A" + std::string(15, ' '));
  EXPECT_EQ(cut("ab-cdefghijk"), "AB" + std::string(14, ' '));  // "-" is below "0"
  EXPECT_EQ(cut(""), std::string(16, ' '));
  EXPECT_EQ(cut(std::string(25, 'x')), std::string(16, ' '));             // does not fit the buffer
  EXPECT_EQ(CutUserName("anna", false), std::string(16, ' '));            // the call failed
  EXPECT_EQ(cut("j\xe9r\xf4me"), "J\xc9R\xd4ME" + std::string(10, ' '));  // letters of the code page

  platform::SetLoginNameSource([](std::string& n) {
    n = "mira";
    return true;
  });
  ReadUserName();
  EXPECT_EQ(UserName, "MIRA" + std::string(12, ' '));
  platform::SetLoginNameSource([](std::string&) { return false; });
  ReadUserName();
  EXPECT_EQ(UserName, std::string(16, ' '));
  platform::SetLoginNameSource(nullptr);
}

TEST(LineEnds, WhicheverSwitchRanLastDecides) {
  UseLfLineEnds();
  UseCrLfLineEnds();
  EXPECT_EQ(NewLine, "\r\n");
  EXPECT_EQ(Quote, "\"");
  EXPECT_EQ(CloseLine, ")\r\n");
  EXPECT_EQ(CloseCloseLine, "))\r\n");
  EXPECT_EQ(QuoteCloseLine, "\")\r\n");
  EXPECT_EQ(QuoteCloseCloseLine, "\"))\r\n");
  UseCrLfLineEnds();
  UseLfLineEnds();
  EXPECT_EQ(NewLine, "\n");
  EXPECT_EQ(Quote, "\"");
  EXPECT_EQ(CloseLine, ")\n");
  EXPECT_EQ(CloseCloseLine, "))\n");
  EXPECT_EQ(QuoteCloseLine, "\")\n");
  EXPECT_EQ(QuoteCloseCloseLine, "\"))\n");
  UseCrLfLineEnds();
}

TEST(PathSplitters, FolderAndFileNameParts) {
  EXPECT_EQ(GetDirectoryPart("C:\\a\\b.yvl"), "C:\\a\\");
  EXPECT_EQ(GetDirectoryPart("b.yvl"), "");
  EXPECT_EQ(GetDirectoryPart(""), "");
  EXPECT_EQ(GetDirectoryPart("C:\\a\\"), "C:\\a\\");
  EXPECT_EQ(GetDirectoryPart("C:/a/b.yvl"), "");  // the backslash is the only separator
  EXPECT_EQ(GetFileNamePart("C:\\a\\b.yvl"), "b.yvl");
  EXPECT_EQ(GetFileNamePart("b.yvl"), "b.yvl");
  EXPECT_EQ(GetFileNamePart("C:\\a\\"), "");
  EXPECT_EQ(GetFileNamePart("\\x"), "x");
}

TEST(DeleteQuietly, IgnoresEverythingAndTouchesNothingForAnEmptyPath) {
  platform::MemoryFileSystem mem;
  auto* previous = platform::FileSystem::Install(&mem);
  mem.Put("C:\\keep", "1");
  mem.Put("C:\\gone", "2");
  DeleteFileQuietly("");
  DeleteFileQuietly("C:\\missing");
  DeleteFileQuietly("C:\\gone");
  EXPECT_TRUE(mem.FileExists("C:\\keep"));
  EXPECT_FALSE(mem.FileExists("C:\\gone"));
  platform::FileSystem::Install(previous);
}

// Every folder the editor opens or offers is one the game installs: the
// sample tree lies on drive C: as the game does.
TEST(Globals, EveryFolderIsOneOfTheGameTree) {
  test::ResetProgramState();
  platform::SetDriveCFolder(
      (std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "sample").string());
  for (const std::string* folder :
       {&InstallDir, &DataDir, &LevelsDir, &UserLevelsDir, &ImagesDir, &BackgroundDir, &MusicDir, &WorldMapsDir})
    EXPECT_TRUE(std::filesystem::is_directory(platform::ToHostPath(*folder))) << *folder;
  platform::SetDriveCFolder("");
}

namespace {

// Runs Main on a memory file system holding the given preference record.
struct MainRun {
  platform::MemoryFileSystem mem;
  platform::FileSystem* previous;
  bool mainFrmLoaded = false;
  explicit MainRun(const PreferenceRecord* saved) {
    previous = platform::FileSystem::Install(&mem);
    platform::SetProgramFolder("C:\\Editor");
    if (saved) mem.Put("C:\\Editor\\YV_Editor.Preferences", EncodePreferences(*saved));
    test::ResetProgramState();
    UseLfLineEnds();
    Windows.loadMainFrm = [this] { mainFrmLoaded = true; };
    Main();
  }
  ~MainRun() {
    platform::FileSystem::Install(previous);
    platform::SetProgramFolder("");
    Windows = WindowHooks{};
  }
};

struct Clamp {
  int16_t layer, mode, kind, tileSet;
  int16_t wantLayer, wantMode, wantKind, wantTileSet;
};

}  // namespace

TEST(Main, ClampsTheFourSavedChoicesAndOpensTheMainWindow) {
  const Clamp cases[] = {
      {3, 2, 9, 2, 3, 2, 9, 2},    // all at their upper bounds stay
      {4, 3, 10, 3, 1, 0, -1, 0},  // above: interactive layer, tiles, none, all tiles
      {0, 0, -1, 0, 0, 0, -1, 0},
      {-1, -5, -2, -1, 1, 0, -1, 0},  // a damaged file: negatives like the values above the range
      {32767, 32767, 32767, 32767, 1, 0, -1, 0},
  };
  for (const Clamp& c : cases) {
    PreferenceRecord saved;
    saved.SavedLayer = c.layer;
    saved.SavedMode = c.mode;
    saved.SavedBadGuyKind = c.kind;
    saved.SavedTileSet = c.tileSet;
    MainRun run(&saved);
    EXPECT_EQ(CurrentLayer, c.wantLayer) << c.layer;
    EXPECT_EQ(EditMode, c.wantMode) << c.mode;
    EXPECT_EQ(SelectedBadGuyKind, c.wantKind) << c.kind;
    EXPECT_EQ(TileSetChoice, c.wantTileSet) << c.tileSet;
    EXPECT_TRUE(run.mainFrmLoaded);
    EXPECT_EQ(NewLine, "\r\n");  // Main selects CR LF before anything is built
    EXPECT_EQ(CloseLine, ")\r\n");
  }
}

TEST(Main, WithoutAPreferencesFileEverythingStartsAtZeroAndAnEmptyFileIsMade) {
  MainRun run(nullptr);
  EXPECT_EQ(Pref, PreferenceRecord{});
  EXPECT_EQ(CurrentLayer, 0);
  EXPECT_EQ(EditMode, 0);
  EXPECT_EQ(SelectedBadGuyKind, 0);
  EXPECT_EQ(TileSetChoice, 0);
  EXPECT_EQ(run.mem.FileLength("C:\\Editor\\YV_Editor.Preferences"), 0);
}

TEST(DialogWait, PumpsEventsUntilTheDialogHasClosed) {
  test::ResetProgramState();
  int pumped = 0;
  bool shown = false;
  auto previous = platform::InstallEventPump({[&] {
                                                if (++pumped == 3) DialogDone = true;  // the dialog unloads
                                              },
                                              nullptr});
  DialogDone = true;  // left over from an earlier dialog: the wait clears it first
  EXPECT_TRUE(WaitForDialog([&] { shown = true; }));
  EXPECT_TRUE(shown);
  EXPECT_EQ(pumped, 3);

  // ShowNewInfoDialog returns what the dialog left in NewInfoResult.
  pumped = 0;
  NewInfoResult = true;  // cleared before the dialog opens
  bool resultWhenShown = true;
  Windows.loadNewInfoFrm = [&] { resultWhenShown = NewInfoResult; };
  EXPECT_FALSE(ShowNewInfoDialog());
  EXPECT_FALSE(resultWhenShown);
  pumped = 0;
  platform::InstallEventPump({[&] {
                                if (++pumped == 2) {
                                  NewInfoResult = true;  // "Create"
                                  DialogDone = true;
                                }
                              },
                              nullptr});
  EXPECT_TRUE(ShowNewInfoDialog());

  // A second wait started from inside the first is refused and shows nothing.
  pumped = 0;
  int innerShown = 0;
  bool innerResult = true;
  platform::InstallEventPump({[&] {
                                if (++pumped == 1) {
                                  innerResult = WaitForDialog([&] { ++innerShown; });
                                } else {
                                  DialogDone = true;
                                }
                              },
                              nullptr});
  EXPECT_TRUE(WaitForDialog([] {}));
  EXPECT_FALSE(innerResult);
  EXPECT_EQ(innerShown, 0);
  platform::InstallEventPump(std::move(previous));
}

TEST(Numbers, DoublesAsPlainDecimalText) {
  EXPECT_EQ(FormatDouble(44), "44");
  EXPECT_EQ(FormatDouble(0.5), "0.5");
  EXPECT_EQ(FormatDouble(8), "8");
  EXPECT_EQ(FormatDouble(0), "0");
  EXPECT_EQ(FormatDouble(-0.0), "0");
  EXPECT_EQ(FormatDouble(-2.25), "-2.25");
  EXPECT_EQ(FormatDouble(0.1), "0.1");  // 15 significant digits hide the binary error
  EXPECT_EQ(FormatDouble(1.0 / 3), "0.333333333333333");
  EXPECT_EQ(FormatDouble(123456789012345678.0), "123456789012346000");
  EXPECT_EQ(FormatDouble(1e20), "100000000000000000000");
  EXPECT_EQ(FormatDouble(0.00001), "0.00001");
  EXPECT_EQ(FormatDouble(1.5e-7), "0.00000015");
  EXPECT_EQ(FormatDouble(0.999999999999999999), "1");
  EXPECT_EQ(FormatDouble(9.99999999999999e14), "999999999999999");
  EXPECT_EQ(FormatInt(-32768), "-32768");
  EXPECT_EQ(FormatInt(0), "0");
}

TEST(Numbers, TypedTextToNumbers) {
  int16_t v = 7;
  EXPECT_TRUE(TextToInt16("123", v));
  EXPECT_EQ(v, 123);
  EXPECT_TRUE(TextToInt16(" -45 ", v));
  EXPECT_EQ(v, -45);
  EXPECT_TRUE(TextToInt16("2.5", v));
  EXPECT_EQ(v, 2);  // halves to the even neighbour
  EXPECT_TRUE(TextToInt16("3.5", v));
  EXPECT_EQ(v, 4);
  EXPECT_TRUE(TextToInt16("32767", v));
  EXPECT_TRUE(TextToInt16("-32768", v));
  EXPECT_EQ(v, -32768);
  v = 9;
  EXPECT_FALSE(TextToInt16("32768", v));
  EXPECT_FALSE(TextToInt16("", v));
  EXPECT_FALSE(TextToInt16("abc", v));
  EXPECT_FALSE(TextToInt16("12a", v));
  EXPECT_FALSE(TextToInt16("-", v));
  EXPECT_FALSE(TextToInt16(".", v));
  EXPECT_EQ(v, 9);  // every failure leaves the value alone

  double d = 1.25;
  EXPECT_TRUE(TextToDouble("0.5", d));
  EXPECT_EQ(d, 0.5);
  EXPECT_TRUE(TextToDouble("-8", d));
  EXPECT_EQ(d, -8);
  EXPECT_TRUE(TextToDouble(".25", d));
  EXPECT_EQ(d, 0.25);
  EXPECT_TRUE(TextToDouble("1e3", d));
  EXPECT_EQ(d, 1000);
  d = 1.25;
  EXPECT_FALSE(TextToDouble("0,5", d));  // the separator is "." whatever the locale
  EXPECT_FALSE(TextToDouble("inf", d));
  EXPECT_FALSE(TextToDouble("nan", d));
  EXPECT_FALSE(TextToDouble("1e400", d));
  EXPECT_FALSE(TextToDouble("", d));
  EXPECT_EQ(d, 1.25);
}

TEST(Text, TrimAndLetterCase) {
  EXPECT_EQ(Trim("  a b  "), "a b");
  EXPECT_EQ(Trim("\ta\t"), "\ta\t");  // blanks only, tabs stay
  EXPECT_EQ(LTrim("  x "), "x ");
  EXPECT_EQ(RTrim("  x "), "  x");
  EXPECT_EQ(UCase("(title \"x\")"), "(TITLE \"X\")");
  EXPECT_EQ(LCase("ABC.PNG"), "abc.png");
  EXPECT_TRUE(StartsWith("(version 1)", "(version"));
  EXPECT_FALSE(StartsWith("(vers", "(version"));
}
