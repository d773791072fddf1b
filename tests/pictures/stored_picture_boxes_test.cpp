// The eight picture boxes of the stored start window: their records against the picture table,
// and each of them shown alone on a plain window, from its real record.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <string>
#include <vector>

#include "pictures/decoded_picture.h"
#include "pictures/picture_drawing.h"
#include "tests/pictures/picture_box_fixture.h"
#include "window/gbk.h"
#include "window/platform_values.h"

namespace wufu::testing {
namespace {

constexpr ControlId tab_control_id = 0x16010002;

struct StoredBox {
  const char* name;
  int left, top, width, height;
  std::uint32_t display_mode;
  pictures::PictureKind kind;
  int picture_width, picture_height;
  QRect drawn;  // where the picture is drawn, in the box's pixels
};

void PrintTo(const StoredBox& s, std::ostream* os) {
  *os << s.name;
}

const std::vector<StoredBox>& picture_table() {
  using pictures::PictureKind;
  static const std::vector<StoredBox> table = {
      {"图片框1", 32, 152, 304, 240, 1, PictureKind::jpeg, 409, 396, {0, 0, 304, 240}},
      {"图片框2", 376, 152, 344, 248, 1, PictureKind::jpeg, 1225, 813, {0, 0, 344, 248}},
      // Background strips 22 pixels wide on the right and 5 high at the bottom.
      {"图片框3", 192, 136, 352, 280, 0, PictureKind::jpeg, 330, 275, {0, 0, 330, 275}},
      {"图片框4", 192, 120, 352, 280, 1, PictureKind::jpeg, 522, 376, {0, 0, 352, 280}},
      {"图片框5", 192, 128, 352, 280, 1, PictureKind::jpeg, 560, 397, {0, 0, 352, 280}},
      // 61 rows of background above and 63 below.
      {"图片框6", 192, 136, 352, 280, 2, PictureKind::jpeg, 438, 195, {0, 61, 352, 156}},
      // The last column is cut off; a strip 5 rows high at the bottom.
      {"图片框7", 32, 208, 168, 200, 0, PictureKind::jpeg, 169, 195, {0, 0, 169, 195}},
      {"图片框8", 472, 208, 248, 200, 1, PictureKind::png, 580, 489, {0, 0, 248, 200}},
  };
  return table;
}

std::vector<Record> stored_box_records() {
  std::vector<Record> boxes;
  auto d = read_description(stored_block());
  if (!d || d->windows.empty()) return boxes;
  for (const Record& r : d->windows[0].records) {
    if (r.common.kind_code() == picture_box_kind_code) boxes.push_back(r);
  }
  return boxes;
}

const Record* stored_box(const std::string& name) {
  static const std::vector<Record> boxes = stored_box_records();
  for (const Record& r : boxes) {
    if (from_gbk(r.common.name).toStdString() == name) return &r;
  }
  return nullptr;
}

PictureBoxProperties properties_of(const Record& record) {
  auto r = picture_box_codec.read(ByteSpan(record.property_block));
  return r ? std::any_cast<PictureBoxProperties>(*r) : PictureBoxProperties{};
}

TEST(StoredPictureBoxes, TheWindowHoldsEightOfThem) {
  EXPECT_EQ(stored_box_records().size(), picture_table().size());
}

class StoredPictureBox : public ::testing::TestWithParam<StoredBox> {};

TEST_P(StoredPictureBox, ItsRecordIsAsThePictureTableSays) {
  const StoredBox& s = GetParam();
  const Record* record = stored_box(s.name);
  ASSERT_NE(record, nullptr);
  const CommonFields& f = record->common;
  EXPECT_EQ(f.parent, tab_control_id);
  EXPECT_EQ(QRect(f.left, f.top, f.width, f.height), QRect(s.left, s.top, s.width, s.height));
  EXPECT_FALSE(f.disabled());
  EXPECT_FALSE(f.tab_stop());
  EXPECT_EQ(f.pointer_number(), 0u);
  EXPECT_TRUE(f.events.empty());

  auto read = picture_box_codec.read(ByteSpan(record->property_block));
  ASSERT_TRUE(read.ok()) << read.error().what;
  const auto& p = std::any_cast<const PictureBoxProperties&>(*read);
  EXPECT_EQ(p.version, 2u);
  EXPECT_EQ(p.border_style, 0u);
  EXPECT_EQ(p.background, unset_colour);
  EXPECT_EQ(p.display_mode, s.display_mode);
  EXPECT_EQ(p.play_animation, 1u);
  EXPECT_TRUE(p.data_source.empty());
  EXPECT_TRUE(p.data_column.empty());
  EXPECT_TRUE(p.trailing.empty());

  const auto picture = pictures::decode_picture(p.picture);
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(picture->kind, s.kind);
  EXPECT_EQ(picture->width, s.picture_width);
  EXPECT_EQ(picture->height, s.picture_height);
}

TEST_P(StoredPictureBox, ShowsItsPictureWhereThePictureTableSaysOnTheFaceColour) {
  const StoredBox& s = GetParam();
  const Record* record = stored_box(s.name);
  ASSERT_NE(record, nullptr);
  ShownBox shown(*record);
  ASSERT_TRUE(shown.ok()) << shown.error();
  ASSERT_EQ(shown.box()->size(), QSize(s.width, s.height));
  ASSERT_NE(shown.box()->picture(), nullptr);
  const QImage image = shown.grab();
  ASSERT_EQ(image.size(), QSize(s.width, s.height));

  // Outside the picture's rectangle, the face colour and nothing else.
  const QColor face = face_colour();
  const QRect visible = s.drawn & image.rect();
  int background_wrong = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      background_wrong += !visible.contains(x, y) && image.pixel(x, y) != face.rgb();
  EXPECT_EQ(background_wrong, 0);

  // Inside it, the whole picture scaled to the drawn size with the screen's filter: the same
  // pixels as the picture drawn by itself.
  const int depth = QGuiApplication::primaryScreen()->depth();
  ASSERT_GT(depth, 16) << "the test platform is expected to smooth";
  const QImage picture =
      pictures::scaled_picture(*shown.box()->picture(), s.drawn.size(), face.rgb(), depth);
  ASSERT_EQ(picture.size(), s.drawn.size());
  int picture_wrong = 0;
  for (int y = visible.top(); y <= visible.bottom(); ++y)
    for (int x = visible.left(); x <= visible.right(); ++x)
      picture_wrong += image.pixel(x, y) != picture.pixel(x - s.drawn.left(), y - s.drawn.top());
  EXPECT_EQ(picture_wrong, 0);

  // Each edge of the visible picture holds picture pixels, so the rectangle is where it is.
  const QRect edges[] = {
      {visible.left(), visible.top(), visible.width(), 1},
      {visible.left(), visible.bottom(), visible.width(), 1},
      {visible.left(), visible.top(), 1, visible.height()},
      {visible.right(), visible.top(), 1, visible.height()},
  };
  for (const QRect& edge : edges) EXPECT_GT(pixels_unlike(image, face, edge), 0);
}

TEST(StoredPictureBoxes, NaturalSizeShowsThePicturesOwnPixelsCutAtTheBoxEdge) {
  // 图片框7 is one pixel narrower than its picture: its last column is the picture's column 167.
  const Record* record = stored_box("图片框7");
  ASSERT_NE(record, nullptr);
  ShownBox shown(*record);
  ASSERT_TRUE(shown.ok());
  const QImage image = shown.grab();
  const auto picture = pictures::decode_picture(properties_of(*record).picture);
  ASSERT_TRUE(picture.has_value());
  ASSERT_EQ(picture->layout, pictures::PixelLayout::rgb);
  int wrong = 0;
  for (int y = 0; y < 195; ++y) {
    for (int x = 0; x < 168; ++x) {
      const std::uint8_t* px = picture->pixels.data() + y * picture->row_bytes() + x * 3;
      wrong += image.pixel(x, y) != qRgb(px[0], px[1], px[2]);
    }
  }
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(pixels_unlike(image, face_colour(), QRect(0, 195, 168, 5)), 0);
}

INSTANTIATE_TEST_SUITE_P(PictureTable, StoredPictureBox, ::testing::ValuesIn(picture_table()),
                         [](const auto& info) { return "box" + std::to_string(info.index + 1); });

}  // namespace
}  // namespace wufu::testing
