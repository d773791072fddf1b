// The layout of a tab strip whose tabs wrap onto further rows: which row each tab lies in and
// where along the edge. Tabs fill a row in caption order while they fit; a tab longer than the
// edge gets a row of its own. With more than one row every row is stretched to the whole edge,
// and the rows are turned round so that the row of the selected tab lies next to the page panel,
// the others following it in their order.
#pragma once

#include <span>
#include <vector>

namespace wufu {

struct TabPlace {
  int row = 0;     // 0 lies next to the page panel
  int offset = 0;  // from the start of the edge
  int extent = 0;  // length along the edge
  friend bool operator==(const TabPlace&, const TabPlace&) = default;
};

struct TabRowLayout {
  std::vector<TabPlace> tabs;  // in caption order
  int rows = 0;
};

// `natural` holds each tab's own length along the edge, `edge` the length there is, `selected`
// the selected tab (or -1).
TabRowLayout lay_out_tab_rows(std::span<const int> natural, int edge, int selected);

}  // namespace wufu
