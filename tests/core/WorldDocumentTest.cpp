// The world document: start state, resets, links added and deleted, and the
// checked tile accessor.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/core/WorldTestSupport.h"

using namespace yv;

namespace {

class WorldDocument : public test::WorldFixture {};

WorldLink NumberedLink(int i) {
  WorldLink link;
  link.LinkType = static_cast<int16_t>(2 + i % 4);
  link.Message = "message " + std::to_string(i);
  link.X = static_cast<int16_t>(i);
  link.DestY = static_cast<int16_t>(-i);
  return link;
}

void SetLinks(int count) {
  World.LinkCount = static_cast<int16_t>(count);
  World.Links.assign(static_cast<size_t>(count) + 1, WorldLink{});
  for (int i = 1; i <= count; ++i) World.Links[static_cast<size_t>(i)] = NumberedLink(i);
}

TEST_F(WorldDocument, AtStartTheArraysHoldElementZeroAndTheResetsGiveTheirDefaults) {
  EXPECT_EQ(World.Comments, std::vector<std::string>{""});
  EXPECT_EQ(World.Links, std::vector<WorldLink>(1));
  EXPECT_EQ(World.Tiles.Columns() * World.Tiles.Rows(), 1);
  // Building before any world exists writes an empty world.
  EXPECT_EQ(Built(),
            ";; Created by Mossdrake YV_Editor\n(yorvane-worldmap\n  (properties\n    (name \"\")\n"
            "    (music \"\")\n    (start_pos_x 0)\n    (start_pos_y 0))\n  (tilemap\n    (width  0)\n"
            "    (height 0)\n    (data\n       ))\n(levels\n      ))\n");

  // A reset leaves nothing of the world before it, not even the memory of
  // its lists.
  ResetWorldData();
  const WorldData reset = World;
  World.Name = World.Music = "old";
  World.StartX = World.StartY = World.Width = World.Height = 40;
  World.CommentCount = 1;
  World.Comments = {"; head", "a"};
  World.Tiles.Create(40, 30);
  SetLinks(300);
  WorldLoaded = NewWorldPending = WorldChanged = true;
  WorldReadError = 24;
  SelectedWorldTile = 58;
  ResetWorldData();
  EXPECT_EQ(World, reset);
  EXPECT_EQ(World.Links.capacity(), 1u);
  EXPECT_EQ(World.Comments.capacity(), 1u);
  EXPECT_FALSE(WorldLoaded);
  EXPECT_TRUE(NewWorldPending && WorldChanged);
  EXPECT_EQ(WorldReadError, 24);
  EXPECT_EQ(SelectedWorldTile, 58);

  World.Width = 19;
  World.Height = 16;
  ResetWorldTiles();
  EXPECT_TRUE(WorldLoaded);
  ASSERT_EQ(World.Tiles.Columns(), 20);
  ASSERT_EQ(World.Tiles.Rows(), 17);
  for (int c = 0; c <= 19; ++c)
    for (int r = 0; r <= 16; ++r) ASSERT_EQ(World.Tiles.Get(c, r), c < 19 && r < 16 ? 9 : 0) << c << "," << r;
}

TEST_F(WorldDocument, DeleteLinkRemovesOnlyNumbersInsideTheListAndMovesTheRestDown) {
  const std::pair<int, std::vector<int>> cases[] = {
      {0, {1, 2, 3}}, {-1, {1, 2, 3}}, {4, {1, 2, 3}}, {3, {1, 2}}, {1, {2, 3}}, {2, {1, 3}},
  };
  for (const auto& [n, left] : cases) {
    SetLinks(3);
    SelectedLink = 2;
    DeleteLink(n);
    std::vector<WorldLink> expected(1);
    for (int i : left) expected.push_back(NumberedLink(i));
    EXPECT_EQ(World.LinkCount, static_cast<int>(left.size())) << n;
    EXPECT_EQ(World.Links, expected) << n;
    EXPECT_EQ(SelectedLink, 2);
  }
}

TEST_F(WorldDocument, AddInNewLinkAppendsASelectedLevelLinkUntilTheCountIsFull) {
  SetLinks(2);
  SelectedLink = -1;
  ASSERT_TRUE(AddInNewLink(7, -2));
  WorldLink added;
  added.LinkType = 2;
  added.X = 7;
  added.Y = -2;
  EXPECT_EQ(World.LinkCount, 3);
  EXPECT_EQ(SelectedLink, 3);
  EXPECT_EQ(World.Links, (std::vector<WorldLink>{WorldLink{}, NumberedLink(1), NumberedLink(2), added}));
  EXPECT_FALSE(WorldChanged);

  World.LinkCount = kMaxWorldLinks;
  World.Links.resize(kMaxWorldLinks + 1);
  EXPECT_FALSE(AddInNewLink(5, 5));
  EXPECT_EQ(World.LinkCount, kMaxWorldLinks);
  EXPECT_EQ(World.Links.size(), kMaxWorldLinks + 1u);
  EXPECT_EQ(SelectedLink, 3);
}

TEST_F(WorldDocument, ACellOutsideTheArrayReadsZeroAndAWriteInsideTheMapGrowsTheArrayFirst) {
  struct Case {
    int column, row;
    bool written;
    int columns, rows;  // the array's size afterwards
  };
  // A 4 x 3 array under a map made 10 x 6 (the properties dialog does that).
  const Case cases[] = {
      {2, 1, true, 4, 3},   {7, 1, true, 8, 3},  {1, 5, true, 4, 6},   {10, 6, true, 11, 7},
      {11, 0, false, 4, 3}, {0, 7, false, 4, 3}, {-1, 0, false, 4, 3},
  };
  for (const Case& k : cases) {
    World.Tiles.Create(3, 2);
    for (int c = 0; c <= 3; ++c)
      for (int r = 0; r <= 2; ++r) World.Tiles.Set(c, r, static_cast<int16_t>(10 * c + r + 1));
    World.Width = 10;
    World.Height = 6;
    EXPECT_EQ(WorldTile(k.column, k.row), k.column >= 0 && k.column <= 3 && k.row <= 2 ? 10 * k.column + k.row + 1 : 0);
    EXPECT_EQ(SetWorldTile(k.column, k.row, 58), k.written) << k.column << "," << k.row;
    EXPECT_EQ(World.Tiles.Columns() * 100 + World.Tiles.Rows(), k.columns * 100 + k.rows) << k.column;
    EXPECT_EQ(WorldTile(k.column, k.row), k.written ? 58 : 0);
    for (int c = 0; c <= 3; ++c)
      for (int r = 0; r <= 2; ++r) EXPECT_EQ(WorldTile(c, r), c == k.column && r == k.row ? 58 : 10 * c + r + 1);
  }
  // An array larger than the map keeps its size, and takes no write beyond the map.
  World.Tiles.Create(30, 20);
  World.Width = 19;
  World.Height = 16;
  EXPECT_TRUE(SetWorldTile(19, 16, 59));
  EXPECT_FALSE(SetWorldTile(25, 3, 9));
  EXPECT_EQ(WorldTile(25, 3), 0);
  EXPECT_EQ(World.Tiles.Columns(), 31);
}

}  // namespace
