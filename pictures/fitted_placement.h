// Fitted placement: where a picture box in fitted display mode draws its picture. The picture is
// centred in the client area and shrunk in proportion when it is larger; it is never enlarged.
#pragma once

namespace wufu::pictures {

struct PlacedRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  friend bool operator==(const PlacedRect&, const PlacedRect&) = default;
};

// A client size below zero counts as zero; a picture without pixels (a size of zero or less) is
// placed as an empty rectangle at (0, 0).
PlacedRect fitted_placement(int client_width, int client_height, int picture_width,
                            int picture_height);

}  // namespace wufu::pictures
