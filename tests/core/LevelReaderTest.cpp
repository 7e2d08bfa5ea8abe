#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Info.h"
#include "model/YVE_Main.h"
#include "model/YVE_Read.h"
#include "platform/FileSystem.h"
#include "tests/support/MemoryFileSystem.h"
#include "tests/support/ScriptedUi.h"
#include "platform/System.h"
#include "platform/TextInput.h"
#include "tests/support/TestState.h"

using namespace yv;

namespace {

const std::string kPath = "C:\\sets\\one\\cave.yvl";

std::string Lines(std::initializer_list<std::string> lines, const std::string& end = "\n") {
  std::string out;
  for (const auto& line : lines) out += line + end;
  return out;
}

// A tile map laid out as the writer lays it out: the keyword line with row 0,
// rows 1 to 14, ")".
std::string MapSection(const std::string& keyword, int width, const std::function<int(int, int)>& tile,
                       const std::string& end = "\n") {
  std::string out = "  (" + keyword + "  ";
  for (int row = 0; row <= 14; ++row) {
    for (int column = 0; column < width; ++column) out += std::to_string(tile(column, row)) + " ";
    out += end;
  }
  return out + ")" + end;
}

std::string AllMaps(int width, const std::function<int(int, int)>& tile, const std::string& end = "\n") {
  return MapSection("background-tm", width, tile, end) + MapSection("interactive-tm", width, tile, end) +
         MapSection("foreground-tm", width, tile, end);
}

int Zero(int, int) { return 0; }

// A file with LF line ends comes in as one first line; up to 256 characters
// that line is taken whole (and is no header). A line of blanks in front
// (ignored by the reader) lets the small files of these tests be split at LF.
std::string Padded(const std::string& text) {
  if (text.empty() || text.size() > 256 || text.find('\r') != std::string::npos) return text;
  return std::string(300, ' ') + "\n" + text;
}

class LevelReader : public ::testing::Test {
 protected:
  platform::MemoryFileSystem mem;
  platform::FileSystem* previous = nullptr;
  std::unique_ptr<platform::ScriptedUi> ui;
  std::vector<int> scrollMax;
  std::function<void()> pump;
  void SetUp() override {
    previous = platform::FileSystem::Install(&mem);
    test::ResetProgramState();
    ui = std::make_unique<platform::ScriptedUi>();
    Windows.setMapScrollMax = [this](int max) { scrollMax.push_back(max); };
    platform::InstallEventPump({[this] {
                                  if (pump) pump();
                                },
                                nullptr});
  }
  void TearDown() override {
    platform::InstallEventPump({});
    ui.reset();
    platform::FileSystem::Install(previous);
    Windows = WindowHooks{};
  }
  // What the main window does before it reads a level.
  bool Read(const std::string& text, bool pad = true) {
    const std::string path = kPath;
    mem.Put(path, pad ? Padded(text) : text);
    Level.ObjectCount = 0;
    Level.ResetCount = 0;
    return ReadLevelFile(path);
  }
  void ExpectNoBox() { EXPECT_TRUE(ui->msgCalls.empty()); }
  void ExpectReadErrorBox() {
    ASSERT_EQ(ui->msgCalls.size(), 1u);
    EXPECT_EQ(ui->msgCalls[0].text, "File Specified Not Found!\r\nPlease choose another file.");
    EXPECT_EQ(ui->msgCalls[0].style, 16);
    EXPECT_EQ(ui->msgCalls[0].title, "ZUNBO File Read Error");
    EXPECT_EQ(MsgResult, 1);
  }
  // Parses one object or reset-point line on its own.
  LevelObject Object(const std::string& line) {
    Level.ObjectCount = 0;
    AppendObject();
    CurrentLine = line;
    ParseObjectLine();
    return Level.Objects[1];
  }
  ResetPoint Point(const std::string& line) {
    Level.ResetCount = 0;
    AppendResetPoint();
    CurrentLine = line;
    ParseResetPointLine();
    return Level.ResetPoints[1];
  }
};

}  // namespace

