#include "controls/ImageBox.h"

#include <QPainter>

namespace yv::controls {

ImageBox::ImageBox(QWidget* parent, int x, int y, int w, int h) : MouseLabel(parent, x, y, w, h) {
  setAutoFillBackground(false);
}

void ImageBox::SetPicture(const QPixmap& picture) {
  // The map sets all its cells at every redraw; a cell that keeps its
  // picture needs no new paint.
  if (picture.cacheKey() == picture_.cacheKey() && picture.isNull() == picture_.isNull()) return;
  picture_ = picture;
  update();
}

void ImageBox::SetStretch(bool stretch) {
  if (stretch == stretch_) return;
  stretch_ = stretch;
  update();
}

void ImageBox::SetBorderStyle(int style) {
  style = style == 0 ? 0 : 1;
  if (style == borderStyle_) return;
  borderStyle_ = style;
  update();
}

void ImageBox::SetClipArea(const QRect& area) {
  clipArea_ = area;
  ApplyClip();
}

void ImageBox::moveEvent(QMoveEvent* event) {
  MouseLabel::moveEvent(event);
  ApplyClip();
}

void ImageBox::resizeEvent(QResizeEvent* event) {
  MouseLabel::resizeEvent(event);
  ApplyClip();
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
  if (!picture_.isNull()) {
    if (stretch_) {
      p.setRenderHint(QPainter::SmoothPixmapTransform);
      p.drawPixmap(rect(), picture_);
    } else {
      p.drawPixmap(0, 0, picture_);
    }
  }
  if (borderStyle_ == 1) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}

}  // namespace yv::controls
