#include "tools/describe/source_form.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <limits>
#include <map>
#include <optional>
#include <set>
#include <sstream>

#include "pictures/picture_kind.h"
#include "window/gbk.h"

namespace wufu::source {

namespace fs = std::filesystem;

namespace {

// ---------------------------------------------------------------- printing

std::string hex32(std::uint64_t v) {
  char buf[24];
  std::snprintf(buf, sizeof buf, "0x%08llX", static_cast<unsigned long long>(v));
  return buf;
}

std::string hex_bytes(ByteSpan b) {
  static const char* digits = "0123456789ABCDEF";
  std::string s;
  s.reserve(b.size() * 2);
  for (auto byte : b) {
    s += digits[byte >> 4];
    s += digits[byte & 15];
  }
  return s;
}

bool all_zero(ByteSpan b) {
  return std::all_of(b.begin(), b.end(), [](std::uint8_t x) { return x == 0; });
}

void escape_into(std::string& out, unsigned char c) {
  switch (c) {
    case '\\':
      out += "\\\\";
      break;
    case '"':
      out += "\\\"";
      break;
    case '\r':
      out += "\\r";
      break;
    case '\n':
      out += "\\n";
      break;
    case '\t':
      out += "\\t";
      break;
    default:
      if (c < 0x20 || c == 0x7F) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "\\x%02X", c);
        out += buf;
      } else {
        out += static_cast<char>(c);
      }
  }
}

// A GBK text as a quoted UTF-8 text; bytes that do not convert exactly are written as \xHH.
std::string quote(const std::string& gbk) {
  std::string out = "\"";
  if (auto utf8 = gbk_to_utf8(gbk)) {
    for (unsigned char c : *utf8) escape_into(out, c);
  } else {
    for (unsigned char c : gbk) {
      if (c >= 0x80) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "\\x%02X", c);
        out += buf;
      } else {
        escape_into(out, c);
      }
    }
  }
  return out + "\"";
}

// A text of several CR LF separated lines without other control characters is written one line
// of the source per line of the text.
std::optional<std::vector<std::string>> as_lines(const std::string& gbk) {
  if (gbk.find("\r\n") == std::string::npos) return std::nullopt;
  auto utf8 = gbk_to_utf8(gbk);
  if (!utf8) return std::nullopt;
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (true) {
    std::size_t end = utf8->find("\r\n", start);
    std::string line =
        utf8->substr(start, end == std::string::npos ? std::string::npos : end - start);
    for (unsigned char c : line) {
      if (c < 0x20 || c == 0x7F) return std::nullopt;
    }
    lines.push_back(std::move(line));
    if (end == std::string::npos) break;
    start = end + 2;
  }
  return lines;
}

const char* extension_for(ByteSpan b) {
  switch (pictures::recognise_picture(b)) {
    case pictures::PictureKind::bmp:
      return ".bmp";
    case pictures::PictureKind::jpeg:
      return ".jpg";
    case pictures::PictureKind::png:
      return ".png";
    case pictures::PictureKind::icon:
      return ".ico";
    case pictures::PictureKind::cursor:
      return ".cur";
    case pictures::PictureKind::gif:
      return ".gif";
    case pictures::PictureKind::pcx8:
    case pictures::PictureKind::pcx1:
      return ".pcx";
    default:
      return ".bin";
  }
}

class Printer {
 public:
  Printer(KindRegistry kinds, fs::path source_dir, fs::path files_dir)
      : kinds_(kinds), source_dir_(std::move(source_dir)), files_dir_(std::move(files_dir)) {}

  Result<std::string> print(const WindowDescription& d) {
    out_ << "# The window description of wufu, in its source form; tools/describe builds the\n"
            "# stored block from it.\n";
    out_ << "description\n";
    if (!d.trailing.empty()) line(2, "trailing bytes", blob(d.trailing, {}));
    for (const auto& w : d.windows) {
      out_ << "\nwindow " << hex32(w.id) << "\n";
      line(2, "slot", hex32(w.slot));
      line(2, "reserved word 1", hex32(w.reserved_word_1));
      line(2, "reserved word 2", hex32(w.reserved_word_2));
      line(2, "reserved text 1", quote(w.reserved_text_1));
      line(2, "reserved text 2", quote(w.reserved_text_2));
      if (w.stored_table) {
        out_ << "  # The records below are not laid out back to back; the table is kept whole.\n";
        line(2, "record table", blob(*w.stored_table, {}));
      }
      for (const auto& r : w.records) record(r);
    }
    if (!error_.empty()) return ReadError{0, error_};
    return out_.str();
  }

