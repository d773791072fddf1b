// Writes damaged copies of a stored block for the end-to-end tests of the fatal error report.
//   damage_block cut BLOCK OUT           the block cut in half: it ends inside a record
//   damage_block no-start-window BLOCK OUT  the window's id changed, so the start window is missing
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: damage_block cut|no-start-window BLOCK OUT\n");
    return 2;
  }
  std::ifstream in(argv[2], std::ios::binary);
  std::vector<char> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (b.size() < 8) return 1;
  if (std::strcmp(argv[1], "cut") == 0) {
    b.resize(b.size() / 2);
  } else if (std::strcmp(argv[1], "no-start-window") == 0) {
    b[4] = static_cast<char>(b[4] + 1);  // the first window id, after the window table length
  } else {
    return 2;
  }
  std::ofstream out(argv[3], std::ios::binary | std::ios::trunc);
  out.write(b.data(), static_cast<std::streamsize>(b.size()));
  return out ? 0 : 1;
}
