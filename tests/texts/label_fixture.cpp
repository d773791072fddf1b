#include "tests/texts/label_fixture.h"

#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include <algorithm>
#include <cstdlib>

#include "tests/support/window_fixture.h"
#include "window/font_description.h"
#include "window/gbk.h"

namespace wufu::testing {

namespace {

constexpr ControlId label_id = 0x16010005;

}  // namespace

Bytes font_description(const std::string& face_utf8, int height) {
  LogFont f;
  f.height = height;
  f.weight = 400;
  f.char_set = 134;
  f.set_face(to_gbk(QString::fromStdString(face_utf8)).value_or(std::string()));
  return write_font_description(f);
}

LabelProperties plain_label(const std::string& text_utf8) {
  LabelProperties p;
  p.background = 0x00FFFFFF;
  p.vertical_alignment = 0;
  p.font = font_description(missing_face, -16);
  p.text = to_gbk(QString::fromStdString(text_utf8)).value_or(std::string());
  return p;
}

QImage render_record(const Record& record) {
  LoadedWindow window(one_window({window_record(), record}));
  if (!window.ok()) return {};
  QWidget* label = window.widget(record.id);
  if (label == nullptr) return {};
  return label->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage render_label(const LabelProperties& properties, int width, int height, std::uint32_t state) {
  return render_record(make_record(label_id, label_kind_code, "标签1", 0, 0, 0, width, height, {},
                                   layout::write_block(label_layout(), properties), state));
}

QImage reference_image(int width, int height, QColor background,
                       const std::function<void(QPainter&)>& paint) {
  // A pixmap, like the widget, takes the screen's resolution, which fonts given in points follow.
  QPixmap pixmap(width, height);
  pixmap.fill(background);
  QPainter painter(&pixmap);
  paint(painter);
  painter.end();
  return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

Ink ink_of(const QImage& image, QColor background, QRect within) {
  if (within.isNull()) within = image.rect();
  within &= image.rect();
  Ink ink;
  int left = within.right() + 1, top = within.bottom() + 1, right = -1, bottom = -1;
  for (int y = within.top(); y <= within.bottom(); ++y) {
    for (int x = within.left(); x <= within.right(); ++x) {
      const QColor c = image.pixelColor(x, y);
      const int d =
          std::max({std::abs(c.red() - background.red()), std::abs(c.green() - background.green()),
                    std::abs(c.blue() - background.blue())});
      if (d < 64) continue;
      ++ink.pixels;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  if (ink.pixels > 0) ink.box = QRect(QPoint(left, top), QPoint(right, bottom));
  return ink;
}

std::vector<Band> ink_bands(const QImage& image, QColor background) {
  std::vector<Band> bands;
  bool in_band = false;
  for (int y = 0; y < image.height(); ++y) {
    const bool inked = ink_of(image, background, QRect(0, y, image.width(), 1)).pixels > 0;
    if (inked && !in_band) bands.push_back({y, y});
    if (inked) bands.back().last = y;
    in_band = inked;
  }
  return bands;
}

}  // namespace wufu::testing
