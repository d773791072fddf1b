// The picture box (图片框) kind's live control: a passive rectangle that fills its client area
// with its background colour and shows one picture, placed by its display mode, inside the frame
// of its border style.
#pragma once

#include <QColor>
#include <QRect>
#include <QWidget>

#include <any>
#include <optional>

#include "pictures/picture_box_properties.h"
#include "pictures/picture_drawing.h"
#include "window/control_widget.h"
#include "window/kind.h"

namespace wufu {

class PictureBox : public ControlWidget<QWidget> {
 public:
  // Decodes the stored picture once; a picture that does not decode leaves the box without one.
  PictureBox(PictureBoxProperties properties, const CreateContext& context);

  const PictureBoxProperties& properties() const { return properties_; }
  // Kept as stored; no picture kind that decodes here is animated.
  bool plays_animation() const { return play_animation_; }
  // The decoded picture, or nullptr when the box has none.
  const pictures::DecodedPicture* picture() const;

  // The box less the frame of its border style, in the box's own pixels.
  QRect client_area() const;
  // The stored colour, or the face colour of this moment for the unset colour.
  QColor background_colour() const;
  // Where the picture lies at the present size, in client pixels; nothing without a picture.
  std::optional<QRect> picture_rect() const;
  // The colour depth of the box's screen, which picks the scaling filter; 0 when unknown.
  int screen_depth() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  PictureBoxProperties properties_;
  bool play_animation_ = true;
  // Owned for the box's life and freed with it.
  std::optional<pictures::PictureDrawing> drawing_;
};

// The kind's create operation: the picture box, created hidden, or nullptr.
Control* create_picture_box(const std::any& properties, const CreateContext& context);

}  // namespace wufu