 private:
  void line(int indent, const std::string& key, const std::string& value) {
    out_ << std::string(indent, ' ') << key << " = " << value << "\n";
  }

  std::string blob(const Bytes& b, const std::string& file_stem) {
    if (b.empty()) return "none";
    if (file_stem.empty() || files_dir_.empty()) return "hex:" + hex_bytes(b);
    std::string name = file_stem + extension_for(b);
    for (int n = 2; used_.count(name) != 0; ++n) {
      name = file_stem + "-" + std::to_string(n) + extension_for(b);
    }
    used_.insert(name);
    std::error_code ec;
    fs::create_directories(files_dir_, ec);
    const fs::path path = files_dir_ / fs::u8path(name);
    std::ofstream f(path, std::ios::binary);
    f.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
    if (!f) error_ = "cannot write " + path.string();
    return "file:" + fs::relative(path, source_dir_).generic_string();
  }

  // The stem of a file written for a record's blob: the record's name, with the field's key
  // unless the field is the record's picture.
  std::string file_stem(const Record& r, const std::string& key) {
    std::string base;
    if (auto utf8 = gbk_to_utf8(r.common.name);
        utf8 && !utf8->empty() && utf8->find_first_of("/\\.") == std::string::npos) {
      base = *utf8;
    }
    std::string k = key;
    std::replace(k.begin(), k.end(), ' ', '-');
    if (base.empty()) return k;
    return key == "picture" ? base : base + "-" + k;
  }

  void text_line(int indent, const std::string& key, const std::string& gbk) {
    if (auto lines = as_lines(gbk)) {
      out_ << std::string(indent, ' ') << key << " =\n";
      for (const auto& l : *lines) {
        out_ << std::string(indent + 2, ' ') << (l.empty() ? "|" : "| " + l) << "\n";
      }
    } else {
      line(indent, key, quote(gbk));
    }
  }

  // A record's lines; a file that cannot be written is kept in error_.
  void record(const Record& r) {
    const CommonFields& f = r.common;
    out_ << "\nrecord " << hex32(r.id) << "\n";
    const Kind* kind = f.library() == 1 ? find_kind(kinds_, f.kind_code()) : nullptr;
    line(2, "kind", kind != nullptr ? std::string(kind->name) : hex32(f.kind));
    if (f.event_source != 0) line(2, "event source", hex32(f.event_source));
    if (!all_zero(f.reserved_16)) line(2, "reserved 16", "hex:" + hex_bytes(f.reserved_16));
    text_line(2, "name", f.name);
    if (!f.comment.empty()) text_line(2, "comment", f.comment);
    if (f.control_slot != 0) line(2, "control slot", hex32(f.control_slot));
    line(2, "left", std::to_string(f.left));
    line(2, "top", std::to_string(f.top));
    line(2, "width", std::to_string(f.width));
    line(2, "height", std::to_string(f.height));
    if (f.pointer_slot != 0) line(2, "pointer slot", hex32(f.pointer_slot));
    line(2, "parent", hex32(f.parent));
    std::string children;
    for (ControlId c : f.children)
      children += (children.empty() ? "" : " ") + (c == 0 ? "0" : hex32(c));
    line(2, "children", children.empty() ? "none" : children);
    line(2, "pointer data", blob(f.pointer_data, {}));
    if (!f.tag.empty()) text_line(2, "tag", f.tag);
    if (f.reserved_word != 0) line(2, "reserved word", hex32(f.reserved_word));
    line(2, "state", std::to_string(f.state));
    if (f.tab_order != 0) line(2, "tab order", std::to_string(f.tab_order));
    if (!f.events.empty()) {
      std::string events;
      for (const auto& e : f.events) {
        events += (events.empty() ? "" : " ") + std::to_string(e.event) + ":" + hex32(e.handler);
      }
      line(2, "events", events);
    }
    if (!all_zero(f.reserved_20)) line(2, "reserved 20", "hex:" + hex_bytes(f.reserved_20));
    if (r.property_block.empty()) return;

    // The property block in fields when its kind gives back exactly the stored bytes, else whole.
    if (kind != nullptr) {
      auto properties = kind->codec.read(r.property_block);
      if (properties && kind->codec.write(*properties) == r.property_block) {
        out_ << "  properties\n";
        for (const auto& [key, v] : kind->codec.to_source(*properties)) {
          switch (v.form) {
            case SourceValue::Form::number:
              line(4, key, std::to_string(v.number));
              break;
            case SourceValue::Form::hex_number:
              line(4, key, hex32(static_cast<std::uint64_t>(v.number)));
              break;
            case SourceValue::Form::text:
              text_line(4, key, v.text);
              break;
            case SourceValue::Form::bytes:
              line(4, key, blob(v.bytes, v.file_hint.empty() ? "" : file_stem(r, v.file_hint)));
              break;
          }
        }
        return;
      }
    }
    line(2, "properties", "hex:" + hex_bytes(r.property_block));
  }

