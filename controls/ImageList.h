// Pictures by number from 1, as a window's image list holds them. Not a
// widget: a window keeps it as a member.
#pragma once

#include <QPixmap>
#include <vector>

namespace yv::controls {

class ImageList {
 public:
  // Appends a picture; returns its number.
  int Add(const QPixmap& picture);
  // Puts a picture at number n (from 1), growing the list with empty pictures as needed.
  void Set(int n, const QPixmap& picture);
  // The picture with number n; a null picture when there is none.
  QPixmap Picture(int n) const;
  int Count() const { return static_cast<int>(pictures_.size()); }
  void Clear() { pictures_.clear(); }

 private:
  std::vector<QPixmap> pictures_;
};

}  // namespace yv::controls
