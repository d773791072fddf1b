// The window builder's order of work, on fake kinds that log what is done to them.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "window/builder.h"
#include "window/property_layout.h"

namespace wufu {
namespace {

std::vector<std::string> journal;

struct NoProperties {
  std::uint32_t version = 0;
  Bytes trailing;
};
const layout::Layout<NoProperties>& no_layout() {
  static const layout::Layout<NoProperties> l{0, {}, {}, {}};
  return l;
}
constexpr PropertyCodec no_codec = codec_for<NoProperties, &no_layout>();

class FakeControl : public Control {
 public:
  explicit FakeControl(std::string name) : name_(std::move(name)) { log("create"); }
  void move_into(Control* container, int left, int top) override {
    container_ = container;
    log("place in " + (container ? static_cast<FakeControl*>(container)->name_ : "window") +
        " at " + std::to_string(left) + "," + std::to_string(top));
  }
  void stack_behind(Control& sibling) override {
    log("behind " + static_cast<FakeControl&>(sibling).name_);
  }
  void stack_on_top() override { log("top"); }
  void set_shown(bool shown) override {
    shown_ = shown;
    log(shown ? "show" : "hide");
  }
  bool is_shown() const override { return shown_; }
  void bind_data_notice() override { log("bind"); }
  void window_shown_notice() override { log("shown notice"); }

  std::string name_;
  Control* container_ = nullptr;
  bool shown_ = false;

 protected:
  void log(const std::string& what) { journal.push_back(name_ + ": " + what); }
};

class FakeWindow : public WindowControl {
 public:
  FakeWindow() { journal.push_back("window: create"); }
  void move_into(Control*, int, int) override {}
  void stack_behind(Control&) override {}
  void stack_on_top() override {}
  void set_shown(bool) override {}
  bool is_shown() const override { return shown_; }
  void bind_data_notice() override { journal.push_back("window: bind"); }
  void window_shown_notice() override { journal.push_back("window: shown notice"); }
  void keep(std::unique_ptr<ControlLookup> controls) override { controls_ = std::move(controls); }
  const ControlLookup* controls() const override { return controls_.get(); }
  void show_window() override {
    shown_ = true;
    journal.push_back("window: show");
  }
  bool is_open() const override { return true; }
  void restore_or_activate() override { journal.push_back("window: activate"); }
  const void* focus_token() const override { return nullptr; }
  void restore_focus(const void*) override {}

  std::vector<std::unique_ptr<FakeControl>> owned;
  std::unique_ptr<ControlLookup> controls_;
  bool shown_ = false;
};

std::map<ControlId, FakeControl*> made;

Control* create_fake(const std::any&, const CreateContext& c) {
  auto* window = static_cast<FakeWindow*>(c.window);
  window->owned.push_back(std::make_unique<FakeControl>(c.record.common.name));
  made[c.record.id] = window->owned.back().get();
  return window->owned.back().get();
}
WindowControl* create_fake_window(const std::any&, const CreateContext&) {
  return new FakeWindow;
}

const Kind fake_kinds[] = {
    {1, "window", no_codec, nullptr, &create_fake_window, false},
    {5, "plain", no_codec, &create_fake, nullptr, false},
    {7, "paged", no_codec, &create_fake, nullptr, true},
};

Record record(ControlId id, std::uint16_t kind, const char* name, ControlId parent,
              std::vector<ControlId> children = {}, std::uint32_t state = state_visible) {
  Record r;
  r.id = id;
  r.common.kind = 0x10000u | kind;
  r.common.name = name;
  r.common.parent = parent;
  r.common.left = static_cast<int>(id & 0xFF);
  r.common.top = 1;
  r.common.children = std::move(children);
  r.common.state = state;
  return r;
}

WindowDescription description(std::vector<Record> records) {
  WindowDescription d;
  WindowEntry w;
  w.id = 0x52010001;
  w.records = std::move(records);
  d.windows.push_back(std::move(w));
  return d;
}

class Builder : public ::testing::Test {
 protected:
  void SetUp() override {
    journal.clear();
    made.clear();
  }
  void TearDown() override { window_.reset(); }

  Result<WindowControl*> load(const WindowDescription& d) {
    description_ = d;
    builder_ = std::make_unique<WindowBuilder>(description_, fake_kinds);
    auto r = builder_->load(0x52010001);
    if (r) window_.reset(static_cast<FakeWindow*>(*r));
    return r;
  }
  std::vector<std::string> entries_for(const std::string& what) {
    std::vector<std::string> out;
    for (const auto& e : journal) {
      if (e.size() >= what.size() && e.compare(e.size() - what.size(), what.size(), what) == 0) {
        out.push_back(e);
      }
    }
    return out;
  }

