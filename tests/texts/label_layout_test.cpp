// How a label lays its text out: word wrap, vertical and horizontal alignment, CR LF, empty
// lines, cutting at the edge.
#include <gtest/gtest.h>

#include <QFontMetrics>

#include <cstdlib>

#include "tests/texts/label_fixture.h"
#include "texts/label_font.h"
#include "window/gbk.h"

namespace wufu::testing {
namespace {

const QColor white(255, 255, 255);

struct VerticalCase {
  std::int32_t word_wrap;
  std::int32_t vertical_alignment;
  enum { top, centre, bottom } expected;
};

class LabelVerticalPlace : public ::testing::TestWithParam<VerticalCase> {};

TEST_P(LabelVerticalPlace, WrappedTextStartsAtTheTopAndOneLineFollowsItsAlignment) {
  const VerticalCase c = GetParam();
  LabelProperties p = plain_label("国国");
  p.word_wrap = c.word_wrap;
  p.vertical_alignment = c.vertical_alignment;
  const int height = 120;
  const QImage image = render_label(p, 200, height);
  const Ink ink = ink_of(image, white);
  ASSERT_GT(ink.pixels, 0);
  switch (c.expected) {
    case VerticalCase::top:
      EXPECT_LT(ink.box.top(), 8) << ink.box.top();
      break;
    case VerticalCase::centre:
      EXPECT_LE(std::abs(ink.box.top() + ink.box.bottom() - height), 6)
          << ink.box.top() << ".." << ink.box.bottom();
      break;
    case VerticalCase::bottom:
      EXPECT_GT(ink.box.bottom(), height - 8) << ink.box.bottom();
      break;
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, LabelVerticalPlace,
                         ::testing::Values(VerticalCase{1, 0, VerticalCase::top},
                                           VerticalCase{1, 1, VerticalCase::top},
                                           VerticalCase{1, 2, VerticalCase::top},
                                           VerticalCase{0, 0, VerticalCase::top},
                                           VerticalCase{0, 1, VerticalCase::centre},
                                           VerticalCase{0, 2, VerticalCase::bottom},
                                           VerticalCase{0, 7, VerticalCase::top},
                                           VerticalCase{2, 1, VerticalCase::centre},
                                           VerticalCase{-1, 2, VerticalCase::bottom}));

TEST(LabelSingleLine, TextWiderThanTheLabelIsCutAtTheRightEdgeWithoutEllipsis) {
  LabelProperties p = plain_label("国国国国国国国国国国国国");
  p.vertical_alignment = 1;
  const QImage narrow = render_label(p, 90, 40);
  const QImage wide = render_label(p, 400, 40);
  // The narrow label shows exactly the left part of the whole line: no wrap, no ellipsis.
  EXPECT_EQ(narrow, wide.copy(0, 0, 90, 40));
  EXPECT_GT(ink_of(narrow, white, QRect(84, 0, 6, 40)).pixels, 0);
}

TEST(LabelSingleLine, CrLfStartsNoNewLine) {
  LabelProperties p = plain_label("国\r\n国");
  const QImage with_line_end = render_label(p, 200, 100);
  p.text = plain_label("国国").text;
  const QImage one_line = render_label(p, 200, 100);
  const Ink a = ink_of(with_line_end, white);
  const Ink b = ink_of(one_line, white);
  ASSERT_GT(a.pixels, 0);
  EXPECT_EQ(a.box.top(), b.box.top());
  EXPECT_EQ(a.box.bottom(), b.box.bottom());
  EXPECT_GE(a.box.width(), b.box.width());
  EXPECT_EQ(ink_bands(with_line_end, white).size(), 1u);
}

TEST(LabelWordWrap, AnEmptyLineIsOneLineHigh) {
  // The line after an empty line stands where it would after a line of text.
  LabelProperties p = plain_label("国\r\n国\r\n国");
  p.word_wrap = 1;
  const auto three = ink_bands(render_label(p, 200, 150), white);
  p.text = plain_label("国\r\n\r\n国").text;
  const auto gap = ink_bands(render_label(p, 200, 150), white);
  ASSERT_EQ(three.size(), 3u);
  ASSERT_EQ(gap.size(), 2u);
  EXPECT_GE(three[1].first - three[0].first, 16);
  EXPECT_EQ(gap[0].first, three[0].first);
  EXPECT_EQ(gap[1].first, three[2].first);
}

TEST(LabelWordWrap, BreaksBetweenChineseCharactersAtTheRightEdge) {
  LabelProperties p = plain_label("国国国国国国国国国国国国国国国国国国国国");  // 20 of 16 pixels
  p.word_wrap = 1;
  const QImage image = render_label(p, 100, 200);
  // Six characters fit in 100 pixels: 6, 6, 6, 2.
  EXPECT_EQ(ink_bands(image, white).size(), 4u);
  EXPECT_LT(ink_of(image, white).box.right(), 100);
}

TEST(LabelWordWrap, BreaksBetweenWordsWhereTheNextWouldPassTheEdge) {
  LabelProperties p = plain_label("word word word");
  p.word_wrap = 1;
  const QFontMetrics metrics(label_font(p.font, from_gbk(p.text)));
  const int one = metrics.horizontalAdvance(QStringLiteral("word"));
  const int two = metrics.horizontalAdvance(QStringLiteral("word word"));
  const QImage image = render_label(p, (one + two) / 2, 200);
  EXPECT_EQ(ink_bands(image, white).size(), 3u);
}

TEST(LabelWordWrap, LeadingSpacesIndentTheLine) {
  LabelProperties p = plain_label("   国\r\n国");
  p.word_wrap = 1;
  const QImage image = render_label(p, 200, 100);
  const auto bands = ink_bands(image, white);
  ASSERT_EQ(bands.size(), 2u);
  const int indented =
      ink_of(image, white, QRect(0, bands[0].first, 200, 1 + bands[0].last - bands[0].first))
          .box.left();
  const int flush =
      ink_of(image, white, QRect(0, bands[1].first, 200, 1 + bands[1].last - bands[1].first))
          .box.left();
  const QFontMetrics metrics(label_font(p.font, from_gbk(p.text)));
  const int spaces = metrics.horizontalAdvance(QStringLiteral("   "));
  EXPECT_NEAR(indented - flush, spaces, 1);
}

struct HorizontalCase {
  std::int32_t alignment;
  enum { left, centre, right } expected;
};

class LabelHorizontalPlace : public ::testing::TestWithParam<HorizontalCase> {};

TEST_P(LabelHorizontalPlace, EachLineIsAligned) {
  const HorizontalCase c = GetParam();
  LabelProperties p = plain_label("国\r\n国国国");
  p.word_wrap = 1;
  p.horizontal_alignment = c.alignment;
  const int width = 200;
  const QImage image = render_label(p, width, 100);
  const auto bands = ink_bands(image, white);
  ASSERT_EQ(bands.size(), 2u);
  for (const Band& b : bands) {
    const QRect box = ink_of(image, white, QRect(0, b.first, width, 1 + b.last - b.first)).box;
    switch (c.expected) {
      case HorizontalCase::left:
        EXPECT_LT(box.left(), 4) << box.left();
        break;
      case HorizontalCase::centre:
        EXPECT_LE(std::abs(box.left() + box.right() - width), 5)
            << box.left() << ".." << box.right();
        break;
      case HorizontalCase::right:
        EXPECT_GT(box.right(), width - 5) << box.right();
        break;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, LabelHorizontalPlace,
                         ::testing::Values(HorizontalCase{0, HorizontalCase::left},
                                           HorizontalCase{1, HorizontalCase::centre},
                                           HorizontalCase{2, HorizontalCase::right},
                                           HorizontalCase{3, HorizontalCase::left},
                                           HorizontalCase{-1, HorizontalCase::left}));

}  // namespace
}  // namespace wufu::testing