  KindRegistry kinds_;
  fs::path source_dir_;
  fs::path files_dir_;
  std::ostringstream out_;
  std::set<std::string> used_;
  std::string error_;
};

// ---------------------------------------------------------------- parsing

struct Value {
  enum class Form { number, text, bytes, word } form = Form::word;
  std::int64_t number = 0;
  bool hex = false;
  std::string text;  // GBK
  Bytes bytes;
  std::string word;  // the raw value, for lists and kind names
};

struct Line {
  int number = 0;
  int indent = 0;
  std::string key;
  std::string value;
  bool is_field = false;                  // a "key = value" line, not a section word
  bool has_value = false;                 // something after the " ="
  std::vector<std::string> continuation;  // the | lines that follow
};

std::optional<std::int64_t> parse_number(const std::string& s, bool* hex = nullptr) {
  if (s.empty()) return std::nullopt;
  try {
    std::size_t used = 0;
    std::int64_t v = 0;
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
      if (s.find_first_not_of("0123456789abcdefABCDEF", 2) != std::string::npos)
        return std::nullopt;
      v = static_cast<std::int64_t>(std::stoull(s.substr(2), &used, 16));
      if (hex) *hex = true;
      used += 2;
    } else {
      if (s.find_first_not_of("-0123456789") != std::string::npos) return std::nullopt;
      v = std::stoll(s, &used, 10);
    }
    if (used != s.size()) return std::nullopt;
    return v;
  } catch (...) {
    return std::nullopt;
  }
}

class Parser {
 public:
  Parser(KindRegistry kinds, fs::path source_dir) : kinds_(kinds), dir_(std::move(source_dir)) {}

  Result<WindowDescription> parse(const std::string& text) {
    if (auto e = split(text)) return *e;
    WindowDescription d;
    std::size_t i = 0;
    WindowEntry* window = nullptr;
    bool seen_description = false;
    while (i < lines_.size()) {
      const Line& l = lines_[i];
      if (l.indent != 0)
        return error(l, "a section (description, window or record) is wanted here");
      if (l.key == "description" && !l.has_value) {
        if (seen_description) return error(l, "a second description section");
        seen_description = true;
        for (++i; i < lines_.size() && lines_[i].indent > 0; ++i) {
          const Line& k = lines_[i];
          if (k.key != "trailing bytes") return error(k, "not a field of the description");
          auto v = value(k);
          if (!v) return last_;
          if (v->form != Value::Form::bytes) return error(k, "bytes are wanted here");
          d.trailing = v->bytes;
        }
        continue;
      }
      if (!seen_description) return error(l, "the source begins with the description section");
      auto words = split_words(l.key);
      if (words.size() == 2 && words[0] == "window" && !l.has_value) {
        auto id = parse_number(words[1]);
        if (!id || *id < 0 || *id > 0xFFFFFFFF) return error(l, "a window id is wanted here");
        d.windows.emplace_back();
        window = &d.windows.back();
        window->id = static_cast<ControlId>(*id);
        auto e = window_fields(*window, ++i);
        if (e) return *e;
        continue;
      }
      if (words.size() == 2 && words[0] == "record" && !l.has_value) {
        if (window == nullptr) return error(l, "a record before any window");
        auto id = parse_number(words[1]);
        if (!id || *id < 0 || *id > 0xFFFFFFFF) return error(l, "a record id is wanted here");
        Record r;
        r.id = static_cast<ControlId>(*id);
        record_index_ = window->records.size();
        auto e = record_fields(r, ++i);
        if (e) return *e;
        window->records.push_back(std::move(r));
        continue;
      }
      return error(l, "unknown section \"" + l.key + "\"");
    }
    if (!seen_description) return ReadError{0, "line 1: the source has no description section"};
    return d;
  }

