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
#include "worldeditor/document/YVW_Read.h"
#include "worldeditor/document/YVW_Write.h"

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

// The sample world map: an island in the fjord, 44 x 22 cells, with every
// kind of world tile. A trail leads from Zunbo's house past the village, the
// cave and the keep (the set's three levels), to a signpost and a greeting
// (map messages), a tower whose teleport reaches the ice palace, and a line
// of footprints that ends at an invisible teleporter.
class WorldPainter {
 public:
  static constexpr int kWidth = 44, kHeight = 22;
  WorldPainter() {
    World.Width = kWidth;
    World.Height = kHeight;
    World.Tiles.Create(kWidth, kHeight);
  }
  void Set(int c, int r, int tile) { World.Tiles.Set(c, r, static_cast<int16_t>(tile)); }
  void Fill(int c0, int r0, int c1, int r1, int tile) {
    for (int c = c0; c <= c1; ++c)
      for (int r = r0; r <= r1; ++r) Set(c, r, tile);
  }
  // Water in a frame of land: the coast tiles facing it all round.
  void Lake(int c0, int r0, int c1, int r1) {
    Fill(c0, r0, c1, r1, 3);
    Fill(c0, r0 - 1, c1, r0 - 1, 6);
    Fill(c0, r1 + 1, c1, r1 + 1, 5);
    Fill(c0 - 1, r0, c0 - 1, r1, 8);
    Fill(c1 + 1, r0, c1 + 1, r1, 7);
    Set(c0 - 1, r0 - 1, 16), Set(c1 + 1, r0 - 1, 15), Set(c0 - 1, r1 + 1, 14), Set(c1 + 1, r1 + 1, 13);
  }
};

WorldLink& NewLink(int x, int y, int type) {
  AddInNewLink(static_cast<int16_t>(x), static_cast<int16_t>(y));
  WorldLink& link = World.Links.back();
  link.LinkType = static_cast<int16_t>(type);
  return link;
}

