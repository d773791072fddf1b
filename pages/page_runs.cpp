#include "pages/page_runs.h"

#include <algorithm>

namespace wufu {

std::vector<PageRun> page_runs(std::span<const ControlId> child_list) {
  std::vector<PageRun> runs(1);
  for (ControlId id : child_list) {
    if (id == page_separator) {
      runs.emplace_back();
    } else {
      runs.back().push_back(id);
    }
  }
  return runs;
}

std::optional<std::size_t> clamp_page(std::int64_t page, std::size_t page_count) {
  if (page_count == 0) return std::nullopt;
  const auto last = static_cast<std::int64_t>(page_count - 1);
  return static_cast<std::size_t>(std::clamp<std::int64_t>(page, 0, last));
}

}  // namespace wufu
