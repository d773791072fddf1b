// The picture kinds that no stored picture uses (BMP, icon, cursor, GIF), decoded through Qt's
// image readers into straight BGRA. A GIF gives its first frame.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "pictures/decoded_picture.h"

namespace wufu::pictures {

// `kind` names the reader; a kind without one (PCX, or none) gives no picture.
std::optional<DecodedPicture> decode_with_qt(std::span<const std::uint8_t> image, PictureKind kind);

}  // namespace wufu::pictures
