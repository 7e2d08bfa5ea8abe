// A picture without a window of its own: it draws its picture over whatever
// lies behind it (transparent parts of the picture show the parent and the
// controls below), either unscaled from the top-left corner and clipped to the
// box, or stretched to the box. The optional single-line border is drawn over
// the picture, so switching it on and off never moves the picture.
#pragma once

#include <QPixmap>
#include <QPointer>
#include <QRect>

#include "controls/MouseLabel.h"

namespace yv::controls {

class PictureOverlay;

class ImageBox : public MouseLabel {
  Q_OBJECT
 public:
  ImageBox(QWidget* parent, int x, int y, int w, int h);

  const QPixmap& Picture() const { return picture_; }
  void SetPicture(const QPixmap& picture);  // a null picture shows nothing
  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch);
  int BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(int style);  // 0 none, 1 single line
  // An area of the parent (a null rect: none) outside which the box shows
  // nothing and takes no mouse: a marker moved over a view is cut at the
  // view's edge as the view's own cells are, wherever it is moved.
  QRect ClipArea() const { return clipArea_; }
  void SetClipArea(const QRect& area);
  // Where the box draws in its parent: the box, and the part of an unscaled
  // picture that reaches past it.
  QRect Extent() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  friend class PictureOverlay;
  // Asks for the box to be drawn again; before is where it drew until now.
  void Redraw(const QRect& before);
  void ApplyClip();
  QPixmap picture_;
  QRect clipArea_;
  bool stretch_ = false;
  int borderStyle_ = 0;
  // The layer that draws this box, when one took it over (PictureOverlay::PaintBoxes).
  QPointer<PictureOverlay> layer_;
};

}  // namespace yv::controls
