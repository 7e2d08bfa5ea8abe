#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "model/BuildLock.h"
#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Info.h"
#include "model/YVE_Main.h"
#include "model/YVE_Write.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/System.h"
#include "tests/support/MemoryFileSystem.h"
#include "tests/support/TestState.h"

using namespace yv;
namespace fs = std::filesystem;

namespace {

std::string ReadHostFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

fs::path TestDataFolder() { return fs::path(__FILE__).parent_path().parent_path() / "data"; }

std::string Lines(std::initializer_list<std::string> lines, const std::string& end = "\n") {
  std::string out;
  for (const auto& line : lines) out += line + end;
  return out;
}

// 14 empty tile rows and the map's ")" for a level of width 0.
std::string EmptyRowsAndClose() { return std::string(14, '\n') + ")\n"; }

class LevelWriter : public ::testing::Test {
 protected:
  platform::MemoryFileSystem mem;
  platform::FileSystem* previous = nullptr;
  int pumps = 0;
  void SetUp() override {
    previous = platform::FileSystem::Install(&mem);
    test::ResetProgramState();
    platform::InstallEventPump({[this] { ++pumps; }, nullptr});
  }
  void TearDown() override {
    platform::InstallEventPump({});
    platform::FileSystem::Install(previous);
    UseCrLfLineEnds();
  }

  // A level of width 3 with a little of everything.
  void SmallLevel() {
    Level.Comment = "my level";
    Level.Version = "2";
    Level.Author = "Ann (B)";
    Level.Name = "Caves";
    Level.Width = 3;
    Level.Height = 15;
    Level.StartPosX = -64;
    Level.StartPosY = 320;
    Level.Background = "arctis.jpg";
    Level.Music = "cave.mod";
    Level.ParticleSystem = "";
    Level.Theme = "antarctica";
    Level.BkgdRedTop = 1;
    Level.BkgdGreenTop = 2;
    Level.BkgdBlueTop = 3;
    Level.BkgdRedBottom = 4;
    Level.BkgdGreenBottom = 5;
    Level.BkgdBlueBottom = 6;
    Level.TimeLimit = 300;
    Level.BkgdSpeed = 0.5;
    Level.HorAutoscrollSpeed = -1.25;
    Level.BackScrolling = "t";
    Level.Gravity = 10;
    Level.TrailingComment = "the end";
    for (TileMap* map : {&Level.BackgroundTM, &Level.InteractiveTM, &Level.ForegroundTM}) map->Create(3, 15);
    Level.BackgroundTM.Set(0, 0, 1);
    Level.BackgroundTM.Set(2, 0, 12);
    Level.InteractiveTM.Set(1, 14, 204);
    Level.ForegroundTM.Set(2, 7, 32767);
    AppendResetPoint() = {-32, 448};
    AppendObject() = {5, "jumpy", -100, 32767, 1};
    AppendObject() = {0, "penguin(big)", 0, -32768, 2};
  }
};

}  // namespace

TEST_F(LevelWriter, SmallLevelIsWrittenLineForLine) {
  SmallLevel();
  ASSERT_TRUE(WriteLevelFile("C:\\levels\\small.yvl"));
  const std::string zeros = "0 0 0 ";
  std::string expected = Lines({
      "; my level",
      "(yorvane-level",
      "  (version 2)",
      "  (author \"Ann (B)\")",
      "  (name \"Caves\")",
      "  (width  3)",
      "  (height 15)",
      "  (start_pos_x -64)",
      "  (start_pos_y 320)",
      "  (background \"arctis.jpg\")",
      "  (music \"cave.mod\")",
      "  (particle_system \"\")",
      "  (theme \"antarctica\")",
      "  (bkgd_red_top    1)",
      "  (bkgd_green_top  2)",
      "  (bkgd_blue_top   3)",
      "  (bkgd_red_bottom    4)",
      "  (bkgd_green_bottom  5)",
      "  (bkgd_blue_bottom   6)",
      "  (time 300)",
      "  (bkgd_speed 0.5)",
      "  (hor_autoscroll_speed -1.25)",
      "  (back_scrolling #t)",
      "  (gravity 10)",
      "  (background-tm  1 0 12 ",
  });
  for (int row = 1; row <= 14; ++row) expected += zeros + "\n";
  expected += ")\n  (interactive-tm  " + zeros + "\n";
  for (int row = 1; row <= 13; ++row) expected += zeros + "\n";
  expected += "0 204 0 \n)\n  (foreground-tm  " + zeros + "\n";
  for (int row = 1; row <= 14; ++row) expected += (row == 7 ? "0 0 32767 " : zeros) + "\n";
  expected += Lines({
      ")",
      "(reset-points",
      "  (point (x -32) (y 448))",
      ")",
      "(objects",
      "(jumpy (x -100) (y 32767) (stay-on-platform #t))",
      "(penguin(big) (x 0) (y -32768) (stay-on-platform #f))",
      ")",
      ")",
      ";; the end",
  });
  EXPECT_EQ(LevelText, expected);
  std::string file;
  ASSERT_TRUE(mem.ReadWholeFile("C:\\levels\\small.yvl", file));
  EXPECT_EQ(file, expected);
  // The normalised comments are kept in the level.
  EXPECT_EQ(Level.Comment, "; my level");
  EXPECT_EQ(Level.TrailingComment, ";; the end");
  // The writer leaves the line ends in their LF form.
  EXPECT_EQ(NewLine, "\n");
  EXPECT_EQ(CloseLine, ")\n");
  // Pump: at each of the 45 tile rows, before the lists, after the write.
  EXPECT_EQ(pumps, 47);
}

