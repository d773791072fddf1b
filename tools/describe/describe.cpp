// describe: builds the stored window description block from its source form, and dumps any
// stored block back to the source form.
//
//   describe build SOURCE -o BLOCK
//   describe dump BLOCK -o SOURCE [--files DIR]   (files default to the folder "pictures" beside
//                                                  SOURCE)
//   describe check SOURCE                          (parses, builds and reads back; writes nothing)
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "app/kinds.h"
#include "tools/describe/source_form.h"
#include "window/description.h"

namespace fs = std::filesystem;
using namespace wufu;

namespace {

int usage() {
  std::cerr << "usage: describe build SOURCE -o BLOCK\n"
               "       describe dump BLOCK -o SOURCE [--files DIR]\n"
               "       describe check SOURCE\n";
  return 2;
}

bool read_file(const fs::path& path, std::string& out) {
  std::ifstream f(path, std::ios::binary);
  if (!f) return false;
  out.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
  return true;
}

bool write_file(const fs::path& path, const void* data, std::size_t size) {
  const fs::path tmp = path.string() + ".tmp";
  {
    std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
    f.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (!f) return false;
  }
  std::error_code ec;
  fs::rename(tmp, path, ec);
  return !ec;
}

int fail(const std::string& file, const std::string& what) {
  std::cerr << "describe: " << file << ": " << what << "\n";
  return 1;
}

Result<Bytes> build(const fs::path& source) {
  std::string text;
  if (!read_file(source, text)) return ReadError{0, "cannot read the source"};
  auto description = source::parse(text, program_kinds(), source.parent_path());
  if (!description) return description.error();
  Bytes block = write_description(*description);
  // The block must read back as it was written; a description the program could not read is
  // never stored.
  auto back = read_description(block);
  if (!back) return ReadError{0, "the built block does not read back: " + back.error().what};
  return block;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return usage();
  const std::string command = argv[1];
  const fs::path input = argv[2];
  fs::path output;
  fs::path files;
  for (int i = 3; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "-o" && i + 1 < argc) {
      output = argv[++i];
    } else if (a == "--files" && i + 1 < argc) {
      files = argv[++i];
    } else {
      return usage();
    }
  }

  if (command == "build" || command == "check") {
    if (command == "build" && output.empty()) return usage();
    auto block = build(input);
    if (!block) return fail(input.string(), block.error().what);
    if (command == "check") {
      std::cout << input.string() << ": " << block->size() << " bytes\n";
      return 0;
    }
    if (!write_file(output, block->data(), block->size()))
      return fail(output.string(), "cannot write");
    return 0;
  }
  if (command == "dump") {
    if (output.empty()) return usage();
    std::string bytes;
    if (!read_file(input, bytes)) return fail(input.string(), "cannot read");
    auto description = read_description(as_bytes(bytes));
    if (!description) {
      return fail(input.string(), "offset " + std::to_string(description.error().offset) + ": " +
                                      description.error().what);
    }
    const fs::path dir = output.parent_path().empty() ? fs::path(".") : output.parent_path();
    if (files.empty()) files = dir / "pictures";
    auto text = source::print(*description, program_kinds(), dir, files);
    if (!text) return fail(input.string(), text.error().what);
    if (!write_file(output, text->data(), text->size()))
      return fail(output.string(), "cannot write");
    return 0;
  }
  return usage();
}
