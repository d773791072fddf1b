// A decoded picture: the pixels of a stored picture, decoded once when its control is created
// and kept beside the stored bytes for the control's life.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "pictures/picture_kind.h"
#include "pictures/pixel_buffer.h"

namespace wufu::pictures {

// How the bytes of one pixel lie in memory.
enum class PixelLayout {
  // Three bytes: red, green, blue. JPEG pictures.
  rgb,
  // Four bytes: blue, green, red, alpha; alpha straight, not premultiplied. PNG pictures and
  // every other kind that decodes. Alpha is applied only when the picture is drawn.
  bgra,
};

constexpr int bytes_per_pixel(PixelLayout layout) {
  return layout == PixelLayout::rgb ? 3 : 4;
}

// No decoder allocates for a picture of more pixels than this: a header that claims more gives
// no picture. 2^26 pixels (for example 8192 x 8192) hold any photograph of a common camera while
// keeping the largest pixel buffer at 256 MiB.
constexpr std::int64_t max_picture_pixels = std::int64_t{1} << 26;

// True when a picture of this size has pixels and no more of them than the cap allows. Any two
// 32-bit sizes can be asked about; the product is formed only once both are known to be small.
constexpr bool fits_pixel_cap(std::int64_t width, std::int64_t height) {
  return width > 0 && height > 0 && width <= max_picture_pixels && height <= max_picture_pixels &&
         width * height <= max_picture_pixels;
}

struct DecodedPicture {
  PictureKind kind = PictureKind::none;
  int width = 0;
  int height = 0;
  PixelLayout layout = PixelLayout::rgb;
  // Rows from top to bottom, packed: each row is width * bytes_per_pixel(layout) bytes.
  PixelBuffer pixels;

  int row_bytes() const { return width * bytes_per_pixel(layout); }
};

// Decodes an image file as stored behind a picture's length word (an empty span for a picture of
// length 0 or less). Every failure is silent and gives no picture: an unknown or too short image,
// damaged data, a picture beyond the pixel cap, a pixel buffer that cannot be had, or a kind that
// has no decoder here (PCX).
std::optional<DecodedPicture> decode_picture(std::span<const std::uint8_t> image);

}  // namespace wufu::pictures
