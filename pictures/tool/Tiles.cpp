// The level tile set: tiles 1..204 (tiles/tile_NNN.png). What each number
// shows is listed in pictures/README.md.
#include <cmath>

#include "Common.h"

namespace pic {
namespace {

constexpr double kTwoPi = 2 * M_PI;

// ================================================================ ground sets
enum Edge : unsigned {
  kT = 1, kB = 2, kL = 4, kR = 8,          // exposed sides
  kITL = 16, kITR = 32, kIBL = 64, kIBR = 128  // inner (concave) corners
};
enum class Texture { kSnowPack, kEarth, kIce, kRock };

struct GroundStyle {
  Texture tex;
  QColor fill, dark, light, line;
  bool snowTop;  // a snow cap on exposed tops (else a frost rim)
};

const GroundStyle kSnowGround{Texture::kSnowPack, QColor(170, 200, 234), QColor(120, 158, 204),
                              QColor(206, 226, 248), QColor(64, 100, 150), true};
const GroundStyle kEarthGround{Texture::kEarth, col::kEarth, col::kEarthDark, col::kEarthLight,
                               QColor(52, 32, 20), true};
const GroundStyle kIceGround{Texture::kIce, QColor(128, 204, 240), QColor(60, 146, 206),
                             QColor(210, 244, 255), col::kIceLine, false};
const GroundStyle kRockGround{Texture::kRock, col::kStone, col::kStoneDark, col::kStoneLight,
                              QColor(48, 52, 64), true};

// The wavy lower edge of a snow cap, periodic in 32 so that caps join.
double CapEdge(double x, double depth) {
  return depth + 1.4 * std::sin(kTwoPi * x / 32 + 0.6) + 0.7 * std::sin(kTwoPi * x / 16 + 2.1);
}

QPainterPath CapRegion(double x0, double x1, double top, double depth, bool drips) {
  QPainterPath cap;
  cap.moveTo(x0, top - 8);
  cap.lineTo(x1, top - 8);
  for (double x = x1; x >= x0 - 0.01; x -= 1.0) {
    double y = top + CapEdge(x, depth);
    if (drips) {
      // Two rounded drips per tile, at the same places in every tile.
      for (double dx : {8.0, 23.0}) {
        double m = std::fmod(x + 320.0, 32.0) - dx;
        if (std::fabs(m) < 2.6) y += 3.2 * std::sqrt(1 - (m / 2.6) * (m / 2.6));
      }
    }
    cap.lineTo(x, y);
  }
  cap.closeSubpath();
  return cap;
}

// Draws a snow cap over `body`, from y `top` down to about top + depth.
void SnowCap(QPainter& p, const QPainterPath& body, double x0, double x1, double top, double depth,
             bool drips = true) {
  QPainterPath cap = CapRegion(x0, x1, top, depth, drips).intersected(body);
  p.fillPath(cap, VGrad(top, top + depth + 3, col::kSnow, QColor(222, 236, 250)));
  // Blue shadow just under the cap.
  p.save();
  p.setClipPath(body);
  QPainterPath under = CapRegion(x0, x1, top + 1.6, depth, drips).subtracted(cap);
  p.fillPath(under.intersected(body), Alpha(col::kSnowLine, 120));
  p.restore();
  p.strokePath(cap, QPen(Alpha(col::kSnowLine, 110), 0.8));
  Sparkle(p, QPointF(x0 + (x1 - x0) * 0.3, top + 3), 1.6);
}

void Texturize(QPainter& p, const GroundStyle& s, uint32_t seed) {
  switch (s.tex) {
    case Texture::kSnowPack: {
      p.fillRect(QRectF(-8, -8, 48, 48), VGrad(0, 32, s.light, s.fill));
      // Faint strata, periodic so that neighbours meet.
      for (double y0 : {13.0, 22.0, 29.0}) {
        QPainterPath w;
        for (double x = -2; x <= 34; x += 1)
          (x == -2 ? w.moveTo(x, y0) : w.lineTo(x, y0 + 1.2 * std::sin(kTwoPi * x / 32 + y0)));
        p.strokePath(w, QPen(Alpha(s.dark, 110), 1.0));
      }
      Speckle(p, QRectF(4, 6, 24, 22), 4, Alpha(QColor(255, 255, 255), 230), 0.5, 1.0, seed);
      break;
    }
    case Texture::kEarth: {
      p.fillRect(QRectF(-8, -8, 48, 48), VGrad(0, 32, s.fill, Darker(s.fill, 0.12)));
      for (double y0 : {11.0, 24.0}) {
        QPainterPath w;
        for (double x = -2; x <= 34; x += 1)
          (x == -2 ? w.moveTo(x, y0) : w.lineTo(x, y0 + 1.5 * std::sin(kTwoPi * x / 32 + y0)));
        p.strokePath(w, QPen(Alpha(s.dark, 140), 1.2));
      }
      Rng rng(seed);
      for (int i = 0; i < 5; ++i) {
        QPointF c(rng.Uniform(5, 27), rng.Uniform(6, 27));
        double r = rng.Uniform(1.2, 2.4);
        FillStroke(p, Ellipse(c, r * 1.3, r), Mix(s.fill, col::kStone, 0.55), s.dark, 0.7);
        p.fillPath(Ellipse(QPointF(c.x() - r * 0.4, c.y() - r * 0.4), r * 0.5, r * 0.3),
                   Alpha(QColor(255, 255, 255), 90));
      }
      break;
    }
    case Texture::kIce: {
      p.fillRect(QRectF(-8, -8, 48, 48), VGrad(0, 32, s.light, s.fill));
      // Diagonal shine bands, periodic along x.
      for (double x0 : {-10.0, 14.0}) {
        QPainterPath band = Polygon({QPointF(x0 + 6, -2), QPointF(x0 + 12, -2),
                                     QPointF(x0 + 26, 34), QPointF(x0 + 20, 34)});
        p.fillPath(band, Alpha(QColor(255, 255, 255), 70));
      }
      Rng rng(seed);
      for (int i = 0; i < 3; ++i) {
        QPointF c(rng.Uniform(6, 26), rng.Uniform(8, 26));
        p.strokePath(Circle(c, rng.Uniform(1.0, 2.0)), QPen(Alpha(QColor(255, 255, 255), 170), 0.8));
      }
      break;
    }
    case Texture::kRock: {
      p.fillRect(QRectF(-8, -8, 48, 48), s.fill);
      // Stones at the same places in every tile (tileable), shaded per tile.
      struct St { double x, y, rx, ry; };
      const St stones[] = {{8, 8, 7, 5}, {24, 7, 7, 6}, {16, 18, 8, 5.5}, {5, 25, 6, 5},
                           {27, 24, 6, 6}, {16, 30, 6, 3.5}};
      Rng rng(seed);
      for (const St& st : stones) {
        QColor c = Mix(s.fill, rng.Int(2) ? s.light : s.dark, rng.Uniform(0.1, 0.35));
        QPainterPath sp = Ellipse(QPointF(st.x, st.y), st.rx, st.ry);
        FillStroke(p, sp, RGrad(QPointF(st.x - 2, st.y - 2), st.rx * 1.6, Lighter(c, 0.25), c),
                   Alpha(s.dark, 200), 0.8);
      }
      break;
    }
  }
}

QPainterPath BodyPath(unsigned e, double top = 0.5) {
  const double r = 7;
  QRectF rect(e & kL ? 0.5 : -8, e & kT ? top : -8, 0, 0);
  rect.setRight(e & kR ? 31.5 : 40);
  rect.setBottom(e & kB ? 31.5 : 40);
  QPainterPath body = RoundRect(rect, (e & kT) && (e & kL) ? r : 0, (e & kT) && (e & kR) ? r : 0,
                                (e & kB) && (e & kR) ? r : 0, (e & kB) && (e & kL) ? r : 0);
  const double ir = 5;
  if (e & kITL) body = body.subtracted(Circle(QPointF(0, 0), ir));
  if (e & kITR) body = body.subtracted(Circle(QPointF(32, 0), ir));
  if (e & kIBL) body = body.subtracted(Circle(QPointF(0, 32), ir));
  if (e & kIBR) body = body.subtracted(Circle(QPointF(32, 32), ir));
  return body;
}

void Ground(QPainter& p, const GroundStyle& s, unsigned e, uint32_t seed) {
  QPainterPath body = BodyPath(e);
  p.save();
  p.setClipPath(body);
  Texturize(p, s, seed);
  // Shading along exposed sides.
  if (e & kB) p.fillRect(QRectF(-8, 26, 48, 8), VGrad(26, 32, Alpha(s.dark, 0), Alpha(s.dark, 200)));
  if (e & kL) p.fillRect(QRectF(0, -8, 4, 48), HGrad(0, 4, Alpha(s.light, 170), Alpha(s.light, 0)));
  if (e & kR) p.fillRect(QRectF(27, -8, 5, 48), HGrad(27, 32, Alpha(s.dark, 0), Alpha(s.dark, 170)));
  p.restore();
  p.strokePath(body, QPen(s.line, 1.4));
  if (e & kT) {
    if (s.snowTop) SnowCap(p, body, -1, 33, 0.5, 7.5);
    else {
      // Frost rim on ice.
      p.save();
      p.setClipPath(body);
      p.fillRect(QRectF(-8, 0, 48, 4), VGrad(0, 4, QColor(255, 255, 255, 230), QColor(255, 255, 255, 40)));
      p.restore();
      p.strokePath(body, QPen(s.line, 1.4));
    }
  }
  // Inner corners: a short run of the neighbour's cap or rim.
  auto cornerCap = [&](double cx) {
    if (s.snowTop) {
      QPainterPath patch = Ellipse(QPointF(cx, 1.5), 7, 4.5).intersected(body);
      p.fillPath(patch, col::kSnow);
      p.strokePath(patch, QPen(Alpha(col::kSnowLine, 110), 0.8));
    }
  };
  if (e & kITL) cornerCap(0);
  if (e & kITR) cornerCap(32);
}

// Snow slopes: solid snow ground under the line from (0, y0) to (32, y1).
void Slope(QPainter& p, double y0, double y1) {
  QPainterPath body = Polygon({QPointF(-1, y0), QPointF(33, y1), QPointF(33, 33), QPointF(-1, 33)});
  p.save();
  p.setClipPath(body);
  Texturize(p, kSnowGround, static_cast<uint32_t>(y0 * 7 + y1));
  p.restore();
  // Snow along the slope.
  QPainterPath cap;
  cap.moveTo(-1, y0 - 1);
  cap.lineTo(33, y1 - 1);
  for (double x = 33; x >= -1; x -= 1) {
    double t = (x + 1) / 34.0;
    cap.lineTo(x, y0 + (y1 - y0) * t + 6.5 + 1.2 * std::sin(kTwoPi * x / 16));
  }
  cap.closeSubpath();
  cap = cap.intersected(body);
  p.fillPath(cap, VGrad(std::min(y0, y1), std::max(y0, y1) + 8, col::kSnow, QColor(222, 236, 250)));
  p.strokePath(cap, QPen(Alpha(col::kSnowLine, 110), 0.8));
  Line(p, QPointF(-1, y0), QPointF(33, y1), kSnowGround.line, 1.4);
}

// ================================================================ masonry
void Bricks(QPainter& p, const QRectF& area, const QColor& brick, const QColor& mortar, double bw,
            double bh, uint32_t seed, bool bevel = true) {
  p.save();
  p.setClipRect(area);
  p.fillRect(area, mortar);
  Rng rng(seed);
  int row = 0;
  for (double y = area.top(); y < area.bottom(); y += bh, ++row) {
    double off = (row % 2) ? bw / 2 : 0;
    for (double x = area.left() - off; x < area.right(); x += bw) {
      QRectF b(x + 0.75, y + 0.75, bw - 1.5, bh - 1.5);
      QColor c = Mix(brick, rng.Int(2) ? QColor(255, 255, 255) : QColor(0, 0, 0), rng.Uniform(0, 0.12));
      if (bevel) {
        p.fillRect(b, c);
        p.fillRect(QRectF(b.left(), b.top(), b.width(), 1.2), Lighter(c, 0.3));
        p.fillRect(QRectF(b.left(), b.bottom() - 1.2, b.width(), 1.2), Darker(c, 0.25));
      } else {
        p.fillRect(b, c);
      }
    }
  }
  p.restore();
}

void Rivets(QPainter& p, const QRectF& r, double inset, const QColor& c) {
  for (QPointF q : {QPointF(r.left() + inset, r.top() + inset), QPointF(r.right() - inset, r.top() + inset),
                    QPointF(r.left() + inset, r.bottom() - inset),
                    QPointF(r.right() - inset, r.bottom() - inset)}) {
    FillStroke(p, Circle(q, 1.4), Lighter(c, 0.3), Darker(c, 0.5), 0.6);
  }
}

// ================================================================ objects
void Spike(QPainter& p, QPointF base1, QPointF base2, QPointF tip) {
  QPainterPath s = Polygon({base1, tip, base2});
  FillStroke(p, s, DGrad(base1, base2, QColor(235, 250, 255), QColor(110, 180, 226)), col::kIceLine, 1.0);
  QPointF mid((base1.x() + base2.x()) / 2, (base1.y() + base2.y()) / 2);
  Line(p, QPointF(mid.x() * 0.7 + tip.x() * 0.3, mid.y() * 0.7 + tip.y() * 0.3),
       QPointF(mid.x() * 0.25 + tip.x() * 0.75, mid.y() * 0.25 + tip.y() * 0.75),
       QColor(255, 255, 255, 200), 0.9);
}

void Icicle(QPainter& p, double x, double top, double w, double len, int alpha = 255) {
  QPainterPath s;
  s.moveTo(x - w / 2, top);
  s.quadTo(x - w * 0.25, top + len * 0.6, x, top + len);
  s.quadTo(x + w * 0.25, top + len * 0.6, x + w / 2, top);
  s.closeSubpath();
  FillStroke(p, s, HGrad(x - w / 2, x + w / 2, Alpha(QColor(240, 252, 255), alpha),
                         Alpha(QColor(120, 190, 232), alpha)),
             Alpha(col::kIceLine, alpha), 0.9);
  Line(p, QPointF(x - w * 0.18, top + 1.5), QPointF(x - w * 0.05, top + len * 0.55),
       Alpha(QColor(255, 255, 255), alpha * 3 / 4), 0.8);
}

void IceBlockBase(QPainter& p, const QRectF& r) {
  QPainterPath b = RoundRect(r, 3, 3, 3, 3);
  p.fillPath(b, DGrad(r.topLeft(), r.bottomRight(), QColor(214, 245, 255), QColor(96, 178, 230)));
  p.save();
  p.setClipPath(b);
  p.fillPath(Polygon({QPointF(r.left() + 4, r.top()), QPointF(r.left() + 11, r.top()),
                      QPointF(r.left(), r.top() + 11), QPointF(r.left(), r.top() + 4)}),
             Alpha(QColor(255, 255, 255), 150));
  p.fillPath(Polygon({QPointF(r.left() + 14, r.top()), QPointF(r.left() + 17, r.top()),
                      QPointF(r.left(), r.top() + 17), QPointF(r.left(), r.top() + 14)}),
             Alpha(QColor(255, 255, 255), 110));
  p.restore();
  p.strokePath(b, QPen(col::kIceLine, 1.3));
  p.strokePath(RoundRect(r.adjusted(2, 2, -2, -2), 2, 2, 2, 2), QPen(Alpha(QColor(255, 255, 255), 120), 0.8));
}

void GiftBox(QPainter& p, const QColor& box, const QColor& ribbon, bool star) {
  QRectF r(2.5, 8.5, 27, 22);
  Bevel(p, r, box, 2, 2);
  p.fillRect(QRectF(13.5, 8.5, 5, 22), ribbon);
  p.fillRect(QRectF(2.5, 16.5, 27, 5), ribbon);
  // Lid.
  Bevel(p, QRectF(1.5, 6.5, 29, 6), Lighter(box, 0.1), 1.5, 1.5);
  p.fillRect(QRectF(13.5, 6.5, 5, 6), Darker(ribbon, 0.1));
  // Bow.
  for (int s = -1; s <= 1; s += 2) {
    QPainterPath loop = Ellipse(QPointF(16 + s * 5, 3.8), 5, 3);
    FillStroke(p, loop, ribbon, Darker(ribbon, 0.5), 0.9);
  }
  FillStroke(p, Circle(QPointF(16, 5), 2), Darker(ribbon, 0.15), Darker(ribbon, 0.5), 0.8);
  if (star) Star(p, QPointF(8, 26), 3.2, QColor(255, 255, 255), QColor(0, 0, 0, 0));
}

void Plank(QPainter& p, const QRectF& r, bool roundL, bool roundR, bool snow) {
  QPainterPath b = RoundRect(r, roundL ? 3 : 0, roundR ? 3 : 0, roundR ? 3 : 0, roundL ? 3 : 0);
  p.fillPath(b, VGrad(r.top(), r.bottom(), col::kWoodLight, col::kWood));
  p.save();
  p.setClipPath(b);
  Line(p, QPointF(r.left() - 2, r.center().y()), QPointF(r.right() + 2, r.center().y() + 0.5),
       Alpha(col::kWoodDark, 140), 0.9);
  Line(p, QPointF(r.left() - 2, r.top() + 3), QPointF(r.right() + 2, r.top() + 2.6),
       Alpha(col::kWoodDark, 90), 0.7);
  p.restore();
  p.strokePath(b, QPen(col::kWoodDark, 1.2));
  if (snow) {
    QPainterPath s = RoundRect(QRectF(r.left() - (roundL ? 0 : 2), r.top() - 3, r.width() + (roundL ? 0 : 2) + (roundR ? 0 : 2), 5), 2.5, 2.5, 2, 2);
    p.fillPath(s, col::kSnow);
    p.strokePath(s, QPen(Alpha(col::kSnowLine, 110), 0.8));
  }
}

void Nail(QPainter& p, QPointF c) {
  FillStroke(p, Circle(c, 1.1), QColor(200, 200, 210), QColor(60, 60, 70), 0.6);
}

void Pole(QPainter& p, double x0, double x1, double y0, double y1, const QColor& c) {
  QRectF r(x0, y0, x1 - x0, y1 - y0);
  p.fillRect(r, HGrad(x0, x1, Lighter(c, 0.5), Darker(c, 0.3)));
  Line(p, QPointF(x0 + (x1 - x0) * 0.3, y0), QPointF(x0 + (x1 - x0) * 0.3, y1), Alpha(QColor(255, 255, 255), 150), 1.0, Qt::FlatCap);
  Line(p, QPointF(x0, y0), QPointF(x0, y1), Darker(c, 0.55), 1.0, Qt::FlatCap);
  Line(p, QPointF(x1, y0), QPointF(x1, y1), Darker(c, 0.55), 1.0, Qt::FlatCap);
}

void Fish(QPainter& p, QPointF c, double len, const QColor& body, bool eye = true) {
  p.save();
  p.translate(c);
  double h = len * 0.42;
  QPainterPath f;
  f.moveTo(len * 0.5, 0);
  f.cubicTo(len * 0.3, -h, -len * 0.25, -h * 0.9, -len * 0.3, 0);
  f.cubicTo(-len * 0.25, h * 0.9, len * 0.3, h, len * 0.5, 0);
  QPainterPath tail = Polygon({QPointF(-len * 0.25, 0), QPointF(-len * 0.55, -h * 0.8),
                               QPointF(-len * 0.48, 0), QPointF(-len * 0.55, h * 0.8)});
  FillStroke(p, tail, Darker(body, 0.1), Darker(body, 0.55), 0.9);
  FillStroke(p, f, VGrad(-h, h, Lighter(body, 0.35), body), Darker(body, 0.55), 0.9);
  Line(p, QPointF(len * 0.18, -h * 0.55), QPointF(len * 0.14, h * 0.55), Darker(body, 0.35), 0.8);
  if (eye) {
    p.fillPath(Circle(QPointF(len * 0.3, -h * 0.18), len * 0.07 + 0.4), QColor(255, 255, 255));
    p.fillPath(Circle(QPointF(len * 0.31, -h * 0.18), len * 0.04 + 0.3), col::kOutline);
  }
  p.restore();
}

void Water(QPainter& p, double top, const QColor& a, const QColor& b, uint32_t seed) {
  p.fillRect(QRectF(0, top, 32, 32 - top), VGrad(top, 32, a, b));
  Rng rng(seed);
  for (int i = 0; i < 3; ++i) {
    double y = rng.Uniform(top + 6, 29);
    double x = rng.Uniform(3, 20);
    Line(p, QPointF(x, y), QPointF(x + rng.Uniform(5, 9), y), Alpha(QColor(255, 255, 255), 90), 1.0);
  }
}

void WaveTop(QPainter& p, double y) {
  QPainterPath crest;
  crest.moveTo(-1, 40);
  for (double x = -1; x <= 33; x += 0.5) crest.lineTo(x, y + 1.6 * std::sin(kTwoPi * x / 16));
  crest.lineTo(33, 40);
  crest.closeSubpath();
  QPainterPath clip;
  clip.addRect(0, 0, 32, 32);
  crest = crest.intersected(clip);
  p.fillPath(crest, VGrad(y, 32, QColor(80, 160, 225, 235), QColor(30, 90, 160, 245)));
  QPainterPath line;
  for (double x = 0; x <= 32; x += 0.5) {
    double yy = y + 1.6 * std::sin(kTwoPi * x / 16);
    x == 0 ? line.moveTo(x, yy) : line.lineTo(x, yy);
  }
  p.strokePath(line, QPen(QColor(235, 248, 255), 1.6));
  for (double x : {5.0, 21.0}) Line(p, QPointF(x, y + 6), QPointF(x + 6, y + 6), Alpha(QColor(255, 255, 255), 120), 1.0);
}

void Arrow(QPainter& p, QPointF c, double len, double angleDeg, const QColor& fill, const QColor& line) {
  p.save();
  p.translate(c);
  p.rotate(angleDeg);
  double h = len / 2;
  QPainterPath a = Polygon({QPointF(-h, -len * 0.14), QPointF(h * 0.15, -len * 0.14), QPointF(h * 0.15, -len * 0.34),
                            QPointF(h, 0), QPointF(h * 0.15, len * 0.34), QPointF(h * 0.15, len * 0.14),
                            QPointF(-h, len * 0.14)});
  FillStroke(p, a, fill, line, 1.0);
  p.restore();
}

void Signboard(QPainter& p, const QRectF& board, double postX, double postTop) {
  Pole(p, postX - 2, postX + 2, postTop, 32, col::kWood);
  Bevel(p, board, col::kWood, 1.6, 2, &col::kWoodDark);
  Line(p, QPointF(board.left() + 2, board.center().y()), QPointF(board.right() - 2, board.center().y()),
       Alpha(col::kWoodDark, 80), 0.7);
}

void Fir(QPainter& p, double cx, double top, double bottom, double halfW, int tiers, bool trunk) {
  double h = bottom - top;
  if (trunk) p.fillRect(QRectF(cx - halfW * 0.16, bottom - h * 0.12, halfW * 0.32, h * 0.12), col::kWoodDark);
  double tierH = (h * (trunk ? 0.9 : 1.0)) / (tiers + 0.5);
  for (int i = 0; i < tiers; ++i) {
    double t0 = top + i * tierH * 0.85;
    double t1 = t0 + tierH * 1.5;
    double w = halfW * (0.45 + 0.55 * (i + 1) / tiers);
    QPainterPath tier = Polygon({QPointF(cx, t0), QPointF(cx + w, t1), QPointF(cx - w, t1)});
    FillStroke(p, tier, HGrad(cx - w, cx + w, Lighter(col::kFir, 0.15), col::kFirDark), Darker(col::kFirDark, 0.3), 0.9);
    // Snow on the tier.
    QPainterPath snow;
    snow.moveTo(cx, t0 + 0.5);
    snow.lineTo(cx + w * 0.75, t1 - tierH * 0.3);
    snow.quadTo(cx + w * 0.4, t1 - tierH * 0.55, cx + w * 0.15, t1 - tierH * 0.35);
    snow.quadTo(cx - w * 0.2, t1 - tierH * 0.6, cx - w * 0.45, t1 - tierH * 0.3);
    snow.quadTo(cx - w * 0.6, t1 - tierH * 0.45, cx - w * 0.8, t1 - tierH * 0.25);
    snow.closeSubpath();
    p.fillPath(snow, VGrad(t0, t1, col::kSnow, col::kSnowShade));
  }
}

void Crystal(QPainter& p, QPointF base, double w, double h, double tilt, const QColor& c) {
  p.save();
  p.translate(base);
  p.rotate(tilt);
  QPainterPath body = Polygon({QPointF(-w / 2, 0), QPointF(-w / 2, -h * 0.75), QPointF(0, -h),
                               QPointF(w / 2, -h * 0.75), QPointF(w / 2, 0)});
  FillStroke(p, body, HGrad(-w / 2, w / 2, Lighter(c, 0.55), Darker(c, 0.15)), Darker(c, 0.55), 1.0);
  p.fillPath(Polygon({QPointF(-w / 2, -h * 0.75), QPointF(0, -h), QPointF(0, 0), QPointF(-w / 2, 0)}),
             Alpha(QColor(255, 255, 255), 70));
  Line(p, QPointF(0, -h), QPointF(0, 0), Alpha(Darker(c, 0.4), 160), 0.7);
  p.restore();
}

// ================================================================ 32x32 tiles
void DrawSmallTile(int n, QPainter& p) {
  const uint32_t seed = static_cast<uint32_t>(n * 7919 + 17);
  switch (n) {
    // --- snow ground 1..13
    case 1: Ground(p, kSnowGround, kT | kL, seed); break;
    case 2: Ground(p, kSnowGround, kT, seed); break;
    case 3: Ground(p, kSnowGround, kT | kR, seed); break;
    case 4: Ground(p, kSnowGround, kL, seed); break;
    case 5: Ground(p, kSnowGround, 0, seed); break;
    case 6: Ground(p, kSnowGround, kR, seed); break;
    case 7: Ground(p, kSnowGround, kB | kL, seed); break;
    case 8: Ground(p, kSnowGround, kB, seed); break;
    case 9: Ground(p, kSnowGround, kB | kR, seed); break;
    case 10: Ground(p, kSnowGround, kITL, seed); break;
    case 11: Ground(p, kSnowGround, kITR, seed); break;
    case 12: Ground(p, kSnowGround, kIBL, seed); break;
    case 13: Ground(p, kSnowGround, kIBR, seed); break;
    // --- floating snow platform 14..16
    case 14: case 15: case 16: {
      bool l = n == 14, r = n == 16;
      QPainterPath body = RoundRect(QRectF(l ? 1 : -8, 4, (l ? 31 : 40) + (r ? (l ? -1 : -9) : 0), 14),
                                    l ? 6 : 0, r ? 6 : 0, r ? 7 : 0, l ? 7 : 0);
      if (r) body = RoundRect(QRectF(-8, 4, 39, 14), 0, 6, 7, 0);
      p.save();
      p.setClipPath(body);
      Texturize(p, kSnowGround, seed);
      p.restore();
      p.strokePath(body, QPen(kSnowGround.line, 1.4));
      SnowCap(p, body, -1, 33, 4, 5, false);
      for (double x : {7.0, 18.0, 27.0}) {
        if ((l && x < 5) || (r && x > 27)) continue;
        Icicle(p, x - (r ? 3 : 0), 17, 4, 5 + std::fmod(x, 5.0));
      }
      break;
    }
    // --- ice blocks
    case 17: IceBlockBase(p, QRectF(1, 1, 30, 30)); break;
    case 18: {
      IceBlockBase(p, QRectF(1, 1, 30, 30));
      for (QPointF c : {QPointF(10, 20), QPointF(20, 12), QPointF(22, 23), QPointF(14, 11), QPointF(8, 27)})
        FillStroke(p, Circle(c, 1.2 + std::fmod(c.x(), 3.0) * 0.5), Alpha(QColor(255, 255, 255), 110),
                   Alpha(QColor(255, 255, 255), 220), 0.8);
      break;
    }
    case 19: {
      p.fillRect(QRectF(0, 0, 32, 32), QColor(190, 232, 250));
      for (QRectF r : {QRectF(1, 1, 14, 14), QRectF(17, 1, 14, 14), QRectF(1, 17, 14, 14), QRectF(17, 17, 14, 14)}) {
        p.fillRect(r, DGrad(r.topLeft(), r.bottomRight(), QColor(200, 240, 255), QColor(100, 180, 228)));
        p.fillRect(QRectF(r.left() + 2, r.top() + 2, 5, 1.5), Alpha(QColor(255, 255, 255), 200));
        p.strokePath([&] { QPainterPath q; q.addRect(r); return q; }(), QPen(col::kIceLine, 1.0));
      }
      break;
    }
    // --- stone
    case 20: {
      Bevel(p, QRectF(0.5, 0.5, 31, 31), col::kStone, 2.5, 2.5);
      Line(p, QPointF(20, 6), QPointF(24, 12), col::kStoneDark, 1.0);
      Line(p, QPointF(24, 12), QPointF(22, 16), col::kStoneDark, 1.0);
      Speckle(p, QRectF(5, 5, 22, 22), 6, Alpha(col::kStoneDark, 120), 0.5, 1.0, seed);
      break;
    }
    case 21: case 22: {
      Bricks(p, QRectF(0, 0, 32, 32), QColor(150, 158, 172), QColor(98, 104, 120), 16, 10.67, 22);
      if (n == 21) {
        QPainterPath all;
        all.addRect(-2, 0.5, 36, 34);
        SnowCap(p, all, -1, 33, 0.5, 6.5);
        Line(p, QPointF(0, 0.5), QPointF(32, 0.5), QColor(48, 52, 64), 1.0, Qt::FlatCap);
      }
      break;
    }
    case 23: {
      p.fillRect(QRectF(0, 0, 32, 32), QColor(92, 98, 112));
      struct C { double x, y, rx, ry; };
      for (C c : std::initializer_list<C>{{6, 5, 6, 4.5}, {18, 4, 6, 4}, {28, 6, 4.5, 5}, {4, 15, 4, 5},
                                          {14, 14, 6, 5}, {25, 16, 6, 5}, {7, 26, 7, 5}, {19, 25, 5, 5.5},
                                          {28, 27, 4.5, 5}}) {
        QColor cc = Mix(col::kStone, col::kStoneLight, std::fmod(c.x * 0.37 + c.y * 0.11, 1.0) * 0.6);
        FillStroke(p, Ellipse(QPointF(c.x, c.y), c.rx, c.ry), RGrad(QPointF(c.x - 1.5, c.y - 1.5), c.rx * 1.5, Lighter(cc, 0.3), cc),
                   col::kStoneDark, 0.8);
      }
      break;
    }
    case 24: case 25: case 27: {
      // Stone pillar: capital (24), shaft (25), base (27).
      Pole(p, 7, 25, 0, 32, col::kStoneLight);
      for (double x : {11.5, 16.0, 20.5}) Line(p, QPointF(x, 0), QPointF(x, 32), Alpha(col::kStoneDark, 150), 1.0, Qt::FlatCap);
      if (n == 24) {
        Bevel(p, QRectF(2, 1, 28, 7), col::kStoneLight, 1.5, 1.5);
        Bevel(p, QRectF(4.5, 8, 23, 4), col::kStone, 1, 1);
        QPainterPath all;
        all.addRect(2, 1, 28, 10);
        SnowCap(p, all, 2, 30, 1, 3.5, false);
      }
      if (n == 27) {
        Bevel(p, QRectF(4.5, 20, 23, 4), col::kStone, 1, 1);
        Bevel(p, QRectF(1.5, 24, 29, 8), col::kStoneLight, 1.5, 1.5);
      }
      break;
    }
    case 26: {
      // Plain floor: a flagstone slab, flat on top.
      QRectF r(0, 0, 32, 32);
      p.fillRect(r, VGrad(0, 32, QColor(132, 146, 168), QColor(96, 108, 130)));
      p.fillRect(QRectF(0, 0, 32, 3), QColor(176, 190, 210));
      Line(p, QPointF(0, 3), QPointF(32, 3), QColor(70, 80, 100), 1.0, Qt::FlatCap);
      Line(p, QPointF(0, 17), QPointF(32, 17), QColor(70, 80, 100), 1.0, Qt::FlatCap);
      Line(p, QPointF(16, 3), QPointF(16, 17), QColor(70, 80, 100), 1.0, Qt::FlatCap);
      Line(p, QPointF(8, 17), QPointF(8, 32), QColor(70, 80, 100), 1.0, Qt::FlatCap);
      Line(p, QPointF(24, 17), QPointF(24, 32), QColor(70, 80, 100), 1.0, Qt::FlatCap);
      Line(p, QPointF(0, 31.5), QPointF(32, 31.5), QColor(60, 68, 86), 1.0, Qt::FlatCap);
      Speckle(p, QRectF(2, 5, 28, 24), 7, Alpha(QColor(60, 70, 90), 120), 0.4, 0.9, seed);
      break;
    }
    // --- bricks
    case 28: Bricks(p, QRectF(0, 0, 32, 32), col::kBrick, col::kMortar, 16, 8, 28); break;
    case 29: {
      Bricks(p, QRectF(0, 0, 32, 32), col::kBrick, col::kMortar, 16, 8, 29);
      QPainterPath all;
      all.addRect(-2, 0.5, 36, 34);
      SnowCap(p, all, -1, 33, 0.5, 6.5);
      break;
    }
    case 30: Bricks(p, QRectF(0, 0, 32, 32), QColor(120, 126, 138), QColor(70, 74, 84), 32, 16, 30); break;
    case 31: Bricks(p, QRectF(0, 0, 32, 32), QColor(110, 190, 236), QColor(220, 244, 255), 16, 8, 31); break;
    case 32: {
      Bricks(p, QRectF(0, 0, 32, 16), col::kBrick, col::kMortar, 16, 8, 32);
      Line(p, QPointF(0, 15.5), QPointF(32, 15.5), col::kBrickDark, 1.0, Qt::FlatCap);
      break;
    }
    case 33: {
      Bricks(p, QRectF(0, 14, 32, 18), QColor(120, 126, 138), QColor(70, 74, 84), 16, 9, 33);
      for (double x : {2.0, 20.0}) Bevel(p, QRectF(x, 2, 10, 12.5), QColor(130, 136, 148), 1.5, 1);
      QPainterPath tops;
      tops.addRect(2, 2, 10, 4);
      tops.addRect(20, 2, 10, 4);
      p.fillPath(tops, col::kSnow);
      break;
    }
    // --- earth with snow 34..39
    case 34: Ground(p, kEarthGround, kT, seed); break;
    case 35: Ground(p, kEarthGround, kT | kL, seed); break;
    case 36: Ground(p, kEarthGround, kT | kR, seed); break;
    case 37: Ground(p, kEarthGround, 0, seed); break;
    case 38: Ground(p, kEarthGround, kL, seed); break;
    case 39: Ground(p, kEarthGround, kR, seed); break;
    // --- bonus and gift boxes
    case 40: {
      Bevel(p, QRectF(0.5, 0.5, 31, 31), col::kGold, 2.5, 3, &col::kGoldDark);
      Rivets(p, QRectF(0.5, 0.5, 31, 31), 4, col::kGold);
      Text(p, QRectF(0, 1, 32, 31), "?", 24, QColor(255, 250, 225), true);
      Text(p, QRectF(-1, 0, 32, 31), "?", 24, QColor(150, 70, 10), true);
      break;
    }
    case 41: {
      Bevel(p, QRectF(0.5, 0.5, 31, 31), QColor(150, 110, 70), 2.5, 3);
      Rivets(p, QRectF(0.5, 0.5, 31, 31), 4, QColor(150, 110, 70));
      break;
    }
    case 42: GiftBox(p, QColor(210, 46, 52), QColor(250, 210, 60), false); break;
    case 43: GiftBox(p, QColor(46, 150, 80), QColor(245, 245, 250), true); break;
    case 44: {
      Bevel(p, QRectF(0.5, 0.5, 31, 31), QColor(70, 130, 210), 2.5, 3);
      Snowflake(p, QPointF(16, 16), 10, QColor(255, 255, 255), 1.8);
      break;
    }
    case 45: {
      QRectF r(0.5, 0.5, 31, 31);
      p.fillRect(r, col::kWood);
      for (double y : {8.0, 16.0, 24.0}) Line(p, QPointF(0, y), QPointF(32, y), Alpha(col::kWoodDark, 110), 0.8, Qt::FlatCap);
      QPainterPath frame;
      frame.addRect(r);
      frame.addRect(r.adjusted(4, 4, -4, -4));
      frame.setFillRule(Qt::OddEvenFill);
      p.fillPath(frame, col::kWoodLight);
      QPainterPath brace = Polygon({QPointF(4, 7), QPointF(7, 4), QPointF(28, 25), QPointF(25, 28)});
      FillStroke(p, brace, col::kWoodLight, col::kWoodDark, 0.9);
      p.strokePath(frame, QPen(col::kWoodDark, 1.0));
      for (QPointF c : {QPointF(2.5, 2.5), QPointF(29.5, 2.5), QPointF(2.5, 29.5), QPointF(29.5, 29.5)}) Nail(p, c);
      break;
    }
    case 46: case 47: case 48: {
      bool l = n == 46, r = n == 48;
      Plank(p, QRectF(l ? 1 : -2, 9, 32 + (l ? -1 : 2) + (r ? -3 : 0) + (l && r ? 0 : 0), 9), l, r, true);
      if (l) { Nail(p, QPointF(5, 13.5)); p.fillPath(Polygon({QPointF(6, 18), QPointF(10, 18), QPointF(7, 30)}), col::kWoodDark); }
      if (r) { Nail(p, QPointF(26, 13.5)); p.fillPath(Polygon({QPointF(22, 18), QPointF(26, 18), QPointF(25, 30)}), col::kWoodDark); }
      if (!l && !r) { Nail(p, QPointF(8, 13.5)); Nail(p, QPointF(24, 13.5)); }
      break;
    }
    // --- collectibles
    case 61: {
      Fish(p, QPointF(16, 16), 26, col::kGold);
      Sparkle(p, QPointF(27, 6), 3);
      Sparkle(p, QPointF(5, 26), 2);
      break;
    }
    case 62: {
      p.fillPath(Circle(QPointF(16, 16), 13), RGrad(QPointF(16, 16), 13, QColor(200, 240, 255, 180), QColor(200, 240, 255, 0)));
      Snowflake(p, QPointF(16, 16), 11, QColor(60, 150, 220), 3.0);
      Snowflake(p, QPointF(16, 16), 11, QColor(255, 255, 255), 1.4);
      break;
    }
    // --- water 64..69
    case 64: WaveTop(p, 8); break;
    case 65: Water(p, 0, QColor(40, 110, 185, 245), QColor(26, 76, 140, 250), seed); break;
    case 66: {
      WaveTop(p, 10);
      QPainterPath floe = Polygon({QPointF(5, 12), QPointF(9, 6), QPointF(24, 5), QPointF(28, 11), QPointF(22, 15), QPointF(8, 15)});
      FillStroke(p, floe, VGrad(5, 15, col::kSnow, col::kIce), col::kIceLine, 1.0);
      p.fillPath(Polygon({QPointF(8, 15), QPointF(22, 15), QPointF(20, 19), QPointF(11, 19)}), Alpha(col::kIceDark, 140));
      break;
    }
    case 67: {
      // Waterfall: falling streams, tileable vertically.
      p.fillRect(QRectF(0, 0, 32, 32), HGrad(0, 32, QColor(70, 150, 220, 230), QColor(40, 110, 190, 230)));
      for (double x : {3.0, 9.0, 15.0, 21.0, 27.0}) {
        double ph = x * 0.7;
        QPainterPath s;
        for (double y = 0; y <= 32; y += 1) {
          double xx = x + 1.2 * std::sin(kTwoPi * y / 32 + ph);
          y == 0 ? s.moveTo(xx, y) : s.lineTo(xx, y);
        }
        p.strokePath(s, QPen(Alpha(QColor(230, 248, 255), 200), 1.4));
      }
      for (double y : {6.0, 22.0}) Line(p, QPointF(12, y), QPointF(12, y + 6), QColor(255, 255, 255), 1.2);
      break;
    }
    case 68: {
      Water(p, 10, QColor(40, 110, 185, 245), QColor(26, 76, 140, 250), seed);
      QPainterPath ice;
      ice.addRect(0, 0, 32, 11);
      p.fillPath(ice, VGrad(0, 11, QColor(235, 250, 255), QColor(150, 210, 240)));
      Line(p, QPointF(0, 11), QPointF(32, 11), col::kIceLine, 1.2, Qt::FlatCap);
      Line(p, QPointF(5, 3), QPointF(12, 8), Alpha(col::kIceDark, 170), 0.8);
      Line(p, QPointF(12, 8), QPointF(15, 5), Alpha(col::kIceDark, 170), 0.8);
      Line(p, QPointF(20, 2), QPointF(30, 4), Alpha(QColor(255, 255, 255), 200), 1.2);
      break;
    }
    case 69: {
      Water(p, 0, QColor(24, 72, 134, 250), QColor(14, 44, 96, 252), seed);
      for (QPointF c : {QPointF(8, 24), QPointF(11, 15), QPointF(9, 7), QPointF(22, 20), QPointF(24, 10)})
        p.strokePath(Circle(c, 1.3 + std::fmod(c.y(), 4.0) * 0.35), QPen(Alpha(QColor(200, 235, 255), 200), 0.9));
      break;
    }
    // --- hazards
    case 75: for (int i = 0; i < 4; ++i) Spike(p, QPointF(i * 8 + 0.5, 32), QPointF(i * 8 + 7.5, 32), QPointF(i * 8 + 4, 8)); break;
    case 76: {
      p.fillRect(QRectF(0, 0, 32, 4), VGrad(0, 4, QColor(235, 250, 255), QColor(160, 215, 242)));
      Icicle(p, 5, 3, 7, 22);
      Icicle(p, 16, 3, 8, 27);
      Icicle(p, 27, 3, 7, 19);
      break;
    }
    case 77: {
      // Breakable brick: cracked, with chips missing.
      Bricks(p, QRectF(0, 0, 32, 32), QColor(186, 112, 70), col::kMortar, 16, 8, 77);
      QPainterPath crack;
      crack.moveTo(9, 0);
      crack.lineTo(13, 7);
      crack.lineTo(10, 13);
      crack.lineTo(17, 19);
      crack.lineTo(14, 25);
      crack.lineTo(19, 32);
      crack.moveTo(17, 19);
      crack.lineTo(26, 16);
      crack.lineTo(32, 20);
      crack.moveTo(10, 13);
      crack.lineTo(2, 16);
      p.strokePath(crack, QPen(QColor(50, 24, 16), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.fillPath(Polygon({QPointF(25, 0), QPointF(31, 0), QPointF(31, 5)}), QColor(50, 24, 16));
      p.fillPath(Polygon({QPointF(0, 27), QPointF(5, 32), QPointF(0, 32)}), QColor(50, 24, 16));
      p.strokePath([] { QPainterPath q; q.addRect(0.5, 0.5, 31, 31); return q; }(), QPen(QColor(110, 52, 30), 1.0));
      break;
    }
    case 78: {
      IceBlockBase(p, QRectF(1, 1, 30, 30));
      QPainterPath crack;
      crack.moveTo(16, 1);
      crack.lineTo(14, 9);
      crack.lineTo(19, 14);
      crack.lineTo(12, 21);
      crack.lineTo(16, 31);
      crack.moveTo(19, 14);
      crack.lineTo(31, 11);
      crack.moveTo(12, 21);
      crack.lineTo(1, 24);
      crack.moveTo(14, 9);
      crack.lineTo(6, 4);
      p.strokePath(crack, QPen(QColor(255, 255, 255), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.strokePath(crack, QPen(col::kIceLine, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      break;
    }
    case 79: {
      p.fillRect(QRectF(28, 0, 4, 32), col::kStoneDark);
      for (int i = 0; i < 4; ++i) Spike(p, QPointF(28, i * 8 + 0.5), QPointF(28, i * 8 + 7.5), QPointF(5, i * 8 + 4));
      break;
    }
    case 80: {
      p.fillRect(QRectF(0, 0, 4, 32), col::kStoneDark);
      for (int i = 0; i < 4; ++i) Spike(p, QPointF(4, i * 8 + 0.5), QPointF(4, i * 8 + 7.5), QPointF(27, i * 8 + 4));
      break;
    }
    case 81: {
      // Checkpoint bell on a small post (stands above a reset point).
      Pole(p, 14.5, 17.5, 4, 32, QColor(150, 110, 70));
      FillStroke(p, RoundRect(QRectF(8, 2, 16, 4), 1.5, 1.5, 1.5, 1.5), col::kWood, col::kWoodDark, 0.9);
      QPainterPath bell;
      bell.moveTo(16, 6);
      bell.cubicTo(9.5, 6, 9.5, 14, 8.5, 19);
      bell.quadTo(7, 22, 5.5, 23);
      bell.lineTo(26.5, 23);
      bell.quadTo(25, 22, 23.5, 19);
      bell.cubicTo(22.5, 14, 22.5, 6, 16, 6);
      FillStroke(p, bell, HGrad(7, 26, QColor(255, 236, 140), QColor(200, 140, 20)), QColor(120, 80, 10), 1.1);
      p.fillPath(Ellipse(QPointF(13, 12), 1.5, 3.5), Alpha(QColor(255, 255, 255), 170));
      FillStroke(p, Circle(QPointF(16, 25), 2.4), QColor(200, 140, 20), QColor(120, 80, 10), 0.9);
      // Red bow at the top.
      FillStroke(p, Polygon({QPointF(16, 7), QPointF(10, 9.5), QPointF(10, 4.5)}), col::kRed, Darker(col::kRed, 0.5), 0.7);
      FillStroke(p, Polygon({QPointF(16, 7), QPointF(22, 9.5), QPointF(22, 4.5)}), col::kRed, Darker(col::kRed, 0.5), 0.7);
      // "Ding" marks.
      Line(p, QPointF(3, 12), QPointF(5.5, 14), col::kGold, 1.2);
      Line(p, QPointF(29, 12), QPointF(26.5, 14), col::kGold, 1.2);
      break;
    }
    case 82: case 83: case 84: {
      Pole(p, 13, 19, n == 82 ? 8 : 0, n == 84 ? 26 : 32, QColor(160, 176, 196));
      if (n == 82) {
        FillStroke(p, Circle(QPointF(16, 7), 6), RGrad(QPointF(14, 5), 7, QColor(255, 240, 160), col::kGold), col::kGoldDark, 1.0);
        Sparkle(p, QPointF(14, 5), 2);
      }
      if (n == 84) {
        QPainterPath mound;
        mound.moveTo(1, 32);
        mound.cubicTo(4, 22, 28, 22, 31, 32);
        mound.closeSubpath();
        FillStroke(p, mound, VGrad(22, 32, col::kSnow, col::kSnowShade), col::kSnowLine, 1.0);
        Bevel(p, QRectF(10, 22, 12, 4), QColor(120, 130, 150), 1, 1);
      }
      break;
    }
    // --- pipes 93..98
    case 93: case 94: case 95: case 96: {
      bool top = n <= 94, left = n == 93 || n == 95;
      const QColor c(70, 160, 170);
      QRectF r = top ? QRectF(left ? 1 : -2, 2, left ? 33 : 31, 14) : QRectF(left ? 4 : -2, 0, left ? 30 : 26, 32);
      p.fillRect(r, HGrad(left ? r.left() : -30, left ? r.left() + 60 : r.right(), Lighter(c, 0.5), Darker(c, 0.35)));
      if (!top) {
        QPainterPath e;
        if (left) { e.moveTo(4.5, 0); e.lineTo(4.5, 32); } else { e.moveTo(23.5, 0); e.lineTo(23.5, 32); }
        p.strokePath(e, QPen(Darker(c, 0.6), 1.2));
      } else {
        QPainterPath e;
        if (left) { e.moveTo(32, 2.5); e.lineTo(1.5, 2.5); e.lineTo(1.5, 15.5); e.lineTo(32, 15.5); }
        else { e.moveTo(0, 2.5); e.lineTo(29.5, 2.5); e.lineTo(29.5, 15.5); e.lineTo(0, 15.5); }
        p.strokePath(e, QPen(Darker(c, 0.6), 1.2));
        QRectF body(left ? 4 : -2, 16, left ? 30 : 26, 16);
        p.fillRect(body, HGrad(left ? 4 : -30, left ? 64 : 24, Lighter(c, 0.4), Darker(c, 0.35)));
        Line(p, QPointF(left ? 4.5 : 23.5, 16), QPointF(left ? 4.5 : 23.5, 32), Darker(c, 0.6), 1.2, Qt::FlatCap);
        // Frost on the lip.
        p.fillRect(QRectF(left ? 2 : -2, 3, left ? 32 : 31, 3), Alpha(col::kSnow, 220));
      }
      break;
    }
    case 97: {
      const QColor c(70, 160, 170);
      p.fillRect(QRectF(0, 6, 32, 20), VGrad(6, 26, Lighter(c, 0.5), Darker(c, 0.35)));
      Line(p, QPointF(0, 6.5), QPointF(32, 6.5), Darker(c, 0.6), 1.2, Qt::FlatCap);
      Line(p, QPointF(0, 25.5), QPointF(32, 25.5), Darker(c, 0.6), 1.2, Qt::FlatCap);
      p.fillRect(QRectF(0, 7, 32, 2), Alpha(col::kSnow, 200));
      break;
    }
    case 98: {
      const QColor c(70, 160, 170);
      p.fillRect(QRectF(0, 6, 32, 20), VGrad(6, 26, Lighter(c, 0.5), Darker(c, 0.35)));
      Bevel(p, QRectF(8, 3, 16, 26), Darker(c, 0.1), 2, 2);
      for (double y : {7.0, 25.0}) { Nail(p, QPointF(12, y)); Nail(p, QPointF(20, y)); }
      Line(p, QPointF(0, 6.5), QPointF(8, 6.5), Darker(c, 0.6), 1.2, Qt::FlatCap);
      Line(p, QPointF(24, 6.5), QPointF(32, 6.5), Darker(c, 0.6), 1.2, Qt::FlatCap);
      Line(p, QPointF(0, 25.5), QPointF(8, 25.5), Darker(c, 0.6), 1.2, Qt::FlatCap);
      Line(p, QPointF(24, 25.5), QPointF(32, 25.5), Darker(c, 0.6), 1.2, Qt::FlatCap);
      break;
    }
    // --- background decorations 99..105
    case 99: Snowflake(p, QPointF(16, 16), 13, QColor(255, 255, 255, 170), 2.2); Snowflake(p, QPointF(16, 16), 13, QColor(150, 200, 240, 140), 0.8); break;
    case 100: {
      Sparkle(p, QPointF(16, 16), 13, QColor(255, 250, 210, 230));
      p.fillPath(Circle(QPointF(16, 16), 3), QColor(255, 255, 255));
      Sparkle(p, QPointF(6, 7), 3, QColor(255, 255, 255, 200));
      Sparkle(p, QPointF(26, 25), 2.5, QColor(255, 255, 255, 200));
      break;
    }
    case 101: {
      // Snow drape hanging from a ceiling.
      QPainterPath d;
      d.moveTo(0, 0);
      d.lineTo(32, 0);
      d.lineTo(32, 6);
      for (double x = 32; x >= 0; x -= 1) {
        double y = 7 + 1.5 * std::sin(kTwoPi * x / 32);
        for (double dx : {6.0, 17.0, 26.0}) {
          double m = x - dx;
          if (std::fabs(m) < 3) y += 6 * std::sqrt(1 - (m / 3) * (m / 3)) * (dx == 17 ? 1.4 : 0.9);
        }
        d.lineTo(x, y);
      }
      d.closeSubpath();
      FillStroke(p, d, VGrad(0, 16, col::kSnow, col::kSnowShade), Alpha(col::kSnowLine, 160), 1.0);
      break;
    }
    case 102: case 103: {
      bool end = n == 103;
      if (!end) {
        for (double y : {12.0, 21.0}) {
          QRectF rail(0, y, 32, 4);
          p.fillRect(rail, VGrad(y, y + 4, col::kWoodLight, col::kWood));
          Line(p, QPointF(0, y + 4), QPointF(32, y + 4), col::kWoodDark, 1.0, Qt::FlatCap);
          p.fillRect(QRectF(0, y - 1.5, 32, 1.8), col::kSnow);
        }
        for (double x : {8.0, 24.0}) {
          QPainterPath post = Polygon({QPointF(x - 3, 32), QPointF(x - 3, 8), QPointF(x, 5), QPointF(x + 3, 8), QPointF(x + 3, 32)});
          FillStroke(p, post, HGrad(x - 3, x + 3, col::kWoodLight, col::kWood), col::kWoodDark, 1.0);
          p.fillPath(Ellipse(QPointF(x, 6), 3.5, 2), col::kSnow);
        }
      } else {
        for (double y : {12.0, 21.0}) {
          p.fillRect(QRectF(0, y, 14, 4), VGrad(y, y + 4, col::kWoodLight, col::kWood));
          Line(p, QPointF(0, y + 4), QPointF(14, y + 4), col::kWoodDark, 1.0, Qt::FlatCap);
        }
        QPainterPath post = RoundRect(QRectF(11, 4, 9, 28), 2, 2, 0, 0);
        FillStroke(p, post, HGrad(11, 20, col::kWoodLight, col::kWood), col::kWoodDark, 1.0);
        p.fillPath(Ellipse(QPointF(15.5, 4), 6, 3), col::kSnow);
        p.strokePath(Ellipse(QPointF(15.5, 4), 6, 3), QPen(Alpha(col::kSnowLine, 120), 0.8));
      }
      break;
    }
    case 104: {
      for (int i = 0; i < 7; ++i) {
        double x = 6 + i * 3.3;
        QPainterPath blade;
        blade.moveTo(x - 1.5, 32);
        blade.quadTo(x + (i - 3) * 1.5, 20, x + (i - 3) * 2.4, 12 + std::fabs(i - 3) * 2.5);
        blade.quadTo(x + (i - 3) * 0.8, 22, x + 1.5, 32);
        FillStroke(p, blade, VGrad(12, 32, QColor(170, 200, 150), QColor(90, 130, 80)), QColor(50, 80, 50), 0.7);
      }
      QPainterPath snow;
      snow.moveTo(3, 32);
      snow.cubicTo(6, 26, 26, 26, 29, 32);
      FillStroke(p, snow, col::kSnow, Alpha(col::kSnowLine, 140), 0.9);
      break;
    }
    case 105: {
      Fir(p, 16, 3, 31, 11, 3, true);
      break;
    }
    case 112: {
      // Invisible block: faint fill and a dotted outline.
      p.fillRect(QRectF(1, 1, 30, 30), QColor(255, 255, 255, 28));
      QPen pen(QColor(255, 255, 255, 210), 1.5, Qt::DotLine);
      p.strokePath([] { QPainterPath q; q.addRect(1.5, 1.5, 29, 29); return q; }(), pen);
      QPen pen2(QColor(30, 40, 70, 160), 1.0, Qt::DotLine);
      p.strokePath([] { QPainterPath q; q.addRect(3.5, 3.5, 25, 25); return q; }(), pen2);
      break;
    }
    case 113: {
      QPainterPath slab = RoundRect(QRectF(0.5, 8, 31, 9), 2, 2, 2, 2);
      FillStroke(p, slab, VGrad(8, 17, QColor(230, 250, 255, 230), QColor(120, 200, 240, 230)), col::kIceLine, 1.1);
      Line(p, QPointF(3, 10.5), QPointF(12, 10.5), QColor(255, 255, 255), 1.2);
      Icicle(p, 9, 16, 4, 6, 220);
      Icicle(p, 23, 16, 3, 4, 220);
      break;
    }
    case 114: {
      const QColor c(190, 70, 60);
      p.fillRect(QRectF(0, 6, 32, 4), VGrad(6, 10, Lighter(c, 0.3), c));
      p.fillRect(QRectF(0, 22, 32, 4), VGrad(22, 26, c, Darker(c, 0.3)));
      p.fillRect(QRectF(0, 10, 32, 12), Darker(c, 0.2));
      QPainterPath truss;
      truss.moveTo(0, 10);
      truss.lineTo(8, 22);
      truss.lineTo(16, 10);
      truss.lineTo(24, 22);
      truss.lineTo(32, 10);
      p.strokePath(truss, QPen(Lighter(c, 0.15), 2.2));
      for (double x : {4.0, 12.0, 20.0, 28.0}) FillStroke(p, Circle(QPointF(x, 8), 0.9), Lighter(c, 0.5), Darker(c, 0.5), 0.5);
      Line(p, QPointF(0, 6), QPointF(32, 6), Darker(c, 0.5), 1.0, Qt::FlatCap);
      Line(p, QPointF(0, 26), QPointF(32, 26), Darker(c, 0.5), 1.0, Qt::FlatCap);
      p.fillRect(QRectF(0, 4.5, 32, 2), col::kSnow);
      break;
    }
    case 119: case 120: case 121: {
      // Rope bridge: plank (119) and the posts at its ends.
      auto rope = [&](double x0, double x1) {
        QPainterPath r;
        r.moveTo(x0, 8);
        r.quadTo((x0 + x1) / 2, 12, x1, 8);
        p.strokePath(r, QPen(QColor(150, 120, 80), 1.6));
        for (double x = x0 + 4; x < x1; x += 8) Line(p, QPointF(x, 9.5), QPointF(x, 17), QColor(150, 120, 80), 1.0);
      };
      if (n == 119) {
        rope(0, 32);
        for (double x : {0.0, 8.0, 16.0, 24.0}) Bevel(p, QRectF(x + 0.5, 17, 7, 6), col::kWood, 1, 1);
      } else {
        bool left = n == 120;
        double px = left ? 8 : 24;
        if (left) rope(px, 32);
        else rope(0, px);
        for (double x : {0.0, 8.0}) Bevel(p, QRectF(x + (left ? 16 : 0) + 0.5, 17, 7, 6), col::kWood, 1, 1);
        QPainterPath post = RoundRect(QRectF(px - 3.5, 4, 7, 28), 2, 2, 0, 0);
        FillStroke(p, post, HGrad(px - 3.5, px + 3.5, col::kWoodLight, col::kWoodDark), col::kWoodDark, 1.0);
        p.fillPath(Ellipse(QPointF(px, 4), 4.5, 2.5), col::kSnow);
        FillStroke(p, Circle(QPointF(px, 8.5), 1.8), QColor(150, 120, 80), QColor(90, 70, 40), 0.7);
      }
      break;
    }
    case 128: {
      for (double x : {7.0, 25.0}) Pole(p, x - 2, x + 2, 0, 32, col::kWood);
      for (double y : {4.0, 12.0, 20.0, 28.0}) {
        p.fillRect(QRectF(9, y, 14, 3), VGrad(y, y + 3, col::kWoodLight, col::kWoodDark));
      }
      break;
    }
    case 129: {
      for (double y = -4; y < 32; y += 6) {
        QPainterPath twist = Ellipse(QPointF(16, y + 3), 3.2, 4);
        p.save();
        p.translate(16, y + 3);
        p.rotate(30);
        p.translate(-16, -(y + 3));
        FillStroke(p, twist, HGrad(13, 19, QColor(220, 190, 130), QColor(150, 110, 60)), QColor(100, 70, 40), 0.8);
        p.restore();
      }
      break;
    }
    case 130: {
      for (int i = 0; i < 4; ++i) {
        double y = i * 8;
        if (i % 2 == 0) {
          QPainterPath link = RoundRect(QRectF(12, y - 1, 8, 10), 4, 4, 4, 4);
          p.strokePath(link, QPen(QColor(90, 96, 110), 3.0));
          p.strokePath(link, QPen(QColor(190, 198, 210), 1.2));
        } else {
          Line(p, QPointF(16, y - 1.5), QPointF(16, y + 9.5), QColor(90, 96, 110), 3.4);
          Line(p, QPointF(16, y - 1.5), QPointF(16, y + 9.5), QColor(170, 178, 192), 1.4);
        }
      }
      break;
    }
    case 131: {
      // Reset-point tool: a round badge with a circular arrow and a flag.
      FillStroke(p, Circle(QPointF(16, 16), 14.5), RGrad(QPointF(12, 11), 20, QColor(120, 220, 140), QColor(20, 130, 60)),
                 QColor(10, 70, 30), 1.3);
      QPainterPath arc;
      arc.arcMoveTo(QRectF(6, 6, 20, 20), 120);
      arc.arcTo(QRectF(6, 6, 20, 20), 120, 270);
      p.strokePath(arc, QPen(QColor(255, 255, 255), 2.6, Qt::SolidLine, Qt::FlatCap));
      // Arrow head at the end of the arc (angle 30 degrees).
      double a = 30 * M_PI / 180;
      QPointF e(16 + 10 * std::cos(a), 16 - 10 * std::sin(a));
      p.fillPath(Polygon({QPointF(e.x() - 4.5, e.y() - 2.5), QPointF(e.x() + 3.5, e.y() - 3.5), QPointF(e.x() + 0.5, e.y() + 4.5)}),
                 QColor(255, 255, 255));
      Line(p, QPointF(14, 10), QPointF(14, 22), QColor(255, 255, 255), 1.6);
      p.fillPath(Polygon({QPointF(14.5, 10), QPointF(21, 12.5), QPointF(14.5, 15)}), QColor(255, 80, 80));
      break;
    }
    case 132: {
      // Goal: a checkered finish post; rows repeat every tile.
      Pole(p, 9, 23, 0, 32, QColor(230, 230, 236));
      for (int yy = 0; yy < 4; ++yy)
        for (int xx = 0; xx < 2; ++xx)
          if ((xx + yy) % 2 == 0) p.fillRect(QRectF(9 + xx * 7, yy * 8, 7, 8), QColor(30, 30, 36));
      Line(p, QPointF(9, 0), QPointF(9, 32), col::kGoldDark, 1.6, Qt::FlatCap);
      Line(p, QPointF(23, 0), QPointF(23, 32), col::kGoldDark, 1.6, Qt::FlatCap);
      Line(p, QPointF(11, 0), QPointF(11, 32), Alpha(QColor(255, 255, 255), 110), 1.0, Qt::FlatCap);
      break;
    }
    case 133: {
      // Start of the end run: a striped marker pole with a gold stud.
      p.save();
      QPainterPath pole;
      pole.addRect(11, 0, 10, 32);
      p.setClipPath(pole);
      p.fillRect(QRectF(11, 0, 10, 32), QColor(245, 245, 250));
      for (double y = -16; y < 40; y += 16) p.fillPath(Polygon({QPointF(11, y), QPointF(21, y - 6), QPointF(21, y + 2), QPointF(11, y + 8)}), QColor(40, 110, 210));
      p.fillRect(QRectF(11, 0, 3, 32), Alpha(QColor(255, 255, 255), 110));
      p.fillRect(QRectF(18, 0, 3, 32), Alpha(QColor(0, 0, 40), 60));
      p.restore();
      Line(p, QPointF(11, 0), QPointF(11, 32), QColor(20, 50, 100), 1.2, Qt::FlatCap);
      Line(p, QPointF(21, 0), QPointF(21, 32), QColor(20, 50, 100), 1.2, Qt::FlatCap);
      FillStroke(p, Circle(QPointF(16, 16), 2.2), col::kGold, col::kGoldDark, 0.8);
      break;
    }
    // --- ice ground 140..148, rock ground 149..157
    case 140: case 141: case 142: case 143: case 144: case 145: case 146: case 147: case 148:
    case 149: case 150: case 151: case 152: case 153: case 154: case 155: case 156: case 157: {
      static const unsigned e[9] = {kT | kL, kT, kT | kR, kL, 0, kR, kB | kL, kB, kB | kR};
      int i = n >= 149 ? n - 149 : n - 140;
      Ground(p, n >= 149 ? kRockGround : kIceGround, e[i], seed);
      break;
    }
    // --- slopes
    case 158: Slope(p, 32, 0); break;
    case 159: Slope(p, 0, 32); break;
    case 160: Slope(p, 32, 16); break;
    case 161: Slope(p, 16, 0); break;
    case 162: Slope(p, 0, 16); break;
    case 163: Slope(p, 16, 32); break;
    // --- castle 164..169
    case 164: case 165: case 166: case 167: case 168: {
      const QColor wall(120, 124, 160), mortar(76, 78, 110);
      Bricks(p, QRectF(0, 0, 32, 32), wall, mortar, 16, 10.67, 164);
      if (n == 165) {
        QPainterPath win = RoundRect(QRectF(10, 6, 12, 20), 6, 6, 0, 0);
        FillStroke(p, win, VGrad(6, 26, QColor(255, 220, 120), QColor(240, 150, 50)), QColor(40, 36, 60), 2.0);
        Line(p, QPointF(16, 6), QPointF(16, 26), QColor(40, 36, 60), 1.5);
        Line(p, QPointF(10, 16), QPointF(22, 16), QColor(40, 36, 60), 1.5);
        p.fillRect(QRectF(8, 26, 16, 3), col::kSnow);
      }
      if (n == 166) {
        QPainterPath door = RoundRect(QRectF(4, 6, 24, 40), 12, 12, 0, 0);
        FillStroke(p, door, VGrad(6, 32, col::kWood, col::kWoodDark), QColor(40, 36, 60), 2.2);
        Line(p, QPointF(12, 10), QPointF(12, 32), Alpha(QColor(40, 30, 20), 150), 1.0);
        Line(p, QPointF(20, 10), QPointF(20, 32), Alpha(QColor(40, 30, 20), 150), 1.0);
        Star(p, QPointF(16, 16), 3, col::kGold, col::kGoldDark);
      }
      if (n == 167) {
        QPainterPath door;
        door.addRect(4, -2, 24, 34);
        FillStroke(p, door, VGrad(0, 32, col::kWoodDark, Darker(col::kWoodDark, 0.2)), QColor(40, 36, 60), 2.2);
        Line(p, QPointF(12, 0), QPointF(12, 32), Alpha(QColor(40, 30, 20), 150), 1.0);
        Line(p, QPointF(20, 0), QPointF(20, 32), Alpha(QColor(40, 30, 20), 150), 1.0);
        FillStroke(p, Circle(QPointF(23.5, 15), 1.8), col::kGold, col::kGoldDark, 0.7);
        for (double y : {6.0, 26.0}) p.fillRect(QRectF(5, y, 22, 2), QColor(70, 70, 80));
      }
      if (n == 168) {
        p.setCompositionMode(QPainter::CompositionMode_Clear);
        p.fillRect(QRectF(0, 0, 32, 9), Qt::transparent);
        p.fillRect(QRectF(10, 0, 12, 9), Qt::transparent);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        Bricks(p, QRectF(0, 0, 10, 10), wall, mortar, 10, 10, 168);
        Bricks(p, QRectF(22, 0, 10, 10), wall, mortar, 10, 10, 169);
        p.fillRect(QRectF(0, 0, 10, 3), col::kSnow);
        p.fillRect(QRectF(22, 0, 10, 3), col::kSnow);
        p.fillRect(QRectF(10, 9, 12, 3), col::kSnow);
      }
      break;
    }
    case 169: {
      QPainterPath roof = Polygon({QPointF(16, 1), QPointF(30, 30), QPointF(2, 30)});
      FillStroke(p, roof, HGrad(2, 30, QColor(90, 120, 210), QColor(40, 60, 140)), QColor(20, 30, 70), 1.2);
      p.save();
      p.setClipPath(roof);
      for (double y = 8; y < 32; y += 6) Line(p, QPointF(0, y), QPointF(32, y), Alpha(QColor(20, 30, 70), 150), 0.8);
      p.restore();
      QPainterPath snow = Polygon({QPointF(16, 1), QPointF(20.5, 10), QPointF(18, 9), QPointF(16, 11), QPointF(13, 9), QPointF(11.5, 10)});
      p.fillPath(snow, col::kSnow);
      p.fillRect(QRectF(0, 29, 32, 3), col::kSnowShade);
      break;
    }
    // --- trees and small decorations 170..175
    case 170: Fir(p, 16, 1, 34, 14, 3, false); break;
    case 171: {
      p.fillRect(QRectF(13, 0, 6, 32), HGrad(13, 19, col::kWoodLight, col::kWoodDark));
      Fir(p, 16, -6, 22, 15, 2, false);
      QPainterPath mound;
      mound.moveTo(4, 32);
      mound.cubicTo(8, 26, 24, 26, 28, 32);
      p.fillPath(mound, col::kSnow);
      break;
    }
    case 172: {
      QPainterPath tree;
      tree.moveTo(15, 32);
      tree.lineTo(15, 18);
      tree.lineTo(8, 9);
      tree.moveTo(15, 18);
      tree.lineTo(17, 11);
      tree.lineTo(13, 3);
      tree.moveTo(17, 11);
      tree.lineTo(24, 5);
      tree.moveTo(15, 22);
      tree.lineTo(25, 15);
      tree.lineTo(29, 16);
      p.strokePath(tree, QPen(QColor(90, 70, 60), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.strokePath(tree, QPen(QColor(130, 105, 90), 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      for (QPointF c : {QPointF(8, 8.5), QPointF(13, 2.5), QPointF(24, 4.5), QPointF(28, 15)}) p.fillPath(Ellipse(c, 2.5, 1.4), col::kSnow);
      break;
    }
    case 173: {
      QPainterPath rock = Polygon({QPointF(4, 31), QPointF(6, 20), QPointF(13, 14), QPointF(22, 15), QPointF(28, 22), QPointF(29, 31)});
      FillStroke(p, rock, DGrad(QPointF(6, 14), QPointF(28, 31), col::kStoneLight, col::kStoneDark), QColor(48, 52, 64), 1.2);
      QPainterPath cap = Polygon({QPointF(6, 20), QPointF(13, 14), QPointF(22, 15), QPointF(27, 21), QPointF(22, 20), QPointF(17, 22), QPointF(11, 20)});
      p.fillPath(cap, col::kSnow);
      Line(p, QPointF(17, 24), QPointF(20, 29), col::kStoneDark, 0.9);
      break;
    }
    case 174: {
      Crystal(p, QPointF(16, 31), 9, 28, 0, QColor(110, 200, 245));
      Crystal(p, QPointF(9, 31), 6, 16, -18, QColor(140, 215, 250));
      Crystal(p, QPointF(23, 31), 6, 14, 20, QColor(90, 180, 235));
      break;
    }
    case 175: {
      QPainterPath pile;
      pile.moveTo(1, 32);
      pile.cubicTo(2, 22, 9, 14, 15, 14);
      pile.cubicTo(19, 11, 27, 16, 28, 22);
      pile.cubicTo(31, 25, 31, 29, 31, 32);
      pile.closeSubpath();
      FillStroke(p, pile, RGrad(QPointF(12, 17), 22, col::kSnow, col::kSnowShade), col::kSnowLine, 1.1);
      Sparkle(p, QPointF(12, 19), 2);
      Sparkle(p, QPointF(22, 23), 1.5);
      break;
    }
    // --- blocks 176..181
    case 176: {
      QRectF r(0.5, 0.5, 31, 31);
      p.fillRect(r, col::kWood);
      for (double y : {0.5, 8.25, 16.0, 23.75}) {
        p.fillRect(QRectF(0.5, y, 31, 7.75), VGrad(y, y + 7.75, col::kWoodLight, col::kWood));
        Line(p, QPointF(0.5, y + 7.6), QPointF(31.5, y + 7.6), col::kWoodDark, 1.0, Qt::FlatCap);
      }
      for (double y : {4.5, 12.0, 19.75, 27.5}) { Nail(p, QPointF(4, y)); Nail(p, QPointF(28, y)); }
      p.strokePath([] { QPainterPath q; q.addRect(0.5, 0.5, 31, 31); return q; }(), QPen(col::kWoodDark, 1.0));
      break;
    }
    case 177: {
      QPainterPath barrel;
      barrel.moveTo(7, 2);
      barrel.lineTo(25, 2);
      barrel.quadTo(30, 16, 25, 30);
      barrel.lineTo(7, 30);
      barrel.quadTo(2, 16, 7, 2);
      FillStroke(p, barrel, HGrad(3, 29, col::kWoodLight, col::kWoodDark), col::kWoodDark, 1.1);
      for (double y : {7.0, 25.0}) {
        double half = 9.0 + (y == 7.0 ? 2.2 : 2.2);
        p.fillRect(QRectF(16 - half, y - 1.5, half * 2, 3), QColor(110, 116, 130));
      }
      Line(p, QPointF(11, 3), QPointF(10, 29), Alpha(col::kWoodDark, 130), 0.8);
      Line(p, QPointF(21, 3), QPointF(22, 29), Alpha(col::kWoodDark, 130), 0.8);
      p.fillPath(Ellipse(QPointF(16, 2.5), 9.5, 2), col::kSnow);
      break;
    }
    case 178: {
      Bevel(p, QRectF(0.5, 0.5, 31, 31), QColor(150, 160, 176), 3, 1);
      Rivets(p, QRectF(0.5, 0.5, 31, 31), 5, QColor(150, 160, 176));
      Line(p, QPointF(5, 16), QPointF(27, 16), Darker(QColor(150, 160, 176), 0.3), 1.0);
      Line(p, QPointF(5, 17), QPointF(27, 17), Lighter(QColor(150, 160, 176), 0.4), 1.0);
      break;
    }
    case 179: {
      // Spring trampoline.
      QPainterPath coil;
      for (int i = 0; i <= 8; ++i) {
        double y = 26 - i * 2;
        double x = (i % 2) ? 23 : 9;
        i == 0 ? coil.moveTo(9, 27) : coil.lineTo(x, y);
      }
      p.strokePath(coil, QPen(QColor(90, 96, 110), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.strokePath(coil, QPen(QColor(200, 206, 220), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      Bevel(p, QRectF(3, 6, 26, 5), col::kRed, 1.5, 2);
      Bevel(p, QRectF(5, 27, 22, 4.5), QColor(90, 96, 110), 1.2, 1);
      break;
    }
    case 180: {
      Bricks(p, QRectF(0, 0, 32, 32), QColor(244, 250, 255), QColor(170, 196, 226), 16, 8, 180);
      break;
    }
    case 181: {
      Bevel(p, QRectF(0.5, 0.5, 31, 31), QColor(40, 170, 170), 2.5, 3);
      Fish(p, QPointF(16.5, 16), 22, QColor(255, 170, 60));
      break;
    }
    // --- ceilings, ice and water details 182..187
    case 182: {
      QPainterPath body = BodyPath(kB);
      body = body.intersected([] { QPainterPath q; q.addRect(-8, -8, 48, 26); return q; }());
      p.save();
      p.setClipPath(body);
      Texturize(p, kSnowGround, seed);
      p.restore();
      QPainterPath rim;
      rim.moveTo(0, 17.5);
      rim.lineTo(32, 17.5);
      p.strokePath(rim, QPen(kSnowGround.line, 1.4));
      Icicle(p, 6, 17, 5, 11);
      Icicle(p, 15, 17, 4, 7);
      Icicle(p, 25, 17, 6, 13);
      break;
    }
    case 183: {
      p.fillRect(QRectF(0, 0, 32, 32), QColor(200, 236, 255, 90));
      for (int i = 0; i < 3; ++i) {
        QPointF c(6 + i * 10, 8 + (i % 2) * 14);
        for (int k = 0; k < 6; ++k) {
          double a = k * M_PI / 3;
          Line(p, c, QPointF(c.x() + 6 * std::cos(a), c.y() + 6 * std::sin(a)), QColor(255, 255, 255, 150), 0.7);
        }
      }
      Line(p, QPointF(0, 0), QPointF(32, 0), QColor(255, 255, 255, 120), 1.0, Qt::FlatCap);
      Line(p, QPointF(3, 28), QPointF(29, 4), QColor(255, 255, 255, 90), 2.0);
      break;
    }
    case 184: {
      for (int i = 0; i < 6; ++i) Icicle(p, 3 + i * 5.2, 0, 4, 6 + (i * 7 % 5) * 2.2);
      break;
    }
    case 185: {
      QPainterPath st;
      st.moveTo(3, 0);
      st.lineTo(29, 0);
      st.cubicTo(24, 6, 21, 14, 17, 31);
      st.cubicTo(13, 18, 10, 8, 3, 0);
      FillStroke(p, st, HGrad(4, 28, col::kStoneLight, col::kStoneDark), QColor(48, 52, 64), 1.1);
      Line(p, QPointF(12, 3), QPointF(15, 18), Alpha(QColor(255, 255, 255), 120), 1.0);
      p.fillRect(QRectF(0, 0, 32, 2.5), col::kStoneDark);
      break;
    }
    case 186: {
      Icicle(p, 16, 0, 9, 20);
      QPainterPath drop;
      drop.moveTo(16, 22);
      drop.cubicTo(19, 27, 19, 30, 16, 30.5);
      drop.cubicTo(13, 30, 13, 27, 16, 22);
      FillStroke(p, drop, QColor(120, 200, 250), col::kIceLine, 0.8);
      break;
    }
    case 187: {
      p.fillRect(QRectF(0, 0, 32, 7), VGrad(0, 7, QColor(90, 170, 230, 235), QColor(60, 140, 210, 235)));
      QPainterPath fall;
      fall.moveTo(0, 6);
      fall.cubicTo(10, 6, 18, 8, 22, 14);
      fall.lineTo(24, 32);
      fall.lineTo(0, 32);
      fall.closeSubpath();
      p.fillPath(fall, HGrad(0, 24, QColor(70, 150, 220, 230), QColor(40, 110, 190, 230)));
      for (double o : {3.0, 9.0, 15.0}) {
        QPainterPath s;
        s.moveTo(0, 4 + o * 0.2);
        s.cubicTo(o + 4, 4 + o * 0.2, o + 8, 9, o + 8, 32);
        p.strokePath(s, QPen(Alpha(QColor(230, 248, 255), 200), 1.3));
      }
      p.strokePath([] { QPainterPath q; q.moveTo(0, 1); q.cubicTo(12, 1, 20, 3, 25, 12); q.lineTo(26, 32); return q; }(),
                   QPen(QColor(240, 250, 255), 1.4));
      // A rock ledge on the right side.
      QPainterPath ledge = Polygon({QPointF(25, 10), QPointF(32, 8), QPointF(32, 32), QPointF(26, 32)});
      FillStroke(p, ledge, col::kStone, col::kStoneDark, 1.0);
      break;
    }
    // --- signs and small items 188..195
    case 188: case 189: case 190: {
      Signboard(p, QRectF(3, 4, 26, 15), 16, 15);
      Arrow(p, QPointF(16, 11.5), 18, n == 188 ? 0 : n == 189 ? 180 : -90, QColor(255, 255, 255), QColor(80, 50, 30));
      p.fillRect(QRectF(3, 3, 26, 2), col::kSnow);
      break;
    }
    case 191: {
      Pole(p, 14.5, 17.5, 20, 32, QColor(150, 150, 160));
      QPainterPath tri = Polygon({QPointF(16, 2), QPointF(30, 25), QPointF(2, 25)});
      FillStroke(p, tri, QColor(250, 210, 40), QColor(60, 40, 10), 2.0);
      Text(p, QRectF(0, 7, 32, 18), "!", 15, QColor(30, 20, 10), true);
      break;
    }
    case 192: {
      Line(p, QPointF(16, 0), QPointF(16, 6), QColor(60, 60, 70), 1.4);
      QPainterPath lamp = Polygon({QPointF(10, 10), QPointF(22, 10), QPointF(24, 25), QPointF(8, 25)});
      p.fillPath(Circle(QPointF(16, 18), 14), RGrad(QPointF(16, 18), 14, QColor(255, 220, 120, 140), QColor(255, 200, 80, 0)));
      FillStroke(p, lamp, RGrad(QPointF(16, 18), 9, QColor(255, 250, 200), QColor(250, 170, 40)), QColor(50, 40, 40), 1.2);
      FillStroke(p, Polygon({QPointF(8, 10), QPointF(16, 5), QPointF(24, 10)}), QColor(60, 60, 70), QColor(30, 30, 36), 1.0);
      p.fillRect(QRectF(8, 25, 16, 3), QColor(60, 60, 70));
      Line(p, QPointF(16, 10), QPointF(16, 25), QColor(50, 40, 40), 0.9);
      break;
    }
    case 193: {
      Pole(p, 7, 10, 2, 32, QColor(170, 170, 180));
      QPainterPath flag;
      flag.moveTo(10, 4);
      flag.cubicTo(16, 2, 20, 7, 28, 5);
      flag.lineTo(26, 11);
      flag.lineTo(28, 17);
      flag.cubicTo(20, 19, 16, 14, 10, 16);
      flag.closeSubpath();
      FillStroke(p, flag, HGrad(10, 28, QColor(240, 60, 60), QColor(180, 30, 40)), QColor(100, 20, 20), 1.0);
      FillStroke(p, Circle(QPointF(8.5, 2.5), 2.2), col::kGold, col::kGoldDark, 0.8);
      break;
    }
    case 194: {
      QPainterPath gem = Polygon({QPointF(16, 29), QPointF(3, 12), QPointF(9, 4), QPointF(23, 4), QPointF(29, 12)});
      FillStroke(p, gem, DGrad(QPointF(5, 4), QPointF(28, 29), QColor(170, 230, 255), QColor(30, 100, 210)), QColor(20, 50, 120), 1.2);
      Line(p, QPointF(3, 12), QPointF(29, 12), Alpha(QColor(20, 50, 120), 160), 0.8);
      Line(p, QPointF(9, 4), QPointF(12, 12), Alpha(QColor(20, 50, 120), 160), 0.8);
      Line(p, QPointF(23, 4), QPointF(20, 12), Alpha(QColor(20, 50, 120), 160), 0.8);
      Line(p, QPointF(12, 12), QPointF(16, 29), Alpha(QColor(20, 50, 120), 120), 0.8);
      Line(p, QPointF(20, 12), QPointF(16, 29), Alpha(QColor(20, 50, 120), 120), 0.8);
      p.fillPath(Polygon({QPointF(9, 5), QPointF(14, 5), QPointF(11.5, 11)}), Alpha(QColor(255, 255, 255), 200));
      Sparkle(p, QPointF(25, 5), 3);
      break;
    }
    case 195: {
      Bevel(p, QRectF(0.5, 0.5, 31, 31), QColor(250, 180, 40), 2.5, 3, &col::kGoldDark);
      Star(p, QPointF(16, 17), 11, QColor(255, 250, 220), QColor(170, 100, 10));
      break;
    }
    // --- background walls and skies 196..203
    case 196: case 197: {
      p.fillRect(QRectF(0, 0, 32, 32), n == 196 ? QColor(78, 62, 56) : QColor(44, 40, 54));
      struct St { double x, y, rx, ry; };
      for (St s : std::initializer_list<St>{{7, 6, 7, 5}, {23, 8, 8, 6}, {12, 19, 9, 6}, {27, 24, 6, 6}, {5, 28, 6, 4}, {17, 31, 6, 3}, {0, 16, 3, 5}, {32, 16, 3, 5}}) {
        QColor c = n == 196 ? QColor(100, 82, 72) : QColor(62, 58, 76);
        FillStroke(p, Ellipse(QPointF(s.x, s.y), s.rx, s.ry), c, Darker(c, 0.35), 0.8);
      }
      if (n == 197) {
        Crystal(p, QPointF(10, 27), 5, 12, -10, QColor(120, 220, 240));
        Crystal(p, QPointF(15, 27), 4, 8, 18, QColor(170, 120, 240));
        Crystal(p, QPointF(24, 15), 4, 9, 8, QColor(120, 220, 240));
      }
      break;
    }
    case 198: {
      p.fillRect(QRectF(0, 0, 32, 32), VGrad(0, 32, QColor(40, 84, 140), QColor(30, 60, 110)));
      for (QPointF a : {QPointF(0, 6), QPointF(10, 0), QPointF(20, 12), QPointF(0, 22), QPointF(14, 26)}) {
        QPainterPath facet = Polygon({a, QPointF(a.x() + 14, a.y() + 3), QPointF(a.x() + 9, a.y() + 12), QPointF(a.x() - 2, a.y() + 9)});
        FillStroke(p, facet, Alpha(QColor(120, 180, 230), 70), Alpha(QColor(150, 210, 250), 120), 0.7);
      }
      break;
    }
    case 199: Bricks(p, QRectF(0, 0, 32, 32), QColor(80, 70, 90), QColor(50, 44, 58), 16, 8, 199, false); break;
    case 200: {
      Bricks(p, QRectF(0, 0, 32, 32), QColor(80, 70, 90), QColor(50, 44, 58), 16, 8, 200, false);
      QPainterPath win = RoundRect(QRectF(6, 5, 20, 22), 3, 3, 0, 0);
      FillStroke(p, win, RGrad(QPointF(16, 16), 14, QColor(255, 240, 170), QColor(240, 160, 60)), QColor(60, 40, 30), 2.0);
      Line(p, QPointF(16, 5), QPointF(16, 27), QColor(60, 40, 30), 1.6);
      Line(p, QPointF(6, 15), QPointF(26, 15), QColor(60, 40, 30), 1.6);
      p.fillPath(Polygon({QPointF(7, 26), QPointF(7, 21), QPointF(10, 24), QPointF(14, 22), QPointF(15, 26)}), Alpha(col::kSnow, 230));
      p.fillRect(QRectF(4, 27, 24, 3), col::kSnow);
      break;
    }
    case 201: {
      p.fillRect(QRectF(0, 0, 32, 32), QColor(16, 22, 52));
      for (QPointF s : {QPointF(4, 5), QPointF(13, 11), QPointF(26, 4), QPointF(22, 19), QPointF(7, 24), QPointF(29, 28), QPointF(16, 29)})
        p.fillPath(Circle(s, 0.7), QColor(255, 255, 255));
      Sparkle(p, QPointF(20, 9), 3, QColor(255, 255, 220));
      break;
    }
    case 202: {
      p.fillRect(QRectF(0, 0, 32, 32), QColor(14, 24, 50));
      for (int i = 0; i < 3; ++i) {
        QPainterPath band;
        for (double x = 0; x <= 32; x += 1) {
          double y = 10 + i * 6 + 3 * std::sin(kTwoPi * x / 32 + i);
          x == 0 ? band.moveTo(x, y) : band.lineTo(x, y);
        }
        p.strokePath(band, QPen(i == 1 ? QColor(120, 250, 170, 150) : QColor(90, 200, 220, 110), 4.0 - i));
      }
      p.fillPath(Circle(QPointF(25, 4), 0.7), QColor(255, 255, 255));
      p.fillPath(Circle(QPointF(6, 27), 0.7), QColor(255, 255, 255));
      break;
    }
    case 203: {
      p.fillRect(QRectF(0, 0, 32, 32), VGrad(0, 32, QColor(120, 150, 200), QColor(170, 195, 230)));
      for (double x : {-2.0, 10.0, 22.0, 34.0}) {
        double h = 14 + std::fmod(x * 3.7 + 40, 7.0);
        QPainterPath t = Polygon({QPointF(x, 32 - h - 8), QPointF(x + 8, 32), QPointF(x - 8, 32)});
        p.fillPath(t, QColor(50, 80, 110));
      }
      p.fillRect(QRectF(0, 29, 32, 3), QColor(230, 240, 255));
      break;
    }
    case 204: {
      // The empty grid cell.
      p.fillRect(QRectF(0, 0, 32, 32), QColor(18, 20, 28));
      p.fillRect(QRectF(0, 0, 32, 1), QColor(70, 76, 96));
      p.fillRect(QRectF(0, 0, 1, 32), QColor(70, 76, 96));
      p.fillRect(QRectF(0, 31, 32, 1), QColor(40, 44, 58));
      p.fillRect(QRectF(31, 0, 1, 32), QColor(40, 44, 58));
      break;
    }
    default: break;
  }
}

// ================================================================ pieces
void PutCrops(Sheet& out, const QImage& big, std::initializer_list<std::pair<int, QRect>> parts) {
  for (const auto& [n, r] : parts) out.Put(Numbered("tiles", "tile", n), Crop(big, r.x(), r.y(), r.width(), r.height()));
}

QImage Cloud() {
  QImage img = Blank(130, 66);
  Painter p(&img);
  std::vector<QRectF> c = {{16, 42, 13, 0}, {34, 30, 17, 0}, {58, 22, 19, 0}, {83, 25, 18, 0},
                           {105, 33, 15, 0}, {117, 45, 11, 0}, {30, 47, 13, 0}, {60, 44, 16, 0},
                           {90, 46, 15, 0}, {9, 50, 8, 0}};
  QPainterPath cloud = Blob(c).united(RoundRect(QRectF(5, 40, 120, 20), 10, 10, 10, 10));
  p.fillPath(cloud.translated(2, 3), QColor(60, 90, 140, 60));
  p.fillPath(cloud, VGrad(4, 60, QColor(255, 255, 255), QColor(200, 218, 238)));
  p.save();
  p.setClipPath(cloud);
  p.fillPath(Circle(QPointF(52, 16), 14), Alpha(QColor(255, 255, 255), 200));
  QPainterPath belly = Blob({{30, 66, 14, 0}, {62, 68, 18, 0}, {96, 66, 16, 0}});
  p.fillPath(belly, Alpha(QColor(160, 184, 214), 150));
  p.restore();
  p.strokePath(cloud, QPen(QColor(130, 156, 196), 1.4));
  return img;
}

QImage Bush() {
  QImage img = Blank(64, 64);
  Painter p(&img);
  QPainterPath bush = Blob({{14, 46, 12, 0}, {26, 32, 14, 0}, {42, 28, 15, 0}, {52, 44, 11, 0},
                            {32, 48, 13, 0}, {20, 20, 9, 0}, {46, 14, 9, 0}});
  bush = bush.intersected([] { QPainterPath q; q.addRect(0, 0, 64, 62); return q; }());
  FillStroke(p, bush, RGrad(QPointF(26, 22), 40, QColor(60, 140, 90), QColor(24, 76, 52)), QColor(14, 48, 34), 1.3);
  // Snow clumps on top.
  for (QRectF c : {QRectF(20, 13, 8, 4.5), QRectF(44, 7, 9, 4.5), QRectF(30, 20, 10, 5), QRectF(11, 36, 6, 3.5), QRectF(52, 34, 7, 3.5)}) {
    QPainterPath s = Ellipse(QPointF(c.x(), c.y()), c.width(), c.height());
    FillStroke(p, s, VGrad(c.y() - c.height(), c.y() + c.height(), col::kSnow, col::kSnowShade), Alpha(col::kSnowLine, 120), 0.8);
  }
  for (QPointF b : {QPointF(18, 28), QPointF(38, 36), QPointF(50, 26), QPointF(26, 46), QPointF(44, 50), QPointF(14, 50)})
    FillStroke(p, Circle(b, 2), QColor(220, 40, 50), QColor(110, 20, 24), 0.7);
  // Snow at the foot.
  QPainterPath foot;
  foot.moveTo(0, 64);
  foot.cubicTo(6, 55, 58, 55, 64, 64);
  FillStroke(p, foot, col::kSnow, Alpha(col::kSnowLine, 140), 1.0);
  return img;
}

QImage Cabin() {
  QImage img = Blank(96, 64);
  Painter p(&img);
  // Log walls.
  QRectF wall(8, 28, 80, 36);
  for (double y = 28; y < 64; y += 6) {
    QPainterPath log = RoundRect(QRectF(5, y, 86, 6), 3, 3, 3, 3);
    FillStroke(p, log, VGrad(y, y + 6, col::kWoodLight, col::kWoodDark), Darker(col::kWoodDark, 0.3), 0.8);
    FillStroke(p, Circle(QPointF(7, y + 3), 2.6), QColor(214, 170, 110), col::kWoodDark, 0.7);
    FillStroke(p, Circle(QPointF(89, y + 3), 2.6), QColor(214, 170, 110), col::kWoodDark, 0.7);
  }
  // Door in the middle tile.
  QPainterPath door = RoundRect(QRectF(38, 38, 20, 26), 9, 9, 0, 0);
  FillStroke(p, door, VGrad(38, 64, QColor(120, 70, 40), QColor(80, 44, 24)), QColor(40, 24, 14), 1.4);
  FillStroke(p, Circle(QPointF(53, 52), 1.6), col::kGold, col::kGoldDark, 0.6);
  // Window in the right tile.
  QRectF win(66, 36, 16, 14);
  FillStroke(p, [&] { QPainterPath q; q.addRect(win); return q; }(), RGrad(win.center(), 12, QColor(255, 240, 160), QColor(240, 160, 60)), QColor(60, 36, 20), 2.0);
  Line(p, QPointF(74, 36), QPointF(74, 50), QColor(60, 36, 20), 1.4);
  Line(p, QPointF(66, 43), QPointF(82, 43), QColor(60, 36, 20), 1.4);
  p.fillRect(QRectF(64, 49, 20, 3), col::kSnow);
  // A lantern by the left wall.
  FillStroke(p, RoundRect(QRectF(18, 40, 8, 10), 2, 2, 2, 2), RGrad(QPointF(22, 45), 7, QColor(255, 250, 200), QColor(250, 160, 40)), QColor(50, 40, 40), 1.0);
  // Chimney with smoke.
  Bricks(p, QRectF(68, 4, 10, 16), col::kBrick, col::kMortar, 5, 4, 7);
  p.fillRect(QRectF(67, 3, 12, 3), col::kSnow);
  for (QPointF s : {QPointF(73, 0), QPointF(79, -3)}) p.fillPath(Circle(s, 3), QColor(230, 236, 244, 180));
  // Roof thick with snow.
  QPainterPath roof = Polygon({QPointF(48, 6), QPointF(94, 32), QPointF(2, 32)});
  FillStroke(p, roof, VGrad(6, 32, QColor(150, 60, 50), QColor(110, 40, 34)), QColor(60, 20, 16), 1.2);
  QPainterPath snow;
  snow.moveTo(48, 4);
  snow.lineTo(95, 30);
  snow.cubicTo(92, 34, 86, 33, 84, 30);
  snow.cubicTo(78, 33, 70, 31, 66, 26);
  snow.cubicTo(58, 28, 52, 22, 48, 20);
  snow.cubicTo(42, 24, 34, 26, 30, 24);
  snow.cubicTo(24, 30, 14, 30, 10, 28);
  snow.cubicTo(6, 33, 2, 33, 1, 30);
  snow.closeSubpath();
  FillStroke(p, snow, VGrad(4, 32, col::kSnow, col::kSnowShade), Alpha(col::kSnowLine, 160), 1.0);
  for (double x : {16.0, 40.0, 60.0, 80.0}) Icicle(p, x, 30 + std::fmod(x, 3.0), 3, 5);
  return img;
}

QImage Boulder() {
  QImage img = Blank(64, 64);
  Painter p(&img);
  QPainterPath rock;
  rock.moveTo(2, 64);
  rock.cubicTo(0, 44, 6, 22, 20, 12);
  rock.cubicTo(30, 4, 46, 6, 54, 18);
  rock.cubicTo(62, 30, 64, 48, 62, 64);
  rock.closeSubpath();
  FillStroke(p, rock, RGrad(QPointF(24, 22), 52, col::kStoneLight, col::kStoneDark), QColor(44, 48, 60), 1.5);
  p.save();
  p.setClipPath(rock);
  Line(p, QPointF(30, 30), QPointF(38, 42), col::kStoneDark, 1.2);
  Line(p, QPointF(38, 42), QPointF(36, 54), col::kStoneDark, 1.2);
  Line(p, QPointF(38, 42), QPointF(48, 46), col::kStoneDark, 1.0);
  Line(p, QPointF(14, 40), QPointF(20, 48), col::kStoneDark, 1.0);
  p.fillPath(Ellipse(QPointF(52, 56), 10, 8), Alpha(col::kStoneDark, 90));
  p.restore();
  QPainterPath cap;
  cap.moveTo(8, 32);
  cap.cubicTo(12, 18, 24, 9, 34, 8);
  cap.cubicTo(44, 8, 52, 14, 57, 24);
  cap.cubicTo(52, 27, 48, 24, 45, 27);
  cap.cubicTo(40, 22, 34, 28, 30, 24);
  cap.cubicTo(24, 28, 20, 24, 16, 30);
  cap.cubicTo(13, 28, 10, 34, 8, 32);
  FillStroke(p, cap, VGrad(8, 30, col::kSnow, col::kSnowShade), Alpha(col::kSnowLine, 150), 1.0);
  Sparkle(p, QPointF(26, 14), 2.5);
  QPainterPath foot;
  foot.moveTo(0, 64);
  foot.cubicTo(2, 58, 14, 57, 18, 64);
  foot.moveTo(44, 64);
  foot.cubicTo(48, 57, 62, 57, 64, 64);
  p.fillPath(foot, col::kSnow);
  return img;
}

QImage FrozenFish() {
  QImage img = Blank(65, 65);
  Painter p(&img);
  QRectF r(1, 1, 63, 63);
  QPainterPath b = RoundRect(r, 5, 5, 5, 5);
  p.fillPath(b, DGrad(r.topLeft(), r.bottomRight(), QColor(210, 244, 255), QColor(90, 170, 226)));
  Fish(p, QPointF(33, 36), 40, QColor(245, 120, 50));
  p.fillPath(b, QColor(200, 240, 255, 90));  // the fish seen through ice
  p.save();
  p.setClipPath(b);
  for (double o : {6.0, 20.0, 44.0}) {
    p.fillPath(Polygon({QPointF(o, 1), QPointF(o + 6, 1), QPointF(1, o + 6), QPointF(1, o)}), Alpha(QColor(255, 255, 255), 120));
  }
  for (QPointF c : {QPointF(14, 50), QPointF(52, 16), QPointF(48, 52), QPointF(18, 14)})
    p.strokePath(Circle(c, 2), QPen(Alpha(QColor(255, 255, 255), 200), 0.9));
  p.restore();
  p.strokePath(b, QPen(col::kIceLine, 1.6));
  p.strokePath(RoundRect(r.adjusted(3, 3, -3, -3), 3, 3, 3, 3), QPen(Alpha(QColor(255, 255, 255), 140), 1.0));
  p.fillRect(QRectF(4, 1, 57, 3), Alpha(col::kSnow, 230));
  return img;
}

QImage Signpost() {
  QImage img = Blank(32, 64);
  Painter p(&img);
  Pole(p, 13.5, 18.5, 16, 60, col::kWood);
  QPainterPath board = Polygon({QPointF(2, 5), QPointF(23, 5), QPointF(31, 12.5), QPointF(23, 20), QPointF(2, 20)});
  FillStroke(p, board, VGrad(5, 20, col::kWoodLight, col::kWood), col::kWoodDark, 1.2);
  Text(p, QRectF(2, 5, 24, 15), "GO", 10, QColor(70, 40, 20), true);
  p.fillRect(QRectF(2, 3.5, 21, 2.5), col::kSnow);
  QPainterPath mound;
  mound.moveTo(2, 64);
  mound.cubicTo(6, 54, 26, 54, 30, 64);
  FillStroke(p, mound, VGrad(54, 64, col::kSnow, col::kSnowShade), Alpha(col::kSnowLine, 150), 1.0);
  return img;
}

QImage Snowman() {
  QImage img = Blank(32, 64);
  Painter p(&img);
  auto ball = [&](QPointF c, double r) {
    FillStroke(p, Circle(c, r), RGrad(QPointF(c.x() - r * 0.4, c.y() - r * 0.4), r * 1.6, col::kSnow, col::kSnowShade), col::kSnowLine, 1.1);
  };
  ball(QPointF(16, 50), 13);
  ball(QPointF(16, 31), 10);
  ball(QPointF(16, 15), 8);
  // Hat.
  p.fillRect(QRectF(9, 7, 14, 2.5), QColor(40, 40, 50));
  p.fillRect(QRectF(11.5, 0.5, 9, 7), QColor(40, 40, 50));
  p.fillRect(QRectF(11.5, 5, 9, 1.6), col::kRed);
  // Face.
  p.fillPath(Circle(QPointF(13, 13), 1.2), col::kOutline);
  p.fillPath(Circle(QPointF(19, 13), 1.2), col::kOutline);
  p.fillPath(Polygon({QPointF(16, 15), QPointF(23, 17), QPointF(16, 17.5)}), col::kOrange);
  for (double x : {13.0, 15.0, 17.0, 19.0}) p.fillPath(Circle(QPointF(x, 20 - std::fabs(x - 16) * 0.3), 0.6), col::kOutline);
  // Scarf and buttons.
  p.fillRect(QRectF(9, 22, 14, 3.5), QColor(40, 120, 210));
  p.fillRect(QRectF(18, 24, 4, 8), QColor(40, 120, 210));
  for (double y : {30.0, 36.0, 46.0}) p.fillPath(Circle(QPointF(16, y), 1.3), col::kOutline);
  // Stick arms.
  Line(p, QPointF(7, 30), QPointF(1, 24), col::kWoodDark, 1.4);
  Line(p, QPointF(25, 30), QPointF(31, 25), col::kWoodDark, 1.4);
  return img;
}

QImage Log() {
  QImage img = Blank(64, 32);
  Painter p(&img);
  QPainterPath log = RoundRect(QRectF(6, 12, 56, 18), 2, 9, 9, 2);
  FillStroke(p, log, VGrad(12, 30, col::kWoodLight, col::kWoodDark), Darker(col::kWoodDark, 0.3), 1.2);
  for (double y : {17.0, 22.0, 26.0}) Line(p, QPointF(10, y), QPointF(54, y + 0.5), Alpha(col::kWoodDark, 150), 0.8);
  // End with rings at the left.
  FillStroke(p, Ellipse(QPointF(7, 21), 5.5, 9), QColor(222, 180, 120), col::kWoodDark, 1.1);
  p.strokePath(Ellipse(QPointF(7, 21), 3.3, 5.5), QPen(Alpha(col::kWoodDark, 180), 0.8));
  p.strokePath(Ellipse(QPointF(7, 21), 1.4, 2.3), QPen(Alpha(col::kWoodDark, 180), 0.8));
  // A branch stub and snow on top.
  FillStroke(p, Polygon({QPointF(40, 13), QPointF(46, 4), QPointF(49, 6), QPointF(45, 13)}), col::kWood, col::kWoodDark, 0.9);
  QPainterPath snow;
  snow.moveTo(4, 14);
  snow.cubicTo(10, 8, 30, 9, 36, 11);
  snow.cubicTo(46, 8, 58, 9, 62, 15);
  snow.cubicTo(50, 16, 40, 14, 34, 15);
  snow.cubicTo(24, 17, 12, 15, 4, 14);
  FillStroke(p, snow, col::kSnow, Alpha(col::kSnowLine, 140), 0.8);
  return img;
}

QImage Sled() {
  QImage img = Blank(64, 32);
  Painter p(&img);
  // Runner with a curl at the front (left).
  QPainterPath runner;
  runner.moveTo(58, 28);
  runner.lineTo(12, 28);
  runner.cubicTo(4, 28, 2, 20, 8, 18);
  runner.cubicTo(12, 17, 13, 22, 10, 23);
  p.strokePath(runner, QPen(QColor(70, 76, 90), 2.6, Qt::SolidLine, Qt::RoundCap));
  p.strokePath(runner, QPen(QColor(190, 198, 214), 1.0, Qt::SolidLine, Qt::RoundCap));
  for (double x : {18.0, 34.0, 50.0}) Line(p, QPointF(x, 27), QPointF(x, 19), QColor(70, 76, 90), 2.0);
  Bevel(p, QRectF(10, 13, 52, 7), col::kRed, 1.5, 2);
  for (double x : {22.0, 36.0, 50.0}) Line(p, QPointF(x, 13.5), QPointF(x, 19.5), Darker(col::kRed, 0.4), 0.8);
  // Rope.
  QPainterPath rope;
  rope.moveTo(10, 16);
  rope.cubicTo(4, 10, 6, 4, 12, 4);
  p.strokePath(rope, QPen(QColor(200, 170, 110), 1.2));
  p.fillRect(QRectF(12, 11.5, 48, 2), col::kSnow);
  return img;
}

QImage ExitSign() {
  QImage img = Blank(64, 32);
  Painter p(&img);
  Pole(p, 8, 12, 16, 32, col::kWood);
  Pole(p, 52, 56, 16, 32, col::kWood);
  Bevel(p, QRectF(2, 3, 60, 17), QColor(40, 140, 70), 2, 3);
  Text(p, QRectF(4, 3, 36, 17), "EXIT", 12, QColor(255, 255, 255), true);
  Arrow(p, QPointF(50, 11.5), 16, 0, QColor(255, 255, 255), QColor(20, 80, 40));
  p.fillRect(QRectF(3, 1.5, 58, 2.5), col::kSnow);
  return img;
}

QImage IceFloe() {
  QImage img = Blank(64, 32);
  Painter p(&img);
  QPainterPath floe = Polygon({QPointF(2, 12), QPointF(8, 7), QPointF(30, 6), QPointF(50, 8), QPointF(62, 12),
                               QPointF(58, 20), QPointF(40, 24), QPointF(20, 23), QPointF(6, 20)});
  FillStroke(p, floe, VGrad(6, 24, QColor(240, 250, 255), QColor(120, 196, 236)), col::kIceLine, 1.3);
  p.fillPath(Polygon({QPointF(6, 20), QPointF(20, 23), QPointF(40, 24), QPointF(58, 20), QPointF(50, 29), QPointF(30, 31), QPointF(14, 28)}),
             QColor(80, 150, 210, 200));
  p.fillRect(QRectF(8, 6, 48, 4), Alpha(col::kSnow, 230));
  Line(p, QPointF(14, 14), QPointF(26, 13), Alpha(QColor(255, 255, 255), 220), 1.4);
  Line(p, QPointF(40, 16), QPointF(50, 14), Alpha(col::kIceDark, 160), 0.9);
  return img;
}

QImage Boat() {
  QImage img = Blank(64, 32);
  Painter p(&img);
  QPainterPath hull;
  hull.moveTo(1, 12);
  hull.lineTo(63, 12);
  hull.cubicTo(60, 24, 52, 28, 44, 28);
  hull.lineTo(16, 28);
  hull.cubicTo(8, 28, 3, 22, 1, 12);
  FillStroke(p, hull, VGrad(12, 28, QColor(60, 120, 200), QColor(30, 70, 140)), QColor(20, 40, 80), 1.3);
  p.fillRect(QRectF(2, 12, 60, 3.5), QColor(240, 240, 245));
  Line(p, QPointF(6, 20), QPointF(58, 20), Alpha(QColor(255, 255, 255), 120), 1.0);
  // Oar lying across the boat.
  Line(p, QPointF(8, 6), QPointF(54, 14), col::kWoodDark, 2.2);
  FillStroke(p, Ellipse(QPointF(54, 14), 5, 2.2), col::kWood, col::kWoodDark, 0.8);
  p.fillRect(QRectF(6, 10.5, 52, 2), col::kSnow);
  QPainterPath snow;
  snow.moveTo(0, 32);
  snow.cubicTo(10, 27, 54, 27, 64, 32);
  p.fillPath(snow, col::kSnow);
  return img;
}

// ================================================================ igloo
// One picture 321 x 192, cut into 126 (x 0..127) and 127 (x 96..320).
QImage Igloo() {
  QImage img = Blank(321, 192);
  Painter p(&img);
  const double ground = 166;
  const QPointF c(176, ground);
  const double rx = 132, ry = 140;
  QPainterPath dome = Ellipse(c, rx, ry).intersected([&] { QPainterPath q; q.addRect(0, 0, 321, ground); return q; }());
  p.fillPath(dome, RGrad(QPointF(140, 60), 200, QColor(255, 255, 255), QColor(188, 214, 240)));
  // Block courses.
  p.save();
  p.setClipPath(dome);
  int row = 0;
  for (double y = ground; y > ground - ry; y -= 20, ++row) {
    QPainterPath course;
    double half = rx * std::sqrt(std::max(0.0, 1 - std::pow((ground - y) / ry, 2)));
    course.moveTo(c.x() - half - 4, y);
    course.lineTo(c.x() + half + 4, y);
    p.strokePath(course, QPen(QColor(140, 174, 210), 1.6));
    double yt = y - 20;
    double halfT = rx * std::sqrt(std::max(0.0, 1 - std::pow((ground - yt) / ry, 2)));
    int blocks = std::max(2, static_cast<int>(halfT / 22));
    for (int i = -blocks; i <= blocks; ++i) {
      double x = c.x() + (i + (row % 2) * 0.5) * (halfT / (blocks + 0.3));
      Line(p, QPointF(x, y), QPointF(x + (x - c.x()) * 0.05, y - 20), QColor(150, 182, 216), 1.3);
    }
  }
  // Shading on the right side.
  p.fillRect(QRectF(0, 0, 321, 192), HGrad(60, 310, QColor(255, 255, 255, 0), QColor(90, 130, 190, 90)));
  p.restore();
  p.strokePath(dome, QPen(QColor(90, 126, 176), 2.0));
  // Entrance tunnel with a dark doorway, left of the middle.
  QPainterPath tunnel = Ellipse(QPointF(96, ground), 58, 64).intersected([&] { QPainterPath q; q.addRect(0, 0, 321, ground); return q; }());
  p.fillPath(tunnel.translated(3, 0), QColor(80, 110, 160, 70));
  p.fillPath(tunnel, VGrad(100, ground, QColor(252, 254, 255), QColor(206, 226, 246)));
  p.save();
  p.setClipPath(tunnel);
  for (double y : {ground - 20, ground - 40}) Line(p, QPointF(30, y), QPointF(160, y), QColor(150, 182, 216), 1.4);
  for (double x : {52.0, 78.0, 116.0, 142.0}) Line(p, QPointF(x, ground - 40), QPointF(x, ground - 20), QColor(150, 182, 216), 1.3);
  for (double x : {64.0, 130.0}) Line(p, QPointF(x, ground - 20), QPointF(x, ground), QColor(150, 182, 216), 1.3);
  p.restore();
  p.strokePath(tunnel, QPen(QColor(90, 126, 176), 2.0));
  QPainterPath door = Ellipse(QPointF(96, ground), 28, 44).intersected([&] { QPainterPath q; q.addRect(0, 0, 321, ground); return q; }());
  FillStroke(p, door, VGrad(ground - 44, ground, QColor(20, 30, 60), QColor(50, 60, 100)), QColor(20, 30, 56), 2.0);
  p.fillPath(Ellipse(QPointF(96, ground + 2), 22, 8).intersected(door), QColor(255, 200, 100, 90));
  // A window of clear ice on the dome.
  QPainterPath win = Ellipse(QPointF(226, 96), 16, 12);
  FillStroke(p, win, RGrad(QPointF(226, 96), 16, QColor(255, 236, 160), QColor(240, 170, 70)), QColor(90, 126, 176), 2.0);
  Line(p, QPointF(226, 84), QPointF(226, 108), QColor(120, 150, 190), 1.5);
  // Sparkles and a snow drift at the foot.
  Sparkle(p, QPointF(130, 52), 5);
  Sparkle(p, QPointF(200, 30), 4);
  Sparkle(p, QPointF(280, 120), 3.5);
  QPainterPath drift;
  drift.moveTo(34, 172);
  drift.cubicTo(40, ground - 6, 60, ground - 4, 70, ground);
  drift.lineTo(122, ground);
  drift.cubicTo(150, ground - 8, 250, ground - 10, 312, ground - 2);
  drift.cubicTo(318, 170, 314, 174, 300, 174);
  drift.lineTo(50, 174);
  drift.closeSubpath();
  p.fillPath(drift, VGrad(ground - 10, 174, col::kSnow, QColor(220, 234, 248)));
  // A flag on top.
  Line(p, QPointF(176, ground - ry), QPointF(176, ground - ry - 22), QColor(90, 90, 100), 2.0);
  FillStroke(p, Polygon({QPointF(177, ground - ry - 22), QPointF(196, ground - ry - 17), QPointF(177, ground - ry - 12)}), col::kRed, Darker(col::kRed, 0.5), 1.0);
  return img;
}

// ================================================================ big decorations
QImage Iceberg() {
  QImage img = Blank(128, 128);
  Painter p(&img);
  // Water at the foot.
  p.fillRect(QRectF(0, 100, 128, 28), VGrad(100, 128, QColor(60, 140, 210, 230), QColor(30, 80, 150, 240)));
  QPainterPath under = Polygon({QPointF(20, 100), QPointF(108, 100), QPointF(96, 124), QPointF(34, 126)});
  p.fillPath(under, QColor(120, 190, 230, 150));
  QPainterPath berg = Polygon({QPointF(8, 102), QPointF(18, 70), QPointF(30, 62), QPointF(40, 30), QPointF(52, 8),
                               QPointF(62, 24), QPointF(72, 16), QPointF(86, 46), QPointF(98, 52), QPointF(112, 82),
                               QPointF(120, 102)});
  FillStroke(p, berg, DGrad(QPointF(30, 10), QPointF(110, 100), QColor(250, 254, 255), QColor(120, 190, 236)), col::kIceLine, 1.6);
  p.save();
  p.setClipPath(berg);
  p.fillPath(Polygon({QPointF(52, 8), QPointF(62, 24), QPointF(60, 104), QPointF(46, 104)}), Alpha(col::kIceDark, 70));
  p.fillPath(Polygon({QPointF(86, 46), QPointF(98, 52), QPointF(112, 82), QPointF(120, 104), QPointF(84, 104)}), Alpha(col::kIceDark, 80));
  Line(p, QPointF(40, 30), QPointF(36, 60), Alpha(QColor(255, 255, 255), 220), 2.0);
  Line(p, QPointF(20, 72), QPointF(16, 96), Alpha(QColor(255, 255, 255), 200), 1.6);
  p.restore();
  QPainterPath wave;
  for (double x = 0; x <= 128; x += 1) {
    double y = 101 + 1.8 * std::sin(kTwoPi * x / 21);
    x == 0 ? wave.moveTo(x, y) : wave.lineTo(x, y);
  }
  p.strokePath(wave, QPen(QColor(235, 248, 255), 2.0));
  Sparkle(p, QPointF(50, 16), 4);
  Sparkle(p, QPointF(100, 70), 3);
  return img;
}

QImage BigFir() {
  QImage img = Blank(128, 128);
  Painter p(&img);
  p.fillRect(QRectF(56, 100, 16, 22), HGrad(56, 72, col::kWoodLight, col::kWoodDark));
  Fir(p, 64, 2, 112, 58, 5, false);
  Star(p, QPointF(64, 7), 6, col::kGold, col::kGoldDark);
  QPainterPath mound;
  mound.moveTo(20, 128);
  mound.cubicTo(30, 114, 98, 114, 108, 128);
  FillStroke(p, mound, VGrad(114, 128, col::kSnow, col::kSnowShade), Alpha(col::kSnowLine, 150), 1.0);
  return img;
}

QImage Mountain() {
  QImage img = Blank(128, 128);
  Painter p(&img);
  QPainterPath back = Polygon({QPointF(46, 128), QPointF(92, 30), QPointF(104, 44), QPointF(128, 80), QPointF(128, 128)});
  FillStroke(p, back, VGrad(30, 128, QColor(120, 134, 170), QColor(80, 92, 130)), QColor(50, 56, 84), 1.3);
  QPainterPath m = Polygon({QPointF(0, 128), QPointF(20, 86), QPointF(34, 70), QPointF(56, 14), QPointF(70, 36),
                            QPointF(80, 50), QPointF(104, 100), QPointF(118, 128)});
  FillStroke(p, m, HGrad(10, 118, QColor(150, 160, 190), QColor(88, 96, 130)), QColor(50, 56, 84), 1.5);
  QPainterPath snow = Polygon({QPointF(56, 14), QPointF(70, 36), QPointF(76, 46), QPointF(68, 44), QPointF(62, 52),
                               QPointF(56, 44), QPointF(48, 50), QPointF(43, 44), QPointF(38, 50)});
  FillStroke(p, snow, VGrad(14, 52, col::kSnow, col::kSnowShade), Alpha(col::kSnowLine, 160), 1.0);
  QPainterPath snow2 = Polygon({QPointF(92, 30), QPointF(104, 44), QPointF(108, 52), QPointF(100, 50), QPointF(94, 56), QPointF(88, 48), QPointF(84, 50)});
  p.fillPath(snow2, col::kSnow);
  Line(p, QPointF(56, 14), QPointF(60, 90), Alpha(QColor(60, 66, 96), 120), 1.2);
  Line(p, QPointF(34, 70), QPointF(40, 110), Alpha(QColor(60, 66, 96), 100), 1.0);
  QPainterPath base;
  base.moveTo(0, 128);
  base.cubicTo(30, 116, 90, 118, 128, 124);
  base.lineTo(128, 128);
  p.fillPath(base, col::kSnow);
  return img;
}

QImage BigRock() {
  QImage img = Blank(128, 128);
  Painter p(&img);
  QPainterPath rock;
  rock.moveTo(4, 128);
  rock.cubicTo(0, 96, 10, 56, 34, 40);
  rock.cubicTo(50, 28, 66, 34, 78, 24);
  rock.cubicTo(96, 12, 118, 36, 122, 64);
  rock.cubicTo(126, 90, 126, 110, 124, 128);
  rock.closeSubpath();
  FillStroke(p, rock, RGrad(QPointF(50, 50), 100, QColor(170, 160, 150), QColor(90, 82, 80)), QColor(50, 44, 44), 2.0);
  p.save();
  p.setClipPath(rock);
  for (auto [a, b] : std::initializer_list<std::pair<QPointF, QPointF>>{{{60, 44}, {70, 76}}, {{70, 76}, {62, 104}}, {{70, 76}, {98, 86}}, {{24, 80}, {40, 96}}, {{96, 40}, {104, 60}}})
    Line(p, a, b, QColor(70, 62, 60), 2.0);
  p.fillPath(Ellipse(QPointF(100, 112), 26, 20), Alpha(QColor(50, 44, 44), 80));
  p.fillPath(Ellipse(QPointF(20, 112), 12, 6), Alpha(QColor(90, 130, 80), 120));
  p.restore();
  QPainterPath cap;
  cap.moveTo(14, 64);
  cap.cubicTo(22, 46, 36, 36, 52, 34);
  cap.cubicTo(64, 32, 70, 30, 80, 24);
  cap.cubicTo(96, 14, 112, 28, 118, 50);
  cap.cubicTo(110, 54, 104, 48, 98, 52);
  cap.cubicTo(90, 44, 82, 52, 74, 46);
  cap.cubicTo(64, 52, 56, 44, 46, 52);
  cap.cubicTo(38, 48, 30, 58, 22, 56);
  cap.cubicTo(18, 62, 16, 66, 14, 64);
  FillStroke(p, cap, VGrad(20, 60, col::kSnow, col::kSnowShade), Alpha(col::kSnowLine, 160), 1.2);
  Sparkle(p, QPointF(60, 36), 4);
  return img;
}

QImage FrozenWaterfall() {
  QImage img = Blank(128, 128);
  Painter p(&img);
  QPainterPath left = Polygon({QPointF(0, 0), QPointF(40, 0), QPointF(36, 30), QPointF(42, 70), QPointF(34, 128), QPointF(0, 128)});
  QPainterPath right = Polygon({QPointF(88, 0), QPointF(128, 0), QPointF(128, 128), QPointF(96, 128), QPointF(90, 80), QPointF(94, 36)});
  for (const QPainterPath& r : {left, right}) FillStroke(p, r, VGrad(0, 128, QColor(120, 110, 110), QColor(80, 72, 76)), QColor(50, 44, 48), 1.6);
  QPainterPath ice = Polygon({QPointF(38, 0), QPointF(90, 0), QPointF(94, 36), QPointF(90, 80), QPointF(98, 128), QPointF(30, 128), QPointF(42, 70), QPointF(36, 30)});
  FillStroke(p, ice, HGrad(36, 96, QColor(220, 248, 255), QColor(90, 170, 226)), col::kIceLine, 1.4);
  p.save();
  p.setClipPath(ice);
  for (double x = 44; x < 94; x += 9) {
    QPainterPath s;
    s.moveTo(x, 0);
    s.cubicTo(x + 3, 40, x - 3, 80, x + 2, 128);
    p.strokePath(s, QPen(Alpha(QColor(255, 255, 255), 170), 2.0));
  }
  p.restore();
  for (double x : {42.0, 52.0, 62.0, 72.0, 82.0}) Icicle(p, x, 100 + std::fmod(x, 7.0), 7, 16);
  p.fillRect(QRectF(0, 0, 40, 6), col::kSnow);
  p.fillRect(QRectF(88, 0, 40, 6), col::kSnow);
  QPainterPath pool;
  pool.moveTo(20, 128);
  pool.cubicTo(40, 118, 90, 118, 110, 128);
  FillStroke(p, pool, col::kSnow, Alpha(col::kSnowLine, 150), 1.0);
  return img;
}

QImage CrystalCluster() {
  QImage img = Blank(128, 128);
  Painter p(&img);
  p.fillPath(Ellipse(QPointF(64, 80), 60, 50), RGrad(QPointF(64, 80), 60, QColor(140, 220, 255, 110), QColor(140, 220, 255, 0)));
  Crystal(p, QPointF(64, 122), 26, 110, 0, QColor(100, 190, 245));
  Crystal(p, QPointF(40, 124), 20, 74, -20, QColor(140, 210, 250));
  Crystal(p, QPointF(88, 124), 20, 80, 18, QColor(80, 170, 235));
  Crystal(p, QPointF(22, 126), 14, 40, -38, QColor(170, 140, 240));
  Crystal(p, QPointF(106, 126), 14, 46, 36, QColor(170, 140, 240));
  QPainterPath base;
  base.moveTo(4, 128);
  base.cubicTo(20, 112, 108, 112, 124, 128);
  FillStroke(p, base, VGrad(112, 128, col::kSnow, col::kSnowShade), Alpha(col::kSnowLine, 150), 1.2);
  Sparkle(p, QPointF(58, 20), 5);
  Sparkle(p, QPointF(96, 56), 4);
  Sparkle(p, QPointF(30, 70), 3);
  return img;
}

}  // namespace

void DrawTiles(Sheet& out) {
  for (int n = 1; n <= 204; ++n) {
    QImage img = Blank(32, 32);
    {
      Painter p(&img);
      DrawSmallTile(n, p);
    }
    out.Put(Numbered("tiles", "tile", n), img);
  }
  // Pieces: one picture cut into tiles as the auto-complete lays them out on the map.
  QImage cloud = Cloud();
  PutCrops(out, cloud, {{85, {0, 0, 32, 32}}, {86, {32, 0, 32, 32}}, {87, {64, 0, 33, 32}}, {88, {96, 0, 32, 33}},
                        {89, {0, 32, 32, 32}}, {90, {32, 32, 32, 32}}, {91, {64, 32, 33, 32}}, {92, {96, 32, 32, 33}}});
  QImage bush = Bush();
  PutCrops(out, bush, {{50, {0, 0, 32, 32}}, {49, {32, 0, 32, 32}}, {51, {0, 32, 32, 32}}, {52, {32, 32, 32, 32}}});
  QImage sign = Signpost();
  PutCrops(out, sign, {{53, {0, 0, 32, 32}}, {54, {0, 32, 32, 32}}});
  QImage snowman = Snowman();
  PutCrops(out, snowman, {{55, {0, 0, 32, 32}}, {56, {0, 32, 32, 32}}});
  QImage log = Log();
  PutCrops(out, log, {{57, {0, 0, 32, 32}}, {58, {32, 0, 32, 32}}});
  QImage sled = Sled();
  PutCrops(out, sled, {{59, {0, 0, 32, 32}}, {60, {32, 0, 32, 32}}});
  QImage cabin = Cabin();
  PutCrops(out, cabin, {{106, {0, 0, 32, 32}}, {107, {32, 0, 32, 32}}, {108, {64, 0, 32, 32}},
                        {109, {0, 32, 32, 32}}, {110, {32, 32, 32, 32}}, {111, {64, 32, 32, 32}}});
  QImage boulder = Boulder();
  PutCrops(out, boulder, {{115, {0, 0, 32, 32}}, {116, {32, 0, 32, 32}}, {117, {0, 32, 32, 32}}, {118, {32, 32, 32, 32}}});
  QImage exitSign = ExitSign();
  PutCrops(out, exitSign, {{122, {0, 0, 32, 32}}, {123, {32, 0, 32, 32}}});
  QImage floe = IceFloe();
  PutCrops(out, floe, {{124, {0, 0, 32, 32}}, {125, {32, 0, 32, 32}}});
  QImage boat = Boat();
  PutCrops(out, boat, {{134, {0, 0, 32, 32}}, {135, {32, 0, 32, 32}}});
  QImage fish = FrozenFish();
  PutCrops(out, fish, {{136, {0, 0, 33, 32}}, {137, {32, 0, 32, 33}}, {138, {0, 32, 33, 32}}, {139, {32, 32, 32, 33}}});
  QImage igloo = Igloo();
  PutCrops(out, igloo, {{126, {0, 0, 128, 192}}, {127, {96, 0, 225, 192}}});
  out.Put(Numbered("tiles", "tile", 63), Iceberg());
  out.Put(Numbered("tiles", "tile", 70), BigFir());
  out.Put(Numbered("tiles", "tile", 71), Mountain());
  out.Put(Numbered("tiles", "tile", 72), BigRock());
  out.Put(Numbered("tiles", "tile", 73), FrozenWaterfall());
  out.Put(Numbered("tiles", "tile", 74), CrystalCluster());
}

}  // namespace pic
