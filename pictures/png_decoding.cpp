#include "pictures/png_decoding.h"

#include <png.h>

#include <new>

namespace wufu::pictures {

std::optional<DecodedPicture> decode_png(std::span<const std::uint8_t> image) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  // The image structure holds the library's reader until it is freed; freeing twice is harmless,
  // so it is freed here on every path, whatever the library already did.
  struct Free {
    png_image& png;
    ~Free() { png_image_free(&png); }
  } free_on_exit{png};

  if (!png_image_begin_read_from_memory(&png, image.data(), image.size())) return std::nullopt;
  if (!fits_pixel_cap(png.width, png.height)) return std::nullopt;
  // No background colour, so that alpha survives to be composed at drawing time.
  png.format = PNG_FORMAT_BGRA;

  DecodedPicture picture;
  picture.kind = PictureKind::png;
  picture.width = static_cast<int>(png.width);
  picture.height = static_cast<int>(png.height);
  picture.layout = PixelLayout::bgra;
  try {
    picture.pixels.resize(std::size_t(picture.row_bytes()) * picture.height);
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
  // Row stride 0 asks for packed rows, top row first; no colour map.
  if (!png_image_finish_read(&png, nullptr, picture.pixels.data(), 0, nullptr)) return std::nullopt;
  return picture;
}

}  // namespace wufu::pictures
