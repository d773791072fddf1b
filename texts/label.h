// The label (标签) kind's live control: a passive rectangle that paints its background and one
// text in its stored font, colour and alignment.
#pragma once

#include <QString>
#include <QWidget>

#include <any>

#include "texts/label_properties.h"
#include "window/control_widget.h"
#include "window/kind.h"

namespace wufu {

class Label : public ControlWidget<QWidget> {
 public:
  Label(LabelProperties properties, const CreateContext& context);

  const LabelProperties& properties() const { return properties_; }
  // The current text, which every paint draws; set from the stored text at creation.
  const QString& text() const { return text_; }
  // The label's size less the frame of its border style.
  QRect inner_area() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  LabelProperties properties_;
  QString text_;
};

// The kind's create operation: the label, created hidden, or nullptr.
Control* create_label(const std::any& properties, const CreateContext& context);

}  // namespace wufu
