#include "model/YVE_Write.h"

#include <algorithm>
#include <charconv>

#include "model/General.h"
#include "model/YVE_Main.h"
#include "platform/FileSystem.h"
#include "platform/System.h"

namespace yv {

std::string LevelText;
std::string WorkText;

namespace {

void AppendInt(std::string& out, int value) {
  char buf[16];
  auto res = std::to_chars(buf, buf + sizeof buf, value);
  out.append(buf, res.ptr);
}

// "  (keyword " followed by the number and ")" with the line end.
void IntLine(std::string& out, const char* start, int value) {
  out += start;
  AppendInt(out, value);
  out += CloseLine;
}

void DoubleLine(std::string& out, const char* start, double value) {
  out += start;
  out += FormatDouble(value);
  out += CloseLine;
}

void TextLine(std::string& out, const char* start, const std::string& value) {
  out += start;
  out += Quote;
  out += value;
  out += QuoteCloseLine;
}

// One map: its keyword line start, then rows 0 to 14, each the tile numbers of
// columns 0 to Width - 1 with a blank after each, then ")". A level whose
// width was read without maps to match (a narrow width, or maps from a
// narrower level) has cells the map does not hold: those are written as 0.
void TileMapLines(std::string& out, const char* start, const TileMap& map) {
  out += start;
  for (int row = 0; row <= 14; ++row) {
    platform::DoEvents();
    for (int column = 0; column < Level.Width; ++column) {
      AppendInt(out, map.Get(column, row));
      out += ' ';
    }
    out += NewLine;
  }
  out += CloseLine;
}

}  // namespace

std::string StayOnPlatformFlag(int i) {
  if (i < 0 || static_cast<size_t>(i) >= Level.Objects.size()) return "f";
  return Level.Objects[static_cast<size_t>(i)].StayOnPlatform == 1 ? "t" : "f";
}

void BuildLevelText() {
  std::string& out = WorkText;
  out.clear();
  // Every tile takes at most seven characters; reserving the whole text up
  // front keeps the build to one allocation.
  const size_t cells = Level.Width > 0 ? static_cast<size_t>(Level.Width) * 15 * 3 : 0;
  out.reserve(2048 + cells * 4 + static_cast<size_t>(Level.ResetCount > 0 ? Level.ResetCount : 0) * 40 +
              static_cast<size_t>(Level.ObjectCount > 0 ? Level.ObjectCount : 0) * 80);

  Level.Comment = Trim(Level.Comment);
  if (!Level.Comment.empty() && Level.Comment[0] != ';') Level.Comment = "; " + Level.Comment;
  out += Level.Comment.empty() ? std::string(";Yorvane-Level") : Level.Comment;
  out += NewLine;

  out += "(yorvane-level";
  out += NewLine;
  out += "  (version ";
  out += Level.Version;
  out += CloseLine;
  TextLine(out, "  (author ", Level.Author);
  TextLine(out, "  (name ", Level.Name);
  if (Level.Width > 0) IntLine(out, "  (width  ", Level.Width);
  if (Level.Height > 0) IntLine(out, "  (height ", Level.Height);
  IntLine(out, "  (start_pos_x ", Level.StartPosX);
  IntLine(out, "  (start_pos_y ", Level.StartPosY);
  TextLine(out, "  (background ", Level.Background);
  TextLine(out, "  (music ", Level.Music);
  TextLine(out, "  (particle_system ", Level.ParticleSystem);
  TextLine(out, "  (theme ", Level.Theme);
  IntLine(out, "  (bkgd_red_top    ", Level.BkgdRedTop);
  IntLine(out, "  (bkgd_green_top  ", Level.BkgdGreenTop);
  IntLine(out, "  (bkgd_blue_top   ", Level.BkgdBlueTop);
  IntLine(out, "  (bkgd_red_bottom    ", Level.BkgdRedBottom);
  IntLine(out, "  (bkgd_green_bottom  ", Level.BkgdGreenBottom);
  IntLine(out, "  (bkgd_blue_bottom   ", Level.BkgdBlueBottom);
  IntLine(out, "  (time ", Level.TimeLimit);
  DoubleLine(out, "  (bkgd_speed ", Level.BkgdSpeed);
  DoubleLine(out, "  (hor_autoscroll_speed ", Level.HorAutoscrollSpeed);
  // An empty value would give "#)", which reads back as ")" and then grows
  // on every save; "f" is what the variables dialog shows for it.
  out += "  (back_scrolling #";
  out += Level.BackScrolling.empty() ? std::string("f") : Level.BackScrolling;
  out += CloseLine;
  DoubleLine(out, "  (gravity ", Level.Gravity);

  TileMapLines(out, "  (background-tm  ", Level.BackgroundTM);
  TileMapLines(out, "  (interactive-tm  ", Level.InteractiveTM);
  TileMapLines(out, "  (foreground-tm  ", Level.ForegroundTM);

  platform::DoEvents();
  out += "(reset-points";
  out += NewLine;
  // The counts are kept together with the lists by everything that changes
  // them; the bounds below only make sure a damaged count never reads past one.
  const int resets = std::min<int>(Level.ResetCount, static_cast<int>(Level.ResetPoints.size()) - 1);
  for (int i = 1; i <= resets; ++i) {
    const ResetPoint& point = Level.ResetPoints[static_cast<size_t>(i)];
    out += "  (point (x ";
    AppendInt(out, point.X);
    out += ") (y ";
    AppendInt(out, point.Y);
    out += CloseCloseLine;
  }
  out += CloseLine;

  out += "(objects";
  out += NewLine;
  const int objects = std::min<int>(Level.ObjectCount, static_cast<int>(Level.Objects.size()) - 1);
  for (int i = 1; i <= objects; ++i) {
    const LevelObject& object = Level.Objects[static_cast<size_t>(i)];
    out += '(';
    out += object.Name;
    out += " (x ";
    AppendInt(out, object.X);
    out += ") (y ";
    AppendInt(out, object.Y);
    out += ") (stay-on-platform #";
    out += StayOnPlatformFlag(i);
    out += CloseCloseLine;
  }
  out += CloseLine;
  out += CloseLine;

  Level.TrailingComment = Trim(Level.TrailingComment);
  if (!Level.TrailingComment.empty()) {
    if (!StartsWith(Level.TrailingComment, ";;")) Level.TrailingComment = ";; " + Level.TrailingComment;
    out += Level.TrailingComment;
    out += NewLine;
  }

  LevelText = out;
}

bool WriteLevelFile(const std::string& path) {
  if (Trim(path).empty()) return true;
  UseLfLineEnds();
  BuildLevelText();
  // The whole-file replace keeps the old level until the new text is
  // completely on disk, so a full disk or a vanished folder costs nothing.
  bool written = platform::Fs().ReplaceWholeFile(path, LevelText);
  platform::DoEvents();
  return written;
}

}  // namespace yv
