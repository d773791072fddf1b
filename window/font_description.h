// Font descriptions: a counted blob that, at exactly 60 bytes, is a LOGFONTA record.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "window/byte_cursor.h"

namespace wufu {

constexpr std::size_t logfont_size = 60;

struct LogFont {
  std::int32_t height = 0;  // negative: character height in pixels; positive: cell height
  std::int32_t width = 0;
  std::int32_t escapement = 0;
  std::int32_t orientation = 0;
  std::int32_t weight = 0;
  std::uint8_t italic = 0;
  std::uint8_t underline = 0;
  std::uint8_t strike_out = 0;
  // Stored but without effect: a font request always asks for any character set, default
  // precisions, proof quality and default pitch and family instead.
  std::uint8_t char_set = 0;
  std::uint8_t out_precision = 0;
  std::uint8_t clip_precision = 0;
  std::uint8_t quality = 0;
  std::uint8_t pitch_and_family = 0;
  std::array<std::uint8_t, 32> face_bytes{};  // GBK, NUL-terminated; bytes after the NUL ignored

  // The face name's GBK bytes, up to its NUL (or all 32 bytes when there is none).
  std::string face() const;
  // The bytes after the face name's NUL, kept only so that a record is written back as stored.
  Bytes face_leftovers() const;
  void set_face(const std::string& gbk, ByteSpan leftovers = {});
};

// The LOGFONT a font description holds, or nothing when its byte count is not 60.
std::optional<LogFont> parse_font_description(ByteSpan bytes);
Bytes write_font_description(const LogFont& font);

}  // namespace wufu
