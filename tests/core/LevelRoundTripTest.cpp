#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <string>

#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Main.h"
#include "model/YVE_Read.h"
#include "model/YVE_Write.h"
#include "platform/FileSystem.h"
#include "tests/support/MemoryFileSystem.h"
#include "platform/Paths.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TestState.h"

using namespace yv;

namespace {

class Generator {
 public:
  explicit Generator(unsigned seed) : rng_(seed) {}

  int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  int16_t Int16() { return static_cast<int16_t>(Int(-32768, 32767)); }
  bool Chance(int percent) { return Int(1, 100) <= percent; }

  // Any 8-bit text that can sit between quotes on one line: no quote, no
  // line break; brackets, blanks, "#" and bytes above 127 included.
  std::string Text(int maxLength) {
    static const std::string kSpecial = "()# ;-.,\t";
    std::string s;
    const int n = Int(0, maxLength);
    for (int i = 0; i < n; ++i) {
      int pick = Int(0, 9);
      if (pick < 2) {
        s += kSpecial[static_cast<size_t>(Int(0, static_cast<int>(kSpecial.size()) - 1))];
      } else if (pick < 3) {
        s += static_cast<char>(Int(128, 255));
      } else {
        char c;
        do c = static_cast<char>(Int(32, 126));
        while (c == '"');
        s += c;
      }
    }
    return s;
  }

  // A file-format name of a bad guy: from the kind table, or any other word.
  std::string ObjectName() {
    if (Chance(60)) return BadGuyFileNames[static_cast<size_t>(Int(0, 9))];
    std::string s;
    const int n = Int(0, 12);
    for (int i = 0; i < n; ++i) {
      char c;
      do c = static_cast<char>(Int(33, 126));
      while (c == '"');
      s += c;
    }
    return s;
  }

  double Double() {
    switch (Int(0, 4)) {
      case 0:
        return 0;
      case 1:
        return Int(-1000, 1000);
      case 2:
        return Int(-100000, 100000) / 64.0;
      case 3:
        return std::uniform_real_distribution<double>(-1e6, 1e6)(rng_);  // 15 digits after rounding
      default:
        return std::uniform_real_distribution<double>(-1, 1)(rng_) * 1e-5;
    }
  }

  void Level(int width) {
    yv::Level = LevelData{};
    LevelData& l = yv::Level;
    l.Comment = Chance(20) ? "" : (Chance(50) ? ";" : "") + Text(40);
    l.Version = FormatInt(Int16());
    l.Author = Text(30);
    l.Name = Text(60);
    l.Width = static_cast<int16_t>(width);
    l.Height = static_cast<int16_t>(Chance(80) ? 15 : Int(-5, 40));
    l.StartPosX = Int16();
    l.StartPosY = Int16();
    l.Background = Text(20);
    l.Music = Text(20);
    l.BkgdRedTop = Int16();
    l.BkgdGreenTop = static_cast<int16_t>(Int(0, 255));
    l.BkgdBlueTop = static_cast<int16_t>(Int(0, 255));
    l.BkgdRedBottom = static_cast<int16_t>(Int(0, 255));
    l.BkgdGreenBottom = Int16();
    l.BkgdBlueBottom = static_cast<int16_t>(Int(0, 255));
    l.BkgdSpeed = Double();
    l.HorAutoscrollSpeed = Double();
    l.TimeLimit = Int16();
    l.Gravity = Double();
    l.ParticleSystem = Text(10);
    l.Theme = Text(10);
    l.BackScrolling = std::vector<std::string>{"t", "f", ""}[static_cast<size_t>(Int(0, 2))];
    l.TrailingComment = Chance(30) ? Text(30) : "";
    for (TileMap* map : {&l.BackgroundTM, &l.InteractiveTM, &l.ForegroundTM}) {
      map->Create(width, 15);
      const int density = Int(0, 100);
      for (int c = 0; c < width; ++c)
        for (int r = 0; r <= 14; ++r)
          if (Chance(density)) map->Set(c, r, static_cast<int16_t>(Chance(99) ? Int(1, 204) : Int(205, 32767)));
    }
    const int resets = Int(0, 60);
    for (int i = 0; i < resets; ++i) AppendResetPoint() = {Int16(), Int16()};
    const int objects = Int(0, 250);
    for (int i = 0; i < objects; ++i) {
      LevelObject& o = AppendObject();
      o.Name = ObjectName();
      o.X = Int16();
      o.Y = Int16();
      o.StayOnPlatform = static_cast<int16_t>(Int(-1, 2));
    }
  }

 private:
  std::mt19937 rng_;
};

// The text the reader's level gives when built again: a trailing comment
// was read as the level's comment, so it moves to the head.
std::string ExpectedSecondText(const std::string& first, const std::string& trailing, const std::string& end) {
  if (trailing.empty()) return first;
  std::string body = first.substr(first.find(end));
  body.resize(body.size() - trailing.size() - end.size());
  return trailing + body;
}

class LevelRoundTrip : public ::testing::Test {
 protected:
  platform::MemoryFileSystem mem;
  platform::FileSystem* previous = nullptr;
  platform::ScriptedUi ui;
  void SetUp() override {
    previous = platform::FileSystem::Install(&mem);
    test::ResetProgramState();
  }
  void TearDown() override {
    platform::FileSystem::Install(previous);
    UseCrLfLineEnds();
  }

  // What the editor does to open a level: a fresh start, the counts cleared.
  void ReadBack(const std::string& path) {
    Level = LevelData{};
    Level.ObjectCount = 0;
    Level.ResetCount = 0;
    ASSERT_TRUE(ReadLevelFile(path));
    ASSERT_TRUE(ui.msgCalls.empty()) << "read error box";
  }
};

}  // namespace

