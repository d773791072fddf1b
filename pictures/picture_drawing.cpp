#include "pictures/picture_drawing.h"

#include <span>

#include "pictures/composition.h"

namespace wufu::pictures {

namespace {

bool has_whole_pixels(const DecodedPicture& picture) {
  return picture.width > 0 && picture.height > 0 &&
         picture.pixels.size() >= std::size_t(picture.row_bytes()) * picture.height;
}

// A scaled copy is made only for a destination within the pixel cap. A larger destination,
// which no control of this system asks for, is drawn through the painter's transform instead,
// which touches only the pixels inside the clip.
bool fits_scaled_copy(const QRect& rect) {
  return fits_pixel_cap(rect.width(), rect.height());
}

void draw_transformed(QPainter& painter, const DecodedPicture& picture, const QRect& rect,
                      QRgb composition, int screen_depth) {
  const QImage image = opaque_image(picture, composition);
  if (image.isNull()) return;
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, scales_smoothly(screen_depth));
  painter.drawImage(QRectF(rect), image);
  painter.restore();
}

}  // namespace

QRect destination_rect(const DecodedPicture& picture, const PictureDestination& destination) {
  return QRect(destination.left, destination.top, destination.width.value_or(picture.width),
               destination.height.value_or(picture.height));
}

bool scales_smoothly(int screen_depth) {
  return screen_depth > 16;
}

QImage opaque_image(const DecodedPicture& picture, QRgb composition) {
  if (!has_whole_pixels(picture)) return {};
  if (picture.layout == PixelLayout::rgb)
    return QImage(picture.pixels.data(), picture.width, picture.height, picture.row_bytes(),
                  QImage::Format_RGB888);

  QImage composed(picture.width, picture.height, QImage::Format_RGB32);
  if (composed.isNull()) return {};
  const CompositionColour colour{static_cast<std::uint8_t>(qRed(composition)),
                                 static_cast<std::uint8_t>(qGreen(composition)),
                                 static_cast<std::uint8_t>(qBlue(composition))};
  const std::size_t row_bytes = picture.row_bytes();
  for (int y = 0; y < picture.height; ++y) {
    compose_over(std::span(picture.pixels).subspan(row_bytes * y, row_bytes), colour,
                 std::span(reinterpret_cast<std::uint32_t*>(composed.scanLine(y)),
                           std::size_t(picture.width)));
  }
  return composed;
}

QImage scaled_picture(const DecodedPicture& picture, QSize size, QRgb composition,
                      int screen_depth) {
  // The result is always RGB32, the format that a widget's surface takes as a plain copy, so
  // that a kept copy is drawn without a conversion at every paint. Qt's averaging works on
  // RGB32 and would convert a JPEG's red-green-blue rows to it anyway; the nearest pixel is
  // taken first and only the smaller result converted.
  const QImage image = opaque_image(picture, composition);
  if (image.isNull()) return image;
  if (image.size() == size) return image.convertToFormat(QImage::Format_RGB32);
  if (scales_smoothly(screen_depth))
    return image.convertToFormat(QImage::Format_RGB32)
        .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return image.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation)
      .convertToFormat(QImage::Format_RGB32);
}

void draw_picture(QPainter& painter, const DecodedPicture& picture,
                  const PictureDestination& destination, QRgb composition, int screen_depth) {
  const QRect rect = destination_rect(picture, destination);
  if (rect.isEmpty()) return;
  if (!fits_scaled_copy(rect))
    return draw_transformed(painter, picture, rect, composition, screen_depth);
  const QImage image = scaled_picture(picture, rect.size(), composition, screen_depth);
  if (!image.isNull()) painter.drawImage(rect.topLeft(), image);
}

void PictureDrawing::draw(QPainter& painter, const PictureDestination& destination,
                          QRgb composition, int screen_depth) {
  const QRect rect = destination_rect(picture_, destination);
  if (rect.isEmpty()) return;
  if (!fits_scaled_copy(rect))
    return draw_transformed(painter, picture_, rect, composition, screen_depth);
  // A picture without alpha looks the same over every colour, so only a composed picture's copy
  // depends on it.
  const QRgb colour = picture_.layout == PixelLayout::rgb ? 0 : (composition & RGB_MASK);
  const bool smooth = scales_smoothly(screen_depth);
  if (scaled_.isNull() || scaled_size_ != rect.size() || scaled_composition_ != colour ||
      scaled_smoothly_ != smooth) {
    scaled_ = scaled_picture(picture_, rect.size(), composition, screen_depth);
    scaled_size_ = rect.size();
    scaled_composition_ = colour;
    scaled_smoothly_ = smooth;
  }
  if (!scaled_.isNull()) painter.drawImage(rect.topLeft(), scaled_);
}

}  // namespace wufu::pictures
