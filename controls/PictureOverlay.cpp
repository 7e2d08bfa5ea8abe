#include "controls/PictureOverlay.h"

#include <QPainter>

#include "controls/ImageBox.h"

namespace yv::controls {

PictureOverlay::PictureOverlay(QWidget* parent, const QRect& area) : QWidget(parent), area_(area) {
  setGeometry(area);
  hide();
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setAttribute(Qt::WA_TranslucentBackground);
}

void PictureOverlay::Clear() { items_.clear(); }

void PictureOverlay::Add(const ImageBox& box) {
  const QPixmap& picture = box.Picture();
  if (box.Stretch() || (picture.width() <= box.Width() && picture.height() <= box.Height())) return;
  Add(QPoint(box.Left(), box.Top()), picture);
}

void PictureOverlay::Add(QPoint pos, const QPixmap& picture) { items_.push_back({pos, picture}); }

void PictureOverlay::Done() {
  if (items_ == shown_) return;
  shown_ = items_;
  // The layer covers only the pictures it draws, so the boxes elsewhere
  // repaint without compositing a see-through layer above them.
  QRect area;
  for (const Item& item : shown_) area |= QRect(item.pos, item.picture.size());
  area &= area_;
  if (area.isEmpty()) {
    hide();
    return;
  }
  setGeometry(area);
  show();  // its place among its siblings stays: above the boxes, below what was made after it
  update();
}

void PictureOverlay::paintEvent(QPaintEvent*) {
  QPainter p(this);
  for (const Item& item : shown_) p.drawPixmap(item.pos - pos(), item.picture);
}

}  // namespace yv::controls
