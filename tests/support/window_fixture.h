// Fixtures for tests that build windows: small descriptions written with the program's own
// writer, the real stored block, and loading through the program's kind registry.
#pragma once

#include <QWidget>

#include <memory>
#include <string>
#include <vector>

#include "window/builder.h"
#include "window/description.h"

namespace wufu::testing {

constexpr ControlId test_window_id = 0x52010001;
constexpr ControlId window_record_id = 0x06010000;

// The stored block as the build made it from assets/window.wufu.
Bytes stored_block();

// A record with its common fields set; name is UTF-8 and stored as GBK.
Record make_record(ControlId id, std::uint16_t kind_code, const std::string& name_utf8,
                   ControlId parent, int left, int top, int width, int height,
                   std::vector<ControlId> children = {}, Bytes property_block = {},
                   std::uint32_t state = state_visible);
// The window's own record (kind 窗口) with the given property block (empty: all defaults).
Record window_record(Bytes property_block = {}, int width = 750, int height = 461);
// A description holding one window, test_window_id, with these records in this order.
WindowDescription one_window(std::vector<Record> records);

// A window loaded through the program's registry and builder, deleted with this object.
class LoadedWindow {
 public:
  explicit LoadedWindow(WindowDescription description);
  explicit LoadedWindow(const Bytes& block);
  ~LoadedWindow();
  LoadedWindow(const LoadedWindow&) = delete;
  LoadedWindow& operator=(const LoadedWindow&) = delete;

  bool ok() const { return window_ != nullptr; }
  const std::string& error() const { return error_; }
  WindowControl* window() const { return window_; }
  QWidget* window_widget() const;
  // The widget made from the record with this id, or nullptr.
  QWidget* widget(ControlId id) const;
  Control* control(ControlId id) const;
  const WindowDescription& description() const { return *description_; }

 private:
  void load();

  std::unique_ptr<WindowDescription> description_;
  std::unique_ptr<WindowBuilder> builder_;
  WindowControl* window_ = nullptr;
  std::string error_;
};

}  // namespace wufu::testing