 private:
  static std::vector<std::string> split_words(const std::string& s) {
    std::vector<std::string> words;
    std::istringstream in(s);
    for (std::string w; in >> w;) words.push_back(w);
    return words;
  }

  ReadError error(const Line& l, const std::string& what) {
    std::string where = "line " + std::to_string(l.number) + ": ";
    if (record_name_) where += *record_name_ + ", ";
    last_ = ReadError{static_cast<std::size_t>(l.number), where + what};
    return last_;
  }
  ReadError field_error(const Line& l, const std::string& key, const std::string& what) {
    return error(l, "field \"" + key + "\": " + what);
  }

  std::optional<ReadError> split(const std::string& text) {
    std::istringstream in(text);
    std::string raw;
    int number = 0;
    while (std::getline(in, raw)) {
      ++number;
      if (!raw.empty() && raw.back() == '\r') raw.pop_back();
      const auto first = raw.find_first_not_of(' ');
      if (first == std::string::npos || raw[first] == '#') continue;
      const std::string body = raw.substr(first);
      if (body[0] == '|') {
        if (lines_.empty() || lines_.back().has_value) {
          Line l;
          l.number = number;
          return error(l, "a | line belongs under a field whose value is empty");
        }
        lines_.back().continuation.push_back(body.size() > 1 && body[1] == ' ' ? body.substr(2)
                                                                               : body.substr(1));
        continue;
      }
      Line l;
      l.number = number;
      l.indent = static_cast<int>(first);
      const auto eq = body.find(" =");
      if (eq == std::string::npos) {
        l.key = body;
      } else {
        l.key = body.substr(0, eq);
        std::string v = body.substr(eq + 2);
        if (!v.empty() && v[0] == ' ') v.erase(0, 1);
        l.value = std::move(v);
        l.is_field = true;
        l.has_value = !l.value.empty();
      }
      lines_.push_back(std::move(l));
    }
    return std::nullopt;
  }

  std::optional<Value> value(const Line& l) {
    Value v;
    if (!l.has_value) {
      if (!l.is_field) {
        error(l, "\"" + l.key + "\" needs a value");
        return std::nullopt;
      }
      std::string gbk;
      for (std::size_t i = 0; i < l.continuation.size(); ++i) {
        auto part = utf8_to_gbk(l.continuation[i]);
        if (!part) {
          field_error(l, l.key, "a line holds a character that GBK cannot hold");
          return std::nullopt;
        }
        if (i != 0) gbk += "\r\n";
        gbk += *part;
      }
      v.form = Value::Form::text;
      v.text = std::move(gbk);
      return v;
    }
    if (!l.continuation.empty()) {
      field_error(l, l.key, "| lines follow a field that has a value");
      return std::nullopt;
    }
    const std::string& s = l.value;
    v.word = s;
    if (s[0] == '"') {
      auto t = unquote(l, s);
      if (!t) return std::nullopt;
      v.form = Value::Form::text;
      v.text = std::move(*t);
      return v;
    }
    if (s == "none") {
      v.form = Value::Form::bytes;
      return v;
    }
    if (s.rfind("hex:", 0) == 0) {
      const std::string h = s.substr(4);
      if (h.size() % 2 != 0 || h.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
        field_error(l, l.key, "hex: wants an even number of hex digits");
        return std::nullopt;
      }
      v.form = Value::Form::bytes;
      v.bytes.reserve(h.size() / 2);
      for (std::size_t i = 0; i < h.size(); i += 2) {
        v.bytes.push_back(static_cast<std::uint8_t>(std::stoi(h.substr(i, 2), nullptr, 16)));
      }
      return v;
    }
    if (s.rfind("file:", 0) == 0) {
      const fs::path path = dir_ / fs::u8path(s.substr(5));
      std::ifstream f(path, std::ios::binary);
      if (!f) {
        field_error(l, l.key, "cannot read " + s.substr(5));
        return std::nullopt;
      }
      v.form = Value::Form::bytes;
      v.bytes.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
      return v;
    }
    if (auto n = parse_number(s, &v.hex)) {
      v.form = Value::Form::number;
      v.number = *n;
      return v;
    }
    v.form = Value::Form::word;
    return v;
  }

