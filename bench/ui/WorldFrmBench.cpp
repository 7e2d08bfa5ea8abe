// The world window's redraw, scrolling and opening, offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>
#include <utility>

#include "model/Preference.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempTree.h"
#include "tests/support/TestState.h"
#include "tests/support/WorldFrmFixture.h"

using namespace yv;

namespace {

// The main window started, then the world window opened on a world of the
// given size whose tiles follow the pattern `seed` sets.
WorldFrm* OpenWorldWindowOn(int width, int height, int seed) {
  WorldFrm* frm = test::StartProgramOnWorld(
      [&] { test::MakeWorld(width, height, [seed](int x, int y) { return 1 + (x * 7 + y * 3 + seed) % 71; }); });
  frm->UpdateWorld();
  QCoreApplication::processEvents();
  return frm;
}

void Close(WorldFrm* frm) { test::EndProgramOnWorld(frm); }

// "All Layers" over a full view holding 200 links of the four marked kinds.
// The redraws show two worlds in turn, so every cell and marker changes.
void BM_UpdateWorldMode3With200LinksInView(benchmark::State& state) {
  test::TempTree tree;
  platform::ScriptedUi ui;
  WorldFrm* frm = OpenWorldWindowOn(60, 40, 0);
  auto addLinks = [](int shift) {
    for (int i = 0; i < 200; ++i) {
      WorldLink& link = test::AppendLink(2 + i % 4, (i + shift) % 18, (i / 18 + shift) % 15);
      link.LevelLinkName = "set/level" + std::to_string(i) + ".yvl";
      link.Message = "Message " + std::to_string(i);
    }
  };
  addLinks(0);
  WorldData other = World;
  test::MakeWorld(60, 40, [](int x, int y) { return 1 + (x * 5 + y * 11) % 71; });
  addLinks(1);
  frm->ModeOption[3]->SetValue(true);
  for (auto _ : state) {
    std::swap(World, other);
    frm->UpdateWorld();
    state.PauseTiming();
    QCoreApplication::processEvents();  // the repaints it asked for
    state.ResumeTiming();
  }
  Close(frm);
}
BENCHMARK(BM_UpdateWorldMode3With200LinksInView)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(200)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Dragging the map's horizontal thumb from the first to the last column of
// the widest world, painting each step.
void BM_DragMapXScrollAcross1023WideWorld(benchmark::State& state) {
  test::TempTree tree;
  platform::ScriptedUi ui;
  WorldFrm* frm = OpenWorldWindowOn(1023, 20, 0);
  frm->ModeOption[3]->SetValue(true);
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
BENCHMARK(BM_DragMapXScrollAcross1023WideWorld)->Unit(benchmark::kMillisecond)->Iterations(3);

// "World Editor" on the main window of the sample tree until its world is drawn.
void BM_WorldEditorToDrawnSampleWorld(benchmark::State& state) {
  namespace fs = std::filesystem;
  test::TempTree tree;
  platform::ScriptedUi ui;
  fs::copy(fs::path(YV_SOURCE_DIR) / "sample" / "Program Files", tree.Host("Program Files"),
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  fs::copy_file(fs::path(YV_SOURCE_DIR) / "sample" / "YV_Editor.Preferences", tree.Host("Editor/YV_Editor.Preferences"),
                fs::copy_options::overwrite_existing);
  const std::string prefs = tree.Read("Editor/YV_Editor.Preferences");
  for (auto _ : state) {
    state.PauseTiming();
    tree.Write("Editor/YV_Editor.Preferences", prefs);
    test::ResetProgramState();
    test::ResetWorldWindowState();
    InstallWindowHooks();
    Main();
    QCoreApplication::processEvents();
    state.ResumeTiming();
    MainFrm::Instance()->TB_ButtonClick(13);
    QCoreApplication::processEvents();  // shown and painted
    state.PauseTiming();
    if (!WorldLoaded) state.SkipWithError("the sample world did not open");
    Close(WorldFrm::Instance());
    state.ResumeTiming();
  }
}
BENCHMARK(BM_WorldEditorToDrawnSampleWorld)->Unit(benchmark::kMillisecond);

}  // namespace
