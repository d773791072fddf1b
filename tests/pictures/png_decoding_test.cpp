#include "pictures/png_decoding.h"

#include <gtest/gtest.h>
#include <png.h>

#include <array>

#include "pictures/decoded_picture.h"
#include "tests/pictures/picture_fixtures.h"

namespace wufu::pictures {
namespace {

using testing::Bytes;
using testing::encode_png;
using Bgra = std::array<std::uint8_t, 4>;

Bgra pixel(const DecodedPicture& p, int x, int y) {
  const auto* px = &p.pixels[(std::size_t(y) * p.width + x) * 4];
  return {px[0], px[1], px[2], px[3]};
}

void expect_picture(const std::optional<DecodedPicture>& picture, const std::vector<Bgra>& pixels,
                    int width) {
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->kind, PictureKind::png);
  EXPECT_EQ(picture->layout, PixelLayout::bgra);
  ASSERT_EQ(picture->width, width);
  ASSERT_EQ(picture->height, static_cast<int>(pixels.size()) / width);
  ASSERT_EQ(picture->pixels.size(), pixels.size() * 4);
  for (std::size_t i = 0; i < pixels.size(); ++i)
    EXPECT_EQ(pixel(*picture, i % width, i / width), pixels[i]) << "pixel " << i;
}

// Red, green, blue, alpha in the file; blue, green, red, alpha after decoding.
TEST(PngDecoding, RgbaArrivesAsStraightBgraRowsTopFirst) {
  const std::uint8_t rgba[] = {255, 0, 0, 255, 0,   255, 0,  128, 10, 20, 30,  0,
                               1,   2, 3, 255, 200, 100, 50, 1,   0,  0,  255, 254};
  expect_picture(decode_picture(encode_png(3, 2, PNG_FORMAT_RGBA, rgba)),
                 {{0, 0, 255, 255},
                  {0, 255, 0, 128},
                  {30, 20, 10, 0},
                  {3, 2, 1, 255},
                  {50, 100, 200, 1},
                  {255, 0, 0, 254}},
                 3);
}

TEST(PngDecoding, PaletteArrivesAsBgra) {
  const std::uint8_t palette[] = {255, 0, 0, 0, 128, 255, 9, 9, 9};
  const std::uint8_t indices[] = {0, 1, 2, 2, 1, 0};
  expect_picture(decode_png(encode_png(3, 2, PNG_FORMAT_RGB_COLORMAP, indices, palette, 3)),
                 {{0, 0, 255, 255},
                  {255, 128, 0, 255},
                  {9, 9, 9, 255},
                  {9, 9, 9, 255},
                  {255, 128, 0, 255},
                  {0, 0, 255, 255}},
                 3);
}

TEST(PngDecoding, PaletteWithTransparencyChunkKeepsItsAlpha) {
  const std::uint8_t palette[] = {255, 0, 0, 255, 0, 0, 255, 0, 40, 50, 60, 100};
  const std::uint8_t indices[] = {0, 1, 2, 0};
  const Bytes png = encode_png(2, 2, PNG_FORMAT_RGBA_COLORMAP, indices, palette, 3);
  ASSERT_NE(std::search(png.begin(), png.end(), std::begin("tRNS"), std::end("tRNS") - 1),
            png.end());
  const auto picture = decode_png(png);
  ASSERT_TRUE(picture);
  EXPECT_EQ(pixel(*picture, 0, 0), (Bgra{0, 0, 255, 255}));
  EXPECT_EQ(pixel(*picture, 1, 0)[3], 0);
  EXPECT_EQ(pixel(*picture, 0, 1), (Bgra{60, 50, 40, 100}));
}

TEST(PngDecoding, ColourKeyTransparencyChunkBecomesAlpha) {
  const Bytes rgb = {10, 20, 30, 1, 2, 3, 10, 20, 30, 200, 0, 0};
  const auto picture = decode_png(testing::encode_png_with_colour_key(2, 2, rgb, {10, 20, 30}));
  ASSERT_TRUE(picture);
  EXPECT_EQ(pixel(*picture, 0, 0)[3], 0);
  EXPECT_EQ(pixel(*picture, 1, 0), (Bgra{3, 2, 1, 255}));
  EXPECT_EQ(pixel(*picture, 0, 1)[3], 0);
  EXPECT_EQ(pixel(*picture, 1, 1), (Bgra{0, 0, 200, 255}));
}

TEST(PngDecoding, GreyIsWrittenToAllThreeColours) {
  const std::uint8_t grey[] = {0, 77, 200, 255};
  expect_picture(decode_png(encode_png(2, 2, PNG_FORMAT_GRAY, grey)),
                 {{0, 0, 0, 255}, {77, 77, 77, 255}, {200, 200, 200, 255}, {255, 255, 255, 255}},
                 2);
}

TEST(PngDecoding, SixteenBitArrivesAsEightBit) {
  const std::uint16_t rgba[] = {65535, 0, 0, 65535, 0, 0, 65535, 65535, 0, 0, 0, 0};
  const Bytes png = encode_png(3, 1, PNG_FORMAT_LINEAR_RGB_ALPHA, rgba);
  ASSERT_EQ(png[24], 16) << "the fixture is meant to hold 16-bit samples";
  const auto picture = decode_png(png);
  ASSERT_TRUE(picture);
  EXPECT_EQ(pixel(*picture, 0, 0), (Bgra{0, 0, 255, 255}));
  EXPECT_EQ(pixel(*picture, 1, 0), (Bgra{255, 0, 0, 255}));
  EXPECT_EQ(pixel(*picture, 2, 0)[3], 0);
}

TEST(PngDecoding, DamagedDataGiveNoPicture) {
  std::vector<std::uint8_t> rgb(64 * 64 * 3);
  for (std::size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<std::uint8_t>(i * 31 + i / 7);
  const Bytes good = encode_png(64, 64, PNG_FORMAT_RGB, rgb.data());
  ASSERT_TRUE(decode_png(good));

  Bytes flipped = good;
  flipped[flipped.size() / 2] ^= 0x5A;  // inside the image data: its CRC no longer matches
  EXPECT_FALSE(decode_png(flipped));

  EXPECT_FALSE(decode_png(Bytes(good.begin(), good.begin() + good.size() / 2)));
  EXPECT_FALSE(decode_png(Bytes(good.begin(), good.begin() + 20)));

  Bytes not_png(good.begin(), good.begin() + 8);
  not_png.insert(not_png.end(), 64, 0xAB);
  EXPECT_FALSE(decode_picture(not_png));
  EXPECT_FALSE(decode_png({}));
}

TEST(PngDecoding, AHeaderClaimingAHugeSizeGivesNoPicture) {
  const std::uint8_t grey[] = {1, 2, 3, 4};
  const Bytes small = encode_png(2, 2, PNG_FORMAT_GRAY, grey);
  for (const auto& [width, height] :
       {std::pair{9000u, 9000u}, std::pair{1000000u, 1000000u}, std::pair{0x7FFFFFFFu, 1u}}) {
    EXPECT_FALSE(decode_png(testing::with_png_size(small, width, height)))
        << width << " x " << height;
  }
}

}  // namespace
}  // namespace wufu::pictures
