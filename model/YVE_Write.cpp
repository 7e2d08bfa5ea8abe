#include "model/YVE_Write.h"

#include <algorithm>
#include <charconv>

#include "model/General.h"
#include "model/SaveFile.h"
#include "model/YVE_Main.h"
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

// One build: the text grows in its own string with the line ends the build
// started with, and reaches LevelText only once it is whole.
struct LevelBuilder {
  std::string& out;
  LineEndSet ends;
  int width = 0;

  // "  (keyword " followed by the number and ")" with the line end.
  void IntLine(const char* start, int value) {
    out += start;
    AppendInt(out, value);
    out += ends.CloseLine;
  }

  void DoubleLine(const char* start, double value) {
    out += start;
    out += FormatDouble(value);
    out += ends.CloseLine;
  }

  void TextLine(const char* start, const std::string& value) {
    out += start;
    out += ends.Quote;
    out += QuotedFileValue(value);
    out += ends.QuoteCloseLine;
  }

  // One map: its keyword line start, then rows 0 to 14, each the tile numbers
  // of columns 0 to width - 1 with a blank after each, then ")". A level whose
  // width was read without maps to match (a narrow width, or maps from a
  // narrower level) has cells the map does not hold: those are written as 0.
  void TileMapLines(const char* start, const TileMap& map) {
    out += start;
    for (int row = 0; row <= 14; ++row) {
      platform::DoEvents();
      for (int column = 0; column < width; ++column) {
        AppendInt(out, map.Get(column, row));
        out += ' ';
      }
      out += ends.NewLine;
    }
    out += ends.CloseLine;
  }

  void Build();
};

void LevelBuilder::Build() {
  // The width is taken once: every row of every map has the same columns,
  // whatever the event pump runs in between.
  width = Level.Width;
  // Every tile takes at most seven characters; reserving the whole text up
  // front keeps the build to one allocation.
  const size_t cells = width > 0 ? static_cast<size_t>(width) * 15 * 3 : 0;
  out.reserve(2048 + cells * 4 + static_cast<size_t>(Level.ResetCount > 0 ? Level.ResetCount : 0) * 40 +
              static_cast<size_t>(Level.ObjectCount > 0 ? Level.ObjectCount : 0) * 80);

  Level.Comment = Trim(Level.Comment);
  if (!Level.Comment.empty() && Level.Comment[0] != ';') Level.Comment = "; " + Level.Comment;
  out += Level.Comment.empty() ? std::string(";Yorvane-Level") : Level.Comment;
  out += ends.NewLine;

  out += "(yorvane-level";
  out += ends.NewLine;
  out += "  (version ";
  out += Level.Version;
  out += ends.CloseLine;
  TextLine("  (author ", Level.Author);
  TextLine("  (name ", Level.Name);
  if (width > 0) IntLine("  (width  ", width);
  if (Level.Height > 0) IntLine("  (height ", Level.Height);
  IntLine("  (start_pos_x ", Level.StartPosX);
  IntLine("  (start_pos_y ", Level.StartPosY);
  TextLine("  (background ", Level.Background);
  TextLine("  (music ", Level.Music);
  TextLine("  (particle_system ", Level.ParticleSystem);
  TextLine("  (theme ", Level.Theme);
  IntLine("  (bkgd_red_top    ", Level.BkgdRedTop);
  IntLine("  (bkgd_green_top  ", Level.BkgdGreenTop);
  IntLine("  (bkgd_blue_top   ", Level.BkgdBlueTop);
  IntLine("  (bkgd_red_bottom    ", Level.BkgdRedBottom);
  IntLine("  (bkgd_green_bottom  ", Level.BkgdGreenBottom);
  IntLine("  (bkgd_blue_bottom   ", Level.BkgdBlueBottom);
  IntLine("  (time ", Level.TimeLimit);
  DoubleLine("  (bkgd_speed ", Level.BkgdSpeed);
  DoubleLine("  (hor_autoscroll_speed ", Level.HorAutoscrollSpeed);
  // An empty value would give "#)", which reads back as ")" and then grows
  // on every save; "f" is what the variables dialog shows for it.
  out += "  (back_scrolling #";
  out += Level.BackScrolling.empty() ? std::string("f") : Level.BackScrolling;
  out += ends.CloseLine;
  DoubleLine("  (gravity ", Level.Gravity);

  TileMapLines("  (background-tm  ", Level.BackgroundTM);
  TileMapLines("  (interactive-tm  ", Level.InteractiveTM);
  TileMapLines("  (foreground-tm  ", Level.ForegroundTM);

  platform::DoEvents();
  out += "(reset-points";
  out += ends.NewLine;
  // The counts are kept together with the lists by everything that changes
  // them; the bounds below only make sure a damaged count never reads past one.
  const int resets = std::min<int>(Level.ResetCount, static_cast<int>(Level.ResetPoints.size()) - 1);
  for (int i = 1; i <= resets; ++i) {
    const ResetPoint& point = Level.ResetPoints[static_cast<size_t>(i)];
    out += "  (point (x ";
    AppendInt(out, point.X);
    out += ") (y ";
    AppendInt(out, point.Y);
    out += ends.CloseCloseLine;
  }
  out += ends.CloseLine;

  out += "(objects";
  out += ends.NewLine;
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
    out += ends.CloseCloseLine;
  }
  out += ends.CloseLine;
  out += ends.CloseLine;

  Level.TrailingComment = Trim(Level.TrailingComment);
  if (!Level.TrailingComment.empty()) {
    if (!StartsWith(Level.TrailingComment, ";;")) Level.TrailingComment = ";; " + Level.TrailingComment;
    out += Level.TrailingComment;
    out += ends.NewLine;
  }
}

constexpr SaveBox kLevelSaveBox{"Error Saving Level Data!", "YV_Editor - Save Level"};

TextBuild LevelTextBuild(bool fileLineEnds) {
  return WorkTextBuild(kLevelSaveBox, fileLineEnds, LevelText, &WorkText, [](std::string& out) {
    LevelBuilder builder{out, CurrentLineEnds()};
    builder.Build();
  });
}

}  // namespace

std::string StayOnPlatformFlag(int i) {
  if (i < 0 || static_cast<size_t>(i) >= Level.Objects.size()) return "f";
  return Level.Objects[static_cast<size_t>(i)].StayOnPlatform == 1 ? "t" : "f";
}

bool BuildLevelText() { return BuildText(LevelTextBuild(false)).Report(); }

SaveResult SaveLevelFile(const std::string& path) {
  SaveResult saved = BuildAndWriteText(path, LevelTextBuild(true));
  if (saved.Done()) LevelChanged = false;
  return saved;
}

bool WriteLevelFile(const std::string& path) { return SaveLevelFile(path).Report(); }

}  // namespace yv
