#include "model/YVE_Read.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Info.h"
#include "model/YVE_Main.h"
#include "platform/System.h"

namespace yv {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A line without its leading and trailing blanks (spaces only, tabs stay).
std::string_view TrimView(std::string_view s) {
  size_t first = 0, last = s.size();
  while (first < last && s[first] == ' ') ++first;
  while (last > first && s[last - 1] == ' ') --last;
  return s.substr(first, last - first);
}

void TrimCurrentLine() {
  std::string_view t = TrimView(CurrentLine);
  if (t.size() != CurrentLine.size()) CurrentLine = std::string(t);
}

size_t StartIndex(int32_t start) { return start < 1 ? 0 : static_cast<size_t>(start) - 1; }

// Digits are gathered into a magnitude that can only grow, so a value that
// has left the 16-bit range never comes back into it: stop at once. The sign
// is known from the first digit on, so the range checked is the signed one;
// a value cut off by the end of its line is refused as the same value
// followed by its ")" would be.
void AddDigit(int32_t& magnitude, int digit, bool negative) {
  magnitude = magnitude * 10 + digit;
  if (magnitude > (negative ? 32768 : 32767)) throw LevelReadFailure();
}

int16_t Signed(int32_t magnitude, bool negative) {
  int32_t value = negative ? -magnitude : magnitude;
  if (value > 32767 || value < -32768) throw LevelReadFailure();
  return static_cast<int16_t>(value);
}

// The counts are 16-bit: one object or reset point more than they hold
// cannot be counted, and ends the read.
LevelObject& AppendCountedObject() {
  if (Level.ObjectCount < 0 || Level.ObjectCount == INT16_MAX) throw LevelReadFailure();
  return AppendObject();
}
ResetPoint& AppendCountedResetPoint() {
  if (Level.ResetCount < 0 || Level.ResetCount == INT16_MAX) throw LevelReadFailure();
  return AppendResetPoint();
}

void ReadTileMap(TileMap& map) {
  for (int row = 0; row <= 14; ++row) {
    platform::DoEvents();
    for (int column = 0; column < Level.Width; ++column) {
      // A width read without maps to match (20 or less) can name cells the
      // maps do not hold.
      if (!map.Contains(column, row)) throw LevelReadFailure();
      // Once the input has ended every further number is 0; no need to ask.
      map.Set(column, row, ReadPos < 0 ? 0 : ReadTileNumber());
    }
  }
}

// The start of a tile map: the numbers follow the keyword on its line, or,
// when the line holds nothing after the keyword, begin on the next line.
// False when the input ended there.
bool StartTileStream(size_t keywordEnd) {
  if (CurrentLine.size() < keywordEnd) {
    ReadNextLine();
    if (ReadPos < 0) return false;
    TilePos = 1;
  } else {
    TilePos = static_cast<int32_t>(keywordEnd);
  }
  return true;
}

enum class Key {
  Version,
  Author,
  Name,
  Width,
  Height,
  StartPosX,
  StartPosY,
  Background,
  Music,
  BkgdRedTop,
  BkgdGreenTop,
  BkgdBlueTop,
  BkgdRedBottom,
  BkgdGreenBottom,
  BkgdBlueBottom,
  Time,
  Gravity,
  ParticleSystem,
  Theme,
  BkgdSpeed,
  BackScrolling,
  HorAutoscrollSpeed,
  BackgroundTM,
  InteractiveTM,
  ForegroundTM,
  ResetPoints,
  Objects,
  Close,
  None,
};

struct Keyword {
  std::string_view text;
  Key key;
};

// Tested in this order, each as a prefix with exact letter case; the first
// match decides ("(background " with its blank before "(background-tm").
constexpr Keyword kKeywords[] = {
    {"(version", Key::Version},
    {"(author", Key::Author},
    {"(name", Key::Name},
    {"(width", Key::Width},
    {"(height", Key::Height},
    {"(start_pos_x", Key::StartPosX},
    {"(start_pos_y", Key::StartPosY},
    {"(background ", Key::Background},
    {"(music", Key::Music},
    {"(bkgd_red_top", Key::BkgdRedTop},
    {"(bkgd_green_top", Key::BkgdGreenTop},
    {"(bkgd_blue_top", Key::BkgdBlueTop},
    {"(bkgd_red_bottom", Key::BkgdRedBottom},
    {"(bkgd_green_bottom", Key::BkgdGreenBottom},
    {"(bkgd_blue_bottom", Key::BkgdBlueBottom},
    {"(time", Key::Time},
    {"(gravity", Key::Gravity},
    {"(particle_system", Key::ParticleSystem},
    {"(theme", Key::Theme},
    {"(bkgd_speed", Key::BkgdSpeed},
    {"(back_scrolling #", Key::BackScrolling},
    {"(hor_autoscroll_speed", Key::HorAutoscrollSpeed},
    {"(background-tm", Key::BackgroundTM},
    {"(interactive-tm", Key::InteractiveTM},
    {"(foreground-tm", Key::ForegroundTM},
    {"(reset-points", Key::ResetPoints},
    {"(objects", Key::Objects},
    {")", Key::Close},
};

Key FindKeyword(std::string_view line) {
  for (const Keyword& k : kKeywords)
    if (line.substr(0, k.text.size()) == k.text) return k.key;
  return Key::None;
}

// Returns true when the input ended inside the list (the body then ends).
bool ReadResetPointList() {
  for (;;) {
    ReadNextLine();
    TrimCurrentLine();
    if (ReadPos < 0) return true;
    // The line that ends the list is dropped; the body goes on after it.
    if (!StartsWith(CurrentLine, "(point")) return false;
    AppendCountedResetPoint();
    ParseResetPointLine();
  }
}

bool ReadObjectList() {
  for (;;) {
    ReadNextLine();
    TrimCurrentLine();
    if (ReadPos < 0) return true;
    // A blank line is spacing, not a nameless bad guy.
    if (CurrentLine.empty()) continue;
    if (CurrentLine[0] == ')') return false;
    AppendCountedObject();
    ParseObjectLine();
  }
}

// Walks an object line the way its parse takes it: one character at a time
// from position 2; taking the last character of the line ends the parse
// without using that character.
class ObjectLineCursor {
 public:
  explicit ObjectLineCursor(const std::string& line) : line_(line) {}
  // The next character, or false when the parse ends here.
  bool Take(char& c) {
    if (pos_ + 1 >= line_.size()) return false;
    c = line_[pos_++];
    return true;
  }
  bool TakeUntil(char wanted) {
    char c = 0;
    do {
      if (!Take(c)) return false;
    } while (c != wanted);
    return true;
  }
  // A value up to its ")": digits count, every other character counts as a
  // digit 0, and a "-" directly before the first digit is its sign.
  bool TakeValue(int16_t& value) {
    int32_t magnitude = 0;
    bool negative = false, seenDigit = false;
    char c = 0;
    for (;;) {
      if (!Take(c)) return false;
      if (c == ')') break;
      if (IsDigit(c)) {
        if (!seenDigit) negative = pos_ >= 2 && line_[pos_ - 2] == '-';
        seenDigit = true;
        AddDigit(magnitude, c - '0', negative);
      } else {
        AddDigit(magnitude, 0, negative);
      }
    }
    value = Signed(magnitude, negative);
    return true;
  }
  char Peek() const { return pos_ < line_.size() ? line_[pos_] : '\0'; }

