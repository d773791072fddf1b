// Colour values: 0x00BBGGRR, with one reserved value, the unset colour.
#pragma once

#include <cstdint>

namespace wufu {

using ColourValue = std::uint32_t;

// As a background colour the unset colour stands for the face colour, looked up at each use.
constexpr ColourValue unset_colour = 0xFF000000;

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Only the low 24 bits carry a colour; a top byte other than 0 has no meaning of its own.
constexpr Rgb colour_rgb(ColourValue v) {
  return {static_cast<std::uint8_t>(v & 0xFF), static_cast<std::uint8_t>((v >> 8) & 0xFF),
          static_cast<std::uint8_t>((v >> 16) & 0xFF)};
}

// A background colour: the stored colour, or the face colour for the unset colour.
constexpr Rgb resolve_background(ColourValue v, Rgb face) {
  return v == unset_colour ? face : colour_rgb(v);
}

}  // namespace wufu
