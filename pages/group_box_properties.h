// The group box kind's property block (`分组框`, kind code 9).
#pragma once

#include <cstdint>
#include <string>

#include "window/colour.h"
#include "window/kind.h"
#include "window/property_layout.h"

namespace wufu {

constexpr std::uint16_t group_box_kind_code = 9;

struct GroupBoxProperties {
  std::uint32_t version = 1;
  std::uint32_t caption_alignment = 0;  // 0 left, 1 centre, any other value right
  ColourValue text_colour = 0x000000;
  ColourValue background = unset_colour;
  Bytes font;           // a font description
  std::string caption;  // GBK
  Bytes trailing;
};

const layout::Layout<GroupBoxProperties>& group_box_layout();
inline constexpr PropertyCodec group_box_codec = codec_for<GroupBoxProperties, &group_box_layout>();

}  // namespace wufu