 private:
  const std::string& line_;
  size_t pos_ = 1;
};

}  // namespace

// ---------------------------------------------------------------- values

int16_t ParseIntegerValue(const std::string& line, int32_t start) {
  const size_t first = StartIndex(start);
  int32_t magnitude = 0;
  bool negative = false, seenDigit = false;
  for (size_t i = first; i < line.size(); ++i) {
    const char c = line[i];
    if (c == ')') break;
    if (!IsDigit(c)) continue;
    if (!seenDigit) negative = i > first && line[i - 1] == '-';
    seenDigit = true;
    AddDigit(magnitude, c - '0', negative);
  }
  return Signed(magnitude, negative);
}

double ParseDoubleValue(const std::string& line, int32_t start) {
  const size_t first = StartIndex(start);
  std::string text;
  bool negative = false, seenDigit = false;
  int points = 0;
  for (size_t i = first; i < line.size(); ++i) {
    const char c = line[i];
    if (c == ')') break;
    if (c == '.') {
      ++points;
      text += c;
    } else if (IsDigit(c)) {
      if (!seenDigit) negative = i > first && line[i - 1] == '-';
      seenDigit = true;
      text += c;
    }
  }
  if (!seenDigit || points > 1) throw LevelReadFailure();
  // "5." and ".5" are numbers here; from_chars wants a digit on both sides.
  if (text.front() == '.') text.insert(text.begin(), '0');
  if (text.back() == '.') text += '0';
  double value = 0;
  auto res = std::from_chars(text.data(), text.data() + text.size(), value);
  if (res.ptr != text.data() + text.size()) throw LevelReadFailure();
  if (res.ec == std::errc::result_out_of_range) {
    // Out of range below 1 means too small: its nearest double is 0. Out of
    // range from 1 up has no nearest finite double and stays a failure.
    if (text.find_first_not_of('0') != text.find('.')) throw LevelReadFailure();
    value = 0;
  } else if (res.ec != std::errc() || !std::isfinite(value)) {
    throw LevelReadFailure();
  }
  return negative ? -value : value;
}

