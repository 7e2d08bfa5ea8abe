#include <gtest/gtest.h>

#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Main.h"
#include "platform/FileSystem.h"
#include "tests/support/MemoryFileSystem.h"
#include "tests/support/TestState.h"

using namespace yv;

namespace {

class LevelDocument : public ::testing::Test {
 protected:
  platform::MemoryFileSystem mem;
  platform::FileSystem* previous = nullptr;
  std::string caption;
  void SetUp() override {
    previous = platform::FileSystem::Install(&mem);
    test::ResetProgramState();
    Windows.setFileNameCaption = [this](const std::string& c) { caption = c; };
  }
  void TearDown() override {
    platform::FileSystem::Install(previous);
    Windows = WindowHooks{};
  }
};

}  // namespace

TEST_F(LevelDocument, LookupBadGuyKindMatchesExactlyAndCounts) {
  EXPECT_EQ(LookupBadGuyKind("jumpy"), 5);
  EXPECT_EQ(BadGuyKinds[5].Count, 1);
  EXPECT_EQ(LookupBadGuyKind("jumpy"), 5);
  EXPECT_EQ(BadGuyKinds[5].Count, 2);
  EXPECT_EQ(LookupBadGuyKind("Jumpy"), -1);
  EXPECT_EQ(LookupBadGuyKind("spikey"), -1);
  EXPECT_EQ(LookupBadGuyKind(""), -1);
  EXPECT_EQ(LookupBadGuyKind("snowball"), 0);
  EXPECT_EQ(LookupBadGuyKind("fish"), 9);
  int total = 0;
  for (auto& k : BadGuyKinds) total += k.Count;
  EXPECT_EQ(total, 4);  // the misses counted nothing
}

TEST_F(LevelDocument, NewLevelTakesTheFirstFreeName) {
  mem.Put("C:\\sets\\a\\level1.yvl", "x");
  mem.Put("C:\\sets\\a\\level2.yvl", "x");
  ASSERT_TRUE(CreateNewLevel("C:\\sets\\a"));
  EXPECT_EQ(Pref.LastLevelFile, "C:\\sets\\a\\level3.yvl");
  EXPECT_EQ(caption, "C:\\sets\\a\\level3.yvl");
  EXPECT_FALSE(mem.FileExists("C:\\sets\\a\\level3.yvl"));  // only in memory

  mem.Put("C:\\sets\\b\\level2.yvl", "x");
  ASSERT_TRUE(CreateNewLevel("C:\\sets\\b\\"));  // a trailing backslash is not doubled
  EXPECT_EQ(Pref.LastLevelFile, "C:\\sets\\b\\level1.yvl");

  ASSERT_TRUE(CreateNewLevel(""));  // an empty folder: the root of the current drive
  EXPECT_EQ(Pref.LastLevelFile, "\\level1.yvl");
}

TEST_F(LevelDocument, AllNinetyNineNamesTakenLeavesTheOpenLevelWhole) {
  for (int n = 1; n <= 99; ++n) mem.Put("C:\\full\\level" + std::to_string(n) + ".yvl", "x");
  Pref.LastLevelFile = "C:\\full\\level7.yvl";
  Level.Width = 50;
  Level.ObjectCount = 2;
  Level.Objects.resize(3);
  Level.ResetCount = 1;
  Level.ResetPoints.resize(2);
  BadGuyKinds[3].Count = 2;
  BadGuyImageSlots[4] = {2, 4, 100, 120};
  EXPECT_FALSE(CreateNewLevel("C:\\full"));
  EXPECT_EQ(Level.ObjectCount, 2);
  EXPECT_EQ(Level.ResetCount, 1);
  EXPECT_EQ(BadGuyKinds[3].Count, 2);
  EXPECT_EQ(BadGuyImageSlots[4].ObjectIndex, 2);
  EXPECT_EQ(BadGuyImageSlots[4].Left, 100);
  EXPECT_EQ(Level.Width, 50);
  EXPECT_EQ(Pref.LastLevelFile, "C:\\full\\level7.yvl");
  EXPECT_EQ(caption, "");
}

