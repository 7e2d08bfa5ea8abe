#include <gtest/gtest.h>

#include "model/Preference.h"
#include "platform/FileSystem.h"
#include "tests/support/MemoryFileSystem.h"
#include "platform/Paths.h"

using namespace yv;

namespace {

int16_t At(const std::string& bytes, size_t offset) {
  return static_cast<int16_t>(static_cast<uint8_t>(bytes[offset]) | (static_cast<uint8_t>(bytes[offset + 1]) << 8));
}

PreferenceRecord EveryFieldSet() {
  PreferenceRecord r;
  for (int i = 0; i < 16; ++i) {
    r.FormLeft[i] = static_cast<int16_t>(100 * i - 700);
    r.FormTop[i] = static_cast<int16_t>(-3 * i + 32000);
  }
  for (int i = 0; i < 32; ++i) r.Reserved1[i] = static_cast<uint8_t>(0xA0 + i);
  r.LastLevelFile = std::string(20, 'L');
  r.SavedTile = 131;
  r.SavedLayer = 2;
  r.SavedMode = 1;
  r.SavedBadGuyKind = -1;
  r.Reserved2 = -2;
  r.LastWorldMapFile = "";
  r.SavedWorldMode = 4;
  r.SavedWorldScrollX = 5;
  r.SavedWorldScrollY = 6;
  r.SavedScrollX = 102;
  r.Reserved3 = -3;
  r.ShowGrid = 1;
  r.LastInfoFile = "abc";
  r.AutoCompleteClouds = 1;
  r.SavedTileSet = 2;
  for (int i = 0; i < 32; ++i) {
    r.FavoritesA[i] = static_cast<int16_t>(i + 1);
    r.FavoritesB[i] = static_cast<int16_t>(204 - i);
  }
  r.DefaultAuthor = "Maren";
  r.AddEndSequence = 1;
  r.ShowResetPoints = 1;
  r.AddIgloo = 1;
  r.FloorTile = 37;
  r.Reserved4 = "";
  r.WorldAutoComplete = 1;
  for (int i = 0; i < 77; ++i) r.WorldFavorites[i] = static_cast<int16_t>(i * 3 - 1);
  return r;
}

}  // namespace

