// The tile map value type: checked access and a resize that keeps the cells.
#include <gtest/gtest.h>

#include "model/TileMap.h"

namespace yv {
namespace {

TEST(TileMap, ResizeKeepsTheCellsBothMapsHoldAndClearsTheNewOnes) {
  struct Case {
    int maxColumn, maxRow;
  };
  for (Case to : {Case{5, 4}, Case{1, 1}, Case{3, 9}, Case{9, 2}, Case{0, 0}}) {
    TileMap map;
    map.Create(3, 2);
    for (int c = 0; c <= 3; ++c)
      for (int r = 0; r <= 2; ++r) map.Set(c, r, static_cast<int16_t>(10 * c + r + 1));
    map.Resize(to.maxColumn, to.maxRow);
    ASSERT_EQ(map.Columns(), to.maxColumn + 1);
    ASSERT_EQ(map.Rows(), to.maxRow + 1);
    for (int c = 0; c <= to.maxColumn; ++c)
      for (int r = 0; r <= to.maxRow; ++r)
        EXPECT_EQ(map.Get(c, r), c <= 3 && r <= 2 ? 10 * c + r + 1 : 0) << c << "," << r;
    EXPECT_EQ(map.Get(to.maxColumn + 1, 0), 0);
    EXPECT_FALSE(map.Set(0, to.maxRow + 1, 7));
  }
}

TEST(TileMap, ResizeToANegativeBoundEmptiesAndAnEmptyMapGrows) {
  TileMap map;
  map.Create(2, 2);
  map.Resize(-1, 4);
  EXPECT_TRUE(map.Empty());
  map.Resize(1, 1);
  EXPECT_EQ(map.Columns(), 2);
  EXPECT_TRUE(map.Set(1, 1, 3));
  EXPECT_EQ(map.Get(1, 1), 3);
}

}  // namespace
}  // namespace yv
