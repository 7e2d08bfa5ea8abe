#include "model/YVE_Main.h"

#include "model/General.h"
#include "model/Preference.h"
#include "platform/System.h"

namespace yv {

std::string WindowTitle;
std::string InstallDir;
std::string DataDir;
std::string LevelsDir;
std::string UserLevelsDir;
std::string ImagesDir;
std::string BackgroundDir;
std::string MusicDir;
std::string WorldMapsDir;
std::string FileNotFoundMsg;
std::array<std::string, 6> LinkTypeNames;
std::array<BadGuyKind, kBadGuyKindCount> BadGuyKinds;
std::array<std::string, kBadGuyKindCount> BadGuyFileNames;

bool LevelLoaded = false;
bool LevelChanged = false;
int16_t SelectedTile = 0;
bool NewInfoResult = false;
int16_t EditMode = 0;
int16_t CurrentLayer = 0;
int16_t TileSetChoice = 0;
int16_t SelectedBadGuyKind = 0;
int16_t SelectedObject = -1;
int16_t SelectedLink = 0;
std::string HelpText;

void Main() {
  InitTextConstants();
  InitEditorGlobals();
  UseCrLfLineEnds();
  LoadPreferences();

  // The saved choices come from a file that may be old or damaged: values
  // outside the ranges fall back to the interactive layer, tile mode, no
  // bad-guy kind and all tiles.
  CurrentLayer = Pref.SavedLayer;
  if (CurrentLayer > 3 || CurrentLayer < 0) CurrentLayer = 1;
  EditMode = Pref.SavedMode;
  if (EditMode > 2 || EditMode < 0) EditMode = 0;  // favourites editing (3) is never restored
  SelectedBadGuyKind = Pref.SavedBadGuyKind;
  if (SelectedBadGuyKind > 9 || SelectedBadGuyKind < -1) SelectedBadGuyKind = -1;
  TileSetChoice = Pref.SavedTileSet;
  if (TileSetChoice < 0 || TileSetChoice > 2) TileSetChoice = 0;

  if (Windows.loadMainFrm) Windows.loadMainFrm();
}

void InitEditorGlobals() {
  ReadUserName();
  LevelLoaded = false;
  LevelChanged = false;
  WindowTitle = std::string("YV_Editor ") + "V1.09" + " - Yorvane Level Editor by Mossdrake";
  InstallDir = "C:\\Program Files\\Yorvane";
  DataDir = InstallDir + "\\data";
  LevelsDir = InstallDir + "\\data\\levels";
  UserLevelsDir = InstallDir + "\\.yorvane\\levels";
  ImagesDir = InstallDir + "\\data\\images";
  BackgroundDir = ImagesDir + "\\background";
  MusicDir = InstallDir + "\\data\\music";
  WorldMapsDir = InstallDir + "\\data\\levels\\worldmaps";
  FileNotFoundMsg = "File Specified Not Found!" + CrLf + "Please choose another file.";
  SelectedTile = 0;

  static const char* const kDisplayNames[kBadGuyKindCount] = {
      "Snow Ball",       "Bouncing Ball", "Mr. IceBlock", "Flying Snow Ball", "Spikey",
      "Bouncing Spikey", "Mr. Bomb",      "Fire Ball",    "Stalactite",       "Fish"};
  static const char* const kFileNames[kBadGuyKindCount] = {
      "snowball", "bouncingsnowball", "mriceblock", "flyingsnowball", "spiky",
      "jumpy",    "mrbomb",           "flame",      "stalactite",     "fish"};
  for (int k = 0; k < kBadGuyKindCount; ++k) {
    BadGuyKinds[k].DisplayName = kDisplayNames[k];
    BadGuyFileNames[k] = kFileNames[k];
  }
  LinkTypeNames = {"", "Comment", "Level Link", "Message", "Teleport", "Invisible"};
}

bool ShowNewInfoDialog() {
  if (DialogWaitRunning()) return false;
  NewInfoResult = false;
  if (!WaitForDialog(Windows.loadNewInfoFrm)) return false;
  return NewInfoResult;
}

std::string CutUserName(const std::string& loginName, bool callSucceeded) {
  if (!callSucceeded) return std::string(16, ' ');
  // The system fills a buffer of 25 characters: the name and its terminating
  // zero, so a name of 25 characters or more does not fit and the call fails.
  if (loginName.size() > 24) return std::string(16, ' ');
  std::string buffer = loginName;
  buffer.push_back('\0');
  buffer.resize(25, '\0');
  std::string name;
  for (int i = 0; i < 9; ++i) {
    if (static_cast<unsigned char>(buffer[i]) < 48) {
      name = buffer.substr(0, static_cast<size_t>(i));
      break;
    }
  }
  name = UCase(name);
  name.resize(16, ' ');
  return name;
}

void ReadUserName() {
  std::string login;
  bool ok = platform::GetLoginName(login);
  UserName = CutUserName(login, ok);
}

}  // namespace yv
