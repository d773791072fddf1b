#include "window/gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace wufu {

QString from_gbk(std::string_view gbk) {
  QStringDecoder decoder("GBK");
  return decoder.decode(QByteArrayView(gbk.data(), static_cast<qsizetype>(gbk.size())));
}

std::optional<std::string> to_gbk(const QString& text) {
  QStringEncoder encoder("GBK");
  QByteArray bytes = encoder.encode(text);
  if (encoder.hasError()) return std::nullopt;
  return bytes.toStdString();
}

std::optional<std::string> gbk_to_utf8(std::string_view gbk) {
  QStringDecoder decoder("GBK");
  QString text = decoder.decode(QByteArrayView(gbk.data(), static_cast<qsizetype>(gbk.size())));
  if (decoder.hasError()) return std::nullopt;
  auto back = to_gbk(text);
  if (!back || *back != gbk) return std::nullopt;
  return text.toStdString();
}

std::optional<std::string> utf8_to_gbk(std::string_view utf8) {
  QStringDecoder decoder(QStringDecoder::Utf8);
  QString text = decoder.decode(QByteArrayView(utf8.data(), static_cast<qsizetype>(utf8.size())));
  if (decoder.hasError()) return std::nullopt;
  return to_gbk(text);
}

}  // namespace wufu