TEST_F(LevelReader, ReadsEveryFieldOfAFile) {
  mem.Put("C:\\sets\\one\\info",
          Lines({";set", "(yorvane-level-subset", "  (title \"One\")", "  (description \"First set\")", ")"}));
  BadGuyKinds[5].Count = 7;  // cleared by the read
  std::string text = Lines({";head",
                            "(yorvane-level",
                            "  (version 3)",
                            "  (author \"Ann (B) Smith\")",
                            "  (name \"Ice (cold) cave\")",
                            "  (width  21)",
                            "  (height 15)",
                            "  (start_pos_x -96)",
                            "  (start_pos_y 320)",
                            "  (background \"arctis.jpg\")",
                            "  (music \"cave.mod\")",
                            "  (particle_system \"rain\")",
                            "  (theme \"antarctica\")",
                            "  (bkgd_red_top    1)",
                            "  (bkgd_green_top  2)",
                            "  (bkgd_blue_top   3)",
                            "  (bkgd_red_bottom    4)",
                            "  (bkgd_green_bottom  5)",
                            "  (bkgd_blue_bottom   255)",
                            "  (time 300)",
                            "  (bkgd_speed 0.5)",
                            "  (hor_autoscroll_speed -1.25)",
                            "  (back_scrolling #t)",
                            "  (gravity 10)"}) +
                     MapSection("background-tm", 21, [](int c, int r) { return c + r; }) +
                     MapSection("interactive-tm", 21, [](int c, int r) { return c == 20 ? 204 : r; }) +
                     MapSection("foreground-tm", 21, [](int c, int r) { return c * r == 280 ? 32767 : 0; }) +
                     Lines({"(reset-points", "  (point (x 32) (y -64))", "  (point (x 3200) (y 448))", ")", "(objects",
                            "(jumpy (x -100) (y 32767) (stay-on-platform #t))",
                            "(penguin (x 5) (y 6) (stay-on-platform #f))", "(jumpy (x 7) (y 8) (stay-on-platform #f))",
                            "(fish (x 9) (y 10) (stay-on-platform #t))", ")", ")", ";; written after the level"});
  ASSERT_TRUE(Read(text));
  ExpectNoBox();
  EXPECT_TRUE(LevelLoaded);
  EXPECT_EQ(Pref.LastLevelFile, kPath);
  EXPECT_EQ(CurrentSubset, (SubsetInfo{";set", "One", "First set"}));
  EXPECT_EQ(Level.Comment, ";; written after the level");  // the last comment line wins
  EXPECT_EQ(Level.Version, "3");
  EXPECT_EQ(Level.Author, "Ann (B) Smith");
  EXPECT_EQ(Level.Name, "Ice (cold) cave");
  EXPECT_EQ(Level.Width, 21);
  EXPECT_EQ(Level.Height, 15);
  EXPECT_EQ(Level.StartPosX, -96);
  EXPECT_EQ(Level.StartPosY, 320);
  EXPECT_EQ(Level.Background, "arctis.jpg");
  EXPECT_EQ(Level.Music, "cave.mod");
  EXPECT_EQ(Level.ParticleSystem, "rain");
  EXPECT_EQ(Level.Theme, "antarctica");
  EXPECT_EQ(Level.BkgdRedTop, 1);
  EXPECT_EQ(Level.BkgdGreenTop, 2);
  EXPECT_EQ(Level.BkgdBlueTop, 3);
  EXPECT_EQ(Level.BkgdRedBottom, 4);
  EXPECT_EQ(Level.BkgdGreenBottom, 5);
  EXPECT_EQ(Level.BkgdBlueBottom, 255);
  EXPECT_EQ(Level.TimeLimit, 300);
  EXPECT_EQ(Level.BkgdSpeed, 0.5);
  EXPECT_EQ(Level.HorAutoscrollSpeed, -1.25);
  EXPECT_EQ(Level.BackScrolling, "t");
  EXPECT_EQ(Level.Gravity, 10);
  EXPECT_EQ(scrollMax, std::vector<int>{3});
  ASSERT_EQ(Level.BackgroundTM.Columns(), 22);  // columns 0..Width, rows 0..15
  ASSERT_EQ(Level.BackgroundTM.Rows(), 16);
  for (int r = 0; r <= 14; ++r)
    for (int c = 0; c <= 20; ++c) {
      ASSERT_EQ(Level.BackgroundTM.Get(c, r), c + r) << c << "," << r;
      ASSERT_EQ(Level.InteractiveTM.Get(c, r), c == 20 ? 204 : r);
      ASSERT_EQ(Level.ForegroundTM.Get(c, r), c * r == 280 ? 32767 : 0);
    }
  ASSERT_EQ(Level.ResetCount, 2);
  EXPECT_EQ(Level.ResetPoints[1], (ResetPoint{32, -64}));
  EXPECT_EQ(Level.ResetPoints[2], (ResetPoint{3200, 448}));
  ASSERT_EQ(Level.ObjectCount, 4);
  ASSERT_EQ(Level.Objects.size(), 5u);
  EXPECT_EQ(Level.Objects[1], (LevelObject{5, "jumpy", -100, 32767, 1}));
  EXPECT_EQ(Level.Objects[2], (LevelObject{0, "penguin", 5, 6, 0}));  // unknown: kind 0, name kept
  EXPECT_EQ(Level.Objects[3], (LevelObject{5, "jumpy", 7, 8, 0}));
  EXPECT_EQ(Level.Objects[4], (LevelObject{9, "fish", 9, 10, 1}));
  EXPECT_EQ(BadGuyKinds[5].Count, 2);
  EXPECT_EQ(BadGuyKinds[9].Count, 1);
  EXPECT_EQ(BadGuyKinds[0].Count, 0);
  EXPECT_EQ(platform::FreeFile(), 1);  // the file was closed
}

TEST_F(LevelReader, MissingLinesKeepTheEarlierValuesAndListsAreAppended) {
  Level.Name = "earlier";
  Level.Gravity = 8;
  Level.Theme = "old";
  ASSERT_TRUE(Read(Lines({"(yorvane-level", "", "   ", "  (author \"me\")", "(objects", "(fish (x 1) (y 2))", ")",
                          "(reset-points", "  (point (x 1) (y 2))", ")", ")"})));
  EXPECT_EQ(Level.Name, "earlier");
  EXPECT_EQ(Level.Gravity, 8);
  EXPECT_EQ(Level.Theme, "old");
  EXPECT_EQ(Level.Author, "me");
  EXPECT_EQ(Level.Comment, "");

  // The caller clears the counts; what is already counted stays in front.
  mem.Put(kPath, Padded(Lines({"(yorvane-level", "(objects", "(flame (x 3) (y 4))", ")"})));
  ASSERT_TRUE(ReadLevelFile(kPath));
  ASSERT_EQ(Level.ObjectCount, 2);
  EXPECT_EQ(Level.Objects[1].Name, "fish");
  EXPECT_EQ(Level.Objects[2].Name, "flame");
  EXPECT_EQ(Level.ResetCount, 1);
  EXPECT_EQ(BadGuyKinds[9].Count, 0);  // the counts start again at every read
  EXPECT_EQ(BadGuyKinds[7].Count, 1);
}

