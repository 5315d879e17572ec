// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// UTF-8, the encoding of every text inside the program: reading code points,
// checking, writing, and counting and cutting by characters.

#include <cstddef>
#include <string>
#include <string_view>

namespace numerina {

// Decodes the UTF-8 sequence at text[i] into cp; returns its length, or 0
// when the bytes there are not a well-formed sequence (no overlongs, no
// surrogates, nothing beyond U+10FFFF).
std::size_t DecodeUtf8(std::string_view text, std::size_t i, char32_t& cp);

// Walks UTF-8 text: valid(cp, bytes) for each well-formed sequence, and
// invalid() for each byte that belongs to none.
template <typename Valid, typename Invalid>
void ForEachUtf8(std::string_view text, Valid&& valid, Invalid&& invalid) {
  char32_t cp = 0;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = DecodeUtf8(text, i, cp);
    if (n == 0) {
      invalid();
      ++i;
      continue;
    }
    valid(cp, text.substr(i, n));
    i += n;
  }
}

// True when the text is well-formed UTF-8.
bool IsValidUtf8(std::string_view text);

// Appends the UTF-8 form of a code point.
void AppendUtf8(std::string& out, char32_t cp);

// The number of characters of UTF-8 text (bytes that start a sequence).
std::size_t CharCount(std::string_view text);

// Keeps the first max characters of UTF-8 text.
std::string CutChars(std::string text, std::size_t max);

}  // namespace numerina