void MakeSampleWorld() {
  ResetWorldData();
  World.Comments[0] = ";; Frostbite Fjord: the world map of the sample level set";
  World.Name = "Frostbite Fjord";
  World.Music = "snowfields.mod";
  WorldPainter m;

  // The sea, deep at the edges, and the island with its coast.
  m.Fill(0, 0, 43, 21, 3);
  m.Fill(0, 0, 43, 0, 4), m.Fill(0, 21, 43, 21, 4), m.Fill(0, 0, 0, 21, 4), m.Fill(43, 0, 43, 21, 4);
  for (int c = 2; c <= 41; ++c)
    for (int r = 2; r <= 19; ++r) m.Set(c, r, (c * 7 + r * 3) % 5 == 0 ? 2 : 1);
  m.Fill(3, 2, 40, 2, 5), m.Fill(3, 19, 40, 19, 6), m.Fill(2, 3, 2, 18, 7), m.Fill(41, 3, 41, 18, 8);
  m.Set(2, 2, 9), m.Set(41, 2, 10), m.Set(2, 19, 11), m.Set(41, 19, 12);
  m.Set(15, 1, 64), m.Set(30, 20, 60), m.Set(41, 7, 47);
  m.Fill(28, 3, 31, 5, 71);

  // The bay with its pier, a boat and a floe.
  m.Lake(33, 14, 36, 16);
  m.Set(36, 13, 66), m.Set(35, 15, 64), m.Set(34, 16, 60);

  // Mountains in the north-west: the big 3 x 3 one and its neighbours.
  for (int i = 0; i < 9; ++i) m.Set(6 + i % 3, 3 + i / 3, 49 + i);
  m.Set(10, 3, 39), m.Set(4, 4, 38), m.Set(10, 6, 38), m.Set(5, 6, 40), m.Set(11, 5, 41);
  // The forest, the rivers, the frozen lake with its fishing hole.
  const int forest[][3] = {{14, 3, 35}, {15, 3, 35}, {16, 3, 36}, {14, 4, 34}, {15, 4, 35},
                           {16, 4, 36}, {17, 4, 34}, {15, 5, 37}, {17, 6, 34}, {13, 7, 36}};
  for (const auto& t : forest) m.Set(t[0], t[1], t[2]);
  m.Fill(22, 3, 22, 14, 67), m.Fill(21, 15, 23, 16, 69), m.Set(22, 16, 63);
  m.Fill(3, 17, 16, 17, 68);

  // Zunbo's house, where the player starts.
  m.Set(4, 8, 58), m.Set(4, 9, 59);
  World.StartX = 4;
  World.StartY = 9;

  // The trails.
  m.Set(4, 10, 18), m.Set(4, 11, 19);
  m.Fill(5, 11, 35, 11, 17);
  m.Set(8, 11, 24), m.Set(12, 11, 24), m.Set(20, 11, 23), m.Set(22, 11, 32), m.Set(26, 11, 27), m.Set(36, 11, 26);
  // A loop round the snowman and his flag.
  m.Set(8, 12, 18), m.Set(6, 13, 21), m.Set(7, 13, 17), m.Set(8, 13, 23), m.Set(9, 13, 22);
  m.Set(6, 14, 18), m.Set(7, 14, 65), m.Set(8, 14, 70), m.Set(9, 14, 18);
  m.Set(6, 15, 19), m.Fill(7, 15, 8, 15, 17), m.Set(9, 15, 20);
  // South over the river bridge to the village.
  m.Fill(12, 12, 12, 16, 18), m.Set(12, 17, 33), m.Set(12, 18, 43);
  // North to the signpost, the keep and the tower.
  m.Fill(20, 8, 20, 10, 18), m.Set(20, 7, 29), m.Set(20, 6, 62);
  m.Fill(26, 7, 26, 10, 18), m.Set(26, 6, 29), m.Set(26, 5, 44);
  m.Fill(36, 9, 36, 10, 18), m.Set(36, 8, 29), m.Set(36, 7, 45), m.Set(36, 12, 28);
  // South to the cave and the igloo.
  m.Fill(26, 12, 26, 13, 18), m.Set(26, 14, 25), m.Fill(27, 14, 29, 14, 17), m.Set(30, 14, 31), m.Set(31, 14, 46);
  m.Fill(26, 15, 26, 17, 18), m.Set(26, 18, 20), m.Fill(20, 18, 25, 18, 17), m.Set(19, 18, 30), m.Set(18, 18, 42);
  // Footprints leading off the trail, and the ice palace across the island.
  m.Set(14, 12, 61), m.Set(15, 13, 61), m.Set(16, 14, 61), m.Set(17, 15, 61);
  m.Set(39, 4, 48), m.Set(38, 16, 41);

  NewLink(12, 18, 2).LevelLinkName = "frostbite/level1.yvl";
  NewLink(31, 14, 2).LevelLinkName = "frostbite/level2.yvl";
  WorldLink& keep = NewLink(26, 5, 2);
  keep.LevelLinkName = "frostbite/level3.yvl";
  keep.ExtroFile = LevelsDir + "\\frostbite_ending.txt";
  WorldLink& welcome = NewLink(4, 10, 3);
  welcome.Message = "Welcome to Frostbite Fjord! Follow the trail east.";
  welcome.ApplyLeft = "f", welcome.ApplyRight = "t", welcome.ApplyUp = "f", welcome.ApplyDown = "t";
  WorldLink& sign = NewLink(20, 6, 3);
  sign.Message = "North: Frost Keep. East: the tower. Mind the thin ice!";
  sign.ApplyUp = "t", sign.ApplyDown = "f";
  WorldLink& tower = NewLink(36, 7, 4);
  tower.Message = "The tower's old magic carries you to the ice palace.";
  tower.DestX = 39, tower.DestY = 5;
  WorldLink& hidden = NewLink(17, 15, 5);
  hidden.Invisible = "t";
  hidden.DestX = 38, hidden.DestY = 17;
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

  CurrentSubset = {"", "Frostbite Fjord", "Three levels along the frozen fjord: the shore, the cavern and the keep."};
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
  MakeSampleWorld();
  const std::string worldMap = WorldMapsDir + "\\frostbite.yvwm";
  ok &= BuildWorldText() && WriteWorldFile(worldMap);
  std::printf("wrote %s\n", worldMap.c_str());
  ok &= platform::Fs().ReplaceWholeFile(LevelsDir + "\\frostbite_ending.txt",
                                        "The keep has fallen and the fjord is free.\nZunbo sails home.\n");

  // A few music file names.
  for (const char* name : {"fortress2.mod", "icecave.mod", "castle.mod", "snowfields.mod"})
    ok &= platform::Fs().ReplaceWholeFile(MusicDir + "\\" + name, "");

  // The preferences a new user starts with: the set's first level, grid and
  // reset points on, favourites filled, new levels with an ending.
  if (argc >= 3) {
    platform::SetProgramFolder(platform::ToWindowsPath(argv[2]));
    Pref = PreferenceRecord{};
    Pref.LastLevelFile = set + "\\level1.yvl";
    Pref.LastWorldMapFile = worldMap;
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
