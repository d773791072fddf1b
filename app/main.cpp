// wufu: the 2020 "collect the five blessings" information window.
#include "app/program_header.h"
#include "app/start.h"

namespace {

// The program has no global variables to set up and nothing to clean up; both routines are kept
// so that the start-up runs its steps in their order.
void initialise_globals() {}
void clean_up() {}

}  // namespace

int main(int argc, char** argv) {
  return wufu::run_program(argc, argv, wufu::program_header, {&initialise_globals, &clean_up});
}
