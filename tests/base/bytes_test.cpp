// SPDX-License-Identifier: GPL-3.0-or-later
// The hashes and integers of the program's own files: journals and copies
// written by earlier runs are only read back if these never change.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "base/bytes.h"

namespace numerina {
namespace {

TEST(Bytes, FnvHashesAreTheStandardOnes) {
  // The published FNV-1a test vectors.
  EXPECT_EQ(Fnv1a32(""), 0x811c9dc5u);
  EXPECT_EQ(Fnv1a32("a"), 0xe40c292cu);
  EXPECT_EQ(Fnv1a32("foobar"), 0xbf9cf968u);
  EXPECT_EQ(Fnv1a64(""), 0xcbf29ce484222325ull);
  EXPECT_EQ(Fnv1a64("a"), 0xaf63dc4c8601ec8cull);
  EXPECT_EQ(Fnv1a64("foobar"), 0x85944171f73967e8ull);
  // Bytes above 0x7f count as unsigned.
  EXPECT_EQ(Fnv1a32("\xe9"), (2166136261u ^ 0xe9u) * 16777619u);
}

TEST(Bytes, LittleEndianRoundTripAndLayout) {
  std::string out;
  PutLe<std::uint32_t>(out, 0x11223344u);
  PutLe<std::uint64_t>(out, 0x8899aabbccddeeffull);
  ASSERT_EQ(out.size(), 12u);
  EXPECT_EQ(out.substr(0, 4), std::string("\x44\x33\x22\x11", 4));
  EXPECT_EQ(static_cast<unsigned char>(out[4]), 0xffu);
  EXPECT_EQ(static_cast<unsigned char>(out[11]), 0x88u);
  EXPECT_EQ(GetLe<std::uint32_t>(out.data()), 0x11223344u);
  EXPECT_EQ(GetLe<std::uint64_t>(out.data() + 4), 0x8899aabbccddeeffull);
}

}  // namespace
}  // namespace numerina
