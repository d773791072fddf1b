// The window kind's property block (`窗口`, kind code 1) and the geometry rules of a window.
#pragma once

#include <cstdint>
#include <string>

#include "window/byte_cursor.h"
#include "window/colour.h"
#include "window/kind.h"
#include "window/property_layout.h"

namespace wufu {

constexpr std::uint16_t window_kind_code = 1;

struct WindowProperties {
  std::uint32_t version = 6;
  std::uint32_t border = 2;  // 0 none; 1 sizable; 2 fixed single; 3/4 tool window; 5/6 sunken edge
  std::uint32_t picture_mode = 1;
  ColourValue background = unset_colour;
  std::uint32_t maximize_button = 0;
  std::uint32_t minimize_button = 1;
  std::uint32_t control_button = 1;
  std::uint32_t position = 1;  // 0 stored place; 1 centred; 2 minimised; 3 maximised
  std::uint32_t movable = 1;
  std::uint32_t play_mode = 0;
  std::uint32_t enter_moves_focus = 0;
  std::uint32_t esc_closes = 1;
  std::uint32_t f1_opens_help = 0;
  std::uint32_t help_topic = 0;
  std::uint32_t show_in_task_bar = 1;
  std::uint32_t drag_anywhere = 0;
  std::uint32_t shape = 0;
  std::uint32_t always_on_top = 0;
  std::uint32_t keep_title_active = 0;
  std::string class_name;
  Bytes background_picture;
  Bytes icon;
  Bytes background_music;
  std::string title;
  std::string help_file;
  Bytes trailing;
};

const layout::Layout<WindowProperties>& window_layout();
inline constexpr PropertyCodec window_codec = codec_for<WindowProperties, &window_layout>();

struct ScreenPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// The centred place of a window of the given outer size on a screen: (screen − size) / 2,
// truncated toward zero, so a window larger than the screen gets a negative or zero edge.
constexpr ScreenPoint centred_on_screen(int screen_width, int screen_height, int width,
                                        int height) {
  return {(screen_width - width) / 2, (screen_height - height) / 2};
}

// The stored outer size counts the frame of the platform the description was made for: three
// pixels on each side and a 23-pixel title bar for a fixed single frame. The client area keeps
// the size that the stored layout fills, whatever the frame of the window manager in use.
struct ClientSize {
  int width = 0;
  int height = 0;
  friend bool operator==(const ClientSize&, const ClientSize&) = default;
};
ClientSize client_size_for(const WindowProperties& p, int outer_width, int outer_height);

}  // namespace wufu