// ---------------------------------------------------------------- objects and reset points

void ParseObjectLine() {
  if (Level.ObjectCount < 1 || static_cast<size_t>(Level.ObjectCount) >= Level.Objects.size()) throw LevelReadFailure();
  LevelObject& object = Level.Objects[static_cast<size_t>(Level.ObjectCount)];
  ObjectLineCursor cursor(CurrentLine);
  char c = 0;

  std::string name;
  for (;;) {
    if (!cursor.Take(c)) return;
    if (c == ' ') break;
    name += c;
  }
  object.Name = name;
  const int16_t kind = LookupBadGuyKind(name);
  if (kind >= 0) object.Kind = kind;

  int16_t value = 0;
  if (!cursor.TakeUntil('x') || !cursor.Take(c) || !cursor.TakeValue(value)) return;
  object.X = value;
  if (!cursor.TakeUntil('y') || !cursor.Take(c) || !cursor.TakeValue(value)) return;
  object.Y = value;
  if (!cursor.TakeUntil('#')) return;
  const char flag = cursor.Peek();
  object.StayOnPlatform = (flag == 'f' || flag == 'F') ? 0 : 1;
}

void ParseResetPointLine() {
  if (Level.ResetCount < 1 || static_cast<size_t>(Level.ResetCount) >= Level.ResetPoints.size())
    throw LevelReadFailure();
  ResetPoint& point = Level.ResetPoints[static_cast<size_t>(Level.ResetCount)];
  const std::string& line = CurrentLine;
  const size_t length = line.size();

  size_t i = 6;  // after "(point"
  while (i < length && line[i] == ' ') ++i;
  if (i + 1 >= length || line[i] != '(' || line[i + 1] != 'x') return;

  // x: blanks are skipped between the digits; a "-" directly before the
  // first digit is the sign; any other character, or the end, ends it.
  int32_t magnitude = 0;
  bool negative = false, seenDigit = false;
  for (i += 2; i < length; ++i) {
    const char c = line[i];
    if (c == ' ') continue;
    if (IsDigit(c)) {
      if (!seenDigit) negative = line[i - 1] == '-';
      seenDigit = true;
      AddDigit(magnitude, c - '0', negative);
      continue;
    }
    if (c == '-' && !seenDigit && i + 1 < length && IsDigit(line[i + 1])) continue;
    break;
  }
  point.X = Signed(magnitude, negative);
  if (i >= length) return;

  // Past the character that ended x and the one after it, then blanks and "(".
  i += 2;
  while (i < length && (line[i] == ' ' || line[i] == '(')) ++i;
  if (i >= length || line[i] != 'y') return;

  // y: digits from the second character after the "y", blanks not skipped.
  size_t k = i + 2;
  if (k + 1 < length && line[k] == '-' && IsDigit(line[k + 1])) ++k;
  magnitude = 0;
  negative = k < length && IsDigit(line[k]) && line[k - 1] == '-';
  for (; k < length && IsDigit(line[k]); ++k) AddDigit(magnitude, line[k] - '0', negative);
  point.Y = Signed(magnitude, negative);
}

