// Feeds arbitrary bytes to the level reader as the level file, then builds
// the level text from whatever was read: neither may crash, hang or read
// outside the maps.
#include <cstddef>
#include <cstdint>
#include <string>

#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Main.h"
#include "model/YVE_Read.h"
#include "model/YVE_Write.h"
#include "fuzz/FuzzSupport.h"
#include "platform/FileSystem.h"

namespace {

const char* const kPath = "C:\\sets\\fuzz\\level.yvl";

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  yv::fuzz::InitProgram();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  yv::Pref = yv::PreferenceRecord{};
  yv::Level = yv::LevelData{};
  yv::CurrentSubset = yv::SubsetInfo{};
  yv::LevelLoaded = false;
  // Half of the inputs are read over an earlier level of width 120, as the
  // second level of a run is: narrow widths then keep those maps.
  if (size % 2 == 1) {
    yv::Level.Width = 120;
    for (yv::TileMap* map : {&yv::Level.BackgroundTM, &yv::Level.InteractiveTM, &yv::Level.ForegroundTM})
      map->Create(120, 15);
  }
  yv::fuzz::PutOnly(kPath, data, size);

  yv::ReadLevelFile(kPath);
  // Building is linear in the width; the widest levels (up to 32767 columns
  // over maps of any size) would only slow the search down, and the narrow
  // and mismatched cases are all found below this bound.
  if (yv::Level.Width <= 2048) {
    yv::UseLfLineEnds();
    yv::BuildLevelText();
    yv::UseCrLfLineEnds();
  }
  return 0;
}
