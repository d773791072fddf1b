// The tab control on small hand-made windows: the page runs as the user clicks through the tabs,
// the initial page, the visible flag, notifications, the current-page setter, the focus rule,
// header-hidden mode, the strip's placement and the multi-line strip.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QSignalSpy>
#include <QTabBar>

#include "pages/multi_row_tab_bar.h"
#include "tests/pages/pages_fixture.h"
#include "tests/support/window_fixture.h"
#include "window/platform_values.h"
#include "window/window_properties.h"

namespace wufu::testing {
namespace {

constexpr ControlId tabs_id = 0x16010002;
constexpr ControlId a = 0x16010003, b = 0x16010004, c = 0x16010005, d = 0x16010006, e = 0x16010007,
                    f = 0x16010008;
const std::vector<ControlId> all_plain{a, b, c, d, e, f};

// A window whose tab control lists `children`, with plain controls a to f on it.
WindowDescription tabs_window(const TabControlProperties& properties,
                              std::vector<ControlId> children, int width = 744,
                              std::uint32_t state_of_c = state_visible) {
  std::vector<Record> records{window_record()};
  int top = 40;
  for (ControlId id : all_plain) {
    records.push_back(
        plain_record(id, tabs_id, 16, top, 40, 20, id == c ? state_of_c : state_visible));
    top += 24;
  }
  records.push_back(make_record(tabs_id, tab_control_kind_code, "选择夹1", 0, 0, 0, width, 432,
                                std::move(children), tab_block(properties)));
  return one_window(std::move(records));
}

struct RunsCase {
  const char* name;
  std::vector<ControlId> children;
  int captions;
  std::vector<std::set<ControlId>> pages;  // what each tab shows
};

void PrintTo(const RunsCase& c, std::ostream* os) {
  *os << c.name;
}

class PageRunsByClick : public ::testing::TestWithParam<RunsCase> {};

TEST_P(PageRunsByClick, EachTabShowsExactlyItsRun) {
  const RunsCase& t = GetParam();
  std::vector<std::string> captions;
  for (int i = 0; i < t.captions; ++i) captions.push_back("页" + std::to_string(i));
  PagesWindow w(tabs_window(tab_properties(captions), t.children));
  ASSERT_TRUE(w.ok()) << w.error();
  TabControl* tabs = w.tab_control(tabs_id);
  ASSERT_NE(tabs, nullptr);
  // Controls that no run lists are left alone by every switch: they stay as the builder put them.
  std::set<ControlId> unlisted(all_plain.begin(), all_plain.end());
  for (ControlId id : t.children) unlisted.erase(id);
  auto on_page = [&](int page) {
    std::set<ControlId> s = t.pages[static_cast<std::size_t>(page)];
    s.insert(unlisted.begin(), unlisted.end());
    return s;
  };
  EXPECT_EQ(w.shown(all_plain), on_page(0)) << "at start";
  // Forward through the tabs, then back again, so that every page is reached from others.
  std::vector<int> order;
  for (int i = 1; i < t.captions; ++i) order.push_back(i);
  for (int i = t.captions - 2; i >= 0; --i) order.push_back(i);
  for (int page : order) {
    click_tab(*tabs, page);
    EXPECT_EQ(tabs->current_page(), page);
    EXPECT_EQ(w.shown(all_plain), on_page(page)) << "page " << page;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Runs, PageRunsByClick,
    ::testing::Values(
        RunsCase{"three_runs", {a, b, 0, c, 0, d, e}, 3, {{a, b}, {c}, {d, e}}},
        RunsCase{"empty_run", {a, 0, 0, b}, 3, {{a}, {}, {b}}},
        RunsCase{"separator_first", {0, a, b, 0, c}, 3, {{}, {a, b}, {c}}},
        // Tabs 2 and 3 have no run at all; they show an empty page.
        RunsCase{"tabs_beyond_the_last_run", {a, 0, b}, 4, {{a}, {b}, {}, {}}},
        // Runs 2 and 3 lie beyond the last caption: never shown.
        RunsCase{"runs_beyond_the_last_caption", {a, 0, b, 0, c, 0, d}, 2, {{a}, {b}}},
        // 0x16019999 names no control of the window; it is skipped.
        RunsCase{"id_naming_no_control", {a, 0x16019999, 0, 0x16019999, b}, 2, {{a}, {b}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TabControlStart, InitialPageIsClampedWithoutChangingTheStoredValue) {
  struct Case {
    std::int32_t stored;
    int selected;
  } cases[] = {{-5, 0}, {0, 0}, {1, 1}, {2, 2}, {99, 2}};
  for (const Case& t : cases) {
    PagesWindow w(tabs_window(tab_properties({"一", "二", "三"}, t.stored), {a, 0, b, 0, c}));
    ASSERT_TRUE(w.ok()) << w.error();
    TabControl* tabs = w.tab_control(tabs_id);
    EXPECT_EQ(tabs->current_page(), t.selected) << t.stored;
    EXPECT_EQ(static_cast<QTabBar*>(tabs->strip())->currentIndex(), t.selected) << t.stored;
    EXPECT_EQ(tabs->properties().initial_page, t.stored);
    // The builder showed the first run; the window-shown notice then applied the current page.
    const std::set<ControlId> expected{std::vector<ControlId>{a, b, c}[t.selected]};
    EXPECT_EQ(w.shown({a, b, c}), expected) << t.stored;
  }
}

TEST(TabControlStart, NoCaptionsShowsTheFirstRunOnly) {
  PagesWindow w(tabs_window(tab_properties({}), {a, b, 0, c, 0, d}));
  ASSERT_TRUE(w.ok()) << w.error();
  TabControl* tabs = w.tab_control(tabs_id);
  EXPECT_EQ(static_cast<QTabBar*>(tabs->strip())->count(), 0);
  EXPECT_EQ(tabs->current_page(), -1);
  EXPECT_EQ(w.shown({a, b, c, d}), (std::set<ControlId>{a, b}));
  tabs->set_current_page(3);
  EXPECT_EQ(tabs->current_page(), -1);
  EXPECT_EQ(w.shown({a, b, c, d}), (std::set<ControlId>{a, b}));
}

TEST(TabControlStart, NoPropertyBlockGivesOneEmptyTab) {
  std::vector<Record> records{
      window_record(), plain_record(a, tabs_id, 16, 40), plain_record(b, tabs_id, 16, 80),
      make_record(tabs_id, tab_control_kind_code, "选择夹1", 0, 0, 0, 744, 432, {a, 0, b})};
  PagesWindow w(one_window(std::move(records)));
  ASSERT_TRUE(w.ok()) << w.error();
  auto* bar = static_cast<QTabBar*>(w.tab_control(tabs_id)->strip());
  ASSERT_EQ(bar->count(), 1);
  EXPECT_EQ(bar->tabText(0), QString());
  EXPECT_EQ(w.shown({a, b}), (std::set<ControlId>{a}));
}

TEST(TabControlPages, ListedControlWithVisibleFlagClearIsNeverShown) {
  // c is on page 1 with its visible flag clear; c's neighbour d shows as usual.
  PagesWindow w(tabs_window(tab_properties({"一", "二", "三"}), {a, 0, c, d, 0, e}, 744, 0));
  ASSERT_TRUE(w.ok()) << w.error();
  TabControl* tabs = w.tab_control(tabs_id);
  for (int page : {1, 2, 1, 0, 1}) {
    click_tab(*tabs, page);
    EXPECT_FALSE(w.control(c)->is_shown()) << page;
  }
  EXPECT_TRUE(w.control(d)->is_shown());
  tabs->set_current_page(1);
  EXPECT_FALSE(w.control(c)->is_shown());
}

TEST(TabControlPages, PageControlsAreDirectChildrenAtTheirStoredPlaces) {
  PagesWindow w(tabs_window(tab_properties({"一", "二"}), {a, 0, b}));
  ASSERT_TRUE(w.ok()) << w.error();
  QWidget* tabs = w.widget(tabs_id);
  for (ControlId id : {a, b}) {
    EXPECT_EQ(w.widget(id)->parentWidget(), tabs);
  }
  EXPECT_EQ(w.widget(a)->pos(), QPoint(16, 40));
  EXPECT_EQ(w.widget(b)->pos(), QPoint(16, 64));
}

TEST(TabControlPages, ClickingTheSelectedTabChangesNothing) {
  PagesWindow w(tabs_window(tab_properties({"一", "二"}, 1), {a, 0, b}));
  ASSERT_TRUE(w.ok()) << w.error();
  TabControl* tabs = w.tab_control(tabs_id);
  QSignalSpy clicked(tabs, &TabControl::strip_clicked);
  QSignalSpy switching(tabs, &TabControl::page_switching);
  QSignalSpy switched(tabs, &TabControl::page_switched);
  click_tab(*tabs, 1);
  EXPECT_EQ(clicked.count(), 1);
  EXPECT_EQ(switching.count(), 0);
  EXPECT_EQ(switched.count(), 0);
  EXPECT_EQ(tabs->current_page(), 1);
  EXPECT_EQ(w.shown({a, b}), (std::set<ControlId>{b}));
}

TEST(TabControlPages, UserSwitchReportsClickThenSwitchingThenSwitchedThenShowsThePage) {
  PagesWindow w(tabs_window(tab_properties({"一", "二", "三"}), {a, 0, b, 0, c}));
  ASSERT_TRUE(w.ok()) << w.error();
  TabControl* tabs = w.tab_control(tabs_id);
  std::vector<std::string> events;
  QObject::connect(tabs, &TabControl::strip_clicked, [&](int i) {
    events.push_back("clicked " + std::to_string(i) + " at " +
                     std::to_string(tabs->current_page()));
  });
  QObject::connect(tabs, &TabControl::page_switching, [&](int from, int to) {
    events.push_back("switching " + std::to_string(from) + ">" + std::to_string(to) + " at " +
                     std::to_string(tabs->current_page()));
  });
  QObject::connect(tabs, &TabControl::page_switched, [&](int page) {
    // The page switch runs after this notification: page 0 is still on show.
    events.push_back("switched " + std::to_string(page) + " at " +
                     std::to_string(tabs->current_page()) +
                     (w.control(a)->is_shown() ? " a shown" : " a hidden"));
  });
  click_tab(*tabs, 2);
  EXPECT_EQ(events, (std::vector<std::string>{"clicked 2 at 0", "switching 0>2 at 0",
                                              "switched 2 at 2 a shown"}));
  EXPECT_EQ(w.shown({a, b, c}), (std::set<ControlId>{c}));
}

TEST(TabControlPages, CurrentPageSetterClampsAndRaisesNoNotification) {
  PagesWindow w(tabs_window(tab_properties({"一", "二", "三"}), {a, 0, b, 0, c}));
  ASSERT_TRUE(w.ok()) << w.error();
  TabControl* tabs = w.tab_control(tabs_id);
  QSignalSpy switching(tabs, &TabControl::page_switching);
  QSignalSpy switched(tabs, &TabControl::page_switched);
  auto* bar = static_cast<QTabBar*>(tabs->strip());
  struct Case {
    int set;
    int page;
    ControlId shown;
  } cases[] = {{1, 1, b}, {7, 2, c}, {-3, 0, a}, {2, 2, c}};
  for (const Case& t : cases) {
    tabs->set_current_page(t.set);
    EXPECT_EQ(tabs->current_page(), t.page) << t.set;
    EXPECT_EQ(bar->currentIndex(), t.page) << t.set;
    EXPECT_EQ(w.shown({a, b, c}), (std::set<ControlId>{t.shown})) << t.set;
  }
  EXPECT_EQ(switching.count(), 0);
  EXPECT_EQ(switched.count(), 0);
  // A later click still switches from the page that was set.
  click_tab(*tabs, 0);
  EXPECT_EQ(w.shown({a, b, c}), (std::set<ControlId>{a}));
}

TEST(TabControlPages, PageBeyondTheLastRunHidesEverything) {
  PagesWindow w(tabs_window(tab_properties({"一", "二", "三", "四"}), {a, b, 0, c}));
  ASSERT_TRUE(w.ok()) << w.error();
  TabControl* tabs = w.tab_control(tabs_id);
  click_tab(*tabs, 1);
  click_tab(*tabs, 3);
  EXPECT_TRUE(w.shown({a, b, c}).empty());
}

TEST(TabControlPages, SwitchGivesTheFocusToTheLowestTabOrderThatTakesIt) {
  std::vector<Record> records{window_record()};
  // On page 1: a plain control that takes no focus, a disabled one with the lowest tab order,
  // and two focusable ones with tab orders 5 and 3.
  records.push_back(plain_record(a, tabs_id, 16, 40, 40, 20, state_visible, false));
  records.push_back(plain_record(b, tabs_id, 16, 64, 40, 20, state_visible | state_disabled, true));
  records.push_back(plain_record(c, tabs_id, 16, 88, 40, 20, state_visible, true));
  records.push_back(plain_record(d, tabs_id, 16, 112, 40, 20, state_visible, true));
  records[1].common.tab_order = 0;
  records[2].common.tab_order = 1;
  records[3].common.tab_order = 5;
  records[4].common.tab_order = 3;
  records.push_back(make_record(tabs_id, tab_control_kind_code, "选择夹1", 0, 0, 0, 744, 432,
                                {0, a, b, c, d}, tab_block(tab_properties({"一", "二"}))));
  PagesWindow w(one_window(std::move(records)));
  ASSERT_TRUE(w.ok()) << w.error();
  TabControl* tabs = w.tab_control(tabs_id);
  QWidget* window = w.window_widget();
  click_tab(*tabs, 1);
  EXPECT_EQ(window->focusWidget(), w.widget(d));
  // A page whose controls take no focus leaves it where it is.
  click_tab(*tabs, 0);
  EXPECT_EQ(window->focusWidget(), w.widget(d));
}

TEST(TabControlPages, WindowShownNoticeKeepsTheFocusWhereItWas) {
  std::vector<Record> records{window_record()};
  records.push_back(plain_record(a, tabs_id, 16, 40, 40, 20, state_visible, true));
  records.push_back(plain_record(b, tabs_id, 16, 64, 40, 20, state_visible, true));
  records.push_back(make_record(tabs_id, tab_control_kind_code, "选择夹1", 0, 0, 0, 744, 432,
                                {a, 0, b}, tab_block(tab_properties({"一", "二"}, 1))));
  PagesWindow w(one_window(std::move(records)));
  ASSERT_TRUE(w.ok()) << w.error();
  EXPECT_EQ(w.shown({a, b}), (std::set<ControlId>{b}));
  EXPECT_NE(w.window_widget()->focusWidget(), w.widget(b));
}

// --- The strip ---

TEST(TabStrip, LiesAlongTheEdgeTheTabPositionNames) {
  struct Case {
    std::uint32_t position;
    QTabBar::Shape shape;
    const char* edge;
  } cases[] = {{0, QTabBar::RoundedNorth, "top"}, {1, QTabBar::RoundedSouth, "bottom"},
               {2, QTabBar::RoundedWest, "left"}, {3, QTabBar::RoundedEast, "right"},
               {4, QTabBar::RoundedNorth, "top"}, {0xFFFFFFFF, QTabBar::RoundedNorth, "top"}};
  for (const Case& t : cases) {
    TabControlProperties p = tab_properties({"一", "二"});
    p.tab_position = t.position;
    PagesWindow w(tabs_window(p, {a, 0, b}));
    ASSERT_TRUE(w.ok()) << w.error();
    TabControl* tabs = w.tab_control(tabs_id);
    auto* bar = static_cast<QTabBar*>(tabs->strip());
    EXPECT_EQ(bar->shape(), t.shape) << t.position;
    const QRect strip = bar->geometry();
    const QRect panel = tabs->panel_rect();
    const std::string edge = t.edge;
    if (edge == "top") {
      EXPECT_EQ(strip.top(), 0);
      EXPECT_LE(strip.bottom(), panel.top() + 4);
    } else if (edge == "bottom") {
      EXPECT_EQ(strip.bottom(), tabs->height() - 1);
      EXPECT_GE(strip.top(), panel.bottom() - 4);
    } else if (edge == "left") {
      EXPECT_EQ(strip.left(), 0);
      EXPECT_LE(strip.right(), panel.left() + 4);
    } else {
      EXPECT_EQ(strip.right(), tabs->width() - 1);
      EXPECT_GE(strip.left(), panel.right() - 4);
    }
  }
}

TEST(TabStrip, DefaultFontStripOfTheStoredCaptionsIsAtMost29PixelsTall) {
  PagesWindow w(tabs_window(tab_properties({"五福简介", "AR福", "移动福", "可口可乐福", "星巴克福",
                                            "安慕希福", "其他福", "后续玩法", "说明"}),
                            {a, 0, b}));
  ASSERT_TRUE(w.ok()) << w.error();
  TabControl* tabs = w.tab_control(tabs_id);
  auto* bar = static_cast<QTabBar*>(tabs->strip());
  EXPECT_EQ(bar->font(), default_gui_font());
  EXPECT_GT(bar->height(), 0);
  EXPECT_LE(bar->height(), 29);
  // All nine tabs fit into the 744 pixels without scrolling.
  EXPECT_LE(tabs->tab_rect(8).right(), tabs->width() - 1);
}

TEST(TabStrip, StoredFontRecordGivesTheStripItsFont) {
  TabControlProperties p = tab_properties({"一", "二"});
  LogFont lf;
  lf.height = -20;
  lf.weight = 700;
  lf.set_face("DejaVu Serif");
  p.font = write_font_description(lf);
  PagesWindow w(tabs_window(p, {a, 0, b}));
  ASSERT_TRUE(w.ok()) << w.error();
  QWidget* strip = w.tab_control(tabs_id)->strip();
  EXPECT_EQ(strip->font().pixelSize(), 20);
  EXPECT_EQ(strip->font().weight(), QFont::Bold);
  // The font is the strip's alone; the page controls keep theirs.
  EXPECT_EQ(w.widget(a)->font(), w.window_widget()->font());
}

TEST(TabStrip, OneRowScrollsWhenTheTabsDoNotFit) {
  PagesWindow w(tabs_window(
      tab_properties({"第一页面", "第二页面", "第三页面", "第四页面", "第五页面", "第六页面"}),
      {a, 0, b}, 160));
  ASSERT_TRUE(w.ok()) << w.error();
  auto* bar = qobject_cast<QTabBar*>(w.tab_control(tabs_id)->strip());
  ASSERT_NE(bar, nullptr);
  EXPECT_TRUE(bar->usesScrollButtons());
  EXPECT_FALSE(bar->expanding());
  // The style may let the strip reach a pixel past the frame on either side.
  EXPECT_LE(bar->width(), 160 + 2);
  EXPECT_GT(bar->sizeHint().width(), bar->width());
}

TEST(TabStrip, MultiLineWrapsAndBringsTheSelectedRowNextToThePanel) {
  TabControlProperties p =
      tab_properties({"第一页面", "第二页面", "第三页面", "第四页面", "第五页面", "第六页面"});
  p.multi_line = 1;
  PagesWindow w(tabs_window(p, {a, 0, b, 0, c, 0, d, 0, e, 0, f}, 200));
  ASSERT_TRUE(w.ok()) << w.error();
  TabControl* tabs = w.tab_control(tabs_id);
  auto* bar = qobject_cast<MultiRowTabBar*>(tabs->strip());
  ASSERT_NE(bar, nullptr);
  ASSERT_GT(bar->rowCount(), 1);
  EXPECT_EQ(bar->width(), 200);
  const int row_depth = tabs->tab_rect(0).height();
  EXPECT_EQ(bar->height(), bar->rowCount() * row_depth);
  auto front_row_top = [&] { return bar->height() - row_depth; };
  EXPECT_EQ(tabs->tab_rect(0).top(), front_row_top());
  // Every tab within the strip, each row spanning it.
  for (int i = 0; i < 6; ++i) {
    EXPECT_TRUE(bar->geometry().contains(tabs->tab_rect(i))) << i;
  }
  // The last tab lies in a further row; clicking it moves its row next to the panel.
  ASSERT_LT(tabs->tab_rect(5).top(), front_row_top());
  click_tab(*tabs, 5);
  EXPECT_EQ(tabs->current_page(), 5);
  EXPECT_EQ(tabs->tab_rect(5).top(), front_row_top());
  EXPECT_LT(tabs->tab_rect(0).top(), front_row_top());
  EXPECT_EQ(w.shown(all_plain), (std::set<ControlId>{f}));
  // The page panel starts below all rows.
  EXPECT_GE(tabs->panel_rect().top(), bar->geometry().bottom() - 4);
}

TEST(TabStrip, MultiLineKeepsOneRowWhenTheTabsFit) {
  TabControlProperties p = tab_properties({"一", "二", "三"});
  p.multi_line = 1;
  PagesWindow w(tabs_window(p, {a, 0, b, 0, c}));
  ASSERT_TRUE(w.ok()) << w.error();
  auto* bar = qobject_cast<MultiRowTabBar*>(w.tab_control(tabs_id)->strip());
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->rowCount(), 1);
  // A single row keeps the tabs' own widths, like the one-row strip.
  QTabBar reference;
  reference.setExpanding(false);
  reference.setFont(default_gui_font());
  reference.addTab(QStringLiteral("一"));
  EXPECT_EQ(bar->tabRect(0).size(), reference.tabRect(0).size());
}

// --- Header-hidden mode ---

WindowDescription header_hidden_window(std::uint32_t filled, ColourValue colour,
                                       std::int32_t initial_page) {
  TabControlProperties p = tab_properties({"一", "二"}, initial_page);
  p.header_hidden = 1;
  p.background_filled = filled;
  p.background = colour;
  WindowProperties wp;
  wp.background = 0x0000FF;  // red, so that the window showing through can be told apart
  std::vector<Record> records{window_record(layout::write_block(window_layout(), wp)),
                              plain_record(a, tabs_id, 16, 40), plain_record(b, tabs_id, 16, 80)};
  records.push_back(make_record(tabs_id, tab_control_kind_code, "选择夹1", 0, 0, 0, 744, 432,
                                {a, 0, b}, tab_block(p)));
  return one_window(std::move(records));
}

TEST(TabControlHeaderHidden, BorderlessContainerWithoutStripShowingTheCurrentPage) {
  PagesWindow w(header_hidden_window(1, 0x00FF00, 1));
  ASSERT_TRUE(w.ok()) << w.error();
  TabControl* tabs = w.tab_control(tabs_id);
  EXPECT_EQ(tabs->strip(), nullptr);
  EXPECT_TRUE(tabs->findChildren<QTabBar*>().isEmpty());
  EXPECT_EQ(tabs->current_page(), 1);
  EXPECT_EQ(w.shown({a, b}), (std::set<ControlId>{b}));
  tabs->set_current_page(0);
  EXPECT_EQ(w.shown({a, b}), (std::set<ControlId>{a}));
}

TEST(TabControlHeaderHidden, BackgroundIsFilledOrLetThrough) {
  struct Case {
    std::uint32_t filled;
    ColourValue colour;
    QColor seen;
  } cases[] = {{1, 0x00FF00, QColor(0, 255, 0)},
               {0, 0x00FF00, QColor(255, 0, 0)},  // the window's own red
               {1, unset_colour, QColor()}};
  for (const Case& t : cases) {
    PagesWindow w(header_hidden_window(t.filled, t.colour, 0));
    ASSERT_TRUE(w.ok()) << w.error();
    const QImage image = w.window_widget()->grab().toImage();
    const QColor expected = t.seen.isValid() ? t.seen : face_colour(w.widget(tabs_id));
    // Away from the page controls, at the middle and near the edges, nothing but the background.
    for (QPoint at : {QPoint(400, 200), QPoint(1, 1), QPoint(742, 430)}) {
      EXPECT_EQ(image.pixelColor(at).rgb(), expected.rgb()) << t.filled << " " << at.x();
    }
  }
}

}  // namespace
}  // namespace wufu::testing
