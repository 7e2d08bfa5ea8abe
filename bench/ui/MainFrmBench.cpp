// The main window's redraw, scrolling and start-up, offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <filesystem>

#include "leveleditor/MainFrm.h"
#include "leveleditor/Windows.h"
#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Main.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempTree.h"
#include "tests/support/TestState.h"
#include "tests/support/UiSupport.h"

using namespace yv;

namespace {

// A loaded main window on a level of the given width, every cell holding a
// tile, with 40 bad guys in the first view (so all 32 markers are in use).
MainFrm* OpenWindowOnLevel(int width) {
  test::ResetProgramState();
  InstallWindowHooks();
  Main();
  MainFrm* frm = MainFrm::Instance();
  Level = LevelData{};
  Level.Width = static_cast<int16_t>(width);
  Level.Height = 15;
  Level.BackgroundTM.Create(width, 15);
  Level.InteractiveTM.Create(width, 15);
  Level.ForegroundTM.Create(width, 15);
  for (int c = 0; c < width; ++c)
    for (int r = 0; r < 15; ++r) {
      Level.BackgroundTM.Set(c, r, static_cast<int16_t>(1 + (c * 15 + r) % 203));
      Level.InteractiveTM.Set(c, r, static_cast<int16_t>(r >= 13 ? 34 : 0));
      Level.ForegroundTM.Set(c, r, static_cast<int16_t>(1 + (c * 15 + r + 101) % 203));
    }
  for (int i = 0; i < 40; ++i) {
    LevelObject& o = AppendObject();
    o.Kind = static_cast<int16_t>(i % 10);
    o.Name = BadGuyFileNames[o.Kind];
    o.X = static_cast<int16_t>(14 * i);
    o.Y = static_cast<int16_t>(32 * (i % 14));
  }
  LevelLoaded = true;
  Pref.ShowGrid = 1;
  EditMode = kModeBadGuys;
  CurrentLayer = kLayerAll;
  frm->UpdateDisplay();
  QCoreApplication::processEvents();
  return frm;
}

void Close(MainFrm* frm) {
  frm->Unload();
  test::Settle();
  Windows = WindowHooks{};
}

void BM_UpdateDisplayFullViewWith32Markers(benchmark::State& state) {
  test::TempTree tree;
  platform::ScriptedUi ui;
  MainFrm* frm = OpenWindowOnLevel(120);
  // The redraws show the background and the foreground layer in turn, so
  // that every cell gets another picture and is painted again.
  int step = 0;
  for (auto _ : state) {
    CurrentLayer = (step++ & 1) ? kLayerForeground : kLayerBackground;
    frm->UpdateDisplay();
    QCoreApplication::processEvents();  // the repaints the redraw asked for
  }
  Close(frm);
}
BENCHMARK(BM_UpdateDisplayFullViewWith32Markers)->Unit(benchmark::kMicrosecond);

// The redraw routine alone: it sets every cell's picture and the markers;
// the painting follows in the event loop (measured above).
void BM_UpdateDisplayCallAlone(benchmark::State& state) {
  test::TempTree tree;
  platform::ScriptedUi ui;
  MainFrm* frm = OpenWindowOnLevel(120);
  int step = 0;
  for (auto _ : state) {
    CurrentLayer = (step++ & 1) ? kLayerForeground : kLayerBackground;
    frm->UpdateDisplay();  // every cell gets another picture than it shows
    state.PauseTiming();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
  Close(frm);
}
BENCHMARK(BM_UpdateDisplayCallAlone)->Unit(benchmark::kMicrosecond);

// Dragging the scroll bar's thumb from the first to the last position of a
// level of width 1023: one redraw per step, as the thumb's Scroll event gives.
void BM_DragMapScrollAcrossWidestLevel(benchmark::State& state) {
  test::TempTree tree;
  platform::ScriptedUi ui;
  MainFrm* frm = OpenWindowOnLevel(1023);
  int64_t redraws = 0;
  for (auto _ : state) {
    for (int v = 0; v <= frm->MapXScroll->Max(); ++v) {
      frm->MapXScroll->SetValue(v);  // the change redraws the window
      QCoreApplication::processEvents();
      ++redraws;
    }
    frm->MapXScroll->SetValue(0);
  }
  state.counters["redraws_per_s"] = benchmark::Counter(static_cast<double>(redraws), benchmark::Counter::kIsRate);
  Close(frm);
}
BENCHMARK(BM_DragMapScrollAcrossWidestLevel)->Unit(benchmark::kMillisecond)->Iterations(3);

// Start-up: Main until the main window is shown, without a last level, and
// on the sample tree with its first level drawn.
void StartUp(benchmark::State& state, bool sample) {
  namespace fs = std::filesystem;
  test::TempTree tree;
  platform::ScriptedUi ui;
  if (sample) {
    fs::copy(fs::path(YV_SOURCE_DIR) / "sample" / "Program Files", tree.Host("Program Files"),
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    fs::copy_file(fs::path(YV_SOURCE_DIR) / "sample" / "YV_Editor.Preferences",
                  tree.Host("Editor/YV_Editor.Preferences"), fs::copy_options::overwrite_existing);
  }
  std::string prefs = tree.Read("Editor/YV_Editor.Preferences");
  for (auto _ : state) {
    tree.Write("Editor/YV_Editor.Preferences", prefs);
    test::ResetProgramState();
    InstallWindowHooks();
    Main();
    QCoreApplication::processEvents();  // shown and painted
    state.PauseTiming();
    if (sample && !LevelLoaded) state.SkipWithError("the sample level did not open");
    Close(MainFrm::Instance());
    state.ResumeTiming();
  }
}
void BM_StartUpToMainWindowShown(benchmark::State& state) { StartUp(state, false); }
void BM_StartUpOnSampleTreeToDrawnLevel(benchmark::State& state) { StartUp(state, true); }
BENCHMARK(BM_StartUpToMainWindowShown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartUpOnSampleTreeToDrawnLevel)->Unit(benchmark::kMillisecond);

}  // namespace
