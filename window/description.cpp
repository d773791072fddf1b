#include "window/description.h"

#include <string_view>

namespace wufu {

namespace {

ReadError record_error(const ReadError& e, std::size_t index) {
  return ReadError{e.offset, "record " + std::to_string(index) + ", " + e.what};
}

std::string text_of(ByteSpan b) {
  return as_string(b);
}

// Reads the record table of one window: ids, offsets, then the records they point to.
Result<WindowEntry> read_record_table(WindowEntry entry, std::uint32_t count, ByteSpan table,
                                      std::size_t origin) {
  ByteCursor t(table, origin);
  if (count > table.size() / 8) {
    return ReadError{origin, "record count: " + std::to_string(count) +
                                 " records promise more ids and offsets than the table holds"};
  }
  std::vector<ControlId> ids(count);
  std::vector<std::uint32_t> offsets(count);
  for (auto& id : ids) id = *t.u32("record id");
  for (auto& off : offsets) off = *t.u32("record offset");
  const std::size_t base = t.position();
  const std::size_t area = table.size() - base;

  entry.records.reserve(count);
  bool canonical = true;
  std::size_t expected = 0;
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint32_t off = offsets[i];
    if (off > area || area - off < 4) {
      return ReadError{origin + base + 4 * i - 4 * count,
                       "record " + std::to_string(i) + ", record offset " + std::to_string(off) +
                           " points outside the record table"};
    }
    ByteCursor at(table.subspan(base + off), origin + base + off);
    const std::uint32_t size = *at.u32("record size");
    if (size > at.left()) {
      return ReadError{origin + base + off, "record " + std::to_string(i) + ", record size " +
                                                std::to_string(size) +
                                                " passes the end of the record table"};
    }
    ByteSpan bytes = table.subspan(base + off, std::size_t{4} + size);
    auto record = read_record(bytes, ids[i], origin + base + off);
    if (!record) return record_error(record.error(), i);
    entry.records.push_back(std::move(record).value());
    if (off != expected) canonical = false;
    expected = std::size_t{off} + 4 + size;
  }
  if (expected != area) canonical = false;
  if (!canonical) entry.stored_table = Bytes(table.begin(), table.end());
  return entry;
}

}  // namespace

std::uint32_t CommonFields::pointer_number() const {
  if (pointer_data.empty()) return 0;
  if (pointer_data.size() < 4) return pointer_data[0];
  return static_cast<std::uint32_t>(pointer_data[0]) | pointer_data[1] << 8 |
         pointer_data[2] << 16 | static_cast<std::uint32_t>(pointer_data[3]) << 24;
}

const WindowEntry* WindowDescription::find(ControlId window_id) const {
  for (const auto& w : windows) {
    if (w.id == window_id) return &w;
  }
  return nullptr;
}

Result<Record> read_record(ByteSpan bytes, ControlId id, std::size_t origin) {
  ByteCursor c(bytes, origin);
  Record r;
  r.id = id;
  CommonFields& f = r.common;
  auto fixed16 = [&](auto& out, std::string_view field) {
    auto b = c.take(out.size(), field);
    if (b) std::copy(b->begin(), b->end(), out.begin());
    return b.has_value();
  };
  auto u32 = [&](std::uint32_t& out, std::string_view field) {
    auto v = c.u32(field);
    if (v) out = *v;
    return v.has_value();
  };
  auto i32 = [&](std::int32_t& out, std::string_view field) {
    auto v = c.i32(field);
    if (v) out = *v;
    return v.has_value();
  };
  auto cstr = [&](std::string& out, std::string_view field) {
    auto v = c.cstring(field);
    if (v) out = text_of(*v);
    return v.has_value();
  };
  std::uint32_t size = 0;
  bool ok = u32(size, "record size") && u32(f.kind, "kind") &&
            u32(f.event_source, "event source id") && fixed16(f.reserved_16, "reserved") &&
            cstr(f.name, "name") && cstr(f.comment, "comment") &&
            u32(f.control_slot, "control slot") && i32(f.left, "left") && i32(f.top, "top") &&
            i32(f.width, "width") && i32(f.height, "height") &&
            u32(f.pointer_slot, "pointer slot") && u32(f.parent, "parent id");
  if (ok) {
    auto n = c.count(4, "child list");
    ok = n.has_value();
    if (ok) {
      f.children.resize(*n);
      for (auto& child : f.children) child = *c.u32("child list");
    }
  }
  if (ok) {
    auto p = c.counted("pointer data");
    ok = p.has_value();
    if (ok) f.pointer_data.assign(p->begin(), p->end());
  }
  ok = ok && cstr(f.tag, "tag text") && u32(f.reserved_word, "reserved") &&
       u32(f.state, "state flags") && u32(f.tab_order, "tab order");
  if (ok) {
    auto n = c.count(8, "event table");
    ok = n.has_value();
    if (ok) {
      f.events.resize(*n);
      for (auto& e : f.events) {
        e.event = *c.u32("event number");
        e.handler = *c.u32("handler offset");
      }
    }
  }
  ok = ok && fixed16(f.reserved_20, "reserved");
  if (!ok) return c.error();
  ByteSpan block = c.rest();
  r.property_block.assign(block.begin(), block.end());
  return r;
}

