// The frame that a label's border style puts around its inner area.
#pragma once

#include <QRect>

class QPainter;
class QPalette;

namespace wufu {

// The frame's thickness in pixels on each side: 1 sunken edge 2, 2 raised dialog frame 3,
// 3 thin sunken edge 1, 4 double frame 5 (the raised frame outside the sunken edge), 5 single
// line 1; 0, 6 (the gradient frame, drawn inside the inner area) and any other value 0.
int label_frame_width(int border_style);

// The inner area of a label of this size: the rectangle less the frame.
QRect label_inner_area(const QRect& rect, int border_style);

// Draws the frame of `border_style` in the band between `rect` and its inner area, in the colours
// of `palette`'s current colour group.
void draw_label_frame(QPainter& painter, const QRect& rect, int border_style,
                      const QPalette& palette);

}  // namespace wufu