TEST_F(LevelWriter, NewLevelMatchesTheCheckedFile) {
  Pref.DefaultAuthor = "  Level Tester  ";
  Pref.AddEndSequence = 1;
  Pref.AddIgloo = 1;
  Pref.FloorTile = 37;
  ASSERT_TRUE(CreateNewLevel("C:\\Program Files\\Yorvane\\.yorvane\\levels\\mine"));
  ASSERT_TRUE(WriteLevelFile(Pref.LastLevelFile));
  std::string written;
  ASSERT_TRUE(mem.ReadWholeFile("C:\\Program Files\\Yorvane\\.yorvane\\levels\\mine\\level1.yvl", written));
  const std::string expected = ReadHostFile(TestDataFolder() / "new_level.yvl");
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(written, expected);
  // With no bad guys and no reset points the file ends with the empty lists.
  EXPECT_EQ(written.substr(written.size() - 32), "\n)\n(reset-points\n)\n(objects\n)\n)\n");
}

TEST_F(LevelWriter, CommentsAreNormalised) {
  struct Case {
    std::string comment, firstLine, kept;
  };
  for (const Case& c :
       {Case{"my level", "; my level", "; my level"}, Case{"  ;x  ", ";x", ";x"}, Case{"", ";Yorvane-Level", ""},
        Case{"   ", ";Yorvane-Level", ""}, Case{";;two", ";;two", ";;two"}, Case{"\tx", "; \tx", "; \tx"}}) {
    Level.Comment = c.comment;
    BuildLevelText();
    EXPECT_EQ(LevelText.substr(0, LevelText.find('\r')), c.firstLine) << "[" << c.comment << "]";
    EXPECT_EQ(Level.Comment, c.kept);
  }

  struct Tail {
    std::string comment, lastLine, kept;
  };
  for (const Tail& t : {Tail{"end", ";; end", ";; end"}, Tail{" ;;end ", ";;end", ";;end"},
                        Tail{";end", ";; ;end", ";; ;end"}, Tail{"   ", ")", ""}, Tail{"", ")", ""}}) {
    Level.TrailingComment = t.comment;
    BuildLevelText();
    ASSERT_GE(LevelText.size(), 2u);
    std::string body = LevelText.substr(0, LevelText.size() - 2);  // without the last CR LF
    EXPECT_EQ(body.substr(body.rfind('\n') + 1), t.lastLine) << "[" << t.comment << "]";
    EXPECT_EQ(Level.TrailingComment, t.kept);
  }
}

TEST_F(LevelWriter, WidthAndHeightZeroLeaveTheirLinesOut) {
  Level.Width = 0;
  Level.Height = 0;
  UseLfLineEnds();
  BuildLevelText();
  EXPECT_EQ(LevelText.find("(width"), std::string::npos);
  EXPECT_EQ(LevelText.find("(height"), std::string::npos);
  EXPECT_NE(LevelText.find("  (name \"\")\n  (start_pos_x 0)\n"), std::string::npos);
  EXPECT_NE(LevelText.find("  (gravity 0)\n  (background-tm  \n" + EmptyRowsAndClose() + "  (interactive-tm  \n" +
                           EmptyRowsAndClose() + "  (foreground-tm  \n" + EmptyRowsAndClose() + "(reset-points\n"),
            std::string::npos);

  Level.Width = -5;  // damaged values are left out the same way
  Level.Height = -1;
  BuildLevelText();
  EXPECT_EQ(LevelText.find("(width"), std::string::npos);
  EXPECT_EQ(LevelText.find("(height"), std::string::npos);
}

