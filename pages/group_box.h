// The group box (分组框) kind's live control: the style's group-box frame with its caption at the
// stored end of the top edge, on a background that fills the whole box. It is the container of
// the controls its record lists, which are placed from its own top-left corner and are seen
// exactly when the box is.
#pragma once

#include <QFont>
#include <QStyleOptionGroupBox>

#include <any>

#include "pages/group_box_properties.h"
#include "window/control_widget.h"
#include "window/kind.h"

namespace wufu {

class GroupBox : public ControlWidget<QWidget> {
 public:
  GroupBox(GroupBoxProperties properties, const CreateContext& context);

  const GroupBoxProperties& properties() const { return properties_; }
  QString caption() const { return caption_; }
  const QFont& caption_font() const { return font_; }
  // The brush colour: the stored background colour, or the face colour now for the unset one.
  QColor background() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QStyleOptionGroupBox style_option() const;

  GroupBoxProperties properties_;
  QString caption_;
  // Kept for the box alone, so that its children do not inherit it.
  QFont font_;
};

// Where a stored caption alignment puts the caption: 0 left, 1 centre, any other value right.
Qt::Alignment caption_alignment(std::uint32_t stored);

// The kind's create operation: the control, created hidden, or nullptr.
Control* create_group_box(const std::any& properties, const CreateContext& context);

}  // namespace wufu
