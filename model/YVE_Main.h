// Start-up, the level editor's global tables and state, and the level document.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "model/TileMap.h"

namespace yv {

// ---------------------------------------------------------------- tables and folders
extern std::string WindowTitle;
extern std::string InstallDir;     // "C:\Program Files\Yorvane"
extern std::string DataDir;        // ...\data
extern std::string LevelsDir;      // ...\data\levels
extern std::string UserLevelsDir;  // ...\.yorvane\levels (the level sets)
extern std::string ImagesDir;      // ...\data\images
extern std::string BackgroundDir;  // ...\data\images\background
extern std::string MusicDir;       // ...\data\music
extern std::string WorldMapsDir;   // ...\data\levels\worldmaps
extern std::string FileNotFoundMsg;
extern std::array<std::string, 6> LinkTypeNames;

struct BadGuyKind {
  std::string DisplayName;
  int16_t Count = 0;  // objects of this kind in the level
};
constexpr int kBadGuyKindCount = 10;
extern std::array<BadGuyKind, kBadGuyKindCount> BadGuyKinds;
extern std::array<std::string, kBadGuyKindCount> BadGuyFileNames;

// ---------------------------------------------------------------- editor state
extern bool LevelLoaded;            // a level has been read or created
extern bool LevelChanged;           // the level in memory has changes not yet saved
extern int16_t SelectedTile;        // 0 blank, 1..204, ResetPointTile the reset-point tool
extern bool NewInfoResult;          // the new-level-set dialog was confirmed with Create
extern int16_t EditMode;            // 0 tiles, 1 place bad guys, 2 bad-guy list, 3 edit favourites
extern int16_t CurrentLayer;        // 0 background, 1 interactive, 2 foreground, 3 all layers
extern int16_t TileSetChoice;       // 0 all tiles, 1 favourites A, 2 favourites B
extern int16_t SelectedBadGuyKind;  // -1 none, 0..9
extern int16_t SelectedObject;      // -1 none, 1..Level.ObjectCount
extern int16_t SelectedLink;        // the world-map link being edited (0 or -1 none)
extern std::string HelpText;        // the help text, CR LF line ends

constexpr int16_t ResetPointTile = 131;
constexpr int16_t kTileCount = 204;  // tiles 1..204; picture 204 doubles as the grid cell

// Edit modes and layers by name.
enum : int16_t { kModeTiles = 0, kModeBadGuys = 1, kModeBadGuyList = 2, kModeFavorites = 3 };
enum : int16_t { kLayerBackground = 0, kLayerInteractive = 1, kLayerForeground = 2, kLayerAll = 3 };

// ---------------------------------------------------------------- level document

struct LevelObject {
  int16_t Kind = 0;  // 0..9
  std::string Name;  // the file-format name it was read or placed with
  int16_t X = 0;     // pixels
  int16_t Y = 0;
  int16_t StayOnPlatform = 0;  // 1 stays on its platform
  bool operator==(const LevelObject&) const = default;
};

struct ResetPoint {
  int16_t X = 0;
  int16_t Y = 0;
  bool operator==(const ResetPoint&) const = default;
};

struct BadGuyImageSlot {
  int16_t ObjectIndex = 0;
  int16_t ImageIndex = 0;
  int16_t Left = 0;
  int16_t Top = 0;
};

struct SubsetInfo {
  std::string Comment;
  std::string Title;
  std::string Description;
  bool operator==(const SubsetInfo&) const = default;
};

struct LevelData {
  std::string Comment;
  std::string Version;
  std::string Author;
  std::string Name;
  int16_t Width = 0;
  int16_t Height = 0;
  int16_t StartPosX = 0;
  int16_t StartPosY = 0;
  std::string Background;
  std::string Music;
  int16_t BkgdRedTop = 0;
  int16_t BkgdGreenTop = 0;
  int16_t BkgdBlueTop = 0;
  int16_t BkgdRedBottom = 0;
  int16_t BkgdGreenBottom = 0;
  int16_t BkgdBlueBottom = 0;
  double BkgdSpeed = 0;
  double HorAutoscrollSpeed = 0;
  int16_t TimeLimit = 0;
  double Gravity = 0;
  std::string ParticleSystem;
  std::string Theme;
  std::string BackScrolling;
  std::string TrailingComment;
  TileMap BackgroundTM;
  TileMap ForegroundTM;
  TileMap InteractiveTM;
  int16_t ResetCount = 0;
  int16_t ObjectCount = 0;
  std::vector<ResetPoint> ResetPoints{1};  // used from 1 to ResetCount; element 0 stays empty
  std::vector<LevelObject> Objects{1};     // used from 1 to ObjectCount; element 0 stays empty
};

extern LevelData Level;
extern std::array<BadGuyImageSlot, 32> BadGuyImageSlots;
extern SubsetInfo CurrentSubset;
extern SubsetInfo NewSubset;

// Appends a reset point or an object after the counted ones (the array grows
// to 0..count, the new element all 0 and empty) and returns it.
ResetPoint& AppendResetPoint();
LevelObject& AppendObject();
// Removes object number index (1..ObjectCount), moving the later ones down.
void RemoveObject(int index);

// Gives a field of the level a new value; one that differs from the old
// marks the level changed.
template <class T, class V>
void SetLevelField(T& field, V&& value) {
  if (field == value) return;
  field = std::forward<V>(value);
  LevelChanged = true;
}

// ---------------------------------------------------------------- operations

// The start-up sequence: text constants, globals, line ends, preferences
// with the four saved choices clamped, then MainFrm loaded and shown.
void Main();
void InitEditorGlobals();
// UserName from the login name: cut at the first of characters 1..9 below "0",
// empty when none is; in capitals, blank-padded to 16 characters.
void ReadUserName();
// The cut rule alone, for a login name as the system returns it.
std::string CutUserName(const std::string& loginName, bool callSucceeded);

// Shows the new-level-set dialog, waits until it has closed and returns
// NewInfoResult (False when another wait was already running).
bool ShowNewInfoDialog();

// The kind 0..9 whose file-format name is name exactly (counting it), or -1.
int16_t LookupBadGuyKind(const std::string& name);
// A new level named by the first free "levelN.yvl" (N = 1..99) in folder;
// false, with nothing changed, when all 99 names are taken.
bool CreateNewLevel(const std::string& folder);
// Stamps the end-of-level tiles at the right end of the level; cells outside
// the maps are left out.
void AddLevelEnding();

}  // namespace yv
