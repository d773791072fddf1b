// The picture box's property block read from bytes laid out by hand in the stored order, so that
// the test does not lean on the layout it checks.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "pictures/picture_box_properties.h"
#include "window/byte_cursor.h"

namespace wufu {
namespace {

// Every field of a block, with values that differ from each other and from the defaults.
struct BlockValues {
  std::uint32_t version = 2;
  std::uint32_t border_style = 4;
  std::uint32_t background = 0x00336699;
  std::uint32_t display_mode = 2;
  std::uint32_t play_animation = 0;
  Bytes picture = {0xFF, 0xD8, 0xFF, 0xE0, 1, 2, 3, 4, 5};
  std::string data_source = "source";
  std::string data_column = "column";
};

Bytes block_of(const BlockValues& v) {
  ByteWriter w;
  w.u32(v.version);
  w.u32(v.border_style);
  w.u32(v.background);
  w.u32(v.display_mode);
  w.u32(v.play_animation);
  w.i32(static_cast<std::int32_t>(v.picture.size()));
  w.bytes(v.picture);
  if (v.version == 2) {
    w.u32(static_cast<std::uint32_t>(v.data_source.size()));
    w.bytes(as_bytes(v.data_source));
    w.u32(static_cast<std::uint32_t>(v.data_column.size()));
    w.bytes(as_bytes(v.data_column));
  }
  return w.take();
}

Result<PictureBoxProperties> read(const Bytes& block) {
  auto r = picture_box_codec.read(ByteSpan(block));
  if (!r) return r.error();
  return std::any_cast<PictureBoxProperties>(*r);
}

TEST(PictureBoxPropertyBlock, NoBlockGivesTheDefaults) {
  auto r = read({});
  ASSERT_TRUE(r.ok());
  const PictureBoxProperties& p = *r;
  EXPECT_EQ(p.version, 2u);
  EXPECT_EQ(p.border_style, 0u);
  EXPECT_EQ(p.background, unset_colour);
  EXPECT_EQ(p.display_mode, 0u);
  EXPECT_EQ(p.play_animation, 1u);
  EXPECT_TRUE(p.picture.empty());
  EXPECT_TRUE(p.data_source.empty());
  EXPECT_TRUE(p.data_column.empty());
}

TEST(PictureBoxPropertyBlock, EachVersionReadsItsFieldsInTheStoredOrder) {
  for (std::uint32_t version : {0u, 1u, 2u}) {
    SCOPED_TRACE("version " + std::to_string(version));
    BlockValues v;
    v.version = version;
    auto r = read(block_of(v));
    ASSERT_TRUE(r.ok()) << r.error().what;
    const PictureBoxProperties& p = *r;
    EXPECT_EQ(p.version, version);
    EXPECT_EQ(p.border_style, v.border_style);
    EXPECT_EQ(p.background, v.background);
    EXPECT_EQ(p.display_mode, v.display_mode);
    EXPECT_EQ(p.play_animation, v.play_animation);
    EXPECT_EQ(p.picture, v.picture);
    // The two names are stored only from version 2 on.
    EXPECT_EQ(p.data_source, version == 2 ? v.data_source : "");
    EXPECT_EQ(p.data_column, version == 2 ? v.data_column : "");
    EXPECT_TRUE(p.trailing.empty());
  }
}

TEST(PictureBoxPropertyBlock, BytesAfterTheLastFieldAreIgnored) {
  for (std::uint32_t version : {0u, 2u}) {
    SCOPED_TRACE("version " + std::to_string(version));
    BlockValues v;
    v.version = version;
    Bytes block = block_of(v);
    // In a version 0 block these would have been the two names' counts, had they been read.
    const Bytes extra = {9, 0, 0, 0, 'x', 'y'};
    block.insert(block.end(), extra.begin(), extra.end());
    auto r = read(block);
    ASSERT_TRUE(r.ok()) << r.error().what;
    EXPECT_EQ(r->picture, v.picture);
    EXPECT_EQ(r->data_source, version == 2 ? v.data_source : "");
    EXPECT_EQ(r->trailing, extra);
  }
}

TEST(PictureBoxPropertyBlock, APictureLengthOfZeroOrLessHoldsNoBytes) {
  for (std::int32_t length : {0, -1, -70000, INT32_MIN}) {
    SCOPED_TRACE("length " + std::to_string(length));
    ByteWriter w;
    for (std::uint32_t word : {2u, 0u, 0xFF000000u, 1u, 1u}) w.u32(word);
    w.i32(length);
    // The names follow the length word directly.
    w.u32(3);
    w.bytes(as_bytes("abc"));
    w.u32(0);
    auto r = read(w.take());
    ASSERT_TRUE(r.ok()) << r.error().what;
    EXPECT_TRUE(r->picture.empty());
    EXPECT_EQ(r->data_source, "abc");
    EXPECT_EQ(r->data_column, "");
  }
}

TEST(PictureBoxPropertyBlock, AVersionAboveTwoIsRejected) {
  for (std::uint32_t version : {3u, 4u, 0x80000000u, 0xFFFFFFFFu}) {
    BlockValues v;
    v.version = version;
    EXPECT_FALSE(read(block_of(v)).ok()) << "version " << version;
  }
}

TEST(PictureBoxPropertyBlock, ABlockThatEndsBeforeItsLastFieldIsRejected) {
  for (std::uint32_t version : {0u, 1u, 2u}) {
    BlockValues v;
    v.version = version;
    const Bytes whole = block_of(v);
    ASSERT_TRUE(read(whole).ok());
    // Every cut, from inside the version word to one byte short of the last field's end.
    for (std::size_t size = 1; size < whole.size(); ++size) {
      const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
      EXPECT_FALSE(read(cut).ok()) << "version " << version << " cut to " << size << " bytes";
    }
  }
}

TEST(PictureBoxPropertyBlock, ACountLargerThanTheBytesLeftIsRejected) {
  struct Case {
    const char* what;
    std::int32_t picture_length;
    std::size_t picture_bytes;   // bytes that follow the picture's length word
    std::uint32_t source_count;  // written with "abcd" after it when the picture is whole
  };
  const Case cases[] = {
      {"picture one byte longer than the block", 10, 9, 0},
      {"picture of the largest length", 0x7FFFFFFF, 9, 0},
      {"data source name of 4 GiB", 0, 0, 0xFFFFFFFF},
      {"data source name one byte longer than the block", 0, 0, 5},
  };
  for (const Case& c : cases) {
    ByteWriter w;
    for (std::uint32_t word : {2u, 0u, 0xFF000000u, 1u, 1u}) w.u32(word);
    w.i32(c.picture_length);
    w.bytes(Bytes(c.picture_bytes, 0xAA));
    if (c.picture_bytes == std::size_t(c.picture_length)) {
      w.u32(c.source_count);
      w.bytes(as_bytes("abcd"));
    }
    EXPECT_FALSE(read(w.take()).ok()) << c.what;
  }
}

}  // namespace
}  // namespace wufu