// ---------------------------------------------------------------- tile maps

int16_t ReadTileNumber() {
  for (;;) {
    // A file cut off inside a map: the remaining cells are 0.
    if (ReadPos < 0) return 0;
    platform::DoEvents();
    const int32_t length = static_cast<int32_t>(CurrentLine.size());
    const char c = (TilePos >= 1 && TilePos <= length) ? CurrentLine[static_cast<size_t>(TilePos) - 1] : '\0';
    if (c == ')') return 0;
    ++TilePos;
    if (TilePos > length) {
      ReadNextLine();
      TilePos = 1;
      if (IsDigit(c)) return static_cast<int16_t>(c - '0');
      continue;
    }
    if (!IsDigit(c)) continue;
    int32_t n = c - '0';
    for (;;) {
      platform::DoEvents();
      const char d = TilePos <= length ? CurrentLine[static_cast<size_t>(TilePos) - 1] : '\0';
      ++TilePos;
      if (!IsDigit(d)) return static_cast<int16_t>(n);
      n = n * 10 + (d - '0');
      if (n > 32767) throw LevelReadFailure();
    }
  }
}

void ReadBackgroundTileMap() { ReadTileMap(Level.BackgroundTM); }
void ReadInteractiveTileMap() { ReadTileMap(Level.InteractiveTM); }
void ReadForegroundTileMap() { ReadTileMap(Level.ForegroundTM); }

// ---------------------------------------------------------------- body

