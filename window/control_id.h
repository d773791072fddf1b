// Control ids: category, class and serial number packed into one u32.
#pragma once

#include <cstdint>

namespace wufu {

using ControlId = std::uint32_t;

// Bits 28-31 category, 24-27 class, 0-23 serial number.
constexpr std::uint32_t id_category(ControlId id) {
  return id >> 28;
}
constexpr std::uint32_t id_class(ControlId id) {
  return (id >> 24) & 0xF;
}
constexpr std::uint32_t id_serial(ControlId id) {
  return id & 0xFFFFFF;
}
// 0 stands for no id: no parent, or a page separator in a paged container's child list.
constexpr bool id_valid(ControlId id) {
  return id_serial(id) != 0 && id_class(id) != 0;
}
constexpr bool id_is_menu_item(ControlId id) {
  return id_category(id) == 2 && id_class(id) == 6;
}

}  // namespace wufu
