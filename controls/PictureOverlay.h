// Pictures larger than their image box reach past it, over the neighbouring
// boxes (a map view's cells: a tile picture taller or wider than its cell).
// The image boxes clip their pictures; this layer, made after the boxes and
// before what must lie above them (markers), draws the pictures whole above
// the boxes, clipped to an area, and lets every mouse event through to the
// box beneath.
#pragma once

#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QWidget>
#include <vector>

namespace yv::controls {

class ImageBox;

class PictureOverlay : public QWidget {
 public:
  // area: where the pictures may show, in the parent; they are clipped to it.
  PictureOverlay(QWidget* parent, const QRect& area);
  // The pictures to draw: cleared, added one by one, then Done.
  void Clear();
  // The box's picture when it reaches past the box (an unstretched picture
  // wider or taller than the box); the box shares this layer's parent.
  void Add(const ImageBox& box);
  // Any picture at a position in the parent.
  void Add(QPoint pos, const QPixmap& picture);
  void Done();  // repaints when the list changed

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Item {
    QPoint pos;
    QPixmap picture;
    bool operator==(const Item& o) const { return pos == o.pos && picture.cacheKey() == o.picture.cacheKey(); }
  };
  std::vector<Item> items_;
  std::vector<Item> shown_;
  QRect area_;
};

}  // namespace yv::controls
