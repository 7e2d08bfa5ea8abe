// The world-map writer: the exact bytes of every line and record, the header
// rules, and the file replace with its failure box.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <new>
#include <string>
#include <vector>

#include "model/BuildLock.h"
#include "model/ReaderState.h"
#include "model/SaveFile.h"
#include "tests/core/WorldTestSupport.h"

using namespace yv;

namespace {

class WorldWriter : public test::WorldFixture {
 protected:
  void TearDown() override {
    InstallBuildHook(nullptr);
    test::WorldFixture::TearDown();
  }
};

// 32767 x 32767 cells and nothing else: its text would be 3.2 GB.
const std::string kHugeWorld = "(yorvane-worldmap (tilemap (width 32767) (height 32767)))\n";

// A link of the type with every field set: each record must leave out the
// fields its type does not name.
WorldLink Link(int type, int x, int y, void (*change)(WorldLink&) = nullptr) {
  WorldLink l{static_cast<int16_t>(type),
              "; note",
              "set/a.yvl",
              "Hi",
              "C:\\x\\end.txt",
              "f",
              "",
              "f",
              "t",
              "",
              static_cast<int16_t>(x),
              static_cast<int16_t>(y),
              4,
              -3};
  if (change) change(l);
  return l;
}

TEST_F(WorldWriter, AWholeFileIsWrittenByteForByte) {
  UseCrLfLineEnds();
  World.Comments[0] = "  ;; Frost \"world\"  ";
  World.Name = "The \"Big\" One";
  World.Music = "snow.mod";
  World.StartX = 2;
  World.StartY = -1;
  World.Width = 4;
  World.Height = 3;
  // The array lacks the last row of the map (written 0) and has a spare
  // column (not written).
  World.Tiles.Create(4, 1);
  const int16_t cells[2][5] = {{0, 9, 10, 71, 5}, {-1, -32768, 100, 8, 5}};
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < 5; ++c) World.Tiles.Set(c, r, cells[r][c]);
  const std::vector<WorldLink> links = {
      Link(2, 1, 0, [](WorldLink& l) { l.ExtroFile = "   "; }),
      Link(2, -5, 6, [](WorldLink& l) { l.ExtroFile = "  C:\\\"e\".txt "; }),
      Link(3, 7, 8),
      Link(3, 0, 0, [](WorldLink& l) { l.ApplyLeft = l.ApplyRight = l.ApplyUp = l.ApplyDown = ""; }),
      Link(3, 0, 0, [](WorldLink& l) { l.ApplyLeft = "down", l.ApplyRight = "F", l.ApplyUp = "u"; }),
      Link(4, 1, 2, [](WorldLink& l) { l.Message = "say \"hi\"\nthen"; }),
      Link(5, 1, 2),
      Link(5, 1, 2, [](WorldLink& l) { l.Invisible = ""; }),
      Link(0, 3, 4),
      Link(1, -3, 40),
      Link(9, 1, 1),
  };
  World.LinkCount = static_cast<int16_t>(links.size());
  World.Links = links;
  World.Links.insert(World.Links.begin(), WorldLink{});
  const WorldData before = World;

