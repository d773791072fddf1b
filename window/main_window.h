// The window kind's live window: a top-level widget made from record 0 of a window.
#pragma once

#include <QPointer>
#include <QWidget>

#include <memory>

#include "window/control.h"
#include "window/kind.h"
#include "window/window_properties.h"

namespace wufu {

class MainWindow : public QWidget, public WindowControl {
  Q_OBJECT

 public:
  MainWindow(WindowProperties properties, const Record& record);
  ~MainWindow() override;

  const WindowProperties& properties() const { return properties_; }
  // The outer rectangle the window asks for on the screen: stored or centred place, stored size.
  QRect requested_frame() const;

  // Control
  void move_into(Control*, int, int) override {}
  void stack_behind(Control&) override {}
  void stack_on_top() override {}
  void set_shown(bool shown) override { setVisible(shown); }
  bool is_shown() const override { return isVisible(); }
  void set_pointer(std::uint32_t pointer_number) override;

  // WindowControl
  void keep(std::unique_ptr<ControlLookup> controls) override;
  const ControlLookup* controls() const override { return controls_.get(); }
  void show_window() override;
  bool is_open() const override { return true; }
  void restore_or_activate() override;
  const void* focus_token() const override;
  void restore_focus(const void* token) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  // Keys the window looks at before they reach the focused control; true when used up.
  bool window_key(QKeyEvent* key);
  void move_focus(bool forward);

  WindowProperties properties_;
  const Record& record_;
  std::unique_ptr<ControlLookup> controls_;
};

// The window kind's create operation.
WindowControl* create_main_window(const std::any& properties, const CreateContext& context);

}  // namespace wufu