TEST_F(LevelReader, KeywordsAreExactAndAnyOtherLineEndsTheBody) {
  Level.Version = "7";
  ASSERT_TRUE(Read(Lines({";first", "(yorvane-level", "  (name \"A\")", "  (Version 1)", "  (name \"B\")",
                          "  (music \"never.mod\")", ";second", "  ;indented comment lines are not comments",
                          "(yorvane-level", "  (author \"C\")", "  (width  25)", "  (theme_x \"D\")"})));
  EXPECT_EQ(Level.Name, "A");
  EXPECT_EQ(Level.Version, "7");
  EXPECT_EQ(Level.Music, "");
  EXPECT_EQ(Level.Comment, ";second");
  EXPECT_EQ(Level.Author, "C");  // a second header starts another body
  EXPECT_EQ(Level.Width, 25);
  EXPECT_EQ(scrollMax, std::vector<int>{7});
  EXPECT_EQ(Level.Theme, "D");  // keywords are prefixes: "(theme_x" is a theme line
  ExpectNoBox();

  // Keywords are tested in order as prefixes: "(background " needs its blank;
  // "(backgroundx" matches nothing and ends the body.
  ASSERT_TRUE(
      Read(Lines({"(yorvane-level", "  (background \"a.png\")", "  (backgroundx \"b.png\")", "  (music \"m.mod\")"})));
  EXPECT_EQ(Level.Background, "a.png");
  EXPECT_EQ(Level.Music, "");
}

TEST_F(LevelReader, TheLineThatEndsABodyIsLookedAt) {
  // A comment right after the level's closing bracket ends the body and is the comment.
  ASSERT_TRUE(Read(Lines({";head", "(yorvane-level", "  (name \"A\")", ")", ";; trailing"})));
  EXPECT_EQ(Level.Comment, ";; trailing");

  // A header that ends a body starts the next one.
  ASSERT_TRUE(Read(Lines({"(yorvane-level", "  (name \"A\")", "(yorvane-level", "  (name \"B\")"})));
  EXPECT_EQ(Level.Name, "B");

  // Step 8's tests are exact: an indented header is no header there.
  ASSERT_TRUE(Read(Lines({"(yorvane-level", "  (name \"A\")", "  (yorvane-level", "  (name \"C\")"})));
  EXPECT_EQ(Level.Name, "A");

  // In a CR LF file as well.
  ASSERT_TRUE(Read(Lines({"(yorvane-level", "  (name \"D\")", ")", ";; crlf trailing"}, "\r\n")));
  EXPECT_EQ(Level.Name, "D");
  EXPECT_EQ(Level.Comment, ";; crlf trailing");
}

TEST_F(LevelReader, NarrowWidthKeepsTheEarlierMaps) {
  // An earlier level of width 120 with a tile in every cell.
  for (TileMap* map : {&Level.BackgroundTM, &Level.InteractiveTM, &Level.ForegroundTM}) {
    map->Create(120, 15);
    for (int c = 0; c <= 119; ++c)
      for (int r = 0; r <= 14; ++r) map->Set(c, r, 99);
  }
  Level.Width = 120;
  ASSERT_TRUE(Read(Lines({"(yorvane-level", "  (width  20)"}) + AllMaps(20, [](int c, int) { return c + 1; })));
  EXPECT_EQ(Level.Width, 20);
  EXPECT_EQ(Level.BackgroundTM.Columns(), 121);
  EXPECT_TRUE(scrollMax.empty());
  for (int r = 0; r <= 14; ++r) {
    EXPECT_EQ(Level.BackgroundTM.Get(0, r), 1);
    EXPECT_EQ(Level.InteractiveTM.Get(19, r), 20);
    EXPECT_EQ(Level.ForegroundTM.Get(20, r), 99);  // the rest stays
    EXPECT_EQ(Level.ForegroundTM.Get(119, r), 99);
  }
  ExpectNoBox();
}

TEST_F(LevelReader, NarrowWidthWithoutMapsIsAReadFailure) {
  // The first level of a run has no maps yet.
  ASSERT_FALSE(Read(Lines({";c", "(yorvane-level", "  (name \"Narrow\")", "  (width  20)"}) + AllMaps(20, Zero) +
                    Lines({"(objects", "(fish (x 1) (y 2))", ")", ")"})));
  ExpectReadErrorBox();
  EXPECT_FALSE(LevelLoaded);
  EXPECT_EQ(Level.Name, "Narrow");  // what was read before stays
  EXPECT_EQ(Level.Width, 20);
  EXPECT_EQ(Level.Comment, ";c");
  EXPECT_EQ(Level.ObjectCount, 0);
  EXPECT_EQ(Pref.LastLevelFile, kPath);
  EXPECT_EQ(platform::FreeFile(), 1);  // closed on the way out
}

