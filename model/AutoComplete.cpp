#include "model/AutoComplete.h"

namespace yv {

// The writes of each entry are in the order the designer reads the piece:
// the top row left to right, then the bottom row.
const std::array<AutoCompletePiece, 12> AutoCompletePieces = {{
    // 49 stands right of 50; 51 and 52 are the lower row.
    {50, 2, 13, 3, {{{1, 0, 49}, {0, 1, 51}, {1, 1, 52}}}},
    // One column wide, yet they need a second column; no row condition, so on
    // row 14 the lower tile goes into the spare row 15.
    {53, 2, -1, 1, {{{0, 1, 54}}}},
    {55, 2, -1, 1, {{{0, 1, 56}}}},
    {57, 2, -1, 1, {{{1, 0, 58}}}},
    {59, 2, -1, 1, {{{1, 0, 60}}}},
    // The big cloud.
    {85, 4, 13, 7, {{{1, 0, 86}, {2, 0, 87}, {3, 0, 88}, {0, 1, 89}, {1, 1, 90}, {2, 1, 91}, {3, 1, 92}}}},
    {106, 3, 13, 5, {{{1, 0, 107}, {2, 0, 108}, {0, 1, 109}, {1, 1, 110}, {2, 1, 111}}}},
    // These two 2 x 2 pieces stop one row higher than the piece of 50.
    {115, 2, 12, 3, {{{1, 0, 116}, {0, 1, 117}, {1, 1, 118}}}},
    {122, 2, -1, 1, {{{1, 0, 123}}}},
    {124, 2, -1, 1, {{{1, 0, 125}}}},
    {134, 2, -1, 1, {{{1, 0, 135}}}},
    {136, 2, 12, 3, {{{1, 0, 137}, {0, 1, 138}, {1, 1, 139}}}},
}};

const AutoCompletePiece* FindAutoCompletePiece(int tile) {
  for (const AutoCompletePiece& piece : AutoCompletePieces)
    if (piece.trigger == tile) return &piece;
  return nullptr;
}

int CompletePiece(TileMap& map, int tile, int column, int row, int width) {
  const AutoCompletePiece* piece = FindAutoCompletePiece(tile);
  if (!piece || column < 0 || row < 0) return 0;
  // In 32 bits: column + 4 must not wrap for the last columns of a wide level.
  if (static_cast<long>(column) + piece->minColumnsRight > width) return 0;
  if (piece->maxRow >= 0 && row > piece->maxRow) return 0;
  // Every cell is checked before the first write, so a map that does not
  // cover the whole piece gets none of it.
  for (int i = 0; i < piece->tileCount; ++i) {
    const PieceTile& t = piece->tiles[i];
    if (!map.Contains(column + t.dx, row + t.dy)) return 0;
  }
  for (int i = 0; i < piece->tileCount; ++i) {
    const PieceTile& t = piece->tiles[i];
    map.Set(column + t.dx, row + t.dy, t.tile);
  }
  return piece->tileCount;
}

}  // namespace yv
