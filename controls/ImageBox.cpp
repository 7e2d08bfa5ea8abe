#include "controls/ImageBox.h"

#include <QMoveEvent>
#include <QPainter>

#include "controls/PictureOverlay.h"

namespace yv::controls {

ImageBox::ImageBox(QWidget* parent, int x, int y, int w, int h) : MouseLabel(parent, x, y, w, h) {
  setAutoFillBackground(false);
}

QRect ImageBox::Extent() const {
  if (stretch_ || picture_.isNull()) return geometry();
  return geometry() | QRect(pos(), picture_.size());
}

void ImageBox::Redraw(const QRect& before) {
  if (layer_)
    layer_->BoxChanged(before | Extent());
  else
    update();
}

void ImageBox::SetPicture(const QPixmap& picture) {
  // The map sets all its cells at every redraw; a cell that keeps its
  // picture needs no new paint.
  if (picture.cacheKey() == picture_.cacheKey() && picture.isNull() == picture_.isNull()) return;
  const QRect before = Extent();
  picture_ = picture;
  Redraw(before);
}

void ImageBox::SetStretch(bool stretch) {
  if (stretch == stretch_) return;
  const QRect before = Extent();
  stretch_ = stretch;
  Redraw(before);
}

void ImageBox::SetBorderStyle(int style) {
  style = style == 0 ? 0 : 1;
  if (style == borderStyle_) return;
  borderStyle_ = style;
  Redraw(Extent());
}

void ImageBox::SetClipArea(const QRect& area) {
  clipArea_ = area;
  ApplyClip();
}

void ImageBox::moveEvent(QMoveEvent* event) {
  MouseLabel::moveEvent(event);
  ApplyClip();
  if (layer_) layer_->BoxChanged(Extent().translated(event->oldPos() - pos()) | Extent());
}

void ImageBox::resizeEvent(QResizeEvent* event) {
  MouseLabel::resizeEvent(event);
  ApplyClip();
  if (layer_) layer_->BoxChanged(Extent() | QRect(pos(), event->oldSize()));
}

void ImageBox::showEvent(QShowEvent* event) {
  MouseLabel::showEvent(event);
  if (layer_) layer_->BoxChanged(Extent());
}

void ImageBox::hideEvent(QHideEvent* event) {
  MouseLabel::hideEvent(event);
  if (layer_) layer_->BoxChanged(Extent());
}

void ImageBox::ApplyClip() {
  if (clipArea_.isNull()) {
    if (!mask().isEmpty()) clearMask();
    return;
  }
  const QRect inside = clipArea_.translated(-pos()) & rect();
  if (inside == rect()) {
    if (!mask().isEmpty()) clearMask();
  } else if (inside.isEmpty()) {
    // An empty mask would mean no mask; one beside the box shows nothing.
    setMask(QRegion(-1, -1, 1, 1));
  } else {
    setMask(QRegion(inside));
  }
}

void ImageBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  PictureOverlay::DrawBox(p, *this, QPoint(0, 0));
}

}  // namespace yv::controls
