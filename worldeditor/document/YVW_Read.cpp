// The world-map reader: the file's text into ReadBuffer with LF line ends,
// then the sections, each a table of its entries walked by one loop.
#include "worldeditor/document/YVW_Read.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <string_view>

#include "model/General.h"
#include "model/LineEnds.h"
#include "model/Preference.h"
#include "model/ReaderState.h"
#include "platform/FileSystem.h"
#include "platform/TextInput.h"
#include "worldeditor/document/YVW_Scanner.h"

namespace yv {
namespace {

// ---------------------------------------------------------------- the sections

// How an entry's value is read.
enum class Value : uint8_t {
  kString,   // between double quotes
  kNumber,   // a word read as a number
  kFlag,     // "#" and one character
  kLine,     // the rest of the line, read over (the "(;" entry)
  kTiles,    // the map's cells
  kSection,  // a section of its own, which reads its own ")"
  kRecord,   // a new link, read as a section of its own
};

struct Section;

// One entry of a section: "(" keyword value ")". The value goes into a field
// of World, or in a "(level" record into a field of the link being read;
// code is set when the value is no number or is not followed by ")".
struct Entry {
  std::string_view keyword;
  Value value;
  int16_t code = 0;
  std::string WorldData::*worldText = nullptr;
  int16_t WorldData::*worldNumber = nullptr;
  std::string WorldLink::*linkText = nullptr;
  int16_t WorldLink::*linkNumber = nullptr;
  int16_t linkType = 0;              // the type the entry gives the link (0: none)
  const Section* section = nullptr;  // kSection, kRecord
};

// A section: the entries it takes up to its ")", and its codes.
struct Section {
  std::span<const Entry> entries;
  int16_t atEnd;             // the text ends where an entry or the ")" is expected
  int16_t otherToken;        // a token other than "(" and ")"
  int16_t otherKeyword;      // a keyword that is none of the entries'
  int16_t endInKeyword = 0;  // the text ends in an entry's keyword (0: the entry reads on)
  bool comments = false;     // ";" comment lines stand between the entries
  bool needsSize = false;    // its ")" needs a width and a height above 0 (else 3)
};

using enum Value;

// The rows of a table may stand in any order; in a record those that a
// written world holds most come first, as they are looked for first.
constexpr Entry kRecordEntries[] = {
    {.keyword = "x", .value = kNumber, .code = 35, .linkNumber = &WorldLink::X},
    {.keyword = "y", .value = kNumber, .code = 36, .linkNumber = &WorldLink::Y},
    {.keyword = "name", .value = kString, .code = 34, .linkText = &WorldLink::LevelLinkName, .linkType = 2},
    {.keyword = "map-message", .value = kString, .code = 37, .linkText = &WorldLink::Message, .linkType = 3},
    {.keyword = "teleport-message", .value = kString, .code = 38, .linkText = &WorldLink::Message, .linkType = 4},
    {.keyword = "invisible-teleporter", .value = kFlag, .code = 39, .linkText = &WorldLink::Invisible, .linkType = 5},
    {.keyword = "dest_x", .value = kNumber, .code = 40, .linkNumber = &WorldLink::DestX},
    {.keyword = "dest_y", .value = kNumber, .code = 41, .linkNumber = &WorldLink::DestY},
    {.keyword = "extro-filename", .value = kString, .code = 46, .linkText = &WorldLink::ExtroFile},
    {.keyword = "apply-action-up", .value = kFlag, .code = 44, .linkText = &WorldLink::ApplyUp},
    {.keyword = "apply-action-down", .value = kFlag, .code = 45, .linkText = &WorldLink::ApplyDown},
    {.keyword = "apply-action-left", .value = kFlag, .code = 43, .linkText = &WorldLink::ApplyLeft},
    {.keyword = "apply-action-right", .value = kFlag, .code = 42, .linkText = &WorldLink::ApplyRight},
    {.keyword = ";", .value = kLine, .code = 33, .linkType = 1},
};
constexpr Section kLevelRecord{
    .entries = kRecordEntries, .atEnd = 31, .otherToken = 49, .otherKeyword = 48, .endInKeyword = 32};

constexpr Entry kLevelsEntries[] = {{.keyword = "level", .value = kRecord, .section = &kLevelRecord}};
constexpr Section kLevels{
    .entries = kLevelsEntries, .atEnd = 30, .otherToken = 49, .otherKeyword = 49, .comments = true};

constexpr Entry kPropertiesEntries[] = {
    {.keyword = "name", .value = kString, .code = 11, .worldText = &WorldData::Name},
    {.keyword = "music", .value = kString, .code = 12, .worldText = &WorldData::Music},
    {.keyword = "start_pos_x", .value = kNumber, .code = 13, .worldNumber = &WorldData::StartX},
    {.keyword = "start_pos_y", .value = kNumber, .code = 14, .worldNumber = &WorldData::StartY},
};
constexpr Section kProperties{.entries = kPropertiesEntries, .atEnd = 10, .otherToken = 19, .otherKeyword = 19};

constexpr Entry kTilemapEntries[] = {
    {.keyword = "width", .value = kNumber, .code = 21, .worldNumber = &WorldData::Width},
    {.keyword = "height", .value = kNumber, .code = 22, .worldNumber = &WorldData::Height},
    {.keyword = "data", .value = kTiles, .code = 24},
};
constexpr Section kTilemap{.entries = kTilemapEntries, .atEnd = 20, .otherToken = 29, .otherKeyword = 29};

constexpr Entry kBodyEntries[] = {
    {.keyword = "properties", .value = kSection, .section = &kProperties},
    {.keyword = "tilemap", .value = kSection, .section = &kTilemap},
    {.keyword = "levels", .value = kSection, .section = &kLevels},
};
constexpr Section kBody{.entries = kBodyEntries, .atEnd = 2, .otherToken = 4, .otherKeyword = 4, .needsSize = true};

bool Fail(int16_t code) {
  WorldReadError = code;
  return false;
}

// After an entry's value the next token must be ")".
bool CloseEntry(WorldScanner& scan, int16_t code) { return scan.Token() == ')' || Fail(code); }

// The numbers of "(data": World.Height rows of World.Width numbers, read
// with the sizes in force, into a map made anew.
bool ReadTiles(WorldScanner& scan) {
  const int width = World.Width, height = World.Height;
  if ((width == 0 && height == 0) || width < 0 || height < 0) return Fail(23);
  // Every number takes at least one digit and one character after it, so a
  // size the rest of the text cannot fill is a cut or damaged file: it ends
  // here, before a map of that size is ever allocated.
  if (2 * static_cast<int64_t>(width) * height > static_cast<int64_t>(scan.Left())) {
    scan.End();
    return Fail(24);
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
  return read || Fail(24);
}

bool ReadSection(WorldScanner& scan, const Section& section, WorldLink* link, const std::string& pending);

// The field an entry's value goes into: the link's in a record, else World's.
std::string& TextField(const Entry& entry, WorldLink* link) {
  return link != nullptr ? link->*entry.linkText : World.*entry.worldText;
}
int16_t& NumberField(const Entry& entry, WorldLink* link) {
  return link != nullptr ? link->*entry.linkNumber : World.*entry.worldNumber;
}

// An entry's value after its keyword, and the ")" after it. link: the link
// a record fills; pending: the comment line a new record takes.
bool ReadEntry(WorldScanner& scan, const Entry& entry, WorldLink* link, const std::string& pending) {
  if (entry.linkType != 0) link->LinkType = entry.linkType;
  switch (entry.value) {
    case kSection:
      return ReadSection(scan, *entry.section, nullptr, pending);
    case kRecord: {
      // The file carries no count of its records, but each takes at least the
      // seven characters of "(level)": at the first one the link list takes
      // room for as many as the rest of the text can hold, so it is not moved
      // while they are read.
      if (World.LinkCount == 0) World.Links.reserve(std::min(scan.Left() / 7 + 1, size_t{kMaxWorldLinks}) + 1);
      WorldLink* const record = AppendWorldLink();
      return record != nullptr ? ReadSection(scan, *entry.section, record, pending) : Fail(49);
    }
    case kTiles:
      if (!ReadTiles(scan)) return false;
      break;
    case kLine:
      scan.RestOfLine();
      break;
    case kString:
      scan.String(TextField(entry, link));
      break;
    case kFlag:
      scan.Flag(TextField(entry, link));
      break;
    case kNumber: {
      int16_t value = 0;
      if (!scan.Number(value)) return Fail(entry.code);
      NumberField(entry, link) = value;
      break;
    }
  }
  return CloseEntry(scan, entry.code);
}

// A section's entries up to its ")"; false with the code set at the first
// fault. link: the link a "(level" record fills (null elsewhere), which takes
// the pending comment line once its first token is read.
bool ReadSection(WorldScanner& scan, const Section& section, WorldLink* link, const std::string& pending) {
  std::string comment;  // the last comment line between a section's entries
  for (bool first = true;; first = false) {
    const int token = scan.Token();
    if (token == WorldScanner::kEnd) return Fail(section.atEnd);
    if (first && link != nullptr) link->Comment = pending;
    if (token == ';' && section.comments) {
      // The comment keeps its ";".
      scan.StepBack();
      comment.assign(scan.CommentLine());
      continue;
    }
    if (token == ')') return !section.needsSize || (World.Width > 0 && World.Height > 0) || Fail(3);
    if (token != '(') return Fail(section.otherToken);
    const std::string_view keyword = scan.Word();
    if (section.endInKeyword != 0 && scan.Ended()) return Fail(section.endInKeyword);
    const auto entry =
        std::ranges::find_if(section.entries, [&](const Entry& e) { return IsKeyword(keyword, e.keyword); });
    if (entry == section.entries.end()) return Fail(section.otherKeyword);
    if (!ReadEntry(scan, *entry, link, comment)) return false;
  }
}

// ---------------------------------------------------------------- the file

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

// The comment line whose ";" stands at index at, whole as it stands in the
// text (brackets and all, without its line end), when the line begins with
// ";;"; otherwise "".
std::string HeaderLineAt(size_t at) {
  if ((at > 0 && ReadBuffer[at - 1] != '\n') || at + 1 >= ReadBuffer.size() || ReadBuffer[at + 1] != ';')
    return std::string();
  const size_t end = ReadBuffer.find('\n', at);
  return ReadBuffer.substr(at, end == std::string::npos ? std::string::npos : end - at);
}

void ReadTopLevel(WorldScanner& scan) {
  bool bodyRead = false, commentMet = false;
  for (;;) {
    const int token = scan.Token();
    if (token == WorldScanner::kEnd) break;
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
    if (IsKeyword(scan.Word(), "yorvane-worldmap")) {
      ReadSection(scan, kBody, nullptr, std::string());
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
  CurrentLine.clear();

  WorldScanner scan(ReadBuffer);
  ReadTopLevel(scan);
  ReadPos = scan.Position();
  if (WorldReadError == 0) {
    WorldLoaded = true;
    WorldChanged = false;
  }
}

}  // namespace yv
