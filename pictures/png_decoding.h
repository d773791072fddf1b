// PNG pictures, decoded with libpng's simplified interface from memory into straight BGRA.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "pictures/decoded_picture.h"

namespace wufu::pictures {

// Palette, greyscale, 16-bit and transparency-chunk images all arrive as 8-bit blue, green,
// red, alpha with alpha kept. Any failure gives no picture.
std::optional<DecodedPicture> decode_png(std::span<const std::uint8_t> image);

}  // namespace wufu::pictures
