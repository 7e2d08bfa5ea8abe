// The level file writer and its closing-line constants.
#pragma once

#include <string>

#include "model/LineEnds.h"
#include "model/SaveFile.h"

namespace yv {

// The closing-line constants CloseLine, CloseCloseLine, QuoteCloseLine and
// QuoteCloseCloseLine, which this module owns, live with NewLine in LineEnds.h.

// The last level text built (the file text, or the text the level text
// window shows), and the last text any builder of level and info texts
// finished. A build fills a string of its own and publishes it here only
// once it is whole.
extern std::string LevelText;
extern std::string WorkText;

// Builds the level file text from Level into LevelText with the line ends
// current when it starts. Trims Level.Comment (giving it "; " when it lacks
// its ";") and Level.TrailingComment (giving it ";; " when it lacks its
// ";;"). Runs the event pump at the start of every tile row and once before
// the lists. Cells the maps do not hold are written as 0, an empty
// BackScrolling as "f", a double quote inside a quoted value as a single
// quote (Level itself keeps it). False, with nothing changed, when another
// build or save is running (see BuildLock), or after the level save box
// when there was not enough memory for the text.
bool BuildLevelText();

// "t" when object number i stays on its platform (StayOnPlatform 1), else "f".
std::string StayOnPlatformFlag(int i);

// Switches to LF line ends, builds the text and puts it in place of the file
// at path in one piece: the old file stays whole until the new one has been
// completely written. Runs the event pump once at the end. Not Ok() when the
// text could not be built or the file could not be written, or when another
// build or save is running (then nothing is built or written, and there is
// nothing to tell). A blank path writes nothing, changes nothing and is Ok():
// there was nothing to save, so nothing failed. The result's Report() shows
// the box "Error Saving Level Data!" with its reason, or the warning of a
// save that is done but may not be durable. A save that is done clears
// LevelChanged.
SaveResult SaveLevelFile(const std::string& path);

// SaveLevelFile with its box shown at once; true when the result is Ok().
bool WriteLevelFile(const std::string& path);

}  // namespace yv
