#include "worldeditor/document/YVW_Write.h"

#include <algorithm>
#include <charconv>
#include <string_view>
#include <utility>

#include "model/General.h"
#include "model/LineEnds.h"
#include "model/SaveFile.h"
#include "worldeditor/document/YVW_Read.h"

namespace yv {

std::string WorldText;

namespace {

constexpr SaveBox kWorldSaveBox{"Error Saving World Map Data!", "YV_Editor - Save World Map"};

// Counts the bytes a text would have without holding it: the world writer
// runs once into it to learn the exact length of the file before building it.
struct LengthCount {
  int64_t bytes = 0;
  LengthCount& operator+=(std::string_view s) {
    bytes += static_cast<int64_t>(s.size());
    return *this;
  }
};

// The world-map text, into a string or into a LengthCount.
template <class Out>
struct WorldWriter {
  Out& out;

  void Int(int value) {
    char buf[16];
    auto res = std::to_chars(buf, buf + sizeof buf, value);
    out += std::string_view(buf, static_cast<size_t>(res.ptr - buf));
  }

  void Quoted(const std::string& value) {
    out += Quote;
    out += QuotedFileValue(value);
    out += Quote;
  }

  // "<start>" + the number + ")" and the line end.
  void IntLine(const char* start, int value) {
    out += start;
    Int(value);
    out += CloseLine;
  }

