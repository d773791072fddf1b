// JPEG pictures, decoded with libjpeg from memory into red, green, blue.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "pictures/decoded_picture.h"

namespace wufu::pictures {

// Decodes with the library's default decompression settings, baseline and progressive alike.
// The decoder's error exit gives no picture; its warnings and trace messages are dropped. Data
// that end early are finished with a supplied end-of-image marker and decode with what was read;
// empty data are an error. Greyscale output is written to all three channels and CMYK output is
// converted, so every pixel of a decoded picture is set.
std::optional<DecodedPicture> decode_jpeg(std::span<const std::uint8_t> image);

}  // namespace wufu::pictures