TEST(Preferences, LayoutByteByByte) {
  PreferenceRecord r = EveryFieldSet();  // strings of lengths 20, 0, 3, 5, 0
  std::string b = EncodePreferences(r);
  ASSERT_EQ(b.size(), 424u + 20 + 0 + 3 + 5 + 0);
  EXPECT_EQ(At(b, 0), -700);                       // block 1: FormLeft(0)
  EXPECT_EQ(At(b, 30), 100 * 15 - 700);            // FormLeft(15)
  EXPECT_EQ(At(b, 32), 32000);                     // block 2: FormTop(0)
  EXPECT_EQ(static_cast<uint8_t>(b[64]), 0xA0);    // block 3: reserved bytes
  EXPECT_EQ(static_cast<uint8_t>(b[95]), 0xA0 + 31);
  EXPECT_EQ(At(b, 96), 20);                        // block 4: length, then the characters
  EXPECT_EQ(b.substr(98, 20), std::string(20, 'L'));
  const size_t L1 = 20, L2 = 0, L3 = 3, L4 = 5;
  EXPECT_EQ(At(b, 98 + L1), 131);                  // block 5 at 118
  EXPECT_EQ(At(b, 98 + L1 + 6), -1);               // SavedBadGuyKind
  EXPECT_EQ(At(b, 98 + L1 + 8), -2);               // reserved Integer
  EXPECT_EQ(At(b, 108 + L1), 0);                   // block 6: empty string, length only
  EXPECT_EQ(At(b, 110 + L1 + L2), 4);              // block 7
  EXPECT_EQ(At(b, 110 + L1 + L2 + 6), 102);        // SavedScrollX
  EXPECT_EQ(At(b, 110 + L1 + L2 + 8), -3);
  EXPECT_EQ(At(b, 110 + L1 + L2 + 10), 1);         // ShowGrid
  EXPECT_EQ(At(b, 122 + L1 + L2), 3);              // block 8
  EXPECT_EQ(b.substr(124 + L1 + L2, 3), "abc");
  const size_t b9 = 124 + L1 + L2 + L3;
  EXPECT_EQ(At(b, b9), 1);                         // block 9: AutoCompleteClouds
  EXPECT_EQ(At(b, b9 + 2), 2);                     // SavedTileSet
  EXPECT_EQ(At(b, b9 + 4), 1);                     // FavoritesA(0)
  EXPECT_EQ(At(b, b9 + 4 + 62), 32);               // FavoritesA(31)
  EXPECT_EQ(At(b, b9 + 68), 204);                  // FavoritesB(0)
  EXPECT_EQ(At(b, 256 + L1 + L2 + L3), 5);         // block 10
  EXPECT_EQ(b.substr(258 + L1 + L2 + L3, 5), "Maren");
  const size_t b11 = 258 + L1 + L2 + L3 + L4;
  EXPECT_EQ(At(b, b11 + 6), 37);                   // FloorTile
  EXPECT_EQ(At(b, 266 + L1 + L2 + L3 + L4), 0);    // block 12: reserved string
  const size_t b13 = 268 + L1 + L2 + L3 + L4;
  EXPECT_EQ(At(b, b13), 1);                        // WorldAutoComplete
  EXPECT_EQ(At(b, b13 + 2), -1);                   // WorldFavorites(0)
  EXPECT_EQ(At(b, b13 + 2 + 152), 76 * 3 - 1);     // WorldFavorites(76), the last two bytes
  EXPECT_EQ(EncodePreferences(PreferenceRecord{}).size(), 424u);

  // A record with only LastLevelFile of 20 characters: 444 bytes, block 5 at 118.
  PreferenceRecord only;
  only.LastLevelFile = std::string(20, 'x');
  only.SavedTile = 77;
  std::string ob = EncodePreferences(only);
  EXPECT_EQ(ob.size(), 444u);
  EXPECT_EQ(At(ob, 118), 77);
}

TEST(Preferences, RoundTripOfEveryFieldIncludingTheReservedOnes) {
  PreferenceRecord r = EveryFieldSet();
  r.LastWorldMapFile = "C:\\w\\x.yvwm";
  r.Reserved4 = "carried \x01\xff";
  r.Reserved2 = 12345;
  EXPECT_EQ(DecodePreferences(EncodePreferences(r)), r);
  // Bytes after the record are ignored.
  EXPECT_EQ(DecodePreferences(EncodePreferences(r) + "trailing garbage"), r);
}

TEST(Preferences, ShortOrDamagedFilesKeepTheCompleteFields) {
  PreferenceRecord r = EveryFieldSet();
  std::string b = EncodePreferences(r);
  // Cut inside block 5: blocks 1 to 4 and the first two Integers of block 5 are whole.
  PreferenceRecord cut = DecodePreferences(std::string_view(b).substr(0, 98 + 20 + 5));
  EXPECT_EQ(cut.FormLeft, r.FormLeft);
  EXPECT_EQ(cut.LastLevelFile, r.LastLevelFile);
  EXPECT_EQ(cut.SavedTile, 131);
  EXPECT_EQ(cut.SavedLayer, 2);
  EXPECT_EQ(cut.SavedMode, 0);  // its second byte is missing
  EXPECT_EQ(cut.DefaultAuthor, "");
  EXPECT_EQ(cut.FavoritesA[0], 0);
  // A string length that runs past the end: that string and everything after are left empty.
  std::string bad = b;
  bad[96] = static_cast<char>(0xFF);
  bad[97] = static_cast<char>(0x7F);
  PreferenceRecord damaged = DecodePreferences(bad);
  EXPECT_EQ(damaged.FormTop, r.FormTop);
  EXPECT_EQ(damaged.LastLevelFile, "");
  EXPECT_EQ(damaged.SavedTile, 0);
  EXPECT_EQ(damaged.WorldFavorites[76], 0);
  EXPECT_EQ(DecodePreferences(""), PreferenceRecord{});
  EXPECT_EQ(DecodePreferences("\x01"), PreferenceRecord{});
}

