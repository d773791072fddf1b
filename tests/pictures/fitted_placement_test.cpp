#include "pictures/fitted_placement.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>

namespace wufu::pictures {

std::ostream& operator<<(std::ostream& out, const PlacedRect& r) {
  return out << "(" << r.left << ", " << r.top << ", " << r.width << ", " << r.height << ")";
}

namespace {

struct PlacementCase {
  const char* name;
  int client_width, client_height, picture_width, picture_height;
  PlacedRect placed;
};

class FittedPlacementTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(FittedPlacementTest, PlacesAsTheTwoStepRuleSays) {
  const auto& c = GetParam();
  EXPECT_EQ(fitted_placement(c.client_width, c.client_height, c.picture_width, c.picture_height),
            c.placed);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FittedPlacementTest,
    ::testing::Values(
        // Smaller both ways: own size, centred with the remainder rounding toward the left/top.
        PlacementCase{"smaller_both", 352, 280, 101, 51, {125, 114, 101, 51}},
        PlacementCase{"same_size", 352, 280, 352, 280, {0, 0, 352, 280}},
        // The stored banner: wider than the box, less tall.
        PlacementCase{"too_wide_only", 352, 280, 438, 195, {0, 61, 352, 156}},
        PlacementCase{"too_tall_only", 200, 100, 50, 400, {94, 0, 12, 100}},
        // Larger both ways: the narrower ratio decides, then centring against the client.
        PlacementCase{"larger_both_width_decides", 300, 200, 1200, 400, {0, 50, 300, 100}},
        PlacementCase{"larger_both_height_decides", 300, 200, 800, 1000, {70, 0, 160, 200}},
        // Centring in two steps: 61 + (157 - 78) div 2 = 100, where (280 - 78) div 2 would give
        // 101.
        PlacementCase{"two_step_centring", 352, 280, 705, 157, {0, 100, 352, 78}},
        PlacementCase{"empty_client", 0, 0, 10, 10, {0, 0, 0, 0}},
        PlacementCase{"negative_client", -5, -7, 10, 10, {0, 0, 0, 0}},
        PlacementCase{"zero_picture", 352, 280, 0, 10, {0, 0, 0, 0}},
        PlacementCase{"negative_picture", 352, 280, 10, -1, {0, 0, 0, 0}},
        PlacementCase{"huge_picture", 100, 100, INT_MAX, INT_MAX, {0, 0, 100, 100}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace wufu::pictures
