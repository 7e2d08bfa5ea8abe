// Toolbar pictures: the level editor's (toolbar/tb_NNN.png, 24 x 24) and the
// world window's (worldtoolbar/wtb_NNN.png, 32 x 32). Each icon is drawn on a
// 24-unit grid and scaled to its size.
#include <cmath>

#include "Common.h"

namespace pic {
namespace {

const QColor kInk(36, 40, 56);

void Page(QPainter& p, const QRectF& r, bool lines = false) {
  const double f = std::min(5.0, r.width() * 0.3);
  QPainterPath page = Polygon({r.topLeft(), QPointF(r.right() - f, r.top()), QPointF(r.right(), r.top() + f),
                               r.bottomRight(), r.bottomLeft()});
  FillStroke(p, page, VGrad(r.top(), r.bottom(), QColor(255, 255, 255), QColor(222, 230, 242)), kInk, 1.0);
  FillStroke(p, Polygon({QPointF(r.right() - f, r.top()), QPointF(r.right() - f, r.top() + f), QPointF(r.right(), r.top() + f)}),
             QColor(200, 210, 226), kInk, 0.8);
  if (lines)
    for (double y = r.top() + f + 2; y < r.bottom() - 2; y += 2.6)
      Line(p, QPointF(r.left() + 2.5, y), QPointF(r.right() - 2.5 - (std::fmod(y, 3.0) > 1.5 ? 3 : 0), y), QColor(110, 130, 170), 0.9, Qt::FlatCap);
}

void Folder(QPainter& p, const QRectF& r, bool open) {
  const QColor back(226, 170, 50), front(252, 206, 90);
  QPainterPath rear = Polygon({QPointF(r.left(), r.top() + 2), QPointF(r.left() + r.width() * 0.38, r.top() + 2),
                               QPointF(r.left() + r.width() * 0.46, r.top() + 4.5), QPointF(r.right(), r.top() + 4.5),
                               r.bottomRight(), r.bottomLeft()});
  FillStroke(p, rear, back, Darker(back, 0.5), 1.0);
  if (open) {
    QPainterPath fr = Polygon({QPointF(r.left() + 3, r.top() + 8), QPointF(r.right() + 1.5, r.top() + 8),
                               QPointF(r.right() - 2, r.bottom()), QPointF(r.left(), r.bottom())});
    FillStroke(p, fr, VGrad(r.top() + 8, r.bottom(), Lighter(front, 0.3), front), Darker(back, 0.5), 1.0);
  } else {
    QPainterPath fr = RoundRect(QRectF(r.left(), r.top() + 7, r.width(), r.height() - 7), 1, 1, 1, 1);
    FillStroke(p, fr, VGrad(r.top() + 7, r.bottom(), Lighter(front, 0.3), front), Darker(back, 0.5), 1.0);
  }
}

void Floppy(QPainter& p, const QRectF& r, const QColor& body) {
  QPainterPath disk = Polygon({r.topLeft(), QPointF(r.right() - 3, r.top()), QPointF(r.right(), r.top() + 3),
                               r.bottomRight(), r.bottomLeft()});
  FillStroke(p, disk, VGrad(r.top(), r.bottom(), Lighter(body, 0.2), Darker(body, 0.2)), Darker(body, 0.6), 1.0);
  double w = r.width();
  QRectF shutter(r.left() + w * 0.25, r.top(), w * 0.5, r.height() * 0.34);
  p.fillRect(shutter, QColor(210, 216, 228));
  p.fillRect(QRectF(shutter.left() + shutter.width() * 0.6, shutter.top() + 1, shutter.width() * 0.22, shutter.height() - 2), QColor(70, 76, 90));
  QRectF label(r.left() + w * 0.15, r.top() + r.height() * 0.5, w * 0.7, r.height() * 0.45);
  p.fillRect(label, QColor(250, 250, 252));
  for (double y = label.top() + 2; y < label.bottom() - 1; y += 2.4)
    Line(p, QPointF(label.left() + 1.5, y), QPointF(label.right() - 1.5, y), QColor(150, 160, 190), 0.7, Qt::FlatCap);
}

void Pencil(QPainter& p, QPointF tip, double len, double angleDeg) {
  p.save();
  p.translate(tip);
  p.rotate(angleDeg);
  const double w = 3.2;
  p.fillPath(Polygon({QPointF(0, 0), QPointF(3.5, -w / 2), QPointF(3.5, w / 2)}), QColor(240, 210, 170));
  p.fillPath(Polygon({QPointF(0, 0), QPointF(1.3, -0.6), QPointF(1.3, 0.6)}), kInk);
  p.fillRect(QRectF(3.5, -w / 2, len - 6, w), VGrad(-w / 2, w / 2, QColor(255, 220, 80), QColor(220, 150, 20)));
  p.fillRect(QRectF(len - 2.5, -w / 2, 2.5, w), QColor(240, 130, 140));
  p.strokePath(Polygon({QPointF(0, 0), QPointF(3.5, -w / 2), QPointF(len, -w / 2), QPointF(len, w / 2), QPointF(3.5, w / 2)}),
               QPen(QColor(70, 50, 10), 0.8));
  p.restore();
}

void Plus(QPainter& p, QPointF c, double r) {
  FillStroke(p, Circle(c, r), RGrad(QPointF(c.x() - r * 0.3, c.y() - r * 0.3), r * 1.5, QColor(130, 230, 130), QColor(30, 150, 50)),
             QColor(10, 80, 20), 0.9);
  Line(p, QPointF(c.x() - r * 0.55, c.y()), QPointF(c.x() + r * 0.55, c.y()), QColor(255, 255, 255), r * 0.38, Qt::FlatCap);
  Line(p, QPointF(c.x(), c.y() - r * 0.55), QPointF(c.x(), c.y() + r * 0.55), QColor(255, 255, 255), r * 0.38, Qt::FlatCap);
}

void Globe(QPainter& p, QPointF c, double r) {
  FillStroke(p, Circle(c, r), RGrad(QPointF(c.x() - r * 0.4, c.y() - r * 0.4), r * 1.6, QColor(140, 200, 250), QColor(30, 90, 190)), kInk, 1.0);
  p.save();
  p.setClipPath(Circle(c, r));
  QPainterPath land = Blob({{c.x() - r * 0.4, c.y() - r * 0.05, r * 0.3, 0}, {c.x() - r * 0.2, c.y() + r * 0.35, r * 0.2, 0},
                            {c.x() + r * 0.5, c.y() - r * 0.2, r * 0.22, 0}, {c.x() + r * 0.35, c.y() + r * 0.5, r * 0.15, 0}});
  p.fillPath(land, QColor(90, 180, 100));
  p.strokePath(land, QPen(QColor(120, 150, 190), 0.6));
  p.fillRect(QRectF(c.x() - r, c.y() - r, 2 * r, r * 0.28), QColor(250, 252, 255));
  p.strokePath(Ellipse(c, r * 0.45, r), QPen(Alpha(QColor(255, 255, 255), 120), 0.7));
  Line(p, QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()), Alpha(QColor(255, 255, 255), 120), 0.7);
  p.restore();
}

void MapSheet(QPainter& p, const QRectF& r) {
  double w = r.width() / 3;
  for (int i = 0; i < 3; ++i) {
    QRectF f(r.left() + i * w, r.top() + (i % 2 ? 1.5 : 0), w, r.height() - 1.5);
    QPainterPath panel;
    panel.addRect(f);
    QColor c = i % 2 ? QColor(214, 236, 250) : QColor(236, 246, 255);
    FillStroke(p, panel, c, kInk, 0.9);
  }
  QPainterPath path;
  path.moveTo(r.left() + 2, r.bottom() - 3);
  path.cubicTo(r.left() + r.width() * 0.4, r.bottom() - 2, r.left() + r.width() * 0.3, r.top() + 3, r.right() - 3, r.top() + 3.5);
  p.strokePath(path, QPen(QColor(200, 60, 60), 1.1, Qt::DashLine));
  p.fillPath(Circle(QPointF(r.right() - 3, r.top() + 3.5), 1.6), QColor(200, 40, 40));
  p.fillPath(Polygon({QPointF(r.left() + 3, r.bottom() - 4), QPointF(r.left() + 7, r.top() + 5), QPointF(r.left() + 10, r.bottom() - 4)}),
             QColor(120, 140, 170));
}

void Door(QPainter& p, const QRectF& r) {
  QPainterPath frame;
  frame.addRect(r);
  FillStroke(p, frame, QColor(200, 200, 210), kInk, 1.0);
  QPainterPath door = Polygon({QPointF(r.left() + 1, r.top() + 1), QPointF(r.left() + r.width() * 0.62, r.top() + 2.5),
                               QPointF(r.left() + r.width() * 0.62, r.bottom() + 1), QPointF(r.left() + 1, r.bottom())});
  FillStroke(p, door, HGrad(r.left(), r.right(), QColor(190, 120, 60), QColor(120, 70, 30)), QColor(70, 40, 20), 1.0);
  p.fillPath(Circle(QPointF(r.left() + r.width() * 0.5, r.center().y() + 1), 0.9), col::kGold);
}

void ExitArrow(QPainter& p, QPointF from, double len) {
  QPainterPath a = Polygon({QPointF(from.x(), from.y() - 1.6), QPointF(from.x() + len - 4, from.y() - 1.6), QPointF(from.x() + len - 4, from.y() - 4.2),
                            QPointF(from.x() + len, from.y()), QPointF(from.x() + len - 4, from.y() + 4.2),
                            QPointF(from.x() + len - 4, from.y() + 1.6), QPointF(from.x(), from.y() + 1.6)});
  FillStroke(p, a, QColor(230, 60, 50), QColor(110, 20, 20), 0.9);
}

void Gear(QPainter& p, QPointF c, double r) {
  QPainterPath g;
  const int teeth = 8;
  for (int i = 0; i < teeth * 4; ++i) {
    double a = i * 2 * M_PI / (teeth * 4);
    double rr = (i % 4 == 0 || i % 4 == 1) ? r : r * 0.74;
    QPointF q(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
    i == 0 ? g.moveTo(q) : g.lineTo(q);
  }
  g.closeSubpath();
  g = g.subtracted(Circle(c, r * 0.32));
  FillStroke(p, g, RGrad(QPointF(c.x() - r * 0.3, c.y() - r * 0.3), r * 1.5, QColor(210, 216, 228), QColor(110, 118, 136)), kInk, 0.9);
}

void Sliders(QPainter& p) {
  p.fillPath(RoundRect(QRectF(2, 3, 20, 18), 2, 2, 2, 2), QColor(240, 244, 250));
  p.strokePath(RoundRect(QRectF(2, 3, 20, 18), 2, 2, 2, 2), QPen(kInk, 1.0));
  const double ys[3] = {7.5, 12, 16.5};
  const double ks[3] = {14, 8, 17};
  const QColor kc[3] = {QColor(230, 70, 60), QColor(60, 160, 80), QColor(60, 120, 220)};
  for (int i = 0; i < 3; ++i) {
    Line(p, QPointF(5, ys[i]), QPointF(19, ys[i]), QColor(120, 130, 150), 1.4);
    FillStroke(p, RoundRect(QRectF(ks[i] - 2, ys[i] - 2.2, 4, 4.4), 1, 1, 1, 1), kc[i], kInk, 0.8);
  }
}

void Magnifier(QPainter& p, QPointF c, double r) {
  Line(p, QPointF(c.x() + r * 0.7, c.y() + r * 0.7), QPointF(c.x() + r * 1.8, c.y() + r * 1.8), QColor(90, 60, 30), 2.4);
  FillStroke(p, Circle(c, r), QColor(200, 230, 255, 170), kInk, 1.4);
  p.fillPath(Ellipse(QPointF(c.x() - r * 0.3, c.y() - r * 0.35), r * 0.35, r * 0.22), QColor(255, 255, 255, 200));
}

void HelpBadge(QPainter& p, QPointF c, double r) {
  FillStroke(p, Circle(c, r), RGrad(QPointF(c.x() - r * 0.4, c.y() - r * 0.4), r * 1.6, QColor(120, 180, 255), QColor(20, 70, 190)), QColor(10, 30, 90), 1.0);
  Text(p, QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), "?", static_cast<int>(r * 1.5), QColor(255, 255, 255), true);
}

// Level toolbar, drawn on 24 x 24.
void LevelIcon(int n, QPainter& p) {
  switch (n) {
    case 1: Folder(p, QRectF(2, 4, 19, 16), true); break;
    case 2:
      Page(p, QRectF(4, 2, 14, 19));
      Sparkle(p, QPointF(10, 11), 4, QColor(250, 200, 40));
      Plus(p, QPointF(17.5, 17.5), 5);
      break;
    case 3:
      Page(p, QRectF(8, 1, 12, 15));
      Page(p, QRectF(5, 3.5, 12, 15));
      Page(p, QRectF(2, 6, 12, 15), true);
      Plus(p, QPointF(18, 18), 5);
      break;
    case 4: Floppy(p, QRectF(3, 3, 18, 18), QColor(50, 100, 200)); break;
    case 5:
      Floppy(p, QRectF(2, 2, 16, 16), QColor(50, 100, 200));
      Pencil(p, QPointF(12, 22), 13, -45);
      break;
    case 6: Sliders(p); break;
    case 7:
      Page(p, QRectF(3, 2, 14, 19), true);
      Magnifier(p, QPointF(15, 13), 4.2);
      break;
    case 8:
      Globe(p, QPointF(12, 12), 9.5);
      break;
    case 9: HelpBadge(p, QPointF(12, 12), 9.5); break;
    case 10:
      Door(p, QRectF(3, 3, 11, 18));
      ExitArrow(p, QPointF(10, 12), 12);
      break;
    default: break;
  }
}

// World toolbar, drawn on 24 x 24 and scaled to 32 x 32.
void WorldIcon(int n, QPainter& p) {
  switch (n) {
    case 1:
      MapSheet(p, QRectF(2, 3, 17, 14));
      Plus(p, QPointF(17, 17), 5.5);
      break;
    case 2:
      Folder(p, QRectF(2, 7, 19, 15), false);
      MapSheet(p, QRectF(6, 2, 13, 10));
      p.fillPath(Polygon({QPointF(2, 14), QPointF(21, 14), QPointF(21, 22), QPointF(2, 22)}), QColor(252, 206, 90));
      p.strokePath(Polygon({QPointF(2, 14), QPointF(21, 14), QPointF(21, 22), QPointF(2, 22)}), QPen(QColor(120, 80, 20), 1.0));
      break;
    case 3:
      Floppy(p, QRectF(3, 3, 18, 18), QColor(40, 140, 110));
      Globe(p, QPointF(12, 16), 3.4);
      break;
    case 4:
      Floppy(p, QRectF(2, 2, 16, 16), QColor(40, 140, 110));
      Globe(p, QPointF(10, 14), 3);
      Pencil(p, QPointF(12, 22), 13, -45);
      break;
    case 5:
      MapSheet(p, QRectF(2, 2, 17, 14));
      Gear(p, QPointF(16, 16), 6.5);
      break;
    case 6:
      Door(p, QRectF(3, 3, 11, 18));
      Globe(p, QPointF(8.5, 6.5), 3);
      ExitArrow(p, QPointF(10, 13), 12);
      break;
    default: break;
  }
}

}  // namespace

void DrawIcons(Sheet& out) {
  for (int n = 1; n <= 10; ++n) {
    QImage img = Blank(24, 24);
    {
      Painter p(&img);
      LevelIcon(n, p);
    }
    out.Put(Numbered("toolbar", "tb", n), img);
  }
  for (int n = 1; n <= 6; ++n) {
    QImage img = Blank(32, 32);
    {
      Painter p(&img);
      p.scale(32.0 / 24.0, 32.0 / 24.0);
      WorldIcon(n, p);
    }
    out.Put(Numbered("worldtoolbar", "wtb", n), img);
  }
}

}  // namespace pic
