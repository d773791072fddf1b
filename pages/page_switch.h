// The page switch of a tab control, applied to the window's controls: which of them it shows and
// hides, and which one receives the keyboard focus afterwards. Works on the builder's control
// interfaces only, so that it runs without a display.
#pragma once

#include <span>
#include <vector>

#include "pages/page_runs.h"
#include "window/control.h"

namespace wufu {

struct SwitchedControl {
  ControlId id = 0;
  Control* control = nullptr;
};

struct PageSwitch {
  std::vector<SwitchedControl> shown;   // in list order
  std::vector<SwitchedControl> hidden;  // those that were shown before
};

// Shows page `page` of `runs`. `self` is the tab control: neither it nor the window is ever
// treated as one of its page controls.
PageSwitch show_page(const ControlLookup& controls, std::span<const PageRun> runs, std::size_t page,
                     const Control* self);

// Among the controls a switch has shown, the one that receives the focus: enabled, of a kind
// that takes the focus, with the lowest tab order (the first listed among equals). nullptr when
// there is none, and the focus stays where it is.
Control* page_focus_target(const ControlLookup& controls, std::span<const SwitchedControl> shown);

}  // namespace wufu