TEST_F(LevelRoundTrip, GeneratedLevelsReadBackToTheSameBytes) {
  Generator gen(20240611);
  for (int n = 0; n < 150; ++n) {
    const int width = n == 0 ? 21 : n == 1 ? 1023 : gen.Int(21, 1023);
    gen.Level(width);
    const LevelData original = Level;
    const std::string path = "C:\\sets\\gen\\level" + std::to_string(n) + ".yvl";
    ASSERT_TRUE(WriteLevelFile(path));
    const std::string first = LevelText;
    const std::string trailing = Level.TrailingComment;

    ReadBack(path);
    // The fields come back as written: negative values and brackets included.
    ASSERT_EQ(Level.Width, original.Width);
    ASSERT_EQ(Level.Name, original.Name);
    ASSERT_EQ(Level.Author, original.Author);
    ASSERT_EQ(Level.StartPosX, original.StartPosX);
    ASSERT_EQ(Level.ResetCount, original.ResetCount);
    ASSERT_EQ(Level.ObjectCount, original.ObjectCount);
    for (int i = 1; i <= Level.ResetCount; ++i) ASSERT_EQ(Level.ResetPoints[i], original.ResetPoints[i]) << i;
    for (int i = 1; i <= Level.ObjectCount; ++i) {
      ASSERT_EQ(Level.Objects[i].Name, original.Objects[i].Name) << i;
      ASSERT_EQ(Level.Objects[i].X, original.Objects[i].X) << i;
      ASSERT_EQ(Level.Objects[i].Y, original.Objects[i].Y) << i;
      ASSERT_EQ(Level.Objects[i].StayOnPlatform, original.Objects[i].StayOnPlatform == 1 ? 1 : 0) << i;
      const int16_t kind = LookupBadGuyKind(Level.Objects[i].Name);
      ASSERT_EQ(Level.Objects[i].Kind, kind < 0 ? 0 : kind);
    }
    ASSERT_EQ(Level.BackgroundTM, original.BackgroundTM);
    ASSERT_EQ(Level.InteractiveTM, original.InteractiveTM);
    ASSERT_EQ(Level.ForegroundTM, original.ForegroundTM);

    UseLfLineEnds();
    BuildLevelText();
    ASSERT_EQ(LevelText, ExpectedSecondText(first, trailing, "\n")) << "level " << n << " width " << width;
  }
}

TEST_F(LevelRoundTrip, CrLfFilesReadBackTheSame) {
  // The text built for the level text window, saved as it is shown.
  Generator gen(77);
  for (int n = 0; n < 40; ++n) {
    gen.Level(gen.Int(21, 300));
    UseCrLfLineEnds();
    BuildLevelText();
    const std::string first = LevelText;
    const std::string trailing = Level.TrailingComment;
    mem.Put("C:\\crlf.yvl", first);
    ReadBack("C:\\crlf.yvl");
    EXPECT_FALSE(LfMode);
    UseCrLfLineEnds();
    BuildLevelText();
    ASSERT_EQ(LevelText, ExpectedSecondText(first, trailing, "\r\n")) << n;
  }
}

TEST_F(LevelRoundTrip, ThroughAHostFile) {
  char tmpl[] = "/tmp/yv_roundtrip_XXXXXX";
  ASSERT_NE(mkdtemp(tmpl), nullptr);
  platform::HostFileSystem host;
  platform::FileSystem::Install(&host);
  platform::SetDriveCFolder(tmpl);
  Generator gen(5);
  gen.Level(1023);
  Level.TrailingComment = "";
  ASSERT_TRUE(WriteLevelFile("C:\\big.yvl"));
  const std::string first = LevelText;
  ASSERT_GT(first.size(), 100000u);
  ReadBack("C:\\big.yvl");
  UseLfLineEnds();
  BuildLevelText();
  EXPECT_EQ(LevelText, first);
  platform::SetDriveCFolder("");
  std::filesystem::remove_all(tmpl);
}

TEST_F(LevelRoundTrip, DoubleQuotesInQuotedValuesComeBackAsSingleQuotes) {
  struct Field {
    const char* name;
    std::string LevelData::*member;
    std::string readBack;  // what a value of "a "b" c" reads back as
  };
  const std::string value = "a \"b\" c\"";
  for (const Field& f :
       {Field{"Author", &LevelData::Author, "a 'b' c'"}, Field{"Name", &LevelData::Name, "a 'b' c'"},
        Field{"Background", &LevelData::Background, "a 'b' c'"}, Field{"Music", &LevelData::Music, "a 'b' c'"},
        Field{"ParticleSystem", &LevelData::ParticleSystem, "a 'b' c'"}, Field{"Theme", &LevelData::Theme, "a 'b' c'"},
        // The head comment is no quoted value: it keeps its quotes.
        Field{"Comment", &LevelData::Comment, ";a \"b\" c\""}}) {
    Generator gen(3);
    gen.Level(21);
    Level.Comment = ";";
    Level.TrailingComment = "";
    Level.*f.member = f.member == &LevelData::Comment ? ";" + value : value;
    const LevelData original = Level;
    ASSERT_TRUE(WriteLevelFile("C:\\q.yvl"));
    EXPECT_EQ(Level.*f.member, original.*f.member) << f.name << ": the level in memory is unchanged";
    ReadBack("C:\\q.yvl");
    EXPECT_EQ(Level.*f.member, f.readBack) << f.name;
    // The values after it on the same file read back whole.
    EXPECT_EQ(Level.Theme, f.member == &LevelData::Theme ? f.readBack : original.Theme) << f.name;
    EXPECT_EQ(Level.InteractiveTM, original.InteractiveTM) << f.name;
  }
}
