#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <thread>

#include "platform/System.h"

namespace {

// Posts a call that counts itself and posts itself again: one count per
// run of the event loop.
struct Heartbeat : QObject {
  int beats = 0;
  void Post() {
    QMetaObject::invokeMethod(
        this,
        [this] {
          ++beats;
          Post();
        },
        Qt::QueuedConnection);
  }
};

}  // namespace

TEST(QtEventPump, RunsTheEventLoopDuringATightLoopButAtMostEveryFewMilliseconds) {
  using Clock = std::chrono::steady_clock;
  Heartbeat heartbeat;
  heartbeat.Post();
  QCoreApplication::processEvents();  // back from the event loop, as after a click
  heartbeat.beats = 0;
  auto start = Clock::now();
  while (heartbeat.beats < 10 && Clock::now() - start < std::chrono::seconds(5))
    for (int i = 0; i < 1000; ++i) yv::platform::DoEvents();
  auto elapsedMs = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
  ASSERT_GE(heartbeat.beats, 10) << "the loop did not run within " << elapsedMs << " ms";
  EXPECT_GE(elapsedMs, (heartbeat.beats - 1) * 4) << "the loop ran more often than every 4 ms";

  // Once the program has waited in its event loop, a single call runs the
  // loop again, however fast the calls came before.
  QTimer::singleShot(1, [] {});
  QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  std::this_thread::sleep_for(std::chrono::milliseconds(5));
  int before = heartbeat.beats;
  yv::platform::DoEvents();
  EXPECT_EQ(heartbeat.beats, before + 1);
  QCoreApplication::removePostedEvents(&heartbeat);
}
