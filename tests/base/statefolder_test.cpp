// SPDX-License-Identifier: GPL-3.0-or-later
// The user's state folder.

#include "base/statefolder.h"

#include <gtest/gtest.h>

namespace numerina {
namespace {

TEST(StateFolder, XdgStateHomeOrHome) {
  EXPECT_EQ(StateFolder("/s", "/h"), "/s/numerina");
  EXPECT_EQ(StateFolder(nullptr, "/h"), "/h/.local/state/numerina");
  EXPECT_EQ(StateFolder("", "/h"), "/h/.local/state/numerina");
  EXPECT_EQ(StateFolder("rel/state", "/h"), "/h/.local/state/numerina");
  EXPECT_EQ(StateFolder(nullptr, nullptr), "");
  EXPECT_EQ(StateFolder(nullptr, "rel"), "");
}

}  // namespace
}  // namespace numerina
