// The ten labels of the stored start window: their records against the label table, and how
// each of them shows.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QGlyphRun>
#include <QRawFont>
#include <QStringList>
#include <QTextLayout>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/window_fixture.h"
#include "tests/texts/label_fixture.h"
#include "texts/label.h"
#include "texts/label_font.h"
#include "window/font_description.h"
#include "window/gbk.h"
#include "window/platform_values.h"

namespace wufu::testing {
namespace {

constexpr ControlId tab_control_id = 0x16010002;
constexpr ControlId group_box_id = 0x16010010;

struct StoredLabel {
  const char* name;
  ControlId id;
  ControlId parent;
  int left, top, width, height;
  const char* face;
  int font_height;
  ColourValue background;
  std::int32_t word_wrap;
  std::size_t text_bytes;
  std::vector<const char*> lines;  // empty where the wording is free
};

void PrintTo(const StoredLabel& s, std::ostream* os) {
  *os << s.name;
}

const char* const rounded = "造字工房悦圆演示版常规体";

const std::vector<StoredLabel>& label_table() {
  static const std::vector<StoredLabel> table = {
      {"标签1",
       0x16010005,
       tab_control_id,
       120,
       64,
       536,
       48,
       rounded,
       -20,
       unset_colour,
       0,
       51,
       {"每天AR扫福字可得两张福卡，手写福中敬业/全家概率更大"}},
      {"标签2",
       0x16010007,
       tab_control_id,
       184,
       72,
       448,
       24,
       rounded,
       -20,
       unset_colour,
       0,
       36,
       {"中国移动福，每天限量200w张，先到先得"}},
      {"标签3",
       0x16010008,
       tab_control_id,
       160,
       56,
       448,
       24,
       rounded,
       -20,
       unset_colour,
       0,
       40,
       {"可口可乐福娃福，每天限量200w张，先到先得"}},
      {"标签4",
       0x1601000A,
       tab_control_id,
       168,
       64,
       448,
       24,
       rounded,
       -20,
       unset_colour,
       0,
       34,
       {"星巴克福，每天限量200w张，先到先得"}},
      {"标签5",
       0x1601000C,
       tab_control_id,
       184,
       72,
       448,
       24,
       rounded,
       -20,
       unset_colour,
       0,
       34,
       {"安慕希福，每天限量200w张，先到先得"}},
      {"标签6",
       0x1601000E,
       tab_control_id,
       56,
       56,
       416,
       200,
       rounded,
       -16,
       unset_colour,
       1,
       203,
       {"1、团团圆圆 阖家迎福（1月13日-1月24日）", "在支付宝创建“我的家”", "进入“我的家”领积分福袋",
        "点击领取漂浮的福袋得福卡", "", "2 绿水青山 低碳造福（1月13日-1月24日）",
        "在蚂蚁森林给好友浇水", "也将会有机会获得福卡哦"}},
      {"标签7",
       0x1601000F,
       tab_control_id,
       40,
       48,
       328,
       336,
       rounded,
       -16,
       unset_colour,
       1,
       383,
       {"1.活力满满 步步旺福（1月17日-1月24日）", "通过“支付宝运动”走路", "走出福气路，得到福气卡",
        "", "2.五谷丰登 为爱添福（1月19日-1月24日）", "进入蚂蚁庄园，派小鸡给好友拜年",
        "一样也有机会获得满满的福卡~", "", "3.福气满全球（1月15日-1月24日）",
        "用户可在福满全球页面传递福卡", "其他正在集福的小伙伴会收到", "当全民传福的次数达到",
        "点亮某地标的目标数字", "将有机会点亮全球9个地标建筑", "让全球华人一起感受新年俗！"}},
      {"标签8",
       0x16010011,
       group_box_id,
       32,
       19,
       520,
       136,
       "萝莉体 第二版",
       -14,
       0x00FFFFFF,
       1,
       239,
       {}},
      {"标签9",
       0x16010013,
       tab_control_id,
       224,
       240,
       224,
       152,
       rounded,
       -16,
       unset_colour,
       1,
       168,
       {"今年貌似没有到店付款得卡的活动了，大家可以关注试一试",
        "这个什么奖励我也不懂，博主试了试也没有领到什么奖励，大家可以后续关注下",
        "拿自己大小号互相扫，或者扫亲戚父母收款试试"}},
      {"标签10",
       0x16010014,
       tab_control_id,
       16,
       40,
       712,
       336,
       rounded,
       -16,
       unset_colour,
       1,
       974,
       {}},
  };
  return table;
}

std::string gbk(const char* utf8) {
  return to_gbk(QString::fromUtf8(utf8)).value_or("?");
}

const WindowDescription& stored_description() {
  static const WindowDescription d = [] {
    auto r = read_description(stored_block());
    return r ? std::move(r).value() : WindowDescription{};
  }();
  return d;
}

const Record* stored_record(ControlId id) {
  const WindowEntry* window = stored_description().find(test_window_id);
  if (window == nullptr) return nullptr;
  for (const Record& r : window->records) {
    if (r.id == id) return &r;
  }
  return nullptr;
}

LabelProperties stored_properties(const Record& record) {
  auto p = layout::read_block(label_layout(), ByteSpan(record.property_block));
  return p ? std::move(p).value() : LabelProperties{};
}

QStringList lines_of(const LabelProperties& p) {
  return from_gbk(label_text_bytes(p)).split(QStringLiteral("\r\n"));
}

class StoredLabelRecord : public ::testing::TestWithParam<StoredLabel> {};

TEST_P(StoredLabelRecord, HoldsWhatTheLabelTableSays) {
  const StoredLabel& s = GetParam();
  const Record* record = stored_record(s.id);
  ASSERT_NE(record, nullptr) << s.name;
  const CommonFields& f = record->common;
  EXPECT_EQ(f.kind_code(), label_kind_code);
  EXPECT_EQ(f.name, gbk(s.name));
  EXPECT_EQ(f.parent, s.parent);
  EXPECT_EQ(f.left, s.left);
  EXPECT_EQ(f.top, s.top);
  EXPECT_EQ(f.width, s.width);
  EXPECT_EQ(f.height, s.height);
  EXPECT_FALSE(f.disabled());

  auto read = layout::read_block(label_layout(), ByteSpan(record->property_block));
  ASSERT_TRUE(read.ok()) << read.error().what;
  const LabelProperties& p = *read;
  // The values all ten share.
  EXPECT_EQ(p.version, 2u);
  EXPECT_EQ(p.effect, 0);
  EXPECT_EQ(p.border_style, 0);
  EXPECT_EQ(p.gradient_border_width, 8);
  EXPECT_EQ(p.gradient_border_colour_1, 0x00808080u);
  EXPECT_EQ(p.gradient_border_colour_2, 0x00FFFFFFu);
  EXPECT_EQ(p.gradient_border_colour_3, 0x00808080u);
  EXPECT_EQ(p.text_colour, 0x00000000u);
  EXPECT_EQ(p.picture_mode, 1);
  EXPECT_TRUE(p.picture.empty());
  EXPECT_EQ(p.gradient_background_mode, 0);
  EXPECT_EQ(p.gradient_background_colour_1, 0x00808080u);
  EXPECT_EQ(p.gradient_background_colour_2, 0x00FFFFFFu);
  EXPECT_EQ(p.gradient_background_colour_3, 0x00808080u);
  EXPECT_EQ(p.horizontal_alignment, 0);
  EXPECT_EQ(p.vertical_alignment, 1);
  EXPECT_TRUE(p.data_source.empty());
  EXPECT_TRUE(p.data_column.empty());
  EXPECT_TRUE(p.trailing.empty());

  EXPECT_EQ(p.background, s.background);
  EXPECT_EQ(p.word_wrap, s.word_wrap);
  const auto font = parse_font_description(p.font);
  ASSERT_TRUE(font.has_value()) << "font data of " << p.font.size() << " bytes";
  EXPECT_EQ(font->face(), gbk(s.face));
  EXPECT_EQ(font->height, s.font_height);
  EXPECT_EQ(font->width, 0);
  EXPECT_EQ(font->escapement, 0);
  EXPECT_EQ(font->orientation, 0);
  EXPECT_EQ(font->weight, 400);
  EXPECT_EQ(font->italic, 0);
  EXPECT_EQ(font->underline, 0);
  EXPECT_EQ(font->strike_out, 0);
  EXPECT_EQ(font->char_set, 134);
  const bool notice = s.id == 0x16010011;
  EXPECT_EQ(font->out_precision, notice ? 3 : 10);
  EXPECT_EQ(font->clip_precision, 2);
  EXPECT_EQ(font->quality, 1);
  EXPECT_EQ(font->pitch_and_family, notice ? 0x02 : 0x32);

  const std::string text = label_text_bytes(p);
  EXPECT_EQ(text.size(), s.text_bytes);
  EXPECT_EQ(text, p.text) << "no NUL byte in a stored text";
  EXPECT_FALSE(text.ends_with("\r\n"));
  if (!s.lines.empty()) {
    std::string expected;
    for (const char* line : s.lines) {
      if (!expected.empty() || line != s.lines.front()) expected += "\r\n";
      expected += gbk(line);
    }
    EXPECT_EQ(text, expected);
  }
}

INSTANTIATE_TEST_SUITE_P(Table, StoredLabelRecord, ::testing::ValuesIn(label_table()),
                         [](const auto& info) { return "label" + std::to_string(info.index + 1); });

TEST(StoredLabelTexts, TheNoticeHasATitleAnEmptyLineAndFivePoints) {
  const Record* record = stored_record(0x16010011);
  ASSERT_NE(record, nullptr);
  const QStringList lines = lines_of(stored_properties(*record));
  ASSERT_EQ(lines.size(), 7);
  EXPECT_FALSE(lines[0].isEmpty());
  EXPECT_TRUE(lines[1].isEmpty());
  for (int i = 0; i < 5; ++i) {
    EXPECT_TRUE(lines[2 + i].startsWith(QString::number(i + 1) + QStringLiteral("、")))
        << lines[2 + i].toStdString();
  }
}

TEST(StoredLabelTexts, TheIntroductionHasFourIndentedParagraphs) {
  const Record* record = stored_record(0x16010014);
  ASSERT_NE(record, nullptr);
  const std::string text = label_text_bytes(stored_properties(*record));
  std::vector<std::string> paragraphs;
  for (std::size_t at = 0;;) {
    const std::size_t end = text.find("\r\n", at);
    paragraphs.push_back(text.substr(at, end == std::string::npos ? end : end - at));
    if (end == std::string::npos) break;
    at = end + 2;
  }
  ASSERT_EQ(paragraphs.size(), 4u);
  const std::size_t sizes[4] = {228, 384, 89, 267};
  for (std::size_t i = 0; i < 4; ++i) {
    // The wording is free beyond the first sentence, at about these lengths.
    EXPECT_NEAR(static_cast<double>(paragraphs[i].size()), static_cast<double>(sizes[i]), 4)
        << "paragraph " << i + 1;
    EXPECT_TRUE(paragraphs[i].starts_with("   ") && paragraphs[i][3] != ' ')
        << "paragraph " << i + 1;
  }
  EXPECT_TRUE(paragraphs[0].starts_with(
      "   " + gbk("根据支付宝官方消息，2020年的支付宝集五福活动已经开始时间从1月13号截止到1月24号"
                  "大年三十。")));
}

// One stored label, taken out of its container and loaded alone on a plain window.
struct AloneLabel {
  QImage image;
  LabelProperties properties;
  QColor background;
};

AloneLabel load_alone(const StoredLabel& s) {
  const Record* stored = stored_record(s.id);
  if (stored == nullptr) return {};
  Record record = *stored;
  record.common.parent = 0;
  AloneLabel a;
  a.image = render_record(record);
  a.properties = stored_properties(record);
  a.background = resolve_background_colour(a.properties.background);
  if (const char* dir = std::getenv("WUFU_LABEL_IMAGES"); dir != nullptr && !a.image.isNull()) {
    a.image.save(QString::fromUtf8(dir) + QStringLiteral("/") + QString::fromUtf8(s.name) +
                 QStringLiteral(".png"));
  }
  return a;
}

// The ink of one band of rows.
QRect band_box(const AloneLabel& a, const Band& b) {
  return ink_of(a.image, a.background, QRect(0, b.first, a.image.width(), b.last - b.first + 1))
      .box;
}

class StoredLabelShown : public ::testing::TestWithParam<StoredLabel> {};

TEST_P(StoredLabelShown, ShowsItsTextInPlace) {
  const StoredLabel& s = GetParam();
  const AloneLabel a = load_alone(s);
  ASSERT_FALSE(a.image.isNull()) << s.name;
  EXPECT_EQ(a.image.size(), QSize(s.width, s.height));
  // The background covers the corners; 标签8 is white.
  EXPECT_EQ(a.image.pixelColor(s.width - 1, s.height - 1), a.background);
  EXPECT_EQ(a.background == QColor(255, 255, 255), s.background == 0x00FFFFFF);

  // Every character comes out as a real glyph at the stored pixel height.
  const QString text = from_gbk(label_text_bytes(a.properties));
  const QFont font = label_font(a.properties.font, text);
  QTextLayout layout(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral(" ")), font);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  for (const QGlyphRun& run : layout.glyphRuns()) {
    EXPECT_EQ(run.rawFont().pixelSize(), -s.font_height);
    for (quint32 index : run.glyphIndexes()) {
      ASSERT_NE(index, 0u) << s.name << ": an empty box in "
                           << run.rawFont().familyName().toStdString();
    }
  }

