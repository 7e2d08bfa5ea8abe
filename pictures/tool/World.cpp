// World-map pictures (world/world_NNN.png): tiles 1..71, seen from above,
// and the link markers 72..76.
#include <cmath>

#include "Common.h"

namespace pic {
namespace {

const QColor kPlain(236, 244, 252);
const QColor kPlainShade(206, 222, 240);
const QColor kSea(52, 120, 196);
const QColor kSeaDark(34, 88, 160);
const QColor kTrail(196, 174, 136);
const QColor kTrailEdge(128, 104, 74);

void SnowPlain(QPainter& p, uint32_t seed, double w = 32, double h = 32) {
  p.fillRect(QRectF(0, 0, w, h), kPlain);
  Rng rng(seed);
  for (int i = 0; i < static_cast<int>(w * h / 256); ++i) {
    QPointF c(rng.Uniform(5, w - 5), rng.Uniform(5, h - 5));
    QPainterPath d;
    d.moveTo(c.x() - 4, c.y());
    d.quadTo(c.x(), c.y() - 2.2, c.x() + 4, c.y());
    p.strokePath(d, QPen(kPlainShade, 1.2, Qt::SolidLine, Qt::RoundCap));
  }
}

void Sea(QPainter& p, const QPainterPath& area, uint32_t seed, bool deep = false) {
  p.fillPath(area, deep ? kSeaDark : kSea);
  p.save();
  p.setClipPath(area);
  Rng rng(seed);
  for (int i = 0; i < (deep ? 6 : 4); ++i) {
    QPointF c(rng.Uniform(4, 26), rng.Uniform(4, 28));
    QPainterPath w;
    w.moveTo(c);
    w.quadTo(c.x() + 2, c.y() - 2, c.x() + 4, c.y());
    w.quadTo(c.x() + 6, c.y() - 2, c.x() + 8, c.y());
    p.strokePath(w, QPen(deep ? QColor(220, 240, 255, 200) : QColor(130, 190, 240), 1.0, Qt::SolidLine, Qt::RoundCap));
  }
  p.restore();
}

QPainterPath Rect(double x, double y, double w, double h) {
  QPainterPath q;
  q.addRect(x, y, w, h);
  return q;
}

// Coast: water on the sides in `water` (bits N=1, S=2, W=4, E=8) or, for an
// inner corner, only in one corner (bits NW=16, NE=32, SW=64, SE=128).
void Coast(QPainter& p, unsigned water, uint32_t seed) {
  const double d = 11, r = 10;
  QRectF land(water & 4 ? d : -6, water & 1 ? d : -6, 0, 0);
  land.setRight(water & 8 ? 32 - d : 38);
  land.setBottom(water & 2 ? 32 - d : 38);
  QPainterPath landPath = RoundRect(land, (water & 1) && (water & 4) ? r : 0, (water & 1) && (water & 8) ? r : 0,
                                    (water & 2) && (water & 8) ? r : 0, (water & 2) && (water & 4) ? r : 0);
  if (water & 16) landPath = landPath.subtracted(Circle(QPointF(0, 0), d));
  if (water & 32) landPath = landPath.subtracted(Circle(QPointF(32, 0), d));
  if (water & 64) landPath = landPath.subtracted(Circle(QPointF(0, 32), d));
  if (water & 128) landPath = landPath.subtracted(Circle(QPointF(32, 32), d));
  Sea(p, Rect(0, 0, 32, 32), seed);
  // Shallow band and foam around the land.
  QPainterPathStroker st;
  st.setWidth(6);
  QPainterPath band = st.createStroke(landPath).united(landPath);
  p.fillPath(band, QColor(120, 196, 236));
  p.save();
  p.setClipPath(landPath);
  SnowPlain(p, seed);
  p.restore();
  p.strokePath(landPath, QPen(QColor(255, 255, 255), 1.6));
  p.strokePath(landPath.translated(0, 0.9), QPen(QColor(110, 150, 200, 150), 0.8));
}

// Trail connecting the sides in `arms` (N=1, S=2, W=4, E=8).
void Trail(QPainter& p, unsigned arms) {
  const double hw = 5.5;
  QPainterPath t = Circle(QPointF(16, 16), hw + 0.5);
  if (arms & 1) t = t.united(Rect(16 - hw, -4, 2 * hw, 20));
  if (arms & 2) t = t.united(Rect(16 - hw, 16, 2 * hw, 20));
  if (arms & 4) t = t.united(Rect(-4, 16 - hw, 20, 2 * hw));
  if (arms & 8) t = t.united(Rect(16, 16 - hw, 20, 2 * hw));
  t = t.simplified();
  p.save();
  p.setClipRect(QRectF(0, 0, 32, 32));
  p.fillPath(t, kTrail);
  p.strokePath(t, QPen(kTrailEdge, 1.2));
  // Footprint dots along the trail.
  auto dots = [&](QPointF a, QPointF b) {
    for (double k = 0.2; k < 1.0; k += 0.35) {
      QPointF q(a.x() + (b.x() - a.x()) * k, a.y() + (b.y() - a.y()) * k);
      p.fillPath(Ellipse(q, 1.1, 1.1), QColor(160, 136, 100));
    }
  };
  if (arms & 1) dots(QPointF(14, 0), QPointF(14, 14));
  if (arms & 2) dots(QPointF(18, 18), QPointF(18, 32));
  if (arms & 4) dots(QPointF(0, 18), QPointF(14, 18));
  if (arms & 8) dots(QPointF(18, 14), QPointF(32, 14));
  p.restore();
}

void Bridge(QPainter& p, bool horizontal) {
  Sea(p, Rect(0, 0, 32, 32), horizontal ? 321 : 331);
  p.save();
  if (!horizontal) {
    p.translate(32, 0);
    p.rotate(90);
  }
  p.fillRect(QRectF(0, 9, 32, 14), QColor(60, 40, 24, 90));
  for (double x = 0; x < 32; x += 4) {
    QRectF plank(x + 0.3, 9, 3.4, 14);
    p.fillRect(plank, VGrad(9, 23, QColor(206, 156, 96), QColor(150, 104, 56)));
  }
  p.fillRect(QRectF(0, 8, 32, 2), QColor(110, 70, 36));
  p.fillRect(QRectF(0, 22, 32, 2), QColor(110, 70, 36));
  for (double x : {4.0, 28.0}) {
    FillStroke(p, Circle(QPointF(x, 9), 1.8), QColor(130, 90, 50), QColor(70, 44, 20), 0.7);
    FillStroke(p, Circle(QPointF(x, 23), 1.8), QColor(130, 90, 50), QColor(70, 44, 20), 0.7);
  }
  p.restore();
}

void SmallFir(QPainter& p, QPointF base, double h, bool laden = false) {
  p.fillPath(Ellipse(QPointF(base.x() + 2, base.y()), h * 0.35, h * 0.12), QColor(60, 90, 140, 70));
  p.fillRect(QRectF(base.x() - 1, base.y() - h * 0.18, 2, h * 0.18), col::kWoodDark);
  for (int i = 0; i < 3; ++i) {
    double top = base.y() - h + i * h * 0.24;
    double bot = top + h * 0.42;
    double w = h * (0.2 + 0.1 * i);
    QPainterPath tier = Polygon({QPointF(base.x(), top), QPointF(base.x() + w, bot), QPointF(base.x() - w, bot)});
    FillStroke(p, tier, laden ? QColor(150, 190, 180) : col::kFir, col::kFirDark, 0.8);
    QPainterPath snow = Polygon({QPointF(base.x(), top), QPointF(base.x() + w * 0.5, top + h * 0.2), QPointF(base.x() - w * 0.6, top + h * 0.22)});
    p.fillPath(snow, laden ? col::kSnow : QColor(240, 248, 255, 220));
  }
}

void Peak(QPainter& p, QPointF base, double w, double h, const QColor& c) {
  QPainterPath m = Polygon({QPointF(base.x() - w / 2, base.y()), QPointF(base.x(), base.y() - h), QPointF(base.x() + w / 2, base.y())});
  FillStroke(p, m, HGrad(base.x() - w / 2, base.x() + w / 2, Lighter(c, 0.2), Darker(c, 0.25)), Darker(c, 0.5), 1.0);
  QPainterPath snow = Polygon({QPointF(base.x(), base.y() - h), QPointF(base.x() + w * 0.18, base.y() - h * 0.62), QPointF(base.x() + w * 0.06, base.y() - h * 0.68),
                               QPointF(base.x() - w * 0.04, base.y() - h * 0.58), QPointF(base.x() - w * 0.2, base.y() - h * 0.6)});
  p.fillPath(snow, col::kSnow);
}

void IglooTop(QPainter& p, QPointF c, double r) {
  p.fillPath(Ellipse(QPointF(c.x() + 1.5, c.y() + r * 0.85), r * 1.05, r * 0.3), QColor(60, 90, 140, 70));
  QPainterPath dome = Ellipse(c, r, r * 0.85).intersected(Rect(c.x() - r - 1, c.y() - r, 2 * r + 2, r * 0.85 + r));
  dome = Ellipse(c, r, r).intersected(Rect(c.x() - r - 1, c.y() - r - 1, 2 * r + 2, r + 1 + r * 0.7));
  FillStroke(p, dome, RGrad(QPointF(c.x() - r * 0.3, c.y() - r * 0.4), r * 1.6, QColor(255, 255, 255), QColor(190, 214, 240)),
             QColor(90, 126, 176), 1.0);
  p.save();
  p.setClipPath(dome);
  for (double y = c.y() - r * 0.5; y < c.y() + r; y += r * 0.42) Line(p, QPointF(c.x() - r, y), QPointF(c.x() + r, y), QColor(150, 182, 216), 0.8);
  p.restore();
  QPainterPath door = Ellipse(QPointF(c.x(), c.y() + r * 0.7), r * 0.3, r * 0.45).intersected(dome);
  p.fillPath(door, QColor(30, 40, 70));
}

void Castle(QPainter& p, QRectF r, const QColor& wall, const QColor& roof) {
  p.fillPath(Ellipse(QPointF(r.center().x() + 2, r.bottom()), r.width() * 0.55, 2.5), QColor(60, 90, 140, 70));
  QRectF body(r.left() + r.width() * 0.18, r.top() + r.height() * 0.4, r.width() * 0.64, r.height() * 0.6);
  Bevel(p, body, wall, 1.2, 0.5);
  for (double x : {r.left(), r.right() - r.width() * 0.26}) {
    QRectF tower(x, r.top() + r.height() * 0.25, r.width() * 0.26, r.height() * 0.75);
    Bevel(p, tower, Darker(wall, 0.05), 1.2, 0.5);
    QPainterPath cone = Polygon({QPointF(tower.left() - 1, tower.top()), QPointF(tower.center().x(), tower.top() - r.height() * 0.28), QPointF(tower.right() + 1, tower.top())});
    FillStroke(p, cone, roof, Darker(roof, 0.5), 0.8);
  }
  QPainterPath gate = RoundRect(QRectF(r.center().x() - r.width() * 0.1, r.bottom() - r.height() * 0.3, r.width() * 0.2, r.height() * 0.3), 3, 3, 0, 0);
  p.fillPath(gate, QColor(40, 30, 30));
  for (double x = body.left() + 1; x < body.right() - 1; x += 4) p.fillRect(QRectF(x, body.top() - 2, 2, 2), wall);
}

QImage WorldTile(int n) {
  QImage img = Blank(32, 32);
  Painter p(&img);
  const uint32_t seed = static_cast<uint32_t>(n * 104729 + 3);
  auto plain = [&] { SnowPlain(p, seed); };
  switch (n) {
    case 1: plain(); break;
    case 2: {
      plain();
      for (double y : {9.0, 21.0}) {
        QPainterPath drift;
        drift.moveTo(2, y + 4);
        drift.cubicTo(8, y - 3, 22, y - 3, 30, y + 3);
        drift.cubicTo(22, y + 1, 10, y + 1, 2, y + 4);
        p.fillPath(drift, QColor(255, 255, 255));
        p.strokePath(drift, QPen(kPlainShade, 1.0));
      }
      break;
    }
    case 3: Sea(p, Rect(0, 0, 32, 32), seed); break;
    case 4: Sea(p, Rect(0, 0, 32, 32), seed, true); break;
    case 5: Coast(p, 1, seed); break;
    case 6: Coast(p, 2, seed); break;
    case 7: Coast(p, 4, seed); break;
    case 8: Coast(p, 8, seed); break;
    case 9: Coast(p, 1 | 4, seed); break;
    case 10: Coast(p, 1 | 8, seed); break;
    case 11: Coast(p, 2 | 4, seed); break;
    case 12: Coast(p, 2 | 8, seed); break;
    case 13: Coast(p, 16, seed); break;
    case 14: Coast(p, 32, seed); break;
    case 15: Coast(p, 64, seed); break;
    case 16: Coast(p, 128, seed); break;
    case 17: plain(); Trail(p, 4 | 8); break;
    case 18: plain(); Trail(p, 1 | 2); break;
    case 19: plain(); Trail(p, 1 | 8); break;
    case 20: plain(); Trail(p, 1 | 4); break;
    case 21: plain(); Trail(p, 2 | 8); break;
    case 22: plain(); Trail(p, 2 | 4); break;
    case 23: plain(); Trail(p, 1 | 4 | 8); break;
    case 24: plain(); Trail(p, 2 | 4 | 8); break;
    case 25: plain(); Trail(p, 1 | 2 | 8); break;
    case 26: plain(); Trail(p, 1 | 2 | 4); break;
    case 27: plain(); Trail(p, 1 | 2 | 4 | 8); break;
    case 28: plain(); Trail(p, 1); break;
    case 29: plain(); Trail(p, 2); break;
    case 30: plain(); Trail(p, 8); break;
    case 31: plain(); Trail(p, 4); break;
    case 32: Bridge(p, true); break;
    case 33: Bridge(p, false); break;
    case 34: plain(); SmallFir(p, QPointF(16, 29), 26); break;
    case 35: plain(); SmallFir(p, QPointF(9, 18), 16); SmallFir(p, QPointF(23, 17), 15); SmallFir(p, QPointF(16, 30), 17); SmallFir(p, QPointF(27, 30), 13); SmallFir(p, QPointF(5, 30), 12); break;
    case 36: plain(); SmallFir(p, QPointF(10, 22), 19, true); SmallFir(p, QPointF(22, 29), 22, true); break;
    case 37: {
      plain();
      p.fillPath(Ellipse(QPointF(18, 28), 8, 2.2), QColor(60, 90, 140, 70));
      QPainterPath t;
      t.moveTo(16, 29);
      t.lineTo(16, 16);
      t.lineTo(9, 8);
      t.moveTo(16, 18);
      t.lineTo(23, 9);
      t.moveTo(16, 14);
      t.lineTo(17, 5);
      t.moveTo(12, 12);
      t.lineTo(8, 12);
      t.moveTo(21, 12);
      t.lineTo(26, 13);
      p.strokePath(t, QPen(QColor(100, 76, 60), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      break;
    }
    case 38: plain(); Peak(p, QPointF(16, 29), 28, 26, QColor(128, 138, 170)); break;
    case 39: plain(); Peak(p, QPointF(21, 29), 22, 20, QColor(110, 120, 156)); Peak(p, QPointF(11, 30), 22, 25, QColor(138, 148, 178)); break;
    case 40: {
      plain();
      QPainterPath hill;
      hill.moveTo(1, 28);
      hill.cubicTo(4, 8, 28, 8, 31, 28);
      hill.closeSubpath();
      FillStroke(p, hill, RGrad(QPointF(12, 14), 22, QColor(255, 255, 255), QColor(186, 208, 234)), QColor(110, 140, 186), 1.0);
      break;
    }
    case 41: {
      plain();
      for (auto [c, h] : std::initializer_list<std::pair<QPointF, double>>{{{9, 26}, 14}, {{20, 28}, 20}, {{26, 18}, 10}}) {
        QPainterPath s = Polygon({QPointF(c.x() - h * 0.35, c.y()), QPointF(c.x() - h * 0.1, c.y() - h), QPointF(c.x() + h * 0.35, c.y() - h * 0.3), QPointF(c.x() + h * 0.3, c.y())});
        FillStroke(p, s, HGrad(c.x() - 5, c.x() + 5, QColor(200, 240, 255), QColor(90, 170, 226)), col::kIceLine, 0.9);
      }
      break;
    }
    case 42: plain(); IglooTop(p, QPointF(16, 20), 12); break;
    case 43: plain(); IglooTop(p, QPointF(10, 13), 8); IglooTop(p, QPointF(23, 23), 8); IglooTop(p, QPointF(8, 27), 5); break;
    case 44: plain(); Castle(p, QRectF(3, 8, 26, 21), QColor(150, 150, 170), QColor(200, 50, 50)); break;
    case 45: {
      plain();
      p.fillPath(Ellipse(QPointF(18, 29), 8, 2.2), QColor(60, 90, 140, 70));
      Bevel(p, QRectF(11, 10, 10, 19), QColor(150, 140, 130), 1.2, 0.5);
      FillStroke(p, Polygon({QPointF(9, 10), QPointF(16, 1), QPointF(23, 10)}), QColor(70, 90, 170), QColor(30, 40, 90), 0.9);
      p.fillRect(QRectF(14.5, 14, 3, 4), QColor(250, 210, 90));
      break;
    }
    case 46: {
      plain();
      QPainterPath rock;
      rock.moveTo(2, 29);
      rock.cubicTo(2, 8, 30, 8, 30, 29);
      rock.closeSubpath();
      FillStroke(p, rock, RGrad(QPointF(12, 14), 22, col::kStoneLight, col::kStoneDark), QColor(48, 52, 64), 1.1);
      QPainterPath mouth = RoundRect(QRectF(10, 17, 12, 12), 6, 6, 0, 0);
      p.fillPath(mouth, QColor(20, 20, 30));
      p.fillPath(Polygon({QPointF(6, 13), QPointF(12, 9), QPointF(20, 8), QPointF(26, 12), QPointF(20, 12), QPointF(14, 13)}), col::kSnow);
      break;
    }
    case 47: {
      Coast(p, 8, seed);
      p.fillPath(Ellipse(QPointF(13, 29), 7, 2), QColor(60, 90, 140, 70));
      QPainterPath tower = Polygon({QPointF(9, 29), QPointF(11, 8), QPointF(17, 8), QPointF(19, 29)});
      FillStroke(p, tower, QColor(245, 245, 250), QColor(60, 60, 80), 0.9);
      p.save();
      p.setClipPath(tower);
      for (double y : {12.0, 20.0}) p.fillRect(QRectF(0, y, 32, 4), col::kRed);
      p.restore();
      p.fillRect(QRectF(10, 4, 8, 4), QColor(255, 230, 120));
      p.fillPath(Polygon({QPointF(9, 4), QPointF(14, 0.5), QPointF(19, 4)}), col::kRed);
      p.fillPath(Polygon({QPointF(18, 5), QPointF(31, 1), QPointF(31, 9)}), QColor(255, 240, 150, 150));
      break;
    }
    case 48: {
      plain();
      p.fillPath(Ellipse(QPointF(17, 29), 12, 2.4), QColor(60, 90, 140, 70));
      for (auto [x, h] : std::initializer_list<std::pair<double, double>>{{8, 18}, {16, 26}, {24, 18}}) {
        QPainterPath spire = Polygon({QPointF(x - 4, 29), QPointF(x - 4, 29 - h * 0.65), QPointF(x, 29 - h), QPointF(x + 4, 29 - h * 0.65), QPointF(x + 4, 29)});
        FillStroke(p, spire, HGrad(x - 4, x + 4, QColor(220, 248, 255), QColor(100, 180, 232)), col::kIceLine, 0.9);
      }
      p.fillPath(RoundRect(QRectF(14, 22, 4, 7), 2, 2, 0, 0), QColor(40, 60, 110));
      break;
    }
    case 60: {
      Sea(p, Rect(0, 0, 32, 32), seed);
      QPainterPath floe = Polygon({QPointF(5, 12), QPointF(12, 5), QPointF(24, 6), QPointF(28, 16), QPointF(22, 26), QPointF(9, 25)});
      p.fillPath(floe.translated(1.5, 2), QColor(20, 60, 120, 120));
      FillStroke(p, floe, RGrad(QPointF(13, 11), 20, QColor(255, 255, 255), QColor(190, 226, 246)), QColor(90, 150, 200), 1.0);
      break;
    }
    case 61: {
      plain();
      for (int i = 0; i < 4; ++i) {
        QPointF c(7 + i * 6.5, 24 - i * 5.5 + (i % 2) * 3);
        p.fillPath(Ellipse(c, 1.6, 2.3), QColor(170, 190, 215));
        p.fillPath(Polygon({QPointF(c.x() - 1.6, c.y() - 2.5), QPointF(c.x(), c.y() - 4.5), QPointF(c.x() + 1.6, c.y() - 2.5)}), QColor(170, 190, 215));
      }
      break;
    }
    case 62: {
      plain();
      p.fillPath(Ellipse(QPointF(17, 29), 6, 1.8), QColor(60, 90, 140, 70));
      p.fillRect(QRectF(15, 10, 2.5, 19), col::kWoodDark);
      FillStroke(p, Polygon({QPointF(6, 6), QPointF(22, 6), QPointF(27, 10), QPointF(22, 14), QPointF(6, 14)}), col::kWoodLight, col::kWoodDark, 1.0);
      FillStroke(p, Polygon({QPointF(26, 16), QPointF(11, 16), QPointF(6, 19.5), QPointF(11, 23), QPointF(26, 23)}), col::kWood, col::kWoodDark, 1.0);
      break;
    }
    case 63: {
      plain();
      FillStroke(p, Ellipse(QPointF(16, 17), 10, 7), RGrad(QPointF(16, 17), 10, QColor(40, 100, 170), QColor(80, 160, 220)), QColor(200, 230, 250), 2.0);
      Line(p, QPointF(22, 4), QPointF(17, 17), QColor(110, 80, 50), 1.3);
      Line(p, QPointF(17, 17), QPointF(17, 20), QColor(250, 250, 250), 0.7);
      p.fillPath(Circle(QPointF(17, 17), 1.2), col::kRed);
      break;
    }
    case 64: {
      Sea(p, Rect(0, 0, 32, 32), seed);
      QPainterPath hull;
      hull.moveTo(4, 20);
      hull.lineTo(28, 20);
      hull.lineTo(24, 26);
      hull.lineTo(8, 26);
      hull.closeSubpath();
      FillStroke(p, hull, QColor(140, 60, 40), QColor(70, 30, 20), 1.0);
      Line(p, QPointF(16, 20), QPointF(16, 4), QColor(90, 70, 50), 1.4);
      FillStroke(p, Polygon({QPointF(17, 5), QPointF(26, 17), QPointF(17, 17)}), QColor(250, 250, 250), QColor(120, 130, 150), 0.9);
      FillStroke(p, Polygon({QPointF(15, 7), QPointF(15, 17), QPointF(8, 17)}), QColor(236, 240, 248), QColor(120, 130, 150), 0.9);
      break;
    }
    case 65: {
      plain();
      p.fillPath(Ellipse(QPointF(18, 29), 8, 2.2), QColor(60, 90, 140, 70));
      for (auto [c, r] : std::initializer_list<std::pair<QPointF, double>>{{{16, 23}, 7}, {{16, 13}, 5}})
        FillStroke(p, Circle(c, r), RGrad(QPointF(c.x() - 2, c.y() - 2), r * 1.6, col::kSnow, col::kSnowShade), col::kSnowLine, 0.9);
      p.fillRect(QRectF(12, 6, 8, 2), QColor(40, 40, 50));
      p.fillRect(QRectF(13.5, 2, 5, 4), QColor(40, 40, 50));
      p.fillPath(Circle(QPointF(14, 12), 0.8), col::kOutline);
      p.fillPath(Circle(QPointF(18, 12), 0.8), col::kOutline);
      p.fillPath(Polygon({QPointF(16, 13.5), QPointF(20, 14.5), QPointF(16, 15.5)}), col::kOrange);
      break;
    }
    case 66: {
      Coast(p, 2, seed);
      for (double y = 0; y < 32; y += 4) p.fillRect(QRectF(11, y + 0.3, 10, 3.4), VGrad(y, y + 4, QColor(206, 156, 96), QColor(150, 104, 56)));
      for (double y : {4.0, 16.0, 28.0}) { p.fillPath(Circle(QPointF(10.5, y), 1.6), QColor(90, 60, 30)); p.fillPath(Circle(QPointF(21.5, y), 1.6), QColor(90, 60, 30)); }
      break;
    }
    case 67: case 68: {
      plain();
      p.save();
      if (n == 68) { p.translate(32, 0); p.rotate(90); }
      QPainterPath river;
      river.moveTo(10, -1);
      river.cubicTo(7, 10, 13, 20, 10, 33);
      river.lineTo(22, 33);
      river.cubicTo(25, 20, 19, 10, 22, -1);
      river.closeSubpath();
      p.fillPath(river, QColor(120, 196, 236));
      QPainterPath inner;
      inner.moveTo(12.5, -1);
      inner.cubicTo(9.5, 10, 15.5, 20, 12.5, 33);
      inner.lineTo(19.5, 33);
      inner.cubicTo(22.5, 20, 16.5, 10, 19.5, -1);
      inner.closeSubpath();
      p.fillPath(inner, kSea);
      p.strokePath(river, QPen(QColor(255, 255, 255), 1.2));
      Line(p, QPointF(15, 6), QPointF(16, 11), QColor(170, 215, 250), 1.0);
      Line(p, QPointF(17, 20), QPointF(16.5, 25), QColor(170, 215, 250), 1.0);
      p.restore();
      break;
    }
    case 69: {
      plain();
      QPainterPath lake = Ellipse(QPointF(16, 16), 13, 11);
      FillStroke(p, lake, RGrad(QPointF(12, 12), 16, QColor(230, 248, 255), QColor(140, 200, 236)), QColor(90, 150, 200), 1.2);
      Line(p, QPointF(8, 12), QPointF(14, 9), QColor(255, 255, 255), 1.4);
      Line(p, QPointF(16, 19), QPointF(23, 16), QColor(255, 255, 255), 1.0);
      Line(p, QPointF(10, 20), QPointF(13, 23), QColor(110, 170, 220), 0.8);
      break;
    }
    case 70: {
      plain();
      p.fillPath(Ellipse(QPointF(12, 29), 6, 1.8), QColor(60, 90, 140, 70));
      Line(p, QPointF(10, 29), QPointF(10, 3), QColor(90, 90, 100), 1.6);
      QPainterPath flag;
      flag.moveTo(11, 4);
      flag.cubicTo(16, 2, 20, 7, 26, 5);
      flag.lineTo(26, 14);
      flag.cubicTo(20, 16, 16, 11, 11, 13);
      flag.closeSubpath();
      FillStroke(p, flag, QColor(240, 190, 40), QColor(120, 80, 10), 0.9);
      Star(p, QPointF(18, 9), 2.6, col::kRed, QColor(0, 0, 0, 0));
      break;
    }
    case 71: {
      p.fillRect(QRectF(0, 0, 32, 32), QColor(176, 168, 130));
      Rng rng(seed);
      for (int i = 0; i < 10; ++i) {
        QPointF c(rng.Uniform(3, 29), rng.Uniform(4, 29));
        for (int k = -1; k <= 1; ++k) Line(p, c, QPointF(c.x() + k * 1.8, c.y() - 3.5), QColor(110, 120, 70), 0.9);
      }
      for (QPointF c : {QPointF(8, 8), QPointF(24, 20), QPointF(12, 26)}) p.fillPath(Ellipse(c, 4, 2.4), QColor(240, 246, 252));
      break;
    }
    // --- link markers (drawn in the top-left 21 x 23, the marker control's size)
    case 72: {
      QPointF c(10.5, 11.5);
      p.fillPath(Circle(c, 9), QColor(0, 0, 0, 70));
      FillStroke(p, Circle(c, 8), QColor(255, 255, 255), QColor(60, 20, 10), 1.0);
      FillStroke(p, Circle(c, 5.5), RGrad(QPointF(8.5, 9.5), 8, QColor(255, 140, 110), QColor(200, 30, 20)), QColor(110, 10, 10), 0.9);
      p.fillPath(Circle(QPointF(8.8, 9.8), 1.5), QColor(255, 230, 220));
      break;
    }
    case 73: {
      QPointF c(10.5, 11.5);
      p.strokePath(Circle(c, 7.5), QPen(QColor(160, 166, 180, 220), 1.6, Qt::DashLine));
      p.fillPath(Circle(c, 2.2), QColor(160, 166, 180, 220));
      break;
    }
    case 74: {
      QPointF c(10.5, 11.5);
      FillStroke(p, Circle(c, 9), RGrad(c, 9, QColor(250, 220, 255), QColor(140, 60, 200)), QColor(60, 20, 90), 1.1);
      QPainterPath swirl;
      for (double t = 0; t <= 3.2 * M_PI; t += 0.1) {
        double r = 0.6 + t * 0.7;
        QPointF q(c.x() + r * std::cos(t), c.y() + r * std::sin(t));
        t == 0 ? swirl.moveTo(q) : swirl.lineTo(q);
      }
      p.strokePath(swirl, QPen(QColor(255, 255, 255), 1.5, Qt::SolidLine, Qt::RoundCap));
      break;
    }
    case 76: {
      QPointF c(10.5, 11.5);
      p.fillPath(Circle(c, 9), QColor(200, 150, 255, 50));
      p.strokePath(Circle(c, 8.5), QPen(QColor(150, 90, 220, 200), 1.2, Qt::DotLine));
      QPainterPath swirl;
      for (double t = 0; t <= 3.2 * M_PI; t += 0.1) {
        double r = 0.6 + t * 0.7;
        QPointF q(c.x() + r * std::cos(t), c.y() + r * std::sin(t));
        t == 0 ? swirl.moveTo(q) : swirl.lineTo(q);
      }
      p.strokePath(swirl, QPen(QColor(150, 90, 220, 170), 1.2, Qt::DotLine, Qt::RoundCap));
      break;
    }
    default: break;
  }
  return img;
}

QImage MessageMarker() {
  QImage img = Blank(17, 15);
  Painter p(&img);
  QPainterPath bubble = RoundRect(QRectF(0.5, 0.5, 16, 10.5), 3, 3, 3, 3);
  bubble = bubble.united(Polygon({QPointF(3.5, 10), QPointF(8, 10), QPointF(3, 14.5)}));
  FillStroke(p, bubble.simplified(), QColor(255, 252, 220), QColor(60, 50, 20), 1.0);
  for (double x : {5.0, 8.5, 12.0}) p.fillPath(Circle(QPointF(x, 5.8), 1.1), QColor(60, 50, 20));
  return img;
}

// The 3 x 3 mountain (49..57) on one 96 x 96 picture.
QImage BigMountain() {
  QImage img = Blank(96, 96);
  Painter p(&img);
  SnowPlain(p, 4957, 96, 96);
  p.fillPath(Ellipse(QPointF(52, 88), 44, 7), QColor(60, 90, 140, 80));
  QPainterPath m = Polygon({QPointF(2, 90), QPointF(22, 56), QPointF(34, 46), QPointF(48, 8), QPointF(60, 30), QPointF(70, 38), QPointF(94, 90)});
  FillStroke(p, m, HGrad(2, 94, QColor(160, 168, 196), QColor(84, 92, 128)), QColor(50, 56, 84), 1.4);
  QPainterPath ridge = Polygon({QPointF(48, 8), QPointF(52, 40), QPointF(44, 90), QPointF(62, 90), QPointF(60, 50)});
  p.fillPath(ridge, QColor(70, 78, 112, 90));
  QPainterPath snow = Polygon({QPointF(48, 8), QPointF(60, 30), QPointF(66, 38), QPointF(60, 36), QPointF(55, 44), QPointF(50, 38),
                               QPointF(44, 46), QPointF(40, 38), QPointF(34, 46), QPointF(38, 30)});
  FillStroke(p, snow, VGrad(8, 46, col::kSnow, col::kSnowShade), Alpha(col::kSnowLine, 150), 1.0);
  Peak(p, QPointF(80, 90), 30, 28, QColor(120, 130, 164));
  Peak(p, QPointF(16, 92), 26, 22, QColor(136, 146, 178));
  SmallFir(p, QPointF(30, 92), 12);
  SmallFir(p, QPointF(64, 93), 11);
  return img;
}

// Zunbo's house, the start piece: 58 on top of 59.
QImage StartHouse() {
  QImage img = Blank(32, 64);
  Painter p(&img);
  SnowPlain(p, 5859, 32, 64);
  p.fillPath(Ellipse(QPointF(18, 60), 14, 3), QColor(60, 90, 140, 80));
  QRectF wall(5, 30, 22, 28);
  Bevel(p, wall, QColor(200, 110, 70), 1.4, 0.5);
  p.fillPath(RoundRect(QRectF(12, 42, 8, 16), 4, 4, 0, 0), QColor(90, 50, 30));
  p.fillPath(Circle(QPointF(18, 50), 0.9), col::kGold);
  p.fillRect(QRectF(7, 34, 6, 5), QColor(255, 230, 130));
  p.fillRect(QRectF(19, 34, 6, 5), QColor(255, 230, 130));
  p.fillRect(QRectF(22, 8, 4, 12), col::kBrick);
  QPainterPath roof = Polygon({QPointF(1, 31), QPointF(16, 10), QPointF(31, 31)});
  FillStroke(p, roof, VGrad(10, 31, QColor(70, 110, 200), QColor(40, 70, 150)), QColor(20, 30, 80), 1.2);
  QPainterPath snow = Polygon({QPointF(16, 10), QPointF(24, 21), QPointF(20, 20), QPointF(16, 23), QPointF(12, 20), QPointF(8, 21)});
  p.fillPath(snow, col::kSnow);
  p.fillPath(Circle(QPointF(25, 5), 2.5), QColor(230, 236, 244, 190));
  p.fillPath(Circle(QPointF(28, 2), 2), QColor(230, 236, 244, 160));
  // A little "Z" sign above the door.
  Text(p, QRectF(12, 30, 8, 10), "Z", 8, QColor(255, 255, 255), true);
  return img;
}

}  // namespace

void DrawWorld(Sheet& out) {
  for (int n = 1; n <= 76; ++n) {
    if ((n >= 49 && n <= 59) || n == 75) continue;
    QImage img = WorldTile(n);
    if (n == 16) {
      // Tile 16 is one row taller (32 x 33): its last row repeats row 31.
      QImage tall = Blank(32, 33);
      QPainter p(&tall);
      p.drawImage(0, 0, img);
      p.drawImage(QRect(0, 32, 32, 1), img, QRect(0, 31, 32, 1));
      p.end();
      img = tall;
    }
    out.Put(Numbered("world", "world", n), img);
  }
  QImage m = BigMountain();
  for (int i = 0; i < 9; ++i)
    out.Put(Numbered("world", "world", 49 + i), Crop(m, (i % 3) * 32, (i / 3) * 32, 32, 32));
  QImage h = StartHouse();
  out.Put(Numbered("world", "world", 58), Crop(h, 0, 0, 32, 32));
  out.Put(Numbered("world", "world", 59), Crop(h, 0, 32, 32, 32));
  out.Put(Numbered("world", "world", 75), MessageMarker());
}

}  // namespace pic
