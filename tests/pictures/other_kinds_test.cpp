// The kinds that no stored picture uses decode through Qt's image readers into straight BGRA;
// PCX has no reader and gives no picture.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

#include <vector>

#include "pictures/decoded_picture.h"

namespace wufu::pictures {
namespace {

using Bytes = std::vector<std::uint8_t>;

QImage sample() {
  QImage image(3, 2, QImage::Format_ARGB32);
  const QRgb colours[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF102030, 0xFFFFFFFF, 0xFF000000};
  for (int i = 0; i < 6; ++i) image.setPixel(i % 3, i / 3, colours[i]);
  return image;
}

Bytes saved(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(image.save(&buffer, format)) << format;
  return Bytes(bytes.begin(), bytes.end());
}

void expect_sample(const std::optional<DecodedPicture>& picture, PictureKind kind) {
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->kind, kind);
  EXPECT_EQ(picture->layout, PixelLayout::bgra);
  ASSERT_EQ(picture->width, 3);
  ASSERT_EQ(picture->height, 2);
  const QImage expected = sample();
  for (int i = 0; i < 6; ++i) {
    const auto* p = &picture->pixels[i * 4];
    EXPECT_EQ(qRgba(p[2], p[1], p[0], p[3]), expected.pixel(i % 3, i / 3)) << "pixel " << i;
  }
}

TEST(OtherKinds, BmpDecodes) {
  expect_sample(decode_picture(saved(sample(), "BMP")), PictureKind::bmp);
}

TEST(OtherKinds, IconAndCursorDecode) {
  const Bytes icon = saved(sample(), "ICO");
  expect_sample(decode_picture(icon), PictureKind::icon);
  // A cursor file is an icon file of resource type 2 (its hot spot where the icon keeps its
  // planes and bit count).
  Bytes cursor = icon;
  cursor[2] = 2;
  expect_sample(decode_picture(cursor), PictureKind::cursor);
}

TEST(OtherKinds, GifGivesItsFirstFrame) {
  // GIF89a, 1 x 1, a global table of two colours, one image whose only pixel is colour 0.
  const Bytes gif = {'G',  'I',  'F',  '8',  '9',  'a',  1, 0, 1, 0, 0x80, 0, 0,  //
                     0xFF, 0x00, 0x00, 0x00, 0x00, 0x00,                          //
                     0x2C, 0,    0,    0,    0,    1,    0, 1, 0, 0,              //
                     0x02, 0x02, 0x44, 0x01, 0x00, 0x3B};
  const auto picture = decode_picture(gif);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->kind, PictureKind::gif);
  ASSERT_EQ(picture->pixels.size(), 4u);
  EXPECT_EQ(picture->pixels, (PixelBuffer{0x00, 0x00, 0xFF, 0xFF}));
}

TEST(OtherKinds, PcxGivesNoPicture) {
  for (const Bytes& pcx :
       {Bytes{0x0A, 5, 1, 8, 0, 0, 0, 0, 3, 0, 3, 0}, Bytes{0x0A, 3, 1, 1, 0, 0, 0, 0, 3, 0, 3, 0}})
    EXPECT_FALSE(decode_picture(pcx));
}

TEST(OtherKinds, DamagedOrHugeGiveNoPicture) {
  EXPECT_FALSE(decode_picture(Bytes{'B', 'M', 0x89, 'P', 'N', 'G', 0, 0, 1, 2, 3}));
  // A BMP whose header claims 100000 x 100000 pixels.
  Bytes huge = saved(sample(), "BMP");
  for (const int at : {18, 22}) {
    huge[at] = 0xA0, huge[at + 1] = 0x86, huge[at + 2] = 0x01, huge[at + 3] = 0;
  }
  EXPECT_FALSE(decode_picture(huge));
  Bytes cut = saved(sample(), "ICO");
  cut.resize(cut.size() / 2);
  EXPECT_FALSE(decode_picture(cut));
}

}  // namespace
}  // namespace wufu::pictures
