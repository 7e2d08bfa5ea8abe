// The level file reader, and the line reading and quoted-value parsing it
// shares with the level-set info reader.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "model/ReaderState.h"

namespace yv {

// Raised by the parsers for anything that ends a level read: a number out of
// range, a decimal value that cannot be converted, a tile cell outside the
// maps. ReadLevelFile catches it and shows the read-error box.
struct LevelReadFailure : std::runtime_error {
  LevelReadFailure() : std::runtime_error("level read failure") {}
};

// Reads the level file at path into Level, after the info file of its folder
// into CurrentSubset. Clears the kind counts first; appends objects and reset
// points after the counted ones; leaves every field the file does not set as
// it was. Sets Pref.LastLevelFile = path. On a failure (the file cannot be
// opened, a value out of range, a tile cell outside the maps, a file that
// reaches its end without a "(yorvane-level" line) the read ends,
// the file is closed and the box FileNotFoundMsg, critical with OK, "ZUNBO
// File Read Error" is shown; what was read stays, LevelLoaded stays as it
// was. True when the read completed (LevelLoaded is then True). A read
// started while another runs does nothing and returns false.
bool ReadLevelFile(const std::string& path);

// Reads the body lines after a "(yorvane-level" header. Returns at the end of
// the input (ReadPos < 0) or at the first line that does not belong to a
// body, which is then left in CurrentLine as it was read, for the caller to
// look at.
void ParseLevelBody();

// Fill Level.Objects(ObjectCount) / Level.ResetPoints(ResetCount) from
// CurrentLine; both stop at the end of the line.
void ParseObjectLine();
void ParseResetPointLine();

// 15 rows of Level.Width tiles each, from the tile stream that starts at
// TilePos in CurrentLine. A cell outside the map is a read failure.
void ReadBackgroundTileMap();
void ReadInteractiveTileMap();
void ReadForegroundTileMap();

// The next number of the tile stream; 0 at a ")" (without moving on) and at
// the end of the input. A number above 32767 is a read failure.
int16_t ReadTileNumber();

// The digits of line from the 1-based position start on, up to a ")"; other
// characters are skipped, a "-" directly before the first digit makes the
// value negative. Outside -32768..32767 is a read failure.
int16_t ParseIntegerValue(const std::string& line, int32_t start);
// The digits and points of line from start on, up to a ")", as a decimal
// number; a "-" directly before the first digit makes it negative. No digit,
// more than one point or a value out of range is a read failure.
double ParseDoubleValue(const std::string& line, int32_t start);

}  // namespace yv