Result<WindowDescription> read_description(ByteSpan bytes) {
  ByteCursor c(bytes);
  WindowDescription d;
  auto table_length = c.u32("window table length");
  if (!table_length) return c.error();
  if (*table_length % 8 != 0) {
    return ReadError{
        0, "window table length: " + std::to_string(*table_length) + " is not a multiple of 8"};
  }
  const std::uint32_t windows = *table_length / 8;
  if (windows > c.left() / 8) {
    return ReadError{0, "window table length: " + std::to_string(windows) +
                            " windows promise more than the bytes hold"};
  }
  d.windows.resize(windows);
  for (auto& w : d.windows) w.id = *c.u32("window id");
  for (auto& w : d.windows) w.slot = *c.u32("window slot");
  for (std::size_t i = 0; i < d.windows.size(); ++i) {
    WindowEntry& w = d.windows[i];
    const std::string where = "window " + std::to_string(i) + ", ";
    auto r1 = c.u32("reserved word");
    auto r2 = r1 ? c.u32("reserved word") : std::nullopt;
    auto t1 = r2 ? c.counted("reserved text") : std::nullopt;
    auto t2 = t1 ? c.counted("reserved text") : std::nullopt;
    auto count = t2 ? c.u32("record count") : std::nullopt;
    auto length = count ? c.u32("record table length") : std::nullopt;
    std::size_t table_origin = c.offset();
    auto table = length ? c.take(*length, "record table") : std::nullopt;
    if (!table) return ReadError{c.error().offset, where + c.error().what};
    w.reserved_word_1 = *r1;
    w.reserved_word_2 = *r2;
    w.reserved_text_1 = text_of(*t1);
    w.reserved_text_2 = text_of(*t2);
    auto read = read_record_table(std::move(w), *count, *table, table_origin);
    if (!read) return ReadError{read.error().offset, where + read.error().what};
    w = std::move(read).value();
  }
  ByteSpan rest = c.rest();
  d.trailing.assign(rest.begin(), rest.end());
  return d;
}

Bytes write_record(const Record& record) {
  const CommonFields& f = record.common;
  ByteWriter w;
  w.u32(0);  // record size, patched below
  w.u32(f.kind);
  w.u32(f.event_source);
  w.bytes(f.reserved_16);
  w.cstring(as_bytes(f.name));
  w.cstring(as_bytes(f.comment));
  w.u32(f.control_slot);
  w.i32(f.left);
  w.i32(f.top);
  w.i32(f.width);
  w.i32(f.height);
  w.u32(f.pointer_slot);
  w.u32(f.parent);
  w.u32(static_cast<std::uint32_t>(f.children.size()));
  for (ControlId child : f.children) w.u32(child);
  w.counted(f.pointer_data);
  w.cstring(as_bytes(f.tag));
  w.u32(f.reserved_word);
  w.u32(f.state);
  w.u32(f.tab_order);
  w.u32(static_cast<std::uint32_t>(f.events.size()));
  for (const auto& e : f.events) {
    w.u32(e.event);
    w.u32(e.handler);
  }
  w.bytes(f.reserved_20);
  w.bytes(record.property_block);
  w.patch_u32(0, static_cast<std::uint32_t>(w.size() - 4));
  return w.take();
}

Bytes write_description(const WindowDescription& d) {
  ByteWriter w;
  w.u32(static_cast<std::uint32_t>(d.windows.size() * 8));
  for (const auto& win : d.windows) w.u32(win.id);
  for (const auto& win : d.windows) w.u32(win.slot);
  for (const auto& win : d.windows) {
    w.u32(win.reserved_word_1);
    w.u32(win.reserved_word_2);
    w.counted(as_bytes(win.reserved_text_1));
    w.counted(as_bytes(win.reserved_text_2));
    w.u32(static_cast<std::uint32_t>(win.records.size()));
    if (win.stored_table) {
      w.counted(*win.stored_table);
      continue;
    }
    ByteWriter table;
    std::vector<Bytes> records;
    records.reserve(win.records.size());
    for (const auto& r : win.records) records.push_back(write_record(r));
    for (const auto& r : win.records) table.u32(r.id);
    std::uint32_t offset = 0;
    for (const auto& r : records) {
      table.u32(offset);
      offset += static_cast<std::uint32_t>(r.size());
    }
    for (const auto& r : records) table.bytes(r);
    w.counted(table.data());
  }
  w.bytes(d.trailing);
  return w.take();
}

}  // namespace wufu
