// Start-up of a whole process, side by side: a bare Qt window (and the same
// window with a line of text) against the editor opening the sample tree and
// drawing its level. Each round starts all three as child processes of this
// program, so the figures share the machine's load; a child reports the
// monotonic time at which its window is drawn. (The start-up benchmarks of
// MainFrmBench.cpp run inside one process, where the pictures stay loaded
// from one round to the next.)
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/ui/StartUpChild.h"
#include "leveleditor/Windows.h"
#include "model/YVE_Main.h"
#include "platform/Paths.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/RuntimeFolder.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempTree.h"

extern char** environ;

namespace yv::bench {
namespace {

constexpr const char* kChildFlag = "--yv-startup-child";

int64_t NowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// Tells the parent when the window is drawn; the child then ends at once, so
// that no teardown is counted and the editor writes no preferences.
[[noreturn]] void ReportDrawn(bool ok) {
  std::printf("%s %lld\n", ok ? "drawn" : "failed", static_cast<long long>(NowNs()));
  std::fflush(stdout);
  _exit(0);
}

}  // namespace

bool RunStartUpChild(int argc, char** argv, int* rc) {
  if (argc < 3 || std::strcmp(argv[1], kChildFlag) != 0) return false;
  const std::string mode = argv[2];
  platform::PrepareRuntimeFolder();
  QApplication app(argc, argv);
  if (mode == "bare" || mode == "text") {
    // An empty window of the main window's size; "text" adds one line of
    // text, which starts the font system as any window with a caption does.
    QWidget window;
    window.resize(824, 622);
    if (mode == "text") (new QLabel("Yorvane", &window))->move(10, 10);
    window.show();
    QCoreApplication::processEvents();
    ReportDrawn(true);
  }
  if (mode == "editor" && argc >= 4) {
    // The drive C: prepared by the parent, holding the sample tree and the
    // starting preferences that reopen its first level.
    platform::InstallQtEventPump();
    platform::SetDriveCFolder(argv[3]);
    platform::SetProgramFolder("C:\\Editor");
    platform::ScriptedUi ui;  // a box would mean the level did not open
    InstallWindowHooks();
    Main();
    QCoreApplication::processEvents();
    ReportDrawn(LevelLoaded && ui.msgCalls.empty());
  }
  *rc = 2;
  return true;
}

namespace {

// Starts this program as a start-up child and returns the milliseconds from
// the start to the drawn window, or a negative number when it failed.
double ChildStartUpMs(const std::vector<std::string>& args) {
  int out[2];
  if (pipe(out) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  std::vector<std::string> all = {"/proc/self/exe", kChildFlag};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : all) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  const int64_t start = NowNs();
  const int spawned = posix_spawn(&pid, "/proc/self/exe", &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  std::string reply;
  char buffer[128];
  ssize_t n;
  while (spawned == 0 && (n = read(out[0], buffer, sizeof buffer)) > 0) reply.append(buffer, static_cast<size_t>(n));
  close(out[0]);
  if (spawned != 0) return -1;
  int status = 0;
  waitpid(pid, &status, 0);
  long long drawnAt = 0;
  if (std::sscanf(reply.c_str(), "drawn %lld", &drawnAt) != 1) return -1;
  return static_cast<double>(drawnAt - start) / 1e6;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

// One iteration starts a bare window, the same window with a line of text,
// and the editor on the sample tree; each figure is the median of its runs.
void BM_ProcessStartUpAgainstBareWindow(benchmark::State& state) {
  namespace fs = std::filesystem;
  test::TempTree tree;
  fs::copy(fs::path(YV_SOURCE_DIR) / "sample" / "Program Files", tree.Host("Program Files"),
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  fs::copy_file(fs::path(YV_SOURCE_DIR) / "sample" / "YV_Editor.Preferences", tree.Host("Editor/YV_Editor.Preferences"),
                fs::copy_options::overwrite_existing);
  const std::string driveC = tree.Host("").string();
  std::vector<double> bare, text, editor;
  for (auto _ : state) {
    const double b = ChildStartUpMs({"bare"});
    const double t = ChildStartUpMs({"text"});
    const double e = ChildStartUpMs({"editor", driveC});
    if (b < 0 || t < 0 || e < 0) {
      state.SkipWithError("a start-up child did not draw its window");
      break;
    }
    bare.push_back(b);
    text.push_back(t);
    editor.push_back(e);
  }
  const double bareMs = Median(bare), textMs = Median(text), editorMs = Median(editor);
  state.counters["bare_ms"] = bareMs;
  state.counters["text_ms"] = textMs;
  state.counters["editor_ms"] = editorMs;
  state.counters["x_bare"] = bareMs > 0 ? editorMs / bareMs : 0;
  state.counters["x_text"] = textMs > 0 ? editorMs / textMs : 0;
}
BENCHMARK(BM_ProcessStartUpAgainstBareWindow)->Unit(benchmark::kMillisecond)->Iterations(40);

}  // namespace
}  // namespace yv::bench
