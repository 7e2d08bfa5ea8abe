// The world-map file writer.
#pragma once

#include <cstdint>
#include <string>

namespace yv {

// The last world-map file text built.
extern std::string WorldText;

// The header written when World.Comments(0) does not begin with ";;".
inline constexpr const char* kDefaultWorldHeader = ";; Created by Mossdrake YV_Editor";

// Switches to LF line ends and builds the file text from World into
// WorldText. The header is World.Comments(0) with its line breaks turned
// into blanks and trimmed, or the default header when that does not begin
// with ";;"; it is stored back. Exactly World.Width x World.Height cells are
// written, 0 for one the tile array does not hold. A double quote inside a
// string is written as "'" (the format has no escape). Link comments are
// not written; a link of a type outside 2..5 is written with its cell only,
// and an invisible teleporter without a flag with "t". False, with nothing
// changed, when another build or save is running (see BuildLock); false
// after the box "Error Saving World Map Data!" with its reason line, with
// nothing built or changed, when the text would be too large for the reader
// to take back or there is not enough memory for it.
bool BuildWorldText();

// The exact length in bytes of the text BuildWorldText builds from World now,
// with the line ends as they stand. Its time grows with the cells the tile
// array holds and with the links, not with the size the map names.
int64_t WorldTextLength();

// Puts WorldText in place of the file at path in one piece: the old file
// stays whole until the new one has been completely written. On success
// WorldChanged becomes False; on failure the box "Error Saving World Map
// Data!" (with the reason on a second line when it is known) is shown and
// WorldChanged keeps its value. A file that is in place but may not be
// durable is a success, told by the same box with the warning line. False
// when the file was not written, also when another build or save is running
// (then without a box). A blank path writes nothing, changes nothing and
// returns true.
bool WriteWorldFile(const std::string& path);

// BuildWorldText, then WriteWorldFile(path): "Save World Map", and the Yes of
// the question about changes when the window closes.
bool SaveWorldFile(const std::string& path);

}  // namespace yv
