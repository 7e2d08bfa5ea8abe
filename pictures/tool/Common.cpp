// Shared drawing helpers of the picture tool.
#include "Common.h"

#include <QFont>
#include <cmath>
#include <stdexcept>

namespace pic {

QImage Blank(int w, int h) {
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  return img;
}

QColor Mix(const QColor& a, const QColor& b, double t) {
  auto m = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return QColor(m(a.red(), b.red()), m(a.green(), b.green()), m(a.blue(), b.blue()),
                m(a.alpha(), b.alpha()));
}
QColor Lighter(const QColor& c, double t) { return Mix(c, QColor(255, 255, 255, c.alpha()), t); }
QColor Darker(const QColor& c, double t) { return Mix(c, QColor(0, 0, 0, c.alpha()), t); }
QColor Alpha(const QColor& c, int a) {
  QColor r = c;
  r.setAlpha(a);
  return r;
}

QPainterPath RoundRect(const QRectF& r, double tl, double tr, double br, double bl) {
  QPainterPath p;
  p.moveTo(r.left() + tl, r.top());
  p.lineTo(r.right() - tr, r.top());
  if (tr > 0) p.arcTo(QRectF(r.right() - 2 * tr, r.top(), 2 * tr, 2 * tr), 90, -90);
  p.lineTo(r.right(), r.bottom() - br);
  if (br > 0) p.arcTo(QRectF(r.right() - 2 * br, r.bottom() - 2 * br, 2 * br, 2 * br), 0, -90);
  p.lineTo(r.left() + bl, r.bottom());
  if (bl > 0) p.arcTo(QRectF(r.left(), r.bottom() - 2 * bl, 2 * bl, 2 * bl), 270, -90);
  p.lineTo(r.left(), r.top() + tl);
  if (tl > 0) p.arcTo(QRectF(r.left(), r.top(), 2 * tl, 2 * tl), 180, -90);
  p.closeSubpath();
  return p;
}

QPainterPath Circle(QPointF c, double r) { return Ellipse(c, r, r); }
QPainterPath Ellipse(QPointF c, double rx, double ry) {
  QPainterPath p;
  p.addEllipse(c, rx, ry);
  return p;
}
QPainterPath Polygon(std::initializer_list<QPointF> pts) {
  QPainterPath p;
  bool first = true;
  for (const QPointF& q : pts) {
    if (first) p.moveTo(q);
    else p.lineTo(q);
    first = false;
  }
  p.closeSubpath();
  return p;
}
QPainterPath Blob(const std::vector<QRectF>& circles) {
  QPainterPath p;
  p.setFillRule(Qt::WindingFill);
  for (const QRectF& c : circles) p.addEllipse(QPointF(c.x(), c.y()), c.width(), c.width());
  return p.simplified();
}

void FillPath(QPainter& p, const QPainterPath& path, const QBrush& fill) {
  p.fillPath(path, fill);
}
void FillStroke(QPainter& p, const QPainterPath& path, const QBrush& fill, const QColor& line,
                double width) {
  p.fillPath(path, fill);
  if (width > 0) {
    QPen pen(line, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    p.strokePath(path, pen);
  }
}
QLinearGradient VGrad(double y0, double y1, const QColor& c0, const QColor& c1) {
  QLinearGradient g(0, y0, 0, y1);
  g.setColorAt(0, c0);
  g.setColorAt(1, c1);
  return g;
}
QLinearGradient HGrad(double x0, double x1, const QColor& c0, const QColor& c1) {
  QLinearGradient g(x0, 0, x1, 0);
  g.setColorAt(0, c0);
  g.setColorAt(1, c1);
  return g;
}
QLinearGradient DGrad(QPointF a, QPointF b, const QColor& c0, const QColor& c1) {
  QLinearGradient g(a, b);
  g.setColorAt(0, c0);
  g.setColorAt(1, c1);
  return g;
}
QRadialGradient RGrad(QPointF c, double r, const QColor& inner, const QColor& outer) {
  QRadialGradient g(c, r);
  g.setColorAt(0, inner);
  g.setColorAt(1, outer);
  return g;
}
void FillVGrad(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom) {
  p.fillRect(r, VGrad(r.top(), r.bottom(), top, bottom));
}

void Bevel(QPainter& p, const QRectF& r, const QColor& base, double rim, double radius,
           const QColor* outline) {
  QPainterPath body = RoundRect(r, radius, radius, radius, radius);
  p.fillPath(body, base);
  p.save();
  p.setClipPath(body);
  QPainterPath light = Polygon({r.topLeft(), r.topRight(), QPointF(r.right() - rim, r.top() + rim),
                                QPointF(r.left() + rim, r.top() + rim),
                                QPointF(r.left() + rim, r.bottom() - rim), r.bottomLeft()});
  p.fillPath(light, Lighter(base, 0.45));
  QPainterPath dark = Polygon({r.bottomRight(), r.bottomLeft(),
                               QPointF(r.left() + rim, r.bottom() - rim),
                               QPointF(r.right() - rim, r.bottom() - rim),
                               QPointF(r.right() - rim, r.top() + rim), r.topRight()});
  p.fillPath(dark, Darker(base, 0.35));
  p.restore();
  QColor line = outline ? *outline : Darker(base, 0.6);
  QPen pen(line, 1.0);
  p.strokePath(RoundRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius, radius, radius), pen);
}

void Line(QPainter& p, QPointF a, QPointF b, const QColor& c, double w, Qt::PenCapStyle cap) {
  QPen pen(c, w);
  pen.setCapStyle(cap);
  p.setPen(pen);
  p.drawLine(a, b);
  p.setPen(Qt::NoPen);
}

void Sparkle(QPainter& p, QPointF c, double r, const QColor& color) {
  QPainterPath s;
  s.moveTo(c.x(), c.y() - r);
  s.quadTo(c, QPointF(c.x() + r, c.y()));
  s.quadTo(c, QPointF(c.x(), c.y() + r));
  s.quadTo(c, QPointF(c.x() - r, c.y()));
  s.quadTo(c, QPointF(c.x(), c.y() - r));
  p.fillPath(s, color);
}

void Snowflake(QPainter& p, QPointF c, double r, const QColor& color, double width) {
  QPen pen(color, width);
  pen.setCapStyle(Qt::RoundCap);
  p.setPen(pen);
  for (int i = 0; i < 6; ++i) {
    double a = i * M_PI / 3 - M_PI / 2;
    QPointF tip(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    p.drawLine(c, tip);
    QPointF mid(c.x() + 0.6 * r * std::cos(a), c.y() + 0.6 * r * std::sin(a));
    for (int s = -1; s <= 1; s += 2) {
      double b = a + s * 0.7;
      p.drawLine(mid, QPointF(mid.x() + 0.3 * r * std::cos(b), mid.y() + 0.3 * r * std::sin(b)));
    }
  }
  p.setPen(Qt::NoPen);
}

void Star(QPainter& p, QPointF c, double r, const QColor& fill, const QColor& line, int points,
          double inner) {
  QPainterPath s;
  for (int i = 0; i < points * 2; ++i) {
    double a = -M_PI / 2 + i * M_PI / points;
    double rr = (i % 2 == 0) ? r : r * inner;
    QPointF q(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
    if (i == 0) s.moveTo(q);
    else s.lineTo(q);
  }
  s.closeSubpath();
  FillStroke(p, s, fill, line, line.alpha() ? 1.0 : 0.0);
}

void Speckle(QPainter& p, const QRectF& area, int count, const QColor& c, double rmin, double rmax,
             uint32_t seed) {
  Rng rng(seed);
  for (int i = 0; i < count; ++i) {
    double x = rng.Uniform(area.left(), area.right());
    double y = rng.Uniform(area.top(), area.bottom());
    double r = rng.Uniform(rmin, rmax);
    p.fillPath(Ellipse(QPointF(x, y), r, r * 0.8), c);
  }
}

void Eye(QPainter& p, QPointF c, double rx, double ry, QPointF look, const QColor& white,
         const QColor& pupil) {
  FillStroke(p, Ellipse(c, rx, ry), white, col::kOutline, std::max(0.6, rx * 0.25));
  QPointF pc(c.x() + look.x() * rx * 0.45, c.y() + look.y() * ry * 0.4);
  p.fillPath(Ellipse(pc, rx * 0.55, ry * 0.6), pupil);
  p.fillPath(Circle(QPointF(pc.x() - rx * 0.2, pc.y() - ry * 0.25), std::max(0.5, rx * 0.2)),
             QColor(255, 255, 255));
}

void Brow(QPainter& p, QPointF c, double hw, bool leftEye, double slope, double width) {
  double dy = hw * slope;
  QPointF a(c.x() - hw, c.y() + (leftEye ? -dy : dy));
  QPointF b(c.x() + hw, c.y() + (leftEye ? dy : -dy));
  Line(p, a, b, col::kOutline, width);
}

void DrawZunbo(QPainter& p, const QRectF& box) {
  p.save();
  p.translate(box.topLeft());
  p.scale(box.width() / 42.0, box.height() / 65.0);
  const QColor navy(34, 46, 82);
  const QColor navyLight(70, 90, 140);
  const QColor beak(255, 160, 30);
  // Feet.
  FillStroke(p, Ellipse(QPointF(13.5, 61.2), 7, 3.3), beak, Darker(beak, 0.45), 1.0);
  FillStroke(p, Ellipse(QPointF(28.5, 61.2), 7, 3.3), beak, Darker(beak, 0.45), 1.0);
  // Flippers.
  QPainterPath fl = Ellipse(QPointF(0, 0), 4, 11);
  for (int s = -1; s <= 1; s += 2) {
    p.save();
    p.translate(21 + s * 15.5, 41);
    p.rotate(s * -22);
    FillStroke(p, fl, navy, col::kOutline, 1.0);
    p.restore();
  }
  // Body and head.
  QPainterPath body = Ellipse(QPointF(21, 41), 15, 20).united(Circle(QPointF(21, 18), 12.5));
  FillStroke(p, body, RGrad(QPointF(16, 22), 34, navyLight, navy), col::kOutline, 1.2);
  // Belly.
  p.fillPath(Ellipse(QPointF(21, 44), 10.5, 15), VGrad(30, 60, QColor(255, 255, 255),
                                                      QColor(214, 228, 244)));
  // Face patch.
  QPainterPath face = Circle(QPointF(17, 18), 6.2).united(Circle(QPointF(25.5, 18), 6.2));
  p.fillPath(face, QColor(250, 252, 255));
  // Eyes looking a little to the right.
  Eye(p, QPointF(17.5, 17), 2.6, 3.5, QPointF(0.5, 0.1));
  Eye(p, QPointF(25, 17), 2.6, 3.5, QPointF(0.5, 0.1));
  // Beak.
  FillStroke(p, Polygon({QPointF(18.5, 21.5), QPointF(29, 23), QPointF(18.5, 25.5)}), beak,
             Darker(beak, 0.45), 0.9);
  // Beanie with pom-pom.
  QPainterPath head = Circle(QPointF(21, 18), 12.9);
  QPainterPath capArea;
  capArea.addRect(0, 0, 42, 10.5);
  QPainterPath cap = head.intersected(capArea);
  FillStroke(p, cap, VGrad(4, 11, QColor(70, 140, 230), QColor(36, 92, 190)), col::kOutline, 1.0);
  FillStroke(p, RoundRect(QRectF(8.5, 8.5, 25, 3.6), 1.8, 1.8, 1.8, 1.8), QColor(240, 246, 255),
             col::kOutline, 0.8);
  FillStroke(p, Circle(QPointF(21, 4.2), 3.3), QColor(255, 255, 255), col::kOutline, 0.9);
  // Scarf: band round the neck and a tail.
  const QColor scarf(220, 40, 50);
  QPainterPath band = RoundRect(QRectF(8.5, 28.5, 25, 4.6), 2.3, 2.3, 2.3, 2.3);
  FillStroke(p, band, scarf, Darker(scarf, 0.5), 0.9);
  QPainterPath tail = Polygon({QPointF(10.5, 31), QPointF(15.5, 31.5), QPointF(13.5, 42),
                               QPointF(8, 41)});
  FillStroke(p, tail, Darker(scarf, 0.1), Darker(scarf, 0.5), 0.9);
  Line(p, QPointF(12, 33), QPointF(16, 33.3), Lighter(scarf, 0.5), 0.8);
  Line(p, QPointF(9.5, 39.5), QPointF(13.5, 40.2), Lighter(scarf, 0.5), 0.8);
  p.restore();
}

void DrawSnowball(QPainter& p, const QRectF& box, bool angry) {
  p.save();
  p.translate(box.topLeft());
  p.scale(box.width() / 32.0, box.height() / 32.0);
  // Feet.
  FillStroke(p, Ellipse(QPointF(10, 29), 5, 2.6), QColor(60, 70, 100), col::kOutline, 0.8);
  FillStroke(p, Ellipse(QPointF(22, 29), 5, 2.6), QColor(60, 70, 100), col::kOutline, 0.8);
  // Ball.
  FillStroke(p, Circle(QPointF(16, 15.5), 13), RGrad(QPointF(11, 10), 18, QColor(255, 255, 255),
                                                      QColor(176, 204, 232)),
             col::kSnowLine, 1.2);
  Speckle(p, QRectF(7, 18, 18, 7), 5, Alpha(col::kSnowDeep, 150), 0.6, 1.1, 7);
  Eye(p, QPointF(12, 13.5), 2.8, 3.6, QPointF(-0.3, 0.3));
  Eye(p, QPointF(20, 13.5), 2.8, 3.6, QPointF(-0.3, 0.3));
  if (angry) {
    Brow(p, QPointF(12, 9), 3.4, true, 0.5, 1.8);
    Brow(p, QPointF(20, 9), 3.4, false, 0.5, 1.8);
  }
  QPainterPath mouth;
  mouth.moveTo(12.5, 21.5);
  mouth.quadTo(16, 19.5, 19.5, 21.5);
  p.strokePath(mouth, QPen(col::kOutline, 1.3, Qt::SolidLine, Qt::RoundCap));
  p.restore();
}

void Text(QPainter& p, const QRectF& r, const QString& s, int pixelSize, const QColor& c, bool bold,
          int flags) {
  QFont f("DejaVu Sans");
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  p.setFont(f);
  p.setPen(c);
  p.drawText(r, flags, s);
  p.setPen(Qt::NoPen);
}

QImage Crop(const QImage& img, int x, int y, int w, int h) {
  QImage out = Blank(w, h);
  QPainter p(&out);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(QPoint(0, 0), img, QRect(x, y, w, h));
  return out;
}

QImage Scaled(const QImage& img, int w, int h) {
  return img.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
      .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

const QImage& Sheet::Get(const std::string& path) const {
  auto it = pictures.find(path);
  if (it == pictures.end()) throw std::runtime_error("no picture " + path);
  return it->second;
}

std::string Numbered(const char* folder, const char* stem, int n) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%s/%s_%03d.png", folder, stem, n);
  return buf;
}

}  // namespace pic
