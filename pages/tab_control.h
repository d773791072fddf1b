// The tab control (选择夹) kind's live control: the toolkit's tab strip along one edge with the
// style's frame round the page panel, and the container of its page controls. The page controls
// are its direct children, placed from its own top-left corner, strip included; a page switch
// shows and hides them through the window's control table.
#pragma once

#include <QPointer>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

#include <any>
#include <vector>

#include "pages/multi_row_tab_bar.h"
#include "pages/page_runs.h"
#include "pages/tab_control_properties.h"
#include "window/control_widget.h"
#include "window/kind.h"

namespace wufu {

class TabControl : public ControlWidget<QWidget> {
  Q_OBJECT

 public:
  TabControl(TabControlProperties properties, const CreateContext& context);
  ~TabControl() override;

  const TabControlProperties& properties() const { return properties_; }
  const std::vector<PageRun>& runs() const { return runs_; }
  int page_count() const { return static_cast<int>(properties_.captions.size()); }
  // The selected tab (in header-hidden mode the page last set); -1 when there are no captions.
  int current_page() const { return current_; }
  // Selects page min(max(page, 0), page count - 1) without a notification, then shows it.
  void set_current_page(int page);
  // Shows the controls of the current page (page 0 when there is none) and hides the others;
  // of the controls shown, the enabled one with the lowest tab order that takes the focus gets it.
  void show_current_page() { apply_current_page(true); }

  // The tab strip; nullptr in header-hidden mode.
  QWidget* strip() const { return strip_; }
  // A tab's rectangle in the tab control's own coordinates; empty without a strip.
  QRect tab_rect(int index) const;
  // The page panel that the frame is drawn round; empty in header-hidden mode.
  QRect panel_rect() const { return panel_; }

  // Control
  // The window keeps its focus across this notice, so the page is shown without moving it.
  void window_shown_notice() override { apply_current_page(false); }
  bool takes_focus() const override { return strip_ != nullptr; }
  void take_focus() override;

 signals:
  // A press on the tab strip, on a tab (its index) or beside the tabs (-1).
  void strip_clicked(int index);
  // The user's switch from one page to another, before it takes effect.
  void page_switching(int from, int to);
  // The user's switch done; the page switch follows.
  void page_switched(int page);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void apply_current_page(bool move_focus);
  void make_strip();
  void lay_out();
  void user_selected(int index);
  int strip_current() const;
  QSize strip_size() const;
  QStyleOptionTabWidgetFrame frame_option() const;

  TabControlProperties properties_;
  const ControlLookup& controls_;
  std::vector<PageRun> runs_;
  QTabBar::Shape shape_ = QTabBar::RoundedNorth;
  QWidget* strip_ = nullptr;
  QTabBar* single_row_ = nullptr;
  MultiRowTabBar* multi_row_ = nullptr;
  int current_ = -1;
  QRect panel_;
};

// The strip's shape for a stored tab position: 0 top, 1 bottom, 2 left, 3 right, others top.
QTabBar::Shape tab_shape(std::uint32_t tab_position);

// The kind's create operation: the control, created hidden, or nullptr.
Control* create_tab_control(const std::any& properties, const CreateContext& context);

}  // namespace wufu
