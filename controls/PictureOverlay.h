// Pictures larger than their image box reach past it, over the neighbouring
// boxes (a map view's cells: a tile picture taller or wider than its cell).
// The image boxes clip their pictures; this layer, made after the boxes and
// before what must lie above them (markers), draws the pictures whole above
// the boxes, clipped to an area, and lets every mouse event through to the
// box beneath.
//
// The layer can also take over the drawing of many boxes (PaintBoxes): it
// then draws all their pictures in one pass, each clipped to its box, then the
// parts that reach past the boxes, and repaints only where a box changed. A
// view of hundreds of cells then costs one paint instead of one per cell; the
// boxes keep their mouse events, tooltips and pictures as before.
#pragma once

#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <vector>

class QPainter;

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

  // Draws these boxes from now on (they share this layer's parent and lie
  // within its area), in the order given: where two pictures that reach past
  // their boxes overlap, the later one lies on top. The pictures of boxes that
  // reach past them need not be added. The layer then covers its whole area.
  void PaintBoxes(const std::vector<ImageBox*>& boxes);
  // A box's picture as the box itself paints it, with its top-left corner at
  // at: unscaled and cut at the box's edge, or stretched; then the border.
  static void DrawBox(QPainter& p, const ImageBox& box, QPoint at);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  friend class ImageBox;
  // A box drawn by this layer changed; area (in the parent) needs a new paint.
  void BoxChanged(const QRect& area);

  struct Item {
    QPoint pos;
    QPixmap picture;
    bool operator==(const Item& o) const { return pos == o.pos && picture.cacheKey() == o.picture.cacheKey(); }
  };
  std::vector<Item> items_;
  std::vector<Item> shown_;
  std::vector<QPointer<ImageBox>> boxes_;
  QRect area_;
  // The part of the parent asked to be repainted since the last paint: a
  // change inside it needs no new request. Kept as one rectangle, so that a
  // redraw of a whole view is one region of one rectangle for Qt to paint.
  QRect pending_;
};

}  // namespace yv::controls
