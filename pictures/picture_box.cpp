#include "pictures/picture_box.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QScreen>

#include "pictures/picture_box_placement.h"
#include "texts/label_frame.h"
#include "window/platform_values.h"

namespace wufu {

PictureBox::PictureBox(PictureBoxProperties properties, const CreateContext& context)
    : ControlWidget<QWidget>(context), properties_(std::move(properties)) {
  // The box paints every pixel of its client area itself, so nothing erases it first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAutoFillBackground(false);
  setCursor(Qt::ArrowCursor);

  play_animation_ = properties_.play_animation != 0;

  // The fill is not kept: the unset colour stands for the face colour, which is looked up at
  // every paint so that the box follows a change of the desktop's colours.

  if (auto decoded = pictures::decode_picture(properties_.picture))
    drawing_.emplace(std::move(*decoded));

  // The display mode takes effect at each paint, from the client size of that moment.

  const int frame = label_frame_width(static_cast<int>(properties_.border_style));
  setContentsMargins(frame, frame, frame, frame);
}

const pictures::DecodedPicture* PictureBox::picture() const {
  return drawing_ ? &drawing_->picture() : nullptr;
}

QRect PictureBox::client_area() const {
  return label_inner_area(rect(), static_cast<int>(properties_.border_style));
}

QColor PictureBox::background_colour() const {
  return resolve_background_colour(properties_.background, /*widget=*/nullptr);
}

std::optional<QRect> PictureBox::picture_rect() const {
  if (!drawing_) return std::nullopt;
  const QRect client = client_area();
  const pictures::DecodedPicture& p = drawing_->picture();
  const pictures::PlacedRect placed = pictures::picture_box_placement(
      properties_.display_mode, client.width(), client.height(), p.width, p.height);
  return QRect(placed.left, placed.top, placed.width, placed.height);
}

int PictureBox::screen_depth() const {
  const QScreen* s = screen();
  return s != nullptr ? std::max(s->depth(), 0) : 0;
}

void PictureBox::paintEvent(QPaintEvent* event) {
  if (event->region().isEmpty()) return;
  QPainter painter(this);
  draw_label_frame(painter, rect(), static_cast<int>(properties_.border_style), enabled_palette());

  const QRect client = client_area();
  const QRegion dirty = event->region() & client;
  if (dirty.isEmpty()) return;
  painter.setClipRegion(dirty);
  const QColor background = background_colour();
  painter.fillRect(client, background);

  const std::optional<QRect> placed = picture_rect();
  if (!placed) return;
  const pictures::PictureDestination destination{client.left() + placed->left(),
                                                 client.top() + placed->top(), placed->width(),
                                                 placed->height()};
  drawing_->draw(painter, destination, background.rgb(), screen_depth());
}

Control* create_picture_box(const std::any& properties, const CreateContext& context) {
  const auto* p = std::any_cast<PictureBoxProperties>(&properties);
  if (p == nullptr || context.window == nullptr) return nullptr;
  return new PictureBox(*p, context);
}

}  // namespace wufu
