#include "worldeditor/document/YVW_Read.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string_view>

#include "model/General.h"
#include "model/LineEnds.h"
#include "model/Preference.h"
#include "model/ReaderState.h"
#include "model/YVE_Main.h"
#include "platform/FileSystem.h"
#include "platform/TextInput.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace yv {

WorldData World;
bool WorldLoaded = false;
bool NewWorldPending = false;
bool WorldChanged = false;
int16_t WorldReadError = 0;
int16_t SelectedLinkType = 0;
int16_t SelectedWorldTile = 0;
std::string WorldKeyword;
std::string WorldToken;

TileMap SingleCellTileMap() {
  TileMap map;
  map.Create(0, 0);
  return map;
}

// ---------------------------------------------------------------- the document

void ResetWorldData() {
  World.Name = "default_test";
  World.Music = "SALCON.MOD";
  World.StartX = 3;
  World.StartY = 3;
  World.Width = 18;
  World.Height = 15;
  World.LinkCount = 0;
  World.CommentCount = 0;
  // New containers rather than cleared ones, so a large world's memory goes too.
  World.Comments = std::vector<std::string>(1);
  World.Tiles = SingleCellTileMap();
  World.Links = std::vector<WorldLink>(1);
  WorldLoaded = false;
}

void ResetWorldTiles() {
  World.Tiles.Create(World.Width, World.Height);
  for (int column = 0; column < World.Width; ++column)
    for (int row = 0; row < World.Height; ++row) World.Tiles.Set(column, row, 9);
  WorldLoaded = true;
}

void DeleteLink(int n) {
  if (n < 1 || n > World.LinkCount) return;
  World.Links.resize(static_cast<size_t>(World.LinkCount) + 1);
  World.Links.erase(World.Links.begin() + n);
  --World.LinkCount;
}

namespace {

// World.Links with its elements 0 to n, growing by doubling when its room
// runs out: a list of thousands of links is moved a few times, not once a
// link.
void SizeLinks(size_t n) {
  std::vector<WorldLink>& links = World.Links;
  if (n + 1 > links.capacity()) links.reserve(std::max(n + 1, 2 * links.capacity()));
  links.resize(n + 1);
}

}  // namespace

bool AddInNewLink(int16_t x, int16_t y) {
  // The count is 16-bit: one link more than it holds cannot be numbered.
  if (World.LinkCount < 0 || World.LinkCount >= kMaxWorldLinks) return false;
  ++World.LinkCount;
  SizeLinks(static_cast<size_t>(World.LinkCount));
  WorldLink& link = World.Links[static_cast<size_t>(World.LinkCount)];
  link = WorldLink{};
  link.X = x;
  link.Y = y;
  link.LinkType = 2;
  SelectedLink = World.LinkCount;
  return true;
}

bool ShowZTypeDialog() {
  // Without a picker nothing would ever end the wait.
  if (!Windows.loadZTypeFrm) return false;
  return WaitForDialog(Windows.loadZTypeFrm);
}

int16_t WorldTile(int column, int row) { return World.Tiles.Get(column, row); }

bool SetWorldTile(int column, int row, int16_t tile) {
  if (column < 0 || row < 0 || column > World.Width || row > World.Height) return false;
  // The properties dialog can make an open world larger without touching its
  // tile array; the first paint there grows the array to take the cell.
  if (!World.Tiles.Contains(column, row))
    World.Tiles.Resize(std::max(World.Tiles.Columns() - 1, column), std::max(World.Tiles.Rows() - 1, row));
  return World.Tiles.Set(column, row, tile);
}

// ---------------------------------------------------------------- the tokenizer

namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

// What a character is to the tokenizer: a blank (space, TAB, LF), and
// whether it ends a word (a blank or a bracket; a ")" is left to be read
// next, the others are consumed).
enum : uint8_t { kBlank = 1, kEndsWord = 2 };
struct CharClasses {
  uint8_t of[256] = {};
  constexpr CharClasses() {
    for (const char c : {' ', '\t', '\n'}) of[static_cast<uint8_t>(c)] = kBlank | kEndsWord;
    of[static_cast<uint8_t>('(')] = kEndsWord;
    of[static_cast<uint8_t>(')')] = kEndsWord;
  }
};
constexpr CharClasses kClass;

