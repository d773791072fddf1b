// A property value in the description's readable source form, before it is formatted as text
// or after it has been parsed from text. The property layouts produce and consume these; the
// describe tool turns them into lines.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "window/byte_cursor.h"

namespace wufu {

struct SourceValue {
  enum class Form {
    number,      // decimal
    hex_number,  // written as 0x...; read as any number
    text,        // GBK bytes, written in UTF-8
    bytes,       // a blob: none, hex, or a file beside the source
  };
  Form form = Form::number;
  std::int64_t number = 0;
  std::string text;  // GBK
  Bytes bytes;
  std::string file_hint;  // for bytes: a file name stem the dumper may use

  static SourceValue num(std::int64_t n) { return {Form::number, n, {}, {}, {}}; }
  static SourceValue hex(std::int64_t n) { return {Form::hex_number, n, {}, {}, {}}; }
  static SourceValue txt(std::string gbk) { return {Form::text, 0, std::move(gbk), {}, {}}; }
  static SourceValue blob(Bytes b, std::string hint = {}) {
    return {Form::bytes, 0, {}, std::move(b), std::move(hint)};
  }
};

using SourceEntries = std::vector<std::pair<std::string, SourceValue>>;

}  // namespace wufu
