#include "pages/group_box_properties.h"

namespace wufu {

const layout::Layout<GroupBoxProperties>& group_box_layout() {
  using P = GroupBoxProperties;
  using namespace layout;
  static const Layout<P> l{
      1,
      {
          Word<P>{"caption alignment", &P::caption_alignment},
          Word<P>{"text colour", &P::text_colour, 0, true},
          Word<P>{"background colour", &P::background, 0, true},
          Blob<P>{"font data", &P::font, 0, Count::u32, BlobForm::font},
          Text<P>{"caption", &P::caption},
      },
      P{},
      P{},
  };
  return l;
}

}  // namespace wufu
