// The group box: its caption at the stored end of the top edge in the stored colour, the
// background filling the whole box, and its children inside it, seen exactly when it is.
#include <gtest/gtest.h>

#include <QImage>

#include "tests/pages/pages_fixture.h"
#include "tests/support/window_fixture.h"
#include "window/platform_values.h"

namespace wufu::testing {
namespace {

constexpr ControlId tabs_id = 0x16010002;
constexpr ControlId box_id = 0x16010010;
constexpr ControlId inside_id = 0x16010011;
constexpr ControlId other_id = 0x16010003;

// A tab control with page 0 holding `other` and page 1 holding the group box, which holds a
// plain control at (32, 19).
WindowDescription box_window(const GroupBoxProperties& box) {
  return one_window({
      window_record(),
      plain_record(other_id, tabs_id, 16, 40),
      make_record(box_id, group_box_kind_code, "分组框1", tabs_id, 16, 29, 712, 163, {inside_id},
                  group_block(box)),
      plain_record(inside_id, box_id, 32, 19, 520, 136),
      make_record(tabs_id, tab_control_kind_code, "选择夹1", 0, 0, 0, 744, 432,
                  {other_id, 0, box_id}, tab_block(tab_properties({"一", "说明"}))),
  });
}

// The box as it paints itself, alone.
QImage paint_box(const GroupBoxProperties& box, QSize size = QSize(712, 163)) {
  PagesWindow w(box_window(box));
  EXPECT_TRUE(w.ok()) << w.error();
  if (!w.ok()) return {};
  GroupBox* g = w.group_box(box_id);
  g->resize(size);
  // The child would cover part of the box; only the box itself is looked at here.
  w.control(inside_id)->set_shown(false);
  return g->grab().toImage();
}

// The horizontal extent of the pixels in the top `rows` rows that are clearly of `ink`.
std::pair<int, int> ink_columns(const QImage& image, QColor ink, int rows) {
  int first = image.width(), last = -1;
  for (int y = 0; y < rows && y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor p = image.pixelColor(x, y);
      const int distance = std::abs(p.red() - ink.red()) + std::abs(p.green() - ink.green()) +
                           std::abs(p.blue() - ink.blue());
      if (distance < 200) {
        first = std::min(first, x);
        last = std::max(last, x);
      }
    }
  }
  return {first, last};
}

TEST(GroupBoxCaption, SitsAtTheEndOfTheTopEdgeTheAlignmentNames) {
  struct Case {
    std::uint32_t alignment;
    const char* where;
  } cases[] = {{0, "left"}, {1, "centre"}, {2, "right"}, {7, "right"}, {0xFFFFFFFF, "right"}};
  for (const Case& t : cases) {
    GroupBoxProperties p = group_properties("版权声明：", t.alignment, 0xFFFFFF);
    p.text_colour = 0x0000FF;  // red, to find the caption among the frame's greys
    const QImage image = paint_box(p);
    ASSERT_FALSE(image.isNull());
    const auto [first, last] = ink_columns(image, QColor(255, 0, 0), 24);
    ASSERT_LE(first, last) << "no caption seen for alignment " << t.alignment;
    const int width = image.width();
    const int middle = (first + last) / 2;
    const std::string where = t.where;
    if (where == "left") {
      EXPECT_LT(first, 24) << t.alignment;
    } else if (where == "centre") {
      EXPECT_NEAR(middle, width / 2, 6) << t.alignment;
    } else {
      EXPECT_GT(last, width - 24) << t.alignment;
    }
  }
}

TEST(GroupBoxCaption, EmptyCaptionDrawsNoText) {
  GroupBoxProperties p = group_properties("", 0, 0xFFFFFF);
  p.text_colour = 0x0000FF;
  const QImage image = paint_box(p);
  const auto [first, last] = ink_columns(image, QColor(255, 0, 0), 24);
  EXPECT_GT(first, last);
}

TEST(GroupBoxBackground, FillsTheWholeBoxFrameAndCaptionAreaIncluded) {
  struct Case {
    ColourValue stored;
    QColor seen;  // invalid: the face colour
  } cases[] = {
      {0xFFFFFF, QColor(255, 255, 255)}, {0x00FF00, QColor(0, 255, 0)}, {unset_colour, QColor()}};
  for (const Case& t : cases) {
    const QImage image = paint_box(group_properties("版权声明：", 0, t.stored));
    ASSERT_FALSE(image.isNull());
    const QColor expected = t.seen.isValid() ? t.seen : face_colour();
    const int w = image.width(), h = image.height();
    // Above the frame: the corners and the caption row beside the caption.
    for (QPoint at : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(w - 40, 3)}) {
      EXPECT_EQ(image.pixelColor(at).rgb(), expected.rgb())
          << std::hex << t.stored << " at " << std::dec << at.x() << "," << at.y();
    }
    // Inside the frame the style may lay its own faint shade over the background.
    const QColor inside = image.pixelColor(w / 2, h / 2);
    EXPECT_NEAR(inside.red(), expected.red(), 8) << std::hex << t.stored;
    EXPECT_NEAR(inside.green(), expected.green(), 8) << std::hex << t.stored;
    EXPECT_NEAR(inside.blue(), expected.blue(), 8) << std::hex << t.stored;
  }
}

