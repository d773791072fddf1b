#include "pictures/fitted_placement.h"

#include <algorithm>

namespace wufu::pictures {

PlacedRect fitted_placement(int client_width, int client_height, int picture_width,
                            int picture_height) {
  if (picture_width <= 0 || picture_height <= 0) return {};
  const int w = picture_width;
  const int h = picture_height;
  const int W = std::max(client_width, 0);
  const int H = std::max(client_height, 0);

  // Centring happens in two steps: first against the client for each direction the picture
  // fits in, then against that narrowed box after shrinking. Centring the shrunk size against
  // the client in one step can land one pixel off, so the order is kept as it is.
  PlacedRect placed;
  int box_width = W;
  int box_height = H;
  if (w <= W) {
    placed.left = (W - w) / 2;
    box_width = w;
  }
  if (h <= H) {
    placed.top = (H - h) / 2;
    box_height = h;
  }
  if (w > box_width || h > box_height) {
    const double scale =
        std::min(static_cast<double>(box_width) / w, static_cast<double>(box_height) / h);
    // The scale is at most 1 here, so both products fit an int.
    placed.width = static_cast<int>(w * scale);
    placed.height = static_cast<int>(h * scale);
    placed.left += (box_width - placed.width) / 2;
    placed.top += (box_height - placed.height) / 2;
  } else {
    placed.width = w;
    placed.height = h;
  }
  return placed;
}

}  // namespace wufu::pictures