  EXPECT_EQ(Built(),
            ";; Frost \"world\"\n"
            "(yorvane-worldmap\n"
            "  (properties\n"
            "    (name \"The 'Big' One\")\n"
            "    (music \"snow.mod\")\n"
            "    (start_pos_x 2)\n"
            "    (start_pos_y -1))\n"
            "  (tilemap\n"
            "    (width  4)\n"
            "    (height 3)\n"
            "    (data\n"
            "       0  9  10 71 \n"
            "       -1  -32768  100 8  \n"
            "       0  0  0  0  \n"
            "       ))\n"
            "(levels\n"
            "     (level (name \"set/a.yvl\")\n           (x  1)\n           (y  0))\n"
            "     (level (name \"set/a.yvl\")\n           (x  -5)\n           (y  6)\n"
            "           (extro-filename \"C:\\'e'.txt\"))\n"
            "     (level  (map-message \"Hi\")\n           (x 7)\n           (y 8)\n"
            "           (apply-action-left #t)\n           (apply-action-down #f)\n)\n"
            "     (level  (map-message \"Hi\")\n           (x 0)\n           (y 0)\n)\n"
            "     (level  (map-message \"Hi\")\n           (x 0)\n           (y 0)\n"
            "           (apply-action-left #down)\n           (apply-action-right #F)\n"
            "           (apply-action-up #u)\n           (apply-action-down #f)\n)\n"
            "     (level            (x 1)\n           (y 2)\n           (teleport-message \"say 'hi'\nthen\")\n"
            "           (dest_x 4)\n           (dest_y -3))\n"
            "     (level            (x 1)\n           (y 2)\n           (invisible-teleporter #f)\n"
            "           (dest_x 4)\n           (dest_y -3))\n"
            "     (level            (x 1)\n           (y 2)\n           (invisible-teleporter #t)\n"
            "           (dest_x 4)\n           (dest_y -3))\n"
            "     (level (x  3)\n           (y  4))\n"
            "     (level (x  -3)\n           (y  40))\n"
            "     (level (x  1)\n           (y  1))\n"
            "      ))\n");
  EXPECT_EQ(NewLine, "\n");
  EXPECT_EQ(QuoteCloseCloseLine, "\"))\n");
  // Nothing in memory changes but the header stored back.
  EXPECT_EQ(World.Comments[0], ";; Frost \"world\"");
  World.Comments[0] = before.Comments[0];
  EXPECT_EQ(World, before);
  EXPECT_EQ(WorldTextLength(), static_cast<int64_t>(WorldText.size()));
}

TEST_F(WorldWriter, TheLengthIsThatOfTheBuiltText) {
  struct Case {
    int width, height, arrayColumns, arrayRows;
  };
  for (const Case& c : {Case{0, 3, 0, 0}, Case{-2, 3, 1, 1}, Case{3, -1, 2, 2}, Case{7, 4, 2, 3}, Case{2, 2, 6, 6}}) {
    World.Width = static_cast<int16_t>(c.width);
    World.Height = static_cast<int16_t>(c.height);
    World.Tiles.Create(c.arrayColumns - 1, c.arrayRows - 1);
    const int16_t tiles[] = {0, 9, 10, 99, 100, -1, -10, 32767, -32768};
    for (int i = 0; i < c.arrayColumns * c.arrayRows; ++i)
      World.Tiles.Set(i % c.arrayColumns, i / c.arrayColumns, tiles[i % 9]);
    const std::string text = Built();
    EXPECT_EQ(WorldTextLength(), static_cast<int64_t>(text.size())) << c.width << "x" << c.height;
  }
}

