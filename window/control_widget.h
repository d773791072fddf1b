// The part of Control that every kind's widget does the same way: placing, stacking, showing
// and the pointer. A kind's widget derives from ControlWidget<QtBase>.
#pragma once

#include <QCursor>
#include <QWidget>

#include "window/control.h"
#include "window/kind.h"

namespace wufu {

// The window's widget, the parent of every control until the builder moves it into a container.
inline QWidget* window_widget(const CreateContext& context) {
  return dynamic_cast<QWidget*>(context.window);
}

template <class Base>
class ControlWidget : public Base, public Control {
 public:
  // Created hidden at its stored place and size, clipped against its siblings, disabled as the
  // record says.
  explicit ControlWidget(const CreateContext& context) : Base(window_widget(context)) {
    const auto& f = context.record.common;
    window_ = window_widget(context);
    this->setAttribute(Qt::WA_ShowWithoutActivating);
    this->hide();
    this->setGeometry(f.left, f.top, f.width, f.height);
    this->setEnabled(!f.disabled());
  }

  void move_into(Control* container, int left, int top) override {
    QWidget* parent = container != nullptr ? dynamic_cast<QWidget*>(container) : window_;
    if (parent != nullptr && parent != this->parentWidget()) this->setParent(parent);
    this->move(left, top);
  }
  void stack_behind(Control& sibling) override {
    if (auto* w = dynamic_cast<QWidget*>(&sibling);
        w != nullptr && w->parentWidget() == this->parentWidget()) {
      this->stackUnder(w);
    }
  }
  void stack_on_top() override { this->raise(); }
  void set_shown(bool shown) override {
    if (shown) {
      this->show();
    } else {
      this->hide();
    }
  }
  // Shown as far as the control itself goes; its container may still hide it.
  bool is_shown() const override { return !this->isHidden(); }
  // Pointer number 0, and every number this program stores, is the standard arrow.
  void set_pointer(std::uint32_t) override { this->setCursor(Qt::ArrowCursor); }

 protected:
  QWidget* window_ = nullptr;
};

}  // namespace wufu
