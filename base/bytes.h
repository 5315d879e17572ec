// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Byte helpers for the program's own files (the tape journal, the copy kept
// during a settings rewrite, the names derived from a folder): FNV-1a hashes
// and little-endian integers. Files written by earlier runs are read with
// these same definitions, so they must never change.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace numerina {

template <typename U, U kOffsetBasis, U kPrime>
constexpr U Fnv1a(std::string_view bytes) {
  U h = kOffsetBasis;
  for (const char c : bytes) {
    h ^= static_cast<unsigned char>(c);
    h *= kPrime;
  }
  return h;
}

constexpr std::uint32_t Fnv1a32(std::string_view bytes) {
  return Fnv1a<std::uint32_t, 2166136261u, 16777619u>(bytes);
}

constexpr std::uint64_t Fnv1a64(std::string_view bytes) {
  return Fnv1a<std::uint64_t, 14695981039346656037ull, 1099511628211ull>(bytes);
}

// Appends v, lowest byte first.
template <typename U>
void PutLe(std::string& out, U v) {
  for (std::size_t i = 0; i < sizeof(U); ++i)
    out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

// Reads an integer stored lowest byte first at p.
template <typename U>
U GetLe(const char* p) {
  U v = 0;
  for (std::size_t i = sizeof(U); i-- > 0;)
    v = static_cast<U>((v << 8) | static_cast<unsigned char>(p[i]));
  return v;
}

}  // namespace numerina
