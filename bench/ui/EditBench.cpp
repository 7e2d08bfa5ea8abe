// Map editing as the user does it: a click that paints and completes a cloud,
// and placing a bad guy into a level that already holds many.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <algorithm>
#include <chrono>
#include <vector>

#include "leveleditor/MainFrm.h"
#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Main.h"

namespace {

using namespace yv;
using Clock = std::chrono::steady_clock;

// The main window, loaded and shown once for all benchmarks, never unloaded
// (its unload would write the preferences file).
MainFrm& Window() {
  static MainFrm* frm = [] {
    InitTextConstants();
    InitEditorGlobals();
    UseCrLfLineEnds();
    Pref = PreferenceRecord{};
    Pref.ShowGrid = 1;
    MainFrm* f = &MainFrm::Create();
    f->Show();
    QCoreApplication::processEvents();
    return f;
  }();
  return *frm;
}

void MakeLevel(int width) {
  Level = LevelData{};
  Level.Width = static_cast<int16_t>(width);
  Level.Height = 15;
  Level.BackgroundTM.Create(width, 15);
  Level.InteractiveTM.Create(width, 15);
  Level.ForegroundTM.Create(width, 15);
  for (int c = 0; c < width; ++c) Level.BackgroundTM.Set(c, 14, 34);
  for (auto& k : BadGuyKinds) k.Count = 0;
  LevelLoaded = true;
}

// Paints what the redraws marked, now. The window system asks for it a few
// milliseconds later; sent to the window, the request paints exactly the parts
// marked since the last paint.
void PaintNow(QWidget& window) {
  QCoreApplication::processEvents();
  QEvent paint(QEvent::UpdateRequest);
  QCoreApplication::sendEvent(&window, &paint);
}

// A press and a release over a cell, delivered as the window system delivers
// them, each followed by the paint of what its redraw changed: the user sees
// the result only then.
void ClickWidget(QWidget* w, QPoint at) {
  const QPointF local(at), global(w->mapToGlobal(at));
  QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w, &press);
  PaintNow(*w->window());  // a hand's click leaves the press time to show
  QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(w, &release);
  PaintNow(*w->window());
}

void ReportMedian(benchmark::State& state, std::vector<double>& seconds) {
  if (seconds.empty()) return;
  std::sort(seconds.begin(), seconds.end());
  state.counters["median_ms"] = seconds[seconds.size() / 2] * 1e3;
  state.counters["p90_ms"] = seconds[seconds.size() * 9 / 10] * 1e3;
}

// One click with the cloud selected and auto-complete on: the press paints and
// redraws, the click paints again, completes the eight tiles and redraws.
void BM_ClickPaintsAndCompletesCloud(benchmark::State& state) {
  MainFrm& frm = Window();
  MakeLevel(200);
  EditMode = kModeTiles;
  CurrentLayer = kLayerBackground;
  Pref.AutoCompleteClouds = 1;
  SelectedTile = 85;
  frm.UpdateDisplay();
  QWidget* cell = frm.Img[MainFrm::CellIndex(6, 4)];
  const int x = frm.MapXScroll->Value() + 6;
  std::vector<double> seconds;
  for (auto _ : state) {
    // Untimed: the cloud's eight cells are emptied and shown empty, so that
    // the press and the click have something to paint.
    for (int dx = 0; dx < 4; ++dx)
      for (int dy = 0; dy < 2; ++dy) Level.BackgroundTM.Set(x + dx, 4 + dy, 0);
    frm.UpdateDisplay();
    PaintNow(frm);
    const auto t0 = Clock::now();
    ClickWidget(cell, QPoint(10, 10));
    const double s = std::chrono::duration<double>(Clock::now() - t0).count();
    state.SetIterationTime(s);
    seconds.push_back(s);
  }
  if (Level.BackgroundTM.Get(x + 3, 5) != 92) state.SkipWithError("the cloud was not completed");
  ReportMedian(state, seconds);
}
BENCHMARK(BM_ClickPaintsAndCompletesCloud)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Objects spread over a level 200 columns wide, a few of them in view.
void FillObjects(int count) {
  for (int i = 0; i < count; ++i) {
    LevelObject& o = AppendObject();
    o.Kind = static_cast<int16_t>(i % 10);
    o.Name = BadGuyFileNames[o.Kind];
    o.X = static_cast<int16_t>((i * 197) % 6400);
    o.Y = static_cast<int16_t>(64 + (i * 37) % 320);
    ++BadGuyKinds[o.Kind].Count;
  }
}

// A press in bad-guy mode that adds the 1000th object, redraw included.
void BM_Place1000thBadGuy(benchmark::State& state) {
  MainFrm& frm = Window();
  MakeLevel(200);
  FillObjects(999);
  EditMode = kModeBadGuys;
  CurrentLayer = kLayerBackground;
  SelectedBadGuyKind = 3;
  frm.UpdateDisplay();
  QWidget* cell = frm.Img[MainFrm::CellIndex(9, 7)];
  std::vector<double> seconds;
  for (auto _ : state) {
    const auto t0 = Clock::now();
    ClickWidget(cell, QPoint(12, 12));
    const double s = std::chrono::duration<double>(Clock::now() - t0).count();
    state.SetIterationTime(s);
    seconds.push_back(s);
    if (Level.ObjectCount != 1000) {
      state.SkipWithError("no object was placed");
      break;
    }
    RemoveObject(Level.ObjectCount);  // back to 999 for the next round, untimed
    --BadGuyKinds[3].Count;
  }
  ReportMedian(state, seconds);
}
BENCHMARK(BM_Place1000thBadGuy)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Placing 1000 bad guys one by one into an empty level: the whole run,
// with the per-placement time of the first and of the last hundred, so that
// a cost growing with the number of objects shows.
void BM_Place1000BadGuysFromEmpty(benchmark::State& state) {
  MainFrm& frm = Window();
  EditMode = kModeBadGuys;
  SelectedBadGuyKind = 3;
  QWidget* cell = frm.Img[MainFrm::CellIndex(9, 7)];
  double first = 0, last = 0;
  for (auto _ : state) {
    state.PauseTiming();
    MakeLevel(200);
    frm.UpdateDisplay();
    state.ResumeTiming();
    for (int i = 0; i < 1000; ++i) {
      const auto t0 = Clock::now();
      ClickWidget(cell, QPoint(12, 12));
      const double s = std::chrono::duration<double>(Clock::now() - t0).count();
      if (i < 100) first += s;
      if (i >= 900) last += s;
    }
  }
  state.counters["first100_ms_each"] = benchmark::Counter(first * 1e3 / 100, benchmark::Counter::kAvgIterations);
  state.counters["last100_ms_each"] = benchmark::Counter(last * 1e3 / 100, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_Place1000BadGuysFromEmpty)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
