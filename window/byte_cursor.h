// The one bounds-checked reader over stored bytes, and its inverse, the byte writer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "window/result.h"

namespace wufu {

using Bytes = std::vector<std::uint8_t>;
using ByteSpan = std::span<const std::uint8_t>;

// Reads little-endian fields from a span. Every read names the field it reads; a read that would
// pass the end of the span fails, leaves the cursor where it was and records where and what, so
// that callers can stop at the first failure and report it. No read trusts a count before it has
// checked it against the bytes left.
class ByteCursor {
 public:
  // `origin` is the offset of the span's first byte within the whole that errors are reported in.
  explicit ByteCursor(ByteSpan bytes, std::size_t origin = 0) : bytes_(bytes), origin_(origin) {}

  std::size_t position() const { return pos_; }
  std::size_t offset() const { return origin_ + pos_; }
  std::size_t left() const { return bytes_.size() - pos_; }
  bool at_end() const { return pos_ == bytes_.size(); }

  std::optional<std::uint16_t> u16(std::string_view field);
  std::optional<std::uint32_t> u32(std::string_view field);
  std::optional<std::int32_t> i32(std::string_view field);
  // Exactly n bytes.
  std::optional<ByteSpan> take(std::size_t n, std::string_view field);
  // A u32 byte count, then that many bytes.
  std::optional<ByteSpan> counted(std::string_view field);
  // An i32 byte count, then that many bytes; a count of 0 or less stands for no bytes.
  std::optional<ByteSpan> signed_counted(std::string_view field);
  // Bytes up to a NUL byte, which is consumed and not returned.
  std::optional<ByteSpan> cstring(std::string_view field);
  // A u32 count of items of `item_size` bytes each; fails when the items cannot all be there.
  std::optional<std::uint32_t> count(std::size_t item_size, std::string_view field);
  // Everything that is left.
  ByteSpan rest();

  // Records a failure at the current place (the first one wins) and returns nullopt.
  std::nullopt_t reject(std::string_view field, std::string_view why);

  const ReadError& error() const { return error_; }
  bool failed() const { return failed_; }

 private:
  std::nullopt_t fail(std::string_view field, std::string_view why) { return reject(field, why); }

  ByteSpan bytes_;
  std::size_t origin_ = 0;
  std::size_t pos_ = 0;
  ReadError error_;
  bool failed_ = false;
};

// Appends little-endian fields to a byte vector; the exact inverse of ByteCursor.
class ByteWriter {
 public:
  void u16(std::uint16_t v);
  void u32(std::uint32_t v);
  void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
  void bytes(ByteSpan b) { out_.insert(out_.end(), b.begin(), b.end()); }
  void counted(ByteSpan b);
  void cstring(ByteSpan b);
  // Overwrites a u32 written earlier at `at`.
  void patch_u32(std::size_t at, std::uint32_t v);

  std::size_t size() const { return out_.size(); }
  const Bytes& data() const { return out_; }
  Bytes take() { return std::move(out_); }

 private:
  Bytes out_;
};

inline ByteSpan as_bytes(std::string_view s) {
  return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}
inline std::string as_string(ByteSpan b) {
  return {reinterpret_cast<const char*>(b.data()), b.size()};
}

}  // namespace wufu
