// The preferences record and its file "YV_Editor.Preferences" beside the program.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace yv {

struct PreferenceRecord {
  std::array<int16_t, 16> FormLeft{};  // twips, by form index
  std::array<int16_t, 16> FormTop{};
  std::array<uint8_t, 32> Reserved1{};
  std::string LastLevelFile;
  int16_t SavedTile = 0;
  int16_t SavedLayer = 0;
  int16_t SavedMode = 0;
  int16_t SavedBadGuyKind = 0;
  int16_t Reserved2 = 0;
  std::string LastWorldMapFile;
  int16_t SavedWorldMode = 0;
  int16_t SavedWorldScrollX = 0;
  int16_t SavedWorldScrollY = 0;
  int16_t SavedScrollX = 0;
  int16_t Reserved3 = 0;
  int16_t ShowGrid = 0;
  std::string LastInfoFile;
  int16_t AutoCompleteClouds = 0;
  int16_t SavedTileSet = 0;
  std::array<int16_t, 32> FavoritesA{};
  std::array<int16_t, 32> FavoritesB{};
  std::string DefaultAuthor;
  int16_t AddEndSequence = 0;
  int16_t ShowResetPoints = 0;
  int16_t AddIgloo = 0;
  int16_t FloorTile = 0;
  std::string Reserved4;
  int16_t WorldAutoComplete = 0;
  std::array<int16_t, 77> WorldFavorites{};

  bool operator==(const PreferenceRecord&) const = default;
};

extern PreferenceRecord Pref;

// The program folder, a backslash and "YV_Editor.Preferences".
std::string PreferencesPath();
// Fills Pref from the file (all zero and empty when it is missing, creating
// it empty then). A short or damaged file gives the fields it holds whole.
void LoadPreferences();
// Writes Pref to the file; false when the file could not be written (the old
// file is then left as it was).
bool SavePreferences();

// The record's bytes, little-endian, strings as a 2-byte length and their characters.
std::string EncodePreferences(const PreferenceRecord& record);
// The record from bytes; fields past the end of complete data stay 0 or empty,
// bytes after the record are ignored.
PreferenceRecord DecodePreferences(std::string_view bytes);

// ---------------------------------------------------------------- window places

enum FormIndex : int {
  kFormMainFrm = 0,
  kFormNewInfoFrm = 1,
  kFormZunboTextFrm = 2,
  kFormVarsFrm = 3,
  kFormHelpFrm = 4,
  kFormWorldFrm = 5,
  kFormLinkForm = 6,
  kFormWorldPropertiesFrm = 7,
  kFormZTypeFrm = 8,
  kFormBackGndFrm = 9,
  kFormZBGEditFrm = 10,
};

constexpr int kTwipsPerPixel = 15;

// True for the windows that centre themselves when never placed.
bool IsCentredForm(int formIndex);

struct WindowPlace {
  int left = 0;  // twips
  int top = 0;
};
// Where a window opens: its saved place, or (both saved values 0) centred
// for the centred windows and the screen's top-left corner for the others.
WindowPlace PlaceWindow(int formIndex, int screenWidth, int screenHeight, int windowWidth, int windowHeight);
// Stores a window's place (twips), rounded to whole twips and clamped to 16 bits.
void StoreWindowPlace(int formIndex, double left, double top);

}  // namespace yv
