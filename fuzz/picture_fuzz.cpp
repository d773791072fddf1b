// Fuzzes picture decoding, composition, fitted placement and the scaled draw.
#include <QImage>
#include <QPainter>

#include <cstdint>
#include <cstdlib>
#include <span>

#include "pictures/decoded_picture.h"
#include "pictures/fitted_placement.h"
#include "pictures/picture_drawing.h"

using namespace wufu::pictures;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto picture = decode_picture(std::span<const std::uint8_t>(data, size));
  if (!picture) return 0;
  if (picture->width <= 0 || picture->height <= 0 ||
      picture->pixels.size() != static_cast<std::size_t>(picture->row_bytes()) * picture->height) {
    std::abort();
  }
  // The client size comes from the input too, so placement sees small and odd sizes.
  const int w = 1 + (size > 0 ? data[size - 1] % 97 : 0);
  const int h = 1 + (size > 1 ? data[size - 2] % 89 : 0);
  const PlacedRect placed = fitted_placement(w, h, picture->width, picture->height);
  if (placed.width < 0 || placed.height < 0 || placed.width > std::max(w, picture->width) ||
      placed.height > std::max(h, picture->height)) {
    std::abort();
  }
  QImage target(w, h, QImage::Format_RGB32);
  target.fill(Qt::black);
  QPainter painter(&target);
  painter.setClipRect(0, 0, w, h);
  PictureDrawing drawing(std::move(*picture));
  drawing.draw(painter, {placed.left, placed.top, placed.width, placed.height}, qRgb(1, 2, 3), 24);
  drawing.draw(painter, {0, 0, w, h}, qRgb(200, 100, 50), 16);
  drawing.draw(painter, {0, 0, {}, {}}, qRgb(0, 0, 0), 0);
  return 0;
}
