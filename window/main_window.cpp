#include "window/main_window.h"

#include <QApplication>
#include <QDesktopServices>
#include <QIcon>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QRegion>
#include <QScreen>
#include <QUrl>
#include <QWindow>

#include <algorithm>

#include "window/description.h"
#include "window/gbk.h"
#include "window/platform_values.h"

namespace wufu {

namespace {

Qt::WindowFlags frame_flags(const WindowProperties& p) {
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint;
  if (p.border == 0) return flags | Qt::FramelessWindowHint;
  const bool title_bar = !p.title.empty() || p.control_button == 1;
  if (title_bar) flags |= Qt::WindowTitleHint;
  if (p.control_button == 1) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (p.minimize_button == 1) flags |= Qt::WindowMinimizeButtonHint;
  if (p.maximize_button == 1) flags |= Qt::WindowMaximizeButtonHint;
  if (p.border == 3 || p.border == 4) flags |= Qt::Tool;
  if (p.always_on_top == 1) flags |= Qt::WindowStaysOnTopHint;
  return flags;
}

bool sizable(const WindowProperties& p) {
  return p.border == 1 || p.border == 3 || p.border == 5;
}

QIcon icon_from(const Bytes& ico) {
  if (!ico.empty()) {
    QPixmap pixmap;
    if (pixmap.loadFromData(ico.data(), static_cast<uint>(ico.size()), "ICO")) {
      return QIcon(pixmap);
    }
  }
  // A window without icon data shows the program's own icon.
  return QIcon(QStringLiteral(":/DEFAULT_ICON"));
}

}  // namespace

MainWindow::MainWindow(WindowProperties properties, const Record& record)
    : QWidget(nullptr, frame_flags(properties)),
      properties_(std::move(properties)),
      record_(record) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(from_gbk(properties_.title));
  if (!properties_.class_name.empty()) setObjectName(from_gbk(properties_.class_name));
  const ClientSize client =
      client_size_for(properties_, record_.common.width, record_.common.height);
  if (sizable(properties_)) {
    resize(client.width, client.height);
  } else {
    setFixedSize(client.width, client.height);
  }
  const QRect frame = requested_frame();
  move(frame.topLeft());
  setWindowIcon(icon_from(properties_.icon));
  setFont(default_gui_font());
  if (properties_.shape == 1) setMask(QRegion(rect(), QRegion::Ellipse));
  setEnabled(!record_.common.disabled());
  qApp->installEventFilter(this);
}

MainWindow::~MainWindow() {
  qApp->removeEventFilter(this);
}

QRect MainWindow::requested_frame() const {
  const auto& f = record_.common;
  QPoint place(f.left, f.top);
  if (properties_.position == 1) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect full = screen != nullptr ? screen->geometry() : QRect(0, 0, f.width, f.height);
    const ScreenPoint p = centred_on_screen(full.width(), full.height(), f.width, f.height);
    place = full.topLeft() + QPoint(p.x, p.y);
  }
  return QRect(place, QSize(f.width, f.height));
}

void MainWindow::set_pointer(std::uint32_t) {
  setCursor(Qt::ArrowCursor);
}

void MainWindow::keep(std::unique_ptr<ControlLookup> controls) {
  controls_ = std::move(controls);
}

void MainWindow::show_window() {
  switch (properties_.position) {
    case 2:
      showMinimized();
      break;
    case 3:
      showMaximized();
      break;
    default:
      // A window shown for the first time is on top already; showing activates it.
      show();
      activateWindow();
      break;
  }
}

void MainWindow::restore_or_activate() {
  if (isMinimized()) {
    showNormal();
  } else {
    activateWindow();
    raise();
  }
}

// The window's own focus child, which is known before the window is active (the application's
// focus widget changes only once the window manager has activated it).
const void* MainWindow::focus_token() const {
  return focusWidget();
}

void MainWindow::restore_focus(const void* token) {
  // The token is only compared against the widgets that still exist.
  for (QWidget* w : findChildren<QWidget*>()) {
    if (w == token) {
      w->setFocus(Qt::OtherFocusReason);
      return;
    }
  }
  if (token == this) setFocus(Qt::OtherFocusReason);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget != nullptr && widget->window() == this) {
      auto* key = static_cast<QKeyEvent*>(event);
      if (event->type() == QEvent::ShortcutOverride) {
        // Claim the window's keys before any shortcut sees them.
        const int k = key->key();
        if (k == Qt::Key_Escape || k == Qt::Key_Tab || k == Qt::Key_Backtab) event->accept();
        return false;
      }
      return window_key(key);
    }
  }
  return QWidget::eventFilter(watched, event);
}

bool MainWindow::window_key(QKeyEvent* key) {
  const bool shift = (key->modifiers() & Qt::ShiftModifier) != 0;
  switch (key->key()) {
    case Qt::Key_Tab:
      move_focus(!shift);
      return true;
    case Qt::Key_Backtab:
      move_focus(false);
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (properties_.enter_moves_focus != 1) return false;
      move_focus(!shift);
      return true;
    case Qt::Key_Escape:
      if (properties_.esc_closes != 1) return false;
      close();
      return true;
    case Qt::Key_F1:
      if (properties_.f1_opens_help != 1) return false;
      if (!properties_.help_file.empty()) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(from_gbk(properties_.help_file)));
      }
      return true;
    default:
      return false;
  }
}

void MainWindow::move_focus(bool forward) {
  if (!controls_) return;
  // Tab-stop controls that are visible and enabled, in tab order (record order among equals).
  struct Stop {
    std::uint32_t order;
    QWidget* widget;
  };
  std::vector<Stop> stops;
  for (std::size_t i = 1; i < controls_->size(); ++i) {
    const Record& r = controls_->record_at(i);
    auto* w = dynamic_cast<QWidget*>(controls_->control_at(i));
    if (w != nullptr && r.common.tab_stop() && w->isVisible() && w->isEnabled()) {
      stops.push_back({r.common.tab_order, w});
    }
  }
  if (stops.empty()) return;
  std::stable_sort(stops.begin(), stops.end(),
                   [](const Stop& a, const Stop& b) { return a.order < b.order; });
  QWidget* focused = QApplication::focusWidget();
  std::size_t at = stops.size();
  for (std::size_t i = 0; i < stops.size(); ++i) {
    if (stops[i].widget == focused) at = i;
  }
  std::size_t next = 0;
  if (at == stops.size()) {
    next = forward ? 0 : stops.size() - 1;
  } else {
    next = forward ? (at + 1) % stops.size() : (at + stops.size() - 1) % stops.size();
  }
  stops[next].widget->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

void MainWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), resolve_background_colour(properties_.background, this));
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
  if (properties_.drag_anywhere == 1 && event->button() == Qt::LeftButton && windowHandle()) {
    windowHandle()->startSystemMove();
    return;
  }
  QWidget::mousePressEvent(event);
}

WindowControl* create_main_window(const std::any& properties, const CreateContext& context) {
  const auto* p = std::any_cast<WindowProperties>(&properties);
  if (p == nullptr) return nullptr;
  return new MainWindow(*p, context.record);
}

}  // namespace wufu
