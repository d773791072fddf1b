#include "window/window_properties.h"

#include <algorithm>

namespace wufu {

const layout::Layout<WindowProperties>& window_layout() {
  using P = WindowProperties;
  using namespace layout;
  static const Layout<P> l{
      6,
      {
          Word<P>{"window border", &P::border},
          Word<P>{"picture mode", &P::picture_mode},
          Word<P>{"background colour", &P::background, 0, true},
          Word<P>{"maximize button", &P::maximize_button},
          Word<P>{"minimize button", &P::minimize_button},
          Word<P>{"control button", &P::control_button},
          Word<P>{"position", &P::position},
          Word<P>{"movable", &P::movable},
          Word<P>{"play mode", &P::play_mode},
          Word<P>{"enter moves focus", &P::enter_moves_focus},
          Word<P>{"esc closes", &P::esc_closes},
          Word<P>{"f1 opens help", &P::f1_opens_help},
          Word<P>{"help topic", &P::help_topic},
          Word<P>{"show in task bar", &P::show_in_task_bar, 2},
          Word<P>{"drag anywhere", &P::drag_anywhere, 3},
          Word<P>{"shape", &P::shape, 3},
          Word<P>{"always on top", &P::always_on_top, 4},
          Word<P>{"keep title active", &P::keep_title_active, 5},
          Text<P>{"class name", &P::class_name, 6},
          Blob<P>{"background picture", &P::background_picture, 0, Count::u32, BlobForm::file},
          Blob<P>{"icon", &P::icon, 0, Count::u32, BlobForm::file},
          Blob<P>{"background music", &P::background_music, 0, Count::u32, BlobForm::file},
          Text<P>{"title", &P::title},
          Text<P>{"help file", &P::help_file},
      },
      P{},
      P{},
  };
  return l;
}

ClientSize client_size_for(const WindowProperties& p, int outer_width, int outer_height) {
  int side = 0;
  int title = 0;
  if (p.border != 0) {
    side = 3;
    const bool has_title = !p.title.empty() || p.control_button == 1;
    const bool tool = p.border == 3 || p.border == 4;
    if (has_title) title = tool ? 17 : 23;
    if (p.border == 5 || p.border == 6) side += 2;
  }
  return {std::max(1, outer_width - 2 * side), std::max(1, outer_height - 2 * side - title)};
}

}  // namespace wufu
