// Bad guys (badguys/badguy_NNN.png) and the single pictures (single/*.png).
#include <cmath>

#include "Common.h"

namespace pic {
namespace {

void Feet(QPainter& p, double y, double x1, double x2, const QColor& c) {
  FillStroke(p, Ellipse(QPointF(x1, y), 4.6, 2.4), c, col::kOutline, 0.8);
  FillStroke(p, Ellipse(QPointF(x2, y), 4.6, 2.4), c, col::kOutline, 0.8);
}

void SpikyBody(QPainter& p, QPointF c, double r, int spikes, double len) {
  QPainterPath s;
  for (int i = 0; i < spikes * 2; ++i) {
    double a = -M_PI / 2 + i * M_PI / spikes;
    double rr = (i % 2 == 0) ? r + len : r - 0.5;
    QPointF q(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
    i == 0 ? s.moveTo(q) : s.lineTo(q);
  }
  s.closeSubpath();
  FillStroke(p, s, QColor(236, 246, 255), col::kIceLine, 1.0);
  FillStroke(p, Circle(c, r), RGrad(QPointF(c.x() - r * 0.4, c.y() - r * 0.4), r * 1.6, QColor(230, 110, 190), QColor(130, 40, 120)),
             QColor(60, 16, 60), 1.1);
}

QImage BadGuy(int n) {
  QImage img = Blank(32, 32);
  Painter p(&img);
  switch (n) {
    case 1: DrawSnowball(p, QRectF(0, 0, 32, 32), true); break;
    case 2: {
      // Bouncing Ball: a happy snowball in mid-bounce over its landing marks.
      for (int i = 0; i < 3; ++i) {
        QPainterPath arc;
        arc.moveTo(8 + i * 2, 29 - i * 1.5);
        arc.quadTo(16, 31.5 - i * 1.5, 24 - i * 2, 29 - i * 1.5);
        p.strokePath(arc, QPen(Alpha(QColor(140, 200, 255), 230 - i * 60), 1.4, Qt::SolidLine, Qt::RoundCap));
      }
      QPainterPath ball = Ellipse(QPointF(16, 13), 12.5, 11.5);
      FillStroke(p, ball, RGrad(QPointF(11, 8), 18, QColor(255, 255, 255), QColor(170, 200, 232)), col::kSnowLine, 1.2);
      p.save();
      p.setClipPath(ball);
      p.fillRect(QRectF(0, 15, 32, 3), QColor(70, 150, 240));
      p.restore();
      Eye(p, QPointF(11.5, 10), 2.8, 3.6, QPointF(0.2, -0.4));
      Eye(p, QPointF(20.5, 10), 2.8, 3.6, QPointF(0.2, -0.4));
      QPainterPath grin;
      grin.moveTo(10.5, 19.5);
      grin.quadTo(16, 25, 21.5, 19.5);
      grin.closeSubpath();
      FillStroke(p, grin, QColor(160, 40, 60), col::kOutline, 1.0);
      Line(p, QPointF(3, 6), QPointF(1, 3), QColor(120, 180, 240), 1.2);
      Line(p, QPointF(29, 6), QPointF(31, 3), QColor(120, 180, 240), 1.2);
      break;
    }
    case 3: {
      // Mr. IceBlock.
      Feet(p, 29, 10, 22, QColor(40, 90, 150));
      QPainterPath b = RoundRect(QRectF(3, 4, 26, 24), 4, 4, 4, 4);
      FillStroke(p, b, DGrad(QPointF(3, 4), QPointF(29, 28), QColor(220, 248, 255), QColor(80, 170, 228)), col::kIceLine, 1.3);
      p.save();
      p.setClipPath(b);
      p.fillPath(Polygon({QPointF(6, 4), QPointF(12, 4), QPointF(3, 13), QPointF(3, 7)}), Alpha(QColor(255, 255, 255), 170));
      p.restore();
      p.fillRect(QRectF(4, 3.5, 24, 2.5), col::kSnow);
      Eye(p, QPointF(11, 14), 3, 3.6, QPointF(0.5, 0.3));
      Eye(p, QPointF(21, 14), 3, 3.6, QPointF(0.5, 0.3));
      Brow(p, QPointF(11, 9.5), 3.6, true, 0.4, 1.8);
      Brow(p, QPointF(21, 9.5), 3.6, false, 0.4, 1.8);
      Line(p, QPointF(12, 22), QPointF(20, 21), col::kOutline, 1.4);
      break;
    }
    case 4: {
      // Flying Snow Ball: a propeller cap and little wings.
      for (int s = -1; s <= 1; s += 2) {
        QPainterPath wing;
        wing.moveTo(16 + s * 9, 16);
        wing.cubicTo(16 + s * 17, 8, 16 + s * 16, 18, 16 + s * 15, 21);
        wing.closeSubpath();
        FillStroke(p, wing, QColor(230, 240, 255), col::kSnowLine, 0.9);
      }
      FillStroke(p, Circle(QPointF(16, 19), 10), RGrad(QPointF(12, 15), 15, QColor(255, 255, 255), QColor(176, 204, 232)), col::kSnowLine, 1.2);
      FillStroke(p, Ellipse(QPointF(16, 9.5), 5, 2.5), col::kRed, Darker(col::kRed, 0.5), 0.9);
      Line(p, QPointF(16, 7), QPointF(16, 4), QColor(80, 80, 90), 1.4);
      FillStroke(p, Ellipse(QPointF(10, 3.5), 6, 1.6), QColor(250, 210, 60), QColor(120, 90, 20), 0.8);
      FillStroke(p, Ellipse(QPointF(22, 3.5), 6, 1.6), QColor(250, 210, 60), QColor(120, 90, 20), 0.8);
      Eye(p, QPointF(12.5, 18), 2.4, 3.1, QPointF(0, 0.4));
      Eye(p, QPointF(19.5, 18), 2.4, 3.1, QPointF(0, 0.4));
      Brow(p, QPointF(12.5, 14), 2.8, true, 0.5, 1.5);
      Brow(p, QPointF(19.5, 14), 2.8, false, 0.5, 1.5);
      Line(p, QPointF(14, 24.5), QPointF(18, 24.5), col::kOutline, 1.2);
      break;
    }
    case 5: {
      // Spikey.
      Feet(p, 29, 10, 22, QColor(90, 30, 80));
      SpikyBody(p, QPointF(16, 16), 9.5, 9, 4.5);
      Eye(p, QPointF(12.5, 15), 2.5, 3, QPointF(0.3, 0.4));
      Eye(p, QPointF(19.5, 15), 2.5, 3, QPointF(0.3, 0.4));
      Brow(p, QPointF(12.5, 11), 2.8, true, 0.6, 1.6);
      Brow(p, QPointF(19.5, 11), 2.8, false, 0.6, 1.6);
      p.fillPath(Polygon({QPointF(13, 20.5), QPointF(19, 20.5), QPointF(16, 23)}), QColor(255, 255, 255));
      break;
    }
    case 6: {
      // Bouncing Spikey: a spikey on a spring.
      QPainterPath coil;
      coil.moveTo(12, 31);
      for (int i = 1; i <= 6; ++i) coil.lineTo(i % 2 ? 21 : 11, 31 - i * 1.6);
      p.strokePath(coil, QPen(QColor(70, 76, 90), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.strokePath(coil, QPen(QColor(200, 206, 220), 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      SpikyBody(p, QPointF(16, 12), 7.5, 8, 3.8);
      Eye(p, QPointF(13, 11), 2.1, 2.7, QPointF(0, -0.5));
      Eye(p, QPointF(19, 11), 2.1, 2.7, QPointF(0, -0.5));
      Brow(p, QPointF(13, 7.8), 2.3, true, 0.6, 1.4);
      Brow(p, QPointF(19, 7.8), 2.3, false, 0.6, 1.4);
      Line(p, QPointF(2, 24), QPointF(5, 21), QColor(250, 210, 60), 1.3);
      Line(p, QPointF(30, 24), QPointF(27, 21), QColor(250, 210, 60), 1.3);
      break;
    }
    case 7: {
      // Mr. Bomb.
      Feet(p, 29, 10, 22, col::kOrange);
      FillStroke(p, Circle(QPointF(15, 17), 11), RGrad(QPointF(11, 12), 16, QColor(90, 96, 120), QColor(20, 22, 30)), QColor(0, 0, 0), 1.1);
      p.fillPath(Ellipse(QPointF(10.5, 11), 3, 2), Alpha(QColor(255, 255, 255), 110));
      p.save();
      p.translate(22, 8);
      p.rotate(40);
      FillStroke(p, QPainterPath([] { QPainterPath q; q.addRect(-3, -2.5, 6, 5); return q; }()), QColor(130, 136, 150), QColor(30, 30, 36), 0.8);
      p.restore();
      QPainterPath fuse;
      fuse.moveTo(24, 5.5);
      fuse.quadTo(26, 1, 29, 2.5);
      p.strokePath(fuse, QPen(QColor(200, 170, 110), 1.4));
      Star(p, QPointF(29, 2.5), 3, QColor(255, 230, 80), QColor(230, 90, 20), 6, 0.4);
      Eye(p, QPointF(11, 17), 2.6, 3.2, QPointF(0.4, 0.3));
      Eye(p, QPointF(19, 17), 2.6, 3.2, QPointF(0.4, 0.3));
      Brow(p, QPointF(11, 12.6), 3, true, 0.6, 1.8);
      Brow(p, QPointF(19, 12.6), 3, false, 0.6, 1.8);
      // Brows need to show on black: white outline under them.
      Line(p, QPointF(8, 11.8), QPointF(14, 15.4), QColor(255, 255, 255, 160), 0.6);
      Line(p, QPointF(22, 11.8), QPointF(16, 15.4), QColor(255, 255, 255, 160), 0.6);
      break;
    }
    case 8: {
      // Fire Ball.
      QPainterPath f;
      f.moveTo(16, 31);
      f.cubicTo(5, 31, 2, 22, 6, 15);
      f.cubicTo(7, 19, 9, 20, 10, 19);
      f.cubicTo(8, 12, 12, 6, 15, 1);
      f.cubicTo(16, 7, 19, 9, 20, 5);
      f.cubicTo(23, 9, 22, 13, 21, 16);
      f.cubicTo(23, 15, 25, 13, 26, 10);
      f.cubicTo(31, 18, 29, 31, 16, 31);
      FillStroke(p, f, VGrad(1, 31, QColor(255, 220, 60), QColor(235, 70, 20)), QColor(150, 30, 10), 1.1);
      QPainterPath inner;
      inner.moveTo(16, 29);
      inner.cubicTo(9, 29, 8, 22, 11, 18);
      inner.cubicTo(13, 21, 15, 16, 17, 12);
      inner.cubicTo(19, 17, 24, 19, 22, 25);
      inner.cubicTo(21, 28, 19, 29, 16, 29);
      p.fillPath(inner, QColor(255, 245, 170));
      Eye(p, QPointF(13, 22), 2.2, 2.8, QPointF(0.3, 0.2));
      Eye(p, QPointF(19.5, 22), 2.2, 2.8, QPointF(0.3, 0.2));
      Brow(p, QPointF(13, 18.5), 2.5, true, 0.6, 1.4);
      Brow(p, QPointF(19.5, 18.5), 2.5, false, 0.6, 1.4);
      break;
    }
    case 9: {
      // Stalactite: an angry icicle hanging from a rock.
      p.fillRect(QRectF(2, 0, 28, 4), col::kStoneDark);
      QPainterPath rock = Polygon({QPointF(1, 0), QPointF(31, 0), QPointF(29, 5), QPointF(3, 5)});
      FillStroke(p, rock, col::kStone, col::kStoneDark, 0.9);
      QPainterPath ice;
      ice.moveTo(5, 5);
      ice.lineTo(27, 5);
      ice.cubicTo(25, 14, 20, 22, 16, 31);
      ice.cubicTo(12, 22, 7, 14, 5, 5);
      FillStroke(p, ice, HGrad(5, 27, QColor(240, 252, 255), QColor(100, 180, 232)), col::kIceLine, 1.2);
      Line(p, QPointF(10, 7), QPointF(14, 21), Alpha(QColor(255, 255, 255), 200), 1.2);
      Eye(p, QPointF(12.5, 11), 2.5, 3, QPointF(0, 0.5));
      Eye(p, QPointF(19.5, 11), 2.5, 3, QPointF(0, 0.5));
      Brow(p, QPointF(12.5, 7.2), 2.8, true, 0.6, 1.6);
      Brow(p, QPointF(19.5, 7.2), 2.8, false, 0.6, 1.6);
      Line(p, QPointF(14, 17), QPointF(18, 17), col::kOutline, 1.3);
      break;
    }
    case 10: {
      // Fish: jumping upward, body curved.
      const QColor body(60, 130, 220);
      p.save();
      p.translate(16, 16);
      p.rotate(-60);
      QPainterPath tail = Polygon({QPointF(-8, 0), QPointF(-15, -7), QPointF(-13, 0), QPointF(-15, 7)});
      FillStroke(p, tail, Darker(body, 0.1), Darker(body, 0.55), 1.0);
      QPainterPath f;
      f.moveTo(14, 1);
      f.cubicTo(10, -9, -6, -9, -10, 0);
      f.cubicTo(-6, 8, 10, 9, 14, 1);
      FillStroke(p, f, VGrad(-8, 8, QColor(150, 200, 255), body), Darker(body, 0.55), 1.0);
      p.fillPath(Polygon({QPointF(-1, -7), QPointF(4, -12), QPointF(5, -7)}), Darker(body, 0.2));
      p.fillPath(Ellipse(QPointF(2, 4), 7, 2.5), QColor(230, 240, 255));
      QPainterPath mouth;
      mouth.moveTo(14, 1);
      mouth.lineTo(10, 2.5);
      p.strokePath(mouth, QPen(col::kOutline, 1.0));
      p.restore();
      // Eye upright (not rotated) near the head.
      Eye(p, QPointF(20, 9), 2.6, 2.9, QPointF(0.4, -0.3));
      Brow(p, QPointF(20, 5.6), 2.6, false, 0.5, 1.4);
      for (QPointF d : {QPointF(5, 27), QPointF(9, 30), QPointF(26, 28)})
        FillStroke(p, Circle(d, 1.3), QColor(160, 210, 255), QColor(60, 120, 200), 0.6);
      break;
    }
    default: break;
  }
  return img;
}

// ------------------------------------------------------------ singles
QImage ResetMarker() {
  QImage img = Blank(32, 32);
  Painter p(&img);
  p.fillPath(Circle(QPointF(16, 16), 14), QColor(40, 200, 90, 80));
  p.strokePath(Circle(QPointF(16, 16), 14), QPen(QColor(20, 150, 60, 230), 2.4));
  p.strokePath(Circle(QPointF(16, 16), 14), QPen(QColor(255, 255, 255, 200), 0.8, Qt::DashLine));
  Line(p, QPointF(12, 7), QPointF(12, 25), QColor(255, 255, 255, 240), 2.0);
  FillStroke(p, Polygon({QPointF(13, 7), QPointF(24, 11), QPointF(13, 15)}), QColor(40, 200, 90, 230), QColor(255, 255, 255, 240), 1.0);
  FillStroke(p, Ellipse(QPointF(12, 25.5), 4.5, 1.6), QColor(255, 255, 255, 160), QColor(20, 150, 60, 200), 0.8);
  return img;
}

QImage ZunboIcon() {
  QImage img = Blank(32, 32);
  Painter p(&img);
  DrawZunbo(p, QRectF(12, 2, 19, 29.4));
  // Pointer arrow; its tip is the hot spot at (0, 0).
  QPainterPath arrow = Polygon({QPointF(0, 0), QPointF(0, 13), QPointF(3.2, 10), QPointF(5.6, 15), QPointF(7.8, 14),
                                QPointF(5.5, 9.2), QPointF(9.5, 9.2)});
  FillStroke(p, arrow, QColor(255, 255, 255), QColor(0, 0, 0), 1.0);
  p.fillRect(QRectF(0, 0, 1, 1), QColor(0, 0, 0));
  return img;
}

QImage PngPlaceholder() {
  QImage img = Blank(640, 480);
  Painter p(&img);
  p.fillRect(img.rect(), VGrad(0, 480, QColor(206, 222, 240), QColor(170, 192, 220)));
  QRectF card(70, 90, 500, 300);
  p.fillPath(RoundRect(card.translated(6, 8), 24, 24, 24, 24), QColor(60, 80, 120, 80));
  FillStroke(p, RoundRect(card, 24, 24, 24, 24), QColor(250, 252, 255), QColor(90, 120, 170), 3);
  // A picture symbol with a cross.
  QRectF pic(270, 120, 100, 76);
  FillStroke(p, RoundRect(pic, 8, 8, 8, 8), VGrad(pic.top(), pic.bottom(), QColor(150, 200, 245), QColor(220, 236, 250)),
             QColor(90, 120, 170), 3);
  p.fillPath(Polygon({QPointF(280, 188), QPointF(305, 150), QPointF(325, 175), QPointF(340, 160), QPointF(360, 188)}), QColor(250, 252, 255));
  p.fillPath(Circle(QPointF(350, 140), 8), QColor(250, 210, 80));
  Line(p, QPointF(262, 112), QPointF(378, 204), QColor(210, 50, 50), 7);
  Text(p, QRectF(card.left(), 210, card.width(), 50), "PNG pictures cannot be", 32, QColor(30, 40, 70), true);
  Text(p, QRectF(card.left(), 250, card.width(), 50), "previewed here", 32, QColor(30, 40, 70), true);
  Text(p, QRectF(card.left() + 20, 310, card.width() - 40, 60),
       "The picture can still be chosen as the level's background.", 18, QColor(70, 90, 130), false,
       Qt::AlignCenter | Qt::TextWordWrap);
  return img;
}

QImage SelectionMark(bool link) {
  QImage img = Blank(16, 16);
  Painter p(&img);
  if (!link) {
    QPainterPath tri = Polygon({QPointF(3, 2), QPointF(14, 8), QPointF(3, 14)});
    FillStroke(p, tri, HGrad(3, 14, QColor(255, 240, 120), QColor(240, 170, 20)), QColor(90, 60, 0), 1.2);
  } else {
    QPainterPath arrow = Polygon({QPointF(1, 6), QPointF(8, 6), QPointF(8, 2.5), QPointF(15, 8), QPointF(8, 13.5), QPointF(8, 10), QPointF(1, 10)});
    FillStroke(p, arrow, HGrad(1, 15, QColor(140, 240, 160), QColor(30, 160, 70)), QColor(10, 70, 30), 1.1);
  }
  return img;
}

QImage WorldBlank() {
  QImage img = Blank(32, 32);
  Painter p(&img);
  p.fillRect(img.rect(), QColor(10, 12, 20));
  p.fillRect(QRectF(0, 0, 32, 1), QColor(34, 38, 52));
  p.fillRect(QRectF(0, 0, 1, 32), QColor(34, 38, 52));
  return img;
}

QImage WorldZunbo() {
  QImage img = Blank(32, 32);
  Painter p(&img);
  p.fillPath(Ellipse(QPointF(16, 29), 9, 2.6), QColor(0, 20, 60, 90));
  DrawZunbo(p, QRectF(6.5, 0, 19.4, 30));
  return img;
}

QImage AppIcon() {
  QImage img = Blank(64, 64);
  Painter p(&img);
  QRectF r(2, 2, 60, 60);
  FillStroke(p, RoundRect(r, 12, 12, 12, 12), DGrad(r.topLeft(), r.bottomRight(), QColor(130, 210, 250), QColor(30, 90, 180)),
             QColor(16, 50, 110), 2);
  p.save();
  p.setClipPath(RoundRect(r, 12, 12, 12, 12));
  p.fillRect(QRectF(0, 48, 64, 16), VGrad(48, 64, col::kSnow, col::kSnowShade));
  Snowflake(p, QPointF(50, 14), 7, QColor(255, 255, 255, 170), 1.4);
  p.restore();
  DrawZunbo(p, QRectF(10, 6, 30.5, 47));
  // Pencil (the editor).
  p.save();
  p.translate(48, 44);
  p.rotate(-45);
  p.fillRect(QRectF(-4, -14, 8, 20), HGrad(-4, 4, QColor(255, 210, 70), QColor(220, 150, 20)));
  p.fillRect(QRectF(-4, -18, 8, 4), QColor(240, 130, 140));
  p.fillPath(Polygon({QPointF(-4, 6), QPointF(4, 6), QPointF(0, 13)}), QColor(240, 210, 170));
  p.fillPath(Polygon({QPointF(-1.4, 10.6), QPointF(1.4, 10.6), QPointF(0, 13)}), QColor(30, 30, 30));
  p.strokePath([] { QPainterPath q; q.addRect(-4, -18, 8, 24); return q; }(), QPen(QColor(60, 40, 10), 1));
  p.restore();
  return img;
}

}  // namespace

void DrawBadGuys(Sheet& out) {
  for (int n = 1; n <= 10; ++n) out.Put(Numbered("badguys", "badguy", n), BadGuy(n));
}

void DrawSingles(Sheet& out) {
  out.Put("single/reset.png", ResetMarker());
  QImage z = Blank(42, 65);
  {
    Painter p(&z);
    DrawZunbo(p, QRectF(0, 0, 42, 65));
  }
  out.Put("single/zunbo.png", z);
  out.Put("single/zunbo_icon.png", ZunboIcon());
  out.Put("single/background_start.png", DrawOcean(160, 120));
  out.Put("single/png_placeholder.png", PngPlaceholder());
  out.Put("single/zbg_snowball.png", BadGuy(1));
  out.Put("single/selection_mark.png", SelectionMark(false));
  out.Put("single/link_selection_mark.png", SelectionMark(true));
  out.Put("single/world_blank.png", WorldBlank());
  out.Put("single/world_zunbo.png", WorldZunbo());
  out.Put("single/app_icon.png", AppIcon());
}

}  // namespace pic