  std::optional<std::string> unquote(const Line& l, const std::string& s) {
    std::string gbk;
    std::string run;  // UTF-8 not yet converted
    auto flush = [&]() -> bool {
      if (run.empty()) return true;
      auto part = utf8_to_gbk(run);
      if (!part) return false;
      gbk += *part;
      run.clear();
      return true;
    };
    std::size_t i = 1;
    for (; i < s.size() && s[i] != '"'; ++i) {
      if (s[i] != '\\') {
        run += s[i];
        continue;
      }
      if (++i >= s.size()) break;
      switch (s[i]) {
        case '\\':
          run += '\\';
          break;
        case '"':
          run += '"';
          break;
        case 'r':
          run += '\r';
          break;
        case 'n':
          run += '\n';
          break;
        case 't':
          run += '\t';
          break;
        case 'x': {
          if (i + 2 >= s.size() || !std::isxdigit(static_cast<unsigned char>(s[i + 1])) ||
              !std::isxdigit(static_cast<unsigned char>(s[i + 2]))) {
            field_error(l, l.key, "\\x wants two hex digits");
            return std::nullopt;
          }
          if (!flush()) {
            field_error(l, l.key, "the text holds a character that GBK cannot hold");
            return std::nullopt;
          }
          gbk += static_cast<char>(std::stoi(s.substr(i + 1, 2), nullptr, 16));
          i += 2;
          break;
        }
        default:
          field_error(l, l.key, std::string("unknown escape \\") + s[i]);
          return std::nullopt;
      }
    }
    if (i != s.size() - 1) {
      field_error(l, l.key, "the quoted text does not end with its closing quote");
      return std::nullopt;
    }
    if (!flush()) {
      field_error(l, l.key, "the text holds a character that GBK cannot hold");
      return std::nullopt;
    }
    return gbk;
  }

  // Fields of the current section at indent 2, as a map from key to line.
  std::optional<ReadError> section_fields(std::size_t& i, std::map<std::string, const Line*>& out,
                                          const std::set<std::string>& known) {
    for (; i < lines_.size() && lines_[i].indent == 2 && lines_[i].key != "properties"; ++i) {
      const Line& l = lines_[i];
      if (known.count(l.key) == 0) return error(l, "unknown field \"" + l.key + "\"");
      if (out.count(l.key) != 0) return error(l, "field \"" + l.key + "\" given twice");
      out[l.key] = &l;
    }
    return std::nullopt;
  }

  // The value of a field of one form; `out` stays empty when an optional field is absent.
  std::optional<ReadError> field_value(const std::map<std::string, const Line*>& m,
                                       const std::string& key, const Line& section, bool required,
                                       Value::Form form, const char* wanted,
                                       std::optional<Value>& out) {
    auto it = m.find(key);
    if (it == m.end()) {
      if (required) return field_error(section, key, "missing");
      return std::nullopt;
    }
    out = value(*it->second);
    if (!out) return last_;
    if (out->form != form) return field_error(*it->second, key, std::string(wanted) + " is wanted");
    return std::nullopt;
  }

  template <class T>
  std::optional<ReadError> number_field(const std::map<std::string, const Line*>& m,
                                        const std::string& key, T& out, const Line& section,
                                        bool required) {
    std::optional<Value> v;
    if (auto e = field_value(m, key, section, required, Value::Form::number, "a number", v))
      return e;
    if (!v) return std::nullopt;
    const auto lo = static_cast<std::int64_t>(std::numeric_limits<T>::min());
    const auto hi = static_cast<std::int64_t>(std::numeric_limits<T>::max());
    if (v->number < lo || v->number > hi) {
      return field_error(*m.at(key), key, std::to_string(v->number) + " is out of range");
    }
    out = static_cast<T>(v->number);
    return std::nullopt;
  }

  std::optional<ReadError> text_field(const std::map<std::string, const Line*>& m,
                                      const std::string& key, std::string& out, const Line& section,
                                      bool required) {
    std::optional<Value> v;
    if (auto e = field_value(m, key, section, required, Value::Form::text, "a quoted text", v)) {
      return e;
    }
    if (v) out = v->text;
    return std::nullopt;
  }

  std::optional<ReadError> bytes_field(const std::map<std::string, const Line*>& m,
                                       const std::string& key, Bytes& out, const Line& section,
                                       bool required) {
    std::optional<Value> v;
    if (auto e = field_value(m, key, section, required, Value::Form::bytes, "bytes", v)) return e;
    if (v) out = v->bytes;
    return std::nullopt;
  }

