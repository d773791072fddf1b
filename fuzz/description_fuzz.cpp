// Fuzzes the description reader with every kind's property reader behind it, and the readable
// source form: whatever block reads must come back byte for byte through print and parse.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "app/kinds.h"
#include "tools/describe/source_form.h"
#include "window/description.h"
#include "window/font_description.h"

using namespace wufu;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ByteSpan bytes(data, size);
  auto description = read_description(bytes);
  if (!description) return 0;
  if (write_description(*description) != Bytes(bytes.begin(), bytes.end())) std::abort();

  for (const auto& window : description->windows) {
    for (const auto& record : window.records) {
      (void)record.common.pointer_number();
      const Kind* kind = find_kind(program_kinds(), record.common.kind_code());
      if (kind == nullptr) continue;
      auto properties = kind->codec.read(record.property_block);
      if (!properties) continue;
      // What reads writes back in its own version's form and reads again the same.
      const Bytes written = kind->codec.write(*properties);
      auto again = kind->codec.read(written);
      if (!again || kind->codec.write(*again) != written) std::abort();
      auto from_source = kind->codec.from_source(kind->codec.to_source(*properties));
      if (!from_source || kind->codec.write(*from_source) != written) std::abort();
    }
  }

  auto text = source::print(*description, program_kinds(), {}, {});
  if (!text) std::abort();
  auto parsed = source::parse(*text, program_kinds(), {});
  if (!parsed || write_description(*parsed) != Bytes(bytes.begin(), bytes.end())) std::abort();
  return 0;
}
