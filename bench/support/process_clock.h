// The monotonic clock and the peak resident memory of this process, shared by a measured child
// process and the benchmark that starts it.
#pragma once

#include <ctime>
#include <fstream>
#include <string>

namespace wufu::bench {

inline long long monotonic_ns() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

// VmHWM (peak) or VmRSS (now) of this process, in KiB.
inline long status_kib(const char* key) {
  std::ifstream status("/proc/self/status");
  const std::string prefix = std::string(key) + ":";
  for (std::string line; std::getline(status, line);) {
    if (line.rfind(prefix, 0) == 0) return std::stol(line.substr(prefix.size()));
  }
  return -1;
}

}  // namespace wufu::bench
