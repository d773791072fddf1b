#include "pages/tab_control.h"

#include <QEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyle>
#include <QStylePainter>

#include "pages/page_switch.h"
#include "window/gbk.h"
#include "window/platform_values.h"

namespace wufu {

QTabBar::Shape tab_shape(std::uint32_t tab_position) {
  switch (tab_position) {
    case 1:
      return QTabBar::RoundedSouth;
    case 2:
      return QTabBar::RoundedWest;
    case 3:
      return QTabBar::RoundedEast;
    default:
      return QTabBar::RoundedNorth;
  }
}

TabControl::TabControl(TabControlProperties properties, const CreateContext& context)
    : ControlWidget<QWidget>(context),
      properties_(std::move(properties)),
      controls_(context.controls),
      runs_(page_runs(context.record.common.children)),
      shape_(tab_shape(properties_.tab_position)) {
  // The stored initial page stays as it is; only the selection is clamped.
  const auto first = clamp_page(properties_.initial_page, properties_.captions.size());
  current_ = first ? static_cast<int>(*first) : -1;
  if (properties_.header_hidden != 1) make_strip();
  lay_out();
}

TabControl::~TabControl() {
  // The strip goes after this part of the control; nothing it reports may reach it any more.
  if (strip_ != nullptr) disconnect(strip_, nullptr, this, nullptr);
}

void TabControl::make_strip() {
  const QFont font = make_font(properties_.font);
  if (properties_.multi_line == 1) {
    multi_row_ = new MultiRowTabBar(this);
    multi_row_->setShape(shape_);
    multi_row_->setFont(font);
    for (const auto& caption : properties_.captions) multi_row_->addTab(from_gbk(caption));
    if (current_ >= 0) multi_row_->setCurrentIndex(current_);
    connect(multi_row_, &MultiRowTabBar::tabBarClicked, this, &TabControl::strip_clicked);
    connect(multi_row_, &MultiRowTabBar::currentChanged, this, &TabControl::user_selected);
    strip_ = multi_row_;
  } else {
    single_row_ = new QTabBar(this);
    single_row_->setShape(shape_);
    single_row_->setFont(font);
    single_row_->setUsesScrollButtons(true);
    single_row_->setExpanding(false);
    single_row_->setElideMode(Qt::ElideNone);
    // The frame round the page panel stands in for the strip's own base line.
    single_row_->setDrawBase(false);
    for (const auto& caption : properties_.captions) single_row_->addTab(from_gbk(caption));
    if (current_ >= 0) single_row_->setCurrentIndex(current_);
    connect(single_row_, &QTabBar::tabBarClicked, this, &TabControl::strip_clicked);
    connect(single_row_, &QTabBar::currentChanged, this, &TabControl::user_selected);
    strip_ = single_row_;
  }
  setFocusProxy(strip_);
}

int TabControl::strip_current() const {
  if (single_row_ != nullptr) return single_row_->currentIndex();
  if (multi_row_ != nullptr) return multi_row_->currentIndex();
  return -1;
}

QSize TabControl::strip_size() const {
  if (single_row_ != nullptr) return single_row_->sizeHint();
  if (multi_row_ != nullptr) {
    const bool vertical = shape_ == QTabBar::RoundedWest || shape_ == QTabBar::RoundedEast;
    // The rows run along the whole edge.
    return multi_row_->size_for_edge(vertical ? height() : width());
  }
  return {};
}

QStyleOptionTabWidgetFrame TabControl::frame_option() const {
  QStyleOptionTabWidgetFrame option;
  option.initFrom(this);
  option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
  option.shape = shape_;
  option.tabBarSize = strip_size();
  if (strip_ != nullptr) {
    option.tabBarRect = strip_->geometry();
    option.selectedTabRect = tab_rect(strip_current());
  }
  return option;
}

void TabControl::lay_out() {
  if (strip_ == nullptr) {
    panel_ = QRect();
    return;
  }
  const QStyleOptionTabWidgetFrame option = frame_option();
  strip_->setGeometry(style()->subElementRect(QStyle::SE_TabWidgetTabBar, &option, this));
  panel_ = style()->subElementRect(QStyle::SE_TabWidgetTabPane, &option, this);
  update();
}

QRect TabControl::tab_rect(int index) const {
  QRect r;
  if (single_row_ != nullptr) r = single_row_->tabRect(index);
  if (multi_row_ != nullptr) r = multi_row_->tabRect(index);
  return r.isValid() ? r.translated(strip_->pos()) : QRect();
}

void TabControl::user_selected(int index) {
  if (index < 0 || index == current_) return;
  emit page_switching(current_, index);
  current_ = index;
  emit page_switched(index);
  update();  // the frame meets the newly selected tab
  show_current_page();
}

void TabControl::set_current_page(int page) {
  const auto p = clamp_page(page, properties_.captions.size());
  current_ = p ? static_cast<int>(*p) : -1;
  if (current_ >= 0) {
    const QSignalBlocker quiet(strip_);
    if (single_row_ != nullptr) single_row_->setCurrentIndex(current_);
    if (multi_row_ != nullptr) multi_row_->setCurrentIndex(current_);
    update();
  }
  show_current_page();
}

void TabControl::apply_current_page(bool move_focus) {
  const auto page = static_cast<std::size_t>(current_ < 0 ? 0 : current_);
  const PageSwitch done = show_page(controls_, runs_, page, this);
  if (strip_ == nullptr) {
    // Without a strip nothing is drawn under the page controls; the window repaints where the
    // hidden ones were.
    for (const SwitchedControl& c : done.hidden) {
      if (auto* w = dynamic_cast<QWidget*>(c.control); w != nullptr && w->parentWidget()) {
        w->parentWidget()->update(w->geometry());
      }
    }
    return;
  }
  if (!move_focus) return;
  if (Control* focus = page_focus_target(controls_, done.shown)) focus->take_focus();
}

void TabControl::take_focus() {
  if (strip_ != nullptr) strip_->setFocus(Qt::OtherFocusReason);
}

void TabControl::paintEvent(QPaintEvent*) {
  if (strip_ == nullptr) {
    if (properties_.background_filled == 1) {
      QPainter painter(this);
      painter.fillRect(rect(), resolve_background_colour(properties_.background, this));
    }
    return;
  }
  QStylePainter painter(this);
  QStyleOptionTabWidgetFrame option = frame_option();
  option.rect = panel_;
  painter.drawPrimitive(QStyle::PE_FrameTabWidget, option);
}

void TabControl::resizeEvent(QResizeEvent* event) {
  lay_out();
  ControlWidget<QWidget>::resizeEvent(event);
}

void TabControl::changeEvent(QEvent* event) {
  if (event->type() == QEvent::StyleChange) lay_out();
  ControlWidget<QWidget>::changeEvent(event);
}

Control* create_tab_control(const std::any& properties, const CreateContext& context) {
  const auto* p = std::any_cast<TabControlProperties>(&properties);
  if (p == nullptr || window_widget(context) == nullptr) return nullptr;
  return new TabControl(*p, context);
}

}  // namespace wufu
