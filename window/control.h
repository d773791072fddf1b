// What the window builder needs of a live control and of a live window. The kinds implement these
// on their widgets; the builder itself knows no toolkit and no kind.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "window/control_id.h"

namespace wufu {

struct Record;

class Control {
 public:
  virtual ~Control() = default;

  // Makes the control a child of `container` (nullptr: the window's client area) at its stored
  // left and top, which from then on count from the container's top-left corner.
  virtual void move_into(Control* container, int left, int top) = 0;
  // Stacking among siblings: directly behind `sibling`, or on top of all of them.
  virtual void stack_behind(Control& sibling) = 0;
  virtual void stack_on_top() = 0;
  // Shows without activating, or hides.
  virtual void set_shown(bool shown) = 0;
  virtual bool is_shown() const = 0;
  virtual void set_pointer(std::uint32_t pointer_number) { (void)pointer_number; }

  // Sent to every control once all of the window's controls exist and are placed.
  virtual void bind_data_notice() {}
  // Sent to every control once the window is shown.
  virtual void window_shown_notice() {}

  // Whether the control takes the keyboard focus at all, and giving it the focus.
  virtual bool takes_focus() const { return false; }
  virtual void take_focus() {}
};

// The controls of one window by id, complete once the builder has created all of them. Kinds that
// act on other controls (a paged container shows and hides its pages) look them up here.
class ControlLookup {
 public:
  virtual ~ControlLookup() = default;
  virtual Control* control(ControlId id) const = 0;
  virtual const Record* record(ControlId id) const = 0;
  // Record by record, in record order (record 0 is the window).
  virtual std::size_t size() const = 0;
  virtual Control* control_at(std::size_t index) const = 0;
  virtual const Record& record_at(std::size_t index) const = 0;
};

// A live window: the control made from record 0.
class WindowControl : public Control {
 public:
  // Keeps the window's control table for the window's whole life.
  virtual void keep(std::unique_ptr<ControlLookup> controls) = 0;
  // The kept table; nullptr until the window is loaded.
  virtual const ControlLookup* controls() const = 0;
  // The first showing, as the window's own position setting says (minimised, maximised to the
  // work area, or normally, which activates it).
  virtual void show_window() = 0;
  virtual bool is_open() const = 0;
  // A second load of an open window: restore it when minimised, else activate it.
  virtual void restore_or_activate() = 0;
  // The focus, as an opaque token, and giving it back to what the token names.
  virtual const void* focus_token() const = 0;
  virtual void restore_focus(const void* token) = 0;
};

}  // namespace wufu
