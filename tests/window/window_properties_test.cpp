// The window kind's property block and the window's geometry rules.
#include <gtest/gtest.h>

#include <string>

#include "window/window_properties.h"

namespace wufu {
namespace {

Bytes block_of_version(std::uint32_t version, const WindowProperties& p = {}) {
  WindowProperties q = p;
  q.version = version;
  return layout::write_block(window_layout(), q);
}

TEST(WindowProperties, EmptyBlockGivesEveryDefault) {
  auto p = layout::read_block(window_layout(), {});
  ASSERT_TRUE(p);
  EXPECT_EQ(p->border, 2u);
  EXPECT_EQ(p->picture_mode, 1u);
  EXPECT_EQ(p->background, unset_colour);
  EXPECT_EQ(p->maximize_button, 0u);
  EXPECT_EQ(p->minimize_button, 1u);
  EXPECT_EQ(p->control_button, 1u);
  EXPECT_EQ(p->position, 1u);
  EXPECT_EQ(p->movable, 1u);
  EXPECT_EQ(p->esc_closes, 1u);
  EXPECT_EQ(p->show_in_task_bar, 1u);
  EXPECT_TRUE(p->title.empty());
  EXPECT_TRUE(p->icon.empty());
}

TEST(WindowProperties, OlderVersionsKeepTheDefaultsOfWhatTheyDoNotStore) {
  WindowProperties stored;
  stored.class_name = "cls";
  stored.show_in_task_bar = 0;
  stored.title = "t";
  // Version 5 has no class name; the field keeps the shared default class.
  auto v5 = layout::read_block(window_layout(), block_of_version(5, stored));
  ASSERT_TRUE(v5);
  EXPECT_TRUE(v5->class_name.empty());
  EXPECT_EQ(v5->show_in_task_bar, 0u);
  EXPECT_EQ(v5->title, "t");
  // Version 1 has no show-in-task-bar word; it stays 1.
  auto v1 = layout::read_block(window_layout(), block_of_version(1, stored));
  ASSERT_TRUE(v1);
  EXPECT_EQ(v1->show_in_task_bar, 1u);
  EXPECT_EQ(v1->title, "t");
  // Version 6 has both.
  auto v6 = layout::read_block(window_layout(), block_of_version(6, stored));
  ASSERT_TRUE(v6);
  EXPECT_EQ(v6->class_name, "cls");
}

TEST(WindowProperties, RejectsANewerVersionAndEveryCut) {
  Bytes v7 = block_of_version(6);
  v7[0] = 7;
  EXPECT_FALSE(layout::read_block(window_layout(), v7));
  WindowProperties p;
  p.icon = Bytes(100, 1);
  p.title = "title";
  const Bytes full = block_of_version(6, p);
  for (std::size_t n = 1; n < full.size(); ++n) {
    EXPECT_FALSE(layout::read_block(window_layout(), ByteSpan(full.data(), n))) << "cut at " << n;
  }
  auto whole = layout::read_block(window_layout(), full);
  ASSERT_TRUE(whole);
  EXPECT_EQ(whole->icon, p.icon);
}

TEST(WindowProperties, AnIconCountPastTheEndIsRejected) {
  WindowProperties p;
  Bytes b = block_of_version(6, p);
  // The icon's count sits after the eighteen words, the class name and the background picture.
  const std::size_t icon_count = 4 + 18 * 4 + 4 + 4;
  b[icon_count + 3] = 0x7F;
  EXPECT_FALSE(layout::read_block(window_layout(), b));
}

struct Centring {
  int screen_w, screen_h, expect_x, expect_y;
};

class WindowCentring : public ::testing::TestWithParam<Centring> {};

TEST_P(WindowCentring, TruncatesTowardZero) {
  const auto c = GetParam();
  EXPECT_EQ(centred_on_screen(c.screen_w, c.screen_h, 750, 461),
            (ScreenPoint{c.expect_x, c.expect_y}));
}

INSTANTIATE_TEST_SUITE_P(Screens, WindowCentring,
                         ::testing::Values(Centring{1920, 1080, 585, 309},
                                           Centring{1024, 768, 137, 153}, Centring{750, 461, 0, 0},
                                           // A difference of -1 gives 0, -3 gives -1.
                                           Centring{749, 458, 0, -1}, Centring{640, 400, -55, -30}),
                         [](const ::testing::TestParamInfo<Centring>& info) {
                           return "screen_" + std::to_string(info.param.screen_w) + "x" +
                                  std::to_string(info.param.screen_h);
                         });

TEST(WindowClientArea, TheStoredLayoutFillsTheClientArea) {
  WindowProperties p;
  p.title = "2020Pelloria-Brindlecove-By:Tarnwick";
  EXPECT_EQ(client_size_for(p, 750, 461), (ClientSize{744, 432}));
  p.border = 0;
  EXPECT_EQ(client_size_for(p, 750, 461), (ClientSize{750, 461}));
}

}  // namespace
}  // namespace wufu