TEST_F(LevelDocument, NewLevelDefaultsAndWhatItKeeps) {
  Level.BkgdRedTop = 12;
  Level.StartPosX = 96;
  Level.HorAutoscrollSpeed = 1.5;
  Level.Theme = "antarctica";
  Level.TrailingComment = ";; end";
  Level.ObjectCount = 3;
  Level.Objects.resize(4);
  Level.ResetCount = 2;
  BadGuyKinds[1].Count = 3;
  BadGuyImageSlots[0] = {1, 2, 50, 60};
  CurrentSubset = {";c", "T", "D"};
  ASSERT_TRUE(CreateNewLevel("C:\\x"));
  EXPECT_EQ(Level.Comment, ";Yorvane-Level");
  EXPECT_EQ(Level.Background, "ocean.png");
  EXPECT_EQ(Level.ParticleSystem, "snow");
  EXPECT_EQ(Level.Music, "fortress2.mod");
  EXPECT_EQ(Level.BkgdSpeed, 44);
  EXPECT_EQ(Level.BkgdRedBottom, 255);
  EXPECT_EQ(Level.BkgdGreenBottom, 255);
  EXPECT_EQ(Level.BkgdBlueBottom, 255);
  EXPECT_EQ(Level.Gravity, 8);
  EXPECT_EQ(Level.Name, "Give Me A Name");
  EXPECT_EQ(Level.TimeLimit, 600);
  EXPECT_EQ(Level.Version, "1");
  EXPECT_EQ(Level.Height, 15);
  EXPECT_EQ(Level.Width, 120);
  EXPECT_EQ(Level.BackgroundTM.Columns(), 121);
  EXPECT_EQ(Level.InteractiveTM.Rows(), 16);
  EXPECT_EQ(Level.ForegroundTM.Get(120, 15), 0);
  EXPECT_FALSE(Level.ForegroundTM.Contains(121, 0));
  EXPECT_TRUE(LevelLoaded);
  EXPECT_EQ(Level.ObjectCount, 0);
  EXPECT_EQ(Level.ResetCount, 0);
  EXPECT_EQ(BadGuyKinds[1].Count, 0);
  EXPECT_EQ(BadGuyImageSlots[0].ObjectIndex, 0);
  EXPECT_EQ(BadGuyImageSlots[0].Left, 0);
  EXPECT_EQ(BadGuyImageSlots[0].ImageIndex, 2);  // kept
  // Kept from the previous level:
  EXPECT_EQ(Level.BkgdRedTop, 12);
  EXPECT_EQ(Level.StartPosX, 96);
  EXPECT_EQ(Level.HorAutoscrollSpeed, 1.5);
  EXPECT_EQ(Level.Theme, "antarctica");
  EXPECT_EQ(Level.TrailingComment, ";; end");
  EXPECT_EQ(CurrentSubset, (SubsetInfo{";c", "T", "D"}));
  // No ending without the option.
  for (int c = 0; c <= 120; ++c)
    for (int r = 0; r <= 15; ++r) ASSERT_EQ(Level.InteractiveTM.Get(c, r), 0);
}

TEST_F(LevelDocument, AuthorFromTheDefaultAuthorOrTheUserName) {
  UserName = "ROSA" + std::string(12, ' ');
  Pref.DefaultAuthor = "  Ada Byte  ";
  ASSERT_TRUE(CreateNewLevel("C:\\x"));
  EXPECT_EQ(Level.Author, "Ada Byte");
  Pref.DefaultAuthor = "    ";
  ASSERT_TRUE(CreateNewLevel("C:\\x"));
  EXPECT_EQ(Level.Author, "ROSA");
  UserName = std::string(16, ' ');
  ASSERT_TRUE(CreateNewLevel("C:\\x"));
  EXPECT_EQ(Level.Author, "");
}

TEST_F(LevelDocument, LevelEndingWithFloorTile5AndNoIgloo) {
  Pref.AddEndSequence = 1;
  Pref.AddIgloo = 0;
  Pref.FloorTile = 5;
  ASSERT_TRUE(CreateNewLevel("C:\\x"));
  for (int c = 0; c <= 120; ++c) {
    for (int r = 0; r <= 15; ++r) {
      int16_t want = 0;
      if (r <= 13 && c == 100) want = 133;
      if (r <= 13 && c == 116) want = 132;
      if (r == 14 && c >= 98 && c <= 119) want = 5;
      ASSERT_EQ(Level.InteractiveTM.Get(c, r), want) << c << "," << r;
      ASSERT_EQ(Level.BackgroundTM.Get(c, r), 0);
      ASSERT_EQ(Level.ForegroundTM.Get(c, r), 0);
    }
  }
}

