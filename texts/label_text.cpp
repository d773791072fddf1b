#include "texts/label_text.h"

#include <QFont>
#include <QPainter>

#include "window/platform_values.h"

namespace wufu {

namespace {

constexpr int multi_line = 1;

int horizontal_flags(int alignment) {
  switch (alignment) {
    case 1:
      return Qt::AlignHCenter;
    case 2:
      return Qt::AlignRight;
    default:
      return Qt::AlignLeft;
  }
}

int vertical_flags(int alignment) {
  switch (alignment) {
    case 1:
      return Qt::AlignVCenter;
    case 2:
      return Qt::AlignBottom;
    default:
      return Qt::AlignTop;
  }
}

// One drawing of the text: its colour and how far it lies right of and below the inner area.
struct TextPass {
  QColor colour;
  QPoint offset;
};

}  // namespace

int label_text_flags(const LabelProperties& p) {
  // Alignments are absolute: left stays left whatever the layout direction.
  const int horizontal = horizontal_flags(p.horizontal_alignment) | Qt::AlignAbsolute;
  if (p.word_wrap == multi_line) {
    return horizontal | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;
  }
  return horizontal | vertical_flags(p.vertical_alignment) | Qt::TextSingleLine |
         Qt::TextShowMnemonic;
}

void draw_label_text(QPainter& painter, const QRect& inner, const LabelProperties& p,
                     const QString& text, const QFont& font) {
  const QColor white(255, 255, 255);
  const QColor black(0, 0, 0);
  const QColor colour = text_colour(p.text_colour);
  TextPass passes[2];
  int count = 0;
  switch (p.effect) {
    case 1:  // engraved: a white copy one pixel right and down behind the text
      passes[count++] = {white, {1, 1}};
      passes[count++] = {colour, {0, 0}};
      break;
    case 2:  // embossed: the text one pixel right and down over a white copy
      passes[count++] = {white, {0, 0}};
      passes[count++] = {colour, {1, 1}};
      break;
    case 3:  // shadow: a black copy two pixels right and down behind the text
      passes[count++] = {black, {2, 2}};
      passes[count++] = {colour, {0, 0}};
      break;
    default:
      passes[count++] = {colour, {0, 0}};
      break;
  }

  const int flags = label_text_flags(p);
  painter.setFont(font);
  painter.setBackgroundMode(Qt::TransparentMode);
  for (int i = 0; i < count; ++i) {
    painter.setPen(passes[i].colour);
    painter.drawText(inner.translated(passes[i].offset), flags, text);
  }
}

}  // namespace wufu
