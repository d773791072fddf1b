#include "tests/pictures/picture_fixtures.h"

#include <cstddef>
#include <cstdio>

#include <jpeglib.h>
#include <png.h>
#include <zlib.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace wufu::pictures::testing {

namespace {

J_COLOR_SPACE colour_space(int components) {
  switch (components) {
    case 1:
      return JCS_GRAYSCALE;
    case 3:
      return JCS_RGB;
    case 4:
      return JCS_CMYK;
    default:
      return JCS_UNKNOWN;
  }
}

void put_u32(Bytes& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
}

}  // namespace

Bytes rgb_pixels(int width, int height,
                 const std::function<std::array<std::uint8_t, 3>(int, int)>& colour) {
  Bytes pixels;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      for (std::uint8_t c : colour(x, y)) pixels.push_back(c);
  return pixels;
}

Bytes encode_jpeg(const JpegRecipe& recipe, const Bytes& pixels) {
  jpeg_compress_struct compressor{};
  jpeg_error_mgr error{};
  // The fixtures are well formed: an encoder error is a fault of the test itself, and the
  // library's own error exit ends the test program with its message.
  compressor.err = jpeg_std_error(&error);
  jpeg_create_compress(&compressor);
  unsigned char* out = nullptr;
  unsigned long out_size = 0;
  jpeg_mem_dest(&compressor, &out, &out_size);
  compressor.image_width = recipe.width;
  compressor.image_height = recipe.height;
  compressor.input_components = recipe.components;
  compressor.in_color_space = colour_space(recipe.components);
  jpeg_set_defaults(&compressor);
  jpeg_set_quality(&compressor, recipe.quality, TRUE);
  if (recipe.progressive) jpeg_simple_progression(&compressor);
  jpeg_start_compress(&compressor, TRUE);
  const std::size_t row_bytes = std::size_t(recipe.width) * recipe.components;
  while (compressor.next_scanline < compressor.image_height) {
    JSAMPROW row = const_cast<std::uint8_t*>(pixels.data()) + row_bytes * compressor.next_scanline;
    jpeg_write_scanlines(&compressor, &row, 1);
  }
  jpeg_finish_compress(&compressor);
  Bytes jpeg(out, out + out_size);
  jpeg_destroy_compress(&compressor);
  std::free(out);
  return jpeg;
}

Bytes encode_png(int width, int height, std::uint32_t format, const void* pixels,
                 const void* colormap, int colormap_entries) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = width;
  image.height = height;
  image.format = format;
  image.colormap_entries = colormap_entries;
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, pixels, 0, colormap))
    throw std::runtime_error("png size");
  Bytes png(size);
  if (!png_image_write_to_memory(&image, png.data(), &size, 0, pixels, 0, colormap))
    throw std::runtime_error(image.message);
  png.resize(size);
  return png;
}

Bytes encode_png_with_colour_key(int width, int height, const Bytes& rgb,
                                 std::array<std::uint8_t, 3> key) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  Bytes out;
  png_set_write_fn(
      png, &out,
      [](png_structp p, png_bytep data, png_size_t length) {
        auto* bytes = static_cast<Bytes*>(png_get_io_ptr(p));
        bytes->insert(bytes->end(), data, data + length);
      },
      nullptr);
  png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_color_16 transparent{};
  transparent.red = key[0];
  transparent.green = key[1];
  transparent.blue = key[2];
  png_set_tRNS(png, info, nullptr, 0, &transparent);
  png_write_info(png, info);
  for (int y = 0; y < height; ++y)
    png_write_row(png, const_cast<std::uint8_t*>(rgb.data()) + std::size_t(y) * width * 3);
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return out;
}

Bytes with_png_size(Bytes png, std::uint32_t width, std::uint32_t height) {
  // Signature (8), IHDR length (4), type (4), then width and height; the CRC covers type and data.
  put_u32(png, 16, width);
  put_u32(png, 20, height);
  const std::uint32_t crc = static_cast<std::uint32_t>(crc32(0, png.data() + 12, 4 + 13));
  put_u32(png, 29, crc);
  return png;
}

Bytes with_jpeg_size(Bytes jpeg, std::uint16_t width, std::uint16_t height) {
  for (std::size_t i = 2; i + 9 < jpeg.size(); ++i) {
    // SOF0 or SOF2: length (2), precision (1), height (2), width (2).
    if (jpeg[i] == 0xFF && (jpeg[i + 1] == 0xC0 || jpeg[i + 1] == 0xC2)) {
      jpeg[i + 5] = height >> 8;
      jpeg[i + 6] = height & 0xFF;
      jpeg[i + 7] = width >> 8;
      jpeg[i + 8] = width & 0xFF;
      return jpeg;
    }
  }
  throw std::runtime_error("no frame header");
}

}  // namespace wufu::pictures::testing
