#include "texts/label_font.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>

#include "window/font_description.h"
#include "window/gbk.h"
#include "window/platform_values.h"

namespace wufu {

namespace {

// The face the toolkit draws this character in with this font.
QString face_drawing(const QFont& font, const QString& character) {
  QTextLayout layout(character, font);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  const QList<QGlyphRun> runs = layout.glyphRuns();
  if (runs.isEmpty()) return {};
  return runs.front().rawFont().familyName();
}

}  // namespace

QFont label_font(ByteSpan font_description, const QString& text) {
  QFont font = make_font(font_description);
  // Only a described face can be missing; the default GUI font stays as it is.
  const auto described = parse_font_description(font_description);
  if (!described || QFontDatabase::hasFamily(from_gbk(described->face()))) return font;
  const auto han = std::find_if(text.begin(), text.end(),
                                [](QChar c) { return c.script() == QChar::Script_Han; });
  if (han == text.end()) return font;
  const QString substitute = face_drawing(font, QString(*han));
  if (!substitute.isEmpty()) font.setFamilies({font.family(), substitute});
  return font;
}

}  // namespace wufu
