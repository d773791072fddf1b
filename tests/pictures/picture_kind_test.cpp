#include "pictures/picture_kind.h"

#include <gtest/gtest.h>

#include <vector>

namespace wufu::pictures {
namespace {

struct KindCase {
  const char* name;
  std::vector<std::uint8_t> bytes;
  PictureKind kind;
};

class PictureKindTest : public ::testing::TestWithParam<KindCase> {};

TEST_P(PictureKindTest, RecognisesFromTheFirstBytes) {
  EXPECT_EQ(recognise_picture(GetParam().bytes), GetParam().kind);
}

// Each signature is padded to the 8 bytes that recognition needs.
INSTANTIATE_TEST_SUITE_P(
    Table, PictureKindTest,
    ::testing::Values(
        KindCase{"empty", {}, PictureKind::none},
        KindCase{"jpeg_of_seven_bytes", {0xFF, 0xD8, 0xFF, 0xE0, 0, 0x10, 0x4A}, PictureKind::none},
        KindCase{
            "png_of_seven_bytes", {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A}, PictureKind::none},
        KindCase{"bmp", {0x42, 0x4D, 0, 0, 0, 0, 0, 0}, PictureKind::bmp},
        // BM wins over anything that follows it.
        KindCase{"bm_then_png", {0x42, 0x4D, 0x89, 0x50, 0x4E, 0x47, 0, 0}, PictureKind::bmp},
        KindCase{"bm_then_gif", {0x42, 0x4D, 0x47, 0x49, 0x46, 0x38, 0x39, 0x61}, PictureKind::bmp},
        KindCase{"jpeg", {0xFF, 0xD8, 0xFF, 0xE0, 0, 0x10, 0x4A, 0x46}, PictureKind::jpeg},
        KindCase{"png", {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A}, PictureKind::png},
        KindCase{"icon_count_1", {0, 0, 1, 0, 1, 0, 0x10, 0x10}, PictureKind::icon},
        KindCase{"icon_count_in_high_byte", {0, 0, 1, 0, 0, 1, 0, 0}, PictureKind::icon},
        KindCase{"icon_count_0", {0, 0, 1, 0, 0, 0, 0x10, 0x10}, PictureKind::none},
        KindCase{"cursor_count_1", {0, 0, 2, 0, 1, 0, 0x20, 0x20}, PictureKind::cursor},
        KindCase{"cursor_count_0", {0, 0, 2, 0, 0, 0, 0x20, 0x20}, PictureKind::none},
        KindCase{"resource_type_3", {0, 0, 3, 0, 1, 0, 0, 0}, PictureKind::none},
        KindCase{"gif87a", {0x47, 0x49, 0x46, 0x38, 0x37, 0x61, 1, 0}, PictureKind::gif},
        KindCase{"gif89a", {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 1, 0}, PictureKind::gif},
        KindCase{"gif88a", {0x47, 0x49, 0x46, 0x38, 0x38, 0x61, 1, 0}, PictureKind::none},
        KindCase{"pcx8_version_0", {0x0A, 0, 1, 8, 0, 0, 0, 0}, PictureKind::pcx8},
        KindCase{"pcx8_version_5", {0x0A, 5, 1, 8, 0, 0, 0, 0}, PictureKind::pcx8},
        KindCase{"pcx8_version_6", {0x0A, 6, 1, 8, 0, 0, 0, 0}, PictureKind::none},
        KindCase{"pcx1", {0x0A, 3, 1, 1, 0, 0, 0, 0}, PictureKind::pcx1},
        KindCase{"pcx1_other_version", {0x0A, 5, 1, 1, 0, 0, 0, 0}, PictureKind::none},
        KindCase{"unknown", {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'u'}, PictureKind::none},
        KindCase{"half_jpeg_marker", {0xFF, 0xD9, 0, 0, 0, 0, 0, 0}, PictureKind::none}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace wufu::pictures
