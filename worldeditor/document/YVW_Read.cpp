#include "worldeditor/document/YVW_Read.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string_view>

#include "model/General.h"
#include "model/LineEnds.h"
#include "model/Preference.h"
#include "model/ReaderState.h"
#include "model/YVE_Main.h"
#include "platform/FileSystem.h"
#include "platform/TextInput.h"

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

bool AtEnd() { return ReadPos < 1 || static_cast<size_t>(ReadPos) > ReadBuffer.size(); }

// The character at ReadPos; taking the last one ends the text at once.
char Take() {
  const char c = ReadBuffer[static_cast<size_t>(ReadPos) - 1];
  if (static_cast<size_t>(ReadPos) >= ReadBuffer.size())
    ReadPos = -1;
  else
    ++ReadPos;
  return c;
}

// Once the text has ended it stays ended.
void StepBack() {
  if (ReadPos > 1) --ReadPos;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

// A comment line at top level or between the records of the levels section:
// everything up to the line end, brackets included (a "(" in a comment is
// text, not the start of an entry).
std::string ReadWorldCommentLine() {
  std::string line;
  while (!AtEnd()) {
    const char c = Take();
    if (AtEnd() || c == '\n') break;
    line += c;
  }
  return line;
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

// The next word as ReadWorldWord takes it, as it stands in ReadBuffer (not
// yet in lower case). A map holds a few hundred thousand of them, so this
// walks the buffer directly rather than one taken character at a time.
// How a character ends a word: 0 not at all, 1 consumed (a blank or "("),
// 2 left to be read next (")").
struct WordEnds {
  uint8_t kind[256] = {};
  constexpr WordEnds() {
    kind[static_cast<uint8_t>(' ')] = kind[static_cast<uint8_t>('\t')] = kind[static_cast<uint8_t>('\n')] = 1;
    kind[static_cast<uint8_t>('(')] = 1;
    kind[static_cast<uint8_t>(')')] = 2;
  }
};
constexpr WordEnds kWordEnds;

std::string_view ScanWorldWord() {
  if (AtEnd()) return {};
  const char* const text = ReadBuffer.data();
  const size_t last = ReadBuffer.size() - 1;
  size_t pos = static_cast<size_t>(ReadPos) - 1;
  while (pos <= last && IsBlank(text[pos])) ++pos;
  // Blanks up to the end, or the first other character the last one:
  // taking it ends the text, and the word is empty.
  if (pos >= last) {
    ReadPos = -1;
    return {};
  }
  const size_t start = pos;
  while (pos < last && kWordEnds.kind[static_cast<uint8_t>(text[pos])] == 0) ++pos;
  if (pos == last)
    ReadPos = -1;  // the last character ends the text and is not added
  else
    ReadPos = static_cast<int32_t>(pos + (kWordEnds.kind[static_cast<uint8_t>(text[pos])] == 2 ? 1 : 2));
  return std::string_view(text + start, pos - start);
}

// After an entry's value the next token must be ")".
bool CloseEntry(int16_t code) {
  if (NextWorldToken() == ")") return true;
  WorldReadError = code;
  return false;
}

// A value that is not a number leaves the field as it was.
bool NumberEntry(int16_t& field, int16_t code) {
  int16_t value = 0;
  if (!ParseWorldNumber(ScanWorldWord(), value)) {
    WorldReadError = code;
    return false;
  }
  field = value;
  return CloseEntry(code);
}

bool StringEntry(std::string& field, int16_t code) {
  field = ReadWorldString();
  return CloseEntry(code);
}

bool FlagEntry(std::string& field, int16_t code) {
  field = ReadBoolToken();
  return CloseEntry(code);
}

}  // namespace

std::string NextWorldToken() {
  WorldToken.clear();
  while (!AtEnd()) {
    const char c = Take();
    if (!IsBlank(c)) {
      WorldToken.assign(1, c);
      break;
    }
  }
  return WorldToken;
}

std::string ReadWorldChar() {
  if (AtEnd()) return std::string();
  return std::string(1, Take());
}

void SkipWorldBlanks() {
  while (!AtEnd()) {
    if (!IsBlank(Take())) {
      StepBack();
      return;
    }
  }
}

std::string ReadWorldWord() {
  std::string word(ScanWorldWord());
  for (char& c : word) c = LowerAscii(c);
  return word;
}

std::string ReadWorldString() {
  std::string value;
  if (NextWorldToken() != "\"" || AtEnd()) return value;
  // No escapes: everything up to the next quote, line ends included. A
  // string left open runs to the end of the text. Taken whole, not one
  // character at a time: a world holds thousands of names and messages.
  const size_t from = static_cast<size_t>(ReadPos) - 1;
  const size_t quote = ReadBuffer.find('"', from);
  value.assign(ReadBuffer, from, quote == std::string::npos ? std::string::npos : quote - from);
  ReadPos = quote == std::string::npos || quote + 1 == ReadBuffer.size() ? -1 : static_cast<int32_t>(quote + 2);
  return value;
}

std::string ReadBoolToken() {
  if (NextWorldToken() == "#" && !AtEnd()) return NextWorldToken();
  return std::string();
}

std::string ReadWorldRestOfLine() {
  std::string line;
  while (!AtEnd()) {
    const char c = Take();
    if (AtEnd()) break;
    if (c == '(') {
      StepBack();
      break;
    }
    if (c == '\n') break;
    line += c;
  }
  return line;
}

// ---------------------------------------------------------------- the sections

void ParseWorldProperties() {
  for (;;) {
    const std::string token = NextWorldToken();
    if (token.empty()) {
      WorldReadError = 10;
      return;
    }
    if (token == ")") return;
    if (token != "(") {
      WorldReadError = 19;
      return;
    }
    WorldKeyword = ReadWorldWord();
    bool ok;
    if (WorldKeyword == "name")
      ok = StringEntry(World.Name, 11);
    else if (WorldKeyword == "music")
      ok = StringEntry(World.Music, 12);
    else if (WorldKeyword == "start_pos_x")
      ok = NumberEntry(World.StartX, 13);
    else if (WorldKeyword == "start_pos_y")
      ok = NumberEntry(World.StartY, 14);
    else {
      WorldReadError = 19;
      ok = false;
    }
    if (!ok) return;
  }
}

namespace {

// The numbers of "(data": World.Height rows of World.Width numbers.
bool ReadWorldTileData() {
  const int width = World.Width, height = World.Height;
  if ((width == 0 && height == 0) || width < 0 || height < 0) {
    WorldReadError = 23;
    return false;
  }
  // Every number takes at least one digit and one character after it, so a
  // size the rest of the text cannot fill is a cut or damaged file: it ends
  // here, before a map of that size is ever allocated.
  const int64_t left = AtEnd() ? 0 : static_cast<int64_t>(ReadBuffer.size()) - ReadPos + 1;
  if (2 * static_cast<int64_t>(width) * height > left) {
    ReadPos = -1;
    WorldReadError = 24;
    return false;
  }
  World.Tiles.Create(width, height);
  for (int row = 0; row < height; ++row) {
    for (int column = 0; column < width; ++column) {
      int16_t tile = 0;
      if (!ParseWorldNumber(ScanWorldWord(), tile)) {
        WorldReadError = 24;
        return false;
      }
      World.Tiles.Set(column, row, tile);
    }
  }
  return CloseEntry(24);
}

}  // namespace

void ParseWorldTilemap() {
  for (;;) {
    const std::string token = NextWorldToken();
    if (token.empty()) {
      WorldReadError = 20;
      return;
    }
    if (token == ")") return;
    if (token != "(") {
      WorldReadError = 29;
      return;
    }
    WorldKeyword = ReadWorldWord();
    bool ok;
    if (WorldKeyword == "width")
      ok = NumberEntry(World.Width, 21);
    else if (WorldKeyword == "height")
      ok = NumberEntry(World.Height, 22);
    else if (WorldKeyword == "data")
      ok = ReadWorldTileData();
    else {
      WorldReadError = 29;
      ok = false;
    }
    if (!ok) return;
  }
}

namespace {

// One "(level" record, after its keyword. pending is the comment line last
// met between the records; every record after it takes it as its comment.
bool ParseWorldLevelRecord(const std::string& pending) {
  if (World.LinkCount < 0 || World.LinkCount >= kMaxWorldLinks) {
    WorldReadError = 49;
    return false;
  }
  ++World.LinkCount;
  const size_t n = static_cast<size_t>(World.LinkCount);
  SizeLinks(n);
  World.Links[n].LinkType = 0;
  for (;;) {
    const std::string token = NextWorldToken();
    if (token.empty()) {
      WorldReadError = 31;
      return false;
    }
    WorldLink& link = World.Links[n];
    link.Comment = pending;
    if (token == ")") return true;
    if (token != "(") {
      WorldReadError = 49;
      return false;
    }
    WorldKeyword = ReadWorldWord();
    if (AtEnd()) {
      WorldReadError = 32;
      return false;
    }
    const std::string& key = WorldKeyword;
    bool ok;
    if (key == ";") {
      ReadWorldRestOfLine();
      link.LinkType = 1;
      ok = CloseEntry(33);
    } else if (key == "name") {
      link.LinkType = 2;
      ok = StringEntry(link.LevelLinkName, 34);
    } else if (key == "x") {
      ok = NumberEntry(link.X, 35);
    } else if (key == "y") {
      ok = NumberEntry(link.Y, 36);
    } else if (key == "map-message") {
      link.LinkType = 3;
      ok = StringEntry(link.Message, 37);
    } else if (key == "teleport-message") {
      link.LinkType = 4;
      ok = StringEntry(link.Message, 38);
    } else if (key == "invisible-teleporter") {
      link.LinkType = 5;
      ok = FlagEntry(link.Invisible, 39);
    } else if (key == "dest_x") {
      ok = NumberEntry(link.DestX, 40);
    } else if (key == "dest_y") {
      ok = NumberEntry(link.DestY, 41);
    } else if (key == "apply-action-right") {
      ok = FlagEntry(link.ApplyRight, 42);
    } else if (key == "apply-action-left") {
      ok = FlagEntry(link.ApplyLeft, 43);
    } else if (key == "apply-action-up") {
      ok = FlagEntry(link.ApplyUp, 44);
    } else if (key == "apply-action-down") {
      ok = FlagEntry(link.ApplyDown, 45);
    } else if (key == "extro-filename") {
      ok = StringEntry(link.ExtroFile, 46);
    } else {
      WorldReadError = 48;
      ok = false;
    }
    if (!ok) return false;
  }
}

}  // namespace

void ParseWorldLevels() {
  std::string pending;
  for (;;) {
    const std::string token = NextWorldToken();
    if (token.empty()) {
      WorldReadError = 30;
      return;
    }
    if (token == ";") {
      // The comment keeps its ";".
      StepBack();
      pending = ReadWorldCommentLine();
      continue;
    }
    if (token == ")") return;
    if (token != "(") {
      WorldReadError = 49;
      return;
    }
    WorldKeyword = ReadWorldWord();
    if (WorldKeyword != "level") {
      WorldReadError = 49;
      return;
    }
    if (!ParseWorldLevelRecord(pending)) return;
  }
}

void ParseWorldBody() {
  for (;;) {
    const std::string token = NextWorldToken();
    if (token.empty()) {
      WorldReadError = 2;
      return;
    }
    if (token == ")") {
      WorldReadError = World.Width > 0 && World.Height > 0 ? 0 : 3;
      return;
    }
    if (token != "(") {
      WorldReadError = 4;
      return;
    }
    WorldKeyword = ReadWorldWord();
    if (WorldKeyword == "properties")
      ParseWorldProperties();
    else if (WorldKeyword == "tilemap")
      ParseWorldTilemap();
    else if (WorldKeyword == "levels")
      ParseWorldLevels();
    else
      WorldReadError = 4;
    if (WorldReadError != 0) return;
  }
}

// ---------------------------------------------------------------- the file

namespace {

// Lines ended by CR, by CR LF or by the end of the text, each followed by one
// LF, rewritten in place: a text without CR stays as it is, and a lone LF
// stays in its line.
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
  if (!platform::Fs().FileExists(path)) return false;
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
  size_t count = 0;
  for (size_t at = text.find(key); at != std::string::npos && count < static_cast<size_t>(kMaxWorldLinks);
       at = text.find(key, at + key.size())) {
    const size_t after = at + key.size();
    if (after == text.size() || kWordEnds.kind[static_cast<uint8_t>(text[after])] != 0) ++count;
  }
  return count;
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

void ParseWorldTopLevel() {
  bool bodyRead = false, commentMet = false;
  for (;;) {
    const std::string token = NextWorldToken();
    if (token.empty()) break;
    if (token == ";") {
      // The first comment line is the file's own header when it begins with
      // ";;": element 0 keeps it, so the properties dialog shows it and the
      // next save writes it back instead of the default one.
      if (!commentMet && !AtEnd()) World.Comments[0] = HeaderLineAt(static_cast<size_t>(ReadPos) - 2);
      commentMet = true;
      std::string comment = ReadWorldCommentLine();
      // The count is 16-bit; later comment lines are read over.
      if (World.CommentCount >= 0 && World.CommentCount < INT16_MAX) {
        ++World.CommentCount;
        World.Comments.resize(static_cast<size_t>(World.CommentCount) + 1);
        World.Comments.back() = std::move(comment);
      }
      if (AtEnd()) break;
      continue;
    }
    if (token != "(") break;
    WorldKeyword = ReadWorldWord();
    if (WorldKeyword == "yorvane-worldmap") {
      ParseWorldBody();
      bodyRead = true;
    }
    if (AtEnd()) {
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

  ParseWorldTopLevel();
  if (WorldReadError == 0) {
    WorldLoaded = true;
    WorldChanged = false;
  }
}

}  // namespace yv
