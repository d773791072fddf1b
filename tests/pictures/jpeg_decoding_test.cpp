#include "pictures/jpeg_decoding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "pictures/decoded_picture.h"
#include "tests/pictures/picture_fixtures.h"

namespace wufu::pictures {
namespace {

using testing::Bytes;
using testing::encode_jpeg;
using testing::JpegRecipe;
using testing::rgb_pixels;

using Rgb = std::array<std::uint8_t, 3>;

constexpr Rgb red{220, 20, 30};
constexpr Rgb blue{20, 40, 210};

// Top half red, bottom half blue: shows both the channel order and that rows run top first.
Bytes red_over_blue(int width, int height) {
  return rgb_pixels(width, height, [&](int, int y) { return y < height / 2 ? red : blue; });
}

// A busy pattern, so that every block carries real data.
Bytes pattern(int width, int height) {
  return rgb_pixels(width, height, [](int x, int y) {
    return Rgb{static_cast<std::uint8_t>(x * 7 + y * 3), static_cast<std::uint8_t>(x * y),
               static_cast<std::uint8_t>(255 - x * 5)};
  });
}

Rgb pixel(const DecodedPicture& p, int x, int y) {
  const auto* px = &p.pixels[(std::size_t(y) * p.width + x) * 3];
  return {px[0], px[1], px[2]};
}

void expect_near(Rgb actual, Rgb expected, int tolerance) {
  for (int c = 0; c < 3; ++c) EXPECT_NEAR(actual[c], expected[c], tolerance) << "channel " << c;
}

TEST(JpegDecoding, BaselineAndProgressiveGiveRedGreenBlueRowsTopFirst) {
  for (const bool progressive : {false, true}) {
    SCOPED_TRACE(progressive ? "progressive" : "baseline");
    const auto picture = decode_picture(encode_jpeg(
        {.width = 32, .height = 32, .progressive = progressive}, red_over_blue(32, 32)));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->kind, PictureKind::jpeg);
    EXPECT_EQ(picture->layout, PixelLayout::rgb);
    EXPECT_EQ(picture->width, 32);
    EXPECT_EQ(picture->height, 32);
    ASSERT_EQ(picture->pixels.size(), 32u * 32 * 3);
    expect_near(pixel(*picture, 5, 2), red, 8);
    expect_near(pixel(*picture, 30, 29), blue, 8);
  }
}

TEST(JpegDecoding, ProgressiveDecodesToTheSamePixelsAsBaseline) {
  // Progressive scans carry the same quantised coefficients in another order.
  const Bytes pixels = pattern(40, 24);
  const auto baseline = decode_jpeg(encode_jpeg({.width = 40, .height = 24}, pixels));
  const auto progressive =
      decode_jpeg(encode_jpeg({.width = 40, .height = 24, .progressive = true}, pixels));
  ASSERT_TRUE(baseline && progressive);
  EXPECT_EQ(baseline->pixels, progressive->pixels);
}

TEST(JpegDecoding, GreyscaleIsWrittenToAllThreeChannels) {
  Bytes grey;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 24; ++x) grey.push_back(static_cast<std::uint8_t>(x * 10));
  const auto picture = decode_jpeg(encode_jpeg({.width = 24, .height = 16, .components = 1}, grey));
  ASSERT_TRUE(picture);
  ASSERT_EQ(picture->pixels.size(), 24u * 16 * 3);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 24; ++x) {
      const Rgb p = pixel(*picture, x, y);
      ASSERT_EQ(p[0], p[1]);
      ASSERT_EQ(p[1], p[2]);
      ASSERT_NEAR(p[0], x * 10, 12);
    }
  }
}

TEST(JpegDecoding, CmykIsConvertedWithAdobeInvertedInks) {
  // libjpeg writes an Adobe marker with CMYK; such files keep their inks inverted, so stored
  // (255, 0, 255, 255) is magenta ink alone.
  Bytes cmyk;
  for (int i = 0; i < 16 * 16; ++i) cmyk.insert(cmyk.end(), {255, 0, 255, 255});
  const auto picture = decode_jpeg(encode_jpeg({.components = 4}, cmyk));
  ASSERT_TRUE(picture);
  ASSERT_EQ(picture->pixels.size(), 16u * 16 * 3);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) expect_near(pixel(*picture, x, y), Rgb{255, 0, 255}, 4);
}

TEST(JpegDecoding, OtherComponentCountsGiveNoPicture) {
  const Bytes two(16 * 16 * 2, 100);
  EXPECT_FALSE(decode_jpeg(encode_jpeg({.components = 2}, two)));
}

TEST(JpegDecoding, CutShortDecodesTheRowsThatArePresent) {
  const int width = 64, height = 64;
  const Bytes whole = encode_jpeg({.width = width, .height = height}, pattern(width, height));
  const auto full = decode_jpeg(whole);
  ASSERT_TRUE(full);
  // Three quarters of the data hold well over the first band of 16 rows.
  const Bytes cut(whole.begin(), whole.begin() + whole.size() * 3 / 4);
  const auto partial = decode_picture(cut);
  ASSERT_TRUE(partial);
  EXPECT_EQ(partial->width, width);
  EXPECT_EQ(partial->height, height);
  const std::size_t band = std::size_t(width) * 3 * 16;
  EXPECT_TRUE(
      std::equal(full->pixels.begin(), full->pixels.begin() + band, partial->pixels.begin()));
  EXPECT_NE(full->pixels, partial->pixels);
}

