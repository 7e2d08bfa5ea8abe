#include "controls/PictureOverlay.h"

#include <QPaintEvent>
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
  QRect changed;
  for (const Item& item : shown_) changed |= QRect(item.pos, item.picture.size());
  shown_ = items_;
  QRect area;
  for (const Item& item : shown_) area |= QRect(item.pos, item.picture.size());
  if (!boxes_.empty()) {
    // The layer already covers its whole area for the boxes.
    BoxChanged(changed | area);
    return;
  }
  // The layer covers only the pictures it draws, so the boxes elsewhere
  // repaint without compositing a see-through layer above them.
  area &= area_;
  if (area.isEmpty()) {
    hide();
    return;
  }
  setGeometry(area);
  show();  // its place among its siblings stays: above the boxes, below what was made after it
  update();
}

void PictureOverlay::PaintBoxes(const std::vector<ImageBox*>& boxes) {
  for (const QPointer<ImageBox>& box : boxes_)
    if (box) box->layer_ = nullptr;
  boxes_.assign(boxes.begin(), boxes.end());
  for (ImageBox* box : boxes) {
    box->layer_ = this;
    // The box no longer paints itself; Qt then skips it when it paints the
    // window, and the layer paints it with the others.
    box->setUpdatesEnabled(false);
  }
  setGeometry(area_);
  show();
  update();
}

void PictureOverlay::BoxChanged(const QRect& area) {
  const QRect r = area & area_;
  if (r.isEmpty() || pending_.contains(r)) return;
  pending_ |= r;
  update(pending_.translated(-pos()));
}

void PictureOverlay::DrawBox(QPainter& p, const ImageBox& box, QPoint at) {
  const QPixmap& picture = box.Picture();
  if (!picture.isNull()) {
    if (box.Stretch()) {
      p.setRenderHint(QPainter::SmoothPixmapTransform);
      p.drawPixmap(QRect(at, box.size()), picture);
      p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    } else if (picture.width() <= box.Width() && picture.height() <= box.Height()) {
      p.drawPixmap(at, picture);
    } else {
      p.drawPixmap(at, picture, QRect(QPoint(0, 0), box.size()) & picture.rect());
    }
  }
  if (box.BorderStyle() == 1) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(at, box.size()).adjusted(0, 0, -1, -1));
  }
}

void PictureOverlay::paintEvent(QPaintEvent* event) {
  pending_ = QRect();
  QPainter p(this);
  const QPoint origin = pos();
  const QRect dirty = event->rect().translated(origin);  // in the parent
  // Each box's own picture, cut at the box, as the box would paint it ...
  for (const QPointer<ImageBox>& box : boxes_) {
    if (!box || box->isHidden() || !box->geometry().intersects(dirty)) continue;
    DrawBox(p, *box, box->pos() - origin);
  }
  // ... then, above them all, the pictures that reach past their boxes.
  for (const QPointer<ImageBox>& box : boxes_) {
    if (!box || box->isHidden() || box->Stretch()) continue;
    const QPixmap& picture = box->Picture();
    if (picture.width() <= box->Width() && picture.height() <= box->Height()) continue;
    if (QRect(box->pos(), picture.size()).intersects(dirty)) p.drawPixmap(box->pos() - origin, picture);
  }
  for (const Item& item : shown_) p.drawPixmap(item.pos - origin, item.picture);
}

}  // namespace yv::controls
