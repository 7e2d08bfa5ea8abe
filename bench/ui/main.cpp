// Window benchmarks run under Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

#include "bench/ui/StartUpChild.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/RuntimeFolder.h"

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if (int rc = 0; yv::bench::RunStartUpChild(argc, argv, &rc)) return rc;
  yv::platform::PrepareRuntimeFolder();
  QApplication app(argc, argv);
  yv::platform::InstallQtEventPump();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
