// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/initext.h"

#include <vector>

#include "base/cp1252.h"
#include "base/utf8.h"

namespace numerina {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::string_view kBlanks = " \t\v\f\r";

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(kBlanks);
  return s.substr(first, last - first + 1);
}

std::size_t BomLength(std::string_view bytes) {
  return bytes.substr(0, kBom.size()) == kBom ? kBom.size() : 0;
}

enum class Kind { Other, Header, Key };

struct Line {
  std::size_t begin = 0;  // first byte of the line (after the mark on line 1)
  std::size_t end = 0;    // one past the content, before its CR LF or LF
  std::size_t next = 0;   // first byte of the following line
  Kind kind = Kind::Other;
  std::string_view name;   // section or key name as spelt in the file, trimmed
  std::string_view value;  // a key's value, trimmed
};

// Walks the file line by line. A CR is part of the line end only right
// before LF; a last line without a line end still counts.
class LineCursor {
 public:
  explicit LineCursor(std::string_view bytes) : bytes_(bytes), pos_(BomLength(bytes)) {}

  bool Next(Line& line) {
    if (pos_ >= bytes_.size()) return false;
    line = Line{};
    line.begin = pos_;
    const auto lf = bytes_.find('\n', pos_);
    if (lf == std::string_view::npos) {
      line.end = line.next = bytes_.size();
    } else {
      line.next = lf + 1;
      line.end = (lf > pos_ && bytes_[lf - 1] == '\r') ? lf - 1 : lf;
    }
    pos_ = line.next;
    Classify(bytes_.substr(line.begin, line.end - line.begin), line);
    return true;
  }

 private:
  static void Classify(std::string_view content, Line& line) {
    const std::string_view t = Trim(content);
    if (t.empty() || t.front() == ';' || t.front() == '#') return;
    if (t.front() == '[') {
      // A header without its closing bracket still opens the section.
      line.kind = Kind::Header;
      line.name =
          Trim(t.substr(1, t.find(']') == std::string_view::npos ? t.npos : t.find(']') - 1));
      return;
    }
    const auto eq = t.find('=');
    if (eq == std::string_view::npos) return;
    line.kind = Kind::Key;
    line.name = Trim(t.substr(0, eq));
    line.value = Trim(t.substr(eq + 1));
  }

  std::string_view bytes_;
  std::size_t pos_;
};

// Lower case of the letters Windows-1252 has in both cases, on UTF-8 text
// (every pair has the same encoded length, so bytes are changed in place).
std::string Fold(std::string s) {
  for (std::size_t i = 0; i < s.size(); ++i) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b >= 'A' && b <= 'Z') {
      s[i] = static_cast<char>(b + 32);
    } else if ((b == 0xC3 || b == 0xC5) && i + 1 < s.size()) {
      const auto c = static_cast<unsigned char>(s[i + 1]);
      if (b == 0xC3 && c >= 0x80 && c <= 0x9E && c != 0x97) {  // À..Þ except ×
        s[i + 1] = static_cast<char>(c + 0x20);
      } else if (b == 0xC5 && (c == 0xA0 || c == 0x92 || c == 0xBD)) {  // Š Œ Ž
        s[i + 1] = static_cast<char>(c + 1);
      } else if (b == 0xC5 && c == 0xB8) {  // Ÿ to ÿ, U+00FF
        s[i] = static_cast<char>(0xC3);
        s[i + 1] = static_cast<char>(0xBF);
      }
      ++i;
    }
  }
  return s;
}

std::string Decode(std::string_view raw, bool utf8) {
  return utf8 ? std::string(raw) : FromCp1252(raw);
}

// The line end of the file's first line; CR LF, the design's, for a file
// that has none yet (a new one).
std::string_view DetectEol(std::string_view bytes) {
  const auto lf = bytes.find('\n');
  if (lf == std::string_view::npos) return "\r\n";
  return (lf > 0 && bytes[lf - 1] == '\r') ? "\r\n" : "\n";
}