  template <std::size_t N>
  std::optional<ReadError> fixed_field(const std::map<std::string, const Line*>& m,
                                       const std::string& key, std::array<std::uint8_t, N>& out,
                                       const Line& section) {
    Bytes b;
    if (auto e = bytes_field(m, key, b, section, false)) return e;
    if (m.count(key) == 0) return std::nullopt;
    if (b.size() != N) {
      return field_error(*m.at(key), key, "wants exactly " + std::to_string(N) + " bytes");
    }
    std::copy(b.begin(), b.end(), out.begin());
    return std::nullopt;
  }

  std::optional<ReadError> window_fields(WindowEntry& w, std::size_t& i) {
    const Line& section = lines_[i - 1];
    record_name_.reset();
    std::map<std::string, const Line*> m;
    if (auto e = section_fields(i, m,
                                {"slot", "reserved word 1", "reserved word 2", "reserved text 1",
                                 "reserved text 2", "record table"})) {
      return e;
    }
    if (i < lines_.size() && lines_[i].indent != 0) return error(lines_[i], "not a window field");
    std::optional<ReadError> e;
    if ((e = number_field(m, "slot", w.slot, section, false)) ||
        (e = number_field(m, "reserved word 1", w.reserved_word_1, section, false)) ||
        (e = number_field(m, "reserved word 2", w.reserved_word_2, section, false)) ||
        (e = text_field(m, "reserved text 1", w.reserved_text_1, section, false)) ||
        (e = text_field(m, "reserved text 2", w.reserved_text_2, section, false))) {
      return e;
    }
    if (m.count("record table") != 0) {
      Bytes table;
      if ((e = bytes_field(m, "record table", table, section, true))) return e;
      w.stored_table = std::move(table);
    }
    return std::nullopt;
  }