void ParseLevelBody() {
  for (;;) {
    ReadNextLine();
    if (ReadPos < 0) return;
    const std::string_view trimmed = TrimView(CurrentLine);
    if (trimmed.empty()) continue;
    const Key key = FindKeyword(trimmed);
    // Not a body line: the body ends, and the line is left as read for the
    // caller (a comment after the level, a second header).
    if (key == Key::None) return;
    if (trimmed.size() != CurrentLine.size()) CurrentLine = std::string(trimmed);
    const std::string& line = CurrentLine;

    switch (key) {
      case Key::Version:
        Level.Version = FormatInt(ParseIntegerValue(line, 8));
        break;
      case Key::Author:
        Level.Author = ParseQuotedValue(line, 7);
        break;
      case Key::Name:
        Level.Name = ParseQuotedValue(line, 5);
        break;
      case Key::Width:
        Level.Width = ParseIntegerValue(line, 6);
        // A narrow width keeps the maps as they are (the map readers then
        // refuse the cells those maps do not hold).
        if (Level.Width >= 21) {
          Level.BackgroundTM.Create(Level.Width, 15);
          Level.InteractiveTM.Create(Level.Width, 15);
          Level.ForegroundTM.Create(Level.Width, 15);
          if (Windows.setMapScrollMax) Windows.setMapScrollMax(Level.Width - 18);
        }
        break;
      case Key::Height:
        Level.Height = ParseIntegerValue(line, 7);
        break;
      case Key::StartPosX:
        Level.StartPosX = ParseIntegerValue(line, 12);
        break;
      case Key::StartPosY:
        Level.StartPosY = ParseIntegerValue(line, 12);
        break;
      case Key::Background:
        Level.Background = ParseQuotedValue(line, 11);
        break;
      case Key::Music:
        Level.Music = ParseQuotedValue(line, 6);
        break;
      case Key::BkgdRedTop:
        Level.BkgdRedTop = ParseIntegerValue(line, 13);
        break;
      case Key::BkgdGreenTop:
        Level.BkgdGreenTop = ParseIntegerValue(line, 15);
        break;
      case Key::BkgdBlueTop:
        Level.BkgdBlueTop = ParseIntegerValue(line, 14);
        break;
      case Key::BkgdRedBottom:
        Level.BkgdRedBottom = ParseIntegerValue(line, 16);
        break;
      case Key::BkgdGreenBottom:
        Level.BkgdGreenBottom = ParseIntegerValue(line, 18);
        break;
      case Key::BkgdBlueBottom:
        Level.BkgdBlueBottom = ParseIntegerValue(line, 17);
        break;
      case Key::Time:
        Level.TimeLimit = ParseIntegerValue(line, 5);
        break;
      case Key::Gravity:
        Level.Gravity = ParseDoubleValue(line, 8);
        break;
      case Key::ParticleSystem:
        Level.ParticleSystem = ParseQuotedValue(line, 16);
        break;
      case Key::Theme:
        Level.Theme = ParseQuotedValue(line, 6);
        break;
      case Key::BkgdSpeed:
        Level.BkgdSpeed = ParseDoubleValue(line, 11);
        break;
      case Key::BackScrolling:
        // The character after "#"; "#)" is an empty value, not ")".
        Level.BackScrolling = line.size() >= 18 && line[17] != ')' ? line.substr(17, 1) : std::string();
        break;
      case Key::HorAutoscrollSpeed:
        Level.HorAutoscrollSpeed = ParseDoubleValue(line, 21);
        break;
      case Key::BackgroundTM:
        if (!StartTileStream(15)) return;
        ReadBackgroundTileMap();
        break;
      case Key::InteractiveTM:
        if (!StartTileStream(16)) return;
        ReadInteractiveTileMap();
        break;
      case Key::ForegroundTM:
        if (!StartTileStream(15)) return;
        ReadForegroundTileMap();
        break;
      case Key::ResetPoints:
        if (ReadResetPointList()) return;
        break;
      case Key::Objects:
        if (ReadObjectList()) return;
        break;
      case Key::Close:
      case Key::None:
        break;
    }
  }
}

// ---------------------------------------------------------------- the file

bool ReadLevelFile(const std::string& path) {
  // The reader state exists once; a read asked for while one runs (through
  // the event pump) is refused.
  if (ReadInProgress()) return false;
  for (auto& kind : BadGuyKinds) kind.Count = 0;
  Pref.LastLevelFile = path;
  // The info reader holds the lock while it runs, and nothing between it and
  // the line below runs the event pump, so no other read can slip in.
  ReadInfoFile(path);
  ReadLock lock;
  if (!lock.Held()) return false;

  try {
    InputFile file(path);
    // A file with LF line ends comes in as one long first line, split here.
    if (!file.StartLines(256)) throw LevelReadFailure();
    // A file that never opens a level body is not a level (a text, a
    // picture, a file of zeros): taking it as read would leave the level
    // before it under its name, to be saved over it.
    bool bodyMet = false;
    for (;;) {
      if (StartsWith(CurrentLine, ";")) {
        Level.Comment = CurrentLine;
      } else if (CurrentLine == "(yorvane-level") {
        bodyMet = true;
        ParseLevelBody();
        // The line that ended the body is tested like any other line here.
        if (ReadPos > 0) continue;
      }
      if (ReadPos < 0) break;
      ReadNextLine();
      if (ReadPos <= 0) break;
    }
    if (!bodyMet) throw LevelReadFailure();
  } catch (const std::exception&) {
    // The file was closed on the way out of the try block.
    ShowMsgBox(FileNotFoundMsg, 16, "ZUNBO File Read Error");
    return false;
  }
  LevelLoaded = true;
  LevelChanged = false;
  return true;
}

}  // namespace yv
