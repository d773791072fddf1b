#include "window/platform_values.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPalette>
#include <QWidget>

#include <cmath>

#include "window/font_description.h"
#include "window/gbk.h"

namespace wufu {

QColor face_colour(const QWidget* widget) {
  const QPalette palette = widget != nullptr ? widget->palette() : QApplication::palette();
  return palette.color(QPalette::Button);
}

QPalette enabled_palette() {
  QPalette palette = QApplication::palette();
  palette.setCurrentColorGroup(QPalette::Active);
  return palette;
}

QColor text_colour(ColourValue value) {
  const Rgb rgb = colour_rgb(value);
  return QColor(rgb.red, rgb.green, rgb.blue);
}

QColor resolve_background_colour(ColourValue value, const QWidget* widget) {
  if (value == unset_colour) return face_colour(widget);
  return text_colour(value);
}

QFont default_gui_font() {
  return QApplication::font();
}

QFont make_font(ByteSpan font_description) {
  const auto logfont = parse_font_description(font_description);
  if (!logfont) return default_gui_font();

  QFont font(from_gbk(logfont->face()));
  // The face is matched by name whatever the stored character set; a face that is not installed
  // is replaced by the nearest match, and text it lacks glyphs for falls back per script.
  font.setStyleHint(QFont::AnyStyle, QFont::PreferQuality);
  if (logfont->height < 0) {
    font.setPixelSize(-logfont->height);
  } else if (logfont->height > 0) {
    // A positive height is the cell height, internal leading included.
    font.setPixelSize(logfont->height);
    const qreal cell = QFontMetricsF(font).height();
    if (cell > 0) {
      font.setPixelSize(
          std::max(1, static_cast<int>(std::lround(logfont->height * logfont->height / cell))));
    }
  } else {
    const QFontInfo base(default_gui_font());
    font.setPixelSize(base.pixelSize());
  }
  if (logfont->weight > 0) {
    font.setWeight(static_cast<QFont::Weight>(std::clamp(logfont->weight, 1, 1000)));
  }
  font.setItalic(logfont->italic != 0);
  font.setUnderline(logfont->underline != 0);
  font.setStrikeOut(logfont->strike_out != 0);
  if (logfont->width > 0) {
    const qreal natural = QFontMetricsF(font).averageCharWidth();
    if (natural > 0) {
      font.setStretch(
          std::clamp(static_cast<int>(std::lround(100.0 * logfont->width / natural)), 1, 4000));
    }
  }
  return font;
}

}  // namespace wufu
