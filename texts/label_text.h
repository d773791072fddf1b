// How a label lays its text out in its inner area and draws it with its effect.
#pragma once

#include <QRect>
#include <QString>

#include "texts/label_properties.h"

class QFont;
class QPainter;

namespace wufu {

// The toolkit's text flags for the label's alignment and word wrap: word-wrapped text starts at
// the top whatever the vertical alignment; single-line text keeps CR LF on its line. An
// ampersand marks a mnemonic.
int label_text_flags(const LabelProperties& properties);

// Draws the text with its effect into `inner`, in transparent mode, with the painter's clip.
void draw_label_text(QPainter& painter, const QRect& inner, const LabelProperties& properties,
                     const QString& text, const QFont& font);

}  // namespace wufu
