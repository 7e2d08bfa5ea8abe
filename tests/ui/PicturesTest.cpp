// The pictures supplied with the program (pictures/): every numbered picture and every single loads with its size,
// numbers outside the lists give null pixmaps, the lists hold no duplicates,
// the multi-tile pieces line up, and the sample backgrounds exist.
#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "pictures/Pictures.h"

namespace {

using yv::pictures::BadGuy;
using yv::pictures::Named;
using yv::pictures::Tile;
using yv::pictures::Toolbar;
using yv::pictures::World;
using yv::pictures::WorldToolbar;

QSize TileSize(int n) {
  if (n == 63 || (n >= 70 && n <= 74)) return {128, 128};
  if (n == 126) return {128, 192};
  if (n == 127) return {225, 192};
  if (n == 87 || n == 91 || n == 136 || n == 138) return {33, 32};
  if (n == 88 || n == 92 || n == 137 || n == 139) return {32, 33};
  return {32, 32};
}

QSize WorldSize(int n) {
  if (n == 16) return {32, 33};
  if (n == 75) return {17, 15};
  return {32, 32};
}

QImage Img(const QPixmap& pm) { return pm.toImage().convertToFormat(QImage::Format_ARGB32); }

bool SameImage(const QImage& a, const QImage& b) { return a.size() == b.size() && a == b; }

bool ColumnTransparent(const QImage& img, int x, int y0, int y1) {
  for (int y = y0; y < y1; ++y)
    if (qAlpha(img.pixel(x, y)) != 0) return false;
  return true;
}
bool RowTransparent(const QImage& img, int y, int x0, int x1) {
  for (int x = x0; x < x1; ++x)
    if (qAlpha(img.pixel(x, y)) != 0) return false;
  return true;
}

// Right edge column of `left` against the left edge column of `right`.
void ExpectJoinsRight(int left, int right) {
  QImage a = Img(Tile(left)), b = Img(Tile(right));
  int h = std::min(a.height(), b.height());
  EXPECT_FALSE(ColumnTransparent(a, 31, 0, h) && ColumnTransparent(b, 0, 0, h))
      << "tiles " << left << " and " << right << " do not meet";
}
// Bottom row of `top` against the top row of `bottom`.
void ExpectJoinsBelow(int top, int bottom) {
  QImage a = Img(Tile(top)), b = Img(Tile(bottom));
  int w = std::min(a.width(), b.width());
  EXPECT_FALSE(RowTransparent(a, 31, 0, w) && RowTransparent(b, 0, 0, w))
      << "tiles " << top << " and " << bottom << " do not meet";
}

}  // namespace

TEST(PicturesTest, TilesLoadWithTheirSizes) {
  for (int n = 1; n <= 204; ++n) {
    QPixmap pm = Tile(n);
    ASSERT_FALSE(pm.isNull()) << "tile " << n;
    EXPECT_EQ(pm.size(), TileSize(n)) << "tile " << n;
  }
}

TEST(PicturesTest, BadGuysAndToolbarsLoadWithTheirSizes) {
  for (int n = 1; n <= 10; ++n) {
    ASSERT_FALSE(BadGuy(n).isNull()) << "bad guy " << n;
    EXPECT_EQ(BadGuy(n).size(), QSize(32, 32)) << "bad guy " << n;
    ASSERT_FALSE(Toolbar(n).isNull()) << "toolbar " << n;
    EXPECT_EQ(Toolbar(n).size(), QSize(24, 24)) << "toolbar " << n;
  }
  for (int n = 1; n <= 6; ++n) {
    ASSERT_FALSE(WorldToolbar(n).isNull()) << "world toolbar " << n;
    EXPECT_EQ(WorldToolbar(n).size(), QSize(32, 32)) << "world toolbar " << n;
  }
}

TEST(PicturesTest, WorldPicturesLoadWithTheirSizes) {
  for (int n = 1; n <= 76; ++n) {
    QPixmap pm = World(n);
    ASSERT_FALSE(pm.isNull()) << "world picture " << n;
    EXPECT_EQ(pm.size(), WorldSize(n)) << "world picture " << n;
  }
}

