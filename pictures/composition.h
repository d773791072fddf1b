// Composition: how a picture with alpha becomes the opaque picture that is drawn, by laying its
// partly transparent pixels over the composition colour that the control supplies at paint time.
#pragma once

#include <cstdint>
#include <span>

namespace wufu::pictures {

struct CompositionColour {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
};

// One colour channel c of a pixel with alpha A below 255 over the matching channel b of the
// composition colour: trunc(c * a + b * (1 - a)) with a = A / 255, in floating point, clamped to
// 0..255. Truncated, not rounded.
std::uint8_t compose_channel(std::uint8_t channel, std::uint8_t alpha, std::uint8_t background);

// Composes straight BGRA pixels (4 bytes each) into opaque words 0xFFRRGGBB, one per pixel: the
// word layout Qt calls RGB32. Pixels with alpha 255 keep their values exactly. `out` has room for
// at least bgra.size() / 4 words.
void compose_over(std::span<const std::uint8_t> bgra, CompositionColour colour,
                  std::span<std::uint32_t> out);

}  // namespace wufu::pictures
