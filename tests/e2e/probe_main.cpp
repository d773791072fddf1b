// The program with routines that report themselves: the end-to-end tests read from its standard
// error which directory it runs in and how often its clean-up routine ran.
#include <cstdio>
#include <filesystem>

#include "app/program_header.h"
#include "app/start.h"

namespace {

void initialise_globals() {
  std::error_code ec;
  std::fprintf(stderr, "current directory: %s\n", std::filesystem::current_path(ec).c_str());
}

void clean_up() { std::fprintf(stderr, "clean-up routine ran\n"); }

}  // namespace

int main(int argc, char** argv) {
  return wufu::run_program(argc, argv, wufu::program_header, {&initialise_globals, &clean_up});
}
