// The picture box widget on a plain window: how it is created, where each display mode places
// its picture, its frames, its background and composition colour, and what it shows without a
// picture.
#include <gtest/gtest.h>

#include <png.h>

#include <QApplication>
#include <QPalette>

#include <cmath>
#include <string>
#include <vector>

#include "pictures/picture_box_placement.h"
#include "tests/pictures/picture_box_fixture.h"
#include "tests/pictures/picture_fixtures.h"
#include "window/platform_values.h"

namespace wufu::testing {
namespace {

constexpr ColourValue blue_value = 0x00FF0000;  // stored as 0x00BBGGRR
const QColor blue(0, 0, 255);

PictureBoxProperties box_with(Bytes picture, std::uint32_t display_mode = 0,
                              ColourValue background = blue_value, std::uint32_t border_style = 0) {
  PictureBoxProperties p;
  p.picture = std::move(picture);
  p.display_mode = display_mode;
  p.background = background;
  p.border_style = border_style;
  return p;
}

// The box's pixel (x, y) is the picture's pixel (x - left, y - top) inside the rectangle, and
// `background` everywhere else.
void expect_picture_at(const QImage& image, QRect at, QColor background) {
  int wrong = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor want =
          at.contains(x, y) ? picture_colour(x - at.left(), y - at.top()) : background;
      wrong += image.pixel(x, y) != want.rgb();
    }
  }
  EXPECT_EQ(wrong, 0) << "pixels other than the picture at (" << at.left() << ", " << at.top()
                      << ") on the background";
}

TEST(PictureBoxCreation, IsHiddenAtItsPlaceUnerasedWithTheArrowAndAsStoredOtherwise) {
  LoadedWindow window(one_window({window_record()}));
  ASSERT_TRUE(window.ok()) << window.error();
  for (const std::uint32_t state : {0u, state_disabled}) {
    SCOPED_TRACE("state " + std::to_string(state));
    PictureBoxProperties p = box_with(opaque_png(4, 3), 2, blue_value, 3);
    p.play_animation = 0;
    Record record =
        make_record(box_id, picture_box_kind_code, "图片框1", 0, 12, 34, 56, 78, {}, {}, state);
    const CreateContext context{window.window(), record, *window.window()->controls()};
    std::unique_ptr<Control> control(create_picture_box(std::any(p), context));
    auto* box = dynamic_cast<PictureBox*>(control.get());
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isHidden());
    EXPECT_EQ(box->parentWidget(), window.window_widget());
    EXPECT_EQ(box->geometry(), QRect(12, 34, 56, 78));
    EXPECT_EQ(box->isEnabled(), state != state_disabled);
    EXPECT_TRUE(box->testAttribute(Qt::WA_OpaquePaintEvent));
    EXPECT_FALSE(box->autoFillBackground());
    EXPECT_EQ(box->cursor().shape(), Qt::ArrowCursor);
    EXPECT_FALSE(box->takes_focus());
    EXPECT_FALSE(box->plays_animation());
    EXPECT_EQ(box->properties().display_mode, 2u);
    ASSERT_NE(box->picture(), nullptr);
    EXPECT_EQ(box->picture()->width, 4);
    EXPECT_EQ(box->contentsRect(), QRect(1, 1, 54, 76));
  }
}

TEST(PictureBoxCreation, NeedsItsPropertiesAndAWindow) {
  LoadedWindow window(one_window({window_record()}));
  ASSERT_TRUE(window.ok());
  const Record record = box_record(Bytes{}, 10, 10);
  const CreateContext no_window{nullptr, record, *window.window()->controls()};
  EXPECT_EQ(create_picture_box(std::any(PictureBoxProperties{}), no_window), nullptr);
  const CreateContext context{window.window(), record, *window.window()->controls()};
  EXPECT_EQ(create_picture_box(std::any(42), context), nullptr);
}

TEST(PictureBoxCreation, ARecordWithoutAPropertyBlockShowsTheFaceColourAlone) {
  ShownBox shown(box_record(Bytes{}, 30, 20));
  ASSERT_TRUE(shown.ok()) << shown.error();
  EXPECT_EQ(shown.box()->picture(), nullptr);
  EXPECT_TRUE(shown.box()->plays_animation());
  EXPECT_TRUE(area_unlike(shown.grab(), face_colour(), {}).isNull());
}

