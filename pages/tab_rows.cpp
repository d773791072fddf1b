#include "pages/tab_rows.h"

#include <algorithm>
#include <cstddef>

namespace wufu {

TabRowLayout lay_out_tab_rows(std::span<const int> natural, int edge, int selected) {
  TabRowLayout layout;
  layout.tabs.resize(natural.size());
  // Rows as ranges of tab indices [first, last).
  std::vector<std::pair<std::size_t, std::size_t>> rows;
  long long used = 0;
  for (std::size_t i = 0; i < natural.size(); ++i) {
    const int extent = std::max(natural[i], 0);
    if (rows.empty() || (i > rows.back().first && used + extent > edge)) {
      rows.push_back({i, i});
      used = 0;
    }
    rows.back().second = i + 1;
    used += extent;
  }
  layout.rows = static_cast<int>(rows.size());

  for (std::size_t r = 0; r < rows.size(); ++r) {
    const auto [first, last] = rows[r];
    long long sum = 0;
    for (std::size_t i = first; i < last; ++i) sum += std::max(natural[i], 0);
    const auto count = static_cast<long long>(last - first);
    const long long extra = rows.size() > 1 ? std::max(0LL, edge - sum) : 0;
    long long offset = 0;
    for (std::size_t i = first; i < last; ++i) {
      const auto k = static_cast<long long>(i - first);
      const long long extent =
          std::max(natural[i], 0) + extra / count + (k < extra % count ? 1 : 0);
      layout.tabs[i] =
          TabPlace{static_cast<int>(r), static_cast<int>(offset), static_cast<int>(extent)};
      offset += extent;
    }
  }

  if (selected >= 0 && static_cast<std::size_t>(selected) < natural.size()) {
    const int front = layout.tabs[static_cast<std::size_t>(selected)].row;
    for (TabPlace& t : layout.tabs) t.row = (t.row - front + layout.rows) % layout.rows;
  }
  return layout;
}

}  // namespace wufu
