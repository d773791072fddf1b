#include "window/builder.h"

#include <any>
#include <cstdio>

namespace wufu {

namespace {

std::string record_name(const WindowEntry& entry, std::size_t i) {
  return "record " + std::to_string(i) + " (id 0x" +
         [](ControlId id) {
           char buf[16];
           std::snprintf(buf, sizeof buf, "%08X", id);
           return std::string(buf);
         }(entry.records[i].id) +
         ")";
}

ReadError load_error(const WindowEntry& entry, std::size_t i, const std::string& what) {
  return ReadError{i, record_name(entry, i) + ": " + what};
}

}  // namespace

ControlTable::ControlTable(const WindowEntry& entry)
    : entry_(entry), controls_(entry.records.size(), nullptr) {}

std::ptrdiff_t ControlTable::index_of(ControlId id) const {
  if (id == 0) return -1;
  for (std::size_t i = 0; i < entry_.records.size(); ++i) {
    if (entry_.records[i].id == id) return static_cast<std::ptrdiff_t>(i);
  }
  return -1;
}

Control* ControlTable::control(ControlId id) const {
  auto i = index_of(id);
  return i < 0 ? nullptr : controls_[static_cast<std::size_t>(i)];
}

const Record* ControlTable::record(ControlId id) const {
  auto i = index_of(id);
  return i < 0 ? nullptr : &entry_.records[static_cast<std::size_t>(i)];
}

WindowBuilder::WindowBuilder(const WindowDescription& description, KindRegistry kinds)
    : description_(description), kinds_(kinds) {}

WindowBuilder::~WindowBuilder() = default;

void WindowBuilder::window_destroyed(const WindowControl* window) {
  for (auto it = open_.begin(); it != open_.end(); ++it) {
    if (it->second == window) {
      open_.erase(it);
      return;
    }
  }
}

Result<WindowControl*> WindowBuilder::load(ControlId window_id) {
  // 1. The window's entry.
  const WindowEntry* entry = description_.find(window_id);
  if (entry == nullptr) return ReadError{0, "the window id is not in the description"};
  const auto& records = entry->records;
  if (records.empty()) return ReadError{0, "the window has no record of its own"};

  // 2. An open window is brought forward, not built again.
  if (auto it = open_.find(window_id); it != open_.end() && it->second->is_open()) {
    it->second->restore_or_activate();
    return it->second;
  }

  // 3. Menu items: they are skipped below; this program's windows have none.
  auto is_menu_item = [&](std::size_t i) { return id_is_menu_item(records[i].id); };

  // 4. The window from its own record.
  auto table = std::make_unique<ControlTable>(*entry);
  const Kind* window_kind = find_kind(kinds_, records[0].common.kind_code());
  if (window_kind == nullptr || window_kind->create_window == nullptr) {
    return load_error(*entry, 0, "the kind code names no window kind");
  }
  auto window_properties = window_kind->codec.read(records[0].property_block);
  if (!window_properties) {
    return load_error(*entry, 0, "property block: " + window_properties.error().what);
  }
  WindowControl* window =
      window_kind->create_window(*window_properties, CreateContext{nullptr, records[0], *table});
  if (window == nullptr) return load_error(*entry, 0, "the window could not be made");
  table->set(0, window);
  auto fail = [&](std::size_t i, const std::string& what) -> Result<WindowControl*> {
    // The controls made so far may hold on to the table: it stays with the hidden window.
    window->keep(std::move(table));
    failed_.emplace_back(window);
    return load_error(*entry, i, what);
  };

  // 5. The controls, hidden, from the last record back to record 1.
  std::vector<bool> start_visible(records.size(), false);
  for (std::size_t i = records.size() - 1; i >= 1; --i) {
    if (is_menu_item(i)) continue;
    const Record& record = records[i];
    const Kind* kind = find_kind(kinds_, record.common.kind_code());
    if (kind == nullptr || kind->create == nullptr) {
      return fail(i, "kind code " + std::to_string(record.common.kind_code()) + " names no kind");
    }
    auto properties = kind->codec.read(record.property_block);
    if (!properties) return fail(i, "property block: " + properties.error().what);
    Control* control = kind->create(*properties, CreateContext{window, record, *table});
    if (control == nullptr) return fail(i, "the control could not be made");
    table->set(i, control);
    start_visible[i] = record.common.visible();
  }

  // 6. Each control into its container. A parent id that names no control of this window, or
  // one that would make a control its own container, leaves it on the window.
  auto container_of = [&](std::size_t i) -> Control* {
    const ControlId parent = records[i].common.parent;
    auto p = table->index_of(parent);
    if (p <= 0 || is_menu_item(static_cast<std::size_t>(p))) return nullptr;
    for (std::size_t hops = 0, at = static_cast<std::size_t>(p); hops < records.size(); ++hops) {
      if (at == i) return nullptr;
      auto up = table->index_of(records[at].common.parent);
      if (up <= 0) return table->at(static_cast<std::size_t>(p));
      at = static_cast<std::size_t>(up);
    }
    return nullptr;  // a loop of parents that does not pass through this control
  };
  for (std::size_t i = 1; i < records.size(); ++i) {
    if (is_menu_item(i)) continue;
    const CommonFields& f = records[i].common;
    table->at(i)->move_into(container_of(i), f.left, f.top);
    const Kind* kind = find_kind(kinds_, f.kind_code());
    if (kind->paged_container) {
      // Only the first page keeps its start-visible marks.
      bool past_first_page = false;
      for (ControlId child : f.children) {
        if (child == 0) {
          past_first_page = true;
        } else if (past_first_page) {
          auto c = table->index_of(child);
          if (c > 0) start_visible[static_cast<std::size_t>(c)] = false;
        }
      }
    }
  }

  // 7. Stacking in record order among siblings, the lowest record on top.
  for (std::size_t i = 1; i < records.size(); ++i) {
    if (is_menu_item(i)) continue;
    Control* above = nullptr;
    for (std::size_t j = i - 1; j >= 1 && above == nullptr; --j) {
      if (!is_menu_item(j) && records[j].common.parent == records[i].common.parent) {
        above = table->at(j);
      }
    }
    if (above != nullptr) {
      table->at(i)->stack_behind(*above);
    } else {
      table->at(i)->stack_on_top();
    }
  }

  // 8. Mouse pointers.
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (!is_menu_item(i)) table->at(i)->set_pointer(records[i].common.pointer_number());
  }

  // 9. Bind-data notices, from the last record down to the window.
  for (std::size_t i = records.size(); i-- > 0;) {
    if (!is_menu_item(i)) table->at(i)->bind_data_notice();
  }

  // 10. Start visibility, without activating; the window is still hidden.
  for (std::size_t i = 1; i < records.size(); ++i) {
    if (!is_menu_item(i)) table->at(i)->set_shown(start_visible[i]);
  }

  // 11. Creation events: none is bound in this program.
  // 12. The window appears.
  if (records[0].common.visible()) window->show_window();

  // 13. Window-shown notices; the focus stays where it was.
  const void* focus = window->focus_token();
  for (std::size_t i = records.size(); i-- > 0;) {
    if (!is_menu_item(i)) table->at(i)->window_shown_notice();
  }
  if (window->focus_token() != focus) window->restore_focus(focus);

  // 14. Loaded.
  window->keep(std::move(table));
  open_[window_id] = window;
  return window;
}

}  // namespace wufu
