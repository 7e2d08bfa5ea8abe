#include "leveleditor/MapOverlay.h"

#include <QPainter>

namespace yv {

MapOverlay::MapOverlay(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setAttribute(Qt::WA_TranslucentBackground);
}

void MapOverlay::Clear() { items_.clear(); }

void MapOverlay::Add(QPoint windowPos, const QPixmap& picture) { items_.push_back({windowPos, picture}); }

void MapOverlay::Done() {
  if (items_ == shown_) return;
  shown_ = items_;
  update();
}

void MapOverlay::paintEvent(QPaintEvent*) {
  QPainter p(this);
  for (const Item& item : shown_) p.drawPixmap(item.pos - pos(), item.picture);
}

}  // namespace yv