bool UsableSection(std::string_view s) {
  return !s.empty() && s.find(']') == std::string_view::npos;
}

bool UsableKey(std::string_view k) {
  return !k.empty() && k.find('=') == std::string_view::npos && k.front() != '[' &&
         k.front() != ';' && k.front() != '#';
}

// Where a section of the file lies: its header line, and the lines up to the
// next header.
struct SectionSpan {
  bool found = false;
  Line header;
  std::size_t end = 0;     // first byte of the next header line, or the file's end
  std::vector<Line> keys;  // the key lines in order
};

SectionSpan FindSection(std::string_view bytes, bool utf8, const std::string& folded) {
  SectionSpan span;
  LineCursor cursor(bytes);
  Line line;
  while (cursor.Next(line)) {
    if (line.kind == Kind::Header) {
      if (span.found) {
        span.end = line.begin;
        return span;
      }
      if (Fold(Decode(line.name, utf8)) == folded) {
        span.found = true;
        span.header = line;
      }
    } else if (span.found && line.kind == Kind::Key) {
      span.keys.push_back(line);
    }
  }
  span.end = bytes.size();
  return span;
}

const Line* FindKey(const SectionSpan& span, bool utf8, const std::string& folded) {
  for (const Line& line : span.keys) {
    if (Fold(Decode(line.name, utf8)) == folded) return &line;
  }
  return nullptr;
}

// The file's bytes as UTF-8, for a file that must become UTF-8 to hold a
// character Windows-1252 lacks: every value already there reads the same.
std::string ReencodeAsUtf8(std::string_view bytes) {
  const std::size_t bom = BomLength(bytes);
  return std::string(bytes.substr(0, bom)) + FromCp1252(bytes.substr(bom));
}

// A Windows-1252 file changed by a write or a removal may come out as bytes
// that also form UTF-8 ("Ã©" is C3 A9): it would then be read as UTF-8 and
// its characters as others ("é"). Such a file is written as UTF-8 instead,
// with the same characters.
std::string KeepingItsCharacters(std::string_view before, std::string after) {
  if (!IniBytesAreUtf8(before) && IniBytesAreUtf8(after)) return ReencodeAsUtf8(after);
  return after;
}

// Well-formed UTF-8: a byte that does not belong to a sequence becomes "?".
std::string WellFormed(std::string_view text) {
  if (IsValidUtf8(text)) return std::string(text);
  std::string out;
  out.reserve(text.size());
  ForEachUtf8(
      text, [&out](char32_t, std::string_view bytes) { out.append(bytes); },
      [&out] { out.push_back('?'); });
  return out;
}

std::string Encode(std::string_view cleanUtf8, bool utf8) {
  return utf8 ? std::string(cleanUtf8) : ToCp1252(cleanUtf8);
}

// Text after the last byte of bytes so that a new line can follow: a file
// whose last line has no line end gets one.
std::string_view GapBeforeAppend(std::string_view bytes, std::string_view eol) {
  if (bytes.size() > BomLength(bytes) && bytes.back() != '\n') return eol;
  return {};
}

std::string BuildWrite(std::string_view bytes, const std::string& section, const std::string& key,
                       const std::string& value, bool utf8) {
  const std::string_view eol = DetectEol(bytes);
  const SectionSpan span = FindSection(bytes, utf8, Fold(section));
  std::string out;
  out.reserve(bytes.size() + key.size() + value.size() + section.size() + 8);
  if (!span.found) {
    out.append(bytes).append(GapBeforeAppend(bytes, eol));
    out.append("[").append(Encode(section, utf8)).append("]").append(eol);
    out.append(Encode(key, utf8)).append("=").append(Encode(value, utf8)).append(eol);
    return out;
  }
  if (const Line* line = FindKey(span, utf8, Fold(key))) {
    // The line keeps the key as the file spells it, and its own line end.
    out.append(bytes.substr(0, line->begin)).append(line->name).append("=");
    out.append(Encode(value, utf8)).append(bytes.substr(line->end));
    return out;
  }
  const Line& anchor = span.keys.empty() ? span.header : span.keys.back();
  out.append(bytes.substr(0, anchor.next));
  if (anchor.next == anchor.end) out.append(eol);  // the anchor was the last line
  out.append(Encode(key, utf8)).append("=").append(Encode(value, utf8)).append(eol);
  out.append(bytes.substr(anchor.next));
  return out;
}

