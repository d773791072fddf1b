#include "app/fatal_report.h"

#include <QMessageBox>
#include <QString>

namespace wufu {

std::string compose_fatal_text(const std::string& error_text, int error_code) {
  std::string text = "运行时出错!\r\n\r\n";
  if (error_code != 0) text += "错误代码：" + std::to_string(error_code) + "\r\n\r\n";
  if (!error_text.empty()) text += "错误信息：" + error_text + "\r\n";
  return text;
}

void fatal_error_report(const std::string& error_text, int error_code) {
  // Line breaks are CR LF in the composed text; the box wants plain line feeds.
  QString text = QString::fromStdString(compose_fatal_text(error_text, error_code));
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QMessageBox box(QMessageBox::Critical, QStringLiteral("错误"), text.trimmed(), QMessageBox::Ok,
                  nullptr);
  box.exec();
  throw FatalExit{};
}

}  // namespace wufu