bool IsBlank(char c) { return (kClass.of[static_cast<uint8_t>(c)] & kBlank) != 0; }
bool EndsWord(char c) { return (kClass.of[static_cast<uint8_t>(c)] & kEndsWord) != 0; }

// word, in lower case, is key (itself in lower case); nothing is copied.
bool IsKeyword(std::string_view word, std::string_view key) {
  if (word.size() != key.size()) return false;
  for (size_t i = 0; i < word.size(); ++i)
    if (LowerAscii(word[i]) != key[i]) return false;
  return true;
}

// A keyword prepared for comparing eight characters at a time: its text
// zero-padded, 0x20 where it holds a letter (so that or-ing it in turns an
// upper-case letter of the text into lower case and changes nothing else),
// and 0xFF where it holds a character at all.
struct KeywordText {
  static constexpr size_t kRoom = 24;
  std::string_view text;
  char chars[kRoom] = {};
  char letters[kRoom] = {};
  char used[kRoom] = {};
  constexpr explicit KeywordText(std::string_view key) : text(key) {
    for (size_t i = 0; i < key.size() && i < kRoom; ++i) {
      chars[i] = key[i];
      letters[i] = key[i] >= 'a' && key[i] <= 'z' ? 0x20 : 0;
      used[i] = static_cast<char>(0xFF);
    }
  }
};

