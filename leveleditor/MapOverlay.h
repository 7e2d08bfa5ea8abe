// Draws the parts of tile pictures larger than a cell that reach over the
// neighbouring cells. It lies above the cells and below the markers, and
// lets every mouse event through to the cell beneath.
#pragma once

#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QWidget>
#include <vector>

namespace yv {

class MapOverlay : public QWidget {
 public:
  // mapArea: the map view's place in the parent; pictures are clipped to it.
  MapOverlay(QWidget* parent, const QRect& mapArea);
  // The oversized pictures of the current view, at their cells' window positions.
  void Clear();
  void Add(QPoint windowPos, const QPixmap& picture);
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
  QRect mapArea_;
};

}  // namespace yv
