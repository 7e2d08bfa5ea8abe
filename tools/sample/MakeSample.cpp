// Writes the sample game tree's levels, level set and preferences with the
// program's own writers: tools/make-sample builds and runs it.
#include <cstdio>
#include <string>

#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Info.h"
#include "model/YVE_Main.h"
#include "model/YVE_Write.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"

using namespace yv;

namespace {

void NewLevel(int width, const char* name, const char* author) {
  Level = LevelData{};
  for (auto& k : BadGuyKinds) k.Count = 0;
  Level.Comment = ";Yorvane-Level";
  Level.Version = "1";
  Level.Author = author;
  Level.Name = name;
  Level.Width = static_cast<int16_t>(width);
  Level.Height = 15;
  Level.StartPosX = 64;
  Level.StartPosY = 320;
  Level.Background = "arctis.jpg";
  Level.Music = "fortress2.mod";
  Level.BkgdRedTop = 40;
  Level.BkgdGreenTop = 90;
  Level.BkgdBlueTop = 160;
  Level.BkgdRedBottom = 200;
  Level.BkgdGreenBottom = 225;
  Level.BkgdBlueBottom = 255;
  Level.BkgdSpeed = 0.5;
  Level.HorAutoscrollSpeed = 0;
  Level.TimeLimit = 300;
  Level.Gravity = 10;
  Level.ParticleSystem = "snow";
  Level.BackScrolling = "f";
  Level.BackgroundTM.Create(width, 15);
  Level.InteractiveTM.Create(width, 15);
  Level.ForegroundTM.Create(width, 15);
}

void Ground(int from, int to, int top = 34, int fill = 37) {
  for (int c = from; c <= to; ++c) {
    Level.InteractiveTM.Set(c, 13, static_cast<int16_t>(top));
    Level.InteractiveTM.Set(c, 14, static_cast<int16_t>(fill));
  }
}

void Put(TileMap& m, int c, int r, std::initializer_list<std::initializer_list<int>> rows) {
  int dy = 0;
  for (auto row : rows) {
    int dx = 0;
    for (int t : row) {
      if (t) m.Set(c + dx, r + dy, static_cast<int16_t>(t));
      ++dx;
    }
    ++dy;
  }
}

void Cloud(int c, int r) { Put(Level.BackgroundTM, c, r, {{85, 86, 87, 88}, {89, 90, 91, 92}}); }

void Enemy(int kind, int x, int y, bool stay = false) {
  LevelObject& o = AppendObject();
  o.Kind = static_cast<int16_t>(kind);
  o.Name = BadGuyFileNames[kind];
  o.X = static_cast<int16_t>(x);
  o.Y = static_cast<int16_t>(y);
  o.StayOnPlatform = stay ? 1 : 0;
  ++BadGuyKinds[kind].Count;
}

void Reset(int column, int row) {
  ResetPoint& p = AppendResetPoint();
  p.X = static_cast<int16_t>(column * 32);
  p.Y = static_cast<int16_t>(row * 32);
  Level.InteractiveTM.Set(column, row - 1, 81);
}

void Ending(int floor) {
  Pref.AddIgloo = 1;
  Pref.FloorTile = static_cast<int16_t>(floor);
  AddLevelEnding();
}

// The sample world map in the game's world-map format: an island of snow
// with a trail past the three levels of the set, a message and a teleport.
std::string WorldMapText() {
  const int w = 20, h = 15;
  int tiles[h][w];
  for (int r = 0; r < h; ++r)
    for (int c = 0; c < w; ++c) tiles[r][c] = 3;  // water
  for (int r = 2; r <= 12; ++r)
    for (int c = 2; c <= 17; ++c) tiles[r][c] = (r * 7 + c * 3) % 11 == 0 ? 2 : 1;
  for (int c = 3; c <= 16; ++c) tiles[1][c] = 5, tiles[13][c] = 6;
  for (int r = 3; r <= 11; ++r) tiles[r][1] = 7, tiles[r][18] = 8;
  tiles[1][2] = 9, tiles[1][17] = 10, tiles[13][2] = 11, tiles[13][17] = 12;
  tiles[2][1] = 9, tiles[2][18] = 10, tiles[12][1] = 11, tiles[12][18] = 12;
  tiles[1][1] = 3, tiles[1][18] = 3, tiles[13][1] = 3, tiles[13][18] = 3;
  for (int c = 4; c <= 14; ++c) tiles[10][c] = 17;
  tiles[10][3] = 31;
  tiles[10][15] = 20;
  for (int r = 5; r <= 9; ++r) tiles[r][15] = 18;
  tiles[4][15] = 28;
  tiles[9][3] = 59, tiles[8][3] = 58;  // Zunbo's house
  tiles[6][6] = 35, tiles[6][7] = 34, tiles[7][9] = 38, tiles[6][10] = 39;
  tiles[4][12] = 44, tiles[12][8] = 42, tiles[3][4] = 65, tiles[5][2] = 47;
  tiles[12][16] = 60;
  auto num = [](int v) { return std::to_string(v); };
  std::string t;
  t += ";; Created by Mossdrake YV_Editor\n";
  t += "(yorvane-worldmap\n";
  t += "  (properties\n";
  t += "    (name \"Frostbite Island\")\n";
  t += "    (music \"snowfields.mod\")\n";
  t += "    (start_pos_x 4)\n";
  t += "    (start_pos_y 10))\n";
  t += "  (tilemap\n";
  t += "    (width  " + num(w) + ")\n";
  t += "    (height " + num(h) + ")\n";
  t += "    (data\n";
  for (int r = 0; r < h; ++r) {
    t += "       ";
    for (int c = 0; c < w; ++c) t += num(tiles[r][c]) + (tiles[r][c] < 10 ? "  " : " ");
    t += "\n";
  }
  t += "       ))\n";
  t += "(levels\n";
  auto level = [&](const char* name, int x, int y, const char* extro) {
    t += std::string("     (level (name \"") + name + "\")\n";
    t += "           (x  " + num(x) + ")\n";
    t += "           (y  " + num(y) + ")";
    if (*extro)
      t += std::string("\n           (extro-filename \"") + extro + "\"))\n";
    else
      t += ")\n";
  };
  level("frostbite/level1.yvl", 7, 10, "");
  level("frostbite/level2.yvl", 12, 10, "");
  level("frostbite/level3.yvl", 15, 4, "frostbite/ending.txt");
  t += "     (level  (map-message \"The keep lies to the north.\")\n";
  t += "           (x 15)\n";
  t += "           (y 7)\n";
  t += "           (apply-action-up #t)\n";
  t += ")\n";
  t += "     (level            (x 16)\n";
  t += "           (y 12)\n";
  t += "           (teleport-message \"Across the ice!\")\n";
  t += "           (dest_x 4)\n";
  t += "           (dest_y 3))\n";
  t += "      ))\n";
  return t;
}

bool Write(const std::string& path) {
  bool ok = WriteLevelFile(path);
  std::printf("%s %s\n", ok ? "wrote" : "FAILED", path.c_str());
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <sample folder laid out as drive C:> [program folder]\n", argv[0]);
    return 2;
  }
  platform::SetDriveCFolder(argv[1]);
  InitTextConstants();
  InitEditorGlobals();
  const std::string set = UserLevelsDir + "\\frostbite";
  platform::Fs().MakeFolder(InstallDir);
  for (const std::string& d : {DataDir, LevelsDir, InstallDir + "\\.yorvane", UserLevelsDir, set, MusicDir})
    platform::Fs().MakeFolder(d);
  bool ok = true;