// A map whose text the reader could not take back is refused before anything
// is built, at once, however many cells it names, and opening and saving it
// stays far from its 3.2 GB: the peak is measured in a child process, which
// has its own.
TEST_F(WorldWriter, AMapTooLargeToReadBackIsRefusedAtOnceAndTakesNoMemory) {
  ASSERT_EQ(kHugeWorld.size(), 58u);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    rusage before{}, after{};
    ::getrusage(RUSAGE_SELF, &before);
    const bool read = Read(kHugeWorld) == 0 && WorldLoaded;
    const bool saved = SaveWorldFile(test::kWorldPath);
    ::getrusage(RUSAGE_SELF, &after);
    const long grownKiB = after.ru_maxrss - before.ru_maxrss;
    ::_exit(read && !saved && grownKiB < 100 * 1024 ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;

  const auto saveBox = [](const std::string& reason) {
    return std::vector<std::string>{"Error Saving World Map Data!\r\n" + reason + "|YV_Editor - Save World Map|16"};
  };
  ASSERT_EQ(Read(kHugeWorld), 0);
  WorldChanged = true;
  WorldText = "before";
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(SaveWorldFile(test::kWorldPath));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
  EXPECT_EQ(ui->Boxes(), saveBox("The map is too large to save."));
  EXPECT_TRUE(WorldChanged && mem.files.begin()->second == kHugeWorld && WorldText == "before");
  EXPECT_EQ(World.Comments[0], "");  // not even the header is stored back

  // At the limit: the length of h rows of 32767 cells the array does not
  // hold follows from that of one row, built.
  World.Height = 1;
  const int64_t oneRow = static_cast<int64_t>(Built().size());
  EXPECT_EQ(WorldTextLength(), oneRow);
  for (const int16_t height : {21844, 21845}) {
    World.Height = height;
    const int64_t length = oneRow + (height - 1) * int64_t{7 + 3 * 32767 + 1} + 4;  // "1" becomes 5 digits
    EXPECT_EQ(WorldTextLength(), length);
    const bool fits = height == 21844;
    EXPECT_EQ(length < kMaxReadableLength, fits);
    // Past the size check the build meets the hook, which stands for the
    // memory running out rather than building 2 GB here.
    InstallBuildHook([] { throw std::bad_alloc(); });
    ui->msgCalls.clear();
    EXPECT_FALSE(BuildWorldText());
    EXPECT_EQ(ui->Boxes(), saveBox(fits ? kNoMemoryToBuild : kTooLargeToSave));
  }
}

TEST_F(WorldWriter, TheHeaderIsTheTrimmedCommentWhenItBeginsWithTwoSemicolons) {
  const std::string def = kDefaultWorldHeader;
  const std::pair<std::string, std::string> cases[] = {
      {";;", ";;"},       {"   ;; mine  ", ";; mine"},
      {";", def},         {"", def},
      {"; one", def},     {"mine ;;", def},
      {"\t;; x", def},    {";; two\r\nlines", ";; two  lines"},
      {"\n;; a", ";; a"}, {";; (b)", ";; (b)"},
  };
  for (const auto& [comment, header] : cases) {
    World.Comments = {comment, "never written"};
    World.CommentCount = 1;
    const std::string text = Built();
    EXPECT_EQ(text.substr(0, text.find('\n')), header) << comment;
    EXPECT_EQ(World.Comments, (std::vector<std::string>{header, "never written"})) << comment;
    EXPECT_EQ(text.find("never"), std::string::npos);
  }
}

TEST_F(WorldWriter, AFailedOrRefusedWriteKeepsTheOldFileAndTheChangedFlag) {
  mem.Put(test::kWorldPath, "old text");
  ASSERT_TRUE(BuildWorldText());
  mem.failWrites = true;
  mem.failReason = "The disk is full.";
  WorldChanged = true;
  EXPECT_FALSE(WriteWorldFile(test::kWorldPath));
  ASSERT_EQ(ui->msgCalls.size(), 1u);
  EXPECT_EQ(ui->msgCalls[0].text, "Error Saving World Map Data!\r\nThe disk is full.");
  EXPECT_EQ(ui->msgCalls[0].style, 16);
  EXPECT_EQ(ui->msgCalls[0].title, "YV_Editor - Save World Map");
  EXPECT_EQ(MsgResult, 1);
  EXPECT_TRUE(WorldChanged);
  EXPECT_EQ(mem.files.begin()->second, "old text");

  // Another build or save running (reached through the event pump): this
  // one builds and writes nothing.
  mem.failWrites = false;
  {
    BuildLock running;
    World.Comments[0] = "; not yet stored";
    EXPECT_FALSE(BuildWorldText());
    EXPECT_EQ(World.Comments[0], "; not yet stored");
    EXPECT_FALSE(WriteWorldFile(test::kWorldPath));
  }
  for (const char* blank : {"", "  "}) EXPECT_TRUE(WriteWorldFile(blank));
  EXPECT_TRUE(WorldChanged);
  EXPECT_EQ(mem.files.size(), 1u);
  EXPECT_EQ(mem.files.begin()->second, "old text");
  EXPECT_EQ(ui->msgCalls.size(), 1u);

  EXPECT_TRUE(WriteWorldFile(test::kWorldPath));
  EXPECT_FALSE(WorldChanged);
  EXPECT_EQ(mem.files.begin()->second, WorldText);
}

}  // namespace
