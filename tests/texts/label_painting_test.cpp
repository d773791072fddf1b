// How a label is created and paints itself: background, font, frame, effect, mnemonics, and the
// disabled state.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QGlyphRun>
#include <QPainter>
#include <QPalette>
#include <QRawFont>
#include <QTextLayout>

#include <any>
#include <cstdlib>

#include "tests/support/window_fixture.h"
#include "tests/texts/label_fixture.h"
#include "texts/label.h"
#include "texts/label_font.h"
#include "window/gbk.h"
#include "window/platform_values.h"

namespace wufu::testing {
namespace {

const QColor white(255, 255, 255);
constexpr int single_line_top = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;

QString text_of(const LabelProperties& p) {
  return from_gbk(label_text_bytes(p));
}

TEST(LabelCreation, HiddenAtItsPlaceDisabledAsStoredWithTheArrowAndNoErase) {
  LoadedWindow window(one_window({window_record()}));
  ASSERT_TRUE(window.ok()) << window.error();
  for (bool disabled : {false, true}) {
    const Record record = make_record(0x16010005, label_kind_code, "标签1", 0, 12, 34, 56, 78, {},
                                      {}, state_visible | (disabled ? state_disabled : 0u));
    const CreateContext context{window.window(), record, *window.window()->controls()};
    auto* label = dynamic_cast<Label*>(create_label(std::any(plain_label("国")), context));
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->isHidden());
    EXPECT_EQ(label->geometry(), QRect(12, 34, 56, 78));
    EXPECT_EQ(label->parentWidget(), window.window_widget());
    EXPECT_EQ(label->isEnabled(), !disabled);
    EXPECT_TRUE(label->testAttribute(Qt::WA_OpaquePaintEvent));
    EXPECT_FALSE(label->autoFillBackground());
    EXPECT_EQ(label->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(label->text(), QStringLiteral("国"));
    delete label;
  }
}

TEST(LabelCreation, PropertiesOfAnotherKindMakeNoLabel) {
  LoadedWindow window(one_window({window_record()}));
  ASSERT_TRUE(window.ok()) << window.error();
  const Record record = make_record(0x16010005, label_kind_code, "标签1", 0, 0, 0, 10, 10);
  const CreateContext context{window.window(), record, *window.window()->controls()};
  EXPECT_EQ(create_label(std::any(42), context), nullptr);
}

TEST(LabelCreation, ARejectedPropertyBlockFailsTheLoad) {
  const Bytes whole = layout::write_block(label_layout(), plain_label("国"));
  Bytes above = whole;
  above[0] = 3;  // format version 3
  for (const Bytes& block :
       {Bytes(whole.begin(), whole.begin() + 10), Bytes(whole.begin(), whole.end() - 1), above}) {
    LoadedWindow window(
        one_window({window_record(), make_record(0x16010005, label_kind_code, "标签1", 0, 0, 0, 10,
                                                 10, {}, block)}));
    EXPECT_FALSE(window.ok()) << "a block of " << block.size() << " bytes";
  }
  LoadedWindow window(one_window({window_record(), make_record(0x16010005, label_kind_code, "标签1",
                                                               0, 0, 0, 10, 10, {}, whole)}));
  EXPECT_TRUE(window.ok()) << window.error();
}

TEST(LabelPainting, ARecordWithoutPropertyBlockShowsTheDefaults) {
  const int width = 120, height = 40;
  const QImage image =
      render_record(make_record(0x16010005, label_kind_code, "标签1", 0, 0, 0, width, height));
  const QColor face = face_colour();
  const QImage expected = reference_image(width, height, face, [&](QPainter& p) {
    p.setFont(default_gui_font());
    p.setPen(Qt::black);
    p.drawText(QRect(0, 0, width, height), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
               QStringLiteral("标签"));
  });
  EXPECT_EQ(image, expected);
  // Black on the face colour, at the left, centred from top to bottom.
  EXPECT_EQ(image.pixelColor(width - 1, 0), face);
  const Ink ink = ink_of(image, face);
  ASSERT_GT(ink.pixels, 0);
  EXPECT_LT(ink.box.left(), 3);
  EXPECT_LE(std::abs(ink.box.top() + ink.box.bottom() - height), 4);
}

TEST(LabelPainting, TheUnsetBackgroundIsTheFaceColourAndWhiteStaysWhite) {
  LabelProperties p = plain_label("");
  p.background = unset_colour;
  EXPECT_EQ(render_label(p, 20, 10), reference_image(20, 10, face_colour(), [](QPainter&) {}));
  p.background = 0x00FFFFFF;
  EXPECT_EQ(render_label(p, 20, 10), reference_image(20, 10, white, [](QPainter&) {}));
  p.background = 0x00336699;  // 0x00BBGGRR
  EXPECT_EQ(render_label(p, 20, 10),
            reference_image(20, 10, QColor(0x99, 0x66, 0x33), [](QPainter&) {}));
}

TEST(LabelPainting, ADisabledLabelPaintsExactlyLikeAnEnabledOne) {
  const QPalette saved = QApplication::palette();
  QPalette odd = saved;
  for (auto role : {QPalette::Button, QPalette::Window, QPalette::WindowText, QPalette::Text,
                    QPalette::ButtonText, QPalette::Light, QPalette::Midlight, QPalette::Dark,
                    QPalette::Mid, QPalette::Shadow}) {
    odd.setColor(QPalette::Disabled, role, QColor(255, 0, 255));
  }
  QApplication::setPalette(odd);
  LabelProperties p = plain_label("国x&y");
  p.background = unset_colour;
  p.border_style = 4;
  p.effect = 1;
  const QImage enabled = render_label(p, 80, 40);
  const QImage disabled = render_label(p, 80, 40, state_visible | state_disabled);
  QApplication::setPalette(saved);
  ASSERT_FALSE(enabled.isNull());
  EXPECT_EQ(disabled, enabled);
  EXPECT_EQ(disabled.pixelColor(40, 38 - 5), saved.color(QPalette::Active, QPalette::Button));
}

TEST(LabelPainting, AMnemonicIsNotDrawnAndUnderlinesTheNextCharacter) {
  LabelProperties p = plain_label("x");
  const QImage plain = render_label(p, 60, 30);
  p.text = "&x";
  const QImage marked = render_label(p, 60, 30);
  const QRect glyph = ink_of(plain, white).box;
  ASSERT_FALSE(glyph.isNull());
  // No ampersand: everything down to the glyph's foot is as without the mark.
  EXPECT_EQ(marked.copy(0, 0, 60, glyph.bottom() + 1), plain.copy(0, 0, 60, glyph.bottom() + 1));
  // Below it a line runs under the character.
  const Ink line = ink_of(marked, white, QRect(0, glyph.bottom() + 1, 60, 30));
  ASSERT_GT(line.pixels, 0);
  EXPECT_GE(line.box.width(), glyph.width() * 3 / 4);
  EXPECT_LE(line.box.height(), 3);
}

TEST(LabelPainting, TwoAmpersandsDrawOne) {
  LabelProperties p = plain_label("x&&y");
  const QFont font = label_font(p.font, text_of(p));
  EXPECT_EQ(render_label(p, 80, 30), reference_image(80, 30, white, [&](QPainter& painter) {
              painter.setFont(font);
              painter.setPen(Qt::black);
              painter.drawText(QRect(0, 0, 80, 30), single_line_top, QStringLiteral("x&y"));
            }));
}

// A substitute face must carry the Chinese glyphs at the stored pixel height.
class LabelMissingFace : public ::testing::TestWithParam<int> {};

TEST_P(LabelMissingFace, KeepsTheStoredPixelHeightAndDrawsRealGlyphs) {
  const int height = GetParam();
  const int pixels = -height;
  LabelProperties p = plain_label("国AR");
  p.font = font_description(missing_face, height);
  const QString text = text_of(p);
  const QFont font = label_font(p.font, text);
  EXPECT_EQ(QFontInfo(font).pixelSize(), pixels);

  QTextLayout layout(text, font);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  int glyphs = 0;
  for (const QGlyphRun& run : layout.glyphRuns()) {
    EXPECT_EQ(run.rawFont().pixelSize(), pixels);
    EXPECT_TRUE(run.rawFont().supportsCharacter(U'国')) << run.rawFont().familyName().toStdString();
    for (quint32 index : run.glyphIndexes()) {
      EXPECT_NE(index, 0u) << "an empty box in " << run.rawFont().familyName().toStdString();
      ++glyphs;
    }
  }
  EXPECT_EQ(glyphs, 3);

  // Distinct characters leave distinct ink of about the character height.
  p.text = to_gbk(QStringLiteral("国")).value();
  const QImage guo = render_label(p, 4 * pixels, 2 * pixels);
  p.text = to_gbk(QStringLiteral("图")).value();
  const QImage tu = render_label(p, 4 * pixels, 2 * pixels);
  EXPECT_NE(guo, tu);
  const Ink ink = ink_of(guo, white);
  EXPECT_GE(ink.box.height(), pixels * 7 / 10);
  EXPECT_LE(ink.box.height(), pixels + 1);
}

INSTANTIATE_TEST_SUITE_P(StoredHeights, LabelMissingFace, ::testing::Values(-20, -16, -14, -40));

struct FrameCase {
  std::int32_t border_style;
  int width;
};

class LabelFrame : public ::testing::TestWithParam<FrameCase> {};

TEST_P(LabelFrame, LiesOutsideTheInnerArea) {
  const FrameCase c = GetParam();
  const int w = c.width;
  const int width = 60, height = 40;
  const QColor navy(0, 0, 0x80);
  LabelProperties p = plain_label("国");
  p.background = 0x00800000;
  const QImage framed = [&] {
    p.border_style = c.border_style;
    return render_label(p, width, height);
  }();
  // Inside the frame the label paints as a frameless label of the inner size.
  p.border_style = 0;
  EXPECT_EQ(framed.copy(w, w, width - 2 * w, height - 2 * w),
            render_label(p, width - 2 * w, height - 2 * w));
  if (w > 0) {
    EXPECT_NE(framed.pixelColor(w - 1, w - 1), navy);
    EXPECT_NE(framed.pixelColor(width - w, height - w), navy);
    EXPECT_NE(framed.pixelColor(width / 2, 0), navy);
  } else {
    EXPECT_EQ(framed.pixelColor(0, height - 1), navy);
    EXPECT_EQ(framed.pixelColor(width - 1, height - 1), navy);
  }
}

INSTANTIATE_TEST_SUITE_P(Styles, LabelFrame,
                         ::testing::Values(FrameCase{0, 0}, FrameCase{1, 2}, FrameCase{2, 3},
                                           FrameCase{3, 1}, FrameCase{4, 5}, FrameCase{5, 1},
                                           FrameCase{6, 0}, FrameCase{7, 0}, FrameCase{-1, 0}));

TEST(LabelFrame, TheSingleLineIsBlack) {
  LabelProperties p = plain_label("");
  p.border_style = 5;
  const QImage image = render_label(p, 30, 20);
  for (QPoint at : {QPoint(0, 0), QPoint(15, 0), QPoint(29, 19), QPoint(0, 10)}) {
    EXPECT_EQ(image.pixelColor(at), QColor(0, 0, 0)) << at.x() << "," << at.y();
  }
  EXPECT_EQ(image.pixelColor(1, 1), white);
}

struct EffectCase {
  std::int32_t effect;
  QColor first_colour;  // invalid: only the text itself is drawn
  QPoint first_offset;
  QPoint text_offset;
};

class LabelEffect : public ::testing::TestWithParam<EffectCase> {};

TEST_P(LabelEffect, DrawsItsCopiesThenTheText) {
  const EffectCase c = GetParam();
  const int width = 80, height = 40;
  const QColor grey(0x80, 0x80, 0x80);
  const QColor red(0xFF, 0, 0);
  LabelProperties p = plain_label("国x");
  p.background = 0x00808080;
  p.text_colour = 0x000000FF;
  p.effect = c.effect;
  const QFont font = label_font(p.font, text_of(p));
  const QImage expected = reference_image(width, height, grey, [&](QPainter& painter) {
    painter.setFont(font);
    const QRect r(0, 0, width, height);
    if (c.first_colour.isValid()) {
      painter.setPen(c.first_colour);
      painter.drawText(r.translated(c.first_offset), single_line_top, text_of(p));
    }
    painter.setPen(red);
    painter.drawText(r.translated(c.text_offset), single_line_top, text_of(p));
  });
  EXPECT_EQ(render_label(p, width, height), expected);
}

INSTANTIATE_TEST_SUITE_P(Effects, LabelEffect,
                         ::testing::Values(EffectCase{0, QColor(), {}, {}},
                                           EffectCase{1, QColor(255, 255, 255), {1, 1}, {0, 0}},
                                           EffectCase{2, QColor(255, 255, 255), {0, 0}, {1, 1}},
                                           EffectCase{3, QColor(0, 0, 0), {2, 2}, {0, 0}},
                                           EffectCase{4, QColor(), {}, {}},
                                           EffectCase{-3, QColor(), {}, {}}));

}  // namespace
}  // namespace wufu::testing