  void Text(const std::string& header);
  void TileRows();
  void LinkRecord(const WorldLink& link);
};

// The header line: World.Comments(0) as one trimmed line when it begins with
// ";;", else the default header. The build stores it back.
std::string WorldHeader() {
  std::string header = World.Comments.empty() ? std::string() : World.Comments[0];
  // The header is one line: a line break in it would put the rest of it
  // outside the comment.
  std::replace(header.begin(), header.end(), '\r', ' ');
  std::replace(header.begin(), header.end(), '\n', ' ');
  header = Trim(header);
  if (!StartsWith(header, ";;")) header = kDefaultWorldHeader;
  return header;
}

template <>
void WorldWriter<std::string>::TileRows() {
  for (int row = 0; row < World.Height; ++row) {
    out += "       ";
    for (int column = 0; column < World.Width; ++column) {
      const int16_t tile = WorldTile(column, row);
      Int(tile);
      out += tile < 10 ? "  " : " ";
    }
    out += NewLine;
  }
}

// The rows' length without visiting the cells the tile array does not hold:
// each of those is "0  ", and so is every cell of 0 to 9; the others take
// their digits and one blank.
template <>
void WorldWriter<LengthCount>::TileRows() {
  const int64_t width = std::max<int>(World.Width, 0), height = std::max<int>(World.Height, 0);
  out.bytes += height * (7 + static_cast<int64_t>(NewLine.size())) + width * height * 3;
  const int columns = std::min<int>(World.Width, World.Tiles.Columns());
  const int rows = std::min<int>(World.Height, World.Tiles.Rows());
  for (int column = 0; column < columns; ++column) {
    for (int row = 0; row < rows; ++row) {
      const int tile = WorldTile(column, row);
      if (tile >= 0 && tile < 100) continue;
      char buf[8];
      const int digits = static_cast<int>(std::to_chars(buf, buf + sizeof buf, tile).ptr - buf);
      out.bytes += digits + (tile < 10 ? 2 : 1) - 3;
    }
  }
}

template <class Out>
void WorldWriter<Out>::LinkRecord(const WorldLink& link) {
  const char* const indent = "           ";
  out += "     (level ";
  switch (link.LinkType) {
    case 2: {
      out += "(name ";
      Quoted(link.LevelLinkName);
      out += CloseLine;
      out += indent;
      IntLine("(x  ", link.X);
      out += indent;
      out += "(y  ";
      Int(link.Y);
      out += ")";
      const std::string extro = Trim(link.ExtroFile);
      if (!extro.empty()) {
        out += NewLine;
        out += indent;
        out += "(extro-filename ";
        Quoted(extro);
        out += CloseCloseLine;
      } else {
        out += CloseLine;
      }
      break;
    }
    case 3: {
      out += " (map-message ";
      Quoted(link.Message);
      out += CloseLine;
      out += indent;
      IntLine("(x ", link.X);
      out += indent;
      IntLine("(y ", link.Y);
      const std::pair<const char*, const std::string*> flags[] = {
          {"(apply-action-left #", &link.ApplyLeft},
          {"(apply-action-right #", &link.ApplyRight},
          {"(apply-action-up #", &link.ApplyUp},
          {"(apply-action-down #", &link.ApplyDown},
      };
      for (const auto& [start, flag] : flags) {
        if (flag->empty()) continue;
        out += indent;
        out += start;
        out += *flag;
        out += CloseLine;
      }
      out += CloseLine;
      break;
    }
    case 4:
    case 5: {
      out += indent;
      IntLine("(x ", link.X);
      out += indent;
      IntLine("(y ", link.Y);
      out += indent;
      if (link.LinkType == 4) {
        out += "(teleport-message ";
        Quoted(link.Message);
        out += CloseLine;
      } else {
        // "#)" does not read back; a teleporter that lacks its flag is the
        // invisible one its type says it is.
        out += "(invisible-teleporter #";
        out += link.Invisible.empty() ? std::string("t") : link.Invisible;
        out += CloseLine;
      }
      out += indent;
      IntLine("(dest_x ", link.DestX);
      out += indent;
      out += "(dest_y ";
      Int(link.DestY);
      out += CloseCloseLine;
      break;
    }
    default:
      // No type to write (none yet, or a comment entry of a read file): the
      // cell alone, a closed record that reads back as a link of type 0.
      IntLine("(x  ", link.X);
      out += indent;
      out += "(y  ";
      Int(link.Y);
      out += CloseCloseLine;
      break;
  }
}

template <class Out>
void WorldWriter<Out>::Text(const std::string& header) {
  out += header;
  out += NewLine;
  out += "(yorvane-worldmap";
  out += NewLine;
  out += "  (properties";
  out += NewLine;
  out += "    (name ";
  Quoted(World.Name);
  out += CloseLine;
  out += "    (music ";
  Quoted(World.Music);
  out += CloseLine;
  IntLine("    (start_pos_x ", World.StartX);
  out += "    (start_pos_y ";
  Int(World.StartY);
  out += CloseCloseLine;

  out += "  (tilemap";
  out += NewLine;
  IntLine("    (width  ", World.Width);
  IntLine("    (height ", World.Height);
  out += "    (data";
  out += NewLine;
  TileRows();
  out += "       ";
  out += CloseCloseLine;

  out += "(levels";
  out += NewLine;
  // The count is kept together with the list by everything that changes it;
  // the bound only makes sure a damaged count never reads past the list.
  const int count = std::min<int>(World.LinkCount, static_cast<int>(World.Links.size()) - 1);
  for (int i = 1; i <= count; ++i) LinkRecord(World.Links[static_cast<size_t>(i)]);
  out += "      ";
  out += CloseCloseLine;
}

}  // namespace

int64_t WorldTextLength() {
  LengthCount count;
  WorldWriter<LengthCount>{count}.Text(WorldHeader());
  return count.bytes;
}

bool BuildWorldText() {
  std::string header;
  TextBuild text = WorkTextBuild(kWorldSaveBox, true, WorldText, nullptr, [&header](std::string& out) {
    WorldWriter<std::string>{out}.Text(header);
    // The header goes back with the text: nothing after the build can fail
    // (the text only moves into WorldText), and a build that fails on its
    // way stores nothing.
    if (World.Comments.empty()) World.Comments.resize(1);
    World.Comments[0] = header;
  });
  // A map whose text the reader could not take back (the size follows from
  // Width x Height and the links) is refused before anything is built.
  text.measure = [&header] {
    header = WorldHeader();
    return WorldTextLength();
  };
  return BuildText(text).Report();
}

bool WriteWorldFile(const std::string& path) {
  const SaveResult result = WriteText(path, kWorldSaveBox, WorldText);
  // A save that is done counts as one, also when its box warns that the
  // file may not be durable.
  if (result.Done()) WorldChanged = false;
  return result.Report();
}

bool SaveWorldFile(const std::string& path) { return BuildWorldText() && WriteWorldFile(path); }

}  // namespace yv
