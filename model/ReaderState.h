// The reader state that the level, info and world-map readers share, and the
// lock that keeps a second read from starting while one runs.
#pragma once

#include <cstdint>
#include <string>

#include "model/BuildLock.h"

namespace yv {

extern int16_t ReadFileNum;      // number of the open input file
extern std::string ReadBuffer;   // the first raw line; in LF mode and for world maps the whole text
extern std::string CurrentLine;  // the line being parsed
extern int32_t ReadPos;          // 1-based position in ReadBuffer; below 1 once the input has ended
extern int32_t TilePos;          // 1-based position in CurrentLine while tile numbers are read
extern bool LfMode;              // the level and info readers split ReadBuffer at LF themselves
extern int32_t WorldFileLength;  // length in bytes of the world-map file being read

// Read positions are 32-bit: a file of this many bytes or more is not read,
// so no writer may produce one.
inline constexpr int64_t kMaxReadableLength = INT32_MAX;

// The state above exists once, and the event pump runs all through a read, so
// a command given meanwhile could start a second read over the first one.
// Every reader (level, info, world map) holds this lock while it runs; a read
// that cannot take it is refused.
class ReadLock : public FlagLock {
 public:
  ReadLock();  // takes the lock when no read is running
};
// True while a read holds the lock.
bool ReadInProgress();

// A file open for line input under a free file number, the number kept in
// ReadFileNum (even when the open fails); the file is closed when this goes
// out of scope, whichever way the read ends.
class InputFile {
 public:
  explicit InputFile(const std::string& path);
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;
  bool IsOpen() const { return open_; }
  int Number() const { return number_; }
  // Reads the first line into ReadBuffer and starts the line reading at it:
  // a first line longer than longestLine characters is a file with LF line
  // ends (a lone LF does not end a line), split in memory from then on (LF
  // mode); otherwise it is CurrentLine and later lines come from the file.
  // False when the file is not open or holds no character.
  bool StartLines(size_t longestLine);

 private:
  int number_ = 0;
  bool open_ = false;
};

// Runs the event pump and puts the next line in CurrentLine: from the file,
// or in LF mode from ReadBuffer at ReadPos. At the end of the input
// CurrentLine is "" and ReadPos = -1. In LF mode a last line of a single
// character is not delivered.
void ReadNextLine();

// The text between the first double quote from start on and the next one. A
// ")" before the opening quote gives ""; when no closing quote follows, the
// value ends at the first ")" or at the end of the line.
std::string ParseQuotedValue(const std::string& line, int32_t start);

}  // namespace yv
