// What every fuzz target sets up once: the program's globals as start-up
// leaves them, and an in-memory file system that the inputs are put in.
#pragma once

#include "model/General.h"
#include "model/YVE_Main.h"
#include "platform/FileSystem.h"
#include "tests/support/MemoryFileSystem.h"

namespace yv::fuzz {

inline platform::MemoryFileSystem& Files() {
  static platform::MemoryFileSystem* files = [] {
    auto* fs = new platform::MemoryFileSystem;
    platform::FileSystem::Install(fs);
    return fs;
  }();
  return *files;
}

inline void InitProgram() {
  InitTextConstants();
  InitEditorGlobals();
  UseCrLfLineEnds();
  Files();
}

// Puts the input in as the only file.
inline void PutOnly(const char* path, const uint8_t* data, size_t size) {
  Files().files.clear();
  Files().names.clear();
  Files().Put(path, std::string(reinterpret_cast<const char*>(data), size));
}

}  // namespace yv::fuzz
