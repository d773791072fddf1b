// The libraries alone: what a caller that trusts its data would write to decode a JPEG with
// libjpeg or a PNG with libpng's simplified reader, with the program's output formats and buffers
// of the same sizes; the pixels are kept from being optimised away. The benchmarks set the
// program's decoding against these.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

#include <benchmark/benchmark.h>
#include <jpeglib.h>
#include <png.h>

namespace wufu::bench {

inline bool bare_jpeg(const std::vector<std::uint8_t>& image) {
  jpeg_decompress_struct d{};
  jpeg_error_mgr error{};
  d.err = jpeg_std_error(&error);
  jpeg_create_decompress(&d);
  jpeg_mem_src(&d, image.data(), image.size());
  jpeg_read_header(&d, TRUE);
  jpeg_start_decompress(&d);
  const std::size_t row_bytes = std::size_t(d.output_width) * d.output_components;
  std::unique_ptr<std::uint8_t[]> pixels(new std::uint8_t[row_bytes * d.output_height]);
  while (d.output_scanline < d.output_height) {
    JSAMPROW rows[16];
    JDIMENSION count = 0;
    for (; count < 16 && d.output_scanline + count < d.output_height; ++count)
      rows[count] = pixels.get() + row_bytes * (d.output_scanline + count);
    jpeg_read_scanlines(&d, rows, count);
  }
  jpeg_finish_decompress(&d);
  jpeg_destroy_decompress(&d);
  benchmark::DoNotOptimize(pixels.get());
  return true;
}

inline bool bare_png(const std::vector<std::uint8_t>& image) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&png, image.data(), image.size())) return false;
  png.format = PNG_FORMAT_BGRA;
  std::unique_ptr<std::uint8_t[]> pixels(new std::uint8_t[PNG_IMAGE_SIZE(png)]);
  const bool ok = png_image_finish_read(&png, nullptr, pixels.get(), 0, nullptr);
  png_image_free(&png);
  benchmark::DoNotOptimize(pixels.get());
  return ok;
}

}  // namespace wufu::bench
