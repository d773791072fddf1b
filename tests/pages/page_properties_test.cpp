// The property blocks of the tab control and the group box: the fields each format version
// holds, the defaults of an empty block, the caption count and its escape, and the blocks that
// are rejected.
#include <gtest/gtest.h>

#include "pages/group_box_properties.h"
#include "pages/tab_control_properties.h"
#include "window/byte_cursor.h"

namespace wufu {
namespace {

Result<TabControlProperties> read_tabs(const Bytes& block) {
  return layout::read_block(tab_control_layout(), block);
}
Result<GroupBoxProperties> read_group(const Bytes& block) {
  return layout::read_block(group_box_layout(), block);
}

// A tab control block of `version` with the fields that version stores, then font data and
// captions as given.
Bytes tab_block(std::uint32_t version, const std::vector<std::string>& captions,
                const Bytes& font = {}) {
  ByteWriter w;
  w.u32(version);
  w.u32(1);                             // tab position: bottom
  w.u32(1);                             // multi-line
  w.i32(-2);                            // initial page
  if (version >= 2) w.u32(1);           // header hidden
  if (version >= 3) w.u32(0);           // background filled
  if (version >= 3) w.u32(0x00123456);  // background colour
  w.counted(font);
  w.u16(static_cast<std::uint16_t>(captions.size()));
  for (const auto& c : captions) w.counted(as_bytes(c));
  return w.take();
}

TEST(TabControlBlock, EmptyBlockGivesTheDefaultsWithOneEmptyCaption) {
  auto p = read_tabs({});
  ASSERT_TRUE(p) << p.error().what;
  EXPECT_EQ(p->tab_position, 0u);
  EXPECT_EQ(p->multi_line, 0u);
  EXPECT_EQ(p->initial_page, 0);
  EXPECT_EQ(p->header_hidden, 0u);
  EXPECT_EQ(p->background_filled, 1u);
  EXPECT_EQ(p->background, unset_colour);
  EXPECT_TRUE(p->font.empty());
  EXPECT_EQ(p->captions, std::vector<std::string>{""});
}

TEST(TabControlBlock, EachVersionReadsItsFieldsAndLeavesTheOthersAsAbsent) {
  struct Case {
    std::uint32_t version;
    std::uint32_t header_hidden, filled;
    ColourValue colour;
  } cases[] = {{0, 0, 0, unset_colour},
               {1, 0, 0, unset_colour},
               {2, 1, 0, unset_colour},
               {3, 1, 0, 0x00123456}};
  for (const Case& t : cases) {
    auto p = read_tabs(tab_block(t.version, {"AB", "", "C"}));
    ASSERT_TRUE(p) << t.version << ": " << p.error().what;
    EXPECT_EQ(p->version, t.version);
    EXPECT_EQ(p->tab_position, 1u);
    EXPECT_EQ(p->multi_line, 1u);
    EXPECT_EQ(p->initial_page, -2);
    EXPECT_EQ(p->header_hidden, t.header_hidden) << t.version;
    EXPECT_EQ(p->background_filled, t.filled) << t.version;
    EXPECT_EQ(p->background, t.colour) << t.version;
    EXPECT_EQ(p->captions, (std::vector<std::string>{"AB", "", "C"}));
    EXPECT_TRUE(p->trailing.empty());
  }
}

TEST(TabControlBlock, CaptionsAreGbkAndFontDataIsKept) {
  const std::string caption = "\xCE\xE5\xB8\xA3\xBC\xF2\xBD\xE9";  // 五福简介
  const Bytes font(60, 0x41);
  auto p = read_tabs(tab_block(3, {caption}, font));
  ASSERT_TRUE(p) << p.error().what;
  EXPECT_EQ(p->captions, std::vector<std::string>{caption});
  EXPECT_EQ(p->font, font);
}

TEST(TabControlBlock, CountEscapeFollowsWithAU32Count) {
  ByteWriter w;
  w.u32(0);
  w.u32(0);
  w.u32(0);
  w.i32(0);
  w.counted({});
  w.u16(0xFFFF);
  w.u32(2);
  w.counted(as_bytes("x"));
  w.counted(as_bytes("yz"));
  auto p = read_tabs(w.take());
  ASSERT_TRUE(p) << p.error().what;
  EXPECT_EQ(p->captions, (std::vector<std::string>{"x", "yz"}));
}

TEST(TabControlBlock, ZeroCaptions) {
  auto p = read_tabs(tab_block(3, {}));
  ASSERT_TRUE(p) << p.error().what;
  EXPECT_TRUE(p->captions.empty());
}

TEST(TabControlBlock, Rejections) {
  const Bytes good = tab_block(3, {"AB", "C"});
  std::vector<std::pair<std::string, Bytes>> cases;
  cases.push_back({"version 4", tab_block(4, {"AB"})});
  cases.push_back({"version 0xFFFFFFFF", tab_block(0xFFFFFFFF, {"AB"})});
  // Every cut inside the block ends inside a field.
  for (std::size_t cut = 1; cut < good.size(); ++cut) {
    cases.push_back({"cut at " + std::to_string(cut), Bytes(good.begin(), good.begin() + cut)});
  }
  {
    ByteWriter w;  // a count far beyond what the bytes hold
    w.u32(3);
    for (int i = 0; i < 6; ++i) w.u32(0);
    w.counted({});
    w.u16(0xFFFF);
    w.u32(0xFFFFFFF0);
    w.counted(as_bytes("x"));
    cases.push_back({"escaped count beyond the bytes", w.take()});
  }
  {
    ByteWriter w;
    w.u32(3);
    for (int i = 0; i < 6; ++i) w.u32(0);
    w.counted({});
    w.u16(3);
    w.counted(as_bytes("x"));
    w.counted(as_bytes("y"));
    cases.push_back({"two of three captions", w.take()});
  }
  {
    ByteWriter w;
    w.u32(3);
    for (int i = 0; i < 6; ++i) w.u32(0);
    w.u32(1000);  // font data longer than the block
    cases.push_back({"font count beyond the bytes", w.take()});
  }
  for (const auto& [name, block] : cases) {
    EXPECT_FALSE(read_tabs(block)) << name;
  }
}

Bytes group_block(std::uint32_t version, const std::string& caption, const Bytes& font = {}) {
  ByteWriter w;
  w.u32(version);
  w.u32(2);           // right
  w.u32(0x000000FF);  // red text
  w.u32(0x00FFFFFF);  // white background
  w.counted(font);
  w.counted(as_bytes(caption));
  return w.take();
}

TEST(GroupBoxBlock, EmptyBlockGivesTheDefaults) {
  auto p = read_group({});
  ASSERT_TRUE(p) << p.error().what;
  EXPECT_EQ(p->caption_alignment, 0u);
  EXPECT_EQ(p->text_colour, 0x000000u);
  EXPECT_EQ(p->background, unset_colour);
  EXPECT_TRUE(p->font.empty());
  EXPECT_TRUE(p->caption.empty());
}

TEST(GroupBoxBlock, VersionsZeroAndOneReadEveryField) {
  const std::string caption = "\xB0\xE6\xC8\xA8\xC9\xF9\xC3\xF7\xA3\xBA";  // 版权声明：
  for (std::uint32_t version : {0u, 1u}) {
    auto p = read_group(group_block(version, caption, Bytes(60, 7)));
    ASSERT_TRUE(p) << version << ": " << p.error().what;
    EXPECT_EQ(p->caption_alignment, 2u);
    EXPECT_EQ(p->text_colour, 0x000000FFu);
    EXPECT_EQ(p->background, 0x00FFFFFFu);
    EXPECT_EQ(p->font, Bytes(60, 7));
    EXPECT_EQ(p->caption, caption);
  }
  // The stored block of 分组框1 is 34 bytes.
  EXPECT_EQ(group_block(1, caption).size(), 34u);
}

TEST(GroupBoxBlock, Rejections) {
  const Bytes good = group_block(1, "abc");
  std::vector<std::pair<std::string, Bytes>> cases;
  cases.push_back({"version 2", group_block(2, "abc")});
  for (std::size_t cut = 1; cut < good.size(); ++cut) {
    cases.push_back({"cut at " + std::to_string(cut), Bytes(good.begin(), good.begin() + cut)});
  }
  Bytes long_caption = group_block(1, "abc");
  long_caption[long_caption.size() - 7] = 0xFF;  // caption count low byte: 255 bytes promised
  cases.push_back({"caption count beyond the bytes", long_caption});
  for (const auto& [name, block] : cases) {
    EXPECT_FALSE(read_group(block)) << name;
  }
}

}  // namespace
}  // namespace wufu
