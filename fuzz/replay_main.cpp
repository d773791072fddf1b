// Runs a fuzz target's entry over files and folders of inputs, outside libFuzzer: the normal and
// sanitizer test runs replay the seeds and every input that once found a fault.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fs = std::filesystem;

static int replay(const fs::path& file) {
  std::ifstream f(file, std::ios::binary);
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(f)),
                                  std::istreambuf_iterator<char>());
  LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
  return 1;
}

int main(int argc, char** argv) {
  int count = 0;
  for (int i = 1; i < argc; ++i) {
    const fs::path p = argv[i];
    if (fs::is_directory(p)) {
      for (const auto& e : fs::recursive_directory_iterator(p)) {
        if (e.is_regular_file()) count += replay(e.path());
      }
    } else if (fs::is_regular_file(p)) {
      count += replay(p);
    }
  }
  std::printf("%d passed, 0 failed\n", count);
  return 0;
}
