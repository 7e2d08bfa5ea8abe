// Shared drawing helpers of the picture tool (yv_draw_pictures).
//
// Every picture is drawn by code with QPainter on a QImage; nothing is random
// unless it comes from Rng with a fixed seed, so the output is the same on
// every run.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace pic {

// ------------------------------------------------------------------ palette
namespace col {
inline const QColor kSnow{246, 251, 255};
inline const QColor kSnowShade{200, 222, 242};
inline const QColor kSnowDeep{150, 184, 218};
inline const QColor kSnowLine{92, 128, 170};
inline const QColor kIceLight{220, 246, 255};
inline const QColor kIce{140, 210, 244};
inline const QColor kIceDark{60, 140, 200};
inline const QColor kIceLine{28, 88, 140};
inline const QColor kEarth{122, 82, 52};
inline const QColor kEarthDark{78, 51, 32};
inline const QColor kEarthLight{160, 112, 72};
inline const QColor kStone{140, 150, 163};
inline const QColor kStoneDark{86, 94, 110};
inline const QColor kStoneLight{186, 194, 204};
inline const QColor kBrick{176, 72, 58};
inline const QColor kBrickDark{112, 40, 34};
inline const QColor kMortar{216, 207, 196};
inline const QColor kWood{168, 116, 63};
inline const QColor kWoodDark{107, 68, 36};
inline const QColor kWoodLight{205, 154, 94};
inline const QColor kGold{242, 194, 48};
inline const QColor kGoldDark{170, 118, 20};
inline const QColor kWater{47, 127, 200};
inline const QColor kWaterLight{111, 184, 238};
inline const QColor kWaterDark{27, 79, 138};
inline const QColor kOutline{30, 34, 48};
inline const QColor kRed{214, 48, 48};
inline const QColor kGreen{58, 160, 72};
inline const QColor kFir{36, 110, 78};
inline const QColor kFirDark{20, 68, 52};
inline const QColor kOrange{245, 140, 30};
}  // namespace col

// ------------------------------------------------------------------ basics
QImage Blank(int w, int h);                      // transparent ARGB32
QColor Mix(const QColor& a, const QColor& b, double t);
QColor Lighter(const QColor& c, double t);       // mix toward white
QColor Darker(const QColor& c, double t);        // mix toward black
QColor Alpha(const QColor& c, int a);

// Deterministic pseudo-random numbers (xorshift32).
struct Rng {
  explicit Rng(uint32_t seed) : s(seed ? seed : 0x9E3779B9u) { Next(); Next(); }
  uint32_t Next() {
    s ^= s << 13;
    s ^= s >> 17;
    s ^= s << 5;
    return s;
  }
  double Uniform(double a, double b) { return a + (b - a) * (Next() % 100000) / 100000.0; }
  int Int(int n) { return static_cast<int>(Next() % static_cast<uint32_t>(n)); }
  uint32_t s;
};

// A painter with antialiasing switched on.
class Painter : public QPainter {
 public:
  explicit Painter(QImage* img) : QPainter(img) {
    setRenderHint(QPainter::Antialiasing, true);
    setRenderHint(QPainter::SmoothPixmapTransform, true);
    setRenderHint(QPainter::TextAntialiasing, true);
  }
};

// ------------------------------------------------------------------ shapes
QPainterPath RoundRect(const QRectF& r, double tl, double tr, double br, double bl);
QPainterPath Circle(QPointF c, double r);
QPainterPath Ellipse(QPointF c, double rx, double ry);
QPainterPath Polygon(std::initializer_list<QPointF> pts);
// A fluffy blob: union of circles (x, y, r).
QPainterPath Blob(const std::vector<QRectF>& circles);  // each QRectF(x, y, r, 0)

void FillPath(QPainter& p, const QPainterPath& path, const QBrush& fill);
void FillStroke(QPainter& p, const QPainterPath& path, const QBrush& fill, const QColor& line,
                double width = 1.0);
void FillVGrad(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom);
QLinearGradient VGrad(double y0, double y1, const QColor& c0, const QColor& c1);
QLinearGradient HGrad(double x0, double x1, const QColor& c0, const QColor& c1);
QLinearGradient DGrad(QPointF a, QPointF b, const QColor& c0, const QColor& c1);
QRadialGradient RGrad(QPointF c, double r, const QColor& inner, const QColor& outer);
// Raised block: fill, light top/left and dark bottom/right rims, outline.
void Bevel(QPainter& p, const QRectF& r, const QColor& base, double rim = 2.0, double radius = 2.0,
           const QColor* outline = nullptr);
void Line(QPainter& p, QPointF a, QPointF b, const QColor& c, double w = 1.0,
          Qt::PenCapStyle cap = Qt::RoundCap);
void Sparkle(QPainter& p, QPointF c, double r, const QColor& color = QColor(255, 255, 255));
void Snowflake(QPainter& p, QPointF c, double r, const QColor& color, double width = 1.2);
void Star(QPainter& p, QPointF c, double r, const QColor& fill, const QColor& line, int points = 5,
          double inner = 0.45);
// Small dots in a rectangle (fixed seed).
void Speckle(QPainter& p, const QRectF& area, int count, const QColor& c, double rmin, double rmax,
             uint32_t seed);

// ------------------------------------------------------------------ characters
// An eye: white, dark pupil looking toward `look` (-1..1 each), a glint.
void Eye(QPainter& p, QPointF c, double rx, double ry, QPointF look = QPointF(0, 0),
         const QColor& white = QColor(255, 255, 255), const QColor& pupil = col::kOutline);
// An angry brow line over an eye, slanting down toward the middle.
void Brow(QPainter& p, QPointF c, double halfWidth, bool leftEye, double slope = 0.5,
          double width = 1.6);
// Zunbo, the penguin-like hero, drawn into the box (42 x 65 at scale 1).
void DrawZunbo(QPainter& p, const QRectF& box);
// The snowball enemy, filling the box.
void DrawSnowball(QPainter& p, const QRectF& box, bool angry = true);

// ------------------------------------------------------------------ text
void Text(QPainter& p, const QRectF& r, const QString& s, int pixelSize, const QColor& c,
          bool bold = true, int flags = Qt::AlignCenter);

// ------------------------------------------------------------------ images
QImage Crop(const QImage& img, int x, int y, int w, int h);
QImage Scaled(const QImage& img, int w, int h);

// ------------------------------------------------------------------ output
// All pictures by their path below pictures/ ("tiles/tile_001.png" ...).
struct Sheet {
  std::map<std::string, QImage> pictures;
  void Put(const std::string& path, const QImage& img) { pictures[path] = img; }
  const QImage& Get(const std::string& path) const;
};
std::string Numbered(const char* folder, const char* stem, int n);

void DrawTiles(Sheet& out);
void DrawBadGuys(Sheet& out);
void DrawWorld(Sheet& out);
void DrawIcons(Sheet& out);     // both toolbars and the app icon
void DrawSingles(Sheet& out);   // single/*.png except the app icon
// Background scenes, any size (the samples are 640 x 480; the picker's start
// picture is the ocean at 160 x 120).
QImage DrawOcean(int w, int h);
QImage DrawArctis(int w, int h);
QImage DrawMountains(int w, int h);
QImage DrawAurora(int w, int h);
QImage DrawSnowfield(int w, int h);

}  // namespace pic
