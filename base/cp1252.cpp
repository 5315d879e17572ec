// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/cp1252.h"

#include <array>
#include <cstdint>

#include "base/utf8.h"

namespace numerina {
namespace {

// Code points of the bytes 0x80..0x9F; 0 marks the five undefined bytes.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

std::string ToCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  ForEachUtf8(
      utf8,
      [&out](char32_t cp, std::string_view) {
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
          out.push_back(static_cast<char>(cp));
          return;
        }
        char byte = '?';
        for (std::size_t k = 0; k < kHigh.size(); ++k) {
          if (kHigh[k] != 0 && kHigh[k] == cp) {
            byte = static_cast<char>(0x80 + k);
            break;
          }
        }
        out.push_back(byte);
      },
      [&out] { out.push_back('?'); });
  return out;
}

bool FitsCp1252(std::string_view utf8) {
  for (char c : utf8) {
    // Plain ASCII, the common case, needs no round trip.
    if (static_cast<unsigned char>(c) >= 0x80) return FromCp1252(ToCp1252(utf8)) == utf8;
  }
  return true;
}

std::string FromCp1252(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 4);
  for (char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    if (b < 0x80) {
      out.push_back(ch);
    } else if (b < 0xA0) {
      const char16_t cp = kHigh[b - 0x80];
      AppendUtf8(out, cp != 0 ? cp : 0xFFFD);
    } else {
      AppendUtf8(out, b);
    }
  }
  return out;
}

}  // namespace numerina
