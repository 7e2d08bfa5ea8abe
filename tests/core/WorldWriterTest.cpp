// The world-map writer: the exact bytes of every line and record, the header
// rules, and the file replace with its failure box.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "model/BuildLock.h"
#include "model/Preference.h"
#include "model/YVE_Info.h"
#include "model/YVE_Write.h"
#include "tests/core/WorldTestSupport.h"

using namespace yv;

namespace {

class WorldWriter : public test::WorldFixture {};

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
}

// Every writer tells a save that is done but may not be durable by its own
// box, and counts it as done.
TEST_F(WorldWriter, EachWriterTellsAWarnedSave) {
  const std::string kLevel = "C:\\sets\\ice\\level1.yvl", kInfo = "C:\\sets\\ice\\info";
  struct Writer {
    const char* name;
    std::function<bool()> save;
    std::string path, text, title;
    std::string* published;
  };
  const Writer writers[] = {
      {"level", [&] { return WriteLevelFile(kLevel); }, kLevel, "Error Saving Level Data!", "YV_Editor - Save Level",
       &LevelText},
      {"info", [&] { return WriteInfoFile(kInfo); }, kInfo, "Error Saving INFO Data!", "YV_Editor - Save INFO",
       &InfoText},
      {"world", [] { return SaveWorldFile(test::kWorldPath); }, test::kWorldPath, "Error Saving World Map Data!",
       "YV_Editor - Save World Map", &WorldText},
  };
  struct Failure {
    const char* name;
    bool warned;
    std::string reason;
  };
  const Failure failures[] = {
      {"warned", true, "The folder could not be synced."},
  };
  for (const Writer& w : writers) {
    for (const Failure& f : failures) {
      SCOPED_TRACE(std::string(w.name) + ", " + f.name);
      mem.files.clear();
      mem.Put(w.path, "old");
      mem.warnWrites = f.warned;
      mem.warnReason = f.reason;
      *w.published = "before";
      WorldChanged = true;
      ui->msgCalls.clear();
      EXPECT_EQ(w.save(), f.warned);
      EXPECT_FALSE(BuildInProgress());
      ASSERT_EQ(ui->msgCalls.size(), 1u);
      EXPECT_EQ(ui->msgCalls[0].text, w.text + "\r\n" + f.reason);
      EXPECT_EQ(ui->msgCalls[0].style, 16);
      EXPECT_EQ(ui->msgCalls[0].title, w.title);
      EXPECT_EQ(mem.files.begin()->second, f.warned ? *w.published : "old");
      EXPECT_EQ(*w.published == "before", !f.warned);
      EXPECT_EQ(WorldChanged, !(f.warned && w.published == &WorldText));
    }
  }
  // The preferences file has no box: a warned save of it just succeeds.
  mem.warnWrites = true;
  ui->msgCalls.clear();
  EXPECT_TRUE(SavePreferences());
  EXPECT_TRUE(ui->msgCalls.empty());
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
