// The platform values that stand in where nothing is stored, and the two operations that turn
// stored colour values and font descriptions into drawing resources.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

#include "window/byte_cursor.h"
#include "window/colour.h"

class QWidget;

namespace wufu {

// The colour of dialog and button faces, looked up now (it follows the desktop's scheme).
QColor face_colour(const QWidget* widget = nullptr);
// The stored colour, or the face colour for the unset colour.
QColor resolve_background_colour(ColourValue value, const QWidget* widget = nullptr);
// The application's palette in its active group: a disabled control paints like an enabled one,
// never with the disabled group that a disabled widget's own palette switches to.
QPalette enabled_palette();
// A text colour, used as stored.
QColor text_colour(ColourValue value);

// The default font for dialog controls: the application's default font.
QFont default_gui_font();
// The font a font description asks for: at exactly 60 bytes the described face (or the nearest
// match the platform substitutes) at the stored pixel height, else the default GUI font.
QFont make_font(ByteSpan font_description);

}  // namespace wufu
