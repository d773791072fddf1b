// The description's readable source form: lossless both ways, and errors that name the record
// and the field.
#include <gtest/gtest.h>
#include <QApplication>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/kinds.h"
#include "tests/support/window_fixture.h"
#include "texts/label_properties.h"
#include "tools/describe/source_form.h"
#include "window/gbk.h"

namespace wufu {
namespace {

namespace fs = std::filesystem;

std::string read_text(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

fs::path fresh_dir(const char* name) {
  const fs::path dir = fs::temp_directory_path() / name;
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

const fs::path assets = WUFU_ASSETS_DIR;

TEST(SourceForm, SourceToBlockToSourceIsByteForByte) {
  const std::string text = read_text(assets / "window.wufu");
  auto d = source::parse(text, program_kinds(), assets);
  ASSERT_TRUE(d) << d.error().what;
  const Bytes block = write_description(*d);
  auto back = read_description(block);
  ASSERT_TRUE(back) << back.error().what;
  const fs::path dir = fresh_dir("wufu-source-round-trip");
  auto printed = source::print(*back, program_kinds(), dir, dir / "pictures");
  ASSERT_TRUE(printed) << printed.error().what;
  EXPECT_EQ(*printed, text);
  for (const auto& entry : fs::directory_iterator(assets / "pictures")) {
    EXPECT_EQ(read_text(entry.path()), read_text(dir / "pictures" / entry.path().filename()))
        << entry.path().filename();
  }
}

TEST(SourceForm, BlockToSourceToBlockIsByteForByte) {
  const Bytes block = testing::stored_block();
  ASSERT_FALSE(block.empty());
  auto d = read_description(block);
  ASSERT_TRUE(d);
  const fs::path dir = fresh_dir("wufu-block-round-trip");
  auto printed = source::print(*d, program_kinds(), dir, dir / "pictures");
  ASSERT_TRUE(printed);
  auto parsed = source::parse(*printed, program_kinds(), dir);
  ASSERT_TRUE(parsed) << parsed.error().what;
  EXPECT_EQ(write_description(*parsed), block);
}

TEST(SourceForm, AnyReadableBlockSurvivesEvenWhereItsKindCannotSayIt) {
  // A label block with a negative count, bytes after its last field, a text that is no GBK, and
  // a record of an unknown kind: kept whole where the fields would not give the bytes back.
  LabelProperties p;
  p.text = "\x81\x30";  // not a whole GBK character
  p.trailing = {1, 2, 3};
  Bytes label = layout::write_block(label_layout(), p);
  Bytes negative = label;
  negative[4 + 16 * 4] = 0xFF;  // font data count 0 becomes -1 ... the block still reads
  negative[4 + 16 * 4 + 1] = 0xFF;
  negative[4 + 16 * 4 + 2] = 0xFF;
  negative[4 + 16 * 4 + 3] = 0xFF;
  auto d = testing::one_window({
      testing::window_record(),
      testing::make_record(0x16010002, label_kind_code, "a", 0, 0, 0, 10, 10, {}, label),
      testing::make_record(0x16010003, label_kind_code, "b", 0, 0, 0, 10, 10, {}, negative),
      testing::make_record(0x16010004, 77, "c", 0, 0, 0, 10, 10, {}, {9, 9}),
  });
  d.trailing = {0xEE};
  const Bytes block = write_description(d);
  auto read = read_description(block);
  ASSERT_TRUE(read);
  auto printed = source::print(*read, program_kinds(), {}, {});
  ASSERT_TRUE(printed);
  EXPECT_NE(printed->find("properties = hex:"), std::string::npos);
  auto parsed = source::parse(*printed, program_kinds(), {});
  ASSERT_TRUE(parsed) << parsed.error().what;
  EXPECT_EQ(write_description(*parsed), block);
}

struct BadSource {
  const char* what;
  const char* change_from;
  const char* change_to;
  const char* message_has;
};

class SourceErrors : public ::testing::TestWithParam<BadSource> {};

TEST_P(SourceErrors, NameTheRecordAndTheField) {
  std::string text = read_text(assets / "window.wufu");
  const auto at = text.find(GetParam().change_from);
  ASSERT_NE(at, std::string::npos);
  text.replace(at, std::strlen(GetParam().change_from), GetParam().change_to);
  auto d = source::parse(text, program_kinds(), assets);
  ASSERT_FALSE(d) << GetParam().what;
  EXPECT_NE(d.error().what.find(GetParam().message_has), std::string::npos) << d.error().what;
  EXPECT_EQ(d.error().what.rfind("line ", 0), 0u) << d.error().what;
}

INSTANTIATE_TEST_SUITE_P(
    Damage, SourceErrors,
    ::testing::Values(
        BadSource{"version", "    format version = 1\n", "    format version = 2\n",
                  "record 5 (分组框1), field \"format version\""},
        BadSource{"unknown key", "    caption alignment = 0\n",
                  "    caption alignment = 0\n    colour = 1\n", "field \"colour\": not a field"},
        BadSource{"missing key", "    display mode = 2\n", "",
                  "record 10 (图片框6), field \"display mode\": missing"},
        BadSource{"bad number", "  left = 472\n", "  left = 4x2\n",
                  "record 1 (图片框8), field \"left\""},
        BadSource{"missing file", "file:pictures/图片框3.jpg", "file:pictures/none.jpg",
                  "cannot read"},
        BadSource{"unknown kind", "  kind = 分组框\n", "  kind = 按钮\n", "no kind named 按钮"},
        BadSource{"caption count", "    caption count = 9\n", "    caption count = 10\n",
                  "record 20 (选择夹1), field \"caption\""}),
    [](const ::testing::TestParamInfo<BadSource>& info) {
      std::string name = info.param.what;
      for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      }
      return name;
    });

}  // namespace
}  // namespace wufu