  std::optional<ReadError> record_fields(Record& r, std::size_t& i) {
    const Line& section = lines_[i - 1];
    record_name_ = "record " + std::to_string(record_index_);
    std::map<std::string, const Line*> m;
    if (auto e =
            section_fields(i, m, {"kind",     "event source", "reserved 16",  "name",
                                  "comment",  "control slot", "left",         "top",
                                  "width",    "height",       "pointer slot", "parent",
                                  "children", "pointer data", "tag",          "reserved word",
                                  "state",    "tab order",    "events",       "reserved 20"})) {
      return e;
    }
    CommonFields& f = r.common;
    std::optional<ReadError> e;
    if ((e = text_field(m, "name", f.name, section, true))) return e;
    if (auto utf8 = gbk_to_utf8(f.name); utf8 && !utf8->empty()) {
      record_name_ = "record " + std::to_string(record_index_) + " (" + *utf8 + ")";
    }
    // kind: a kind name of the registry, or the whole kind word as a number
    auto kind_line = m.find("kind");
    if (kind_line == m.end()) return field_error(section, "kind", "missing");
    const Kind* kind = nullptr;
    {
      auto v = value(*kind_line->second);
      if (!v) return last_;
      if (v->form == Value::Form::number && v->number >= 0 && v->number <= 0xFFFFFFFF) {
        f.kind = static_cast<std::uint32_t>(v->number);
        if (f.library() == 1) kind = find_kind(kinds_, f.kind_code());
      } else {
        for (const Kind& k : kinds_) {
          if (k.name == v->word) kind = &k;
        }
        if (kind == nullptr)
          return field_error(*kind_line->second, "kind", "no kind named " + v->word);
        f.kind = 0x00010000u | kind->code;
      }
    }
    if ((e = number_field(m, "event source", f.event_source, section, false)) ||
        (e = fixed_field(m, "reserved 16", f.reserved_16, section)) ||
        (e = text_field(m, "comment", f.comment, section, false)) ||
        (e = number_field(m, "control slot", f.control_slot, section, false)) ||
        (e = number_field(m, "left", f.left, section, true)) ||
        (e = number_field(m, "top", f.top, section, true)) ||
        (e = number_field(m, "width", f.width, section, true)) ||
        (e = number_field(m, "height", f.height, section, true)) ||
        (e = number_field(m, "pointer slot", f.pointer_slot, section, false)) ||
        (e = number_field(m, "parent", f.parent, section, false)) ||
        (e = bytes_field(m, "pointer data", f.pointer_data, section, false)) ||
        (e = text_field(m, "tag", f.tag, section, false)) ||
        (e = number_field(m, "reserved word", f.reserved_word, section, false)) ||
        (e = number_field(m, "state", f.state, section, true)) ||
        (e = number_field(m, "tab order", f.tab_order, section, false)) ||
        (e = fixed_field(m, "reserved 20", f.reserved_20, section))) {
      return e;
    }
    if (auto it = m.find("children"); it != m.end() && it->second->value != "none") {
      for (const auto& w : split_words(it->second->value)) {
        auto id = parse_number(w);
        if (!id || *id < 0 || *id > 0xFFFFFFFF) {
          return field_error(*it->second, "children", "\"" + w + "\" is not a control id");
        }
        f.children.push_back(static_cast<ControlId>(*id));
      }
    }
    if (auto it = m.find("events"); it != m.end() && it->second->value != "none") {
      for (const auto& w : split_words(it->second->value)) {
        const auto colon = w.find(':');
        auto event = parse_number(w.substr(0, colon));
        auto handler =
            colon == std::string::npos ? std::nullopt : parse_number(w.substr(colon + 1));
        if (!event || !handler || *event < 0 || *event > 0xFFFFFFFF || *handler < 0 ||
            *handler > 0xFFFFFFFF) {
          return field_error(*it->second, "events", "\"" + w + "\" is not event:handler");
        }
        f.events.push_back(
            {static_cast<std::uint32_t>(*event), static_cast<std::uint32_t>(*handler)});
      }
    }
    // The property block.
    if (i < lines_.size() && lines_[i].indent == 2 && lines_[i].key == "properties") {
      const Line& p = lines_[i++];
      if (p.has_value) {
        auto v = value(p);
        if (!v) return last_;
        if (v->form != Value::Form::bytes) return field_error(p, "properties", "bytes are wanted");
        r.property_block = v->bytes;
      } else {
        if (kind == nullptr)
          return error(p, "a kind this tool does not know needs properties = hex:...");
        SourceEntries entries;
        entry_lines_.clear();
        const Line* first = nullptr;
        for (; i < lines_.size() && lines_[i].indent >= 4; ++i) {
          const Line& l = lines_[i];
          if (first == nullptr) first = &l;
          auto v = value(l);
          if (!v) return last_;
          SourceValue sv;
          switch (v->form) {
            case Value::Form::number:
              sv = v->hex ? SourceValue::hex(v->number) : SourceValue::num(v->number);
              break;
            case Value::Form::text:
              sv = SourceValue::txt(v->text);
              break;
            case Value::Form::bytes:
              sv = SourceValue::blob(v->bytes);
              break;
            case Value::Form::word:
              return field_error(l, l.key, "\"" + v->word + "\" is not a value");
          }
          entries.push_back({l.key, std::move(sv)});
          entry_lines_[l.key] = &l;
        }
        auto properties = kind->codec.from_source(entries);
        if (!properties) {
          const Line& at = line_of_error(properties.error().what, first != nullptr ? *first : p);
          return error(at, properties.error().what);
        }
        r.property_block = kind->codec.write(*properties);
      }
    }
    if (i < lines_.size() && lines_[i].indent != 0)
      return error(lines_[i], "not a field of this record");
    return std::nullopt;
  }

  // The line of the field that a property error names, so that the message points at it.
  const Line& line_of_error(const std::string& what, const Line& fallback) {
    const auto open = what.find('"');
    const auto close = open == std::string::npos ? open : what.find('"', open + 1);
    if (close != std::string::npos) {
      auto it = entry_lines_.find(what.substr(open + 1, close - open - 1));
      if (it != entry_lines_.end()) return *it->second;
    }
    return fallback;
  }

  KindRegistry kinds_;
  fs::path dir_;
  std::vector<Line> lines_;
  ReadError last_;
  std::optional<std::string> record_name_;
  std::size_t record_index_ = 0;
  std::map<std::string, const Line*> entry_lines_;
};

}  // namespace

Result<std::string> print(const WindowDescription& description, KindRegistry kinds,
                          const fs::path& source_dir, const fs::path& files_dir) {
  return Printer(kinds, source_dir, files_dir).print(description);
}

Result<WindowDescription> parse(const std::string& text, KindRegistry kinds,
                                const fs::path& source_dir) {
  return Parser(kinds, source_dir).parse(text);
}

}  // namespace wufu::source
