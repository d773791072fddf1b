#include "window/font_description.h"

#include <algorithm>

namespace wufu {

std::string LogFont::face() const {
  auto end = std::find(face_bytes.begin(), face_bytes.end(), std::uint8_t{0});
  return std::string(face_bytes.begin(), end);
}

Bytes LogFont::face_leftovers() const {
  auto nul = std::find(face_bytes.begin(), face_bytes.end(), std::uint8_t{0});
  if (nul == face_bytes.end()) return {};
  return Bytes(nul + 1, face_bytes.end());
}

void LogFont::set_face(const std::string& gbk, ByteSpan leftovers) {
  face_bytes.fill(0);
  const std::size_t n = std::min(gbk.size(), face_bytes.size());
  std::copy_n(gbk.begin(), n, face_bytes.begin());
  if (n < face_bytes.size()) {
    const std::size_t room = face_bytes.size() - n - 1;
    std::copy_n(leftovers.begin(), std::min(room, leftovers.size()), face_bytes.begin() + n + 1);
  }
}

std::optional<LogFont> parse_font_description(ByteSpan bytes) {
  if (bytes.size() != logfont_size) return std::nullopt;
  ByteCursor c(bytes);
  LogFont f;
  f.height = *c.i32("height");
  f.width = *c.i32("width");
  f.escapement = *c.i32("escapement");
  f.orientation = *c.i32("orientation");
  f.weight = *c.i32("weight");
  auto small = *c.take(8, "flags");
  f.italic = small[0];
  f.underline = small[1];
  f.strike_out = small[2];
  f.char_set = small[3];
  f.out_precision = small[4];
  f.clip_precision = small[5];
  f.quality = small[6];
  f.pitch_and_family = small[7];
  auto face = *c.take(32, "face name");
  std::copy(face.begin(), face.end(), f.face_bytes.begin());
  return f;
}

Bytes write_font_description(const LogFont& f) {
  ByteWriter w;
  w.i32(f.height);
  w.i32(f.width);
  w.i32(f.escapement);
  w.i32(f.orientation);
  w.i32(f.weight);
  const std::uint8_t small[8] = {f.italic,   f.underline,       f.strike_out,
                                 f.char_set, f.out_precision,   f.clip_precision,
                                 f.quality,  f.pitch_and_family};
  w.bytes(small);
  w.bytes(f.face_bytes);
  return w.take();
}

}  // namespace wufu
