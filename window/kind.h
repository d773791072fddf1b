// A control kind: its code and name, its property block codec, and its create operation.
#pragma once

#include <any>
#include <cstdint>
#include <span>
#include <string_view>

#include "window/byte_cursor.h"
#include "window/control.h"
#include "window/description.h"
#include "window/property_layout.h"
#include "window/result.h"
#include "window/source_value.h"

namespace wufu {

// A kind's property block in the four directions, type-erased over its property struct.
struct PropertyCodec {
  Result<std::any> (*read)(ByteSpan block);
  Bytes (*write)(const std::any& properties);
  SourceEntries (*to_source)(const std::any& properties);
  Result<std::any> (*from_source)(const SourceEntries& entries);
};

// Derives a codec from a kind's layout; `layout_of` returns the kind's one Layout<P>.
template <class P, const layout::Layout<P>& (*layout_of)()>
constexpr PropertyCodec codec_for() {
  return PropertyCodec{
      [](ByteSpan block) -> Result<std::any> {
        auto r = layout::read_block(layout_of(), block);
        if (!r) return r.error();
        return std::any(std::move(r).value());
      },
      [](const std::any& p) {
        return layout::write_block(layout_of(), std::any_cast<const P&>(p));
      },
      [](const std::any& p) { return layout::to_source(layout_of(), std::any_cast<const P&>(p)); },
      [](const SourceEntries& e) -> Result<std::any> {
        auto r = layout::from_source(layout_of(), e);
        if (!r) return r.error();
        return std::any(std::move(r).value());
      },
  };
}

// Everything a create operation gets besides the properties.
struct CreateContext {
  WindowControl* window = nullptr;  // the parent window; nullptr when the window itself is made
  const Record& record;             // place, size, disabled and tab-stop states, child list
  // The window's controls, complete after all are created; it lives as long as the window.
  const ControlLookup& controls;
};

using CreateControl = Control* (*)(const std::any& properties, const CreateContext& context);
using CreateWindow = WindowControl* (*)(const std::any& properties, const CreateContext& context);

struct Kind {
  std::uint16_t code;
  std::string_view name;
  PropertyCodec codec;
  CreateControl create = nullptr;        // controls
  CreateWindow create_window = nullptr;  // the window kind
  bool paged_container = false;          // its child list is split into pages at 0 entries
};

using KindRegistry = std::span<const Kind>;

inline const Kind* find_kind(KindRegistry kinds, std::uint16_t code) {
  for (const Kind& k : kinds) {
    if (k.code == code) return &k;
  }
  return nullptr;
}

}  // namespace wufu
