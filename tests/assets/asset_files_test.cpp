// The stored icon and pictures are committed files drawn by tools/assets/make_assets.py. These
// tests read them back with the same libraries the program decodes them with and check that each
// one is of the kind, coding mode and exact pixel size that its picture box expects.
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first

#include <jpeglib.h>
#include <png.h>

#include <gtest/gtest.h>
#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include <csetjmp>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

namespace {

std::vector<unsigned char> read_asset(const std::string& name) {
  std::ifstream in(std::string(WUFU_ASSETS_DIR) + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint16_t u16(const std::vector<unsigned char>& b, size_t at) {
  return static_cast<uint16_t>(b[at] | b[at + 1] << 8);
}
uint32_t u32(const std::vector<unsigned char>& b, size_t at) {
  return u16(b, at) | static_cast<uint32_t>(u16(b, at + 2)) << 16;
}

// ---- JPEG ---------------------------------------------------------------------------------------

struct JpegFacts {
  bool decoded = false;
  int warnings = 0;
  unsigned width = 0, height = 0;
  int components = 0;
  bool progressive = false;
  int h_samp[3] = {}, v_samp[3] = {};
  unsigned rows_read = 0;
};

struct JpegError {
  jpeg_error_mgr mgr;
  std::jmp_buf jump;
  int warnings;
};

void on_jpeg_error(j_common_ptr cinfo) {
  std::longjmp(reinterpret_cast<JpegError*>(cinfo->err)->jump, 1);
}

void on_jpeg_message(j_common_ptr cinfo, int level) {
  if (level < 0) ++reinterpret_cast<JpegError*>(cinfo->err)->warnings;
}

// Reads the header and then every scanline, so that a truncated or damaged file shows up as a
// warning or an error. Only trivially destructible locals live between setjmp and longjmp.
JpegFacts inspect_jpeg(const std::vector<unsigned char>& bytes, std::vector<unsigned char>& row) {
  JpegFacts facts;
  jpeg_decompress_struct cinfo;
  JpegError err;
  cinfo.err = jpeg_std_error(&err.mgr);
  err.mgr.error_exit = on_jpeg_error;
  err.mgr.emit_message = on_jpeg_message;
  err.warnings = 0;
  if (setjmp(err.jump)) {
    jpeg_destroy_decompress(&cinfo);
    facts.decoded = false;
    return facts;
  }
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&cinfo, TRUE);
  facts.width = cinfo.image_width;
  facts.height = cinfo.image_height;
  facts.components = cinfo.num_components;
  facts.progressive = cinfo.progressive_mode;
  for (int c = 0; c < cinfo.num_components && c < 3; ++c) {
    facts.h_samp[c] = cinfo.comp_info[c].h_samp_factor;
    facts.v_samp[c] = cinfo.comp_info[c].v_samp_factor;
  }
  jpeg_start_decompress(&cinfo);
  if (row.size() < size_t{cinfo.output_width} * cinfo.output_components) {
    // Too small a buffer: stop before writing past it; the row count then shows the fault.
    jpeg_destroy_decompress(&cinfo);
    return facts;
  }
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW rows[1] = {row.data()};
    facts.rows_read += jpeg_read_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  facts.warnings = err.warnings;
  facts.decoded = true;
  return facts;
}

// ---- PNG ----------------------------------------------------------------------------------------

struct PngFacts {
  bool header = false, pixels = false;
  unsigned width = 0, height = 0;
  png_uint_32 format = 0;
  bool all_opaque = false;
};

PngFacts inspect_png(const std::vector<unsigned char>& bytes) {
  PngFacts facts;
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) {
    png_image_free(&image);
    return facts;
  }
  facts.header = true;
  facts.width = image.width;
  facts.height = image.height;
  facts.format = image.format;
  image.format = PNG_FORMAT_RGBA;
  std::vector<unsigned char> pixels(PNG_IMAGE_SIZE(image));
  facts.pixels = png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr) != 0;
  png_image_free(&image);
  facts.all_opaque = facts.pixels;
  for (size_t i = 3; facts.all_opaque && i < pixels.size(); i += 4)
    facts.all_opaque = pixels[i] == 255;
  return facts;
}

// ---- The table of pictures ----------------------------------------------------------------------

enum class Kind { baseline_jpeg, progressive_jpeg, png };

struct StoredPicture {
  const char* file;
  const char* box;
  Kind kind;
  unsigned width, height;
};

const StoredPicture kPictures[] = {
    {"pictures/图片框1.jpg", "box1", Kind::progressive_jpeg, 409, 396},
    {"pictures/图片框2.jpg", "box2", Kind::progressive_jpeg, 1225, 813},
    {"pictures/图片框3.jpg", "box3", Kind::baseline_jpeg, 330, 275},
    {"pictures/图片框4.jpg", "box4", Kind::baseline_jpeg, 522, 376},
    {"pictures/图片框5.jpg", "box5", Kind::baseline_jpeg, 560, 397},
    {"pictures/图片框6.jpg", "box6", Kind::baseline_jpeg, 438, 195},
    {"pictures/图片框7.jpg", "box7", Kind::progressive_jpeg, 169, 195},
    {"pictures/图片框8.png", "box8", Kind::png, 580, 489},
};

// Names the picture in test listings instead of dumping the struct's bytes.
void PrintTo(const StoredPicture& p, std::ostream* os) {
  *os << p.file;
}

class StoredPictureFile : public testing::TestWithParam<StoredPicture> {};