TEST_F(LevelReader, ReadFailures) {
  // A missing file, an empty file.
  EXPECT_FALSE(ReadLevelFile("C:\\nowhere\\gone.yvl"));
  ExpectReadErrorBox();
  EXPECT_EQ(Pref.LastLevelFile, "C:\\nowhere\\gone.yvl");
  EXPECT_FALSE(LevelLoaded);
  ui->msgCalls.clear();
  EXPECT_FALSE(Read(""));
  ExpectReadErrorBox();
  // A file that ends without ever opening a level body is no level.
  for (const std::string& text : {Lines({";only a comment"}), Lines({"  (yorvane-level", "  (name \"N\")"}),
                                  Lines({"(yorvane-level-subset", "  (title \"T\")", ")"}), std::string(300, '\0')}) {
    ui->msgCalls.clear();
    EXPECT_FALSE(Read(text));
    ExpectReadErrorBox();
    EXPECT_FALSE(LevelLoaded);
  }

  // Values out of range, a decimal that cannot be converted, a tile above 32767.
  const std::string head = "(yorvane-level\n  (width  21)\n";
  for (const std::string& bad :
       {std::string("  (time 32768)"), std::string("  (start_pos_x -32769)"), std::string("  (gravity 1.2.3)"),
        std::string("  (bkgd_speed )"), std::string("  (hor_autoscroll_speed .)"),
        std::string("  (version 99999999999999999999999)")}) {
    ui->msgCalls.clear();
    EXPECT_FALSE(Read(head + bad + "\n  (name \"after\")\n")) << bad;
    ExpectReadErrorBox();
  }
  ui->msgCalls.clear();
  EXPECT_FALSE(Read(head + MapSection("background-tm", 21, [](int c, int r) { return c == 3 && r == 2 ? 32768 : 5; })));
  ExpectReadErrorBox();
  EXPECT_EQ(Level.BackgroundTM.Get(2, 2), 5);  // read before the failure
  EXPECT_EQ(Level.BackgroundTM.Get(3, 2), 0);
  ui->msgCalls.clear();
  EXPECT_FALSE(Read(head + "(objects\n(fish (x 40000) (y 1))\n)\n"));
  ExpectReadErrorBox();
  ui->msgCalls.clear();
  EXPECT_FALSE(Read(head + "(reset-points\n  (point (x 1) (y 99999))\n)\n"));
  ExpectReadErrorBox();

  // The answer of the box is what MsgResult holds.
  ui->msgCalls.clear();
  ui->msgAnswers.push_back(2);
  EXPECT_FALSE(ReadLevelFile("C:\\nowhere\\gone.yvl"));
  EXPECT_EQ(MsgResult, 2);
  EXPECT_EQ(platform::FreeFile(), 1);
}

TEST_F(LevelReader, QuotedValues) {
  EXPECT_EQ(ParseQuotedValue("(name \"A (B) C\")", 5), "A (B) C");  // brackets inside the quotes stay
  EXPECT_EQ(ParseQuotedValue("(name \"A (B) C", 5), "A (B");        // no closing quote: the ")" ends it
  EXPECT_EQ(ParseQuotedValue("(name \"A B", 5), "A B");
  EXPECT_EQ(ParseQuotedValue("(name A)", 5), "");      // no quote
  EXPECT_EQ(ParseQuotedValue("(name) \"A\"", 5), "");  // a ")" before the opening quote
  EXPECT_EQ(ParseQuotedValue("(name \"\")", 5), "");
  EXPECT_EQ(ParseQuotedValue("(name \"a\" \"b\")", 5), "a");
  EXPECT_EQ(ParseQuotedValue("\"x\" \"y\"", 2), " ");  // from the start position on
  EXPECT_EQ(ParseQuotedValue("(name \"", 5), "");
  EXPECT_EQ(ParseQuotedValue("", 5), "");
  EXPECT_EQ(ParseQuotedValue("(n \"x\")", 50), "");
}

