// The link list of the world window and the link editor, offscreen: the
// list's refresh at the end of the largest list, and a marker's right press
// until the editor is drawn.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "model/Preference.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempTree.h"
#include "tests/support/TestState.h"
#include "tests/support/WorldFrmFixture.h"
#include "worldeditor/LinkForm.h"

using namespace yv;

namespace {

using Clock = std::chrono::steady_clock;

// The world window on a 60 x 40 world with count links, in "Level Point Editor".
WorldFrm* OpenWithLinks(int count) {
  WorldFrm* frm = test::StartProgramOnWorld([count] {
    test::MakeWorld(60, 40);
    for (int i = 0; i < count; ++i) {
      WorldLink& link = test::AppendLink(2 + i % 4, i % 60, (i / 60) % 40);
      link.LevelLinkName = "set/level" + std::to_string(i) + ".yvl";
    }
  });
  frm->ModeOption[2]->SetValue(true);
  QCoreApplication::processEvents();
  return frm;
}

void Close(WorldFrm* frm) { test::EndProgramOnWorld(frm); }

void ReportMedian(benchmark::State& state, std::vector<double>& seconds, const char* name) {
  if (seconds.empty()) return;
  std::sort(seconds.begin(), seconds.end());
  state.counters[name] = seconds[seconds.size() / 2] * 1e3;
}

// 32,000 links with the list at its end. A scroll step there fills all 16
// rows anew (the scroll bar's change runs the refresh); the refresh that
// every redraw of the window runs finds the rows as they are.
void BM_UpdateLinkList32000LinksAtTheEnd(benchmark::State& state) {
  test::TempTree tree;
  platform::ScriptedUi ui;
  WorldFrm* frm = OpenWithLinks(32000);
  const int end = frm->LinkScroll->Max();
  if (end != 32000 - 16) state.SkipWithError("the list's range is wrong");
  SelectedLink = 32000;
  std::vector<double> steps, refreshes;
  for (auto _ : state) {
    for (int v : {end - 1, end}) {
      auto t0 = Clock::now();
      frm->LinkScroll->SetValue(v);
      steps.push_back(std::chrono::duration<double>(Clock::now() - t0).count());
      t0 = Clock::now();
      frm->UpdateLinkList();
      refreshes.push_back(std::chrono::duration<double>(Clock::now() - t0).count());
      state.PauseTiming();
      QCoreApplication::processEvents();  // the repaints it asked for
      state.ResumeTiming();
    }
  }
  if (!frm->LinkIndImg[15]->Visible()) state.SkipWithError("the last link is not marked");
  ReportMedian(state, steps, "scroll_step_median_ms");
  ReportMedian(state, refreshes, "refresh_median_ms");
  Close(frm);
}
BENCHMARK(BM_UpdateLinkList32000LinksAtTheEnd)->Unit(benchmark::kMicrosecond)->Iterations(500);

// A right press on a link's marker until the link editor has been painted.
void BM_MarkerPressToDrawnLinkEditor(benchmark::State& state) {
  test::TempTree tree;
  platform::ScriptedUi ui;
  WorldFrm* frm = OpenWithLinks(200);
  controls::ImageBox* marker = frm->DotImg[13];
  if (!marker->Visible()) state.SkipWithError("no marker for link 13");
  const QPointF local(4, 4), global(marker->mapToGlobal(QPoint(4, 4)));
  std::vector<double> seconds;
  for (auto _ : state) {
    const auto t0 = Clock::now();
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(marker, &press);
    LinkForm* form = LinkForm::Instance();
    if (!form) {
      state.SkipWithError("the press opened no editor");
      break;
    }
    QCoreApplication::processEvents();
    QEvent paint(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(form, &paint);
    const double s = std::chrono::duration<double>(Clock::now() - t0).count();
    state.SetIterationTime(s);
    seconds.push_back(s);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::RightButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(marker, &release);
    form->CancelCmd_Click();  // untimed: the editor closes and the window redraws
    test::Settle();
  }
  ReportMedian(state, seconds, "median_ms");
  Close(frm);
}
BENCHMARK(BM_MarkerPressToDrawnLinkEditor)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(100);

}  // namespace
