#include "tests/pages/pages_fixture.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>

#include "tests/support/window_fixture.h"
#include "window/gbk.h"
#include "window/main_window.h"
#include "window/window_properties.h"

namespace wufu::testing {

namespace {

constexpr PropertyCodec plain_codec{
    [](ByteSpan block) -> Result<std::any> { return std::any(block.size() == 1 && block[0] == 1); },
    [](const std::any& p) { return std::any_cast<bool>(p) ? Bytes{1} : Bytes{}; },
    [](const std::any&) { return SourceEntries{}; },
    [](const SourceEntries&) -> Result<std::any> { return std::any(false); },
};

Control* create_plain(const std::any& properties, const CreateContext& context) {
  return new PlainControl(std::any_cast<bool>(properties), context);
}

}  // namespace

PlainControl::PlainControl(bool focusable, const CreateContext& context)
    : ControlWidget<QWidget>(context), focusable_(focusable) {
  setFocusPolicy(focusable ? Qt::StrongFocus : Qt::NoFocus);
}

KindRegistry page_kinds() {
  static const Kind kinds[] = {
      {window_kind_code, "窗口", window_codec, nullptr, &create_main_window, false},
      {group_box_kind_code, "分组框", group_box_codec, &create_group_box, nullptr, false},
      {tab_control_kind_code, "选择夹", tab_control_codec, &create_tab_control, nullptr, true},
      {plain_kind_code, "plain", plain_codec, &create_plain, nullptr, false},
  };
  return kinds;
}

KindRegistry page_kinds_with_stand_ins() {
  static const Kind kinds[] = {
      {window_kind_code, "窗口", window_codec, nullptr, &create_main_window, false},
      {group_box_kind_code, "分组框", group_box_codec, &create_group_box, nullptr, false},
      {tab_control_kind_code, "选择夹", tab_control_codec, &create_tab_control, nullptr, true},
      {10, "label stand-in", plain_codec, &create_plain, nullptr, false},
      {6, "picture box stand-in", plain_codec, &create_plain, nullptr, false},
  };
  return kinds;
}

PagesWindow::PagesWindow(WindowDescription description, KindRegistry kinds)
    : description_(std::make_unique<WindowDescription>(std::move(description))) {
  load(kinds);
}

PagesWindow::PagesWindow(const Bytes& block, KindRegistry kinds) {
  auto d = read_description(block);
  if (!d) {
    error_ = d.error().what;
    return;
  }
  description_ = std::make_unique<WindowDescription>(std::move(d).value());
  load(kinds);
}

void PagesWindow::load(KindRegistry kinds) {
  builder_ = std::make_unique<WindowBuilder>(*description_, kinds);
  auto r = builder_->load(test_window_id);
  if (!r) {
    error_ = r.error().what;
    return;
  }
  window_ = *r;
}

PagesWindow::~PagesWindow() {
  if (window_ != nullptr) {
    QPointer<QWidget> w = window_widget();
    builder_->window_destroyed(window_);
    delete w.data();
  }
}

QWidget* PagesWindow::window_widget() const {
  return dynamic_cast<QWidget*>(window_);
}

Control* PagesWindow::control(ControlId id) const {
  if (window_ == nullptr || window_->controls() == nullptr) return nullptr;
  return window_->controls()->control(id);
}

std::set<ControlId> PagesWindow::shown(const std::vector<ControlId>& ids) const {
  std::set<ControlId> result;
  for (ControlId id : ids) {
    if (Control* c = control(id); c != nullptr && c->is_shown()) result.insert(id);
  }
  return result;
}

TabControlProperties tab_properties(const std::vector<std::string>& captions_utf8,
                                    std::int32_t initial_page) {
  TabControlProperties p;
  p.captions.clear();
  for (const auto& c : captions_utf8) {
    p.captions.push_back(to_gbk(QString::fromStdString(c)).value_or(std::string()));
  }
  p.initial_page = initial_page;
  return p;
}

Bytes tab_block(const TabControlProperties& properties) {
  return layout::write_block(tab_control_layout(), properties);
}

GroupBoxProperties group_properties(const std::string& caption_utf8, std::uint32_t alignment,
                                    ColourValue background) {
  GroupBoxProperties p;
  p.caption = to_gbk(QString::fromStdString(caption_utf8)).value_or(std::string());
  p.caption_alignment = alignment;
  p.background = background;
  return p;
}

Bytes group_block(const GroupBoxProperties& properties) {
  return layout::write_block(group_box_layout(), properties);
}

Record plain_record(ControlId id, ControlId parent, int left, int top, int width, int height,
                    std::uint32_t state, bool focusable) {
  return make_record(id, plain_kind_code, "plain", parent, left, top, width, height, {},
                     focusable ? Bytes{1} : Bytes{}, state);
}

void click_tab(TabControl& tabs, int index) {
  QWidget* strip = tabs.strip();
  const QPointF at = tabs.tab_rect(index).center() - strip->pos();
  const QPointF global = strip->mapToGlobal(at);
  QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(strip, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(strip, &release);
}

}  // namespace wufu::testing
