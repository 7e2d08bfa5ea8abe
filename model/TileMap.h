// A tile map: 16-bit tile numbers indexed (column, row) over 0..maxColumn and
// 0..maxRow. Every access is checked: a cell outside the map reads as 0 and
// cannot be written, so no caller ever reaches outside the array. The level
// keeps one per layer; the world map keeps one for its cells.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace yv {

class TileMap {
 public:
  // New cells 0..maxColumn by 0..maxRow, every one 0. A negative bound gives
  // an empty map.
  void Create(int maxColumn, int maxRow);
  // The map with the bounds 0..maxColumn by 0..maxRow, keeping every cell
  // that lies inside both the old and the new bounds; new cells are 0.
  void Resize(int maxColumn, int maxRow);

  bool Contains(int column, int row) const { return column >= 0 && row >= 0 && column < columns_ && row < rows_; }
  int16_t Get(int column, int row) const {
    return Contains(column, row) ? cells_[static_cast<size_t>(column) * static_cast<size_t>(rows_) + row] : 0;
  }
  // False (and nothing written) for a cell outside the map.
  bool Set(int column, int row, int16_t tile) {
    if (!Contains(column, row)) return false;
    cells_[static_cast<size_t>(column) * static_cast<size_t>(rows_) + row] = tile;
    return true;
  }
  int Columns() const { return columns_; }  // number of columns, maxColumn + 1
  int Rows() const { return rows_; }
  bool Empty() const { return cells_.empty(); }
  bool operator==(const TileMap&) const = default;

 private:
  int columns_ = 0;
  int rows_ = 0;
  std::vector<int16_t> cells_;  // column-major
};

}  // namespace yv
