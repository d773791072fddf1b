#include "tests/pictures/picture_box_fixture.h"

#include <png.h>

#include <QPixmap>
#include <QWidget>

#include <algorithm>
#include <vector>

#include "tests/pictures/picture_fixtures.h"

namespace wufu::testing {

Record box_record(Bytes property_block, int width, int height, std::uint32_t state) {
  return make_record(box_id, picture_box_kind_code, "图片框1", 0, 0, 0, width, height, {},
                     std::move(property_block), state);
}

Record box_record(const PictureBoxProperties& properties, int width, int height,
                  std::uint32_t state) {
  return box_record(layout::write_block(picture_box_layout(), properties), width, height, state);
}

ShownBox::ShownBox(Record record) {
  record.common.parent = 0;
  const ControlId id = record.id;
  window_ = std::make_unique<LoadedWindow>(one_window({window_record(), std::move(record)}));
  if (window_->ok()) box_ = dynamic_cast<PictureBox*>(window_->widget(id));
}

QImage ShownBox::grab() const {
  if (box_ == nullptr) return {};
  return box_->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QColor picture_colour(int x, int y) {
  // No pixel is a grey, so none can be taken for the face colour, nor for a pure blue.
  return QColor((x * 37 + 20) % 256, 255 - (y * 23) % 200, (x * 11 + y * 5) % 90);
}

Bytes opaque_png(int width, int height) {
  std::vector<std::uint8_t> rgba;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const QColor c = picture_colour(x, y);
      rgba.insert(rgba.end(),
                  {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                   static_cast<std::uint8_t>(c.blue()), 255});
    }
  }
  return pictures::testing::encode_png(width, height, PNG_FORMAT_RGBA, rgba.data());
}

QRect area_unlike(const QImage& image, QColor colour, QRect within) {
  if (within.isNull()) within = image.rect();
  within &= image.rect();
  const QRgb want = colour.rgb();
  QRect box;
  for (int y = within.top(); y <= within.bottom(); ++y) {
    for (int x = within.left(); x <= within.right(); ++x) {
      if (image.pixel(x, y) != want) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

int pixels_unlike(const QImage& image, QColor colour, QRect within) {
  within &= image.rect();
  const QRgb want = colour.rgb();
  int n = 0;
  for (int y = within.top(); y <= within.bottom(); ++y) {
    for (int x = within.left(); x <= within.right(); ++x) n += image.pixel(x, y) != want;
  }
  return n;
}

}  // namespace wufu::testing
