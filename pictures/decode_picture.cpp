#include "pictures/decoded_picture.h"
#include "pictures/jpeg_decoding.h"
#include "pictures/png_decoding.h"
#include "pictures/qt_image_decoding.h"

namespace wufu::pictures {

std::optional<DecodedPicture> decode_picture(std::span<const std::uint8_t> image) {
  switch (const PictureKind kind = recognise_picture(image)) {
    case PictureKind::none:
      return std::nullopt;
    case PictureKind::jpeg:
      return decode_jpeg(image);
    case PictureKind::png:
      return decode_png(image);
    // No reader for PCX is at hand; such a picture is shown as none.
    case PictureKind::pcx8:
    case PictureKind::pcx1:
      return std::nullopt;
    case PictureKind::bmp:
    case PictureKind::icon:
    case PictureKind::cursor:
    case PictureKind::gif:
      return decode_with_qt(image, kind);
  }
  return std::nullopt;
}

}  // namespace wufu::pictures
