// The world-map reader: the tokenizer's end rules, every error code, the
// wider grammar it accepts, and what it leaves in the flags and preferences.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>
#include <tuple>
#include <vector>

#include "model/Preference.h"
#include "model/ReaderState.h"
#include "tests/core/WorldTestSupport.h"

using namespace yv;

// Every block the test program asks for passes here, so that a test can
// count the large ones a read allocates.
namespace {
size_t g_largeFrom = SIZE_MAX;  // counting is off while this is SIZE_MAX
int g_largeBlocks = 0;
void* Allocate(size_t size) {
  if (size >= g_largeFrom) ++g_largeBlocks;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
}  // namespace
void* operator new(size_t size) { return Allocate(size); }
void* operator new[](size_t size) { return Allocate(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept { return std::malloc(size ? size : 1); }
void* operator new[](size_t size, const std::nothrow_t&) noexcept { return std::malloc(size ? size : 1); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }
void operator delete[](void* p, size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }

namespace {

class WorldReader : public test::WorldFixture {};

std::string Doc(const std::string& inner) { return ";; test\n(yorvane-worldmap\n" + inner + ")\n"; }
const std::string kTiles = "  (tilemap (width 2) (height 1) (data 1 2))\n";
std::string Levels(const std::string& records) { return Doc(kTiles + "(levels\n" + records + "\n)\n"); }

std::string Replace(std::string s, const std::string& from, const std::string& to) {
  for (size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
    s.replace(at, from.size(), to);
  return s;
}

TEST_F(WorldReader, TheTokenizerTakesBlanksWordsStringsFlagsAndLinesAsTheGrammarSays) {
  const std::string start = ";; t\n(yorvane-worldmap\n";
  // What a text leaves: its code, the world's name, and link 1's type, x and flag.
  const std::tuple<std::string, int, std::string> cases[] = {
      // Space, TAB and LF stand between tokens and inside strings; keywords
      // come in any case.
      {Doc(" \t\n(PROPERTIES\t(NaMe\n\"a b\n\tc\"\t)\n)" + kTiles), 0, "a b\n\tc"},
      // Blanks after the last token are no token.
      {Doc(kTiles) + " \t\n ", 0, "default_test"},
      // A "(" ends a keyword and is taken; a ")" ends a number and is left.
      {Levels("(level (x(5))"), 0, "default_test|0,5,"},
      // A quote as the last character is an empty string; a value without its
      // quote empties the field.
      {start + "  (properties (name \t\"", 1, ""},
      {Doc("  (properties (name \"Old\") (name abc\"))\n"), 11, ""},
      // "#" and a blank as the last characters give no flag.
      {start + kTiles + "(levels (level (invisible-teleporter # ", 1, "default_test|5,0,"},
      // The rest of a "(;" line stops at a "(", which is not the entry's ")".
      {Levels("(level (; a(\n))"), 33, "default_test|1,0,"},
  };
  for (const auto& [text, code, read] : cases) {
    EXPECT_EQ(Read(text), code) << text;
    std::string left = World.Name;
    if (World.LinkCount > 0) {
      const WorldLink& l = World.Links[1];
      left += "|" + std::to_string(l.LinkType) + "," + std::to_string(l.X) + "," + l.Invisible;
    }
    EXPECT_EQ(left, read) << text;
  }
}

TEST_F(WorldReader, EachErrorCodeOfTheTableIsReported) {
  const std::string start = ";; t\n(yorvane-worldmap\n";
  // clang-format off
  const std::pair<int, std::string> cases[] = {
      {0, Doc(kTiles)},
      // The body's ")" as the last byte; no body at all.
      {1, Doc(kTiles).substr(0, Doc(kTiles).size() - 1)}, {1, ""}, {1, ";; comments only\n"},
      {1, "(yorvane-level\n  (version 1))\n"},
      // The end of the text inside a section (2, 10, 20, 30, 31, 32) is reported as 1.
      {1, start + "  (properties)\n"}, {1, start + "  (properties (name \"N\")\n"},
      {1, start + "  (tilemap (width 2)\n"}, {1, start + kTiles + "(levels\n"},
      {1, start + kTiles + "(levels (level (x 1)\n"}, {1, start + kTiles + "(levels (level (name"},
      {3, Doc("  (tilemap (width 0) (height 5))\n")},
      {4, Doc("  (props)\n")}, {4, Doc("; between sections\n" + kTiles)},
      {11, Doc("  (properties (name \"N\" x))\n")}, {11, Doc("  (properties (name abc))\n")},
      {12, Doc("  (properties (music \"m\" (x))\n")}, {13, Doc("  (properties (start_pos_x 5 6))\n")},
      {14, Doc("  (properties (start_pos_y a))\n")},
      {19, Doc("  (properties (width 5))\n")}, {19, Doc("  (properties ; c\n)\n")},
      {21, Doc("  (tilemap (width 5 5))\n")}, {22, Doc("  (tilemap (height x))\n")},
      {23, Doc("  (tilemap (width 0) (height 0) (data 1 2))\n")},
      {23, Doc("  (tilemap (width -3) (height 2) (data 1 2 3 4 5 6 7 8 9 10 11 12))\n")},
      {24, Doc("  (tilemap (width 2) (height 1) (data 1 2 3))\n")},
      {24, Doc("  (tilemap (width 2) (height 1) (data 1 x))\n")},
      {29, Doc("  (tilemap (name \"x\"))\n")}, {29, Doc("  (tilemap ; c\n)\n")},
      {33, Levels("(level (; on one line)\n   (x 1))")}, {34, Levels("(level (name abc))")},
      {35, Levels("(level (x))")}, {36, Levels("(level (y q))")},
      {37, Levels("(level (map-message \"m\" x))")}, {38, Levels("(level (teleport-message \"m\" x))")},
      {39, Levels("(level (invisible-teleporter #)\n   (dest_x 1))")},
      {40, Levels("(level (dest_x 1 1))")}, {41, Levels("(level (dest_y z))")},
      {42, Levels("(level (apply-action-right #t t))")}, {43, Levels("(level (apply-action-left #tt))")},
      {44, Levels("(level (apply-action-up #t x))")}, {45, Levels("(level (apply-action-down #t x))")},
      {46, Levels("(level (extro-filename \"e\" x))")},
      {48, Levels("(level ())")}, {48, Levels("(level (;x 1))")},
      {49, Levels("(levle)")}, {49, Levels("(level x)")},
      // A broken body stays broken when a good one follows it.
      {19, Doc("  (properties (bogus 1))\n") + Doc(kTiles)},
  };
  // clang-format on
  for (const auto& [code, text] : cases) {
    test::ResetWorldState();
    EXPECT_EQ(Read(text), code) << text;
    EXPECT_EQ(WorldLoaded, code == 0) << text;
  }
}

TEST_F(WorldReader, ANumberIsAnOptionalSignAndDigitsInSixteenBitsAndAnythingElseKeepsTheField) {
  // clang-format off
  const std::pair<const char*, int> cases[] = {
      {"+5", 5}, {"-32768", -32768}, {"32767", 32767}, {"0000000007", 7}, {"32768", 77}, {"-32769", 77},
      {"5a", 77}, {"--5", 77}, {"+", 77}, {"1e3", 77}, {"", 77},
  };
  // clang-format on
  for (const auto& [word, value] : cases) {
    test::ResetWorldState();
    const int code = Read(Doc("  (properties (start_pos_x 77) (start_pos_x " + std::string(word) + "))\n" + kTiles));
    EXPECT_EQ(code, value == 77 ? 13 : 0) << word;
    EXPECT_EQ(World.StartX, value) << word;
    // The same word as a map cell, with text enough after it for the quick
    // reading of cells.
    const int cellCode = Read(Doc("  (tilemap (width 1) (height 1) (data " + std::string(word) +
                                  " ))\n  (properties (name \"read on past the map\"))\n"));
    EXPECT_EQ(cellCode, value == 77 ? 24 : 0) << word;
    EXPECT_EQ(World.Tiles.Get(0, 0), value == 77 ? 0 : value) << word;
  }
}

TEST_F(WorldReader, AReadSetsTheFlagsAndThePathAndKeepsWhatWasReadBeforeAnError) {
  UseCrLfLineEnds();
  TabChar = "x";
  WorldChanged = NewWorldPending = true;
  EXPECT_EQ(Read(Doc("  (properties (name \"Isle\") (music 55))\n")), 12);
  EXPECT_FALSE(WorldLoaded);
  EXPECT_TRUE(WorldChanged);
  EXPECT_FALSE(NewWorldPending);
  EXPECT_EQ(Pref.LastWorldMapFile, test::kWorldPath);
  EXPECT_EQ(World.Name, "Isle");
  EXPECT_EQ(NewLine, "\n");
  EXPECT_EQ(TabChar, "\t");
  EXPECT_EQ(CloseLine, ")\r\n");

  EXPECT_EQ(Read(Doc("  (properties (name \"Isle\") (start_pos_y -5))\n  (tilemap (width 3) (height 2) (data 1 2 3\n"
                     "4 -5 600))\n")),
            0);
  EXPECT_TRUE(WorldLoaded);
  EXPECT_FALSE(WorldChanged);
  EXPECT_EQ(World.StartY, -5);
  EXPECT_EQ(World.Music, "SALCON.MOD");
  TileMap tiles;
  tiles.Create(3, 2);
  for (int i = 0; i < 6; ++i) tiles.Set(i % 3, i / 3, std::vector<int16_t>{1, 2, 3, 4, -5, 600}[i]);
  EXPECT_EQ(World.Tiles, tiles);
  EXPECT_EQ(World.Comments, (std::vector<std::string>{";; test", "; test"}));
  EXPECT_TRUE(ui->msgCalls.empty());
}

TEST_F(WorldReader, APathWithoutAReadableFileShowsTheBoxAndChangesNothingElse) {
  struct UnreadableFs : platform::MemoryFileSystem {
    bool ReadWholeFile(const std::string&, std::string& bytes) override {
      bytes.clear();
      return false;
    }
  } unreadable;
  unreadable.Put(test::kWorldPath, Doc(kTiles));
  mem.folders.push_back("C:\\MAPS\\FOLDER.YVWM");
  const std::pair<platform::FileSystem*, std::string> cases[] = {
      {&mem, "C:\\maps\\none.yvwm"}, {&mem, "C:\\maps\\folder.yvwm"}, {&unreadable, test::kWorldPath}};
  for (const auto& [fs, path] : cases) {
    ui->msgCalls.clear();
    World.Name = "Old";
    Pref.LastWorldMapFile = "C:\\last.yvwm";
    WorldLoaded = NewWorldPending = WorldChanged = true;
    WorldReadError = 7;
    platform::FileSystem::Install(fs);
    ReadWorldFile(path);
    platform::FileSystem::Install(&mem);
    ASSERT_EQ(ui->msgCalls.size(), 1u) << path;
    EXPECT_EQ(ui->msgCalls[0].text, path);
    EXPECT_EQ(ui->msgCalls[0].style, 16);
    EXPECT_EQ(ui->msgCalls[0].title, "Map NOT Found!");
    EXPECT_EQ(WorldReadError, 0);
    EXPECT_FALSE(WorldLoaded);
    EXPECT_EQ(World.Name, "default_test");
    EXPECT_EQ(Pref.LastWorldMapFile, "C:\\last.yvwm");
    EXPECT_TRUE(NewWorldPending && WorldChanged) << path;
  }
  // A read asked for while another runs does nothing at all.
  ReadLock running;
  World.Name = "Untouched";
  ReadWorldFile(test::kWorldPath);
  EXPECT_EQ(World.Name, "Untouched");
  EXPECT_EQ(ui->msgCalls.size(), 1u);
}

TEST_F(WorldReader, CrLfAndCrFilesReadLikeTheirLfForm) {
  const std::string lf =
      Doc("  (properties (name \"Two\nlines\"))\n  (tilemap (width 2) (height 2)\n (data 1 2\n 3 4))\n"
          "(levels\n; note\n(level (x 1) (y 2))\n)\n");
  ASSERT_EQ(Read(lf), 0);
  const WorldData expected = World;
  const std::string crlf = Replace(lf, "\n", "\r\n");
  // A lone LF in a file that holds CR stays in its line.
  // A last line without its line end is a line all the same.
  for (const std::string& text :
       {crlf, Replace(lf, "\n", "\r"), Replace(crlf, "Two\r\n", "Two\n"), crlf.substr(0, crlf.size() - 2)}) {
    test::ResetWorldState();
    EXPECT_EQ(Read(text), 0);
    EXPECT_EQ(World, expected);
  }
}

TEST_F(WorldReader, TheFirstCommentLineIsTheHeaderWhenItBeginsWithTwoSemicolons) {
  const std::string body = Doc(kTiles).substr(Doc(kTiles).find('\n') + 1);
  const std::pair<std::string, std::string> cases[] = {{";; (a) map \t\n", ";; (a) map \t"},
                                                       {";;\r\n; more\r\n", ";;"},
                                                       {"; x\n;; y\n", ""},
                                                       {"  ;; not first on its line\n", ""},
                                                       {"", ""}};
  for (const auto& [head, header] : cases) {
    test::ResetWorldState();
    EXPECT_EQ(Read(head + body), 0) << head;
    EXPECT_EQ(World.Comments[0], header) << head;
  }
}

TEST_F(WorldReader, SectionsComeInAnyOrderAndRepeatedAndDataBeforeTheSizesReadsEighteenByFifteen) {
  std::string numbers;
  for (int i = 0; i < 18 * 15; ++i) numbers += std::to_string(i % 70) + " ";
  EXPECT_EQ(Read(Doc("(levels (level (x 4) (y 5)))\n  (tilemap (data " + numbers +
                     ") (width 5) (height 4))\n  (properties (name \"First\") (start_pos_x 1))\n"
                     "  (properties (name \"Second\"))\n(levels (level (x 6)))\n")),
            0);
  EXPECT_EQ(World.Name, "Second");
  EXPECT_EQ(World.StartX, 1);
  EXPECT_EQ(World.LinkCount, 2);
  EXPECT_EQ(World.Links[2].X, 6);
  // The later sizes do not re-create the map.
  EXPECT_EQ(World.Width * 100 + World.Height, 504);
  EXPECT_EQ(World.Tiles.Columns() * 100 + World.Tiles.Rows(), 1916);
  EXPECT_EQ(World.Tiles.Get(17, 14), (18 * 15 - 1) % 70);
}

TEST_F(WorldReader, RecordsTakeTheLastTypeEntryAndEveryLaterRecordThePendingComment) {
  EXPECT_EQ(Read(";; my (old) map\n" +
                 Levels("(level (x 3) (y 4))\n; first (note)\n(level (name \"a\") (map-message \"m\") (x 1))\n"
                        "(level (invisible-teleporter t) (apply-action-up # F))\n; second\n"
                        "(level (; entry text\n) (teleport-message \"t\") (NAME \"b\"))\n(level (; only\n))") +
                 "; tail"),
            0);
  // The header with its bracket is one comment; a last line without its
  // line end loses its last character.
  EXPECT_EQ(World.Comments, (std::vector<std::string>{";; my (old) map", "; my (old) map", "; test", " tai"}));
  struct Expect {
    int type;
    std::string name, message, invisible, up, comment;
  };
  const Expect expected[] = {{0, "", "", "", "", ""},
                             {3, "a", "m", "", "", "; first (note)"},
                             {5, "", "", "", "F", "; first (note)"},
                             {2, "b", "t", "", "", "; second"},
                             {1, "", "", "", "", "; second"}};
  ASSERT_EQ(World.LinkCount, 5);
  for (int i = 1; i <= 5; ++i) {
    const WorldLink& l = World.Links[static_cast<size_t>(i)];
    const Expect& e = expected[i - 1];
    EXPECT_EQ(l.LinkType, e.type) << i;
    EXPECT_EQ(l.LevelLinkName + "|" + l.Message + "|" + l.Invisible + "|" + l.ApplyUp + "|" + l.Comment,
              e.name + "|" + e.message + "|" + e.invisible + "|" + e.up + "|" + e.comment)
        << i;
  }
}

TEST_F(WorldReader, TextsTooShortForTheirSizesAndOpenStringsEndAtTheEndOfTheText) {
  EXPECT_EQ(Read(Doc("  (tilemap (width 32767) (height 32767) (data 1 2 3 4))\n")), 1);
  EXPECT_EQ(World.Tiles, WorldData{}.Tiles);
  EXPECT_EQ(Read(";; t\n(yorvane-worldmap\n  (properties (name \"no end\n)\n)"), 1);
  EXPECT_EQ(World.Name, "no end\n)\n)");
  // Two numbers need four characters: a digit and one more after each.
  const std::pair<const char*, int> cases[] = {{"(data 1 2)\n", 3}, {"(data 1 2)", 3}, {"(data 1 2", 1}};
  for (const auto& [text, columns] : cases) {
    EXPECT_EQ(Read(";; t\n(yorvane-worldmap\n  (tilemap (width 2) (height 1) " + std::string(text)), 1) << text;
    EXPECT_EQ(World.Tiles.Columns(), columns) << text;
  }
}

TEST_F(WorldReader, TheLinkAndCommentCountsStopAtTheirSixteenBitLimit) {
  std::string records, comments;
  for (int i = 0; i < kMaxWorldLinks; ++i) records += "(level)";
  for (int i = 0; i < kMaxWorldLinks + 3; ++i) comments += ";" + std::to_string(i) + "\n";
  EXPECT_EQ(Read(Levels(records)), 0);
  EXPECT_EQ(Read(comments + Levels(records + "(level (x 1))")), 49);
  EXPECT_EQ(World.LinkCount, kMaxWorldLinks);
  EXPECT_EQ(World.Links.size(), kMaxWorldLinks + 1u);
  EXPECT_EQ(World.CommentCount, kMaxWorldLinks);
  ASSERT_EQ(World.Comments.size(), kMaxWorldLinks + 1u);
  EXPECT_EQ(World.Comments.back(), std::to_string(kMaxWorldLinks - 1));
}

}  // namespace

namespace {

TEST_F(WorldReader, AReadHoldsItsFileOnceAndAllocatesItsLinkListOnce) {
  // Blocks of 64 links or more: the file's bytes, a copy of them, the link
  // list. A read takes the file once and the link list once, however its
  // records are written (a list that grew would take 7 blocks from 64 links
  // to 4001). A lone-CR file whose last line has no line end gets its LF in
  // the same block.
  const std::tuple<std::string, std::string> cases[] = {
      {"(level (x 1))", "\n"}, {"(level (x 1))", "\r\n"}, {"(level (x 1))", "\r"}, {"( level (x 1))", "\n"}};
  for (const auto& [record, lineEnd] : cases) {
    std::string records;
    for (int i = 0; i < 4000; ++i) records += record + "\n";
    std::string text = Replace(Levels(records), "\n", lineEnd);
    if (lineEnd == "\r") text.pop_back();
    mem.Put(test::kWorldPath, text);
    g_largeFrom = 64 * sizeof(WorldLink);
    g_largeBlocks = 0;
    ReadWorldFile(test::kWorldPath);
    g_largeFrom = SIZE_MAX;
    EXPECT_EQ(g_largeBlocks, 2) << record << lineEnd.size();
    EXPECT_EQ(WorldReadError * 10000 + World.Links.size(), 4001u) << record << lineEnd.size();
  }
}

}  // namespace
