// The tab control kind's property block (`选择夹`, kind code 21).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "window/colour.h"
#include "window/kind.h"
#include "window/property_layout.h"

namespace wufu {

constexpr std::uint16_t tab_control_kind_code = 21;

struct TabControlProperties {
  std::uint32_t version = 3;
  std::uint32_t tab_position = 0;  // 0 top, 1 bottom, 2 left, 3 right; others count as 0
  std::uint32_t multi_line = 0;    // 1: tabs wrap onto further rows
  std::int32_t initial_page = 0;
  std::uint32_t header_hidden = 0;
  std::uint32_t background_filled = 1;               // header-hidden mode only
  ColourValue background = unset_colour;             // header-hidden mode only
  Bytes font;                                        // a font description
  std::vector<std::string> captions{std::string()};  // GBK
  Bytes trailing;
};

const layout::Layout<TabControlProperties>& tab_control_layout();
inline constexpr PropertyCodec tab_control_codec =
    codec_for<TabControlProperties, &tab_control_layout>();

}  // namespace wufu