TEST_P(StoredPictureFile, HasItsKindModeAndExactSize) {
  const StoredPicture& p = GetParam();
  const auto bytes = read_asset(p.file);
  ASSERT_GE(bytes.size(), 8u) << p.file << " is missing or empty";
  if (p.kind == Kind::png) {
    static const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    ASSERT_EQ(std::memcmp(bytes.data(), signature, 8), 0);
    const PngFacts f = inspect_png(bytes);
    ASSERT_TRUE(f.header);
    EXPECT_EQ(f.width, p.width);
    EXPECT_EQ(f.height, p.height);
    EXPECT_TRUE(f.format & PNG_FORMAT_FLAG_COLOR);
    EXPECT_TRUE(f.format & PNG_FORMAT_FLAG_ALPHA);
    // Stored as 8-bit RGBA: bit depth and colour type of the IHDR chunk.
    EXPECT_EQ(bytes[24], 8);
    EXPECT_EQ(bytes[25], 6);
    EXPECT_TRUE(f.pixels) << "the pixel data do not decode";
    EXPECT_TRUE(f.all_opaque) << "some pixel has alpha below 255";
    return;
  }
  ASSERT_EQ(bytes[0], 0xFF);
  ASSERT_EQ(bytes[1], 0xD8);
  std::vector<unsigned char> row(size_t{p.width} * 3);
  const JpegFacts f = inspect_jpeg(bytes, row);
  ASSERT_TRUE(f.decoded) << "libjpeg rejects " << p.file;
  EXPECT_EQ(f.warnings, 0) << "the data are damaged or cut short";
  EXPECT_EQ(f.width, p.width);
  EXPECT_EQ(f.height, p.height);
  EXPECT_EQ(f.rows_read, p.height);
  EXPECT_EQ(f.progressive, p.kind == Kind::progressive_jpeg);
  ASSERT_EQ(f.components, 3);
  // 4:2:0: the luma component carries 2 x 2 samples for each sample of the two colour ones.
  EXPECT_EQ(f.h_samp[0], 2);
  EXPECT_EQ(f.v_samp[0], 2);
  for (int c = 1; c < 3; ++c) {
    EXPECT_EQ(f.h_samp[c], 1) << "component " << c;
    EXPECT_EQ(f.v_samp[c], 1) << "component " << c;
  }
}

INSTANTIATE_TEST_SUITE_P(AssetFiles, StoredPictureFile, testing::ValuesIn(kPictures),
                         [](const testing::TestParamInfo<StoredPicture>& info) {
                           return std::string(info.param.box);
                         });

// ---- The icon -----------------------------------------------------------------------------------

constexpr size_t kIconBytes = 6 + 16 + 40 + 128 * 128 * 4 + 128 * 128 / 8;

TEST(AssetIconFile, IsOneBmpCoded128x128ImageWith32BitsPerPixel) {
  const auto b = read_asset("pictures/icon.ico");
  ASSERT_EQ(b.size(), kIconBytes);
  EXPECT_EQ(u16(b, 0), 0);  // reserved
  EXPECT_EQ(u16(b, 2), 1);  // icon, not cursor
  ASSERT_EQ(u16(b, 4), 1);  // one image
  EXPECT_EQ(b[6], 128);     // width; only 256 would be stored as 0
  EXPECT_EQ(b[7], 128);
  EXPECT_EQ(u16(b, 10), 1);   // planes
  EXPECT_EQ(u16(b, 12), 32);  // bits per pixel
  EXPECT_EQ(u32(b, 14), kIconBytes - 22);
  ASSERT_EQ(u32(b, 18), 22u);
  // The image: BITMAPINFOHEADER with the height doubled for the AND mask, uncompressed.
  EXPECT_EQ(u32(b, 22), 40u);
  EXPECT_EQ(u32(b, 26), 128u);
  EXPECT_EQ(u32(b, 30), 256u);
  EXPECT_EQ(u16(b, 34), 1);
  EXPECT_EQ(u16(b, 36), 32);
  EXPECT_EQ(u32(b, 38), 0u);
}

TEST(AssetIconFile, AndMaskMarksExactlyTheMostlyTransparentPixels) {
  const auto b = read_asset("pictures/icon.ico");
  ASSERT_EQ(b.size(), kIconBytes);
  const size_t pixels = 22 + 40, mask = pixels + 128 * 128 * 4;
  int mismatches = 0, transparent = 0, opaque = 0;
  for (size_t i = 0; i < 128 * 128; ++i) {
    const unsigned alpha = b[pixels + 4 * i + 3];
    const bool masked = b[mask + i / 8] & (0x80 >> (i % 8));
    if (masked != (alpha < 128)) ++mismatches;
    transparent += alpha == 0;
    opaque += alpha == 255;
  }
  EXPECT_EQ(mismatches, 0);
  // A rounded shape: clear corners around an opaque body.
  EXPECT_GT(transparent, 0);
  EXPECT_GT(opaque, 128 * 128 / 2);
}

TEST(AssetIconFile, QtReadsA128x128ImageWithAlpha) {
  const auto b = read_asset("pictures/icon.ico");
  QByteArray data(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size()));
  QBuffer buffer(&data);
  ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
  QImageReader reader(&buffer, "ico");
  EXPECT_EQ(reader.imageCount(), 1);
  const QImage image = reader.read();
  ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
  EXPECT_EQ(image.size(), QSize(128, 128));
  EXPECT_TRUE(image.hasAlphaChannel());
  EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(image.pixel(64, 64)), 255);
}

}  // namespace
