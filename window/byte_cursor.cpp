#include "window/byte_cursor.h"

#include <algorithm>
#include <limits>

namespace wufu {

std::nullopt_t ByteCursor::reject(std::string_view field, std::string_view why) {
  if (!failed_) {
    failed_ = true;
    error_ = ReadError{offset(), std::string(field) + ": " + std::string(why)};
  }
  return std::nullopt;
}

std::optional<std::uint16_t> ByteCursor::u16(std::string_view field) {
  if (left() < 2) return fail(field, "the bytes end inside this field");
  std::uint16_t v = static_cast<std::uint16_t>(bytes_[pos_] | (bytes_[pos_ + 1] << 8));
  pos_ += 2;
  return v;
}

std::optional<std::uint32_t> ByteCursor::u32(std::string_view field) {
  if (left() < 4) return fail(field, "the bytes end inside this field");
  std::uint32_t v = static_cast<std::uint32_t>(bytes_[pos_]) |
                    static_cast<std::uint32_t>(bytes_[pos_ + 1]) << 8 |
                    static_cast<std::uint32_t>(bytes_[pos_ + 2]) << 16 |
                    static_cast<std::uint32_t>(bytes_[pos_ + 3]) << 24;
  pos_ += 4;
  return v;
}

std::optional<std::int32_t> ByteCursor::i32(std::string_view field) {
  auto v = u32(field);
  if (!v) return std::nullopt;
  return static_cast<std::int32_t>(*v);
}

std::optional<ByteSpan> ByteCursor::take(std::size_t n, std::string_view field) {
  if (left() < n) return fail(field, "the bytes end inside this field");
  ByteSpan s = bytes_.subspan(pos_, n);
  pos_ += n;
  return s;
}

std::optional<ByteSpan> ByteCursor::counted(std::string_view field) {
  const std::size_t start = pos_;
  auto n = u32(field);
  if (!n) return std::nullopt;
  if (*n > left()) {
    pos_ = start;
    return fail(field, "its count of " + std::to_string(*n) + " bytes passes the end of the bytes");
  }
  return take(*n, field);
}

std::optional<ByteSpan> ByteCursor::signed_counted(std::string_view field) {
  const std::size_t start = pos_;
  auto n = i32(field);
  if (!n) return std::nullopt;
  if (*n <= 0) return ByteSpan{};
  if (static_cast<std::uint32_t>(*n) > left()) {
    pos_ = start;
    return fail(field, "its count of " + std::to_string(*n) + " bytes passes the end of the bytes");
  }
  return take(static_cast<std::size_t>(*n), field);
}

std::optional<ByteSpan> ByteCursor::cstring(std::string_view field) {
  auto rest_bytes = bytes_.subspan(pos_);
  auto nul = std::find(rest_bytes.begin(), rest_bytes.end(), std::uint8_t{0});
  if (nul == rest_bytes.end()) return fail(field, "no NUL byte ends this text");
  const auto n = static_cast<std::size_t>(nul - rest_bytes.begin());
  ByteSpan s = rest_bytes.first(n);
  pos_ += n + 1;
  return s;
}

std::optional<std::uint32_t> ByteCursor::count(std::size_t item_size, std::string_view field) {
  const std::size_t start = pos_;
  auto n = u32(field);
  if (!n) return std::nullopt;
  if (item_size != 0 && *n > left() / item_size) {
    pos_ = start;
    return fail(field, "its count of " + std::to_string(*n) + " promises more than the bytes hold");
  }
  return n;
}

ByteSpan ByteCursor::rest() {
  ByteSpan s = bytes_.subspan(pos_);
  pos_ = bytes_.size();
  return s;
}

void ByteWriter::u16(std::uint16_t v) {
  out_.push_back(static_cast<std::uint8_t>(v));
  out_.push_back(static_cast<std::uint8_t>(v >> 8));
}

void ByteWriter::u32(std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void ByteWriter::counted(ByteSpan b) {
  u32(static_cast<std::uint32_t>(b.size()));
  bytes(b);
}

void ByteWriter::cstring(ByteSpan b) {
  bytes(b);
  out_.push_back(0);
}

void ByteWriter::patch_u32(std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out_[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

}  // namespace wufu
