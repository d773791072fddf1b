// wufu as it starts, ending once its window has first painted (for the start-up benchmark).
#include <QCoreApplication>

#include "app/program_header.h"
#include "app/start.h"
#include "bench/startup/first_paint.h"

namespace {
void initialise_globals() {}
void clean_up() {}
void watch() {
  wufu::bench::watch_first_paint();
}
}  // namespace

Q_COREAPP_STARTUP_FUNCTION(watch)

int main(int argc, char** argv) {
  return wufu::run_program(argc, argv, wufu::program_header, {&initialise_globals, &clean_up});
}
