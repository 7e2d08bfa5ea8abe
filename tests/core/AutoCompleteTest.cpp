// Completing multi-tile pieces in a tile map, without a window.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>
#include <vector>

#include "model/AutoComplete.h"
#include "model/YVE_Main.h"

using namespace yv;

namespace {

constexpr int kWidth = 40;

// A level-sized map (columns 0..W, rows 0..15) with a background pattern, so
// that a completion that writes a cell it should not is seen.
TileMap PatternMap(int width = kWidth) {
  TileMap m;
  m.Create(width, 15);
  for (int c = 0; c < m.Columns(); ++c)
    for (int r = 0; r < m.Rows(); ++r) m.Set(c, r, static_cast<int16_t>(1 + (c * 7 + r * 3) % 40));
  return m;
}

using Cells = std::map<std::pair<int, int>, int16_t>;  // (dx, dy) -> tile

// The pieces as the designer lays them out, written out here independently of the program's table.
struct Expected {
  int trigger;
  Cells cells;
  int needColumns;  // fits while column + needColumns <= W
  int maxRow;       // -1: any row
};

const std::vector<Expected> kPieces = {
    {50, {{{1, 0}, 49}, {{0, 1}, 51}, {{1, 1}, 52}}, 2, 13},
    {53, {{{0, 1}, 54}}, 2, -1},
    {55, {{{0, 1}, 56}}, 2, -1},
    {57, {{{1, 0}, 58}}, 2, -1},
    {59, {{{1, 0}, 60}}, 2, -1},
    {85, {{{1, 0}, 86}, {{2, 0}, 87}, {{3, 0}, 88}, {{0, 1}, 89}, {{1, 1}, 90}, {{2, 1}, 91}, {{3, 1}, 92}}, 4, 13},
    {106, {{{1, 0}, 107}, {{2, 0}, 108}, {{0, 1}, 109}, {{1, 1}, 110}, {{2, 1}, 111}}, 3, 13},
    {115, {{{1, 0}, 116}, {{0, 1}, 117}, {{1, 1}, 118}}, 2, 12},
    {122, {{{1, 0}, 123}}, 2, -1},
    {124, {{{1, 0}, 125}}, 2, -1},
    {134, {{{1, 0}, 135}}, 2, -1},
    {136, {{{1, 0}, 137}, {{0, 1}, 138}, {{1, 1}, 139}}, 2, 12},
};

// Runs one completion and checks the map: exactly the piece's cells changed
// (to the piece's tiles) when it should fit, none at all when it should not.
void ExpectCompletion(const Expected& e, int column, int row, bool fits) {
  SCOPED_TRACE("trigger " + std::to_string(e.trigger) + " at (" + std::to_string(column) + ", " + std::to_string(row) +
               ")");
  TileMap before = PatternMap();
  TileMap map = before;
  int written = CompletePiece(map, e.trigger, column, row, kWidth);
  if (!fits) {
    EXPECT_EQ(written, 0);
    EXPECT_EQ(map, before);
    return;
  }
  EXPECT_EQ(written, static_cast<int>(e.cells.size()));
  for (int c = 0; c < map.Columns(); ++c) {
    for (int r = 0; r < map.Rows(); ++r) {
      auto it = e.cells.find({c - column, r - row});
      int16_t want = it != e.cells.end() ? it->second : before.Get(c, r);
      ASSERT_EQ(map.Get(c, r), want) << "cell (" << c << ", " << r << ")";
    }
  }
}

}  // namespace

TEST(AutoComplete, EveryPieceAtTheEdgesOfItsFit) {
  ASSERT_EQ(AutoCompletePieces.size(), kPieces.size());
  for (const Expected& e : kPieces) {
    const int lastColumn = kWidth - e.needColumns;  // the last column where it fits
    const int lowRow = e.maxRow >= 0 ? e.maxRow : 14;
    ExpectCompletion(e, lastColumn, lowRow, true);
    ExpectCompletion(e, 0, 0, true);
    ExpectCompletion(e, lastColumn + 1, 0, false);
    ExpectCompletion(e, kWidth - 1, 0, false);
    if (e.maxRow >= 0) {
      ExpectCompletion(e, 0, e.maxRow + 1, false);
      ExpectCompletion(e, lastColumn, e.maxRow + 1, false);
    }
  }
}