TEST_F(LevelWriter, ObjectsKeepTheirNamesAndFlags) {
  AppendObject() = {0, "Snowball", 1, 2, 0};  // a name not in the table is written as read
  AppendObject() = {3, "flyingsnowball", 3, 4, 2};
  AppendObject() = {9, "fish", 5, 6, 1};
  AppendObject() = {9, "fish", 7, 8, -1};
  UseLfLineEnds();
  BuildLevelText();
  EXPECT_NE(LevelText.find("(objects\n"
                           "(Snowball (x 1) (y 2) (stay-on-platform #f))\n"
                           "(flyingsnowball (x 3) (y 4) (stay-on-platform #f))\n"
                           "(fish (x 5) (y 6) (stay-on-platform #t))\n"
                           "(fish (x 7) (y 8) (stay-on-platform #f))\n"
                           ")\n)\n"),
            std::string::npos);
  EXPECT_EQ(StayOnPlatformFlag(1), "f");
  EXPECT_EQ(StayOnPlatformFlag(2), "f");  // 2 does not count as staying
  EXPECT_EQ(StayOnPlatformFlag(3), "t");
  EXPECT_EQ(StayOnPlatformFlag(99), "f");  // no such object
}

TEST_F(LevelWriter, NumbersAndBackScrolling) {
  UseLfLineEnds();
  struct Case {
    double value;
    const char* text;
  };
  for (const Case& c : {Case{44, "44"}, Case{0.5, "0.5"}, Case{8, "8"}, Case{-0.125, "-0.125"}, Case{0.1 + 0.2, "0.3"},
                        Case{123456789.123456789, "123456789.123457"}, Case{1e20, "100000000000000000000"},
                        Case{-2.5e-7, "-0.00000025"}, Case{0, "0"}}) {
    Level.Gravity = c.value;
    BuildLevelText();
    EXPECT_NE(LevelText.find(std::string("  (gravity ") + c.text + ")\n"), std::string::npos) << c.text;
  }
  Level.TimeLimit = -32768;
  Level.BkgdBlueBottom = -1;
  Level.BackScrolling = "";  // the first new level of a run has none
  BuildLevelText();
  EXPECT_NE(LevelText.find("  (time -32768)\n"), std::string::npos);
  EXPECT_NE(LevelText.find("  (bkgd_blue_bottom   -1)\n"), std::string::npos);
  EXPECT_NE(LevelText.find("  (back_scrolling #f)\n"), std::string::npos);
  EXPECT_EQ(Level.BackScrolling, "");  // only the text says "f"
  Level.BackScrolling = "t";
  BuildLevelText();
  EXPECT_NE(LevelText.find("  (back_scrolling #t)\n"), std::string::npos);
}

TEST_F(LevelWriter, WindowTextIsTheFileTextWithCrLf) {
  SmallLevel();
  UseLfLineEnds();
  BuildLevelText();
  std::string lf = LevelText;
  UseCrLfLineEnds();
  BuildLevelText();
  std::string expected;
  for (char c : lf) expected += c == '\n' ? std::string("\r\n") : std::string(1, c);
  EXPECT_EQ(LevelText, expected);
  EXPECT_EQ(NewLine, "\r\n");  // building does not switch the line ends
}

TEST_F(LevelWriter, CellsTheMapsDoNotHoldAreWrittenAsZero) {
  // A width read without maps (narrow, first level of a run), or wider than
  // the maps it was read over.
  Level.Width = 5;
  UseLfLineEnds();
  BuildLevelText();
  EXPECT_NE(LevelText.find("  (background-tm  0 0 0 0 0 \n0 0 0 0 0 \n"), std::string::npos);

  for (TileMap* map : {&Level.BackgroundTM, &Level.InteractiveTM, &Level.ForegroundTM}) map->Create(2, 15);
  Level.ForegroundTM.Set(0, 14, 7);
  Level.ForegroundTM.Set(1, 14, 8);
  Level.ForegroundTM.Set(2, 14, 9);
  Level.Width = 4;
  BuildLevelText();
  EXPECT_NE(LevelText.find("\n7 8 9 0 \n)\n(reset-points"), std::string::npos);
}

