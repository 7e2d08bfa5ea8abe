// What every fuzz target sets up once: the program's globals as start-up
// leaves them, and an in-memory file system that the inputs are put in.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "model/General.h"
#include "model/Preference.h"
#include "model/ReaderState.h"
#include "model/YVE_Info.h"
#include "model/YVE_Main.h"
#include "model/YVE_Write.h"
#include "platform/FileSystem.h"
#include "platform/System.h"
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

// The readers run the event pump for every character, line and tile cell,
// so a reader caught in a loop that never ends keeps running it. A pump that
// counts its calls and stops the program once an input has run it more often
// than any read of that input can need reports such a loop at once, with the
// input that did it, instead of after the time-out.
inline int64_t& PumpCallsLeft() {
  static int64_t left = 0;
  return left;
}
inline void InstallPumpLimit() {
  platform::InstallEventPump({[] {
                                if (--PumpCallsLeft() >= 0) return;
                                std::fprintf(stderr, "The event pump ran more often than the input can need.\n");
                                std::abort();
                              },
                              nullptr});
}
// Allows the next read (or build) that many calls of the pump.
inline void SetPumpLimit(int64_t calls) { PumpCallsLeft() = calls; }

// Frees what an input left in the program's globals and files. An input that
// ends with more blocks allocated than freed makes libFuzzer run it again
// under a full leak check, which costs more than the input itself.
inline void ReleaseState() {
  Level = LevelData{};
  Pref = PreferenceRecord{};
  CurrentSubset = SubsetInfo{};
  for (std::string* text : {&LevelText, &WorkText, &InfoText, &ReadBuffer, &CurrentLine}) std::string().swap(*text);
  Files().files.clear();
  Files().names.clear();
}

}  // namespace yv::fuzz
