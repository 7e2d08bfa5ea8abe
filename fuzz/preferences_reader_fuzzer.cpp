// Feeds arbitrary bytes to the preferences load as the preferences file: the
// load may never fail, and a record it gives must write and load back equal.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/FuzzSupport.h"
#include "model/Preference.h"
#include "platform/Paths.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  yv::fuzz::InitProgram();
  yv::platform::SetProgramFolder("C:\\Editor");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  yv::fuzz::PutOnly("C:\\Editor\\YV_Editor.Preferences", data, size);
  yv::Pref = yv::PreferenceRecord{};
  yv::LoadPreferences();
  const yv::PreferenceRecord loaded = yv::Pref;
  if (!yv::SavePreferences()) std::abort();
  yv::Pref = yv::PreferenceRecord{};
  yv::LoadPreferences();
  if (!(yv::Pref == loaded)) std::abort();
  yv::fuzz::ReleaseState();
  return 0;
}
