// The nine pages of the stored description: at start only the introduction is seen, each tab
// shows exactly the controls of its page, and the notes page shows the group box in its place.
// Once with stand-ins for the label and picture box kinds, so that the page structure is checked
// on its own, and once through the program's own registry.
#include <gtest/gtest.h>

#include <QTabBar>

#include <functional>

#include "tests/pages/pages_fixture.h"
#include "tests/support/window_fixture.h"

namespace wufu::testing {
namespace {

constexpr ControlId tabs_id = 0x16010002;
constexpr ControlId box_id = 0x16010010;
constexpr ControlId box_label_id = 0x16010011;  // 标签8, inside the group box

const std::vector<std::vector<ControlId>> stored_pages{
    {0x16010014},
    {0x16010005, 0x16010004, 0x16010003},
    {0x16010007, 0x16010006},
    {0x16010008, 0x16010009},
    {0x1601000A, 0x1601000B},
    {0x1601000C, 0x1601000D},
    {0x1601000E},
    {0x1601000F},
    {0x16010015, 0x16010013, 0x16010012, box_id},
};
const char* const stored_captions[] = {"五福简介", "AR福",   "移动福",   "可口可乐福", "星巴克福",
                                       "安慕希福", "其他福", "后续玩法", "说明"};

std::vector<ControlId> all_page_controls() {
  std::vector<ControlId> all;
  for (const auto& page : stored_pages) all.insert(all.end(), page.begin(), page.end());
  all.push_back(box_label_id);
  return all;
}

// The controls seen on the window: shown themselves and by every container up to the window.
std::set<ControlId> seen(const std::function<QWidget*(ControlId)>& widget, QWidget* window) {
  std::set<ControlId> result;
  for (ControlId id : all_page_controls()) {
    if (QWidget* w = widget(id); w != nullptr && w->isVisibleTo(window)) result.insert(id);
  }
  return result;
}

std::set<ControlId> expected_on(std::size_t page) {
  std::set<ControlId> s(stored_pages[page].begin(), stored_pages[page].end());
  if (page == 8) s.insert(box_label_id);
  return s;
}

void check_nine_pages(const std::function<QWidget*(ControlId)>& widget, QWidget* window) {
  auto* tabs = dynamic_cast<TabControl*>(widget(tabs_id));
  ASSERT_NE(tabs, nullptr);
  auto* bar = qobject_cast<QTabBar*>(tabs->strip());
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->count(), 9);
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(bar->tabText(i), QString::fromUtf8(stored_captions[i])) << i;
  }
  EXPECT_EQ(tabs->geometry(), QRect(0, 0, 744, 432));
  EXPECT_LE(bar->height(), 29);

  EXPECT_EQ(tabs->current_page(), 0);
  EXPECT_EQ(seen(widget, window), expected_on(0)) << "at start";
  for (int page = 1; page < 9; ++page) {
    click_tab(*tabs, page);
    EXPECT_EQ(seen(widget, window), expected_on(static_cast<std::size_t>(page))) << page;
  }

  // The notes page: the group box in its place, its caption at the left end.
  QWidget* box = widget(box_id);
  EXPECT_EQ(box->parentWidget(), tabs);
  EXPECT_EQ(box->geometry(), QRect(QPoint(16, 29), QPoint(727, 191)));
  auto* group = dynamic_cast<GroupBox*>(box);
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->caption(), QStringLiteral("版权声明："));
  EXPECT_EQ(group->properties().caption_alignment, 0u);
  EXPECT_EQ(group->background(), QColor(255, 255, 255));
  EXPECT_EQ(widget(box_label_id)->parentWidget(), box);
  EXPECT_EQ(widget(box_label_id)->pos(), QPoint(32, 19));

  // Back to the introduction: all five controls of the notes page go.
  click_tab(*tabs, 0);
  EXPECT_EQ(seen(widget, window), expected_on(0));
  for (ControlId id : expected_on(8)) {
    EXPECT_FALSE(widget(id)->isVisibleTo(window)) << std::hex << id;
  }
}

TEST(StoredPages, NinePagesWithStandInControls) {
  PagesWindow w(stored_block(), page_kinds_with_stand_ins());
  ASSERT_TRUE(w.ok()) << w.error();
  check_nine_pages([&](ControlId id) { return w.widget(id); }, w.window_widget());
}

TEST(StoredPages, NinePagesOfTheProgram) {
  LoadedWindow w(stored_block());
  if (!w.ok()) {
    GTEST_SKIP() << "the stored description does not load yet (" << w.error()
                 << "); a kind it uses is still to be built";
  }
  check_nine_pages([&](ControlId id) { return w.widget(id); }, w.window_widget());
}

}  // namespace
}  // namespace wufu::testing
