#include "pictures/picture_box_placement.h"

#include <algorithm>

namespace wufu::pictures {

PlacedRect picture_box_placement(std::uint32_t display_mode, int client_width, int client_height,
                                 int picture_width, int picture_height) {
  switch (display_mode) {
    case display_stretched:
      return {0, 0, std::max(client_width, 0), std::max(client_height, 0)};
    case display_fitted:
      return fitted_placement(client_width, client_height, picture_width, picture_height);
    default:
      return {0, 0, picture_width, picture_height};
  }
}

}  // namespace wufu::pictures
