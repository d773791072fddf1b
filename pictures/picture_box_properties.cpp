#include "pictures/picture_box_properties.h"

namespace wufu {

const layout::Layout<PictureBoxProperties>& picture_box_layout() {
  using P = PictureBoxProperties;
  using namespace layout;
  static const Layout<P> l{
      2,
      {
          Word<P>{"border style", &P::border_style},
          Word<P>{"background colour", &P::background, 0, true},
          Word<P>{"display mode", &P::display_mode},
          Word<P>{"play animation", &P::play_animation},
          // Picture data: a signed length, 0 or less meaning no picture.
          Blob<P>{"picture", &P::picture, 0, Count::i32, BlobForm::file},
          Text<P>{"data source name", &P::data_source, 2},
          Text<P>{"data column name", &P::data_column, 2},
      },
      P{},
      P{},
  };
  return l;
}

}  // namespace wufu