TEST_F(LevelReader, IntegerAndDoubleValues) {
  EXPECT_EQ(ParseIntegerValue("(time 300)", 5), 300);
  EXPECT_EQ(ParseIntegerValue("(time 1 0)", 5), 10);  // other characters are skipped
  EXPECT_EQ(ParseIntegerValue("(time a1b2)", 5), 12);
  EXPECT_EQ(ParseIntegerValue("(time 5) 7", 5), 5);  // a ")" ends the scan
  EXPECT_EQ(ParseIntegerValue("(time )", 5), 0);
  EXPECT_EQ(ParseIntegerValue("(time", 5), 0);
  EXPECT_EQ(ParseIntegerValue("(time -5)", 5), -5);  // a "-" directly before the first digit
  EXPECT_EQ(ParseIntegerValue("(time - 5)", 5), 5);
  EXPECT_EQ(ParseIntegerValue("(time 5-3)", 5), 53);
  EXPECT_EQ(ParseIntegerValue("(time --5)", 5), -5);
  EXPECT_EQ(ParseIntegerValue("(time 32767)", 5), 32767);
  EXPECT_EQ(ParseIntegerValue("(time -32768)", 5), -32768);
  EXPECT_EQ(ParseIntegerValue("(time 0000000000000000000012)", 5), 12);
  EXPECT_EQ(ParseIntegerValue("-5", 2), 5);  // the "-" lies before the start
  EXPECT_THROW(ParseIntegerValue("(time 32768)", 5), LevelReadFailure);
  EXPECT_THROW(ParseIntegerValue("(time -32769)", 5), LevelReadFailure);
  EXPECT_THROW(ParseIntegerValue("(time 3 2 7 6 8)", 5), LevelReadFailure);
  EXPECT_THROW(ParseIntegerValue("(time " + std::string(5000, '9') + ")", 5), LevelReadFailure);

  EXPECT_EQ(ParseDoubleValue("(gravity 8)", 8), 8);
  EXPECT_EQ(ParseDoubleValue("(gravity 0.5)", 8), 0.5);
  EXPECT_EQ(ParseDoubleValue("(gravity -1.25)", 8), -1.25);
  EXPECT_EQ(ParseDoubleValue("(gravity 1 2.5)", 8), 12.5);
  EXPECT_EQ(ParseDoubleValue("(gravity 5.)", 8), 5);
  EXPECT_EQ(ParseDoubleValue("(gravity .25)", 8), 0.25);
  EXPECT_EQ(ParseDoubleValue("(gravity 2) 3", 8), 2);
  EXPECT_EQ(ParseDoubleValue("(gravity 123456789.123457)", 8), 123456789.123457);
  EXPECT_EQ(ParseDoubleValue("(gravity 100000000000000000000)", 8), 1e20);
  EXPECT_EQ(ParseDoubleValue("(gravity 0.00000025)", 8), 2.5e-7);
  EXPECT_EQ(ParseDoubleValue("(gravity 1e5)", 8), 15);  // the letter is skipped
  EXPECT_THROW(ParseDoubleValue("(gravity )", 8), LevelReadFailure);
  EXPECT_THROW(ParseDoubleValue("(gravity .)", 8), LevelReadFailure);
  EXPECT_THROW(ParseDoubleValue("(gravity 1.2.3)", 8), LevelReadFailure);
  EXPECT_THROW(ParseDoubleValue("(gravity " + std::string(400, '9') + ")", 8), LevelReadFailure);
  EXPECT_THROW(ParseDoubleValue("(gravity 000" + std::string(400, '9') + ".5)", 8), LevelReadFailure);
  // Too small for a double: its nearest double is 0; the smallest ones are kept.
  EXPECT_EQ(ParseDoubleValue("(gravity 0." + std::string(323, '0') + "1)", 8), 0);
  EXPECT_EQ(ParseDoubleValue("(gravity -." + std::string(500, '0') + "7)", 8), 0);
  EXPECT_EQ(ParseDoubleValue("(gravity 0." + std::string(309, '0') + "1)", 8), 1e-310);
}

TEST_F(LevelReader, ObjectLines) {
  EXPECT_EQ(Object("(snowball (x 100) (y 200))"), (LevelObject{0, "snowball", 100, 200, 0}));
  EXPECT_EQ(BadGuyKinds[0].Count, 1);
  EXPECT_EQ(Object("(Snowball (x 1) (y 2) (stay-on-platform #t))"), (LevelObject{0, "Snowball", 1, 2, 1}));
  EXPECT_EQ(BadGuyKinds[0].Count, 1);  // no kind counted
  EXPECT_EQ(Object("(mrbomb (x 1 0) (y 2) (stay-on-platform #F))"), (LevelObject{6, "mrbomb", 100, 2, 0}));
  EXPECT_EQ(Object("(flame (x 1) (y 2) (stay-on-platform #x))"), (LevelObject{7, "flame", 1, 2, 1}));
  EXPECT_EQ(Object("(spiky (x -64) (y -32768) (stay-on-platform #f))"), (LevelObject{4, "spiky", -64, -32768, 0}));
  EXPECT_EQ(Object("(spiky (x 6-4) (y 2))"), (LevelObject{4, "spiky", 604, 2, 0}));  // a later "-" is a 0
  EXPECT_EQ(Object("(jumpy(x 1) (y 2))"), (LevelObject{0, "jumpy(x", 0, 0, 0}));
  // The line ends the parse: the last character is never used.
  EXPECT_EQ(Object("("), (LevelObject{}));
  EXPECT_EQ(Object("(fish"), (LevelObject{}));
  EXPECT_EQ(Object("(fish "), (LevelObject{}));
  EXPECT_EQ(Object("(fish (x 5)"), (LevelObject{9, "fish", 0, 0, 0}));
  EXPECT_EQ(Object("(fish (x 5))"), (LevelObject{9, "fish", 5, 0, 0}));
  EXPECT_EQ(Object("(fish (x 5) (y 6) (stay-on-platform #"), (LevelObject{9, "fish", 5, 6, 0}));
  EXPECT_EQ(Object("(fish (x 5) (y 6) #t"), (LevelObject{9, "fish", 5, 6, 1}));
  EXPECT_EQ(Object("( (x 1) (y 2))"), (LevelObject{0, "", 1, 2, 0}));
  EXPECT_THROW(Object("(fish (x 32768) (y 2))"), LevelReadFailure);
  EXPECT_THROW(Object("(fish (x 1     ) (y 2))"), LevelReadFailure);  // each blank is a digit 0
  // A value cut off by the end of its line is not stored, but one out of
  // range fails the read all the same, as it would with its ")".
  struct Cut {
    std::string line;
    bool fails;
  };
  for (const Cut& c :
       {Cut{"(fish (x +32768 ", true}, Cut{"(fish (x 32769 ", true}, Cut{"(fish (x -32769 ", true},
        Cut{"(fish (x 1) (y 32768 ", true}, Cut{"(fish (x +32767 ", false}, Cut{"(fish (x -32768 ", false}}) {
    if (c.fails) {
      EXPECT_THROW(Object(c.line), LevelReadFailure) << c.line;
    } else {
      EXPECT_EQ(Object(c.line), (LevelObject{9, "fish", 0, 0, 0})) << c.line;
    }
  }
}

