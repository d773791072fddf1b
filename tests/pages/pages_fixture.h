// Fixtures for the page-structure tests: a kind registry of the window, the tab control, the
// group box and a plain stand-in control kind; windows loaded through it; hand-made tab
// controls and group boxes; and clicks on tabs.
#pragma once

#include <QWidget>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "pages/group_box.h"
#include "pages/tab_control.h"
#include "window/builder.h"
#include "window/description.h"

namespace wufu::testing {

// Kind code of the stand-in control: a plain widget. Its property block is empty, or a single
// byte 1 for a stand-in that takes the keyboard focus.
constexpr std::uint16_t plain_kind_code = 99;

class PlainControl : public ControlWidget<QWidget> {
 public:
  PlainControl(bool focusable, const CreateContext& context);
  bool takes_focus() const override { return focusable_; }
  void take_focus() override { setFocus(Qt::OtherFocusReason); }

 private:
  bool focusable_;
};

// The window, tab control and group box kinds, and the stand-in under plain_kind_code.
KindRegistry page_kinds();
// The same, with the stand-in also under the label and picture box kind codes, so that the
// stored description loads with its real tab control and group box whatever those kinds do.
KindRegistry page_kinds_with_stand_ins();

// A window loaded through a registry and the program's builder, deleted with this object.
class PagesWindow {
 public:
  PagesWindow(WindowDescription description, KindRegistry kinds = page_kinds());
  PagesWindow(const Bytes& block, KindRegistry kinds);
  ~PagesWindow();
  PagesWindow(const PagesWindow&) = delete;
  PagesWindow& operator=(const PagesWindow&) = delete;

  bool ok() const { return window_ != nullptr; }
  const std::string& error() const { return error_; }
  QWidget* window_widget() const;
  Control* control(ControlId id) const;
  QWidget* widget(ControlId id) const { return dynamic_cast<QWidget*>(control(id)); }
  TabControl* tab_control(ControlId id) const { return dynamic_cast<TabControl*>(control(id)); }
  GroupBox* group_box(ControlId id) const { return dynamic_cast<GroupBox*>(control(id)); }
  // The ids among `ids` whose controls are shown (as far as they themselves go).
  std::set<ControlId> shown(const std::vector<ControlId>& ids) const;

 private:
  void load(KindRegistry kinds);

  std::unique_ptr<WindowDescription> description_;
  std::unique_ptr<WindowBuilder> builder_;
  WindowControl* window_ = nullptr;
  std::string error_;
};

// A tab control's properties with these captions (UTF-8) and initial page.
TabControlProperties tab_properties(const std::vector<std::string>& captions_utf8,
                                    std::int32_t initial_page = 0);
Bytes tab_block(const TabControlProperties& properties);
GroupBoxProperties group_properties(const std::string& caption_utf8, std::uint32_t alignment = 0,
                                    ColourValue background = unset_colour);
Bytes group_block(const GroupBoxProperties& properties);
// A stand-in control record; state defaults to visible.
Record plain_record(ControlId id, ControlId parent, int left, int top, int width = 40,
                    int height = 20, std::uint32_t state = state_visible, bool focusable = false);

// A press and release of the left button in the middle of a tab, as the user clicks it.
void click_tab(TabControl& tabs, int index);

}  // namespace wufu::testing
