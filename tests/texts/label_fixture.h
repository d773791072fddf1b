// Labels rendered headless for tests: small descriptions holding a window and labels, written
// with the program's own writer and loaded through the registry, and measurements of the ink
// the labels leave in their images.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "texts/label_properties.h"
#include "window/description.h"

class QPainter;

// Failures name an image by its size and format rather than by its bytes.
inline void PrintTo(const QImage& image, std::ostream* os) {
  *os << "image " << image.width() << "x" << image.height() << " format " << image.format();
}

namespace wufu::testing {

// A face that no system has, so that the platform substitutes one.
inline constexpr const char* missing_face = "造字工房悦圆演示版常规体";

// A font description of 60 bytes as the stored labels have them.
Bytes font_description(const std::string& face_utf8, int height);

// A label on white with black text in a 16-pixel substitute face, single line, left, top.
LabelProperties plain_label(const std::string& text_utf8);

// The label control made from these properties (or from no property block at all), laid out
// alone on a window and grabbed into an image of its size.
QImage render_label(const LabelProperties& properties, int width, int height,
                    std::uint32_t state = state_visible);
QImage render_record(const Record& record);

// An image of this size filled with `background`, then painted by `paint`.
QImage reference_image(int width, int height, QColor background,
                       const std::function<void(QPainter&)>& paint);

// Pixels that differ clearly from the background colour.
struct Ink {
  QRect box;  // bounding box; null when there is no ink
  int pixels = 0;
};
Ink ink_of(const QImage& image, QColor background, QRect within = {});

// Runs of rows that hold ink, from top to bottom: [first, last] of each.
struct Band {
  int first = 0;
  int last = 0;
};
std::vector<Band> ink_bands(const QImage& image, QColor background);

}  // namespace wufu::testing
