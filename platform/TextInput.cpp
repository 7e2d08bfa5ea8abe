#include "platform/TextInput.h"

#include <array>
#include <cstdint>
#include <memory>

#include "platform/FileSystem.h"

namespace yv::platform {
namespace {

constexpr int kMaxFiles = 511;
std::array<std::unique_ptr<LineCursor>, kMaxFiles + 1> g_files;

}  // namespace

bool LineCursor::Next(std::string& line) {
  line.clear();
  if (pos_ >= text_.size()) return false;
  size_t cr = text_.find('\r', pos_);
  if (cr == std::string::npos) {
    line.assign(text_, pos_, std::string::npos);
    pos_ = text_.size();
    return true;
  }
  line.assign(text_, pos_, cr - pos_);
  pos_ = cr + 1;
  if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
  return true;
}

void LineCursor::TakeRest(std::string& rest) {
  // With nothing read yet the bytes themselves change hands.
  if (pos_ == 0)
    rest = std::move(text_);
  else
    rest.assign(text_, pos_, std::string::npos);
  text_.clear();
  pos_ = 0;
}

int FreeFile() {
  for (int n = 1; n <= kMaxFiles; ++n)
    if (!g_files[n]) return n;
  return 0;
}

bool OpenForInput(int number, const std::string& path) {
  if (number < 1 || number > kMaxFiles || g_files[number]) return false;
  std::string bytes;
  // Room for one character more than the file holds: a reader that ends the
  // last line with a line end the file lacks adds it where the text stands,
  // and a large file is never copied whole for one character.
  const int64_t length = Fs().FileLength(path);
  if (length >= 0) bytes.reserve(static_cast<size_t>(length) + 1);
  if (!Fs().ReadWholeFile(path, bytes)) return false;
  g_files[number] = std::make_unique<LineCursor>(std::move(bytes));
  return true;
}

bool LineInput(int number, std::string& line) {
  line.clear();
  if (number < 1 || number > kMaxFiles || !g_files[number]) return false;
  return g_files[number]->Next(line);
}

bool TakeInputText(int number, std::string& text) {
  text.clear();
  if (number < 1 || number > kMaxFiles || !g_files[number]) return false;
  g_files[number]->TakeRest(text);
  return true;
}

bool AtEndOfFile(int number) {
  if (number < 1 || number > kMaxFiles || !g_files[number]) return true;
  return g_files[number]->AtEnd();
}

void CloseFile(int number) {
  if (number >= 1 && number <= kMaxFiles) g_files[number].reset();
}

}  // namespace yv::platform