TEST(PicturesTest, SinglesLoadWithTheirSizes) {
  const std::map<std::string, QSize> singles = {
      {"reset", {32, 32}},           {"zunbo", {42, 65}},           {"zunbo_icon", {32, 32}},
      {"background_start", {160, 120}}, {"png_placeholder", {640, 480}}, {"zbg_snowball", {32, 32}},
      {"selection_mark", {16, 16}},  {"link_selection_mark", {16, 16}}, {"world_blank", {32, 32}},
      {"world_zunbo", {32, 32}},     {"app_icon", {64, 64}},
  };
  for (const auto& [name, size] : singles) {
    QPixmap pm = Named(name);
    ASSERT_FALSE(pm.isNull()) << name;
    EXPECT_EQ(pm.size(), size) << name;
  }
  EXPECT_TRUE(Named("no_such_picture").isNull());
  EXPECT_TRUE(Named("").isNull());
}

TEST(PicturesTest, NumbersOutsideTheListsGiveNullPixmaps) {
  for (int n : {-1, 0, 205, 1000}) EXPECT_TRUE(Tile(n).isNull()) << n;
  for (int n : {-1, 0, 11}) {
    EXPECT_TRUE(BadGuy(n).isNull()) << n;
    EXPECT_TRUE(Toolbar(n).isNull()) << n;
  }
  for (int n : {-1, 0, 77}) EXPECT_TRUE(World(n).isNull()) << n;
  for (int n : {-1, 0, 7}) EXPECT_TRUE(WorldToolbar(n).isNull()) << n;
}

TEST(PicturesTest, RepeatedLookupsGiveTheSamePicture) {
  EXPECT_EQ(Tile(85).cacheKey(), Tile(85).cacheKey());
  EXPECT_EQ(Named("zunbo").cacheKey(), Named("zunbo").cacheKey());
}

TEST(PicturesTest, NoTwoLevelTilesAreIdentical) {
  std::vector<QImage> tiles;
  for (int n = 1; n <= 204; ++n) tiles.push_back(Img(Tile(n)));
  for (int a = 0; a < 204; ++a)
    for (int b = a + 1; b < 204; ++b)
      EXPECT_FALSE(SameImage(tiles[a], tiles[b])) << "tiles " << a + 1 << " and " << b + 1;
}

TEST(PicturesTest, GridCellDiffersFromEveryTileAndIsOpaque) {
  QImage grid = Img(Tile(204));
  for (int n = 1; n < 204; ++n) EXPECT_FALSE(SameImage(grid, Img(Tile(n)))) << n;
  // A dark cell: fully opaque, dark in the middle, lighter lines at its edges.
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) EXPECT_EQ(qAlpha(grid.pixel(x, y)), 255);
  QColor mid = grid.pixelColor(16, 16), edge = grid.pixelColor(16, 0);
  EXPECT_LT(mid.lightness(), 60);
  EXPECT_GT(edge.lightness(), mid.lightness());
}

TEST(PicturesTest, NoTwoWorldTilesAreIdentical) {
  std::vector<QImage> tiles;
  for (int n = 1; n <= 76; ++n) tiles.push_back(Img(World(n)));
  for (int a = 0; a < 76; ++a)
    for (int b = a + 1; b < 76; ++b)
      EXPECT_FALSE(SameImage(tiles[a], tiles[b])) << "world pictures " << a + 1 << " and " << b + 1;
}

TEST(PicturesTest, NoTwoBadGuysOrToolbarPicturesAreIdentical) {
  for (int a = 1; a <= 10; ++a)
    for (int b = a + 1; b <= 10; ++b) {
      EXPECT_FALSE(SameImage(Img(BadGuy(a)), Img(BadGuy(b)))) << a << " " << b;
      EXPECT_FALSE(SameImage(Img(Toolbar(a)), Img(Toolbar(b)))) << a << " " << b;
    }
  for (int a = 1; a <= 6; ++a)
    for (int b = a + 1; b <= 6; ++b) EXPECT_FALSE(SameImage(Img(WorldToolbar(a)), Img(WorldToolbar(b)))) << a << " " << b;
}

TEST(PicturesTest, PicturesAreNotBlank) {
  // Every picture has visible content (no empty or single-colour picture).
  auto colours = [](const QImage& img) {
    std::map<QRgb, int> seen;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) ++seen[img.pixel(x, y)];
    return seen.size();
  };
  for (int n = 1; n <= 204; ++n) EXPECT_GE(colours(Img(Tile(n))), 3u) << "tile " << n;
  for (int n = 1; n <= 76; ++n) EXPECT_GT(colours(Img(World(n))), 4u) << "world picture " << n;
  for (int n = 1; n <= 10; ++n) EXPECT_GT(colours(Img(BadGuy(n))), 8u) << "bad guy " << n;
}

