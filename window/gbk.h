// Conversions of stored GBK text (code page 936), through the toolkit's text codecs.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <QString>

namespace wufu {

QString from_gbk(std::string_view gbk);
// Nothing when the text holds a character that GBK cannot hold.
std::optional<std::string> to_gbk(const QString& text);

// Strict conversions for the readable source form: nothing unless the conversion is exact, so
// that converting back gives the same bytes.
std::optional<std::string> gbk_to_utf8(std::string_view gbk);
std::optional<std::string> utf8_to_gbk(std::string_view utf8);

}  // namespace wufu
