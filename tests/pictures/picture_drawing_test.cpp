#include "pictures/picture_drawing.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPainter>

#include <vector>

namespace wufu::pictures {
namespace {

constexpr QRgb background = 0xFF00A000;  // what the control painted before the picture

DecodedPicture rgb_picture(int width, int height, std::vector<QRgb> colours) {
  DecodedPicture picture{PictureKind::jpeg, width, height, PixelLayout::rgb, {}};
  for (QRgb c : colours)
    picture.pixels.insert(picture.pixels.end(),
                          {std::uint8_t(qRed(c)), std::uint8_t(qGreen(c)), std::uint8_t(qBlue(c))});
  return picture;
}

// Colours with their alpha, as straight BGRA.
DecodedPicture bgra_picture(int width, int height, std::vector<QRgb> colours) {
  DecodedPicture picture{PictureKind::png, width, height, PixelLayout::bgra, {}};
  for (QRgb c : colours)
    picture.pixels.insert(picture.pixels.end(), {std::uint8_t(qBlue(c)), std::uint8_t(qGreen(c)),
                                                 std::uint8_t(qRed(c)), std::uint8_t(qAlpha(c))});
  return picture;
}

// A 4 x 4 board of black and white single pixels: averaging turns it grey, the nearest pixel
// keeps it black or white.
DecodedPicture checker_board() {
  std::vector<QRgb> colours;
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) colours.push_back((x + y) % 2 ? 0xFFFFFFFF : 0xFF000000);
  return rgb_picture(4, 4, colours);
}

QImage canvas(int width = 40, int height = 30) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(background);
  return image;
}

QImage drawn(const DecodedPicture& picture, const PictureDestination& destination,
             QRgb composition = 0xFFFFFFFF, int depth = 32) {
  QImage image = canvas();
  QPainter painter(&image);
  draw_picture(painter, picture, destination, composition, depth);
  return image;
}

bool is_black_or_white(QRgb c) {
  return (c & RGB_MASK) == 0 || (c & RGB_MASK) == RGB_MASK;
}

TEST(PictureDrawing, NaturalSizeIsTheWholePictureAtItsOwnSize) {
  const auto picture = rgb_picture(3, 2,
                                   {0xFF102030, 0xFF405060, 0xFF708090,  //
                                    0xFFA0B0C0, 0xFFD0E0F0, 0xFF010203});
  const QImage image =
      drawn(picture, {.left = 5, .top = 6, .width = std::nullopt, .height = std::nullopt});
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const bool inside = x >= 5 && x < 8 && y >= 6 && y < 8;
      const std::size_t i = inside ? ((y - 6) * 3 + (x - 5)) * 3 : 0;
      const QRgb expected =
          inside ? qRgb(picture.pixels[i], picture.pixels[i + 1], picture.pixels[i + 2])
                 : background;
      ASSERT_EQ(image.pixel(x, y), expected) << x << ", " << y;
    }
  }
}

TEST(PictureDrawing, AlphaIsComposedOverTheCompositionColourOfThePaint) {
  const auto picture = bgra_picture(3, 1, {0x00FF00FF, 0xFF123456, 0x80646464});
  for (const QRgb composition : {0xFF000000u, 0xFFC0FFEEu}) {
    const QImage image = drawn(picture, {}, composition);
    EXPECT_EQ(image.pixel(0, 0), composition);
    EXPECT_EQ(image.pixel(1, 0), 0xFF123456u);
  }
  EXPECT_NE(drawn(picture, {}, 0xFF000000).pixel(2, 0), drawn(picture, {}, 0xFFFFFFFF).pixel(2, 0));
}

TEST(PictureDrawing, AFullyOpaquePictureIsTheSameOverAnyColour) {
  const auto picture = bgra_picture(2, 2, {0xFF010203, 0xFFFFFFFF, 0xFF000000, 0xFF7F8081});
  const QImage over_black = drawn(picture, {0, 0, 20, 10}, 0xFF000000);
  EXPECT_EQ(over_black, drawn(picture, {0, 0, 20, 10}, 0xFFFFFFFF));
  EXPECT_EQ(over_black, drawn(picture, {0, 0, 20, 10}, 0xFF3366CC));
}

