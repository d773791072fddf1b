// The font a label draws its text in, made anew at every paint.
#pragma once

#include <QFont>
#include <QString>

#include "window/byte_cursor.h"

namespace wufu {

// The font its font description asks for. Where the stored face is not installed, the platform's
// substitute for the text's Chinese characters serves as the face for the whole text, so that
// Latin and Chinese text come from one face and every line, an empty one included, has that
// face's height.
QFont label_font(ByteSpan font_description, const QString& text);

}  // namespace wufu