std::string RemoveRanges(std::string_view bytes,
                         const std::vector<std::pair<std::size_t, std::size_t>>& ranges) {
  std::string out;
  out.reserve(bytes.size());
  std::size_t pos = 0;
  for (const auto& [from, to] : ranges) {
    out.append(bytes.substr(pos, from - pos));
    pos = to;
  }
  out.append(bytes.substr(pos));
  return out;
}

}  // namespace

bool IniBytesAreUtf8(std::string_view bytes) {
  const std::size_t bom = BomLength(bytes);
  const std::string_view body = bytes.substr(bom);
  if (!IsValidUtf8(body)) return false;
  if (bom > 0) return true;
  for (char c : body) {
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  }
  return false;
}

std::string DecodeIniBytes(std::string_view bytes) {
  return Decode(bytes.substr(BomLength(bytes)), IniBytesAreUtf8(bytes));
}

std::string IniCleanValue(std::string_view text) {
  std::string kept;
  kept.reserve(text.size());
  for (char c : text) {
    if (c != '\0' && c != '\r' && c != '\n') kept.push_back(c);
  }
  return WellFormed(kept);
}

std::string IniCleanName(std::string_view text) { return std::string(Trim(IniCleanValue(text))); }

std::optional<std::string> IniReadValue(std::string_view bytes, std::string_view section,
                                        std::string_view key) {
  const bool utf8 = IniBytesAreUtf8(bytes);
  const std::string wantSection = Fold(IniCleanName(section));
  const std::string wantKey = Fold(IniCleanName(key));
  LineCursor cursor(bytes);
  Line line;
  bool inside = false;
  while (cursor.Next(line)) {
    if (line.kind == Kind::Header) {
      if (inside) return std::nullopt;  // only the first section of the name counts
      inside = Fold(Decode(line.name, utf8)) == wantSection;
    } else if (inside && line.kind == Kind::Key && Fold(Decode(line.name, utf8)) == wantKey) {
      return CutChars(Decode(line.value, utf8), kIniValueMax);
    }
  }
  return std::nullopt;
}

std::optional<std::string> IniSectionKeyList(std::string_view bytes, std::string_view section) {
  const bool utf8 = IniBytesAreUtf8(bytes);
  const SectionSpan span = FindSection(bytes, utf8, Fold(IniCleanName(section)));
  if (!span.found) return std::nullopt;
  std::string list;
  for (const Line& line : span.keys) {
    list.append(Decode(line.name, utf8)).push_back('\0');
  }
  return CutChars(std::move(list), kIniKeyListMax);
}

std::optional<std::string> IniWriteValue(std::string_view bytes, std::string_view section,
                                         std::string_view key, std::string_view value) {
  const std::string cleanSection = IniCleanName(section);
  const std::string cleanKey = IniCleanName(key);
  if (!UsableSection(cleanSection) || !UsableKey(cleanKey)) return std::nullopt;
  const std::string cleanValue = IniCleanValue(value);
  // A file that is not already UTF-8 (plain ASCII included) stays in
  // Windows-1252. A character Windows-1252 lacks ("Łódź") turns the whole
  // file into UTF-8, since nothing the user typed or chose may be lost.
  if (!IniBytesAreUtf8(bytes)) {
    if (FitsCp1252(cleanSection) && FitsCp1252(cleanKey) && FitsCp1252(cleanValue))
      return KeepingItsCharacters(bytes,
                                  BuildWrite(bytes, cleanSection, cleanKey, cleanValue, false));
    return BuildWrite(ReencodeAsUtf8(bytes), cleanSection, cleanKey, cleanValue, true);
  }
  return BuildWrite(bytes, cleanSection, cleanKey, cleanValue, true);
}

