// For start-up measurements: once the first top-level window has painted, print the monotonic
// time and the peak resident memory on standard output, and end the process.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

#include "bench/support/process_clock.h"

namespace wufu::bench {

class FirstPaint : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* w = qobject_cast<QWidget*>(watched);
    if (!done_ && event->type() == QEvent::Paint && w != nullptr && w->isWindow() &&
        w->isVisible()) {
      done_ = true;
      // After this paint has been handled and flushed to the screen.
      QTimer::singleShot(0, [] {
        std::printf("first paint %lld ns, peak %ld KiB\n", monotonic_ns(), status_kib("VmHWM"));
        std::fflush(stdout);
        std::_Exit(0);
      });
    }
    return false;
  }

 private:
  bool done_ = false;
};

// Installs the watcher as soon as the application object exists.
inline void watch_first_paint() {
  static FirstPaint watcher;
  qApp->installEventFilter(&watcher);
}

}  // namespace wufu::bench
