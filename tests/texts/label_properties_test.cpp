// The label's property block read from bytes laid out by hand in the stored order, so that the
// test does not lean on the layout it checks.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "texts/label_properties.h"
#include "window/byte_cursor.h"

namespace wufu {
namespace {

// Every field of a block, with values that differ from each other and from the defaults.
struct BlockValues {
  std::uint32_t version = 2;
  std::int32_t words[16] = {3,          12,         4, 0x00112233, 0x00445566, 0x00778899,
                            0x000000FF, 0x00FFFFFF, 2, 5,          0x00010203, 0x00040506,
                            0x00070809, 2,          0, 1};
  Bytes font = Bytes(60, 0x41);
  Bytes picture = {0x89, 'P', 'N', 'G'};
  std::string text = "\xB1\xEA\xC7\xA9\x31";  // GBK "标签1"
  std::string data_source = "src";
  std::string data_column = "col";
};

void put_counted(ByteWriter& w, ByteSpan b) {
  w.i32(static_cast<std::int32_t>(b.size()));
  w.bytes(b);
}

Bytes block_of(const BlockValues& v) {
  ByteWriter w;
  w.u32(v.version);
  for (std::int32_t word : v.words) w.i32(word);
  put_counted(w, v.font);
  put_counted(w, v.picture);
  put_counted(w, as_bytes(v.text));
  if (v.version == 2) {
    put_counted(w, as_bytes(v.data_source));
    put_counted(w, as_bytes(v.data_column));
  }
  return w.take();
}

Result<LabelProperties> read(const Bytes& block) {
  return layout::read_block(label_layout(), ByteSpan(block));
}

TEST(LabelPropertyBlock, NoBlockGivesTheDefaults) {
  auto r = read({});
  ASSERT_TRUE(r.ok());
  const LabelProperties& p = *r;
  EXPECT_EQ(p.version, 2u);
  EXPECT_EQ(p.effect, 0);
  EXPECT_EQ(p.gradient_border_width, 8);
  EXPECT_EQ(p.border_style, 0);
  EXPECT_EQ(p.gradient_border_colour_1, 0x00808080u);
  EXPECT_EQ(p.gradient_border_colour_2, 0x00FFFFFFu);
  EXPECT_EQ(p.gradient_border_colour_3, 0x00808080u);
  EXPECT_EQ(p.text_colour, 0x00000000u);
  EXPECT_EQ(p.background, 0xFF000000u);
  EXPECT_EQ(p.picture_mode, 1);
  EXPECT_EQ(p.gradient_background_mode, 0);
  EXPECT_EQ(p.gradient_background_colour_1, 0x00808080u);
  EXPECT_EQ(p.gradient_background_colour_2, 0x00FFFFFFu);
  EXPECT_EQ(p.gradient_background_colour_3, 0x00808080u);
  EXPECT_EQ(p.horizontal_alignment, 0);
  EXPECT_EQ(p.vertical_alignment, 1);
  EXPECT_EQ(p.word_wrap, 0);
  EXPECT_TRUE(p.font.empty());
  EXPECT_TRUE(p.picture.empty());
  EXPECT_EQ(label_text_bytes(p), "\xB1\xEA\xC7\xA9");  // "标签"
  EXPECT_TRUE(p.data_source.empty());
  EXPECT_TRUE(p.data_column.empty());
}

TEST(LabelPropertyBlock, EveryFieldIsReadInTheStoredOrderAndKept) {
  const BlockValues v;
  auto r = read(block_of(v));
  ASSERT_TRUE(r.ok()) << r.error().what;
  const LabelProperties& p = *r;
  EXPECT_EQ(p.version, 2u);
  EXPECT_EQ(p.effect, 3);
  EXPECT_EQ(p.gradient_border_width, 12);
  EXPECT_EQ(p.border_style, 4);
  EXPECT_EQ(p.gradient_border_colour_1, 0x00112233u);
  EXPECT_EQ(p.gradient_border_colour_2, 0x00445566u);
  EXPECT_EQ(p.gradient_border_colour_3, 0x00778899u);
  EXPECT_EQ(p.text_colour, 0x000000FFu);
  EXPECT_EQ(p.background, 0x00FFFFFFu);
  EXPECT_EQ(p.picture_mode, 2);
  EXPECT_EQ(p.gradient_background_mode, 5);
  EXPECT_EQ(p.gradient_background_colour_1, 0x00010203u);
  EXPECT_EQ(p.gradient_background_colour_2, 0x00040506u);
  EXPECT_EQ(p.gradient_background_colour_3, 0x00070809u);
  EXPECT_EQ(p.horizontal_alignment, 2);
  // The vertical alignment is stored before the word wrap.
  EXPECT_EQ(p.vertical_alignment, 0);
  EXPECT_EQ(p.word_wrap, 1);
  EXPECT_EQ(p.font, v.font);
  EXPECT_EQ(p.picture, v.picture);
  EXPECT_EQ(label_text_bytes(p), v.text);
  EXPECT_EQ(p.data_source, "src");
  EXPECT_EQ(p.data_column, "col");
  EXPECT_TRUE(p.trailing.empty());
}

TEST(LabelPropertyBlock, OnlyVersionTwoCarriesTheDataNames) {
  for (std::uint32_t version : {0u, 1u}) {
    BlockValues v;
    v.version = version;
    Bytes block = block_of(v);
    // What follows the text of an older block is not a data source name: it is ignored.
    ByteWriter extra;
    put_counted(extra, as_bytes(std::string("src")));
    block.insert(block.end(), extra.data().begin(), extra.data().end());
    auto r = read(block);
    ASSERT_TRUE(r.ok()) << "version " << version << ": " << r.error().what;
    EXPECT_EQ(r->version, version);
    EXPECT_EQ(label_text_bytes(*r), v.text);
    EXPECT_TRUE(r->data_source.empty());
    EXPECT_TRUE(r->data_column.empty());
  }
}

TEST(LabelPropertyBlock, VersionsAboveTwoAreRejected) {
  for (std::uint32_t version : {3u, 0x80000000u, 0xFFFFFFFFu}) {
    BlockValues v;
    v.version = version;
    EXPECT_FALSE(read(block_of(v)).ok()) << "version " << version;
  }
}

TEST(LabelPropertyBlock, EveryCutInsideTheFieldsIsRejected) {
  const Bytes whole = block_of(BlockValues{});
  for (std::size_t n = 1; n < whole.size(); ++n) {
    const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(n));
    EXPECT_FALSE(read(cut).ok()) << "cut after " << n << " of " << whole.size() << " bytes";
  }
}

TEST(LabelPropertyBlock, CountsPassingTheEndAreRejected) {
  // Each count in turn promises one byte more than the block has left, or the largest count.
  for (int which = 0; which < 5; ++which) {
    for (bool largest : {false, true}) {
      BlockValues v;
      Bytes block = block_of(v);
      // Offsets of the five counts.
      std::size_t at = 4 + 16 * 4;
      const std::size_t sizes[5] = {v.font.size(), v.picture.size(), v.text.size(),
                                    v.data_source.size(), v.data_column.size()};
      for (int i = 0; i < which; ++i) at += 4 + sizes[i];
      const std::uint32_t count =
          largest ? 0x7FFFFFFFu : static_cast<std::uint32_t>(block.size() - (at + 4) + 1);
      for (int b = 0; b < 4; ++b) block[at + b] = static_cast<std::uint8_t>(count >> (8 * b));
      EXPECT_FALSE(read(block).ok()) << "count " << which << " = " << count;
    }
  }
}

TEST(LabelPropertyBlock, CountsOfZeroOrLessHoldNothing) {
  ByteWriter w;
  w.u32(2);
  for (int i = 0; i < 16; ++i) w.i32(0);
  w.i32(-1);          // font data
  w.i32(-60);         // picture
  w.i32(0x80000000);  // text: the most negative count
  w.i32(0);           // data source name
  w.i32(-7);          // data column name
  auto r = read(w.take());
  ASSERT_TRUE(r.ok()) << r.error().what;
  EXPECT_TRUE(r->font.empty());
  EXPECT_TRUE(r->picture.empty());
  EXPECT_TRUE(label_text_bytes(*r).empty());
  EXPECT_TRUE(r->data_source.empty());
  EXPECT_TRUE(r->data_column.empty());
}

TEST(LabelPropertyBlock, BytesAfterTheLastFieldAreIgnored) {
  Bytes block = block_of(BlockValues{});
  const Bytes extra = {1, 2, 3};
  block.insert(block.end(), extra.begin(), extra.end());
  auto r = read(block);
  ASSERT_TRUE(r.ok()) << r.error().what;
  EXPECT_EQ(r->data_column, "col");
  // Kept only so that the block is written back as stored.
  EXPECT_EQ(layout::write_block(label_layout(), *r), block);
}

TEST(LabelPropertyBlock, ANulByteEndsTheText) {
  BlockValues v;
  v.text = std::string("\xB1\xEA\0\xC7\xA9", 5);
  auto r = read(block_of(v));
  ASSERT_TRUE(r.ok()) << r.error().what;
  EXPECT_EQ(label_text_bytes(*r), "\xB1\xEA");
  // The stored bytes themselves are kept whole.
  EXPECT_EQ(r->text.size(), 5u);
  EXPECT_EQ(r->data_source, "src");
}

}  // namespace
}  // namespace wufu
