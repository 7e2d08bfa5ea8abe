#include "controls/ImageList.h"

#include <utility>

namespace yv::controls {

ImageList::ImageList(int count, std::function<QPixmap(int)> source) : source_(std::move(source)) {
  if (count < 0) count = 0;
  pictures_.resize(static_cast<size_t>(count));
  taken_.assign(static_cast<size_t>(count), false);
}

int ImageList::Add(const QPixmap& picture) {
  pictures_.push_back(picture);
  taken_.push_back(true);
  return Count();
}

void ImageList::Set(int n, const QPixmap& picture) {
  if (n < 1) return;
  if (n > Count()) {
    // Numbers skipped over hold empty pictures, never ones from the source.
    pictures_.resize(static_cast<size_t>(n));
    taken_.resize(static_cast<size_t>(n), true);
  }
  pictures_[static_cast<size_t>(n - 1)] = picture;
  taken_[static_cast<size_t>(n - 1)] = true;
}

QPixmap ImageList::Picture(int n) const {
  if (n < 1 || n > Count()) return QPixmap();
  const size_t i = static_cast<size_t>(n - 1);
  if (!taken_[i]) {
    if (source_) pictures_[i] = source_(n);
    taken_[i] = true;
  }
  return pictures_[i];
}

}  // namespace yv::controls
