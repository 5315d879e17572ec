// SPDX-License-Identifier: GPL-3.0-or-later
// Where the settings file lies, seen by a copy of a small program started as
// an ordinary user from folders of each kind.

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/testdir.h"
#include "tests/support/unprivileged.h"

namespace numerina {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::RunUnprivileged;
using testing::TempDir;
using testing::WriteBytes;

class SettingsFolderRule : public ::testing::Test {
 protected:
  void SetUp() override {
    NUMERINA_NEED_UNPRIVILEGED();
    ASSERT_EQ(::chmod(dir_.Path().c_str(), 0755), 0);
    fs::create_directory(Prog());
    fs::copy_file(NUMERINA_FOLDER_PROBE, Prog() + "/probe");
    fs::create_directory(Home());
    testing::GiveToRunner(Home());
  }
  void TearDown() override { ::chmod(Prog().c_str(), 0755); }

  std::string Prog() const { return dir_.File("prog"); }
  std::string Home() const { return dir_.File("home"); }
  std::string HomeConfig() const { return Home() + "/.config/numerina"; }

  // The program folder as the user cannot write it: root's under root,
  // else mode 0555.
  void LockProg() {
    if (!testing::AsRoot()) {
      ASSERT_EQ(::chmod(Prog().c_str(), 0555), 0);
    }
  }

  // Runs the probe with HOME and, when given, XDG_CONFIG_HOME; its output
  // without the final newline.
  std::string Probe(std::vector<std::string> args, const char* xdg = nullptr) {
    args.insert(args.begin(), Prog() + "/probe");
    std::vector<std::string> env{"HOME=" + Home()};
    if (xdg != nullptr) env.push_back(std::string("XDG_CONFIG_HOME=") + xdg);
    std::string out = RunUnprivileged(args, env).output;
    if (!out.empty() && out.back() == '\n') out.pop_back();
    return out;
  }

  TempDir dir_;
};

TEST_F(SettingsFolderRule, AWritableProgramFolderGetsTheFile) {
  testing::GiveToRunner(Prog());
  EXPECT_EQ(Probe({"set", "Decimali", "3"}), Prog());
  EXPECT_EQ(ReadBytes(Prog() + "/voldrin.ini"), "[Opzioni]\r\nDecimali=3\r\n");
  EXPECT_FALSE(fs::exists(HomeConfig()));
}

TEST_F(SettingsFolderRule, AFileInALockedProgramFolderStaysTheSettingsFile) {
  WriteBytes(Prog() + "/voldrin.ini", "[Opzioni]\nDecimali=1\n");
  LockProg();
  EXPECT_EQ(Probe({"set", "Decimali", "3"}), Prog());
  EXPECT_EQ(ReadBytes(Prog() + "/voldrin.ini"), "[Opzioni]\nDecimali=1\n");
  EXPECT_FALSE(fs::exists(HomeConfig()));
}

TEST_F(SettingsFolderRule, ALockedProgramFolderWithoutFileUsesTheUsersFolder) {
  LockProg();
  EXPECT_EQ(Probe({"set", "Decimali", "3"}), HomeConfig());
  EXPECT_EQ(ReadBytes(HomeConfig() + "/voldrin.ini"), "[Opzioni]\r\nDecimali=3\r\n");
  EXPECT_FALSE(fs::exists(Prog() + "/voldrin.ini"));
}

TEST_F(SettingsFolderRule, AnInstalledCopyNeverCreatesItsFileBesideItself) {
  WriteBytes(Prog() + "/numerina.installed", "");
  testing::GiveToRunner(Prog());
  EXPECT_EQ(Probe({"set", "Decimali", "3"}), HomeConfig());
  EXPECT_TRUE(fs::exists(HomeConfig() + "/voldrin.ini"));
  EXPECT_FALSE(fs::exists(Prog() + "/voldrin.ini"));
}

TEST_F(SettingsFolderRule, OnlyAnAbsoluteXdgConfigHomeCounts) {
  LockProg();
  const std::string xdg = dir_.File("xdg");
  fs::create_directory(xdg);
  testing::GiveToRunner(xdg);
  EXPECT_EQ(Probe({"set", "Report", "0"}, (xdg + "/").c_str()), xdg + "/numerina");
  EXPECT_TRUE(fs::exists(xdg + "/numerina/voldrin.ini"));
  EXPECT_EQ(Probe({"settings"}, "relative/config"), HomeConfig());
  EXPECT_EQ(Probe({"settings"}, ""), HomeConfig());
  EXPECT_EQ(Probe({"settings"}), HomeConfig());
}

// A bare picture name: the settings file's folder first, then the
// program's; a picture in either folder is stored by name as long as the
// name finds that same file again.
TEST_F(SettingsFolderRule, BarePictureNamesFollowTheSettingsFolder) {
  WriteBytes(Prog() + "/logo.gif", "GIF89a");
  WriteBytes(Prog() + "/both.gif", "GIF89a");
  LockProg();
  ASSERT_EQ(Probe({"set", "Banner", "own.gif"}), HomeConfig());
  WriteBytes(HomeConfig() + "/own.gif", "GIF89a");
  WriteBytes(HomeConfig() + "/both.gif", "GIF89a");
  EXPECT_EQ(Probe({"picture", "own.gif"}), HomeConfig() + "/own.gif");
  EXPECT_EQ(Probe({"picture", "both.gif"}), HomeConfig() + "/both.gif");
  EXPECT_EQ(Probe({"picture", "logo.gif"}), Prog() + "/logo.gif");
  EXPECT_EQ(Probe({"store", HomeConfig() + "/own.gif"}), "own.gif");
  EXPECT_EQ(Probe({"store", Prog() + "/logo.gif"}), "logo.gif");
  EXPECT_EQ(Probe({"store", Prog() + "/both.gif"}), Prog() + "/both.gif");
}

}  // namespace
}  // namespace numerina