TEST(Preferences, FileLoadAndSaveBesideTheProgram) {
  platform::MemoryFileSystem mem;
  auto* previous = platform::FileSystem::Install(&mem);
  platform::SetProgramFolder("C:\\Prog");
  EXPECT_EQ(PreferencesPath(), "C:\\Prog\\YV_Editor.Preferences");

  Pref = EveryFieldSet();
  Pref.LastLevelFile = std::string(60, 'a');
  ASSERT_TRUE(SavePreferences());
  EXPECT_EQ(mem.FileLength(PreferencesPath()), 424 + 60 + 3 + 5);
  // A shorter path: the file keeps its old length and the load reads the new values.
  Pref.LastLevelFile = "C:\\b.yvl";
  ASSERT_TRUE(SavePreferences());
  EXPECT_EQ(mem.FileLength(PreferencesPath()), 424 + 60 + 3 + 5);
  PreferenceRecord expected = Pref;
  Pref = PreferenceRecord{};
  LoadPreferences();
  EXPECT_EQ(Pref, expected);

  // A failed save reports it and leaves the old file whole.
  std::string before;
  mem.ReadWholeFile(PreferencesPath(), before);
  mem.failWrites = true;
  Pref.SavedTile = 5;
  EXPECT_FALSE(SavePreferences());
  std::string after;
  mem.ReadWholeFile(PreferencesPath(), after);
  EXPECT_EQ(after, before);

  platform::SetProgramFolder("");
  platform::FileSystem::Install(previous);
}

TEST(WindowPlaces, CentredOrTopLeftWhenNeverPlacedAndClampedWhenStored) {
  Pref = PreferenceRecord{};
  // Screen 1920 x 1080 pixels, window 824 x 622 pixels, all in twips.
  WindowPlace p = PlaceWindow(kFormMainFrm, 1920 * 15, 1080 * 15, 830 * 15, 650 * 15);
  EXPECT_EQ(p.left, (1920 - 830) * 15 / 2);
  EXPECT_EQ(p.top, (1080 - 650) * 15 / 2);
  p = PlaceWindow(kFormVarsFrm, 1920 * 15, 1080 * 15, 450 * 15, 354 * 15);
  EXPECT_EQ(p.left, 0);
  EXPECT_EQ(p.top, 0);
  p = PlaceWindow(kFormZBGEditFrm, 1000, 1000, 200, 100);
  EXPECT_EQ(p.left, 400);
  EXPECT_EQ(p.top, 450);
  // One coordinate 0 is enough to be used as stored.
  Pref.FormLeft[kFormMainFrm] = 0;
  Pref.FormTop[kFormMainFrm] = 300;
  p = PlaceWindow(kFormMainFrm, 30000, 20000, 12000, 9000);
  EXPECT_EQ(p.left, 0);
  EXPECT_EQ(p.top, 300);
  for (int i = 0; i <= 10; ++i)
    EXPECT_EQ(IsCentredForm(i), i == 0 || i == 5 || i == 6 || i == 7 || i == 8 || i == 10) << i;

  StoreWindowPlace(kFormHelpFrm, 1234.5, 1235.5);  // halves to even
  EXPECT_EQ(Pref.FormLeft[kFormHelpFrm], 1234);
  EXPECT_EQ(Pref.FormTop[kFormHelpFrm], 1236);
  StoreWindowPlace(kFormHelpFrm, 40000, -50000);
  EXPECT_EQ(Pref.FormLeft[kFormHelpFrm], 32767);
  EXPECT_EQ(Pref.FormTop[kFormHelpFrm], -32768);
}
