// The window description: the stored block that describes every window of the program and its
// control records, read strictly into memory and written back byte for byte.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "window/byte_cursor.h"
#include "window/control_id.h"
#include "window/result.h"

namespace wufu {

// State flags of a record.
constexpr std::uint32_t state_visible = 1u << 0;
constexpr std::uint32_t state_disabled = 1u << 1;
constexpr std::uint32_t state_tab_stop = 1u << 2;

struct EventBinding {
  std::uint32_t event = 0;
  std::uint32_t handler = 0;  // offset from the code base; 0xFFFFFFFF = none
};

// The fields every control record begins with, whatever its kind. Texts are kept as the stored
// GBK bytes.
struct CommonFields {
  std::uint32_t kind = 0;  // high 16 bits library number, low 16 bits kind code
  std::uint32_t event_source = 0;
  std::array<std::uint8_t, 16> reserved_16{};
  std::string name;
  std::string comment;
  std::uint32_t control_slot = 0;
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::uint32_t pointer_slot = 0;
  ControlId parent = 0;
  std::vector<ControlId> children;
  Bytes pointer_data;
  std::string tag;
  std::uint32_t reserved_word = 0;
  std::uint32_t state = 0;
  std::uint32_t tab_order = 0;
  std::vector<EventBinding> events;
  std::array<std::uint8_t, 20> reserved_20{};

  std::uint16_t kind_code() const { return static_cast<std::uint16_t>(kind & 0xFFFF); }
  std::uint16_t library() const { return static_cast<std::uint16_t>(kind >> 16); }
  bool visible() const { return (state & state_visible) != 0; }
  bool disabled() const { return (state & state_disabled) != 0; }
  bool tab_stop() const { return (state & state_tab_stop) != 0; }
  // The pointer number: the first byte of a blob shorter than 4 bytes, else its first u32.
  std::uint32_t pointer_number() const;
};

struct Record {
  ControlId id = 0;
  CommonFields common;
  Bytes property_block;  // the kind's own bytes, from the end of the common fields to the end
};

struct WindowEntry {
  ControlId id = 0;
  std::uint32_t slot = 0;  // stored placeholder, ignored
  std::uint32_t reserved_word_1 = 0;
  std::uint32_t reserved_word_2 = 0;
  std::string reserved_text_1;
  std::string reserved_text_2;
  std::vector<Record> records;  // record 0 is the window's own record
  // Records normally lie back to back in table order from offset 0 and fill the table. A table
  // laid out any other way is kept here as stored, so that writing it back loses nothing.
  std::optional<Bytes> stored_table;
};

struct WindowDescription {
  std::vector<WindowEntry> windows;
  Bytes trailing;  // bytes after the last window entry, kept as stored

  const WindowEntry* find(ControlId window_id) const;
};

// Reads a stored block. Fails, with no partial result, when the bytes end inside a field, when
// an offset or a record size points outside its record table, or when a count promises more than
// the bytes hold.
Result<WindowDescription> read_description(ByteSpan bytes);

// Reads one record from its bytes (the record size field included).
Result<Record> read_record(ByteSpan bytes, ControlId id, std::size_t origin = 0);

// Writes the block; read_description(write_description(d)) gives d back, and for every block b
// that reads, write_description(read_description(b)) == b.
Bytes write_description(const WindowDescription& description);
Bytes write_record(const Record& record);

}  // namespace wufu
