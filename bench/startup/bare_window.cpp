// The bare window that start-up is measured against: the same title, size, frame and nine-caption
// tab strip built in code, with nothing read and nothing decoded.
#include <QApplication>
#include <QScreen>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>
#include <QWidget>

#include "bench/startup/first_paint.h"

namespace {

class Panel : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent*) override {
    QStylePainter p(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = rect().adjusted(0, 22, 0, 0);
    p.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  wufu::bench::watch_first_paint();
  QWidget window(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                              Qt::WindowMinimizeButtonHint);
  window.setWindowTitle(QStringLiteral("2020Pelloria-Brindlecove-By:Tarnwick"));
  window.setFixedSize(744, 432);
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  window.move((screen.width() - 750) / 2, (screen.height() - 461) / 2);
  auto* panel = new Panel(&window);
  panel->setGeometry(0, 0, 744, 432);
  auto* tabs = new QTabBar(panel);
  for (const char* caption : {"五福简介", "AR福", "移动福", "可口可乐福", "星巴克福", "安慕希福",
                              "其他福", "后续玩法", "说明"}) {
    tabs->addTab(QString::fromUtf8(caption));
  }
  tabs->move(2, 0);
  tabs->resize(tabs->sizeHint());
  window.show();
  return app.exec();
}