TEST(PicturesTest, BadGuysHaveTransparentBackgrounds) {
  for (int n = 1; n <= 10; ++n) {
    QImage img = Img(BadGuy(n));
    int transparent = 0;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) transparent += qAlpha(img.pixel(x, y)) == 0;
    EXPECT_GT(transparent, 64) << "bad guy " << n;
  }
}

TEST(PicturesTest, InvisibleBlockIsMostlyTransparent) {
  QImage img = Img(Tile(112));
  int faint = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) faint += qAlpha(img.pixel(x, y)) < 64;
  EXPECT_GT(faint, 32 * 32 * 3 / 4);
}

TEST(PicturesTest, CloudPiecesLineUp) {
  // 85 86 87 88 / 89 90 91 92.
  ExpectJoinsRight(85, 86);
  ExpectJoinsRight(86, 87);
  ExpectJoinsRight(87, 88);
  ExpectJoinsRight(89, 90);
  ExpectJoinsRight(90, 91);
  ExpectJoinsRight(91, 92);
  for (int n = 85; n <= 88; ++n) ExpectJoinsBelow(n, n + 4);
}

TEST(PicturesTest, OtherPiecesLineUp) {
  // 50 49 / 51 52 (49 is right of 50).
  ExpectJoinsRight(50, 49);
  ExpectJoinsRight(51, 52);
  ExpectJoinsBelow(50, 51);
  ExpectJoinsBelow(49, 52);
  for (auto [l, r] : std::vector<std::pair<int, int>>{{106, 107}, {107, 108}, {109, 110}, {110, 111}, {115, 116},
                                                      {117, 118}, {136, 137}, {138, 139}, {57, 58}, {59, 60},
                                                      {122, 123}, {124, 125}, {134, 135}})
    ExpectJoinsRight(l, r);
  for (auto [t, b] : std::vector<std::pair<int, int>>{{106, 109}, {107, 110}, {108, 111}, {115, 117}, {116, 118},
                                                      {136, 138}, {137, 139}, {53, 54}, {55, 56}})
    ExpectJoinsBelow(t, b);
}

TEST(PicturesTest, IglooPiecesOverlapIdentically) {
  // 126 at column W - 10 and 127 at W - 7 overlap in one column of 32 pixels
  // (x 96..127 of 126, x 0..31 of 127): both show the same picture there.
  QImage body = Img(Tile(126)), front = Img(Tile(127));
  EXPECT_EQ(body.copy(96, 0, 32, 192), front.copy(0, 0, 32, 192));
  EXPECT_FALSE(RowTransparent(body, 150, 0, 128));
  EXPECT_FALSE(RowTransparent(front, 150, 0, 225));
}

TEST(PicturesTest, EndMarkersRunThroughWholeColumns) {
  // 132 and 133 are stacked in rows 0..13 (the level ending): each is a post that
  // is solid from its top row to its bottom row, so the stack reads as one.
  for (int n : {132, 133}) {
    QImage img = Img(Tile(n));
    for (int y = 0; y < 32; ++y) EXPECT_EQ(qAlpha(img.pixel(16, y)), 255) << n << " row " << y;
    EXPECT_EQ(qAlpha(img.pixel(0, 16)), 0) << n;  // a post, not a wall
  }
  EXPECT_FALSE(SameImage(Img(Tile(132)), Img(Tile(133))));
}

TEST(PicturesTest, WorldMountainPieceLinesUp) {
  // 49 50 51 / 52 53 54 / 55 56 57: the mountain crosses the middle tiles.
  for (int n : {49, 50, 51, 52, 53, 54, 55, 56, 57}) EXPECT_FALSE(World(n).isNull());
  QImage mid = Img(World(53)), right = Img(World(54)), below = Img(World(56));
  bool differs = false;
  for (int y = 0; y < 32 && !differs; ++y) differs = mid.pixel(31, y) != mid.pixel(0, y);
  EXPECT_TRUE(differs);
  EXPECT_FALSE(SameImage(right, below));
}

TEST(PicturesTest, SampleBackgroundsExist) {
  const QString dir = QString(YV_SOURCE_DIR) + "/sample/Program Files/Yorvane/data/images/background/";
  for (const char* name : {"ocean.png", "arctis.jpg", "mountains.bmp", "aurora.jpg", "snowfield.png"}) {
    QImage img(dir + name);
    ASSERT_FALSE(img.isNull()) << name;
    EXPECT_EQ(img.size(), QSize(640, 480)) << name;
  }
}