uint64_t Load8(const char* p) {
  uint64_t v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

// The tokenizer's place in ReadBuffer. A world holds a few hundred thousand
// tokens, so the parsers work on the text where it stands: the position is
// held here while they run and written back to ReadPos when they return, a
// token is one character and a word a view of the text, and WorldToken and
// WorldKeyword receive only the last of them.
class Scanner {
 public:
  Scanner() : text_(ReadBuffer.data()), size_(ReadBuffer.size()), endPos_(ReadPos) {
    ended_ = ReadPos < 1 || static_cast<size_t>(ReadPos) > size_;
    at_ = ended_ ? 0 : static_cast<size_t>(ReadPos) - 1;
  }
  // ReadPos, WorldToken and WorldKeyword as the tokenizer has left them.
  void Store();

  bool Ended() const { return ended_; }
  // The index of the next character; meaningful only while not ended.
  size_t At() const { return at_; }
  // The characters not yet taken.
  size_t Left() const { return ended_ ? 0 : size_ - at_; }
  // The end of the text: ReadPos below 1 from now on.
  void End() {
    ended_ = true;
    endPos_ = -1;
  }
  // The next character; taking the last one ends the text at once.
  char Take() {
    const char c = text_[at_];
    if (at_ + 1 == size_)
      End();
    else
      ++at_;
    return c;
  }
  // Once the text has ended it stays ended.
  void StepBack() {
    if (!ended_ && at_ > 0) --at_;
  }

  // The next character that is not a blank, as 0..255; kEnd at the end of
  // the text (taking the last character ends it, and a last blank is no
  // token).
  int Token() {
    if (ended_) return token_ = kEnd;
    const size_t at = FirstNonBlank(at_);
    const char c = text_[at];
    if (at + 1 == size_) {
      End();
      if (IsBlank(c)) return token_ = kEnd;
    } else {
      at_ = at + 1;
    }
    return token_ = static_cast<uint8_t>(c);
  }

  // Blanks are taken; the first other character is left to be read next,
  // unless it is the last one, whose taking ends the text.
  void SkipBlanks() {
    if (ended_) return;
    const size_t at = FirstNonBlank(at_);
    if (at + 1 == size_)
      End();
    else
      at_ = at;
  }

  // A word as it stands in the text (not yet in lower case): after the
  // blanks, the characters up to a blank or "(" (consumed) or a ")" (left
  // to be read next). The last character of the text ends it and is not
  // part of it.
  std::string_view Word() {
    if (ended_) return {};
    const size_t last = size_ - 1;
    const size_t start = FirstNonBlank(at_);
    if (start == last) {
      End();
      return {};
    }
    const size_t at = FirstWordEnd(start);
    // A branch rather than a select on the character: the next word's
    // position then follows from the prediction and does not wait on the
    // load of this one's end.
    if (at == last)
      End();
    else if (text_[at] == ')')
      at_ = at;
    else
      at_ = at + 1;
    return std::string_view(text_ + start, at - start);
  }

  // A word read as a number: an optional sign and decimal digits in
  // -32768..32767; false (the word consumed) for any other word.
  bool Number(int16_t& value);

  // count numbers, each as Number() reads it, handed to put in order; false
  // at the first word that is no number. A map's cells are a few hundred
  // thousand numbers of a few digits with spaces before them; well before
  // the last character those are read here directly, anything else (a
  // sign, five digits or more, a tab or line end, another character after
  // the digits) by Number().
  template <class Put>
  bool Numbers(size_t count, Put put) {
    // The quick reading stays sixteen characters short of the end, so that
    // neither a number nor the character after it is the last one.
    const size_t quickEnd = size_ > 16 ? size_ - 16 : 0;
    size_t at = at_;
    for (size_t i = 0; i < count; ++i) {
      if (!ended_ && at < quickEnd) {
        size_t first = at;
        while (text_[first] == ' ' && first < quickEnd) ++first;
        unsigned digit = static_cast<unsigned>(static_cast<uint8_t>(text_[first])) - '0';
        if (digit <= 9 && first < quickEnd) {
          unsigned number = digit;
          size_t last = first;
          for (int more = 0; more < 3; ++more) {
            digit = static_cast<unsigned>(static_cast<uint8_t>(text_[last + 1])) - '0';
            if (digit > 9) break;
            number = number * 10 + digit;
            ++last;
          }
          // The next position follows from the branches taken, not from a
          // load: numbers read one after another do not wait on each other.
          const char after = text_[last + 1];
          if (after == ' ') [[likely]] {
            put(static_cast<int16_t>(number));
            at = last + 2;
            continue;
          }
          if (EndsWord(after)) {
            put(static_cast<int16_t>(number));
            at = after == ')' ? last + 1 : last + 2;
            continue;
          }
        }
      }
      at_ = at;
      int16_t value = 0;
      if (!Number(value)) return false;
      put(value);
      at = at_;
    }
    at_ = at;
    return true;
  }

  // A word that a parser takes as its keyword (WorldKeyword).
  std::string_view Keyword() {
    keyword_ = Word();
    keywordRead_ = true;
    return keyword_;
  }

  // A string between double quotes into field, assigned once; field becomes
  // "" when the next token is no quote (that token is consumed) or the
  // quote is the text's last character. No escapes: everything up to the
  // next quote, line ends included; a string left open runs to the end of
  // the text.
  void StringInto(std::string& field) {
    if (Token() != '"' || ended_) {
      field.clear();
      return;
    }
    const char* const from = text_ + at_;
    const auto* quote = static_cast<const char*>(std::memchr(from, '"', size_ - at_));
    if (quote == nullptr) {
      field.assign(from, size_ - at_);
      End();
      return;
    }
    field.assign(from, static_cast<size_t>(quote - from));
    const size_t at = static_cast<size_t>(quote - text_);
    if (at + 1 == size_)
      End();
    else
      at_ = at + 1;
  }

  // After "#", the next non-blank character into field; otherwise "".
  void FlagInto(std::string& field) {
    if (Token() == '#' && !ended_) {
      const int flag = Token();
      if (flag == kEnd)
        field.clear();
      else
        field.assign(1, static_cast<char>(flag));
    } else {
      field.clear();
    }
  }

  // The text up to LF (consumed, not part of it) or "(" (left to be read
  // next); the last character of the text ends it and is not part of it.
  std::string_view RestOfLine() {
    if (ended_) return {};
    const size_t from = at_;
    size_t at = from;
    for (;; ++at) {
      if (at + 1 == size_) {
        End();
        break;
      }
      if (text_[at] == '(') {
        at_ = at;
        break;
      }
      if (text_[at] == '\n') {
        at_ = at + 1;
        break;
      }
    }
    return std::string_view(text_ + from, at - from);
  }

  // A comment line at top level or between the records of the levels
  // section: everything up to the line end, brackets included (a "(" in a
  // comment is text, not the start of an entry).
  std::string_view CommentLine() {
    if (ended_) return {};
    const size_t from = at_;
    const auto* lf = static_cast<const char*>(std::memchr(text_ + from, '\n', size_ - from));
    const size_t stop = lf != nullptr ? static_cast<size_t>(lf - text_) : size_ - 1;
    if (stop + 1 == size_)
      End();
    else
      at_ = stop + 1;
    return std::string_view(text_ + from, stop - from);
  }

  // word (from this text), in lower case, is key.
  bool Is(std::string_view word, const KeywordText& key) const {
    if (word.size() != key.text.size()) return false;
    if (static_cast<size_t>(word.data() - text_) + KeywordText::kRoom > size_) return IsKeyword(word, key.text);
    for (size_t i = 0; i < word.size(); i += 8)
      if (((Load8(word.data() + i) | Load8(key.letters + i)) & Load8(key.used + i)) != Load8(key.chars + i))
        return false;
    return true;
  }

  static constexpr int kEnd = -1;

 private:
  static constexpr int kNone = -2;  // no token taken

  // The first index from at on that holds no blank, or the last index.
  size_t FirstNonBlank(size_t at) const {
    const size_t last = size_ - 1;
    while (at < last && IsBlank(text_[at])) ++at;
    return at;
  }

  // The first index from at on that holds a character ending a word, or the
  // last index.
  size_t FirstWordEnd(size_t at) const {
    const size_t last = size_ - 1;
    while (at < last && !EndsWord(text_[at])) ++at;
    return at;
  }

  const char* text_;
  size_t size_;
  size_t at_;
  bool ended_;
  int32_t endPos_;  // ReadPos while ended
  int token_ = kNone;
  std::string_view keyword_;
  bool keywordRead_ = false;
};

void Scanner::Store() {
  ReadPos = ended_ ? endPos_ : static_cast<int32_t>(at_ + 1);
  if (token_ == kEnd)
    WorldToken.clear();
  else if (token_ != kNone)
    WorldToken.assign(1, static_cast<char>(token_));
  if (keywordRead_) {
    WorldKeyword.assign(keyword_);
    for (char& c : WorldKeyword) c = LowerAscii(c);
  }
}

// An optional sign and one or more decimal digits, in -32768..32767.
bool ParseWorldNumber(std::string_view word, int16_t& value) {
  size_t i = 0;
  bool negative = false;
  if (!word.empty() && (word[0] == '+' || word[0] == '-')) {
    negative = word[0] == '-';
    ++i;
  }
  if (i == word.size()) return false;
  int32_t magnitude = 0;
  for (; i < word.size(); ++i) {
    if (word[i] < '0' || word[i] > '9') return false;
    magnitude = magnitude * 10 + (word[i] - '0');
    if (magnitude > 32768) return false;
  }
  const int32_t signedValue = negative ? -magnitude : magnitude;
  if (signedValue > 32767) return false;
  value = static_cast<int16_t>(signedValue);
  return true;
}

bool Scanner::Number(int16_t& value) {
  // The numbers of entries are a few digits with a blank or two before
  // them; those are read here in one pass, well before the last character,
  // and every other word (a sign, more digits, something else after them)
  // as a word.
  if (!ended_) {
    const size_t last = size_ - 1;
    size_t at = at_;
    while (at < last && IsBlank(text_[at])) ++at;
    unsigned digit = static_cast<unsigned>(static_cast<uint8_t>(text_[at])) - '0';
    if (digit <= 9 && at + 6 < last) {
      const size_t start = at;
      unsigned number = 0;
      do {
        number = number * 10 + digit;
        digit = static_cast<unsigned>(static_cast<uint8_t>(text_[++at])) - '0';
      } while (digit <= 9 && at < start + 5);
      if (EndsWord(text_[at]) && number <= 32767) {
        value = static_cast<int16_t>(number);
        if (text_[at] == ')')
          at_ = at;
        else
          at_ = at + 1;
        return true;
      }
    }
  }
  return ParseWorldNumber(Word(), value);
}

// After an entry's value the next token must be ")".
bool CloseEntry(Scanner& scan, int16_t code) {
  if (scan.Token() == ')') return true;
  WorldReadError = code;
  return false;
}

// A value that is not a number leaves the field as it was.
bool NumberEntry(Scanner& scan, int16_t& field, int16_t code) {
  int16_t value = 0;
  if (!scan.Number(value)) {
    WorldReadError = code;
    return false;
  }
  field = value;
  return CloseEntry(scan, code);
}

bool StringEntry(Scanner& scan, std::string& field, int16_t code) {
  scan.StringInto(field);
  return CloseEntry(scan, code);
}

bool FlagEntry(Scanner& scan, std::string& field, int16_t code) {
  scan.FlagInto(field);
  return CloseEntry(scan, code);
}

}  // namespace

