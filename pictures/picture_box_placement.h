// Where a picture box draws its picture in its client area: by its display mode, from the client
// size and the picture's size. What lies outside the client area is cut off when drawn.
#pragma once

#include <cstdint>

#include "pictures/fitted_placement.h"

namespace wufu::pictures {

constexpr std::uint32_t display_natural_size = 0;
constexpr std::uint32_t display_stretched = 1;
constexpr std::uint32_t display_fitted = 2;

// Natural size: at (0, 0) at the picture's own size, even where it exceeds the client area.
// Stretched: the whole client area, the aspect ratio not kept. Fitted: the fitted placement.
// Any other mode is drawn at natural size.
PlacedRect picture_box_placement(std::uint32_t display_mode, int client_width, int client_height,
                                 int picture_width, int picture_height);

}  // namespace wufu::pictures
