// The source-form half of the property layouts (included by property_layout.h).
#pragma once

#include <cstdint>
#include <limits>
#include <string>

namespace wufu::layout {

namespace detail {

inline SourceEntries font_entries(const std::string& key, const LogFont& f) {
  auto k = [&](const char* sub) { return key + "." + sub; };
  SourceEntries e = {
      {k("height"), SourceValue::num(f.height)},
      {k("width"), SourceValue::num(f.width)},
      {k("escapement"), SourceValue::num(f.escapement)},
      {k("orientation"), SourceValue::num(f.orientation)},
      {k("weight"), SourceValue::num(f.weight)},
      {k("italic"), SourceValue::num(f.italic)},
      {k("underline"), SourceValue::num(f.underline)},
      {k("strike-out"), SourceValue::num(f.strike_out)},
      {k("character set"), SourceValue::num(f.char_set)},
      {k("output precision"), SourceValue::num(f.out_precision)},
      {k("clipping precision"), SourceValue::num(f.clip_precision)},
      {k("quality"), SourceValue::num(f.quality)},
      {k("pitch and family"), SourceValue::hex(f.pitch_and_family)},
      {k("face"), SourceValue::txt(f.face())},
  };
  Bytes leftovers = f.face_leftovers();
  bool any = false;
  for (auto b : leftovers) any = any || b != 0;
  if (any) e.push_back({k("face leftovers"), SourceValue::blob(std::move(leftovers))});
  return e;
}

// Source entries taken one key at a time, in order; what is not taken is an unknown key.
class EntryQueue {
 public:
  explicit EntryQueue(const SourceEntries& entries) : entries_(entries), taken_(entries.size()) {}

  const SourceValue* take(const std::string& key) {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
      if (!taken_[i] && entries_[i].first == key) {
        taken_[i] = true;
        return &entries_[i].second;
      }
    }
    return nullptr;
  }
  bool has(const std::string& key) const {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
      if (!taken_[i] && entries_[i].first == key) return true;
    }
    return false;
  }
  const std::string* first_untaken() const {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
      if (!taken_[i]) return &entries_[i].first;
    }
    return nullptr;
  }

 private:
  const SourceEntries& entries_;
  std::vector<bool> taken_;
};

inline ReadError field_error(const std::string& key, const std::string& why) {
  return ReadError{0, "field \"" + key + "\": " + why};
}

inline std::optional<ReadError> take_number(EntryQueue& q, const std::string& key, std::int64_t lo,
                                            std::int64_t hi, std::int64_t& out) {
  const SourceValue* v = q.take(key);
  if (!v) return field_error(key, "missing");
  if (v->form != SourceValue::Form::number && v->form != SourceValue::Form::hex_number) {
    return field_error(key, "a number is wanted here");
  }
  if (v->number < lo || v->number > hi) {
    return field_error(key, std::to_string(v->number) + " is out of range");
  }
  out = v->number;
  return std::nullopt;
}

inline std::optional<ReadError> take_text(EntryQueue& q, const std::string& key, std::string& out) {
  const SourceValue* v = q.take(key);
  if (!v) return field_error(key, "missing");
  if (v->form != SourceValue::Form::text) return field_error(key, "a quoted text is wanted here");
  out = v->text;
  return std::nullopt;
}

inline std::optional<ReadError> take_bytes(EntryQueue& q, const std::string& key, Bytes& out) {
  const SourceValue* v = q.take(key);
  if (!v) return field_error(key, "missing");
  if (v->form != SourceValue::Form::bytes) {
    return field_error(key, "bytes are wanted here (none, hex:... or file:...)");
  }
  out = v->bytes;
  return std::nullopt;
}

inline std::optional<ReadError> take_font(EntryQueue& q, const std::string& key, Bytes& out) {
  if (q.has(key)) return take_bytes(q, key, out);
  if (!q.has(key + ".height")) return field_error(key, "missing");
  LogFont f;
  std::int64_t n = 0;
  const std::int64_t i32_lo = std::numeric_limits<std::int32_t>::min();
  const std::int64_t i32_hi = std::numeric_limits<std::int32_t>::max();
  auto i32 = [&](const char* sub, std::int32_t& dst) -> std::optional<ReadError> {
    if (auto e = take_number(q, key + "." + sub, i32_lo, i32_hi, n)) return e;
    dst = static_cast<std::int32_t>(n);
    return std::nullopt;
  };
  auto u8 = [&](const char* sub, std::uint8_t& dst) -> std::optional<ReadError> {
    if (auto e = take_number(q, key + "." + sub, 0, 255, n)) return e;
    dst = static_cast<std::uint8_t>(n);
    return std::nullopt;
  };
  std::optional<ReadError> e;
  if ((e = i32("height", f.height)) || (e = i32("width", f.width)) ||
      (e = i32("escapement", f.escapement)) || (e = i32("orientation", f.orientation)) ||
      (e = i32("weight", f.weight)) || (e = u8("italic", f.italic)) ||
      (e = u8("underline", f.underline)) || (e = u8("strike-out", f.strike_out)) ||
      (e = u8("character set", f.char_set)) || (e = u8("output precision", f.out_precision)) ||
      (e = u8("clipping precision", f.clip_precision)) || (e = u8("quality", f.quality)) ||
      (e = u8("pitch and family", f.pitch_and_family))) {
    return e;
  }
  std::string face;
  if ((e = take_text(q, key + ".face", face))) return e;
  if (face.size() > 31) return field_error(key + ".face", "longer than 31 GBK bytes");
  Bytes leftovers;
  if (q.has(key + ".face leftovers")) {
    if ((e = take_bytes(q, key + ".face leftovers", leftovers))) return e;
    if (leftovers.size() != 31 - face.size()) {
      return field_error(
          key + ".face leftovers",
          "must hold the " + std::to_string(31 - face.size()) + " bytes after the face name's NUL");
    }
  }
  f.set_face(face, leftovers);
  out = write_font_description(f);
  return std::nullopt;
}

}  // namespace detail