TEST_F(LevelWriter, FailedWriteKeepsTheOldFileAndSaysSo) {
  SmallLevel();
  mem.Put("C:\\levels\\small.yvl", "old level");
  mem.failWrites = true;
  EXPECT_FALSE(WriteLevelFile("C:\\levels\\small.yvl"));
  std::string file;
  ASSERT_TRUE(mem.ReadWholeFile("C:\\levels\\small.yvl", file));
  EXPECT_EQ(file, "old level");
  EXPECT_EQ(pumps, 47);  // the pump still runs after the failed write
  mem.failWrites = false;

  // A blank path writes nothing, builds nothing and leaves the line ends alone.
  UseCrLfLineEnds();
  LevelText = "before";
  pumps = 0;
  EXPECT_TRUE(WriteLevelFile("   "));
  EXPECT_TRUE(WriteLevelFile(""));
  EXPECT_EQ(LevelText, "before");
  EXPECT_EQ(NewLine, "\r\n");
  EXPECT_EQ(pumps, 0);
  EXPECT_EQ(mem.files.size(), 1u);
}

TEST_F(LevelWriter, HostFileIsReplacedWhole) {
  char tmpl[] = "/tmp/yv_writer_XXXXXX";
  ASSERT_NE(mkdtemp(tmpl), nullptr);
  const fs::path dir = tmpl;
  platform::HostFileSystem host;
  platform::FileSystem::Install(&host);
  platform::SetDriveCFolder(dir.string());
  {
    std::ofstream old(dir / "lvl.yvl", std::ios::binary);
    old << std::string(100000, 'x');  // a longer old file leaves nothing behind
  }
  SmallLevel();
  EXPECT_TRUE(WriteLevelFile("C:\\lvl.yvl"));
  EXPECT_EQ(ReadHostFile(dir / "lvl.yvl"), LevelText);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);  // no temporary left

  EXPECT_FALSE(WriteLevelFile("C:\\no such folder\\lvl.yvl"));
  EXPECT_FALSE(fs::exists(dir / "no such folder"));

  platform::SetDriveCFolder("");
  fs::remove_all(dir);
}

// A build or save reached through the event pump of one that is running is
// refused and changes nothing; the running one keeps the line ends it started
// with, whatever the pump switches meanwhile, and publishes its text whole.
TEST_F(LevelWriter, ABuildReachedThroughThePumpIsRefusedAndTheRunningOneStaysWhole) {
  SmallLevel();
  const std::string kPath = "C:\\levels\\small.yvl", kOther = "C:\\levels\\other", kInfo = "C:\\levels\\info";
  UseLfLineEnds();
  ASSERT_TRUE(BuildLevelText());
  const std::string lfText = LevelText;
  UseCrLfLineEnds();
  ASSERT_TRUE(BuildLevelText());
  const std::string crlfText = LevelText;

  auto save = [&] { return WriteLevelFile(kPath); };
  auto viewText = [] {
    UseCrLfLineEnds();
    return BuildLevelText();
  };
  struct Case {
    const char* name;
    std::function<bool()> outer, inner;
    std::string published;    // LevelText afterwards
    std::string fileWritten;  // kPath afterwards, "" when it must not exist
  };
  const Case cases[] = {
      {"view text during a save", save, viewText, lfText, lfText},
      {"save during view text", viewText, save, crlfText, ""},
      {"save as during a save", save, [&] { return WriteLevelFile(kOther); }, lfText, lfText},
      {"info save during a save", save, [&] { return WriteInfoFile(kInfo); }, lfText, lfText},
  };
  for (const Case& c : cases) {
    mem.files.clear();
    InfoText = "info before";
    int calls = 0;
    bool innerResult = true;
    platform::InstallEventPump({[&] {
                                  if (++calls == 3) {
                                    EXPECT_TRUE(BuildInProgress()) << c.name;
                                    innerResult = c.inner();
                                  }
                                },
                                nullptr});
    EXPECT_TRUE(c.outer()) << c.name;
    EXPECT_FALSE(innerResult) << c.name;
    EXPECT_FALSE(BuildInProgress()) << c.name;
    EXPECT_EQ(LevelText, c.published) << c.name;
    EXPECT_EQ(WorkText, c.published) << c.name;
    EXPECT_EQ(InfoText, "info before") << c.name;
    std::string file;
    EXPECT_EQ(mem.ReadWholeFile(kPath, file), !c.fileWritten.empty()) << c.name;
    EXPECT_EQ(file, c.fileWritten) << c.name;
    EXPECT_FALSE(mem.FileExists(kOther) || mem.FileExists(kInfo)) << c.name;
  }
}