TEST(AutoComplete, PointsOfTheTableThatAreEasyToSmoothAway) {
  // 49, not 51, stands right of 50.
  TileMap m = PatternMap();
  CompletePiece(m, 50, 5, 3, kWidth);
  EXPECT_EQ(m.Get(6, 3), 49);
  EXPECT_EQ(m.Get(5, 4), 51);
  EXPECT_EQ(m.Get(6, 4), 52);

  // The vertical pairs need a second column and write into the spare row 15 from row 14.
  for (int trigger : {53, 55}) {
    m = PatternMap();
    EXPECT_EQ(CompletePiece(m, trigger, kWidth - 2, 14, kWidth), 1);
    EXPECT_EQ(m.Get(kWidth - 2, 15), trigger + 1);
    EXPECT_NE(m.Get(kWidth - 1, 14), trigger + 1);  // nothing in the second column
    EXPECT_EQ(CompletePiece(m, trigger, kWidth - 1, 3, kWidth), 0);
  }

  // 115 and 136 stop at row 12 while 50 still completes on row 13.
  for (int trigger : {115, 136}) {
    m = PatternMap();
    EXPECT_EQ(CompletePiece(m, trigger, 4, 13, kWidth), 0);
    EXPECT_EQ(CompletePiece(m, trigger, 4, 12, kWidth), 3);
  }
  m = PatternMap();
  EXPECT_EQ(CompletePiece(m, 50, 4, 13, kWidth), 3);

  // The cloud: W - 4 on row 13 completes up to the last column and row 14;
  // W - 3 or row 14 leaves the map as it was.
  m = PatternMap();
  EXPECT_EQ(CompletePiece(m, 85, kWidth - 4, 13, kWidth), 7);
  EXPECT_EQ(m.Get(kWidth - 1, 14), 92);
  EXPECT_EQ(m.Get(kWidth, 13), PatternMap().Get(kWidth, 13));  // the spare column stays
  EXPECT_EQ(CompletePiece(m, 85, kWidth - 3, 0, kWidth), 0);
  EXPECT_EQ(CompletePiece(m, 85, 0, 14, kWidth), 0);
}

TEST(AutoComplete, NoOtherTileCompletesAnything) {
  std::set<int> triggers;
  for (const Expected& e : kPieces) triggers.insert(e.trigger);
  const TileMap before = PatternMap();
  for (int tile = -5; tile <= 400; ++tile) {
    if (triggers.count(tile)) {
      EXPECT_NE(FindAutoCompletePiece(tile), nullptr) << tile;
      continue;
    }
    EXPECT_EQ(FindAutoCompletePiece(tile), nullptr) << tile;
    TileMap m = before;
    EXPECT_EQ(CompletePiece(m, tile, 3, 3, kWidth), 0) << tile;
    EXPECT_EQ(m, before) << tile;
  }
}

TEST(AutoComplete, WholePieceOrNothingAndOverwritesWhatLiesThere) {
  // A level whose maps are narrower than its width: the piece would reach
  // outside the map, so none of it is written.
  TileMap narrow;
  narrow.Create(5, 15);  // columns 0..5
  TileMap before = narrow;
  EXPECT_EQ(CompletePiece(narrow, 85, 3, 2, kWidth), 0);
  EXPECT_EQ(narrow, before);
  EXPECT_EQ(CompletePiece(narrow, 85, 2, 2, kWidth), 7);  // ends in column 5, still inside
  EXPECT_EQ(narrow.Get(5, 3), 92);

  TileMap none;  // no map at all
  EXPECT_EQ(CompletePiece(none, 57, 0, 0, kWidth), 0);

  // Negative places complete nothing.
  TileMap m = PatternMap();
  before = m;
  EXPECT_EQ(CompletePiece(m, 57, -1, 0, kWidth), 0);
  EXPECT_EQ(CompletePiece(m, 50, 0, -1, kWidth), 0);
  EXPECT_EQ(m, before);

  // A second completion restores parts painted over; the trigger cell itself is never written.
  m = PatternMap();
  m.Set(10, 5, 0);
  CompletePiece(m, 106, 10, 5, kWidth);
  m.Set(11, 6, 3);
  CompletePiece(m, 106, 10, 5, kWidth);
  EXPECT_EQ(m.Get(11, 6), 110);
  EXPECT_EQ(m.Get(10, 5), 0);

  // A level as wide as 16 bits allow: the fit test does not wrap.
  TileMap wide;
  wide.Create(32767, 15);
  EXPECT_EQ(CompletePiece(wide, 85, 32764, 0, 32767), 0);  // 32764 + 4 > 32767
  EXPECT_EQ(CompletePiece(wide, 85, 32763, 0, 32767), 7);
}