TEST(JpegDecoding, CutInsideTheHeaderGivesNoPicture) {
  const Bytes whole = encode_jpeg({}, red_over_blue(16, 16));
  EXPECT_FALSE(decode_jpeg(Bytes(whole.begin(), whole.begin() + 40)));
}

TEST(JpegDecoding, DamagedHeadersGiveNoPicture) {
  const Bytes good = encode_jpeg({}, red_over_blue(16, 16));
  auto frame_header = [&] {
    for (std::size_t i = 2; i + 1 < good.size(); ++i)
      if (good[i] == 0xFF && good[i + 1] == 0xC0) return i;
    ADD_FAILURE() << "no frame header";
    return std::size_t{0};
  }();
  struct Damage {
    const char* what;
    std::vector<std::pair<std::size_t, std::uint8_t>> bytes;
  };
  const std::size_t sof = frame_header;
  for (const Damage& d :
       {Damage{"12-bit precision", {{sof + 4, 12}}},
        Damage{"zero height", {{sof + 5, 0}, {sof + 6, 0}}},
        Damage{"zero width", {{sof + 7, 0}, {sof + 8, 0}}}, Damage{"no components", {{sof + 9, 0}}},
        Damage{"lossless process", {{sof + 1, 0xC3}}},
        Damage{"frame header cut short", {{sof + 3, 5}}}}) {
    SCOPED_TRACE(d.what);
    Bytes bad = good;
    for (const auto& [offset, value] : d.bytes) bad[offset] = value;
    EXPECT_FALSE(decode_jpeg(bad));
  }
  // After the start-of-image marker nothing but bytes that are no marker.
  EXPECT_FALSE(decode_picture(Bytes{0xFF, 0xD8, 0x13, 0x37, 0x42, 0x42, 0x42, 0x42}));
}

TEST(JpegDecoding, ABadTableInALaterScanGivesNoPicture) {
  // Progressive scans bring their own Huffman tables; the last one is read only once decoding
  // has begun and the pixel buffer is allocated.
  Bytes bad = encode_jpeg({.width = 32, .height = 32, .progressive = true}, pattern(32, 32));
  std::size_t last_table = 0;
  for (std::size_t i = 0; i + 1 < bad.size(); ++i)
    if (bad[i] == 0xFF && bad[i + 1] == 0xC4) last_table = i;
  ASSERT_GT(last_table, 0u);
  std::fill_n(bad.begin() + last_table + 5, 16, 0xFF);  // 16 code counts that add up past 256
  EXPECT_FALSE(decode_jpeg(bad));
}

// The last scan of a progressive picture repeated: the decoder warns and goes on, up to the
// number of scans that it accepts.
Bytes with_repeated_last_scan(int repeats) {
  const Bytes jpeg = encode_jpeg({.width = 16, .height = 16, .progressive = true}, pattern(16, 16));
  std::size_t last_scan = 0;
  for (std::size_t i = 0; i + 1 < jpeg.size(); ++i)
    if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xDA) last_scan = i;
  const auto end_of_image = jpeg.end() - 2;
  Bytes out(jpeg.begin(), end_of_image);
  for (int r = 0; r < repeats; ++r) out.insert(out.end(), jpeg.begin() + last_scan, end_of_image);
  out.insert(out.end(), end_of_image, jpeg.end());
  return out;
}

TEST(JpegDecoding, AStreamOfMoreScansThanAnyEncoderWritesGivesNoPicture) {
  EXPECT_TRUE(decode_jpeg(with_repeated_last_scan(100)));
  EXPECT_FALSE(decode_jpeg(with_repeated_last_scan(1000)));
}

TEST(JpegDecoding, EmptyDataAreAnError) {
  EXPECT_FALSE(decode_jpeg({}));
}

TEST(JpegDecoding, AHeaderBeyondThePixelCapGivesNoPicture) {
  // The scan data of an 8 x 8 picture stop long before a 20000 x 20000 one would end, which the
  // decoder would otherwise finish as a cut-short picture of 400 million pixels.
  const Bytes small = encode_jpeg({.width = 8, .height = 8}, red_over_blue(8, 8));
  EXPECT_FALSE(decode_jpeg(testing::with_jpeg_size(small, 20000, 20000)));
  // Within the cap the same trick decodes: the refusal above is the cap's.
  const auto grown = decode_jpeg(testing::with_jpeg_size(small, 512, 256));
  ASSERT_TRUE(grown);
  EXPECT_EQ(grown->width, 512);
  EXPECT_EQ(grown->height, 256);
}

struct CapCase {
  std::int64_t width, height;
  bool fits;
};

TEST(PixelCap, AdmitsPicturesUpToTheCapAndNoneBeyond) {
  for (const CapCase& c :
       {CapCase{1, 1, true}, CapCase{8192, 8192, true}, CapCase{max_picture_pixels, 1, true},
        CapCase{1, max_picture_pixels, true}, CapCase{8192, 8193, false},
        CapCase{max_picture_pixels + 1, 1, false}, CapCase{0, 10, false}, CapCase{10, -1, false},
        CapCase{INT32_MAX, INT32_MAX, false}, CapCase{UINT32_MAX, UINT32_MAX, false}}) {
    EXPECT_EQ(fits_pixel_cap(c.width, c.height), c.fits) << c.width << " x " << c.height;
  }
}

}  // namespace
}  // namespace wufu::pictures
