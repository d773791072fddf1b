// The rows of a multi-line tab strip.
#include <gtest/gtest.h>

#include "pages/tab_rows.h"

namespace wufu {
namespace {

TEST(TabRows, TabsThatFitStayInOneRowAtTheirOwnLengths) {
  const std::vector<int> natural{50, 60, 70};
  const TabRowLayout l = lay_out_tab_rows(natural, 200, 1);
  EXPECT_EQ(l.rows, 1);
  EXPECT_EQ(l.tabs, (std::vector<TabPlace>{{0, 0, 50}, {0, 50, 60}, {0, 110, 70}}));
}

TEST(TabRows, TabsWrapAndEveryRowIsStretchedToTheEdge) {
  const std::vector<int> natural{50, 60, 70, 40, 30};
  // Rows: {50, 60} (110 + 70 > 150), {70, 40, 30}.
  const TabRowLayout l = lay_out_tab_rows(natural, 150, 0);
  ASSERT_EQ(l.rows, 2);
  EXPECT_EQ(l.tabs, (std::vector<TabPlace>{
                        {0, 0, 70},
                        {0, 70, 80},  // 40 more, shared 20 + 20
                        {1, 0, 74},
                        {1, 74, 43},
                        {1, 117, 33},  // 10 more: 4, 3, 3
                    }));
}

TEST(TabRows, TheSelectedRowComesNextToThePanelAndTheOthersFollowInTurn) {
  const std::vector<int> natural{100, 100, 100, 100};  // one tab per row at edge 150
  for (int selected = 0; selected < 4; ++selected) {
    const TabRowLayout l = lay_out_tab_rows(natural, 150, selected);
    ASSERT_EQ(l.rows, 4);
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(l.tabs[static_cast<std::size_t>(i)].row, (i - selected + 4) % 4)
          << "selected " << selected << " tab " << i;
    }
  }
  // Without a selection the rows keep their order.
  EXPECT_EQ(lay_out_tab_rows(natural, 150, -1).tabs[3].row, 3);
}

TEST(TabRows, TabLongerThanTheEdgeGetsARowOfItsOwn) {
  const std::vector<int> natural{30, 500, 30};
  const TabRowLayout l = lay_out_tab_rows(natural, 100, -1);
  ASSERT_EQ(l.rows, 3);
  EXPECT_EQ(l.tabs[1], (TabPlace{1, 0, 500}));
  EXPECT_EQ(l.tabs[2], (TabPlace{2, 0, 100}));
}

TEST(TabRows, NoTabsNoRows) {
  const TabRowLayout l = lay_out_tab_rows(std::vector<int>{}, 100, 0);
  EXPECT_EQ(l.rows, 0);
  EXPECT_TRUE(l.tabs.empty());
}

}  // namespace
}  // namespace wufu
