// The program with routines that report themselves: the end-to-end tests read from its standard
// error which directory it runs in, how often its clean-up routine ran, and where the tabs of its
// tab strip lie in the window, so that they can click them.
#include <QCoreApplication>
#include <QEvent>
#include <QTabBar>

#include <cstdio>
#include <filesystem>

#include "app/program_header.h"
#include "app/start.h"

namespace {

void initialise_globals() {
  std::error_code ec;
  std::fprintf(stderr, "current directory: %s\n", std::filesystem::current_path(ec).c_str());
}

void clean_up() {
  std::fprintf(stderr, "clean-up routine ran\n");
}

class TabReporter : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* strip = qobject_cast<QTabBar*>(watched);
    if (strip != nullptr && event->type() == QEvent::Show && !reported_) {
      reported_ = true;
      for (int i = 0; i < strip->count(); ++i) {
        const QRect r = strip->tabRect(i).translated(strip->mapTo(strip->window(), QPoint(0, 0)));
        std::fprintf(stderr, "tab %d: %d %d %d %d\n", i, r.x(), r.y(), r.width(), r.height());
      }
    }
    return false;
  }

 private:
  bool reported_ = false;
};

void report_tabs() {
  static TabReporter reporter;
  qApp->installEventFilter(&reporter);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(report_tabs)

int main(int argc, char** argv) {
  return wufu::run_program(argc, argv, wufu::program_header, {&initialise_globals, &clean_up});
}
