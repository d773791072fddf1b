// The fatal error report's box: its title, icon, button and text, read off the live box.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "app/fatal_report.h"

namespace wufu {
namespace {

struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  bool has_owner = true;
};

// Reads the box once it is up, then dismisses it with its button.
SeenBox report_and_dismiss(const std::string& text) {
  SeenBox seen;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
            box->parentWidget() != nullptr};
    box->button(QMessageBox::Ok)->click();
  });
  poll.start(10);
  EXPECT_THROW(fatal_error_report(text), FatalExit);
  return seen;
}

TEST(FatalReportBox, ShowsTheErrorTextInAnOwnerlessErrorBox) {
  for (const char* text : {description_unreadable_text, start_window_failed_text}) {
    const SeenBox box = report_and_dismiss(text);
    EXPECT_EQ(box.title, QStringLiteral("错误"));
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_EQ(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_FALSE(box.has_owner);
    EXPECT_EQ(box.text, QStringLiteral("运行时出错!\n\n错误信息：") + QString::fromUtf8(text));
  }
}

}  // namespace
}  // namespace wufu