TEST(PictureDrawing, ScalingAveragesAboveSixteenBitsAndTakesTheNearestPixelOtherwise) {
  const auto board = checker_board();
  for (const int depth : {0, 8, 15, 16, 24, 32}) {
    SCOPED_TRACE(depth);
    const QImage image = drawn(board, {0, 0, 2, 2}, 0xFFFFFFFF, depth);
    for (int y = 0; y < 2; ++y) {
      for (int x = 0; x < 2; ++x) {
        const QRgb c = image.pixel(x, y);
        if (depth > 16) {
          EXPECT_NEAR(qRed(c), 128, 2);
        } else {
          EXPECT_TRUE(is_black_or_white(c)) << std::hex << c;
        }
      }
    }
    EXPECT_EQ(image.pixel(2, 0), background);
  }
}

TEST(PictureDrawing, NearestPixelRepeatsPixelsWhenEnlarging) {
  const auto picture = rgb_picture(2, 1, {0xFFFF0000, 0xFF0000FF});
  const QImage image = drawn(picture, {0, 0, 4, 1}, 0xFFFFFFFF, 16);
  EXPECT_EQ(image.pixel(0, 0), 0xFFFF0000u);
  EXPECT_EQ(image.pixel(1, 0), 0xFFFF0000u);
  EXPECT_EQ(image.pixel(2, 0), 0xFF0000FFu);
  EXPECT_EQ(image.pixel(3, 0), 0xFF0000FFu);
  EXPECT_EQ(image.pixel(0, 1), background);
}

TEST(PictureDrawing, NothingIsDrawnOutsideTheClip) {
  const auto picture = rgb_picture(1, 1, {0xFFFF0000});
  // The last destination is beyond the pixel cap and goes through the painter's transform.
  for (const int side : {40, 30000}) {
    SCOPED_TRACE(side);
    QImage image = canvas();
    {
      QPainter painter(&image);
      painter.setClipRect(2, 3, 10, 10);
      draw_picture(painter, picture, {0, 0, side, side}, 0xFFFFFFFF, 32);
    }
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        ASSERT_EQ(image.pixel(x, y),
                  (x >= 2 && x < 12 && y >= 3 && y < 13) ? 0xFFFF0000u : background)
            << x << ", " << y;
  }
}

TEST(PictureDrawing, AnEmptyDestinationDrawsNothing) {
  const auto picture = rgb_picture(1, 1, {0xFFFF0000});
  for (const PictureDestination& d :
       {PictureDestination{0, 0, 0, 5}, PictureDestination{0, 0, 5, 0},
        PictureDestination{0, 0, -3, 5}}) {
    EXPECT_EQ(drawn(picture, d), canvas());
  }
  // A picture without its pixels is not read from.
  DecodedPicture broken = rgb_picture(2, 2, {0xFFFF0000});
  EXPECT_EQ(drawn(broken, {}), canvas());
}

TEST(PictureDrawing, TheKeptCopyDrawsWhatAFreshDrawDraws) {
  auto pixels = [] {
    std::vector<QRgb> colours;
    for (int i = 0; i < 12 * 9; ++i)
      colours.push_back(qRgba(i * 2, 255 - i, i * 7, i % 3 == 0 ? 255 : i * 2));
    return colours;
  }();
  struct Paint {
    PictureDestination destination;
    QRgb composition;
    int depth;
  };
  // Each paint changes one thing that the kept copy depends on, or nothing.
  const std::vector<Paint> paints = {
      {{0, 0, 20, 15}, 0xFFFFFFFF, 32},
      {{0, 0, 20, 15}, 0xFFFFFFFF, 32},
      {{3, 4, 20, 15}, 0xFFFFFFFF, 32},
      {{0, 0, 20, 15}, 0xFF000000, 32},
      {{0, 0, 20, 15}, 0xFF000000, 16},
      {{0, 0, 25, 15}, 0xFF000000, 16},
      {{0, 0, std::nullopt, std::nullopt}, 0xFF000000, 16},
      {{0, 0, 25, 15}, 0xFF336699, 24},
  };
  PictureDrawing drawing(bgra_picture(12, 9, pixels));
  for (std::size_t i = 0; i < paints.size(); ++i) {
    const Paint& p = paints[i];
    QImage kept = canvas();
    {
      QPainter painter(&kept);
      drawing.draw(painter, p.destination, p.composition, p.depth);
    }
    EXPECT_EQ(kept, drawn(drawing.picture(), p.destination, p.composition, p.depth))
        << "paint " << i;
  }
}

}  // namespace
}  // namespace wufu::pictures
