#include "pages/tab_control_properties.h"

namespace wufu {

const layout::Layout<TabControlProperties>& tab_control_layout() {
  using P = TabControlProperties;
  using namespace layout;
  static const Layout<P> l = [] {
    Layout<P> l{
        3,
        {
            Word<P>{"tab position", &P::tab_position},
            Word<P>{"multi-line", &P::multi_line},
            SignedWord<P>{"initial page", &P::initial_page},
            Word<P>{"header hidden", &P::header_hidden, 2},
            Word<P>{"background filled", &P::background_filled, 3},
            Word<P>{"background colour", &P::background, 3, true},
            Blob<P>{"font data", &P::font, 0, Count::u32, BlobForm::font},
            TextList<P>{"caption", &P::captions},
        },
        P{},
        P{},
    };
    // A block too old to store them leaves header hidden and background filled at 0.
    l.absent.header_hidden = 0;
    l.absent.background_filled = 0;
    return l;
  }();
  return l;
}

}  // namespace wufu
