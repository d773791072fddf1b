#include "pages/group_box.h"

#include <QPainter>
#include <QStyle>

#include "window/gbk.h"
#include "window/platform_values.h"

namespace wufu {

Qt::Alignment caption_alignment(std::uint32_t stored) {
  switch (stored) {
    case 0:
      return Qt::AlignLeft;
    case 1:
      return Qt::AlignHCenter;
    default:
      return Qt::AlignRight;
  }
}

GroupBox::GroupBox(GroupBoxProperties properties, const CreateContext& context)
    : ControlWidget<QWidget>(context),
      properties_(std::move(properties)),
      caption_(from_gbk(properties_.caption)),
      font_(make_font(properties_.font)) {}

QColor GroupBox::background() const {
  return resolve_background_colour(properties_.background, this);
}

QStyleOptionGroupBox GroupBox::style_option() const {
  QStyleOptionGroupBox option;
  option.initFrom(this);
  option.fontMetrics = QFontMetrics(font_);
  option.text = caption_;
  option.lineWidth = 1;
  option.midLineWidth = 0;
  option.textAlignment = caption_alignment(properties_.caption_alignment);
  option.subControls = QStyle::SC_GroupBoxFrame;
  if (!caption_.isEmpty()) option.subControls |= QStyle::SC_GroupBoxLabel;
  // Styles take the caption's colour from either of these; a disabled box keeps the style's
  // disabled text colour.
  const QColor text = text_colour(properties_.text_colour);
  option.textColor =
      isEnabled() ? text : option.palette.color(QPalette::Disabled, QPalette::WindowText);
  option.palette.setColor(QPalette::Active, QPalette::WindowText, text);
  option.palette.setColor(QPalette::Inactive, QPalette::WindowText, text);
  return option;
}

void GroupBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // The whole box, frame and caption area included.
  painter.fillRect(rect(), background());
  painter.setFont(font_);
  const QStyleOptionGroupBox option = style_option();
  style()->drawComplexControl(QStyle::CC_GroupBox, &option, &painter, this);
}

Control* create_group_box(const std::any& properties, const CreateContext& context) {
  const auto* p = std::any_cast<GroupBoxProperties>(&properties);
  if (p == nullptr || window_widget(context) == nullptr) return nullptr;
  return new GroupBox(*p, context);
}

}  // namespace wufu