TEST_F(LevelDocument, LevelEndingWithFloorTile37AndTheIgloo) {
  Pref.AddEndSequence = 1;
  Pref.AddIgloo = 1;
  Pref.FloorTile = 37;
  ASSERT_TRUE(CreateNewLevel("C:\\x"));
  for (int c = 98; c <= 119; ++c) {
    EXPECT_EQ(Level.InteractiveTM.Get(c, 13), 34) << c;  // over 133 and 132 as well
    EXPECT_EQ(Level.InteractiveTM.Get(c, 14), 37) << c;
  }
  EXPECT_EQ(Level.InteractiveTM.Get(97, 13), 0);
  EXPECT_EQ(Level.InteractiveTM.Get(100, 12), 133);
  EXPECT_EQ(Level.InteractiveTM.Get(116, 0), 132);
  EXPECT_EQ(Level.BackgroundTM.Get(110, 8), 126);
  EXPECT_EQ(Level.ForegroundTM.Get(113, 8), 127);
  int nonZeroBackground = 0;
  for (int c = 0; c <= 120; ++c)
    for (int r = 0; r <= 15; ++r) nonZeroBackground += Level.BackgroundTM.Get(c, r) != 0;
  EXPECT_EQ(nonZeroBackground, 1);
}

TEST_F(LevelDocument, LevelEndingOnANarrowLevelWritesOnlyCellsInsideTheMaps) {
  Pref.AddIgloo = 1;
  Pref.FloorTile = 5;
  Level.Width = 21;
  Level.BackgroundTM.Create(21, 15);
  Level.InteractiveTM.Create(21, 15);
  Level.ForegroundTM.Create(21, 15);
  AddLevelEnding();
  EXPECT_EQ(Level.InteractiveTM.Get(0, 14), 5);   // column -1 is left out
  EXPECT_EQ(Level.InteractiveTM.Get(20, 14), 5);
  EXPECT_EQ(Level.InteractiveTM.Get(1, 0), 133);
  EXPECT_EQ(Level.InteractiveTM.Get(17, 0), 132);
  EXPECT_EQ(Level.InteractiveTM.Get(21, 14), 0);  // the spare column stays empty

  Level.Width = 5;  // with maps of no cells at all nothing happens
  Level.BackgroundTM = TileMap{};
  Level.InteractiveTM = TileMap{};
  Level.ForegroundTM = TileMap{};
  AddLevelEnding();
  EXPECT_TRUE(Level.InteractiveTM.Empty());
}

TEST_F(LevelDocument, TileMapsAreCheckedOnEveryAccess) {
  TileMap m;
  EXPECT_TRUE(m.Empty());
  EXPECT_EQ(m.Get(0, 0), 0);
  EXPECT_FALSE(m.Set(0, 0, 1));
  m.Create(3, 15);
  EXPECT_EQ(m.Columns(), 4);
  EXPECT_EQ(m.Rows(), 16);
  EXPECT_TRUE(m.Set(3, 15, 9));
  EXPECT_EQ(m.Get(3, 15), 9);
  EXPECT_FALSE(m.Set(4, 0, 1));
  EXPECT_FALSE(m.Set(-1, 0, 1));
  EXPECT_FALSE(m.Set(0, 16, 1));
  EXPECT_EQ(m.Get(-1, -1), 0);
  m.Create(3, 15);
  EXPECT_EQ(m.Get(3, 15), 0);  // created anew
}

TEST_F(LevelDocument, ObjectListGrowsAndShrinksFromIndexOne) {
  for (int i = 1; i <= 5; ++i) AppendObject().X = static_cast<int16_t>(i * 10);
  EXPECT_EQ(Level.ObjectCount, 5);
  EXPECT_EQ(Level.Objects.size(), 6u);
  RemoveObject(3);
  EXPECT_EQ(Level.ObjectCount, 4);
  EXPECT_EQ(Level.Objects[3].X, 40);
  EXPECT_EQ(Level.Objects[4].X, 50);
  RemoveObject(0);
  RemoveObject(5);
  EXPECT_EQ(Level.ObjectCount, 4);
  // An appended element starts all 0 and empty even where an old one stood.
  Level.ObjectCount = 0;
  LevelObject& o = AppendObject();
  EXPECT_EQ(o, LevelObject{});
  AppendResetPoint().X = 7;
  EXPECT_EQ(Level.ResetCount, 1);
  EXPECT_EQ(Level.ResetPoints[1].X, 7);
}
