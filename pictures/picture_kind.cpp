#include "pictures/picture_kind.h"

namespace wufu::pictures {

namespace {

constexpr std::size_t signature_bytes = 8;

unsigned u16_at(std::span<const std::uint8_t> image, std::size_t offset) {
  return image[offset] | (image[offset + 1] << 8);
}

// Icon and cursor files share a header: a reserved zero word, the resource type, then the
// number of images, which must not be zero.
bool is_icon_directory(std::span<const std::uint8_t> image, unsigned type) {
  return u16_at(image, 0) == 0 && u16_at(image, 2) == type && u16_at(image, 4) > 0;
}

}  // namespace

PictureKind recognise_picture(std::span<const std::uint8_t> image) {
  if (image.size() < signature_bytes) return PictureKind::none;
  const auto* b = image.data();
  // The order matters: the first test that matches decides.
  if (b[0] == 0x42 && b[1] == 0x4D) return PictureKind::bmp;
  if (b[0] == 0xFF && b[1] == 0xD8) return PictureKind::jpeg;
  if (b[0] == 0x89 && b[1] == 0x50 && b[2] == 0x4E && b[3] == 0x47) return PictureKind::png;
  if (is_icon_directory(image, 1)) return PictureKind::icon;
  if (is_icon_directory(image, 2)) return PictureKind::cursor;
  if (b[0] == 0x47 && b[1] == 0x49 && b[2] == 0x46 && b[3] == 0x38 &&
      (b[4] == 0x37 || b[4] == 0x39) && b[5] == 0x61)
    return PictureKind::gif;
  if (b[0] == 0x0A && b[1] <= 5 && b[2] == 0x01 && b[3] == 0x08) return PictureKind::pcx8;
  if (b[0] == 0x0A && b[1] == 0x03 && b[2] == 0x01 && b[3] == 0x01) return PictureKind::pcx1;
  return PictureKind::none;
}

}  // namespace wufu::pictures
