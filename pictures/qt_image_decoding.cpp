#include "pictures/qt_image_decoding.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include <climits>
#include <new>

namespace wufu::pictures {

namespace {

const char* reader_format(PictureKind kind) {
  switch (kind) {
    case PictureKind::bmp:
      return "bmp";
    case PictureKind::icon:
      return "ico";
    case PictureKind::cursor:
      return "cur";
    case PictureKind::gif:
      return "gif";
    default:
      return nullptr;
  }
}

}  // namespace

std::optional<DecodedPicture> decode_with_qt(std::span<const std::uint8_t> image,
                                             PictureKind kind) {
  const char* format = reader_format(kind);
  if (format == nullptr || image.size() > std::size_t(INT_MAX)) return std::nullopt;
  // The reader works on the stored bytes in place.
  QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(image.data()),
                                             static_cast<qsizetype>(image.size()));
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, format);
  // The size from the header is checked before the reader allocates for it; readers that cannot
  // tell it beforehand stay within Qt's own allocation limit, and the result is checked below.
  const QSize announced = reader.size();
  if (announced.isValid() && !fits_pixel_cap(announced.width(), announced.height()))
    return std::nullopt;
  QImage decoded;
  if (!reader.read(&decoded) || !fits_pixel_cap(decoded.width(), decoded.height()))
    return std::nullopt;
  decoded = decoded.convertToFormat(QImage::Format_ARGB32);
  if (decoded.isNull()) return std::nullopt;

  DecodedPicture picture;
  picture.kind = kind;
  picture.width = decoded.width();
  picture.height = decoded.height();
  picture.layout = PixelLayout::bgra;
  try {
    picture.pixels.resize(std::size_t(picture.row_bytes()) * picture.height);
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
  std::uint8_t* out = picture.pixels.data();
  for (int y = 0; y < picture.height; ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(decoded.constScanLine(y));
    for (int x = 0; x < picture.width; ++x, out += 4) {
      out[0] = static_cast<std::uint8_t>(qBlue(line[x]));
      out[1] = static_cast<std::uint8_t>(qGreen(line[x]));
      out[2] = static_cast<std::uint8_t>(qRed(line[x]));
      out[3] = static_cast<std::uint8_t>(qAlpha(line[x]));
    }
  }
  return picture;
}

}  // namespace wufu::pictures
