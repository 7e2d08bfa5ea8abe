#include "model/TileMap.h"

#include <algorithm>
#include <cstddef>

namespace yv {

void TileMap::Create(int maxColumn, int maxRow) {
  columns_ = std::max(0, maxColumn + 1);
  rows_ = std::max(0, maxRow + 1);
  if (columns_ == 0 || rows_ == 0) columns_ = rows_ = 0;
  cells_.assign(static_cast<size_t>(columns_) * static_cast<size_t>(rows_), 0);
}

void TileMap::Resize(int maxColumn, int maxRow) {
  TileMap resized;
  resized.Create(maxColumn, maxRow);
  const int columns = std::min(columns_, resized.columns_);
  const int rows = std::min(rows_, resized.rows_);
  for (int c = 0; c < columns; ++c)
    std::copy_n(cells_.begin() + static_cast<ptrdiff_t>(c) * rows_, rows,
                resized.cells_.begin() + static_cast<ptrdiff_t>(c) * resized.rows_);
  *this = std::move(resized);
}

}  // namespace yv
