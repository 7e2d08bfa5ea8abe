// Feeds arbitrary bytes to the level-set info reader as a set's info file,
// then builds the info text from what was read.
#include <cstddef>
#include <cstdint>
#include <string>

#include "model/General.h"
#include "model/YVE_Info.h"
#include "model/YVE_Main.h"
#include "platform/FileSystem.h"

namespace {

yv::platform::MemoryFileSystem& Files() {
  static yv::platform::MemoryFileSystem* files = [] {
    auto* fs = new yv::platform::MemoryFileSystem;
    yv::platform::FileSystem::Install(fs);
    return fs;
  }();
  return *files;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  yv::InitTextConstants();
  yv::InitEditorGlobals();
  yv::UseCrLfLineEnds();
  Files();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  yv::CurrentSubset = yv::SubsetInfo{};
  yv::platform::MemoryFileSystem& files = Files();
  files.files.clear();
  files.names.clear();
  files.Put("C:\\sets\\fuzz\\info", std::string(reinterpret_cast<const char*>(data), size));

  yv::ReadInfoFile("C:\\sets\\fuzz\\level1.yvl");
  yv::BuildInfoText();
  return 0;
}