template <class P>
SourceEntries to_source(const Layout<P>& layout, const P& p) {
  SourceEntries out;
  out.push_back({"format version", SourceValue::num(p.version)});
  for (const auto& field : layout.fields) {
    if (detail::since_of(field) > p.version) continue;
    std::visit(
        [&](const auto& f) {
          using F = std::decay_t<decltype(f)>;
          if constexpr (std::is_same_v<F, Word<P>>) {
            out.push_back(
                {f.key, f.hex ? SourceValue::hex(p.*f.member) : SourceValue::num(p.*f.member)});
          } else if constexpr (std::is_same_v<F, SignedWord<P>>) {
            out.push_back({f.key, SourceValue::num(p.*f.member)});
          } else if constexpr (std::is_same_v<F, Text<P>>) {
            out.push_back({f.key, SourceValue::txt(p.*f.member)});
          } else if constexpr (std::is_same_v<F, Blob<P>>) {
            const Bytes& b = p.*f.member;
            auto font = f.form == BlobForm::font ? parse_font_description(b) : std::nullopt;
            if (font) {
              for (auto& e : detail::font_entries(f.key, *font)) out.push_back(std::move(e));
            } else {
              out.push_back({f.key, SourceValue::blob(b, f.form == BlobForm::file ? f.key : "")});
            }
          } else {
            const auto& list = p.*f.member;
            out.push_back({std::string(f.key) + " count",
                           SourceValue::num(static_cast<std::int64_t>(list.size()))});
            for (const auto& t : list) out.push_back({f.key, SourceValue::txt(t)});
          }
        },
        field);
  }
  if (!p.trailing.empty()) out.push_back({"trailing bytes", SourceValue::blob(p.trailing)});
  return out;
}

template <class P>
Result<P> from_source(const Layout<P>& layout, const SourceEntries& entries) {
  detail::EntryQueue q(entries);
  std::int64_t n = 0;
  if (auto e = detail::take_number(q, "format version", 0, layout.max_version, n)) return *e;
  P p = layout.absent;
  p.version = static_cast<std::uint32_t>(n);
  for (const auto& field : layout.fields) {
    if (detail::since_of(field) > p.version) continue;
    std::optional<ReadError> error = std::visit(
        [&](const auto& f) -> std::optional<ReadError> {
          using F = std::decay_t<decltype(f)>;
          if constexpr (std::is_same_v<F, Word<P>>) {
            auto e = detail::take_number(q, f.key, 0, std::numeric_limits<std::uint32_t>::max(), n);
            if (!e) p.*f.member = static_cast<std::uint32_t>(n);
            return e;
          } else if constexpr (std::is_same_v<F, SignedWord<P>>) {
            auto e = detail::take_number(q, f.key, std::numeric_limits<std::int32_t>::min(),
                                         std::numeric_limits<std::int32_t>::max(), n);
            if (!e) p.*f.member = static_cast<std::int32_t>(n);
            return e;
          } else if constexpr (std::is_same_v<F, Text<P>>) {
            return detail::take_text(q, f.key, p.*f.member);
          } else if constexpr (std::is_same_v<F, Blob<P>>) {
            if (f.form == BlobForm::font) return detail::take_font(q, f.key, p.*f.member);
            return detail::take_bytes(q, f.key, p.*f.member);
          } else {
            const std::string count_key = std::string(f.key) + " count";
            if (auto e = detail::take_number(q, count_key, 0, 0xFFFFFF, n)) return e;
            auto& list = p.*f.member;
            list.assign(static_cast<std::size_t>(n), {});
            for (auto& t : list) {
              if (!q.has(f.key)) {
                return detail::field_error(
                    f.key, "fewer entries than its count of " + std::to_string(list.size()));
              }
              if (auto e = detail::take_text(q, f.key, t)) return e;
            }
            return std::nullopt;
          }
        },
        field);
    if (error) return *error;
  }
  if (q.has("trailing bytes")) {
    if (auto e = detail::take_bytes(q, "trailing bytes", p.trailing)) return *e;
  }
  if (const std::string* key = q.first_untaken()) {
    return detail::field_error(
        *key, "not a field of this kind at format version " + std::to_string(p.version));
  }
  return p;
}

}  // namespace wufu::layout