TEST(PictureBoxCreation, ARejectedPropertyBlockFailsTheWindow) {
  const Bytes blocks[] = {
      {3, 0, 0, 0},                          // version above 2
      {2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF},  // ends inside the background colour
  };
  for (const Bytes& block : blocks) {
    LoadedWindow window(one_window({window_record(), box_record(block, 10, 10)}));
    EXPECT_FALSE(window.ok());
  }
}

TEST(PictureBoxPlacement, EachDisplayModePlacesThePictureInTheClientArea) {
  struct Case {
    const char* what;
    std::uint32_t mode;
    int client_width, client_height, picture_width, picture_height;
    pictures::PlacedRect want;
  };
  const Case cases[] = {
      {"natural size, smaller", 0, 60, 50, 40, 30, {0, 0, 40, 30}},
      {"natural size, larger: cut off when drawn", 0, 30, 20, 40, 30, {0, 0, 40, 30}},
      {"stretched, smaller", 1, 60, 50, 40, 30, {0, 0, 60, 50}},
      {"stretched, larger, other aspect", 1, 344, 248, 1225, 813, {0, 0, 344, 248}},
      {"fitted, smaller: centred", 2, 60, 50, 40, 30, {10, 10, 40, 30}},
      {"fitted, too wide only", 2, 352, 280, 438, 195, {0, 61, 352, 156}},
      {"unknown mode: natural size", 3, 60, 50, 80, 30, {0, 0, 80, 30}},
      {"unknown mode: natural size", 0xFFFFFFFF, 60, 50, 40, 30, {0, 0, 40, 30}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(pictures::picture_box_placement(c.mode, c.client_width, c.client_height,
                                              c.picture_width, c.picture_height),
              c.want)
        << c.what;
  }
}

TEST(PictureBoxPainting, EachDisplayModeShowsThePictureWhereItIsPlaced) {
  struct Case {
    const char* what;
    std::uint32_t mode;
    int box_width, box_height, picture_width, picture_height;
    QRect want;  // null: stretched over the whole box
  };
  const Case cases[] = {
      {"natural size, smaller: background right and below", 0, 60, 50, 40, 30, {0, 0, 40, 30}},
      {"natural size, larger: cut at the right and bottom", 0, 30, 20, 40, 30, {0, 0, 40, 30}},
      {"fitted, smaller: centred at its own size", 2, 60, 50, 40, 30, {10, 10, 40, 30}},
      {"fitted, odd leftover: the extra row and column below and right",
       2,
       61,
       51,
       40,
       30,
       {10, 10, 40, 30}},
      {"unknown mode: natural size", 7, 60, 50, 40, 30, {0, 0, 40, 30}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ShownBox shown(box_record(box_with(opaque_png(c.picture_width, c.picture_height), c.mode),
                              c.box_width, c.box_height));
    ASSERT_TRUE(shown.ok()) << shown.error();
    expect_picture_at(shown.grab(), c.want, blue);
  }
}

TEST(PictureBoxPainting, StretchedAndShrunkPicturesCoverTheirRectangleOnly) {
  struct Case {
    const char* what;
    std::uint32_t mode;
    int box_width, box_height, picture_width, picture_height;
    QRect want;
  };
  const Case cases[] = {
      {"stretched, enlarged", 1, 60, 50, 7, 5, {0, 0, 60, 50}},
      {"stretched, shrunk", 1, 60, 50, 200, 90, {0, 0, 60, 50}},
      {"fitted, too wide", 2, 60, 50, 80, 30, {0, 14, 60, 22}},
      {"fitted, too tall", 2, 60, 50, 30, 100, {22, 0, 15, 50}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ShownBox shown(box_record(box_with(opaque_png(c.picture_width, c.picture_height), c.mode),
                              c.box_width, c.box_height));
    ASSERT_TRUE(shown.ok()) << shown.error();
    const QImage image = shown.grab();
    EXPECT_EQ(area_unlike(image, blue), c.want);
    EXPECT_EQ(pixels_unlike(image, blue, c.want), c.want.width() * c.want.height());
  }
}

TEST(PictureBoxPainting, AResizedBoxPlacesItsPictureFromItsNewSize) {
  ShownBox shown(box_record(box_with(opaque_png(40, 30), 2), 60, 50));
  ASSERT_TRUE(shown.ok());
  expect_picture_at(shown.grab(), {10, 10, 40, 30}, blue);
  shown.box()->resize(100, 40);
  expect_picture_at(shown.grab(), {30, 5, 40, 30}, blue);
}

TEST(PictureBoxPainting, APictureThatIsMissingOrDoesNotDecodeLeavesTheBackgroundAlone) {
  struct Case {
    const char* what;
    Bytes picture;
  };
  const Bytes png = opaque_png(8, 8);
  Bytes damaged_png = png;
  for (std::size_t i = 16; i < damaged_png.size(); ++i) damaged_png[i] ^= 0x5A;
  Bytes jpeg =
      pictures::testing::encode_jpeg({}, pictures::testing::rgb_pixels(16, 16, [](int, int) {
                                       return std::array<std::uint8_t, 3>{200, 10, 10};
                                     }));
  Bytes damaged_jpeg(jpeg.begin(), jpeg.begin() + 4);
  damaged_jpeg.insert(damaged_jpeg.end(), 64, 0x00);
  const Case cases[] = {
      {"length 0", {}},
      {"7 bytes of a PNG", Bytes(png.begin(), png.begin() + 7)},
      {"unknown kind", Bytes(64, 0x11)},
      {"a PNG damaged after its signature", damaged_png},
      {"a JPEG with a damaged header", damaged_jpeg},
      {"a BMP of nothing but its letters", {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0}},
      {"an 8-bit PCX, which has no decoder", {0x0A, 5, 1, 8, 0, 0, 0, 0, 9, 9}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ShownBox shown(box_record(box_with(c.picture, 1), 30, 20));
    ASSERT_TRUE(shown.ok()) << shown.error();
    EXPECT_EQ(shown.box()->picture(), nullptr);
    EXPECT_TRUE(area_unlike(shown.grab(), blue).isNull());
  }
}

TEST(PictureBoxPainting, PartlyTransparentPixelsAreComposedOverTheBackgroundColour) {
  // Three pixels: transparent white, half-covered (200, 100, 50), opaque (10, 20, 30).
  const std::uint8_t rgba[] = {255, 255, 255, 0, 200, 100, 50, 128, 10, 20, 30, 255};
  const Bytes png = pictures::testing::encode_png(3, 1, PNG_FORMAT_RGBA, rgba);
  auto composed = [](int c, int alpha, int b) {
    const double a = alpha / 255.0;
    return static_cast<int>(c * a + b * (1 - a));
  };
  for (const ColourValue stored : {ColourValue{0x00204080}, unset_colour}) {
    SCOPED_TRACE(stored == unset_colour ? "face colour" : "stored colour");
    ShownBox shown(box_record(box_with(png, 0, stored), 5, 2));
    ASSERT_TRUE(shown.ok());
    const QColor b = resolve_background_colour(stored);
    const QImage image = shown.grab();
    EXPECT_EQ(image.pixelColor(0, 0), b);
    EXPECT_EQ(image.pixelColor(1, 0),
              QColor(composed(200, 128, b.red()), composed(100, 128, b.green()),
                     composed(50, 128, b.blue())));
    EXPECT_EQ(image.pixelColor(2, 0), QColor(10, 20, 30));
    EXPECT_EQ(image.pixelColor(3, 0), b);
    EXPECT_EQ(image.pixelColor(0, 1), b);
  }
}

TEST(PictureBoxPainting, TheFaceColourFollowsAPaletteChange) {
  const std::uint8_t transparent[] = {0, 0, 0, 0};
  ShownBox shown(box_record(
      box_with(pictures::testing::encode_png(1, 1, PNG_FORMAT_RGBA, transparent), 0, unset_colour),
      4, 4));
  ASSERT_TRUE(shown.ok());
  const QPalette before = QApplication::palette();
  ASSERT_TRUE(area_unlike(shown.grab(), before.color(QPalette::Button)).isNull());

  const QColor changed(10, 200, 30);
  QPalette after = before;
  after.setColor(QPalette::Button, changed);
  QApplication::setPalette(after);
  const QImage image = shown.grab();
  QApplication::setPalette(before);
  // The fill and the composition colour of the picture's transparent pixel alike.
  EXPECT_TRUE(area_unlike(image, changed).isNull());
}

TEST(PictureBoxFrame, EachBorderStyleFramesTheClientAreaThatHoldsThePicture) {
  struct Case {
    std::uint32_t style;
    int frame;
  };
  const Case cases[] = {{0, 0}, {1, 2}, {2, 3}, {3, 1}, {4, 5}, {5, 1}, {6, 0}, {0xFFFFFFFF, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE("border style " + std::to_string(c.style));
    ShownBox shown(box_record(box_with(opaque_png(10, 8), 0, blue_value, c.style), 60, 50));
    ASSERT_TRUE(shown.ok());
    const QRect client(c.frame, c.frame, 60 - 2 * c.frame, 50 - 2 * c.frame);
    EXPECT_EQ(shown.box()->client_area(), client);
    EXPECT_EQ(shown.box()->contentsRect(), client);

    const QImage image = shown.grab();
    const QRect picture(c.frame, c.frame, 10, 8);
    EXPECT_EQ(area_unlike(image, blue, client), picture);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 10; ++x)
        ASSERT_EQ(image.pixelColor(c.frame + x, c.frame + y), picture_colour(x, y));
    // The frame band holds no background.
    int band = 0, background = 0;
    for (int y = 0; y < 50; ++y) {
      for (int x = 0; x < 60; ++x) {
        if (client.contains(x, y)) continue;
        ++band;
        background += image.pixelColor(x, y) == blue;
      }
    }
    EXPECT_EQ(band, 60 * 50 - client.width() * client.height());
    EXPECT_EQ(background, 0);
    if (c.style == 5) {
      EXPECT_EQ(pixels_unlike(image, Qt::black, image.rect()), client.width() * client.height());
    }
  }
}

TEST(PictureBoxFrame, AStretchedPictureFillsTheClientAreaInsideTheFrame) {
  ShownBox shown(box_record(box_with(opaque_png(7, 5), 1, blue_value, 4), 60, 50));
  ASSERT_TRUE(shown.ok());
  const QImage image = shown.grab();
  const QRect client(5, 5, 50, 40);
  EXPECT_EQ(pixels_unlike(image, blue, client), 50 * 40);
  EXPECT_EQ(image.pixelColor(5, 5), picture_colour(0, 0));
  EXPECT_EQ(image.pixelColor(54, 44), picture_colour(6, 4));
}

TEST(PictureBoxFrame, ABoxSmallerThanItsFrameHasNoClientArea) {
  ShownBox shown(box_record(box_with(opaque_png(10, 8), 1, blue_value, 4), 8, 6));
  ASSERT_TRUE(shown.ok());
  EXPECT_TRUE(shown.box()->client_area().isEmpty());
  EXPECT_EQ(pixels_unlike(shown.grab(), blue, QRect(0, 0, 8, 6)), 48);
}

TEST(PictureBoxFrame, ADisabledBoxLooksLikeAnEnabledOne) {
  // Disabled colours that differ from the enabled ones in every role a frame or fill takes.
  const QPalette before = QApplication::palette();
  QPalette palette = before;
  for (const auto role : {QPalette::Button, QPalette::Light, QPalette::Midlight, QPalette::Dark,
                          QPalette::Mid, QPalette::Shadow}) {
    palette.setColor(QPalette::Disabled, role, QColor(255, 0, 255));
  }
  QApplication::setPalette(palette);

  const PictureBoxProperties p = box_with(opaque_png(10, 8), 2, unset_colour, 4);
  ShownBox enabled(box_record(p, 40, 30));
  ShownBox disabled(box_record(p, 40, 30, state_visible | state_disabled));
  const bool made = enabled.ok() && disabled.ok();
  const QImage enabled_image = enabled.grab();
  const QImage disabled_image = disabled.grab();
  QApplication::setPalette(before);

  ASSERT_TRUE(made);
  ASSERT_FALSE(disabled.box()->isEnabled());
  EXPECT_EQ(disabled_image, enabled_image);
  EXPECT_EQ(pixels_unlike(enabled_image, QColor(255, 0, 255), enabled_image.rect()), 40 * 30);
}

}  // namespace
}  // namespace wufu::testing