  const auto bands = ink_bands(a.image, a.background);
  ASSERT_FALSE(bands.empty());
  const Ink ink = ink_of(a.image, a.background);
  EXPECT_LE(ink.box.left(), 4) << s.name << " starts at the left";
  const int line = QFontMetrics(font).height();
  if (s.word_wrap == 0) {
    EXPECT_EQ(bands.size(), 1u) << s.name << " shows one line";
    EXPECT_LE(std::abs(ink.box.top() + ink.box.bottom() - s.height), 4)
        << s.name << ": " << ink.box.top() << ".." << ink.box.bottom();
    return;
  }
  // Wrapped text starts at the top, although the vertical alignment says centre.
  EXPECT_LT(ink.box.top(), line / 2) << s.name;
  EXPECT_GT(bands.size(), 1u);
  // Empty lines are the only gaps of a line's height or more.
  int gaps = 0;
  for (std::size_t i = 1; i < bands.size(); ++i) {
    if (bands[i].first - bands[i - 1].last - 1 >= line) ++gaps;
  }
  int empty_lines = 0;
  for (const QString& l : text.split(QStringLiteral("\r\n"))) empty_lines += l.isEmpty() ? 1 : 0;
  EXPECT_EQ(gaps, empty_lines) << s.name;
}

INSTANTIATE_TEST_SUITE_P(Table, StoredLabelShown, ::testing::ValuesIn(label_table()),
                         [](const auto& info) { return "label" + std::to_string(info.index + 1); });

TEST(StoredLabelShown, TheIntroductionIndentsEachParagraphByThreeSpaces) {
  const AloneLabel a = load_alone(label_table()[9]);
  ASSERT_FALSE(a.image.isNull());
  const QString text = from_gbk(label_text_bytes(a.properties));
  const QFontMetrics metrics(label_font(a.properties.font, text));
  const int indent = metrics.horizontalAdvance(QStringLiteral("   "));
  int indented = 0, flush = 0;
  for (const Band& b : ink_bands(a.image, a.background)) {
    const int left = band_box(a, b).left();
    if (std::abs(left - indent) <= 2) ++indented;
    if (left <= 2) ++flush;
  }
  EXPECT_EQ(indented, 4);
  EXPECT_GT(flush, 4);
}

// The whole stored window needs every kind; until all of them exist its load fails.
TEST(StoredWindow, PlacesEachLabelInItsContainer) {
  LoadedWindow window(stored_block());
  if (!window.ok()) GTEST_SKIP() << "the stored window does not load yet: " << window.error();
  for (const StoredLabel& s : label_table()) {
    SCOPED_TRACE(s.name);
    auto* label = dynamic_cast<Label*>(window.widget(s.id));
    ASSERT_NE(label, nullptr);
    QWidget* container = window.widget(s.parent);
    ASSERT_NE(container, nullptr);
    ASSERT_TRUE(container->isAncestorOf(label));
    EXPECT_EQ(label->mapTo(container, QPoint(0, 0)), QPoint(s.left, s.top));
    EXPECT_EQ(label->size(), QSize(s.width, s.height));
    EXPECT_EQ(
        label->text().toStdString(),
        QString::fromStdString(gbk_to_utf8(label_text_bytes(label->properties())).value_or(""))
            .toStdString());
    EXPECT_EQ(to_gbk(label->text()).value_or("").size(), s.text_bytes);
    const QFont font = label_font(label->properties().font, label->text());
    EXPECT_EQ(QFontInfo(font).pixelSize(), -s.font_height);
  }
}

}  // namespace
}  // namespace wufu::testing
