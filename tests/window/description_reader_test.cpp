// The description reader: exact on good bytes, and a clean failure with no partial result on
// every kind of damage.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <string>

#include "window/byte_cursor.h"
#include "window/description.h"

namespace wufu {
namespace {

Record sample_record(ControlId id, std::uint32_t kind, std::string name, Bytes block) {
  Record r;
  r.id = id;
  r.common.kind = kind;
  r.common.name = std::move(name);
  r.common.left = 10;
  r.common.top = -20;
  r.common.width = 300;
  r.common.height = 40;
  r.common.parent = 0x16010002;
  r.common.children = {0x16010003, 0, 0x16010004};
  r.common.pointer_data = {0, 0, 0, 0};
  r.common.state = state_visible | state_tab_stop;
  r.common.tab_order = 3;
  r.common.events = {{1, 0xFFFFFFFF}, {2, 0x1234}};
  r.common.reserved_16[5] = 7;
  r.common.reserved_20[19] = 9;
  r.common.comment = "c";
  r.common.tag = "tag";
  r.property_block = std::move(block);
  return r;
}

WindowDescription sample() {
  WindowDescription d;
  WindowEntry w;
  w.id = 0x52010001;
  w.slot = 0x024BB8E0;
  w.reserved_word_1 = 0x024A0A70;
  w.reserved_text_1 = "x";
  w.records.push_back(sample_record(0x06010000, 0x10001, "", {6, 0, 0, 0}));
  w.records.push_back(sample_record(0x16010002, 0x10015, "\xD1\xA1", {1, 2, 3}));
  w.records.push_back(sample_record(0x16010003, 0x1000A, "ab", {}));
  d.windows.push_back(std::move(w));
  return d;
}

TEST(DescriptionReader, ReadsEveryFieldBack) {
  const WindowDescription d = sample();
  const Bytes block = write_description(d);
  auto read = read_description(block);
  ASSERT_TRUE(read) << read.error().what;
  ASSERT_EQ(read->windows.size(), 1u);
  const WindowEntry& w = read->windows[0];
  EXPECT_EQ(w.id, 0x52010001u);
  EXPECT_EQ(w.slot, 0x024BB8E0u);
  EXPECT_EQ(w.reserved_word_1, 0x024A0A70u);
  EXPECT_EQ(w.reserved_text_1, "x");
  EXPECT_FALSE(w.stored_table.has_value());
  ASSERT_EQ(w.records.size(), 3u);
  const CommonFields& f = w.records[1].common;
  EXPECT_EQ(w.records[1].id, 0x16010002u);
  EXPECT_EQ(f.kind_code(), 21);
  EXPECT_EQ(f.library(), 1);
  EXPECT_EQ(f.name, "\xD1\xA1");
  EXPECT_EQ(f.comment, "c");
  EXPECT_EQ(f.tag, "tag");
  EXPECT_EQ(f.top, -20);
  EXPECT_EQ(f.children, (std::vector<ControlId>{0x16010003, 0, 0x16010004}));
  EXPECT_EQ(f.events.size(), 2u);
  EXPECT_EQ(f.events[1].handler, 0x1234u);
  EXPECT_EQ(f.reserved_16[5], 7);
  EXPECT_EQ(f.reserved_20[19], 9);
  EXPECT_TRUE(f.visible());
  EXPECT_TRUE(f.tab_stop());
  EXPECT_FALSE(f.disabled());
  EXPECT_EQ(w.records[1].property_block, (Bytes{1, 2, 3}));
  EXPECT_TRUE(w.records[2].property_block.empty());
  EXPECT_EQ(write_description(*read), block);
}

TEST(DescriptionReader, EveryCutFailsCleanly) {
  const Bytes block = write_description(sample());
  // The block ends exactly with its last record, so every shorter prefix ends inside a field.
  for (std::size_t n = 0; n < block.size(); ++n) {
    auto read = read_description(ByteSpan(block.data(), n));
    EXPECT_FALSE(read) << "a block cut to " << n << " bytes read";
  }
}

TEST(DescriptionReader, KeepsBytesAfterTheLastWindow) {
  WindowDescription d = sample();
  d.trailing = {0xAA, 0xBB};
  const Bytes block = write_description(d);
  auto read = read_description(block);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->trailing, d.trailing);
  EXPECT_EQ(write_description(*read), block);
}

// Offsets of the fields a damage case overwrites, found in the written sample.
struct Layout {
  std::size_t window_table_length = 0;
  std::size_t record_count = 12 + 4 + 4 + 4 + 1 + 4;  // after ids, slots, words and texts
  std::size_t table_length = 0;
  std::size_t first_offset = 0;  // offset table entry of record 0
  std::size_t record0 = 0;       // record 0's size field
  std::size_t record0_children = 0;
  std::size_t record0_pointer = 0;
  std::size_t record0_events = 0;
};

Layout layout_of(const Bytes& b) {
  Layout l;
  l.table_length = l.record_count + 4;
  const std::size_t table = l.table_length + 4;
  l.first_offset = table + 3 * 4;
  l.record0 = table + 3 * 8;
  // size, kind, event source, 16 reserved, name "" NUL, comment "c" NUL, slot, ltwh, slot, parent
  l.record0_children = l.record0 + 4 + 4 + 4 + 16 + 1 + 2 + 4 + 16 + 4 + 4;
  l.record0_pointer = l.record0_children + 4 + 3 * 4;
  l.record0_events = l.record0_pointer + 4 + 4 + 4 + 4 + 4 + 4;  // pointer, tag, words
  (void)b;
  return l;
}

void put_u32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

struct Damage {
  const char* what;
  std::size_t Layout::*field;
  std::uint32_t value;
};

class DamagedDescription : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedDescription, IsRejected) {
  const Bytes good = write_description(sample());
  const Layout l = layout_of(good);
  Bytes bad = good;
  put_u32(bad, l.*GetParam().field, GetParam().value);
  auto read = read_description(bad);
  ASSERT_FALSE(read) << GetParam().what;
  EXPECT_FALSE(read.error().what.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Counts, DamagedDescription,
    ::testing::Values(
        Damage{"window table length not a multiple of 8", &Layout::window_table_length, 12},
        Damage{"more windows than bytes", &Layout::window_table_length, 0x7FFFFFF8},
        Damage{"record count beyond the table", &Layout::record_count, 0x40000000},
        Damage{"record table longer than the bytes", &Layout::table_length, 0xFFFFFFF0},
        Damage{"offset outside the record table", &Layout::first_offset, 0x00100000},
        Damage{"offset at the table's last bytes", &Layout::first_offset, 0xFFFFFFFF},
        Damage{"record size past the table", &Layout::record0, 0x00FFFFFF},
        Damage{"record size inside the common fields", &Layout::record0, 8},
        Damage{"child count beyond the record", &Layout::record0_children, 0x3FFFFFFF},
        Damage{"pointer data beyond the record", &Layout::record0_pointer, 0x10000},
        Damage{"event count beyond the record", &Layout::record0_events, 0x1FFFFFFF}),
    [](const ::testing::TestParamInfo<Damage>& info) {
      std::string name = info.param.what;
      for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      }
      return name;
    });