TEST_F(LevelReader, ResetPointLines) {
  EXPECT_EQ(Point("(point (x 32) (y 64))"), (ResetPoint{32, 64}));
  EXPECT_EQ(Point("(point (x 3 2) (y 64))"), (ResetPoint{32, 64}));
  EXPECT_EQ(Point("(point (y 64) (x 32))"), (ResetPoint{0, 0}));
  EXPECT_EQ(Point("(point (x 32) (y  64))"), (ResetPoint{32, 0}));  // two blanks before y's number
  EXPECT_EQ(Point("(point    (x 32)(y 64))"), (ResetPoint{32, 64}));
  EXPECT_EQ(Point("(point (x -32) (y -64))"), (ResetPoint{-32, -64}));
  EXPECT_EQ(Point("(point (x - 32) (y 64))"), (ResetPoint{0, 0}));  // a loose "-" ends the number
  EXPECT_EQ(Point("(point (x 32"), (ResetPoint{32, 0}));
  EXPECT_EQ(Point("(point (x 32)"), (ResetPoint{32, 0}));
  EXPECT_EQ(Point("(point (x 32) (y"), (ResetPoint{32, 0}));
  EXPECT_EQ(Point("(point (x 32) (y "), (ResetPoint{32, 0}));
  EXPECT_EQ(Point("(point (x 32) (y 7"), (ResetPoint{32, 7}));
  EXPECT_EQ(Point("(point"), (ResetPoint{0, 0}));
  EXPECT_EQ(Point("(point ("), (ResetPoint{0, 0}));
  EXPECT_EQ(Point("(pointx"), (ResetPoint{0, 0}));
  EXPECT_EQ(Point("(point (x -32768) (y 32767))"), (ResetPoint{-32768, 32767}));
  EXPECT_THROW(Point("(point (x 32768) (y 1))"), LevelReadFailure);
  EXPECT_THROW(Point("(point (x 1) (y -32769))"), LevelReadFailure);
}

TEST_F(LevelReader, ObjectAndResetPointLists) {
  ASSERT_TRUE(
      Read(Lines({"(yorvane-level", "(objects", "", "    ", "(fish (x 1) (y 2))", "", "(flame (x 3) (y 4))", ")",
                  "(reset-points", "  (point (x 1) (y 2))", "  (name \"dropped\")", "  (name \"read\")"})));
  ASSERT_EQ(Level.ObjectCount, 2);  // blank lines are no objects
  EXPECT_EQ(Level.Objects[1].Name, "fish");
  EXPECT_EQ(Level.Objects[2].Name, "flame");
  EXPECT_EQ(Level.ResetCount, 1);
  EXPECT_EQ(Level.Name, "read");  // the line that ends the reset points is dropped

  // The input ending inside a list ends the body; the level is read.
  ASSERT_TRUE(Read(Lines({"(yorvane-level", "(objects", "(fish (x 1) (y 2))"})));
  EXPECT_EQ(Level.ObjectCount, 1);
  ASSERT_TRUE(Read(Lines({"(yorvane-level", "(reset-points", "  (point (x 1) (y 2))"})));
  EXPECT_EQ(Level.ResetCount, 1);
  EXPECT_TRUE(LevelLoaded);
}

TEST_F(LevelReader, TileMapsAreOneStreamOfNumbers) {
  const std::string head = "(yorvane-level\n  (width  21)\n";
  auto tile = [](int c, int r) { return (c * 7 + r * 3) % 205; };
  // The same numbers with other line breaks: one row split over lines,
  // several rows on one line, blank and empty lines between.
  std::string stream;
  for (int r = 0; r <= 14; ++r)
    for (int c = 0; c <= 20; ++c) stream += std::to_string(tile(c, r)) + ((c * 13 + r) % 5 == 0 ? "\n" : "  ");
  ASSERT_TRUE(Read(head + "  (background-tm\n\n   \n" + stream + "\n)\n  (interactive-tm  " + stream + ")\n" +
                   "  (foreground-tm " + stream + ")\n  (name \"after\")\n"));
  for (int r = 0; r <= 14; ++r)
    for (int c = 0; c <= 20; ++c) {
      ASSERT_EQ(Level.BackgroundTM.Get(c, r), tile(c, r)) << c << "," << r;
      ASSERT_EQ(Level.InteractiveTM.Get(c, r), tile(c, r)) << c << "," << r;
      ASSERT_EQ(Level.ForegroundTM.Get(c, r), tile(c, r)) << c << "," << r;
    }
  EXPECT_EQ(Level.Name, "after");

  // A map that stops early with ")" fills the rest with 0; the next map reads on.
  ASSERT_TRUE(Read(head + "  (background-tm  5 6 7\n8 )\n  (interactive-tm  )\n  (foreground-tm  1 2 3\n)\n" +
                   "  (name \"after early\")\n"));
  EXPECT_EQ(Level.BackgroundTM.Get(0, 0), 5);
  EXPECT_EQ(Level.BackgroundTM.Get(3, 0), 8);
  EXPECT_EQ(Level.BackgroundTM.Get(4, 0), 0);
  EXPECT_EQ(Level.InteractiveTM.Get(0, 0), 0);
  EXPECT_EQ(Level.ForegroundTM.Get(2, 0), 3);
  EXPECT_EQ(Level.Name, "after early");

  // A digit that is the last character of a line is a number by itself, and
  // the digits of a number do not go on over a line end.
  ASSERT_TRUE(Read(head + "  (background-tm  1\n2\n34\n5 6\n)\n"));
  EXPECT_EQ(Level.BackgroundTM.Get(0, 0), 1);
  EXPECT_EQ(Level.BackgroundTM.Get(1, 0), 2);
  EXPECT_EQ(Level.BackgroundTM.Get(2, 0), 34);
  EXPECT_EQ(Level.BackgroundTM.Get(3, 0), 5);
  EXPECT_EQ(Level.BackgroundTM.Get(4, 0), 6);
  ExpectNoBox();
}

