#include "texts/label.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>

#include "texts/label_font.h"
#include "texts/label_frame.h"
#include "texts/label_text.h"
#include "window/gbk.h"
#include "window/platform_values.h"

namespace wufu {

Label::Label(LabelProperties properties, const CreateContext& context)
    : ControlWidget<QWidget>(context),
      properties_(std::move(properties)),
      text_(from_gbk(label_text_bytes(properties_))) {
  // Every paint covers each pixel it repaints, so nothing is erased before it.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAutoFillBackground(false);
  setCursor(Qt::ArrowCursor);
}

QRect Label::inner_area() const {
  return label_inner_area(rect(), properties_.border_style);
}

void Label::paintEvent(QPaintEvent* event) {
  if (event->region().isEmpty()) return;
  const QPalette palette = enabled_palette();
  QPainter painter(this);
  draw_label_frame(painter, rect(), properties_.border_style, palette);

  const QRect inner = inner_area();
  const QRect area = event->rect() & inner;
  if (area.isEmpty()) return;
  painter.setClipRegion(event->region() & inner);
  painter.fillRect(area, resolve_background_colour(properties_.background, /*widget=*/nullptr));
  if (text_.isEmpty()) return;

  // Made at every paint and released when it ends; nothing is cached between paints.
  const QFont font = label_font(properties_.font, text_);
  draw_label_text(painter, inner, properties_, text_, font);
}

Control* create_label(const std::any& properties, const CreateContext& context) {
  const auto* p = std::any_cast<LabelProperties>(&properties);
  if (p == nullptr || context.window == nullptr) return nullptr;
  return new Label(*p, context);
}

}  // namespace wufu
