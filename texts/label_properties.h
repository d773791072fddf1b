// The label kind's property block (`标签`, kind code 10).
#pragma once

#include <cstdint>
#include <string>

#include "window/colour.h"
#include "window/kind.h"
#include "window/property_layout.h"

namespace wufu {

constexpr std::uint16_t label_kind_code = 10;

struct LabelProperties {
  std::uint32_t version = 2;
  std::int32_t effect = 0;  // 0 plain, 1 engraved, 2 embossed, 3 shadow
  std::int32_t gradient_border_width = 8;
  std::int32_t border_style = 0;  // 0 none .. 6 gradient frame
  ColourValue gradient_border_colour_1 = 0x00808080;
  ColourValue gradient_border_colour_2 = 0x00FFFFFF;
  ColourValue gradient_border_colour_3 = 0x00808080;
  ColourValue text_colour = 0x00000000;
  ColourValue background = unset_colour;
  std::int32_t picture_mode = 1;  // 0 natural size, 1 tiled, 2 fitted
  std::int32_t gradient_background_mode = 0;
  ColourValue gradient_background_colour_1 = 0x00808080;
  ColourValue gradient_background_colour_2 = 0x00FFFFFF;
  ColourValue gradient_background_colour_3 = 0x00808080;
  std::int32_t horizontal_alignment = 0;  // 0 left, 1 centre, 2 right
  std::int32_t vertical_alignment = 1;    // 0 top, 1 centre, 2 bottom; single-line text only
  std::int32_t word_wrap = 0;             // 1 multi-line
  Bytes font;                             // a font description
  Bytes picture;                          // picture data of a background picture
  std::string text{"\xB1\xEA\xC7\xA9"};   // GBK "标签"; a NUL byte among them ends the text
  std::string data_source;                // version 2 only
  std::string data_column;                // version 2 only
  Bytes trailing;
};

const layout::Layout<LabelProperties>& label_layout();
inline constexpr PropertyCodec label_codec = codec_for<LabelProperties, &label_layout>();

// The label's text as shown: the stored bytes up to the first NUL byte.
std::string label_text_bytes(const LabelProperties& p);

}  // namespace wufu