TEST_F(LevelReader, FileCutInsideATileMap) {
  Level.Name = "kept";
  for (const std::string& end : {std::string("\n"), std::string("\r\n")}) {
    for (const std::string& cut : {std::string("  (background-tm  1 2 3"), std::string("  (background-tm  1 2 3 "),
                                   "  (background-tm  1 2 3" + end + "4", std::string("  (background-tm")}) {
      // Blank lines are skipped in a body: they make the LF file long enough to be split.
      std::string text = "(yorvane-level" + end + "  (width  21)" + end + std::string(300, ' ') + end + cut;
      ui->msgCalls.clear();
      ASSERT_TRUE(Read(text, false)) << cut;
      ExpectNoBox();
      EXPECT_TRUE(LevelLoaded);
      EXPECT_EQ(Level.Width, 21);
      EXPECT_EQ(Level.BackgroundTM.Get(0, 0), cut.size() > 20 ? 1 : 0);
      EXPECT_EQ(Level.BackgroundTM.Get(2, 0), cut.size() > 20 ? 3 : 0);
      // A last line of one character ("4") is not delivered in an LF file.
      EXPECT_EQ(Level.BackgroundTM.Get(3, 0), cut.back() == '4' && end == "\r\n" ? 4 : 0);
      EXPECT_EQ(Level.BackgroundTM.Get(20, 14), 0);
      EXPECT_EQ(Level.Name, "kept");
    }
    // Cut at the end of a full row: the remaining rows are 0.
    std::string rows = Lines({"(yorvane-level", "  (width  21)", std::string(300, ' ')}, end) + "  (interactive-tm  ";
    for (int c = 0; c <= 20; ++c) rows += "9 ";
    ASSERT_TRUE(Read(rows + end + "9 9", false));
    EXPECT_EQ(Level.InteractiveTM.Get(20, 0), 9);
    EXPECT_EQ(Level.InteractiveTM.Get(1, 1), 9);
    EXPECT_EQ(Level.InteractiveTM.Get(2, 1), 0);
    EXPECT_EQ(Level.InteractiveTM.Get(20, 14), 0);
  }
}

TEST_F(LevelReader, LfAndCrLfFilesReadTheSame) {
  auto tile = [](int c, int r) { return c * r % 100; };
  auto file = [&](const std::string& end) {
    return Lines({";c", "(yorvane-level", "  (name \"N\")", "  (width  21)", "  (gravity -9.5)"}, end) +
           AllMaps(21, tile, end) + Lines({"(objects", "(fish (x 1) (y 2))", ")", ")"}, end);
  };
  ASSERT_TRUE(Read(file("\n")));
  const TileMap lfMap = Level.ForegroundTM;
  EXPECT_TRUE(LfMode);  // one long first line, split in memory
  Level = LevelData{};
  ASSERT_TRUE(Read(file("\r\n")));
  EXPECT_FALSE(LfMode);  // read line by line from the file
  EXPECT_EQ(Level.ForegroundTM, lfMap);
  EXPECT_EQ(Level.ForegroundTM.Get(20, 14), 80);
  EXPECT_EQ(Level.Name, "N");
  EXPECT_EQ(Level.Gravity, -9.5);
  EXPECT_EQ(Level.ObjectCount, 1);
  EXPECT_EQ(Level.Comment, ";c");

  // A lone CR ends a line too.
  Level = LevelData{};
  ASSERT_TRUE(Read(file("\r")));
  EXPECT_EQ(Level.ForegroundTM, lfMap);
  ExpectNoBox();
}

TEST_F(LevelReader, FirstLinesOf256And257Characters) {
  const std::string rest = Lines({"(yorvane-level", "  (name \"seen\")"}, "\r\n");
  // CR LF: a first line of 256 characters is read line by line.
  ASSERT_TRUE(Read(";" + std::string(255, 'a') + "\r\n" + rest));
  EXPECT_FALSE(LfMode);
  EXPECT_EQ(Level.Name, "seen");
  EXPECT_EQ(Level.Comment.size(), 256u);
  // 257 characters: LF mode over that line alone; nothing after it is read,
  // so no body is met and the read fails.
  Level = LevelData{};
  ASSERT_FALSE(Read(";" + std::string(256, 'b') + "\r\n" + rest));
  EXPECT_TRUE(LfMode);
  EXPECT_EQ(Level.Name, "");
  EXPECT_EQ(Level.Comment, ";" + std::string(256, 'b'));

  // LF files: a whole file of 256 characters is one line (a comment, here).
  std::string small = Lines({";x", "(yorvane-level", "  (name \"lf\")"});
  std::string file256 = small + std::string(256 - small.size(), ' ');
  ASSERT_EQ(file256.size(), 256u);
  Level = LevelData{};
  ASSERT_FALSE(Read(file256, false));
  EXPECT_FALSE(LfMode);
  EXPECT_EQ(Level.Comment, file256);
  EXPECT_EQ(Level.Name, "");
  // ... and one of 257 is split at LF.
  Level = LevelData{};
  ASSERT_TRUE(Read(file256 + " "));
  EXPECT_TRUE(LfMode);
  EXPECT_EQ(Level.Comment, ";x");
  EXPECT_EQ(Level.Name, "lf");
}

