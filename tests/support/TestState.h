// Puts the program's global state back to what start-up gives, for tests.
#pragma once

#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Main.h"

namespace yv::test {

// Everything Main would set before loading the main window, with the
// preferences all zero, the line ends in their CR LF form and a fresh level.
inline void ResetProgramState() {
  InitTextConstants();
  InitEditorGlobals();
  UseCrLfLineEnds();
  Pref = PreferenceRecord{};
  Level = LevelData{};
  CurrentSubset = SubsetInfo{};
  NewSubset = SubsetInfo{};
  for (auto& slot : BadGuyImageSlots) slot = BadGuyImageSlot{};
  EditMode = 0;
  CurrentLayer = 0;
  TileSetChoice = 0;
  SelectedBadGuyKind = 0;
  SelectedObject = -1;
  SelectedTile = 0;
  MsgResult = 0;
  DialogDone = false;
  NewInfoResult = false;
  HelpText.clear();
  Windows = WindowHooks{};
}

}  // namespace yv::test