std::string IniDeleteKey(std::string_view bytes, std::string_view section, std::string_view key) {
  const bool utf8 = IniBytesAreUtf8(bytes);
  const SectionSpan span = FindSection(bytes, utf8, Fold(IniCleanName(section)));
  const std::string wantKey = Fold(IniCleanName(key));
  std::vector<std::pair<std::size_t, std::size_t>> ranges;
  for (const Line& line : span.keys) {
    if (Fold(Decode(line.name, utf8)) == wantKey) ranges.emplace_back(line.begin, line.next);
  }
  return KeepingItsCharacters(bytes, RemoveRanges(bytes, ranges));
}

std::string IniDeleteSection(std::string_view bytes, std::string_view section) {
  const bool utf8 = IniBytesAreUtf8(bytes);
  const std::string want = Fold(IniCleanName(section));
  std::vector<std::pair<std::size_t, std::size_t>> ranges;
  LineCursor cursor(bytes);
  Line line;
  bool removing = false;
  std::size_t start = 0;
  while (cursor.Next(line)) {
    if (line.kind != Kind::Header) continue;
    if (removing) ranges.emplace_back(start, line.begin);
    removing = Fold(Decode(line.name, utf8)) == want;
    start = line.begin;
  }
  if (removing) ranges.emplace_back(start, bytes.size());
  return KeepingItsCharacters(bytes, RemoveRanges(bytes, ranges));
}

std::optional<std::string> IniReplaceSection(std::string_view original, std::string_view section,
                                             std::string_view content) {
  std::string_view bytes = original;
  const std::string cleanSection = IniCleanName(section);
  if (!UsableSection(cleanSection)) return std::nullopt;
  bool utf8 = IniBytesAreUtf8(bytes);
  const std::string_view eol = DetectEol(bytes);

  std::vector<std::string> pieces;
  bool fits = FitsCp1252(cleanSection);
  std::size_t pos = 0;
  while (pos <= content.size()) {
    auto stop = content.find_first_of(std::string_view("\0\r\n", 3), pos);
    if (stop == std::string_view::npos) stop = content.size();
    std::string piece(Trim(WellFormed(content.substr(pos, stop - pos))));
    if (!piece.empty() && piece.front() != '[') {
      fits = fits && FitsCp1252(piece);
      pieces.push_back(std::move(piece));
    }
    pos = stop + 1;
  }
  // As for a single value: a character Windows-1252 lacks makes the file UTF-8.
  std::string reencoded;
  if (!utf8 && !fits) {
    reencoded = ReencodeAsUtf8(bytes);
    bytes = reencoded;
    utf8 = true;
  }
  std::string lines;
  for (const std::string& piece : pieces) lines.append(Encode(piece, utf8)).append(eol);

  const SectionSpan span = FindSection(bytes, utf8, Fold(cleanSection));
  std::string out;
  if (!span.found) {
    out.append(bytes).append(GapBeforeAppend(bytes, eol));
    out.append("[").append(Encode(cleanSection, utf8)).append("]").append(eol).append(lines);
    return utf8 ? out : KeepingItsCharacters(original, std::move(out));
  }
  out.append(bytes.substr(0, span.header.next));
  if (span.header.next == span.header.end) out.append(eol);
  out.append(lines).append(bytes.substr(span.end));
  // (Written in Windows-1252 only when the file was so and stays so.)
  return utf8 ? out : KeepingItsCharacters(original, std::move(out));
}

}  // namespace numerina