std::string NextWorldToken() {
  Scanner scan;
  scan.Token();
  scan.Store();
  return WorldToken;
}

std::string ReadWorldChar() {
  Scanner scan;
  if (scan.Ended()) return std::string();
  const char c = scan.Take();
  scan.Store();
  return std::string(1, c);
}

void SkipWorldBlanks() {
  Scanner scan;
  scan.SkipBlanks();
  scan.Store();
}

std::string ReadWorldWord() {
  Scanner scan;
  std::string word(scan.Word());
  scan.Store();
  for (char& c : word) c = LowerAscii(c);
  return word;
}

std::string ReadWorldString() {
  Scanner scan;
  std::string value;
  scan.StringInto(value);
  scan.Store();
  return value;
}

std::string ReadBoolToken() {
  Scanner scan;
  std::string flag;
  scan.FlagInto(flag);
  scan.Store();
  return flag;
}

std::string ReadWorldRestOfLine() {
  Scanner scan;
  std::string line(scan.RestOfLine());
  scan.Store();
  return line;
}

// ---------------------------------------------------------------- the sections

namespace {

void Properties(Scanner& scan) {
  for (;;) {
    const int token = scan.Token();
    if (token == Scanner::kEnd) {
      WorldReadError = 10;
      return;
    }
    if (token == ')') return;
    if (token != '(') {
      WorldReadError = 19;
      return;
    }
    const std::string_view key = scan.Keyword();
    bool ok;
    if (IsKeyword(key, "name"))
      ok = StringEntry(scan, World.Name, 11);
    else if (IsKeyword(key, "music"))
      ok = StringEntry(scan, World.Music, 12);
    else if (IsKeyword(key, "start_pos_x"))
      ok = NumberEntry(scan, World.StartX, 13);
    else if (IsKeyword(key, "start_pos_y"))
      ok = NumberEntry(scan, World.StartY, 14);
    else {
      WorldReadError = 19;
      ok = false;
    }
    if (!ok) return;
  }
}

// The numbers of "(data": World.Height rows of World.Width numbers.
bool TileData(Scanner& scan) {
  const int width = World.Width, height = World.Height;
  if ((width == 0 && height == 0) || width < 0 || height < 0) {
    WorldReadError = 23;
    return false;
  }
  // Every number takes at least one digit and one character after it, so a
  // size the rest of the text cannot fill is a cut or damaged file: it ends
  // here, before a map of that size is ever allocated.
  if (2 * static_cast<int64_t>(width) * height > static_cast<int64_t>(scan.Left())) {
    scan.End();
    WorldReadError = 24;
    return false;
  }
  World.Tiles.Create(width, height);
  int column = 0, row = 0;
  const bool read = scan.Numbers(static_cast<size_t>(width) * static_cast<size_t>(height), [&](int16_t tile) {
    World.Tiles.Set(column, row, tile);
    if (++column == width) {
      column = 0;
      ++row;
    }
  });
  if (!read) {
    WorldReadError = 24;
    return false;
  }
  return CloseEntry(scan, 24);
}

void Tilemap(Scanner& scan) {
  for (;;) {
    const int token = scan.Token();
    if (token == Scanner::kEnd) {
      WorldReadError = 20;
      return;
    }
    if (token == ')') return;
    if (token != '(') {
      WorldReadError = 29;
      return;
    }
    const std::string_view key = scan.Keyword();
    bool ok;
    if (IsKeyword(key, "width"))
      ok = NumberEntry(scan, World.Width, 21);
    else if (IsKeyword(key, "height"))
      ok = NumberEntry(scan, World.Height, 22);
    else if (IsKeyword(key, "data"))
      ok = TileData(scan);
    else {
      WorldReadError = 29;
      ok = false;
    }
    if (!ok) return;
  }
}

// The entries of a "(level" record: the keyword, how its value is read, the
// link type it sets (0: none), its code, and the field it fills.
struct RecordEntry {
  enum Value : uint8_t { kRestOfLine, kString, kNumber, kFlag };
  KeywordText key;
  Value value;
  int16_t linkType;
  int16_t code;
  std::string WorldLink::*text;
  int16_t WorldLink::*number;
};
// By length, so that a keyword is compared only with those of its length.
constexpr RecordEntry kRecordEntries[] = {
    {KeywordText(";"), RecordEntry::kRestOfLine, 1, 33, nullptr, nullptr},
    {KeywordText("x"), RecordEntry::kNumber, 0, 35, nullptr, &WorldLink::X},
    {KeywordText("y"), RecordEntry::kNumber, 0, 36, nullptr, &WorldLink::Y},
    {KeywordText("name"), RecordEntry::kString, 2, 34, &WorldLink::LevelLinkName, nullptr},
    {KeywordText("dest_x"), RecordEntry::kNumber, 0, 40, nullptr, &WorldLink::DestX},
    {KeywordText("dest_y"), RecordEntry::kNumber, 0, 41, nullptr, &WorldLink::DestY},
    {KeywordText("map-message"), RecordEntry::kString, 3, 37, &WorldLink::Message, nullptr},
    {KeywordText("extro-filename"), RecordEntry::kString, 0, 46, &WorldLink::ExtroFile, nullptr},
    {KeywordText("apply-action-up"), RecordEntry::kFlag, 0, 44, &WorldLink::ApplyUp, nullptr},
    {KeywordText("teleport-message"), RecordEntry::kString, 4, 38, &WorldLink::Message, nullptr},
    {KeywordText("apply-action-left"), RecordEntry::kFlag, 0, 43, &WorldLink::ApplyLeft, nullptr},
    {KeywordText("apply-action-down"), RecordEntry::kFlag, 0, 45, &WorldLink::ApplyDown, nullptr},
    {KeywordText("apply-action-right"), RecordEntry::kFlag, 0, 42, &WorldLink::ApplyRight, nullptr},
    {KeywordText("invisible-teleporter"), RecordEntry::kFlag, 5, 39, &WorldLink::Invisible, nullptr},
};
constexpr size_t kRecordEntryCount = sizeof kRecordEntries / sizeof kRecordEntries[0];
constexpr size_t kLongestRecordKey = 20;

// The first entry of each keyword length.
struct EntriesByLength {
  uint8_t first[kLongestRecordKey + 2] = {};
  constexpr EntriesByLength() {
    for (size_t length = 0; length <= kLongestRecordKey + 1; ++length) {
      size_t i = 0;
      while (i < kRecordEntryCount && kRecordEntries[i].key.text.size() < length) ++i;
      first[length] = static_cast<uint8_t>(i);
    }
  }
};
constexpr EntriesByLength kEntriesByLength;

const RecordEntry* FindRecordEntry(const Scanner& scan, std::string_view key) {
  if (key.size() > kLongestRecordKey) return nullptr;
  for (size_t i = kEntriesByLength.first[key.size()]; i < kEntriesByLength.first[key.size() + 1]; ++i)
    if (scan.Is(key, kRecordEntries[i].key)) return &kRecordEntries[i];
  return nullptr;
}

constexpr KeywordText kLevelKey("level");

// One "(level" record, after its keyword. pending is the comment line last
// met between the records; every record after it takes it as its comment.
bool LevelRecord(Scanner& scan, const std::string& pending) {
  if (World.LinkCount < 0 || World.LinkCount >= kMaxWorldLinks) {
    WorldReadError = 49;
    return false;
  }
  ++World.LinkCount;
  const size_t n = static_cast<size_t>(World.LinkCount);
  SizeLinks(n);
  WorldLink& link = World.Links[n];
  link.LinkType = 0;
  // The comment is the pending one from the record's first token on; it
  // cannot change while the record is read, so it is assigned once.
  bool commented = false;
  for (;;) {
    const int token = scan.Token();
    if (token == Scanner::kEnd) {
      WorldReadError = 31;
      return false;
    }
    if (!commented) {
      link.Comment = pending;
      commented = true;
    }
    if (token == ')') return true;
    if (token != '(') {
      WorldReadError = 49;
      return false;
    }
    const std::string_view key = scan.Keyword();
    if (scan.Ended()) {
      WorldReadError = 32;
      return false;
    }
    const RecordEntry* const entry = FindRecordEntry(scan, key);
    if (entry == nullptr) {
      WorldReadError = 48;
      return false;
    }
    if (entry->linkType != 0) link.LinkType = entry->linkType;
    bool ok = false;
    switch (entry->value) {
      case RecordEntry::kRestOfLine:
        scan.RestOfLine();
        ok = CloseEntry(scan, entry->code);
        break;
      case RecordEntry::kString:
        ok = StringEntry(scan, link.*entry->text, entry->code);
        break;
      case RecordEntry::kNumber:
        ok = NumberEntry(scan, link.*entry->number, entry->code);
        break;
      case RecordEntry::kFlag:
        ok = FlagEntry(scan, link.*entry->text, entry->code);
        break;
    }
    if (!ok) return false;
  }
}

void Levels(Scanner& scan) {
  std::string pending;
  for (;;) {
    const int token = scan.Token();
    if (token == Scanner::kEnd) {
      WorldReadError = 30;
      return;
    }
    if (token == ';') {
      // The comment keeps its ";".
      scan.StepBack();
      pending.assign(scan.CommentLine());
      continue;
    }
    if (token == ')') return;
    if (token != '(' || !scan.Is(scan.Keyword(), kLevelKey)) {
      WorldReadError = 49;
      return;
    }
    if (!LevelRecord(scan, pending)) return;
  }
}

void Body(Scanner& scan) {
  for (;;) {
    const int token = scan.Token();
    if (token == Scanner::kEnd) {
      WorldReadError = 2;
      return;
    }
    if (token == ')') {
      WorldReadError = World.Width > 0 && World.Height > 0 ? 0 : 3;
      return;
    }
    if (token != '(') {
      WorldReadError = 4;
      return;
    }
    const std::string_view key = scan.Keyword();
    if (IsKeyword(key, "properties"))
      Properties(scan);
    else if (IsKeyword(key, "tilemap"))
      Tilemap(scan);
    else if (IsKeyword(key, "levels"))
      Levels(scan);
    else
      WorldReadError = 4;
    if (WorldReadError != 0) return;
  }
}

}  // namespace

