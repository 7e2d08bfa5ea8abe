// Feeds arbitrary bytes to the level reader as the level file, then builds
// the level text from whatever was read: neither may crash, hang or read
// outside the maps.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/FuzzSupport.h"
#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Main.h"
#include "model/YVE_Read.h"
#include "model/YVE_Write.h"
#include "platform/FileSystem.h"

namespace {

const char* const kPath = "C:\\sets\\fuzz\\level.yvl";

// The widest level a width line of the input may ask for: the digits after
// "(width" up to a ")" or a CR, as the reader takes them, or more where the
// reader's line ends sooner.
int32_t WidestWidth(std::string_view text) {
  int32_t widest = 0;
  for (size_t at = text.find("(width"); at != std::string_view::npos; at = text.find("(width", at + 1)) {
    int32_t n = 0;
    for (size_t i = at + 6; i < text.size() && text[i] != ')' && text[i] != '\r' && n <= 32767; ++i)
      if (text[i] >= '0' && text[i] <= '9') n = n * 10 + (text[i] - '0');
    widest = std::max(widest, n);
  }
  return widest;
}

// More pump calls than any read of the input can make: a few per character,
// and per cell one for each map keyword (every one holds "-tm") over the
// widest width the input names, or the 120 columns read over, twice over.
int64_t PumpCallsNeeded(std::string_view text, int32_t widest) {
  int64_t maps = 1;
  for (size_t at = text.find("-tm"); at != std::string_view::npos; at = text.find("-tm", at + 1)) ++maps;
  return 16 * static_cast<int64_t>(text.size()) +
         2 * maps * 16 * (std::clamp(widest, int32_t{120}, int32_t{32767}) + 1) + 100000;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  yv::fuzz::InitProgram();
  yv::fuzz::InstallPumpLimit();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  // Each of the three maps of a level thousands of columns wide is a fresh
  // block of a megabyte that the sanitizer maps and fills, which costs more
  // than a whole read of a narrower level, and is read no other way. Only one
  // input in sixteen (by its length) may ask for such a width; the others are
  // left out of the corpus. (Above 32767 the width is a read failure, found
  // at once.)
  const int32_t widest = WidestWidth(text);
  if (widest > 2048 && widest <= 32767 && size % 16 != 0) return -1;
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

  yv::fuzz::SetPumpLimit(PumpCallsNeeded(text, widest));
  yv::ReadLevelFile(kPath);
  // Building is linear in the width and takes the same way for every width
  // above the narrow ones; the narrow and mismatched cases (a width of 20 or
  // less over maps of another size) all lie below this bound.
  yv::fuzz::SetPumpLimit(1000);  // the build runs it once a row
  if (yv::Level.Width <= 64) {
    yv::UseLfLineEnds();
    yv::BuildLevelText();
    yv::UseCrLfLineEnds();
  }
  yv::fuzz::ReleaseState();
  return 0;
}
