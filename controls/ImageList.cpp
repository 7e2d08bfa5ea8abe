#include "controls/ImageList.h"

namespace yv::controls {

int ImageList::Add(const QPixmap& picture) {
  pictures_.push_back(picture);
  return Count();
}

void ImageList::Set(int n, const QPixmap& picture) {
  if (n < 1) return;
  if (n > Count()) pictures_.resize(static_cast<size_t>(n));
  pictures_[static_cast<size_t>(n - 1)] = picture;
}

QPixmap ImageList::Picture(int n) const {
  if (n < 1 || n > Count()) return QPixmap();
  return pictures_[static_cast<size_t>(n - 1)];
}

}  // namespace yv::controls
