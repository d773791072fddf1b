#include "pictures/composition.h"

#include <algorithm>
#include <cassert>

namespace wufu::pictures {

std::uint8_t compose_channel(std::uint8_t channel, std::uint8_t alpha, std::uint8_t background) {
  const double a = alpha / 255.0;
  const double value = channel * a + background * (1.0 - a);
  return static_cast<std::uint8_t>(std::clamp(value, 0.0, 255.0));
}

void compose_over(std::span<const std::uint8_t> bgra, CompositionColour colour,
                  std::span<std::uint32_t> out) {
  const std::size_t count = bgra.size() / 4;
  assert(out.size() >= count);
  const std::uint8_t* p = bgra.data();
  for (std::size_t i = 0; i < count; ++i, p += 4) {
    std::uint32_t blue = p[0], green = p[1], red = p[2];
    if (const std::uint8_t alpha = p[3]; alpha != 255) {
      blue = compose_channel(p[0], alpha, colour.blue);
      green = compose_channel(p[1], alpha, colour.green);
      red = compose_channel(p[2], alpha, colour.red);
    }
    out[i] = 0xFF000000u | red << 16 | green << 8 | blue;
  }
}

}  // namespace wufu::pictures
