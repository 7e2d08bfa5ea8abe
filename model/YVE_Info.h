// The level-set info file: the file "info" in a set's folder, with the set's
// title and description.
#pragma once

#include <string>

#include "model/SaveFile.h"

namespace yv {

// The last info text built (the file text, or the text the level text window shows).
extern std::string InfoText;

// Reads the info file of the level's folder (its folder part and "info")
// into CurrentSubset. Keywords in any letter case; a ")" line ends it. Every
// failure is silent and keeps what was read; fields the file does not give
// keep their values. Does nothing while another read runs.
void ReadInfoFile(const std::string& levelPath);

// Reads text, held in memory, as an info file (lines ending at CR LF, CR or
// LF). When it is one, with its "(yorvane-level-subset", title and
// description lines and the ")" that closes them, CurrentSubset becomes what
// it says (no comment line: the comment is blank) and the result is true;
// otherwise nothing changes.
bool ReadInfoText(const std::string& text);

// InfoText (and WorkText) = the info text of CurrentSubset with the line ends
// current when it starts: its comment as held, or the program's own when it
// is blank; a double quote in the title or description is written as a
// single quote, CurrentSubset itself is left as it is. False, with nothing
// changed, while another build or save runs, or after the info save box when
// there was not enough memory for the text.
bool BuildInfoText();

// Switches to LF line ends, builds the text and puts it in place of the file
// at path in one piece (the old file stays whole until the new one is
// written), then runs the event pump once. Not Ok() when the text could not
// be built or the file not written, or when another build or save is running
// (nothing is written then, and there is nothing to tell); a blank path
// writes nothing and is Ok(). Report() shows "Error Saving INFO Data!" with
// its reason, or the warning of a save that is done but may not be durable.
SaveResult SaveInfoFile(const std::string& path);

// SaveInfoFile with its box shown at once; true when the result is Ok().
bool WriteInfoFile(const std::string& path);

// The info file of the set named setName: UserLevelsDir, the name and "info",
// with a backslash between them where the text before lacks one.
std::string InfoFilePath(const std::string& setName);

// True when the set named setName has an info file.
bool InfoFileExists(const std::string& setName);

}  // namespace yv
