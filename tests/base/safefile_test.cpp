// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing a file: all or nothing, through links, keeping permissions.

#include "base/safefile.h"

#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "tests/support/testdir.h"
#include "tests/support/unprivileged.h"

namespace numerina {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

mode_t ModeOf(const std::string& path) {
  struct stat st;
  EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
  return st.st_mode & 07777;
}

gid_t GroupOf(const std::string& path) {
  struct stat st;
  EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
  return st.st_gid;
}

class SafeFileTest : public ::testing::Test {
 protected:
  // A rewrite in place keeps its copy in the state folder: a private one.
  void SetUp() override { ::setenv("XDG_STATE_HOME", state_.Path().c_str(), 1); }
  void TearDown() override { SetSafeFileFaultForTesting({}); }
  TempDir dir_;
  TempDir state_;
};

TEST_F(SafeFileTest, CreatesAndReplaces) {
  const std::string file = dir_.File("a.txt");
  ASSERT_TRUE(WriteFileSafely(file, "first, a longer content\n"));
  EXPECT_EQ(ReadBytes(file), "first, a longer content\n");
  ASSERT_TRUE(WriteFileSafely(file, "second\n"));
  EXPECT_EQ(ReadBytes(file), "second\n");
  ASSERT_TRUE(WriteFileSafely(file, ""));
  EXPECT_EQ(ReadBytes(file), "");
  EXPECT_EQ(dir_.Entries(), std::set<std::string>{"a.txt"});  // no temporary left
}

// Each step failing in turn: the old file stays byte for byte, no temporary
// file is left behind, and the caller is told.
class SafeFileFailingStep : public SafeFileTest,
                            public ::testing::WithParamInterface<SafeFileStep> {};

TEST_P(SafeFileFailingStep, LeavesTheOldFileWhole) {
  const std::string file = dir_.File("voldrin.ini");
  const std::string old = "[Opzioni]\r\nDecimali=3\r\n\xE0\r\n";
  WriteBytes(file, old);
  const SafeFileStep failing = GetParam();
  int asked = 0;
  SetSafeFileFaultForTesting([&](SafeFileStep step) {
    asked += step == failing;
    return step == failing;
  });
  EXPECT_FALSE(WriteFileSafely(file, std::string(100000, 'n')));
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(ReadBytes(file), old);
  EXPECT_EQ(dir_.Entries(), std::set<std::string>{"voldrin.ini"});
}

INSTANTIATE_TEST_SUITE_P(Steps, SafeFileFailingStep,
                         ::testing::Values(SafeFileStep::CreateTemp, SafeFileStep::Write,
                                           SafeFileStep::Sync, SafeFileStep::Close,
                                           SafeFileStep::Rename));

TEST_F(SafeFileTest, FallsBackToWritingInPlaceWhenNoTemporaryCanBeMade) {
  const std::string file = dir_.File("voldrin.ini");
  WriteBytes(file, "a much longer old content than the new one\n");
  SetSafeFileFaultForTesting([](SafeFileStep s) { return s == SafeFileStep::CreateTemp; });
  SafeWriteOptions inPlace;
  inPlace.allowInPlaceFallback = true;
  ASSERT_TRUE(WriteFileSafely(file, "new\n", inPlace));
  EXPECT_EQ(ReadBytes(file), "new\n");  // cut to the new length
  // Without a file to overwrite there is nothing to fall back to.
  EXPECT_FALSE(WriteFileSafely(dir_.File("missing.ini"), "x", inPlace));
  EXPECT_FALSE(std::filesystem::exists(dir_.File("missing.ini")));
}

TEST_F(SafeFileTest, InPlaceFailureBeforeWritingKeepsTheOldFile) {
  const std::string file = dir_.File("voldrin.ini");
  WriteBytes(file, "old\n");
  SetSafeFileFaultForTesting([](SafeFileStep s) {
    return s == SafeFileStep::CreateTemp || s == SafeFileStep::InPlaceOpen;
  });
  SafeWriteOptions inPlace;
  inPlace.allowInPlaceFallback = true;
  EXPECT_FALSE(WriteFileSafely(file, "new\n", inPlace));
  EXPECT_EQ(ReadBytes(file), "old\n");
}

TEST_F(SafeFileTest, KeepsPermissionsAndGivesNewFilesTheUmask) {
  const std::string file = dir_.File("kept.txt");
  WriteBytes(file, "x");
  ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
  ASSERT_TRUE(WriteFileSafely(file, "y"));
  EXPECT_EQ(ModeOf(file), 0640u);

  const mode_t old = ::umask(027);
  const bool created = WriteFileSafely(dir_.File("new.txt"), "z");
  ::umask(old);
  ASSERT_TRUE(created);
  EXPECT_EQ(ModeOf(dir_.File("new.txt")), 0640u);
}

TEST_F(SafeFileTest, WritesThroughSymbolicLinks) {
  std::filesystem::create_directory(dir_.File("real"));
  const std::string target = dir_.File("real/report.txt");
  WriteBytes(target, "old");
  ASSERT_EQ(::chmod(target.c_str(), 0600), 0);
  // A relative link, reached through a second link.
  ASSERT_EQ(::symlink("real/report.txt", dir_.File("link1").c_str()), 0);
  ASSERT_EQ(::symlink(dir_.File("link1").c_str(), dir_.File("link2").c_str()), 0);

  ASSERT_TRUE(WriteFileSafely(dir_.File("link2"), "new"));
  EXPECT_EQ(ReadBytes(target), "new");
  EXPECT_TRUE(std::filesystem::is_symlink(dir_.File("link1")));
  EXPECT_TRUE(std::filesystem::is_symlink(dir_.File("link2")));
  EXPECT_EQ(ModeOf(target), 0600u);
  EXPECT_EQ(ResolveLinkTarget(dir_.File("link2")), dir_.File("real/report.txt"));

  // A dangling link: the file is created where it points.
  ASSERT_EQ(::symlink("real/later.txt", dir_.File("dangling").c_str()), 0);
  ASSERT_TRUE(WriteFileSafely(dir_.File("dangling"), "made"));
  EXPECT_EQ(ReadBytes(dir_.File("real/later.txt")), "made");
  EXPECT_TRUE(std::filesystem::is_symlink(dir_.File("dangling")));
}

TEST_F(SafeFileTest, RefusesWhatIsNotAPlainFile) {
  ASSERT_EQ(::symlink("loop2", dir_.File("loop1").c_str()), 0);
  ASSERT_EQ(::symlink("loop1", dir_.File("loop2").c_str()), 0);
  EXPECT_EQ(ResolveLinkTarget(dir_.File("loop1")), "");
  EXPECT_FALSE(WriteFileSafely(dir_.File("loop1"), "x"));

  std::filesystem::create_directory(dir_.File("folder"));
  EXPECT_FALSE(WriteFileSafely(dir_.File("folder"), "x"));
  EXPECT_TRUE(std::filesystem::is_directory(dir_.File("folder")));

  EXPECT_FALSE(WriteFileSafely(dir_.File("no/such/folder.txt"), "x"));
  EXPECT_FALSE(WriteFileSafely("", "x"));
}

TEST_F(SafeFileTest, LongNamesStillGetATemporaryFile) {
  const std::string name(250, 'r');
  ASSERT_TRUE(WriteFileSafely(dir_.File(name), "x"));
  ASSERT_TRUE(WriteFileSafely(dir_.File(name), "yy"));
  EXPECT_EQ(ReadBytes(dir_.File(name)), "yy");
}

// Writes as an ordinary user into a folder that user may change (0777), so
// that only the target's own permissions decide.
class SafeFileAsUser : public SafeFileTest {
 protected:
  void SetUp() override {
    NUMERINA_NEED_UNPRIVILEGED();
    ASSERT_EQ(::chmod(dir_.Path().c_str(), 0777), 0);
  }
  int WriteAsUser(const std::string& file, const std::string& text, const std::string& group = {}) {
    return testing::RunUnprivileged({NUMERINA_FOLDER_PROBE, "write", file, text}, {}, group)
        .exitCode;
  }
};

TEST_F(SafeFileAsUser, AFileTheUserMayNotWriteIsRefused) {
  const std::string file = dir_.File("voldrin.ini");
  WriteBytes(file, "[Opzioni]\nDecimali=3\n");
  ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
  const gid_t group = GroupOf(file);
  EXPECT_EQ(WriteAsUser(file, "replaced"), 1);
  EXPECT_EQ(ReadBytes(file), "[Opzioni]\nDecimali=3\n");
  EXPECT_EQ(ModeOf(file), 0444u);
  EXPECT_EQ(GroupOf(file), group);
  EXPECT_EQ(dir_.Entries(), std::set<std::string>{"voldrin.ini"});
}

TEST_F(SafeFileAsUser, AGroupWritableFileKeepsItsGroup) {
  if (!testing::AsRoot()) GTEST_SKIP() << "needs a file of another owner";
  const group* users = ::getgrnam("users");
  ASSERT_NE(users, nullptr);
  // Root's file, writable by the group "users", of which the writer is one.
  const std::string file = dir_.File("shared.ini");
  WriteBytes(file, "old");
  ASSERT_EQ(::chown(file.c_str(), 0, users->gr_gid), 0);
  ASSERT_EQ(::chmod(file.c_str(), 0664), 0);
  EXPECT_EQ(WriteAsUser(file, "new", std::to_string(users->gr_gid)), 0);
  EXPECT_EQ(ReadBytes(file), "new");
  EXPECT_EQ(GroupOf(file), users->gr_gid);
  EXPECT_EQ(ModeOf(file), 0664u);
}

// A writer killed half-way leaves ".name.tmpPID-N"; the next write of the
// same file removes those of dead writers and nothing else.
TEST_F(SafeFileTest, RemovesTemporaryFilesOfKilledWriters) {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ASSERT_GT(child, 0);
  ASSERT_EQ(::waitpid(child, nullptr, 0), child);
  const std::string dead = std::to_string(child);
  const std::string alive = std::to_string(::getppid());
  for (const std::string& name :
       std::vector<std::string>{".voldrin.ini.tmp" + dead + "-0", ".voldrin.ini.tmp" + dead + "-17",
                                ".voldrin.ini.tmp" + alive + "-0", ".other.ini.tmp" + dead + "-0",
                                ".voldrin.ini.tmpx-0", "voldrin.ini.bak"}) {
    WriteBytes(dir_.File(name), "half");
  }
  ASSERT_TRUE(WriteFileSafely(dir_.File("voldrin.ini"), "x"));
  EXPECT_EQ(dir_.Entries(), (std::set<std::string>{"voldrin.ini", ".voldrin.ini.tmp" + alive + "-0",
                                                   ".other.ini.tmp" + dead + "-0",
                                                   ".voldrin.ini.tmpx-0", "voldrin.ini.bak"}));
}

}  // namespace
}  // namespace numerina