  WindowDescription description_;
  std::unique_ptr<WindowBuilder> builder_;
  std::unique_ptr<FakeWindow> window_;
};

// A paged container with two pages, a plain control on the window, one inside the container.
WindowDescription paged_sample() {
  return description({
      record(0x06010000, 1, "window", 0),
      record(0x16010003, 5, "a", 0x16010002),
      record(0x16010004, 5, "b", 0x16010002),
      record(0x16010005, 5, "c", 0),
      record(0x16010002, 7, "pages", 0, {0x16010003, 0, 0x16010004}),
  });
}

TEST_F(Builder, CreatesFromTheLastRecordToTheFirst) {
  ASSERT_TRUE(load(paged_sample()));
  EXPECT_EQ(entries_for(": create"),
            (std::vector<std::string>{"window: create", "pages: create", "c: create", "b: create",
                                      "a: create"}));
}

TEST_F(Builder, PlacesStacksNotifiesAndShowsInOrder) {
  ASSERT_TRUE(load(paged_sample()));
  EXPECT_EQ(made[0x16010003]->container_, made[0x16010002]);
  EXPECT_EQ(made[0x16010005]->container_, nullptr);
  // Siblings stack in record order, the lowest record on top.
  EXPECT_EQ(entries_for("top"), (std::vector<std::string>{"a: top", "c: top"}));
  EXPECT_EQ(entries_for("behind a"), (std::vector<std::string>{"b: behind a"}));
  EXPECT_EQ(entries_for("behind c"), (std::vector<std::string>{"pages: behind c"}));
  // Bind-data notices go from the last record down to the window, after placing.
  EXPECT_EQ(entries_for("bind"), (std::vector<std::string>{"pages: bind", "c: bind", "b: bind",
                                                           "a: bind", "window: bind"}));
  // Only the first page keeps its start-visible mark.
  EXPECT_EQ(entries_for("show"),
            (std::vector<std::string>{"a: show", "c: show", "pages: show", "window: show"}));
  EXPECT_EQ(entries_for("hide"), (std::vector<std::string>{"b: hide"}));
  // The window appears after the controls' start visibility, then the window-shown notices.
  auto at = [&](const std::string& e) { return std::find(journal.begin(), journal.end(), e); };
  EXPECT_LT(at("b: hide"), at("window: show"));
  EXPECT_LT(at("window: show"), at("pages: shown notice"));
  EXPECT_LT(at("a: shown notice"), at("window: shown notice"));
}

TEST_F(Builder, AHiddenRecordStaysHidden) {
  auto d = paged_sample();
  d.windows[0].records[1].common.state = 0;  // "a", on the first page
  ASSERT_TRUE(load(d));
  EXPECT_FALSE(made[0x16010003]->shown_);
}

TEST_F(Builder, AWindowWithNoControlsBuildsEmpty) {
  auto r = load(description({record(0x06010000, 1, "window", 0)}));
  ASSERT_TRUE(r);
  EXPECT_TRUE(builder_->any_window_open());
  builder_->window_destroyed(*r);
  EXPECT_FALSE(builder_->any_window_open());
}

TEST_F(Builder, AnUnknownKindFailsTheLoad) {
  auto d = paged_sample();
  d.windows[0].records[3].common.kind = 0x10063;
  WindowBuilder b(d, fake_kinds);
  auto r = b.load(0x52010001);
  ASSERT_FALSE(r);
  EXPECT_NE(r.error().what.find("record 3"), std::string::npos) << r.error().what;
  EXPECT_FALSE(b.any_window_open());
}

TEST_F(Builder, ARejectedPropertyBlockFailsTheLoad) {
  auto d = paged_sample();
  d.windows[0].records[2].property_block = {9, 0, 0, 0};  // version 9 of a kind that reads 0
  WindowBuilder b(d, fake_kinds);
  EXPECT_FALSE(b.load(0x52010001));
}

TEST_F(Builder, AMissingWindowIdFailsTheLoad) {
  const auto d = paged_sample();
  WindowBuilder b(d, fake_kinds);
  EXPECT_FALSE(b.load(0x52010002));
}

TEST_F(Builder, ALoopOfParentsLeavesTheControlsOnTheWindow) {
  auto d = description({
      record(0x06010000, 1, "window", 0), record(0x16010003, 5, "a", 0x16010004),
      record(0x16010004, 5, "b", 0x16010003),
      record(0x16010005, 5, "c", 0x16010099),  // a parent that names no control
  });
  ASSERT_TRUE(load(d));
  EXPECT_EQ(made[0x16010003]->container_, nullptr);
  EXPECT_EQ(made[0x16010004]->container_, nullptr);
  EXPECT_EQ(made[0x16010005]->container_, nullptr);
}

TEST_F(Builder, ASecondLoadActivatesTheOpenWindow) {
  ASSERT_TRUE(load(paged_sample()));
  journal.clear();
  auto again = builder_->load(0x52010001);
  ASSERT_TRUE(again);
  EXPECT_EQ(*again, window_.get());
  EXPECT_EQ(journal, (std::vector<std::string>{"window: activate"}));
}

}  // namespace
}  // namespace wufu
