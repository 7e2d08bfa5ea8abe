// Completing multi-tile pieces: a click that paints the first tile of a piece
// (its trigger) writes the rest of the piece to the right of and below the
// clicked cell, on the same layer.
#pragma once

#include <array>
#include <cstdint>

#include "model/YVE_Main.h"

namespace yv {

// One tile of a piece, at (dx, dy) cells from the trigger cell.
struct PieceTile {
  int8_t dx = 0;
  int8_t dy = 0;
  int16_t tile = 0;
};

// A trigger tile and what it completes. The piece fits when
// column + minColumnsRight <= Level.Width and, when maxRow >= 0, row <= maxRow.
// minColumnsRight is not always the piece's width: the vertical pairs 53 and 55
// are one column wide but ask for two.
struct AutoCompletePiece {
  int16_t trigger = 0;
  int16_t minColumnsRight = 0;
  int16_t maxRow = -1;  // -1: no condition on the row
  int16_t tileCount = 0;
  std::array<PieceTile, 7> tiles{};
};

extern const std::array<AutoCompletePiece, 12> AutoCompletePieces;

// The piece whose trigger is tile, or nullptr when tile is no trigger.
const AutoCompletePiece* FindAutoCompletePiece(int tile);

// Writes the rest of the piece triggered by tile at (column, row) into map,
// for a level width columns wide. The piece is written whole or not at all:
// nothing is written when tile is no trigger, when the fit condition fails,
// or when any of its cells lies outside the map (a map narrower than the
// level, or none). The trigger cell itself is left alone. Returns the number
// of cells written.
int CompletePiece(TileMap& map, int tile, int column, int row, int width);

}  // namespace yv
