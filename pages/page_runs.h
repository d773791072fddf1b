// A tab control's child list read as pages. Entries of 0 are page separators: each one ends a
// page's run of control ids and begins the next, so the k-th run belongs to the page of the k-th
// caption. Runs may be empty, and a list may hold more or fewer runs than there are captions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "window/control_id.h"

namespace wufu {

constexpr ControlId page_separator = 0;

using PageRun = std::vector<ControlId>;

// The runs of a child list, in list order; a list of n separators gives n + 1 runs.
std::vector<PageRun> page_runs(std::span<const ControlId> child_list);

// The page that a stored or requested page index selects among `page_count` pages: clamped into
// 0 to page_count - 1, a negative index giving 0. Nothing without pages.
std::optional<std::size_t> clamp_page(std::int64_t page, std::size_t page_count);

// One step of showing a page: a listed control is hidden (when it is shown) or shown.
struct PageStep {
  ControlId id = 0;
  bool show = false;
  friend bool operator==(const PageStep&, const PageStep&) = default;
};

// What a listed id stands for, as the page switch needs it: nothing when the id names no control
// that a page may show, else the control's visible flag.
struct ListedControl {
  bool exists = false;
  bool visible_flag = false;
};

// The steps of showing page `page`, in list order: every listed control of the runs before it is
// hidden, the controls of its run whose visible flag is set are shown, and every listed control
// of the runs after it is hidden. A page beyond the last run hides everything. Ids that name no
// control give no step.
template <class Lookup>  // ListedControl(ControlId)
std::vector<PageStep> page_switch_steps(std::span<const PageRun> runs, std::size_t page,
                                        Lookup&& listed) {
  std::vector<PageStep> steps;
  for (std::size_t run = 0; run < runs.size(); ++run) {
    for (ControlId id : runs[run]) {
      const ListedControl c = listed(id);
      if (!c.exists) continue;
      if (run != page) {
        steps.push_back({id, false});
      } else if (c.visible_flag) {
        steps.push_back({id, true});
      }
    }
  }
  return steps;
}

}  // namespace wufu