TEST_F(LevelReader, CarriageReturnInAnLfFileEndsTheText) {
  std::string text = Lines({";c", "(yorvane-level", "  (name \"before\")"}) + std::string(300, ' ') + "\n" +
                     "  (author \"x\r\")\n  (music \"after.mod\")\n";
  ASSERT_TRUE(Read(text));
  EXPECT_EQ(Level.Name, "before");
  EXPECT_EQ(Level.Author, "x");  // the line ends at the CR, before the closing quote
  EXPECT_EQ(Level.Music, "");    // never read
}

TEST_F(LevelReader, LfModeLeavesOutASingleLastCharacter) {
  LfMode = true;
  ReadBuffer = "ab\nc";
  ReadPos = 1;
  ReadNextLine();
  EXPECT_EQ(CurrentLine, "ab");
  EXPECT_EQ(ReadPos, 4);
  ReadNextLine();
  EXPECT_EQ(CurrentLine, "");
  EXPECT_EQ(ReadPos, -1);
  ReadNextLine();  // the end stays reported
  EXPECT_EQ(ReadPos, -1);

  ReadBuffer = "ab\ncd";
  ReadPos = 1;
  ReadNextLine();
  ReadNextLine();
  EXPECT_EQ(CurrentLine, "cd");
  EXPECT_EQ(ReadPos, 6);
  ReadNextLine();
  EXPECT_EQ(ReadPos, -1);

  ReadBuffer = "ab\n\n\nxy\n";
  ReadPos = 1;
  std::vector<std::string> lines;
  for (ReadNextLine(); ReadPos > 0; ReadNextLine()) lines.push_back(CurrentLine);
  EXPECT_EQ(lines, (std::vector<std::string>{"ab", "", "", "xy"}));

  // In a whole file: a last line of one character is lost, one of two is read.
  std::string text = Lines({"(yorvane-level", "  (name \"n\")", ")"}) + std::string(300, ' ') + "\n;";
  ASSERT_TRUE(Read(text));
  EXPECT_EQ(Level.Name, "n");
  EXPECT_EQ(Level.Comment, "");
  ASSERT_TRUE(Read(text + ";"));
  EXPECT_EQ(Level.Comment, ";;");
}

TEST_F(LevelReader, BackScrolling) {
  struct Case {
    std::string line, value;
  };
  for (const Case& c :
       {Case{"  (back_scrolling #t)", "t"}, Case{"  (back_scrolling #f)", "f"}, Case{"  (back_scrolling #)", ""},
        Case{"  (back_scrolling #", ""}, Case{"  (back_scrolling #true)", "t"}}) {
    Level.BackScrolling = "x";
    ASSERT_TRUE(Read("(yorvane-level\n" + c.line + "\n"));
    EXPECT_EQ(Level.BackScrolling, c.value) << c.line;
  }
}

TEST_F(LevelReader, ASecondReadStartedFromTheEventPumpIsRefused) {
  mem.Put("C:\\other\\second.yvl", Padded(Lines({"(yorvane-level", "  (name \"second\")"})));
  mem.Put("C:\\other\\info", Lines({";the other set", "(yorvane-level-subset", "  (title \"other\")"}));
  mem.Put("C:\\sets\\one\\info", Lines({";the set of the level", "(yorvane-level-subset", "  (title \"mine\")"}));
  int attempts = 0;
  std::vector<bool> results;
  pump = [&] {
    if (attempts++ > 0) return;
    results.push_back(ReadLevelFile("C:\\other\\second.yvl"));
    ReadInfoFile("C:\\other\\second.yvl");
  };
  ASSERT_TRUE(Read(Lines({"(yorvane-level", "  (name \"first\")", "  (width  21)"}) + AllMaps(21, Zero)));
  EXPECT_EQ(results, std::vector<bool>{false});
  EXPECT_EQ(Level.Name, "first");
  EXPECT_EQ(Level.Width, 21);
  EXPECT_EQ(CurrentSubset.Title, "mine");
  EXPECT_EQ(Pref.LastLevelFile, kPath);
  ExpectNoBox();

  // Once the read is over, reading works again, and from the pump as well.
  pump = nullptr;
  ASSERT_TRUE(ReadLevelFile("C:\\other\\second.yvl"));
  EXPECT_EQ(Level.Name, "second");
  EXPECT_EQ(CurrentSubset.Title, "other");
  EXPECT_FALSE(ReadInProgress());
}

TEST_F(LevelReader, TheEventPumpRunsThroughTheRead) {
  // Count the pump per line read and per tile character: a file with more
  // lines and more tile characters runs it more often.
  int pumps = 0;
  pump = [&] { ++pumps; };
  ASSERT_TRUE(Read(Lines({"(yorvane-level", "  (width  21)"}) + AllMaps(21, Zero)));
  const int small = pumps;
  // 45 tile rows + 47 lines + at least one per tile character (21 x 2 per row).
  EXPECT_GE(small, 45 + 47 + 45 * 42);
  pumps = 0;
  ASSERT_TRUE(Read(Lines({"(yorvane-level", "  (width  21)"}) + AllMaps(21, [](int, int) { return 100; })));
  EXPECT_GE(pumps - small, 45 * 21 * 2);  // two more characters per tile
}
