#include "tests/support/window_fixture.h"

#include <QPointer>

#include <fstream>
#include <iterator>

#include "app/kinds.h"
#include "window/gbk.h"

namespace wufu::testing {

Bytes stored_block() {
  std::ifstream f(WUFU_STORED_BLOCK, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

Record make_record(ControlId id, std::uint16_t kind_code, const std::string& name_utf8,
                   ControlId parent, int left, int top, int width, int height,
                   std::vector<ControlId> children, Bytes property_block, std::uint32_t state) {
  Record r;
  r.id = id;
  r.common.kind = 0x00010000u | kind_code;
  r.common.name = to_gbk(QString::fromStdString(name_utf8)).value_or(std::string());
  r.common.parent = parent;
  r.common.left = left;
  r.common.top = top;
  r.common.width = width;
  r.common.height = height;
  r.common.children = std::move(children);
  r.common.pointer_data = Bytes(4, 0);
  r.common.state = state;
  r.property_block = std::move(property_block);
  return r;
}

Record window_record(Bytes property_block, int width, int height) {
  return make_record(window_record_id, 1, "", 0, 50, 50, width, height, {},
                     std::move(property_block));
}

WindowDescription one_window(std::vector<Record> records) {
  WindowDescription d;
  WindowEntry w;
  w.id = test_window_id;
  w.records = std::move(records);
  d.windows.push_back(std::move(w));
  return d;
}

LoadedWindow::LoadedWindow(WindowDescription description)
    : description_(std::make_unique<WindowDescription>(std::move(description))) {
  load();
}

LoadedWindow::LoadedWindow(const Bytes& block) {
  auto d = read_description(block);
  if (!d) {
    error_ = d.error().what;
    return;
  }
  description_ = std::make_unique<WindowDescription>(std::move(d).value());
  load();
}

void LoadedWindow::load() {
  builder_ = std::make_unique<WindowBuilder>(*description_, program_kinds());
  auto r = builder_->load(test_window_id);
  if (!r) {
    error_ = r.error().what;
    return;
  }
  window_ = *r;
}

LoadedWindow::~LoadedWindow() {
  if (window_ != nullptr) {
    QPointer<QWidget> w = window_widget();
    builder_->window_destroyed(window_);
    delete w.data();
  }
}

QWidget* LoadedWindow::window_widget() const {
  return dynamic_cast<QWidget*>(window_);
}

Control* LoadedWindow::control(ControlId id) const {
  if (window_ == nullptr || window_->controls() == nullptr) return nullptr;
  return window_->controls()->control(id);
}

QWidget* LoadedWindow::widget(ControlId id) const {
  return dynamic_cast<QWidget*>(control(id));
}

}  // namespace wufu::testing
