// Feeds arbitrary bytes to the world-map reader as the world-map file, then
// builds the file text from whatever was read. Neither may crash, hang or
// reach outside an array; and a world read without error, once written,
// must read back with code 0 to a world that writes the very same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/FuzzSupport.h"
#include "model/Preference.h"
#include "worldeditor/document/YVW_Read.h"
#include "worldeditor/document/YVW_Write.h"

namespace {

const char* const kPath = "C:\\Program Files\\Yorvane\\data\\levels\\worldmaps\\fuzz.yvwm";

void ReadText(const std::string& text) {
  yv::fuzz::PutOnly(kPath, reinterpret_cast<const uint8_t*>(text.data()), text.size());
  yv::ReadWorldFile(kPath);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  yv::fuzz::InitProgram();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  yv::Pref = yv::PreferenceRecord{};
  yv::World = yv::WorldData{};
  yv::WorldLoaded = false;
  yv::fuzz::PutOnly(kPath, data, size);
  yv::ReadWorldFile(kPath);
  const int code = yv::WorldReadError;

  // Sizes given after "(data" are not checked against the text, and the
  // writer writes every cell of them: a few bytes can ask for a thousand
  // million cells. The small maps find every fault the large ones would.
  const int64_t cells = static_cast<int64_t>(yv::World.Width) * yv::World.Height;
  if (cells > (1 << 16)) return 0;
  yv::BuildWorldText();
  if (code != 0) return 0;

  const std::string first = yv::WorldText;
  ReadText(first);
  if (yv::WorldReadError != 0 || !yv::WorldLoaded) std::abort();
  yv::BuildWorldText();
  if (yv::WorldText != first) std::abort();
  return 0;
}
