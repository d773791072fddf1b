#include "pages/page_switch.h"

#include "window/description.h"

namespace wufu {

namespace {

Control* page_control(const ControlLookup& controls, ControlId id, const Control* self) {
  Control* c = controls.control(id);
  if (c == nullptr || c == self) return nullptr;
  if (controls.size() > 0 && c == controls.control_at(0)) return nullptr;
  return c;
}

}  // namespace

PageSwitch show_page(const ControlLookup& controls, std::span<const PageRun> runs, std::size_t page,
                     const Control* self) {
  const auto steps = page_switch_steps(runs, page, [&](ControlId id) {
    const Record* r = controls.record(id);
    return ListedControl{page_control(controls, id, self) != nullptr,
                         r != nullptr && r->common.visible()};
  });
  PageSwitch result;
  for (const PageStep& step : steps) {
    Control* c = controls.control(step.id);
    if (step.show) {
      c->set_shown(true);
      result.shown.push_back({step.id, c});
    } else if (c->is_shown()) {
      c->set_shown(false);
      result.hidden.push_back({step.id, c});
    }
  }
  return result;
}

Control* page_focus_target(const ControlLookup& controls, std::span<const SwitchedControl> shown) {
  Control* target = nullptr;
  std::uint32_t lowest = 0;
  for (const SwitchedControl& s : shown) {
    const Record* r = controls.record(s.id);
    if (r == nullptr || r->common.disabled() || !s.control->takes_focus()) continue;
    if (target == nullptr || r->common.tab_order < lowest) {
      target = s.control;
      lowest = r->common.tab_order;
    }
  }
  return target;
}

}  // namespace wufu
