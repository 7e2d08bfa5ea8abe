#include "model/ReaderState.h"

#include "platform/System.h"
#include "platform/TextInput.h"

namespace yv {

int16_t ReadFileNum = 0;
std::string ReadBuffer;
std::string CurrentLine;
int32_t ReadPos = 0;
int32_t TilePos = 0;
bool LfMode = false;
int32_t WorldFileLength = 0;

namespace {
bool g_reading = false;
size_t StartIndex(int32_t start) { return start < 1 ? 0 : static_cast<size_t>(start) - 1; }
}  // namespace

ReadLock::ReadLock() : FlagLock(g_reading) {}

bool ReadInProgress() { return g_reading; }

InputFile::InputFile(const std::string& path) : number_(platform::FreeFile()) {
  ReadFileNum = static_cast<int16_t>(number_);
  open_ = number_ != 0 && platform::OpenForInput(number_, path);
}

InputFile::~InputFile() {
  if (open_) platform::CloseFile(number_);
}

bool InputFile::StartLines(size_t longestLine) {
  if (!open_ || !platform::LineInput(number_, ReadBuffer)) return false;
  ReadPos = 1;
  LfMode = false;
  if (ReadBuffer.size() > longestLine) {
    LfMode = true;
    ReadNextLine();
  } else {
    CurrentLine = ReadBuffer;
  }
  return true;
}

void ReadNextLine() {
  platform::DoEvents();
  CurrentLine.clear();
  if (!LfMode) {
    if (!platform::LineInput(ReadFileNum, CurrentLine)) ReadPos = -1;
    return;
  }
  // Fewer than two characters left (a lone last character is not a line),
  // or the end already reported.
  const int64_t length = static_cast<int64_t>(ReadBuffer.size());
  if (ReadPos < 1 || ReadPos > length - 1) {
    ReadPos = -1;
    return;
  }
  const size_t from = static_cast<size_t>(ReadPos) - 1;
  const size_t lf = ReadBuffer.find('\n', from);
  if (lf == std::string::npos) {
    CurrentLine.assign(ReadBuffer, from, std::string::npos);
    ReadPos = static_cast<int32_t>(length + 1);
  } else {
    CurrentLine.assign(ReadBuffer, from, lf - from);
    ReadPos = static_cast<int32_t>(lf + 2);
  }
}

std::string ParseQuotedValue(const std::string& line, int32_t start) {
  size_t i = StartIndex(start);
  for (; i < line.size(); ++i) {
    if (line[i] == ')') return std::string();
    if (line[i] == '"') break;
  }
  if (i >= line.size()) return std::string();
  const size_t open = i + 1;
  // Inside the quotes only the closing quote ends the value, so names and
  // titles may hold brackets. A value left open ends at its ")".
  size_t end = line.find('"', open);
  if (end == std::string::npos) end = line.find(')', open);
  return line.substr(open, end == std::string::npos ? std::string::npos : end - open);
}

}  // namespace yv
