// The window builder: turns a window's records into the live window through the kinds' two
// operations, read property block and create control. It knows no kind by name.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "window/control.h"
#include "window/description.h"
#include "window/kind.h"
#include "window/result.h"

namespace wufu {

// The controls of one loaded window, record by record (the control slots of its record table).
class ControlTable : public ControlLookup {
 public:
  explicit ControlTable(const WindowEntry& entry);

  Control* control(ControlId id) const override;
  const Record* record(ControlId id) const override;
  std::size_t size() const override { return controls_.size(); }
  Control* control_at(std::size_t index) const override { return controls_[index]; }
  const Record& record_at(std::size_t index) const override { return entry_.records[index]; }
  Control* at(std::size_t index) const { return controls_[index]; }
  void set(std::size_t index, Control* control) { controls_[index] = control; }
  // The record index of an id, or -1.
  std::ptrdiff_t index_of(ControlId id) const;

 private:
  const WindowEntry& entry_;
  std::vector<Control*> controls_;
};

class WindowBuilder {
 public:
  // The builder keeps a reference: the description must outlive it.
  WindowBuilder(const WindowDescription& description, KindRegistry kinds);
  WindowBuilder(WindowDescription&&, KindRegistry) = delete;
  ~WindowBuilder();

  // Builds and shows the window `window_id`; a window that is already open is restored or
  // activated instead. On failure the reason says which record and what failed. A window made
  // before the failure stays hidden (and is kept until the builder goes).
  Result<WindowControl*> load(ControlId window_id);

  bool any_window_open() const { return !open_.empty(); }
  // The platform reports a window's destruction here.
  void window_destroyed(const WindowControl* window);

 private:
  const WindowDescription& description_;
  KindRegistry kinds_;
  std::map<ControlId, WindowControl*> open_;
  std::vector<std::unique_ptr<Control>> failed_;
};

}  // namespace wufu
