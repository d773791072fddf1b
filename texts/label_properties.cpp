#include "texts/label_properties.h"

namespace wufu {

const layout::Layout<LabelProperties>& label_layout() {
  using P = LabelProperties;
  using namespace layout;
  // Counts in a label's block are signed: 0 or less stands for nothing.
  static const Layout<P> l{
      2,
      {
          SignedWord<P>{"effect", &P::effect},
          SignedWord<P>{"gradient border width", &P::gradient_border_width},
          SignedWord<P>{"border style", &P::border_style},
          Word<P>{"gradient border colour 1", &P::gradient_border_colour_1, 0, true},
          Word<P>{"gradient border colour 2", &P::gradient_border_colour_2, 0, true},
          Word<P>{"gradient border colour 3", &P::gradient_border_colour_3, 0, true},
          Word<P>{"text colour", &P::text_colour, 0, true},
          Word<P>{"background colour", &P::background, 0, true},
          SignedWord<P>{"picture mode", &P::picture_mode},
          SignedWord<P>{"gradient background mode", &P::gradient_background_mode},
          Word<P>{"gradient background colour 1", &P::gradient_background_colour_1, 0, true},
          Word<P>{"gradient background colour 2", &P::gradient_background_colour_2, 0, true},
          Word<P>{"gradient background colour 3", &P::gradient_background_colour_3, 0, true},
          SignedWord<P>{"horizontal alignment", &P::horizontal_alignment},
          SignedWord<P>{"vertical alignment", &P::vertical_alignment},
          SignedWord<P>{"word wrap", &P::word_wrap},
          Blob<P>{"font data", &P::font, 0, Count::i32, BlobForm::font},
          Blob<P>{"picture", &P::picture, 0, Count::i32, BlobForm::file},
          Text<P>{"text", &P::text, 0, Count::i32},
          Text<P>{"data source name", &P::data_source, 2, Count::i32},
          Text<P>{"data column name", &P::data_column, 2, Count::i32},
      },
      P{},
      P{},
  };
  return l;
}

std::string label_text_bytes(const LabelProperties& p) {
  return p.text.substr(0, p.text.find('\0'));
}

}  // namespace wufu
