// Pictures by number from 1, as a window's image list holds them. Not a
// widget: a window keeps it as a member.
#pragma once

#include <QPixmap>
#include <functional>
#include <vector>

namespace yv::controls {

class ImageList {
 public:
  ImageList() = default;
  // A list of count pictures, picture n taken from source(n) when it is first
  // asked for and kept from then on: a window's pictures cost nothing until
  // they are shown.
  ImageList(int count, std::function<QPixmap(int)> source);

  // Appends a picture; returns its number.
  int Add(const QPixmap& picture);
  // Puts a picture at number n (from 1), growing the list with empty pictures as needed.
  void Set(int n, const QPixmap& picture);
  // The picture with number n; a null picture when there is none.
  QPixmap Picture(int n) const;
  int Count() const { return static_cast<int>(pictures_.size()); }
  void Clear() {
    pictures_.clear();
    taken_.clear();
  }

 private:
  std::function<QPixmap(int)> source_;
  mutable std::vector<QPixmap> pictures_;
  mutable std::vector<bool> taken_;  // per picture: set, or taken from the source
};

}  // namespace yv::controls
