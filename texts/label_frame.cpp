#include "texts/label_frame.h"

#include <qdrawutil.h>
#include <QPainter>
#include <QPalette>

namespace wufu {

namespace {

constexpr int sunken_edge = 1;
constexpr int raised_frame = 2;
constexpr int thin_sunken_edge = 3;
constexpr int double_frame = 4;
constexpr int single_line = 5;

// A raised dialog frame: a two-pixel raised edge with one pixel of face colour inside it.
constexpr int raised_frame_width = 3;
constexpr int sunken_edge_width = 2;

void draw_raised_frame(QPainter& painter, const QRect& rect, const QPalette& palette) {
  qDrawWinPanel(&painter, rect, palette, false);
  const QRect face = rect.adjusted(2, 2, -2, -2);
  if (face.isValid()) qDrawPlainRect(&painter, face, palette.color(QPalette::Button), 1);
}

}  // namespace

int label_frame_width(int border_style) {
  switch (border_style) {
    case sunken_edge:
      return sunken_edge_width;
    case raised_frame:
      return raised_frame_width;
    case thin_sunken_edge:
    case single_line:
      return 1;
    case double_frame:
      return raised_frame_width + sunken_edge_width;
    default:
      return 0;
  }
}

QRect label_inner_area(const QRect& rect, int border_style) {
  const int w = label_frame_width(border_style);
  const QRect inner = rect.adjusted(w, w, -w, -w);
  return inner.isValid() ? inner : QRect(rect.center(), QSize(0, 0));
}

void draw_label_frame(QPainter& painter, const QRect& rect, int border_style,
                      const QPalette& palette) {
  if (rect.width() <= 0 || rect.height() <= 0) return;
  switch (border_style) {
    case sunken_edge:
      qDrawWinPanel(&painter, rect, palette, true);
      break;
    case raised_frame:
      draw_raised_frame(painter, rect, palette);
      break;
    case thin_sunken_edge:
      qDrawShadePanel(&painter, rect, palette, true, 1);
      break;
    case double_frame: {
      draw_raised_frame(painter, rect, palette);
      const QRect inside = rect.adjusted(raised_frame_width, raised_frame_width,
                                         -raised_frame_width, -raised_frame_width);
      if (inside.isValid()) qDrawWinPanel(&painter, inside, palette, true);
      break;
    }
    case single_line:
      qDrawPlainRect(&painter, rect, Qt::black, 1);
      break;
    default:
      break;
  }
}

}  // namespace wufu