  // The level set's first level: snowy hills, the cloud pieces, a few of each
  // early enemy, two reset points and the ending with the igloo.
  NewLevel(120, "Fjord Shore", "Sample");
  Ground(0, 30);
  Ground(34, 60);
  Put(Level.InteractiveTM, 31, 13, {{64, 64, 64}, {65, 65, 65}});
  Ground(63, 119);
  Put(Level.InteractiveTM, 61, 13, {{64, 64}, {65, 65}});
  Put(Level.InteractiveTM, 14, 9, {{14, 15, 15, 16}});
  Put(Level.InteractiveTM, 20, 9, {{40, 28, 40, 28}});
  Put(Level.InteractiveTM, 44, 8, {{77, 78, 77}});
  Put(Level.InteractiveTM, 46, 11, {{45}, {45}});
  Put(Level.InteractiveTM, 52, 10, {{46, 47, 47, 48}});
  Cloud(5, 1);
  Cloud(27, 3);
  Cloud(58, 1);
  Level.BackgroundTM.Set(8, 9, 70);  // the big fir reaches over four cells
  Put(Level.BackgroundTM, 24, 11, {{50, 49}, {51, 52}});
  Put(Level.BackgroundTM, 38, 11, {{55}, {56}});
  Put(Level.BackgroundTM, 66, 11, {{57, 58}});
  Put(Level.BackgroundTM, 70, 11, {{115, 116}, {117, 118}});
  Put(Level.ForegroundTM, 3, 11, {{53}, {54}});
  Enemy(0, 640, 384);
  Enemy(0, 900, 384);
  Enemy(2, 1300, 384, true);
  Enemy(1, 1700, 352);
  Enemy(3, 2100, 200);
  Enemy(4, 2500, 384);
  Reset(40, 13);
  Reset(75, 13);
  Ending(37);
  ok &= Write(set + "\\level1.yvl");