TEST(DescriptionReader, NameWithoutItsNulIsRejected) {
  Record r = sample_record(0x16010003, 0x1000A, "ab", {});
  Bytes bytes = write_record(r);
  // Cut the record right after its name's bytes: the NUL is missing.
  const std::size_t name_end = 4 + 4 + 4 + 16 + 2;
  auto read = read_record(ByteSpan(bytes.data(), name_end), r.id);
  ASSERT_FALSE(read);
  EXPECT_NE(read.error().what.find("name"), std::string::npos);
}

TEST(DescriptionReader, KeepsATableNotLaidOutBackToBack) {
  Bytes block = write_description(sample());
  const Layout l = layout_of(block);
  // Point record 2 at record 1: both offsets are valid, the table is no longer back to back.
  const std::size_t second = l.first_offset + 4;
  std::uint32_t off1 = 0;
  std::memcpy(&off1, &block[second], 4);
  put_u32(block, second + 4, off1);
  auto read = read_description(block);
  ASSERT_TRUE(read) << read.error().what;
  EXPECT_TRUE(read->windows[0].stored_table.has_value());
  EXPECT_EQ(read->windows[0].records[2].common.name, read->windows[0].records[1].common.name);
  EXPECT_EQ(write_description(*read), block);
}

TEST(DescriptionReader, HugeCountsAllocateNothing) {
  // Four bytes that promise 2^29 windows must fail before anything is sized from them.
  Bytes b = {0xF8, 0xFF, 0xFF, 0xFF};
  EXPECT_FALSE(read_description(b));
  ByteCursor c(b);
  EXPECT_FALSE(c.count(4, "items"));
  EXPECT_EQ(c.position(), 0u);
}

}  // namespace
}  // namespace wufu
