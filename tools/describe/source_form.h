// The readable source form of a window description: UTF-8 text, one field a line, pictures and
// icons as files beside the source. Printing a description and parsing the print give back the
// same description, and the same bytes when it is written.
//
//   # comment
//   description
//     trailing bytes = hex:...            (only when the block goes on after its last window)
//   window 0x52010001
//     slot = 0x024BB8E0
//     ...
//   record 0x16010014
//     kind = 标签
//     name = "标签10"
//     ...
//     properties                          (the property block; absent when the block is empty)
//       format version = 2
//       text =
//         | first line                    (lines of a text joined by CR LF)
//         | second line
//
// Values: numbers (decimal or 0x hex), "quoted text" (escapes \\ \" \r \n \t and \xHH for a
// raw GBK byte), none / hex:... / file:relative-path for bytes, and for a property block that
// its kind cannot give back exactly, `properties = hex:...`.
#pragma once

#include <filesystem>
#include <string>

#include "window/description.h"
#include "window/kind.h"
#include "window/result.h"

namespace wufu::source {

// Prints a description. Blobs meant as files are written into `files_dir` (created as needed)
// and referenced relative to `source_dir`; with an empty `files_dir` they are printed inline.
Result<std::string> print(const WindowDescription& description, KindRegistry kinds,
                          const std::filesystem::path& source_dir,
                          const std::filesystem::path& files_dir);

// Parses a source text; file references count from `source_dir`. Errors name the line, the
// record and the field.
Result<WindowDescription> parse(const std::string& text, KindRegistry kinds,
                                const std::filesystem::path& source_dir);

}  // namespace wufu::source
