// Small pictures made in the tests with libjpeg's compressor and libpng's writers.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace wufu::pictures::testing {

using Bytes = std::vector<std::uint8_t>;

struct JpegRecipe {
  int width = 16;
  int height = 16;
  // 1 greyscale, 3 red-green-blue, 4 CMYK; any other count is written as unknown components.
  int components = 3;
  bool progressive = false;
  int quality = 95;
};

// `pixels` holds width * height * components bytes, rows top first.
Bytes encode_jpeg(const JpegRecipe& recipe, const Bytes& pixels);

// A picture of the given size whose pixel (x, y) is colour(x, y), red-green-blue.
Bytes rgb_pixels(int width, int height,
                 const std::function<std::array<std::uint8_t, 3>(int, int)>& colour);

// Writes with libpng's simplified writer; `format` is a PNG_FORMAT_* value, `pixels` its rows
// packed, `colormap` the palette for the colour-map formats.
Bytes encode_png(int width, int height, std::uint32_t format, const void* pixels,
                 const void* colormap = nullptr, int colormap_entries = 0);

// An 8-bit red-green-blue PNG with a tRNS chunk naming `key` as the transparent colour.
Bytes encode_png_with_colour_key(int width, int height, const Bytes& rgb,
                                 std::array<std::uint8_t, 3> key);

// The same PNG with the size in its header replaced and the header's CRC made right again.
Bytes with_png_size(Bytes png, std::uint32_t width, std::uint32_t height);

// The same JPEG with the size in its first frame header replaced.
Bytes with_jpeg_size(Bytes jpeg, std::uint16_t width, std::uint16_t height);

}  // namespace wufu::pictures::testing
