// The eight pictures that the window description stores, named after their picture boxes,
// decode to their stated kinds and sizes.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "pictures/decoded_picture.h"

namespace wufu::pictures {
namespace {

struct StoredPicture {
  const char* file;
  PictureKind kind;
  int width, height;
};

class StoredPictureTest : public ::testing::TestWithParam<StoredPicture> {};

TEST_P(StoredPictureTest, DecodesToItsStatedSize) {
  const StoredPicture& p = GetParam();
  std::ifstream in(std::string(WUFU_PICTURE_ASSETS) + "/" + p.file, std::ios::binary);
  ASSERT_TRUE(in) << p.file << " is not there";
  const std::vector<std::uint8_t> image(std::istreambuf_iterator<char>(in), {});
  EXPECT_EQ(recognise_picture(image), p.kind);
  const auto picture = decode_picture(image);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->kind, p.kind);
  EXPECT_EQ(picture->width, p.width);
  EXPECT_EQ(picture->height, p.height);
  ASSERT_EQ(picture->pixels.size(), std::size_t(picture->row_bytes()) * p.height);
  if (p.kind == PictureKind::png) {
    // Fully opaque, so it looks the same over any composition colour.
    for (std::size_t i = 3; i < picture->pixels.size(); i += 4)
      ASSERT_EQ(picture->pixels[i], 255) << "pixel " << i / 4;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Assets, StoredPictureTest,
    ::testing::Values(StoredPicture{"图片框1.jpg", PictureKind::jpeg, 409, 396},
                      StoredPicture{"图片框2.jpg", PictureKind::jpeg, 1225, 813},
                      StoredPicture{"图片框3.jpg", PictureKind::jpeg, 330, 275},
                      StoredPicture{"图片框4.jpg", PictureKind::jpeg, 522, 376},
                      StoredPicture{"图片框5.jpg", PictureKind::jpeg, 560, 397},
                      StoredPicture{"图片框6.jpg", PictureKind::jpeg, 438, 195},
                      StoredPicture{"图片框7.jpg", PictureKind::jpeg, 169, 195},
                      StoredPicture{"图片框8.png", PictureKind::png, 580, 489}),
    [](const auto& info) { return "box" + std::to_string(info.index + 1); });

}  // namespace
}  // namespace wufu::pictures
