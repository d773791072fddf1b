// snapshot: renders each of the nine pages of the embedded description to a PNG file, headless.
//
//   snapshot [OUT_DIR]     writes OUT_DIR/page-1.png .. page-9.png (default: the current folder)
//
// The window is built from the embedded block exactly as the program builds it, and each page is
// selected as a click on its tab selects it.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTabBar>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

#include "app/kinds.h"
#include "app/program_header.h"
#include "app/start.h"
#include "window/builder.h"
#include "window/description.h"

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
  if (!out.exists() && !QDir().mkpath(out.path())) {
    std::fprintf(stderr, "snapshot: cannot make %s\n", qPrintable(out.path()));
    return 1;
  }

  auto description = wufu::read_description(wufu::program_header.description_bytes());
  if (!description) {
    std::fprintf(stderr, "snapshot: the embedded description does not read: %s\n",
                 description.error().what.c_str());
    return 1;
  }
  wufu::WindowBuilder builder(*description, wufu::program_kinds());
  auto loaded = builder.load(wufu::start_window_id);
  if (!loaded) {
    std::fprintf(stderr, "snapshot: the start window does not load: %s\n",
                 loaded.error().what.c_str());
    return 1;
  }
  auto* window = dynamic_cast<QWidget*>(*loaded);
  auto* strip = window->findChild<QTabBar*>();
  if (strip == nullptr) {
    std::fprintf(stderr, "snapshot: the window has no tab strip\n");
    return 1;
  }
  int written = 0;
  for (int page = 0; page < strip->count(); ++page) {
    strip->setCurrentIndex(page);
    QApplication::processEvents();
    QImage image(window->size(), QImage::Format_RGB32);
    QPainter painter(&image);
    window->render(&painter);
    painter.end();
    const QString file = out.filePath(QStringLiteral("page-%1.png").arg(page + 1));
    if (!image.save(file)) {
      std::fprintf(stderr, "snapshot: cannot write %s\n", qPrintable(file));
      return 1;
    }
    std::printf("%s  %s\n", qPrintable(file), qPrintable(strip->tabText(page)));
    ++written;
  }
  builder.window_destroyed(*loaded);
  delete window;
  return written == 9 ? 0 : 1;
}
