// The level document's operations: kind look-up, new level, level ending.
#include <algorithm>

#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Main.h"
#include "platform/FileSystem.h"

namespace yv {

LevelData Level;
std::array<BadGuyImageSlot, 32> BadGuyImageSlots;
SubsetInfo CurrentSubset;
SubsetInfo NewSubset;

ResetPoint& AppendResetPoint() {
  Level.ResetCount = static_cast<int16_t>(Level.ResetCount + 1);
  Level.ResetPoints.resize(static_cast<size_t>(Level.ResetCount) + 1);
  Level.ResetPoints[Level.ResetCount] = ResetPoint{};
  return Level.ResetPoints[Level.ResetCount];
}

LevelObject& AppendObject() {
  Level.ObjectCount = static_cast<int16_t>(Level.ObjectCount + 1);
  Level.Objects.resize(static_cast<size_t>(Level.ObjectCount) + 1);
  Level.Objects[Level.ObjectCount] = LevelObject{};
  return Level.Objects[Level.ObjectCount];
}

void RemoveObject(int index) {
  if (index < 1 || index > Level.ObjectCount) return;
  for (int i = index; i < Level.ObjectCount; ++i) Level.Objects[i] = Level.Objects[i + 1];
  Level.ObjectCount = static_cast<int16_t>(Level.ObjectCount - 1);
  Level.Objects.resize(static_cast<size_t>(Level.ObjectCount) + 1);
}

int16_t LookupBadGuyKind(const std::string& name) {
  for (int16_t kind = 0; kind < kBadGuyKindCount; ++kind) {
    if (BadGuyFileNames[kind] == name) {
      if (BadGuyKinds[kind].Count < INT16_MAX) ++BadGuyKinds[kind].Count;
      return kind;
    }
  }
  return -1;
}

bool CreateNewLevel(const std::string& folder) {
  // Find the free name before anything is cleared: with all 99 names taken
  // the open level keeps its bad guys and reset points.
  std::string path;
  for (int n = 1; n <= 99; ++n) {
    std::string name = "level" + std::to_string(n) + ".yvl";
    std::string candidate = (!folder.empty() && folder.back() == '\\') ? folder + name : folder + "\\" + name;
    if (!platform::Fs().FileExists(candidate)) {
      path = candidate;
      break;
    }
  }
  if (path.empty()) return false;

  for (auto& kind : BadGuyKinds) kind.Count = 0;
  Level.ObjectCount = 0;
  Level.ResetCount = 0;
  for (auto& slot : BadGuyImageSlots) {
    slot.ObjectIndex = 0;
    slot.Left = 0;
    slot.Top = 0;
  }

  Pref.LastLevelFile = path;
  if (Windows.setFileNameCaption) Windows.setFileNameCaption(path);

  std::string author = Trim(Pref.DefaultAuthor);
  Level.Author = !author.empty() ? author : RTrim(UserName);

  Level.Comment = ";Yorvane-Level";
  Level.Background = "ocean.png";
  Level.ParticleSystem = "snow";
  Level.Music = "fortress2.mod";
  Level.BkgdSpeed = 44;
  Level.BkgdRedBottom = 255;
  Level.BkgdGreenBottom = 255;
  Level.BkgdBlueBottom = 255;
  Level.Gravity = 8;
  Level.Name = "Give Me A Name";
  Level.TimeLimit = 600;
  Level.Version = "1";
  Level.Height = 15;
  Level.Width = 120;

  Level.BackgroundTM.Create(120, 15);
  Level.ForegroundTM.Create(120, 15);
  Level.InteractiveTM.Create(120, 15);

  if (Pref.AddEndSequence > 0) AddLevelEnding();
  LevelLoaded = true;
  LevelChanged = false;
  return true;
}

void AddLevelEnding() {
  const int w = Level.Width;
  // TileMap::Set leaves out every cell outside the maps, so a narrow level
  // (width 21 or less) gets the part of the ending that fits.
  if (Pref.AddIgloo > 0) {
    Level.BackgroundTM.Set(w - 10, 8, 126);
    Level.ForegroundTM.Set(w - 7, 8, 127);
  }
  for (int row = 0; row <= 13; ++row) {
    Level.InteractiveTM.Set(w - 4, row, 132);
    Level.InteractiveTM.Set(w - 20, row, 133);
  }
  for (int c = w - 22; c <= w - 1; ++c) {
    if (Pref.FloorTile == 37) Level.InteractiveTM.Set(c, 13, 34);
    Level.InteractiveTM.Set(c, 14, Pref.FloorTile);
  }
}

}  // namespace yv
