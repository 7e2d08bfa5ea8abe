// Background scenes: the sample backgrounds of the game folder (640 x 480)
// and the background picker's start picture (the ocean at 160 x 120). Each
// scene is drawn in 640 x 480 units and scaled to the size asked for.
#include <cmath>

#include "Common.h"

namespace pic {
namespace {

QPainterPath Ridge(double y0, double amp, double period, double phase, double x0 = -10, double x1 = 650,
                   double bottom = 490, uint32_t seed = 1) {
  QPainterPath r;
  r.moveTo(x0, bottom);
  Rng rng(seed);
  double jag = 0;
  for (double x = x0; x <= x1; x += 8) {
    jag = jag * 0.6 + rng.Uniform(-1, 1) * amp * 0.25;
    double y = y0 - amp * std::sin((x + phase) * 2 * M_PI / period) - amp * 0.5 * std::sin((x + phase * 1.7) * 2 * M_PI / (period * 0.43)) + jag;
    r.lineTo(x, y);
  }
  r.lineTo(x1, bottom);
  r.closeSubpath();
  return r;
}

QPainterPath Floe(QPointF c, double w, double h, uint32_t seed) {
  Rng rng(seed);
  QPainterPath f;
  const int k = 9;
  for (int i = 0; i < k; ++i) {
    double a = i * 2 * M_PI / k;
    double r = rng.Uniform(0.75, 1.0);
    QPointF q(c.x() + w * r * std::cos(a), c.y() + h * r * std::sin(a));
    i == 0 ? f.moveTo(q) : f.lineTo(q);
  }
  f.closeSubpath();
  return f;
}

void DrawFloe(QPainter& p, QPointF c, double w, double h, uint32_t seed) {
  QPainterPath top = Floe(c, w, h, seed);
  QPainterPath side = top.translated(0, h * 0.7);
  p.fillPath(top.translated(0, h * 1.3), QColor(20, 60, 120, 70));
  p.fillPath(side.united(top), QColor(110, 180, 226));
  p.fillPath(top, VGrad(c.y() - h, c.y() + h, QColor(255, 255, 255), QColor(214, 234, 250)));
  p.strokePath(top, QPen(QColor(160, 200, 236), 1.0));
}

void Clouds(QPainter& p, double y, uint32_t seed, const QColor& c) {
  Rng rng(seed);
  for (int i = 0; i < 5; ++i) {
    double x = rng.Uniform(0, 640), yy = y + rng.Uniform(-30, 30), s = rng.Uniform(0.6, 1.3);
    QPainterPath cl = Blob({{x, yy, 22 * s, 0}, {x + 26 * s, yy - 10 * s, 28 * s, 0}, {x + 56 * s, yy, 22 * s, 0}, {x + 28 * s, yy + 8 * s, 20 * s, 0}});
    p.fillPath(cl, c);
  }
}

void Firs(QPainter& p, double baseY, double minH, double maxH, double step, const QColor& c, uint32_t seed, bool snow) {
  Rng rng(seed);
  for (double x = -10; x < 660; x += step * rng.Uniform(0.6, 1.4)) {
    double h = rng.Uniform(minH, maxH);
    double w = h * 0.32;
    double y = baseY + rng.Uniform(-4, 4);
    QPainterPath t;
    t.moveTo(x, y - h);
    for (int k = 1; k <= 4; ++k) {
      double yy = y - h + h * k / 4.0;
      double ww = w * k / 4.0;
      t.lineTo(x + ww, yy);
      if (k < 4) t.lineTo(x + ww * 0.45, yy);
    }
    for (int k = 4; k >= 1; --k) {
      double yy = y - h + h * k / 4.0;
      double ww = w * k / 4.0;
      if (k < 4) t.lineTo(x - ww * 0.45, yy);
      t.lineTo(x - ww, yy);
    }
    t.closeSubpath();
    p.fillPath(t, c);
    if (snow) {
      for (int k = 1; k <= 3; ++k) {
        double yy = y - h + h * k / 4.0;
        double ww = w * k / 4.0;
        p.fillPath(Ellipse(QPointF(x + ww * 0.2, yy - 2), ww * 0.6, 2.2), QColor(240, 248, 255, 220));
      }
    }
  }
}

}  // namespace

QImage DrawOcean(int w, int h) {
  QImage img = Blank(w, h);
  Painter p(&img);
  p.scale(w / 640.0, h / 480.0);
  p.fillRect(QRectF(0, 0, 640, 250), VGrad(0, 250, QColor(70, 140, 220), QColor(200, 228, 250)));
  p.fillPath(Circle(QPointF(500, 80), 60), RGrad(QPointF(500, 80), 60, QColor(255, 252, 220, 200), QColor(255, 252, 220, 0)));
  p.fillPath(Circle(QPointF(500, 80), 22), QColor(255, 252, 230));
  Clouds(p, 90, 11, QColor(255, 255, 255, 200));
  // A distant iceberg on the horizon.
  p.fillPath(Polygon({QPointF(60, 250), QPointF(90, 200), QPointF(112, 214), QPointF(140, 180), QPointF(178, 226), QPointF(200, 250)}),
             VGrad(180, 250, QColor(240, 248, 255), QColor(170, 206, 236)));
  p.fillRect(QRectF(0, 248, 640, 232), VGrad(248, 480, QColor(70, 150, 210), QColor(20, 70, 140)));
  Rng rng(5);
  for (int i = 0; i < 70; ++i) {
    double y = 256 + std::pow(rng.Uniform(0, 1), 1.6) * 220;
    double x = rng.Uniform(0, 640);
    double len = 6 + (y - 250) * 0.12;
    Line(p, QPointF(x, y), QPointF(x + len, y), QColor(200, 230, 255, 120), 1.0 + (y - 250) / 160);
  }
  // Ice floes, larger toward the viewer.
  struct F { double x, y, w, h; };
  for (F f : {F{520, 270, 40, 6}, F{300, 285, 60, 9}, F{120, 300, 50, 8}, F{430, 320, 90, 14}, F{200, 370, 120, 18},
              F{560, 400, 80, 14}, F{60, 430, 110, 20}, F{380, 450, 150, 24}})
    DrawFloe(p, QPointF(f.x, f.y), f.w, f.h, static_cast<uint32_t>(f.x + f.y));
  return img;
}

QImage DrawArctis(int w, int h) {
  QImage img = Blank(w, h);
  Painter p(&img);
  p.scale(w / 640.0, h / 480.0);
  QLinearGradient sky(0, 0, 0, 300);
  sky.setColorAt(0, QColor(110, 130, 190));
  sky.setColorAt(0.6, QColor(230, 190, 200));
  sky.setColorAt(1, QColor(255, 214, 170));
  p.fillRect(QRectF(0, 0, 640, 300), sky);
  p.fillPath(Circle(QPointF(180, 280), 90), RGrad(QPointF(180, 280), 90, QColor(255, 220, 150, 220), QColor(255, 220, 150, 0)));
  p.fillPath(Circle(QPointF(180, 280), 34), QColor(255, 236, 190));
  // Icebergs on the sea line.
  p.fillRect(QRectF(0, 290, 640, 40), VGrad(290, 330, QColor(110, 130, 180), QColor(80, 100, 160)));
  p.fillPath(Polygon({QPointF(360, 300), QPointF(380, 250), QPointF(410, 236), QPointF(430, 262), QPointF(470, 270), QPointF(490, 300)}),
             VGrad(236, 300, QColor(250, 240, 246), QColor(176, 176, 214)));
  p.fillPath(Polygon({QPointF(540, 300), QPointF(560, 276), QPointF(600, 272), QPointF(620, 300)}), QColor(220, 214, 234));
  Line(p, QPointF(90, 305), QPointF(270, 305), QColor(255, 230, 190, 200), 2.0);
  // The ice shelf.
  QPainterPath shelf = Ridge(330, 6, 300, 40, -10, 650, 490, 3);
  p.fillPath(shelf, VGrad(320, 480, QColor(250, 246, 250), QColor(200, 210, 236)));
  p.fillPath(Ridge(332, 4, 300, 40, -10, 650, 344, 3), QColor(150, 160, 210, 120));
  Rng rng(21);
  for (int i = 0; i < 12; ++i) {
    double y = rng.Uniform(360, 470), x = rng.Uniform(0, 600);
    QPainterPath crack;
    crack.moveTo(x, y);
    for (int k = 0; k < 4; ++k) crack.lineTo(x + (k + 1) * rng.Uniform(10, 22), y + rng.Uniform(-4, 4));
    p.strokePath(crack, QPen(QColor(160, 170, 214, 160), 1.2));
  }
  // Pressure ridges in front.
  p.fillPath(Polygon({QPointF(0, 480), QPointF(40, 420), QPointF(70, 440), QPointF(110, 400), QPointF(150, 450), QPointF(190, 480)}),
             VGrad(400, 480, QColor(240, 244, 252), QColor(170, 186, 226)));
  p.fillPath(Polygon({QPointF(470, 480), QPointF(520, 430), QPointF(560, 446), QPointF(600, 416), QPointF(640, 440), QPointF(640, 480)}),
             VGrad(416, 480, QColor(240, 244, 252), QColor(170, 186, 226)));
  return img;
}

QImage DrawMountains(int w, int h) {
  QImage img = Blank(w, h);
  Painter p(&img);
  p.scale(w / 640.0, h / 480.0);
  p.fillRect(QRectF(0, 0, 640, 480), VGrad(0, 360, QColor(50, 110, 200), QColor(190, 220, 248)));
  Clouds(p, 70, 33, QColor(255, 255, 255, 170));
  struct Layer { double y, amp, period, phase; QColor c; uint32_t seed; };
  const Layer layers[] = {{230, 70, 360, 10, QColor(150, 170, 210), 1}, {290, 60, 280, 140, QColor(110, 130, 180), 2}, {350, 45, 220, 60, QColor(80, 100, 150), 3}};
  for (const Layer& L : layers) {
    QPainterPath r = Ridge(L.y, L.amp, L.period, L.phase, -10, 650, 490, L.seed);
    p.fillPath(r, L.c);
    // Snow above a line on each ridge.
    p.save();
    p.setClipPath(r);
    p.fillRect(QRectF(0, 0, 640, L.y - L.amp * 0.4), QColor(245, 250, 255, 235));
    p.fillRect(QRectF(0, L.y - L.amp * 0.4, 640, 24), VGrad(L.y - L.amp * 0.4, L.y - L.amp * 0.4 + 24, QColor(245, 250, 255, 200), QColor(245, 250, 255, 0)));
    p.restore();
    p.fillRect(QRectF(0, 0, 640, 480), QColor(200, 220, 245, 40));
  }
  Firs(p, 410, 30, 60, 22, QColor(30, 70, 70), 9, true);
  QPainterPath valley = Ridge(420, 8, 500, 0, -10, 650, 490, 4);
  p.fillPath(valley, VGrad(400, 480, QColor(250, 252, 255), QColor(200, 218, 240)));
  Firs(p, 478, 50, 90, 60, QColor(20, 56, 50), 12, true);
  return img;
}

QImage DrawAurora(int w, int h) {
  QImage img = Blank(w, h);
  Painter p(&img);
  p.scale(w / 640.0, h / 480.0);
  p.fillRect(QRectF(0, 0, 640, 480), VGrad(0, 420, QColor(6, 10, 34), QColor(24, 44, 90)));
  Rng rng(77);
  for (int i = 0; i < 180; ++i) {
    QPointF s(rng.Uniform(0, 640), std::pow(rng.Uniform(0, 1), 1.3) * 360);
    double r = rng.Uniform(0.4, 1.4);
    p.fillPath(Circle(s, r), QColor(255, 255, 255, static_cast<int>(rng.Uniform(120, 255))));
  }
  // Aurora curtains: vertical strokes along two wavy bands.
  for (int band = 0; band < 2; ++band) {
    for (double x = -20; x < 660; x += 2) {
      double base = (band == 0 ? 170 : 230) + 40 * std::sin(x / 90.0 + band * 2) + 18 * std::sin(x / 33.0 + band);
      double len = 60 + 40 * std::sin(x / 47.0 + band * 1.3) + 30;
      QColor top = band == 0 ? QColor(110, 255, 170, 0) : QColor(190, 110, 255, 0);
      QColor bot = band == 0 ? QColor(110, 255, 170, 60) : QColor(190, 110, 255, 44);
      QLinearGradient g(0, base - len, 0, base);
      g.setColorAt(0, top);
      g.setColorAt(0.85, bot);
      g.setColorAt(1, Alpha(bot, 0));
      p.fillRect(QRectF(x, base - len, 2.2, len), g);
    }
  }
  p.fillPath(Circle(QPointF(520, 70), 26), QColor(250, 248, 230));
  p.fillPath(Circle(QPointF(531, 64), 24), QColor(12, 18, 46));
  p.fillPath(Ridge(380, 30, 420, 80, -10, 650, 490, 5), QColor(30, 44, 80));
  p.fillPath(Ridge(420, 18, 300, 20, -10, 650, 490, 6), VGrad(400, 480, QColor(120, 140, 190), QColor(60, 76, 120)));
  Firs(p, 452, 30, 70, 50, QColor(10, 20, 36), 14, false);
  // Lit igloo windows far away.
  p.fillPath(Ellipse(QPointF(300, 424), 22, 16).intersected([] { QPainterPath q; q.addRect(0, 0, 640, 424); return q; }()), QColor(150, 170, 214));
  p.fillPath(Ellipse(QPointF(300, 424), 6, 8).intersected([] { QPainterPath q; q.addRect(0, 0, 640, 424); return q; }()), QColor(255, 210, 120));
  return img;
}

QImage DrawSnowfield(int w, int h) {
  QImage img = Blank(w, h);
  Painter p(&img);
  p.scale(w / 640.0, h / 480.0);
  p.fillRect(QRectF(0, 0, 640, 480), VGrad(0, 300, QColor(150, 196, 240), QColor(232, 242, 252)));
  Clouds(p, 60, 5, QColor(255, 255, 255, 220));
  p.fillPath(Ridge(270, 20, 520, 100, -10, 650, 490, 7), QColor(200, 216, 240));
  Firs(p, 280, 18, 34, 14, QColor(80, 120, 130), 31, false);
  p.fillPath(Ridge(320, 26, 640, 300, -10, 650, 490, 8), VGrad(290, 480, QColor(252, 254, 255), QColor(214, 228, 246)));
  Firs(p, 330, 36, 70, 90, QColor(30, 90, 70), 41, true);
  p.fillPath(Ridge(400, 14, 400, 50, -10, 650, 490, 9), VGrad(380, 480, QColor(255, 255, 255), QColor(206, 222, 244)));
  // A fence across the field.
  for (double x = 20; x < 640; x += 46) {
    double y = 412 + 6 * std::sin(x / 80);
    p.fillRect(QRectF(x, y - 30, 6, 34), QColor(120, 84, 50));
    p.fillPath(Ellipse(QPointF(x + 3, y - 30), 5, 2.5), QColor(255, 255, 255));
  }
  for (double yo : {-22.0, -10.0}) {
    QPainterPath rail;
    for (double x = 0; x <= 640; x += 8) {
      double y = 412 + 6 * std::sin(x / 80) + yo;
      x == 0 ? rail.moveTo(x, y) : rail.lineTo(x, y);
    }
    p.strokePath(rail, QPen(QColor(140, 100, 62), 4));
  }
  Rng rng(99);
  for (int i = 0; i < 140; ++i) {
    QPointF s(rng.Uniform(0, 640), rng.Uniform(0, 480));
    p.fillPath(Circle(s, rng.Uniform(1.0, 2.6)), QColor(255, 255, 255, 210));
  }
  return img;
}

}  // namespace pic
