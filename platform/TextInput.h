// The runtime's numbered text files for line input, as the readers use them.
//
// A line ends at CR or at CR LF (both removed) or at the end of the file; a
// lone LF does not end a line and stays in the text. Reading when no
// character is left fails.
#pragma once

#include <string>

namespace yv::platform {

// The lowest file number not in use (1..511), 0 when all are taken.
int FreeFile();
// Opens path for line input under number; false when the file cannot be read
// or the number is out of range or in use.
bool OpenForInput(int number, const std::string& path);
// Reads the next line; false (line left empty) when no character is left or
// the number names no open file.
bool LineInput(int number, std::string& line);
// Hands over every character not yet read, as it stands in the file (no line
// is split off), and leaves the file at its end. A file of which nothing has
// been read gives up its bytes without a copy. False (text left empty) when
// the number names no open file.
bool TakeInputText(int number, std::string& text);
// True when every character of the file has been read.
bool AtEndOfFile(int number);
// Closes the file; closing a number that is not open does nothing.
void CloseFile(int number);

// Splits text the way LineInput reads it (for text that is already in memory).
class LineCursor {
 public:
  explicit LineCursor(std::string text) : text_(std::move(text)) {}
  bool Next(std::string& line);
  // Everything from the cursor on; the cursor is then at the end.
  void TakeRest(std::string& rest);
  bool AtEnd() const { return pos_ >= text_.size(); }

 private:
  std::string text_;
  size_t pos_ = 0;
};

}  // namespace yv::platform
