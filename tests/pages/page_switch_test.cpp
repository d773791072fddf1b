// Page runs and the page switch, without a display: the runs a child list gives, the clamped
// page, and what showing a page does to the window's controls.
#include <gtest/gtest.h>

#include <map>

#include "pages/page_runs.h"
#include "pages/page_switch.h"
#include "window/description.h"

namespace wufu {
namespace {

TEST(PageRuns, SeparatorsSplitTheChildList) {
  struct Case {
    std::vector<ControlId> list;
    std::vector<PageRun> runs;
  } cases[] = {
      {{}, {{}}},
      {{1, 2}, {{1, 2}}},
      {{1, 0, 2, 3, 0, 4}, {{1}, {2, 3}, {4}}},
      {{1, 0, 0, 2}, {{1}, {}, {2}}},  // an empty run
      {{0, 1}, {{}, {1}}},             // a separator first
      {{1, 0}, {{1}, {}}},             // a separator last
      {{0, 0}, {{}, {}, {}}},
  };
  for (const Case& t : cases) EXPECT_EQ(page_runs(t.list), t.runs);
}

TEST(PageRuns, PageIsClampedIntoThePages) {
  struct Case {
    std::int64_t page;
    std::size_t count;
    std::optional<std::size_t> clamped;
  } cases[] = {
      {0, 9, 0},         {8, 9, 8}, {9, 9, 8}, {1000000, 9, 8},      {-1, 9, 0},
      {INT32_MIN, 9, 0}, {0, 1, 0}, {5, 1, 0}, {0, 0, std::nullopt}, {-3, 0, std::nullopt}};
  for (const Case& t : cases) {
    EXPECT_EQ(clamp_page(t.page, t.count), t.clamped) << t.page << " of " << t.count;
  }
}

TEST(PageSwitchSteps, HideBeforeShowFlaggedThenHideAfter) {
  // 5 has its visible flag clear; 9 names no control.
  auto listed = [](ControlId id) { return ListedControl{id != 9, id != 5}; };
  const std::vector<PageRun> runs = page_runs(std::vector<ControlId>{1, 2, 0, 3, 5, 9, 4, 0, 6});
  using S = PageStep;
  EXPECT_EQ(page_switch_steps(runs, 1, listed),
            (std::vector<S>{{1, false}, {2, false}, {3, true}, {4, true}, {6, false}}));
  EXPECT_EQ(page_switch_steps(runs, 0, listed),
            (std::vector<S>{{1, true}, {2, true}, {3, false}, {5, false}, {4, false}, {6, false}}));
  // Beyond the last run: everything is hidden.
  EXPECT_EQ(
      page_switch_steps(runs, 3, listed),
      (std::vector<S>{{1, false}, {2, false}, {3, false}, {5, false}, {4, false}, {6, false}}));
}

// Controls that only remember whether they are shown and what was done to them.
class FakeControl : public Control {
 public:
  explicit FakeControl(bool focus = false) : focus_(focus) {}
  void move_into(Control*, int, int) override {}
  void stack_behind(Control&) override {}
  void stack_on_top() override {}
  void set_shown(bool shown) override {
    shown_ = shown;
    ++changes;
  }
  bool is_shown() const override { return shown_; }
  bool takes_focus() const override { return focus_; }

  int changes = 0;

 private:
  bool shown_ = false;
  bool focus_;
};

class FakeLookup : public ControlLookup {
 public:
  void add(ControlId id, Control* c, std::uint32_t state = state_visible, std::uint32_t order = 0) {
    Record r;
    r.id = id;
    r.common.state = state;
    r.common.tab_order = order;
    records_.push_back(r);
    controls_.push_back(c);
  }
  Control* control(ControlId id) const override {
    for (std::size_t i = 0; i < records_.size(); ++i) {
      if (records_[i].id == id) return controls_[i];
    }
    return nullptr;
  }
  const Record* record(ControlId id) const override {
    for (const auto& r : records_) {
      if (r.id == id) return &r;
    }
    return nullptr;
  }
  std::size_t size() const override { return records_.size(); }
  Control* control_at(std::size_t i) const override { return controls_[i]; }
  const Record& record_at(std::size_t i) const override { return records_[i]; }

 private:
  std::vector<Record> records_;
  std::vector<Control*> controls_;
};

TEST(ShowPage, ShowsTheRunAndHidesOnlyWhatIsShown) {
  FakeControl window, tabs, x, y, z, hidden_flag;
  FakeLookup lookup;
  lookup.add(100, &window);
  lookup.add(1, &x);
  lookup.add(2, &y);
  lookup.add(3, &z);
  lookup.add(4, &hidden_flag, 0);
  lookup.add(50, &tabs);
  x.set_shown(true);
  x.changes = 0;
  window.set_shown(true);
  tabs.set_shown(true);
  // The window (100) and the tab control itself (50) listed by mistake are left alone.
  const std::vector<PageRun> runs = page_runs(std::vector<ControlId>{1, 100, 0, 2, 4, 50, 0, 3});
  const PageSwitch done = show_page(lookup, runs, 1, &tabs);
  EXPECT_FALSE(x.is_shown());
  EXPECT_TRUE(y.is_shown());
  EXPECT_FALSE(z.is_shown());
  EXPECT_FALSE(hidden_flag.is_shown());
  EXPECT_TRUE(window.is_shown());
  EXPECT_TRUE(tabs.is_shown());
  EXPECT_EQ(z.changes, 0) << "a hidden control is not hidden again";
  EXPECT_EQ(hidden_flag.changes, 0);
  ASSERT_EQ(done.shown.size(), 1u);
  EXPECT_EQ(done.shown[0].id, 2u);
  ASSERT_EQ(done.hidden.size(), 1u);
  EXPECT_EQ(done.hidden[0].control, &x);
}

TEST(ShowPage, FocusGoesToTheLowestTabOrderAmongEnabledControlsThatTakeIt) {
  FakeControl plain, disabled(true), later(true), first(true), tie(true);
  FakeLookup lookup;
  lookup.add(1, &plain, state_visible, 0);
  lookup.add(2, &disabled, state_visible | state_disabled, 0);
  lookup.add(3, &later, state_visible, 7);
  lookup.add(4, &first, state_visible, 2);
  lookup.add(5, &tie, state_visible, 2);
  const std::vector<PageRun> runs = page_runs(std::vector<ControlId>{1, 2, 3, 4, 5});
  const PageSwitch done = show_page(lookup, runs, 0, nullptr);
  EXPECT_EQ(page_focus_target(lookup, done.shown), &first);
  const PageSwitch none = show_page(lookup, page_runs(std::vector<ControlId>{1, 2}), 0, nullptr);
  EXPECT_EQ(page_focus_target(lookup, none.shown), nullptr);
}

}  // namespace
}  // namespace wufu
