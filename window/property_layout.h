// A property block's layout, written once per kind: the fields in stored order, each with its
// width and the format version from which it is stored. One generic reader and one generic writer
// walk it, and so do the conversions to and from the readable source form, so that reading,
// writing, defaults and version rules cannot drift apart.
//
// A property struct P holds `std::uint32_t version` and `Bytes trailing` (bytes after the last
// field: ignored by the program, kept so that a block is written back as stored) besides the
// members that its fields name.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "window/byte_cursor.h"
#include "window/font_description.h"
#include "window/result.h"
#include "window/source_value.h"

namespace wufu::layout {

// How a byte count is stored: u32, checked against the bytes left; or i32, where a count of 0 or
// less stands for no bytes.
enum class Count { u32, i32 };
// How a blob reads in the source form: inline, as a file beside the source, or as a font.
enum class BlobForm { plain, file, font };

template <class P>
struct Word {
  const char* key;
  std::uint32_t P::*member;
  std::uint32_t since = 0;
  bool hex = false;  // colours and similar values read better in hex
};
template <class P>
struct SignedWord {
  const char* key;
  std::int32_t P::*member;
  std::uint32_t since = 0;
};
template <class P>
struct Text {
  const char* key;
  std::string P::*member;  // the stored GBK bytes
  std::uint32_t since = 0;
  Count count = Count::u32;
};
template <class P>
struct Blob {
  const char* key;
  Bytes P::*member;
  std::uint32_t since = 0;
  Count count = Count::u32;
  BlobForm form = BlobForm::plain;
};
// A u16 count, 0xFFFF escaping to a u32 count, then that many texts.
template <class P>
struct TextList {
  const char* key;
  std::vector<std::string> P::*member;
  std::uint32_t since = 0;
};

template <class P>
using Field = std::variant<Word<P>, SignedWord<P>, Text<P>, Blob<P>, TextList<P>>;

template <class P>
struct Layout {
  std::uint32_t max_version;
  std::vector<Field<P>> fields;  // after the format version
  P defaults;                    // what an empty block gives
  P absent;                      // values of the fields that an older version does not store
};

namespace detail {

template <class F>
std::uint32_t since_of(const F& f) {
  return std::visit([](const auto& x) { return x.since; }, f);
}
template <class F>
const char* key_of(const F& f) {
  return std::visit([](const auto& x) { return x.key; }, f);
}

inline std::optional<ByteSpan> read_counted(ByteCursor& c, Count count, const char* key) {
  return count == Count::u32 ? c.counted(key) : c.signed_counted(key);
}

template <class P>
bool read_field(ByteCursor& c, P& p, const Field<P>& field) {
  return std::visit(
      [&](const auto& f) -> bool {
        using F = std::decay_t<decltype(f)>;
        if constexpr (std::is_same_v<F, Word<P>>) {
          auto v = c.u32(f.key);
          if (v) p.*f.member = *v;
          return v.has_value();
        } else if constexpr (std::is_same_v<F, SignedWord<P>>) {
          auto v = c.i32(f.key);
          if (v) p.*f.member = *v;
          return v.has_value();
        } else if constexpr (std::is_same_v<F, Text<P>>) {
          auto b = read_counted(c, f.count, f.key);
          if (b) p.*f.member = as_string(*b);
          return b.has_value();
        } else if constexpr (std::is_same_v<F, Blob<P>>) {
          auto b = read_counted(c, f.count, f.key);
          if (b) (p.*f.member).assign(b->begin(), b->end());
          return b.has_value();
        } else {
          auto n16 = c.u16(f.key);
          if (!n16) return false;
          std::uint32_t n = *n16;
          if (n == 0xFFFF) {
            auto n32 = c.u32(f.key);
            if (!n32) return false;
            n = *n32;
          }
          // Each text takes at least its four count bytes.
          if (n > c.left() / 4) {
            c.reject(f.key,
                     "its count of " + std::to_string(n) + " promises more than the bytes hold");
            return false;
          }
          auto& list = p.*f.member;
          list.clear();
          list.reserve(n);
          for (std::uint32_t i = 0; i < n; ++i) {
            auto b = c.counted(f.key);
            if (!b) return false;
            list.push_back(as_string(*b));
          }
          return true;
        }
      },
      field);
}

template <class P>
void write_field(ByteWriter& w, const P& p, const Field<P>& field) {
  std::visit(
      [&](const auto& f) {
        using F = std::decay_t<decltype(f)>;
        if constexpr (std::is_same_v<F, Word<P>>) {
          w.u32(p.*f.member);
        } else if constexpr (std::is_same_v<F, SignedWord<P>>) {
          w.i32(p.*f.member);
        } else if constexpr (std::is_same_v<F, Text<P>>) {
          w.counted(as_bytes(p.*f.member));
        } else if constexpr (std::is_same_v<F, Blob<P>>) {
          w.counted(p.*f.member);
        } else {
          const auto& list = p.*f.member;
          if (list.size() < 0xFFFF) {
            w.u16(static_cast<std::uint16_t>(list.size()));
          } else {
            w.u16(0xFFFF);
            w.u32(static_cast<std::uint32_t>(list.size()));
          }
          for (const auto& t : list) w.counted(as_bytes(t));
        }
      },
      field);
}

}  // namespace detail

// Reads a property block. An empty block gives the defaults; a version above the layout's highest,
// a block that ends inside a field, or a count larger than the bytes left rejects it.
template <class P>
Result<P> read_block(const Layout<P>& layout, ByteSpan block) {
  if (block.empty()) return layout.defaults;
  ByteCursor c(block);
  auto version = c.u32("format version");
  if (!version) return c.error();
  if (*version > layout.max_version) {
    return ReadError{0, "format version: " + std::to_string(*version) + " is above " +
                            std::to_string(layout.max_version)};
  }
  P p = layout.absent;
  p.version = *version;
  for (const auto& field : layout.fields) {
    if (detail::since_of(field) > *version) continue;
    if (!detail::read_field(c, p, field)) return c.error();
  }
  ByteSpan rest = c.rest();
  p.trailing.assign(rest.begin(), rest.end());
  return p;
}

// Writes a property block in its version's form; the inverse of read_block for a non-empty block.
template <class P>
Bytes write_block(const Layout<P>& layout, const P& p) {
  ByteWriter w;
  w.u32(p.version);
  for (const auto& field : layout.fields) {
    if (detail::since_of(field) > p.version) continue;
    detail::write_field(w, p, field);
  }
  w.bytes(p.trailing);
  return w.take();
}

// The block's fields as source entries, in stored order.
template <class P>
SourceEntries to_source(const Layout<P>& layout, const P& p);

// Builds the property struct from source entries; names the key that fails.
template <class P>
Result<P> from_source(const Layout<P>& layout, const SourceEntries& entries);

}  // namespace wufu::layout

#include "window/property_layout_source.h"