  // Second level: an ice cave with icicles, water and fish.
  NewLevel(150, "Frozen Cavern", "Sample");
  Level.Background = "aurora.jpg";
  Level.Music = "icecave.mod";
  Level.ParticleSystem = "";
  for (int c = 0; c < 150; ++c) {
    Level.InteractiveTM.Set(c, 0, 182);
    Level.BackgroundTM.Set(c, 1, c % 5 == 0 ? 76 : 0);
    for (int r = 2; r <= 12; ++r) Level.BackgroundTM.Set(c, r, 198);
  }
  for (int c = 0; c < 150; ++c) {
    Level.InteractiveTM.Set(c, 13, 141);
    Level.InteractiveTM.Set(c, 14, 144);
  }
  for (int c = 40; c < 46; ++c) {
    Level.InteractiveTM.Set(c, 13, 64);
    Level.InteractiveTM.Set(c, 14, 65);
  }
  Put(Level.InteractiveTM, 20, 9, {{17, 18, 17}});
  Put(Level.InteractiveTM, 60, 8, {{31, 31, 31, 31}});
  Put(Level.InteractiveTM, 62, 12, {{75, 75}});
  Put(Level.BackgroundTM, 90, 9, {{136, 137}, {138, 139}});
  Level.BackgroundTM.Set(100, 9, 74);
  Enemy(8, 800, 64);
  Enemy(8, 1000, 64);
  Enemy(9, 1330, 420);
  Enemy(9, 1400, 420);
  Enemy(2, 1800, 384);
  Enemy(5, 2400, 384);
  Enemy(0, 3000, 384);
  Reset(50, 13);
  Reset(100, 13);
  Ending(141);
  ok &= Write(set + "\\level2.yvl");

  // Third level: a castle with bombs and fire.
  NewLevel(100, "Frost Keep", "Sample");
  Level.Background = "mountains.bmp";
  Level.Music = "castle.mod";
  Level.Theme = "antarctica";
  Level.BackScrolling = "t";
  Level.TimeLimit = 400;
  Level.Gravity = 10.5;
  Ground(0, 99, 21, 22);
  for (int c = 20; c < 70; ++c)
    for (int r = 3; r <= 12; ++r) Level.BackgroundTM.Set(c, r, (c + r) % 7 == 0 ? 165 : 164);
  for (int c = 20; c < 70; c += 2) Level.BackgroundTM.Set(c, 2, 168);
  Put(Level.InteractiveTM, 30, 9, {{28, 28, 29, 28}});
  Put(Level.InteractiveTM, 44, 10, {{30, 30}, {30, 30}});
  Put(Level.InteractiveTM, 56, 8, {{40, 195, 40}});
  Put(Level.ForegroundTM, 66, 11, {{166}, {167}});
  Enemy(6, 800, 384);
  Enemy(7, 1200, 300);
  Enemy(6, 1500, 384);
  Enemy(7, 1900, 250);
  Enemy(4, 2200, 384);
  Reset(35, 13);
  Ending(21);
  ok &= Write(set + "\\level3.yvl");

  CurrentSubset = {"", "Frostbite Fjord",
                   "Three levels along the frozen fjord: the shore, the cavern and the keep."};
  ok &= WriteInfoFile(set + "\\info");

  // Two single levels in the game's own levels folder.
  NewLevel(60, "Snowy Start", "Sample");
  Ground(0, 59);
  Cloud(10, 2);
  Put(Level.InteractiveTM, 20, 10, {{40, 42, 43}});
  Enemy(0, 700, 384);
  Reset(30, 13);
  Pref.AddIgloo = 0;
  Pref.FloorTile = 37;
  AddLevelEnding();
  ok &= Write(LevelsDir + "\\level1.yvl");

  NewLevel(40, "Tiny Test", "Sample");
  Ground(0, 39, 2, 5);
  Level.InteractiveTM.Set(0, 13, 1);
  Level.InteractiveTM.Set(39, 13, 3);
  Enemy(1, 400, 384);
  ok &= Write(LevelsDir + "\\level2.yvl");

  platform::Fs().MakeFolder(WorldMapsDir);
  ok &= platform::Fs().ReplaceWholeFile(WorldMapsDir + "\\frostbite.yvwm", WorldMapText());

  // A few music file names.
  for (const char* name : {"fortress2.mod", "icecave.mod", "castle.mod", "snowfields.mod"})
    ok &= platform::Fs().ReplaceWholeFile(MusicDir + "\\" + name, "");

  // The preferences a new user starts with: the set's first level, grid and
  // reset points on, favourites filled, new levels with an ending.
  if (argc >= 3) {
    platform::SetProgramFolder(platform::ToWindowsPath(argv[2]));
    Pref = PreferenceRecord{};
    Pref.LastLevelFile = set + "\\level1.yvl";
    Pref.SavedTile = 34;
    Pref.SavedLayer = 1;
    Pref.ShowGrid = 1;
    Pref.ShowResetPoints = 1;
    Pref.AutoCompleteClouds = 1;
    Pref.AddEndSequence = 1;
    Pref.AddIgloo = 1;
    Pref.FloorTile = 37;
    const int16_t a[] = {34, 37, 35, 36, 1, 2, 3, 5, 14, 15, 16, 40, 42, 77, 78, 28, 85, 50, 57, 81, 132, 133};
    for (size_t i = 0; i < sizeof a / sizeof a[0]; ++i) Pref.FavoritesA[i] = a[i];
    const int16_t b[] = {140, 141, 142, 144, 17, 18, 31, 75, 76, 182, 198, 64, 65, 136, 74};
    for (size_t i = 0; i < sizeof b / sizeof b[0]; ++i) Pref.FavoritesB[i] = b[i];
    ok &= SavePreferences();
    std::printf("wrote %s\n", PreferencesPath().c_str());
  }
  return ok ? 0 : 1;
}
