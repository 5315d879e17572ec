// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tests of the settings file on disk: a private settings folder, and a
// private state folder for the copy a rewrite in place keeps there (never
// the real home's).

#include <stdlib.h>

#include <gtest/gtest.h>

#include <string>

#include "base/safefile.h"
#include "config/ini.h"
#include "tests/support/testdir.h"

namespace numerina::testing {

class SettingsFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetSettingsFolderForTesting(dir_.Path());
    ::setenv("XDG_STATE_HOME", state_.Path().c_str(), 1);
  }
  void TearDown() override {
    SetSettingsFolderForTesting("");
    SetSafeFileFaultForTesting({});
  }
  std::string Ini() const { return dir_.File("voldrin.ini"); }
  TempDir dir_;
  TempDir state_;
};

}  // namespace numerina::testing
