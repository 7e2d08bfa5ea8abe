#include "leveleditor/MapOverlay.h"

#include <QPainter>

namespace yv {

MapOverlay::MapOverlay(QWidget* parent, const QRect& mapArea) : QWidget(parent), mapArea_(mapArea) {
  setGeometry(mapArea);
  hide();
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setAttribute(Qt::WA_TranslucentBackground);
}

void MapOverlay::Clear() { items_.clear(); }

void MapOverlay::Add(QPoint windowPos, const QPixmap& picture) { items_.push_back({windowPos, picture}); }

void MapOverlay::Done() {
  if (items_ == shown_) return;
  shown_ = items_;
  // The overlay covers only the pictures it draws, so the cells elsewhere
  // repaint without compositing a see-through layer above them.
  QRect area;
  for (const Item& item : shown_) area |= QRect(item.pos, item.picture.size());
  area &= mapArea_;
  if (area.isEmpty()) {
    hide();
    return;
  }
  setGeometry(area);
  show();  // its place among its siblings stays: above the cells, below the markers
  update();
}

void MapOverlay::paintEvent(QPaintEvent*) {
  QPainter p(this);
  for (const Item& item : shown_) p.drawPixmap(item.pos - pos(), item.picture);
}

}  // namespace yv
