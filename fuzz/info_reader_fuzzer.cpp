// Feeds arbitrary bytes to the level-set info reader as a set's info file,
// then builds the info text from what was read.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/FuzzSupport.h"
#include "model/General.h"
#include "model/YVE_Info.h"
#include "model/YVE_Main.h"
#include "platform/FileSystem.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  yv::fuzz::InitProgram();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  yv::CurrentSubset = yv::SubsetInfo{};
  yv::fuzz::PutOnly("C:\\sets\\fuzz\\info", data, size);

  yv::ReadInfoFile("C:\\sets\\fuzz\\level1.yvl");
  yv::BuildInfoText();
  yv::fuzz::ReleaseState();
  return 0;
}
