// The real stored block, damaged systematically: cut at every record boundary and at thousands
// of other points, single and multiple byte flips in the header, the offset table, the common
// fields and every property block. Every damaged block either loads the window or fails with
// the right one of the two fatal texts; a crash, a hang or a leak fails the run (the sanitizer
// build runs this too). The figures are printed.
#include <gtest/gtest.h>
#include <QApplication>

#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "app/fatal_report.h"
#include "app/kinds.h"
#include "app/start.h"
#include "tests/support/window_fixture.h"
#include "window/builder.h"
#include "window/description.h"

namespace wufu {
namespace {

enum class Outcome { window, description_unreadable, start_window_failed };

// What start-up makes of a block: the read, then the load of the start window.
Outcome start_up(const Bytes& block, std::string* fatal_text) {
  auto description = read_description(block);
  if (!description) {
    *fatal_text = description_unreadable_text;
    return Outcome::description_unreadable;
  }
  WindowBuilder builder(*description, program_kinds());
  auto loaded = builder.load(start_window_id);
  if (!loaded) {
    *fatal_text = start_window_failed_text;
    return Outcome::start_window_failed;
  }
  builder.window_destroyed(*loaded);
  delete dynamic_cast<QWidget*>(*loaded);
  fatal_text->clear();
  return Outcome::window;
}

// Where the fields of the stored block lie, found by reading it.
struct Places {
  std::size_t header_end = 0;  // window table, ids, slots, window entry up to the record table
  std::size_t ids = 0, offsets = 0, records = 0;
  std::vector<std::size_t> record_start;  // of each record's size field
  std::vector<std::size_t> block_start;   // of each record's property block
  std::vector<std::size_t> record_end;
};

Places places_of(const Bytes& block, const WindowDescription& d) {
  Places p;
  const WindowEntry& w = d.windows.at(0);
  p.header_end = 4 + 8 + 8 + 4 + w.reserved_text_1.size() + 4 + w.reserved_text_2.size() + 8;
  p.ids = p.header_end;
  p.offsets = p.ids + 4 * w.records.size();
  p.records = p.offsets + 4 * w.records.size();
  std::size_t at = p.records;
  for (const auto& r : w.records) {
    const std::size_t size = write_record(r).size();
    p.record_start.push_back(at);
    p.block_start.push_back(at + size - r.property_block.size());
    p.record_end.push_back(at + size);
    at += size;
  }
  EXPECT_EQ(at, block.size());
  return p;
}

struct Tally {
  std::map<std::string, int> by_kind;
  int cases = 0;
  void add(const std::string& group, Outcome o) {
    ++cases;
    const char* what = o == Outcome::window                   ? "window"
                       : o == Outcome::description_unreadable ? "description unreadable"
                                                              : "start window failed";
    ++by_kind[group + ": " + what];
  }
  void print() const {
    std::printf("damaged blocks tried: %d\n", cases);
    for (const auto& [k, n] : by_kind) std::printf("  %-45s %6d\n", k.c_str(), n);
  }
};

class DamagedBlock : public ::testing::Test {
 protected:
  static void TearDownTestSuite() { tally_.print(); }

  void SetUp() override {
    block_ = testing::stored_block();
    ASSERT_FALSE(block_.empty());
    auto d = read_description(block_);
    ASSERT_TRUE(d);
    places_ = places_of(block_, *d);
  }

  // Runs one damaged block and checks that its outcome names the right fatal text.
  void run(const std::string& group, const Bytes& damaged) {
    std::string text;
    const Outcome o = start_up(damaged, &text);
    const bool reads = read_description(damaged).ok();
    if (o == Outcome::description_unreadable) {
      EXPECT_FALSE(reads);
      EXPECT_EQ(text, description_unreadable_text);
    } else {
      EXPECT_TRUE(reads);
      if (o == Outcome::start_window_failed) {
        EXPECT_EQ(text, start_window_failed_text);
      }
    }
    tally_.add(group, o);
  }

  Bytes flipped(std::initializer_list<std::pair<std::size_t, std::uint8_t>> flips) const {
    Bytes b = block_;
    for (auto [at, mask] : flips) b[at] ^= mask;
    return b;
  }

  Bytes block_;
  Places places_;
  static Tally tally_;
};

Tally DamagedBlock::tally_;

TEST_F(DamagedBlock, CutsFailToRead) {
  std::vector<std::size_t> cuts = {
      0, 1, 3, 4, 7, places_.header_end, places_.offsets, places_.records};
  for (std::size_t i = 0; i < places_.record_start.size(); ++i) {
    for (std::size_t at : {places_.record_start[i], places_.record_start[i] + 1,
                           places_.block_start[i], places_.record_end[i] - 1}) {
      cuts.push_back(at);
    }
  }
  std::mt19937 random(20200113);
  std::uniform_int_distribution<std::size_t> anywhere(0, block_.size() - 1);
  for (int i = 0; i < 3000; ++i) cuts.push_back(anywhere(random));
  for (std::size_t n : cuts) {
    run("cut", Bytes(block_.begin(), block_.begin() + static_cast<std::ptrdiff_t>(n)));
  }
}

TEST_F(DamagedBlock, FlipsInTheHeaderAndTheOffsetTable) {
  for (std::size_t at = 0; at < places_.records; ++at) {
    for (std::uint8_t mask : {0x01, 0x80, 0xFF}) run("header and offsets", flipped({{at, mask}}));
  }
}

TEST_F(DamagedBlock, FlipsInEveryCommonField) {
  // The two reserved runs (16 bytes after the event source id, 20 before the property block) are
  // never read: their first byte stands for them.
  for (std::size_t i = 0; i < places_.record_start.size(); ++i) {
    const std::size_t reserved_16 = places_.record_start[i] + 12;
    const std::size_t reserved_20 = places_.block_start[i] - 20;
    for (std::size_t at = places_.record_start[i]; at < places_.block_start[i]; ++at) {
      if ((at > reserved_16 && at < reserved_16 + 16) || at > reserved_20) continue;
      run("common fields", flipped({{at, 0xFF}}));
    }
  }
}

TEST_F(DamagedBlock, FlipsInEveryPropertyBlock) {
  std::mt19937 random(20200124);
  for (std::size_t i = 0; i < places_.block_start.size(); ++i) {
    const std::size_t begin = places_.block_start[i];
    const std::size_t end = places_.record_end[i];
    // Every byte of the block's words and counts near its start, single and in pairs ...
    for (std::size_t at = begin; at < std::min(end, begin + 48); at += 1) {
      run("property blocks", flipped({{at, 0xFF}}));
      if (at % 2 == 0 && at + 5 < end)
        run("property blocks", flipped({{at, 0x80}, {at + 5, 0x7F}}));
    }
    // ... and a few inside its texts and pictures.
    if (end - begin > 48) {
      std::uniform_int_distribution<std::size_t> inside(begin + 48, end - 1);
      for (int k = 0; k < 12; ++k) {
        run("property blocks", flipped({{inside(random), 0xFF}, {inside(random), 0x10}}));
      }
    }
  }
}

}  // namespace
}  // namespace wufu
