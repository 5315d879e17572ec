// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The report tape: one text, lines joined by CR LF. Appending costs the
// appended fragment only; the engine keeps no line index.

#include <string>
#include <string_view>

namespace numerina {

inline constexpr std::string_view kNbsp = "\u00A0";
inline constexpr std::string_view kCrLf = "\r\n";
inline constexpr std::string_view kSeparatorLine = "-----------------------------------";  // 35

class Tape {
 public:
  const std::string& Text() const { return text_; }
  bool Empty() const { return text_.empty(); }
  void Append(std::string_view fragment) { text_.append(fragment); }
  void Clear() { text_.clear(); }
  void Reserve(std::size_t n) { text_.reserve(n); }

 private:
  std::string text_;
};

}  // namespace numerina
