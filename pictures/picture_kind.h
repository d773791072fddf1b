// The kind of a stored picture, told from the first bytes of its image file.
#pragma once

#include <cstdint>
#include <span>

namespace wufu::pictures {

enum class PictureKind { none, bmp, jpeg, png, icon, cursor, gif, pcx8, pcx1 };

// Looks at the first 8 bytes only. An image shorter than 8 bytes, or one whose first bytes match
// no kind, is of kind none.
PictureKind recognise_picture(std::span<const std::uint8_t> image);

}  // namespace wufu::pictures
