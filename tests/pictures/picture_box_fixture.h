// Picture boxes shown headless for tests: a plain window holding one box, loaded through the
// program's registry, and the pictures and pixel checks the box tests share.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>

#include "pictures/picture_box.h"
#include "pictures/picture_box_properties.h"
#include "tests/support/window_fixture.h"
#include "window/description.h"

// Failures name an image by its size and format rather than by its bytes.
inline void PrintTo(const QImage& image, std::ostream* os) {
  *os << "image " << image.width() << "x" << image.height() << " format " << image.format();
}

namespace wufu::testing {

inline constexpr ControlId box_id = 0x16010003;

// A picture box record on the window's client area, with this property block.
Record box_record(Bytes property_block, int width, int height, std::uint32_t state = state_visible);
Record box_record(const PictureBoxProperties& properties, int width, int height,
                  std::uint32_t state = state_visible);

// A plain window holding one picture box made from `record`, which stands on the window's client
// area whatever its stored parent.
class ShownBox {
 public:
  explicit ShownBox(Record record);

  bool ok() const { return box_ != nullptr; }
  const std::string& error() const { return window_->error(); }
  PictureBox* box() const { return box_; }
  // What the box shows now, painted afresh.
  QImage grab() const;

 private:
  std::unique_ptr<LoadedWindow> window_;
  PictureBox* box_ = nullptr;
};

// An opaque 8-bit RGBA PNG whose pixel (x, y) is picture_colour(x, y).
Bytes opaque_png(int width, int height);
QColor picture_colour(int x, int y);

// The bounding box of the pixels that are not exactly `colour`; null when there are none.
QRect area_unlike(const QImage& image, QColor colour, QRect within = {});
// The number of pixels in `within` that are not exactly `colour`.
int pixels_unlike(const QImage& image, QColor colour, QRect within);

}  // namespace wufu::testing