TEST(GroupBoxChildren, PlacedFromTheBoxAndSeenExactlyWithIt) {
  PagesWindow w(box_window(group_properties("版权声明：", 0, 0xFFFFFF)));
  ASSERT_TRUE(w.ok()) << w.error();
  QWidget* box = w.widget(box_id);
  QWidget* inside = w.widget(inside_id);
  QWidget* window = w.window_widget();
  EXPECT_EQ(box->parentWidget(), w.widget(tabs_id));
  EXPECT_EQ(box->geometry(), QRect(16, 29, 712, 163));
  EXPECT_EQ(inside->parentWidget(), box);
  EXPECT_EQ(inside->pos(), QPoint(32, 19));
  EXPECT_EQ(inside->mapTo(window, QPoint(0, 0)), QPoint(48, 48));

  TabControl* tabs = w.tab_control(tabs_id);
  EXPECT_FALSE(box->isVisibleTo(window));
  EXPECT_FALSE(inside->isVisibleTo(window));
  click_tab(*tabs, 1);
  EXPECT_TRUE(box->isVisibleTo(window));
  EXPECT_TRUE(inside->isVisibleTo(window));
  click_tab(*tabs, 0);
  EXPECT_FALSE(box->isVisibleTo(window));
  EXPECT_FALSE(inside->isVisibleTo(window));
  // The child itself stays shown; it is its box that hides it.
  EXPECT_TRUE(w.control(inside_id)->is_shown());
}

TEST(GroupBoxFont, StoredFontRecordOrTheDefaultGuiFont) {
  PagesWindow plain(box_window(group_properties("版权声明：")));
  ASSERT_TRUE(plain.ok()) << plain.error();
  EXPECT_EQ(plain.group_box(box_id)->caption_font(), default_gui_font());
  EXPECT_EQ(plain.group_box(box_id)->caption(), QStringLiteral("版权声明："));

  GroupBoxProperties p = group_properties("版权声明：");
  LogFont lf;
  lf.height = -18;
  lf.weight = 400;
  lf.set_face("DejaVu Serif");
  p.font = write_font_description(lf);
  PagesWindow styled(box_window(p));
  ASSERT_TRUE(styled.ok()) << styled.error();
  EXPECT_EQ(styled.group_box(box_id)->caption_font().pixelSize(), 18);
  // The box's font is its own: the control inside keeps the window's.
  EXPECT_EQ(styled.widget(inside_id)->font(), styled.window_widget()->font());
}

}  // namespace
}  // namespace wufu::testing
