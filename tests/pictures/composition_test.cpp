#include "pictures/composition.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace wufu::pictures {
namespace {

struct ChannelCase {
  std::uint8_t channel, alpha, background, composed;
};

TEST(Composition, ChannelIsTruncatedNotRounded) {
  for (const ChannelCase& c : {
           ChannelCase{200, 0, 17, 17},  // alpha 0: exactly the composition colour
           ChannelCase{0, 0, 255, 255},
           ChannelCase{255, 254, 0, 254},  // 254.0 exactly
           ChannelCase{100, 128, 0, 50},   // 50.196: truncated to 50
           ChannelCase{255, 128, 0, 128},  // 128.0 exactly
           ChannelCase{0, 128, 255, 127},  // 127.0 exactly
           ChannelCase{200, 200, 0, 156},  // 156.86: truncated, where rounding gives 157
           ChannelCase{1, 128, 0, 0},      // 0.502
           ChannelCase{10, 51, 250, 202},  // 2 + 200 = 202.0
           ChannelCase{255, 1, 255, 255},  // never above 255
           ChannelCase{0, 1, 0, 0},
       }) {
    EXPECT_EQ(compose_channel(c.channel, c.alpha, c.background), c.composed)
        << int(c.channel) << " alpha " << int(c.alpha) << " over " << int(c.background);
  }
}

TEST(Composition, OpaquePixelsKeepTheirValuesAndOthersTakeTheColour) {
  const std::vector<std::uint8_t> bgra = {
      1,   2,
      3,   255,  // opaque: unchanged
      200, 100,
      50,  0,  // transparent: the composition colour
      100, 100,
      100, 128,  // half: blue 100*a + 30*(1-a), green 100*a + 20*(1-a), red 100*a + 10*(1-a)
  };
  std::array<std::uint32_t, 3> out{};
  compose_over(bgra, {.red = 10, .green = 20, .blue = 30}, out);
  EXPECT_EQ(out[0], 0xFF030201u);
  EXPECT_EQ(out[1], 0xFF0A141Eu);
  EXPECT_EQ(out[2], (0xFFu << 24) | (compose_channel(100, 128, 10) << 16) |
                        (compose_channel(100, 128, 20) << 8) | compose_channel(100, 128, 30));
  EXPECT_EQ(compose_channel(100, 128, 10), 55);  // 50.196 + 4.980 = 55.176
}

TEST(Composition, FullyOpaquePixelsAreTheSameOverAnyColour) {
  std::vector<std::uint8_t> bgra;
  for (int i = 0; i < 256; ++i)
    bgra.insert(bgra.end(), {std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t(i * 3), 255});
  std::vector<std::uint32_t> over_black(256), over_white(256);
  compose_over(bgra, {0, 0, 0}, over_black);
  compose_over(bgra, {255, 255, 255}, over_white);
  EXPECT_EQ(over_black, over_white);
  for (int i = 0; i < 256; ++i)
    ASSERT_EQ(over_black[i], 0xFF000000u | std::uint32_t(std::uint8_t(i * 3)) << 16 |
                                 std::uint32_t(255 - i) << 8 | std::uint32_t(i));
}

}  // namespace
}  // namespace wufu::pictures
