// Start-up of the whole process to its first painted window, side by side with a bare Qt window
// and with the bare libraries' decode time of the eight stored pictures. Needs an X server with a
// window manager (the bench command runs it under xvfb-run with openbox).
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bench/support/bare_decoders.h"
#include "bench/support/process_clock.h"

extern char** environ;

namespace {

struct Launch {
  double seconds = 0;
  long peak_kib = 0;
  bool ok = false;
};

// Starts the program, waits for its first-paint line and its end.
Launch launch(const char* exe) {
  int out[2];
  if (pipe(out) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  char* argv[] = {const_cast<char*>(exe), nullptr};
  pid_t pid = 0;
  const long long start = wufu::bench::monotonic_ns();
  const int spawned = posix_spawn(&pid, exe, &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (spawned != 0) {
    close(out[0]);
    return {};
  }
  std::string text;
  char buf[256];
  for (ssize_t n; (n = read(out[0], buf, sizeof buf)) > 0;)
    text.append(buf, static_cast<size_t>(n));
  close(out[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  long long painted = 0;
  long peak = 0;
  Launch r;
  if (std::sscanf(text.c_str(), "first paint %lld ns, peak %ld KiB", &painted, &peak) == 2) {
    r = {static_cast<double>(painted - start) / 1e9, peak, true};
  }
  return r;
}

void run(benchmark::State& state, const char* exe) {
  long peak = 0;
  for (auto _ : state) {
    const Launch l = launch(exe);
    if (!l.ok) {
      state.SkipWithError("the program did not report its first paint (is there a display?)");
      return;
    }
    state.SetIterationTime(l.seconds);
    peak = std::max(peak, l.peak_kib);
  }
  state.counters["peak_MiB"] = static_cast<double>(peak) / 1024.0;
}

void StartupWufu(benchmark::State& state) {
  run(state, WUFU_STARTUP_PROBE);
}
void StartupBareWindow(benchmark::State& state) {
  run(state, WUFU_BARE_WINDOW);
}
BENCHMARK(StartupBareWindow)->UseManualTime()->Iterations(30)->Unit(benchmark::kMillisecond);
BENCHMARK(StartupWufu)->UseManualTime()->Iterations(30)->Unit(benchmark::kMillisecond);

std::vector<std::uint8_t> read_asset(const std::string& name) {
  std::ifstream in(std::string(WUFU_PICTURE_ASSETS) + "/" + name, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// The eight stored pictures decoded by the bare libraries, one after the other.
void BareLibrariesDecodeAllPictures(benchmark::State& state) {
  std::vector<std::vector<std::uint8_t>> jpegs;
  for (int i = 1; i <= 7; ++i) jpegs.push_back(read_asset("图片框" + std::to_string(i) + ".jpg"));
  const auto png = read_asset("图片框8.png");
  for (auto _ : state) {
    for (const auto& j : jpegs) wufu::bench::bare_jpeg(j);
    wufu::bench::bare_png(png);
  }
}
BENCHMARK(BareLibrariesDecodeAllPictures)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
