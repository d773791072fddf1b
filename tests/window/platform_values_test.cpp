// Colour values and font descriptions turned into the toolkit's colours and fonts.
#include <gtest/gtest.h>
#include <QApplication>
#include <QFontInfo>
#include <QPalette>
#include <QWidget>

#include "window/font_description.h"
#include "window/gbk.h"
#include "window/platform_values.h"

namespace wufu {
namespace {

LogFont stored_font(const char* face_utf8, std::int32_t height) {
  LogFont f;
  f.height = height;
  f.weight = 400;
  f.char_set = 134;
  f.out_precision = 10;
  f.clip_precision = 2;
  f.quality = 1;
  f.pitch_and_family = 0x32;
  f.set_face(*to_gbk(QString::fromUtf8(face_utf8)));
  return f;
}

TEST(ColourValue, UnsetFollowsTheFaceColourAtEachUse) {
  QWidget w;
  QPalette p = w.palette();
  p.setColor(QPalette::Button, QColor(10, 20, 30));
  w.setPalette(p);
  EXPECT_EQ(resolve_background_colour(unset_colour, &w), QColor(10, 20, 30));
  p.setColor(QPalette::Button, QColor(40, 50, 60));
  w.setPalette(p);
  EXPECT_EQ(resolve_background_colour(unset_colour, &w), QColor(40, 50, 60));
  EXPECT_EQ(resolve_background_colour(0x00FFFFFF, &w), QColor(255, 255, 255));
  // 0x00BBGGRR
  EXPECT_EQ(resolve_background_colour(0x00332211, &w), QColor(0x11, 0x22, 0x33));
  EXPECT_EQ(text_colour(0x00000000), QColor(0, 0, 0));
}

TEST(FontDescription, AnyCountButSixtyGivesTheDefaultGuiFont) {
  const Bytes sixty = write_font_description(stored_font("造字工房悦圆演示版常规体", -20));
  for (std::size_t n : {std::size_t{0}, std::size_t{59}, std::size_t{4}}) {
    EXPECT_EQ(make_font(ByteSpan(sixty.data(), n)), default_gui_font()) << n;
  }
  Bytes sixty_one = sixty;
  sixty_one.push_back(0);
  EXPECT_EQ(make_font(sixty_one), default_gui_font());
}

TEST(FontDescription, AMissingFaceKeepsTheStoredPixelHeight) {
  for (int height : {20, 16, 14}) {
    const QFont font =
        make_font(write_font_description(stored_font("造字工房悦圆演示版常规体", -height)));
    EXPECT_EQ(font.pixelSize(), height);
    EXPECT_EQ(QFontInfo(font).pixelSize(), height);
    EXPECT_EQ(font.weight(), QFont::Normal);
    EXPECT_FALSE(font.italic());
  }
}

TEST(FontDescription, StyleBytesAreApplied) {
  LogFont f = stored_font("Sans", -12);
  f.weight = 700;
  f.italic = 1;
  f.underline = 1;
  f.strike_out = 1;
  const QFont font = make_font(write_font_description(f));
  EXPECT_EQ(font.weight(), QFont::Bold);
  EXPECT_TRUE(font.italic());
  EXPECT_TRUE(font.underline());
  EXPECT_TRUE(font.strikeOut());
}

TEST(FontDescription, LeftoversAndTheCharacterSetChangeNothing) {
  LogFont plain = stored_font("萝莉体 第二版", -14);
  LogFont changed = plain;
  changed.char_set = 0;
  changed.quality = 5;
  changed.pitch_and_family = 0;
  const Bytes leftovers(31 - plain.face().size(), 0x5A);
  changed.set_face(plain.face(), leftovers);
  ASSERT_NE(write_font_description(plain), write_font_description(changed));
  EXPECT_EQ(changed.face(), plain.face());
  EXPECT_EQ(make_font(write_font_description(plain)), make_font(write_font_description(changed)));
  EXPECT_EQ(make_font(write_font_description(plain)).family(), QString::fromUtf8("萝莉体 第二版"));
}

TEST(FontDescription, ReadsTheRecordLayout) {
  const LogFont f = stored_font("造字工房悦圆演示版常规体", -16);
  const Bytes b = write_font_description(f);
  ASSERT_EQ(b.size(), 60u);
  EXPECT_EQ(b[0], 0xF0);  // -16
  EXPECT_EQ(b[23], 134);
  EXPECT_EQ(b[27], 0x32);
  auto back = parse_font_description(b);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->height, -16);
  EXPECT_EQ(back->face(), f.face());
  EXPECT_EQ(write_font_description(*back), b);
}

}  // namespace
}  // namespace wufu
