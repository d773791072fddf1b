// Drawing a decoded picture into a control: composed over the composition colour when it has
// alpha, scaled into its destination rectangle and copied over what the control has painted.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRgb>

#include <optional>

#include "pictures/decoded_picture.h"

namespace wufu::pictures {

// Where a picture is drawn, in client pixels. A width or height left empty is natural: the
// picture's own.
struct PictureDestination {
  int left = 0;
  int top = 0;
  std::optional<int> width;
  std::optional<int> height;
};

QRect destination_rect(const DecodedPicture& picture, const PictureDestination& destination);

// Scaling averages (area averaging) on screens of more than 16 bits per pixel and takes the
// nearest pixel at 16 bits or fewer, or when the depth is unknown (0).
bool scales_smoothly(int screen_depth);

// The opaque image that is scaled and drawn: JPEG pixels as they are, and pictures with alpha
// composed over the composition colour (its alpha is ignored) on a copy. Null when the copy
// cannot be had. The result of a JPEG shares the picture's pixels.
QImage opaque_image(const DecodedPicture& picture, QRgb composition);

// The whole picture scaled to `size` with the filter that the screen depth asks for, as an RGB32
// image of its own.
QImage scaled_picture(const DecodedPicture& picture, QSize size, QRgb composition,
                      int screen_depth);

// Draws the picture once, with nothing kept. Nothing is drawn outside the painter's clip, which
// the control sets to its client area; an empty destination draws nothing.
void draw_picture(QPainter& painter, const DecodedPicture& picture,
                  const PictureDestination& destination, QRgb composition, int screen_depth);

// A control's decoded picture together with its last scaled copy, which is reused while the
// destination size, the composition colour and the smoothing stay the same, so that a repaint of
// an unchanged control only copies pixels. What it draws is what draw_picture draws.
class PictureDrawing {
 public:
  explicit PictureDrawing(DecodedPicture picture) : picture_(std::move(picture)) {}

  const DecodedPicture& picture() const { return picture_; }

  void draw(QPainter& painter, const PictureDestination& destination, QRgb composition,
            int screen_depth);

 private:
  DecodedPicture picture_;
  QImage scaled_;
  QSize scaled_size_;
  QRgb scaled_composition_ = 0;
  bool scaled_smoothly_ = false;
};

}  // namespace wufu::pictures