void ParseWorldProperties() {
  Scanner scan;
  Properties(scan);
  scan.Store();
}

void ParseWorldTilemap() {
  Scanner scan;
  Tilemap(scan);
  scan.Store();
}

void ParseWorldLevels() {
  Scanner scan;
  Levels(scan);
  scan.Store();
}

void ParseWorldBody() {
  Scanner scan;
  Body(scan);
  scan.Store();
}

// ---------------------------------------------------------------- the file

namespace {

// Lines ended by CR, by CR LF or by the end of the text, each followed by one
// LF, rewritten in place: a text without CR stays as it is, and a lone LF
// stays in its line. The LF a last line without its line end takes fits the
// room the input file leaves after the text, so even a lone-CR text grows
// where it stands.
void ToLfLines(std::string& text) {
  size_t out = text.find('\r');
  if (out == std::string::npos) return;
  bool lineEnded = false;
  for (size_t in = out; in < text.size(); ++in) {
    const char c = text[in];
    lineEnded = c == '\r';
    if (lineEnded && in + 1 < text.size() && text[in + 1] == '\n') ++in;
    text[out++] = lineEnded ? '\n' : c;
  }
  text.resize(out);
  if (!lineEnded) text += '\n';
}

// The file's text into ReadBuffer with LF line ends. The bytes read are the
// buffer itself, never copied: a large world is held once. False when the
// path names no ordinary file that can be read whole.
bool LoadWorldText(const std::string& path) {
  // The length is -1 for a path that names no ordinary file.
  const int64_t length = platform::Fs().FileLength(path);
  if (length < 0 || length >= kMaxReadableLength) return false;
  // The text of the read before goes first, so two texts are never held.
  ReadBuffer = std::string();
  InputFile file(path);
  if (!file.IsOpen()) return false;
  WorldFileLength = static_cast<int32_t>(length);
  platform::TakeInputText(file.Number(), ReadBuffer);
  ToLfLines(ReadBuffer);
  return true;
}

// How many "(level" records the text may hold, to size the link list once:
// the file carries no count, and the writer opens every record with "(level"
// and a blank. A count off either way costs only memory or a growth.
size_t CountLevelRecords(const std::string& text) {
  const std::string_view key = "(level";
  const size_t size = text.size();
  size_t count = 0;
  auto recordAt = [&](size_t at) {
    if (text.compare(at, key.size(), key) != 0) return false;
    const size_t after = at + key.size();
    return after == size || EndsWord(text[after]);
  };
  size_t at = 0;
#if defined(__SSE2__)
  // "(" stands every few characters in a world's records, "(l" only where a
  // record opens: sixteen places at a time are tested for it.
  const __m128i open = _mm_set1_epi8('('), l = _mm_set1_epi8('l');
  for (; at + 17 <= size; at += 16) {
    const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + at));
    const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + at + 1));
    auto hits =
        static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(here, open), _mm_cmpeq_epi8(next, l))));
    for (; hits != 0; hits &= hits - 1)
      if (recordAt(at + static_cast<size_t>(std::countr_zero(hits)))) ++count;
  }
