// The picture box kind's property block (`图片框`, kind code 6).
#pragma once

#include <cstdint>
#include <string>

#include "window/colour.h"
#include "window/kind.h"
#include "window/property_layout.h"

namespace wufu {

constexpr std::uint16_t picture_box_kind_code = 6;

struct PictureBoxProperties {
  std::uint32_t version = 2;
  std::uint32_t border_style = 0;  // 0 none .. 5 single line; others none
  ColourValue background = unset_colour;
  std::uint32_t display_mode = 0;  // 0 natural size, 1 stretched, 2 fitted
  std::uint32_t play_animation = 1;
  Bytes picture;            // the image bytes of the picture data; empty: no picture
  std::string data_source;  // version 2 only
  std::string data_column;  // version 2 only
  Bytes trailing;
};

const layout::Layout<PictureBoxProperties>& picture_box_layout();
inline constexpr PropertyCodec picture_box_codec =
    codec_for<PictureBoxProperties, &picture_box_layout>();

}  // namespace wufu
