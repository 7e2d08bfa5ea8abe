#include "worldeditor/document/YVW_Write.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "model/General.h"
#include "model/LineEnds.h"
#include "model/SaveFile.h"
#include "worldeditor/document/YVW_Read.h"

namespace yv {

std::string WorldText;

namespace {

constexpr SaveBox kWorldSaveBox{"Error Saving World Map Data!", "YV_Editor - Save World Map"};

void AppendInt(std::string& out, int value) {
  char buf[16];
  auto res = std::to_chars(buf, buf + sizeof buf, value);
  out.append(buf, res.ptr);
}

void AppendQuoted(std::string& out, const std::string& value) {
  out += Quote;
  out += QuotedFileValue(value);
  out += Quote;
}

// "<start>" + the number + ")" and the line end.
void IntLine(std::string& out, const char* start, int value) {
  out += start;
  AppendInt(out, value);
  out += CloseLine;
}

std::string WorldHeader() {
  if (World.Comments.empty()) World.Comments.resize(1);
  std::string header = World.Comments[0];
  // The header is one line: a line break in it would put the rest of it
  // outside the comment.
  std::replace(header.begin(), header.end(), '\r', ' ');
  std::replace(header.begin(), header.end(), '\n', ' ');
  header = Trim(header);
  if (!StartsWith(header, ";;")) header = kDefaultWorldHeader;
  World.Comments[0] = header;
  return header;
}

void TileRows(std::string& out) {
  for (int row = 0; row < World.Height; ++row) {
    out += "       ";
    for (int column = 0; column < World.Width; ++column) {
      const int16_t tile = WorldTile(column, row);
      AppendInt(out, tile);
      out += tile < 10 ? "  " : " ";
    }
    out += NewLine;
  }
}

void LinkRecord(std::string& out, const WorldLink& link) {
  const char* const indent = "           ";
  out += "     (level ";
  switch (link.LinkType) {
    case 2: {
      out += "(name ";
      AppendQuoted(out, link.LevelLinkName);
      out += CloseLine;
      out += indent;
      IntLine(out, "(x  ", link.X);
      out += indent;
      out += "(y  ";
      AppendInt(out, link.Y);
      out += ")";
      const std::string extro = Trim(link.ExtroFile);
      if (!extro.empty()) {
        out += NewLine;
        out += indent;
        out += "(extro-filename ";
        AppendQuoted(out, extro);
        out += CloseCloseLine;
      } else {
        out += CloseLine;
      }
      break;
    }
    case 3: {
      out += " (map-message ";
      AppendQuoted(out, link.Message);
      out += CloseLine;
      out += indent;
      IntLine(out, "(x ", link.X);
      out += indent;
      IntLine(out, "(y ", link.Y);
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
      IntLine(out, "(x ", link.X);
      out += indent;
      IntLine(out, "(y ", link.Y);
      out += indent;
      if (link.LinkType == 4) {
        out += "(teleport-message ";
        AppendQuoted(out, link.Message);
        out += CloseLine;
      } else {
        // "#)" does not read back; a teleporter that lacks its flag is the
        // invisible one its type says it is.
        out += "(invisible-teleporter #";
        out += link.Invisible.empty() ? std::string("t") : link.Invisible;
        out += CloseLine;
      }
      out += indent;
      IntLine(out, "(dest_x ", link.DestX);
      out += indent;
      out += "(dest_y ";
      AppendInt(out, link.DestY);
      out += CloseCloseLine;
      break;
    }
    default:
      // No type to write (none yet, or a comment entry of a read file): the
      // cell alone, a closed record that reads back as a link of type 0.
      IntLine(out, "(x  ", link.X);
      out += indent;
      out += "(y  ";
      AppendInt(out, link.Y);
      out += CloseCloseLine;
      break;
  }
}

}  // namespace

bool BuildWorldText() {
  TextBuild text{kWorldSaveBox};
  text.fileLineEnds = true;
  text.build = [](std::string& out) {
    const size_t cells = World.Width > 0 && World.Height > 0 ? static_cast<size_t>(World.Width) * World.Height : 0;
    const size_t links = World.LinkCount > 0 ? static_cast<size_t>(World.LinkCount) : 0;
    out.reserve(512 + cells * 4 + static_cast<size_t>(std::max<int>(World.Height, 0)) * 8 + links * 160);

    out += WorldHeader();
    out += NewLine;
    out += "(yorvane-worldmap";
    out += NewLine;
    out += "  (properties";
    out += NewLine;
    out += "    (name ";
    AppendQuoted(out, World.Name);
    out += CloseLine;
    out += "    (music ";
    AppendQuoted(out, World.Music);
    out += CloseLine;
    IntLine(out, "    (start_pos_x ", World.StartX);
    out += "    (start_pos_y ";
    AppendInt(out, World.StartY);
    out += CloseCloseLine;

    out += "  (tilemap";
    out += NewLine;
    IntLine(out, "    (width  ", World.Width);
    IntLine(out, "    (height ", World.Height);
    out += "    (data";
    out += NewLine;
    TileRows(out);
    out += "       ";
    out += CloseCloseLine;

    out += "(levels";
    out += NewLine;
    // The count is kept together with the list by everything that changes it;
    // the bound only makes sure a damaged count never reads past the list.
    const int count = std::min<int>(World.LinkCount, static_cast<int>(World.Links.size()) - 1);
    for (int i = 1; i <= count; ++i) LinkRecord(out, World.Links[static_cast<size_t>(i)]);
    out += "      ";
    out += CloseCloseLine;
  };
  text.publish = [](std::string&& out) -> const std::string& {
    WorldText = std::move(out);
    return WorldText;
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
