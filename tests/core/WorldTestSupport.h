// The world document's start state, and a fixture that reads world-map texts
// from an in-memory file system with scripted boxes.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/YVE_Main.h"
#include "tests/support/MemoryFileSystem.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TestState.h"
#include "worldeditor/document/YVW_Read.h"
#include "worldeditor/document/YVW_Write.h"

namespace yv::test {

inline void ResetWorldState() {
  World = WorldData{};
  WorldLoaded = NewWorldPending = WorldChanged = false;
  WorldReadError = SelectedLinkType = SelectedWorldTile = SelectedLink = 0;
  WorldText.clear();
}

inline const std::string kWorldPath = "C:\\Program Files\\Yorvane\\data\\levels\\worldmaps\\test.yvwm";

class WorldFixture : public ::testing::Test {
 protected:
  platform::MemoryFileSystem mem;
  platform::FileSystem* previous = nullptr;
  std::unique_ptr<platform::ScriptedUi> ui;
  void SetUp() override {
    previous = platform::FileSystem::Install(&mem);
    ResetProgramState();
    ResetWorldState();
    ui = std::make_unique<platform::ScriptedUi>();
  }
  void TearDown() override {
    ui.reset();
    platform::FileSystem::Install(previous);
    UseCrLfLineEnds();
  }
  // Reads text as the file at kWorldPath; returns WorldReadError.
  int Read(const std::string& text) {
    mem.Put(kWorldPath, text);
    ReadWorldFile(kWorldPath);
    return WorldReadError;
  }
  static std::string Built() {
    BuildWorldText();
    return WorldText;
  }
};

}  // namespace yv::test