#endif
  for (; at < size; ++at)
    if (text[at] == '(' && recordAt(at)) ++count;
  return std::min(count, static_cast<size_t>(kMaxWorldLinks));
}

// The comment line whose ";" stands at index at, whole as it stands in the
// text (brackets and all, without its line end), when the line begins with
// ";;"; otherwise "".
std::string HeaderLineAt(size_t at) {
  if ((at > 0 && ReadBuffer[at - 1] != '\n') || at + 1 >= ReadBuffer.size() || ReadBuffer[at + 1] != ';')
    return std::string();
  const size_t end = ReadBuffer.find('\n', at);
  return ReadBuffer.substr(at, end == std::string::npos ? std::string::npos : end - at);
}

void ParseWorldTopLevel(Scanner& scan) {
  bool bodyRead = false, commentMet = false;
  for (;;) {
    const int token = scan.Token();
    if (token == Scanner::kEnd) break;
    if (token == ';') {
      // The first comment line is the file's own header when it begins with
      // ";;": element 0 keeps it, so the properties dialog shows it and the
      // next save writes it back instead of the default one.
      if (!commentMet && !scan.Ended()) World.Comments[0] = HeaderLineAt(scan.At() - 1);
      commentMet = true;
      const std::string_view comment = scan.CommentLine();
      // The count is 16-bit; later comment lines are read over.
      if (World.CommentCount >= 0 && World.CommentCount < INT16_MAX) {
        ++World.CommentCount;
        World.Comments.resize(static_cast<size_t>(World.CommentCount) + 1);
        World.Comments.back().assign(comment);
      }
      if (scan.Ended()) break;
      continue;
    }
    if (token != '(') break;
    if (IsKeyword(scan.Keyword(), "yorvane-worldmap")) {
      Body(scan);
      bodyRead = true;
    }
    if (scan.Ended()) {
      WorldReadError = 1;
      return;
    }
    // A body that failed ends the read with its code: scanning on could
    // find a second header and report the broken file as good.
    if (WorldReadError != 0) return;
  }
  // A file without a world body (empty, comments only, another format) is no
  // world map.
  if (!bodyRead) WorldReadError = 1;
}

}  // namespace

void ReadWorldFile(const std::string& path) {
  // The reader state exists once; a read asked for while one runs is refused.
  ReadLock lock;
  if (!lock.Held()) return;
  TabChar = "\t";
  NewLine = Lf;
  WorldReadError = 0;
  ResetWorldData();

  if (!LoadWorldText(path)) {
    ShowMsgBox(path, 16, "Map NOT Found!");
    return;
  }
  Pref.LastWorldMapFile = path;
  NewWorldPending = false;
  World.Links.reserve(CountLevelRecords(ReadBuffer) + 1);
  ReadPos = ReadBuffer.empty() ? -1 : 1;
  CurrentLine.clear();

  Scanner scan;
  ParseWorldTopLevel(scan);
  scan.Store();
  if (WorldReadError == 0) {
    WorldLoaded = true;
    WorldChanged = false;
  }
}

}  // namespace yv
