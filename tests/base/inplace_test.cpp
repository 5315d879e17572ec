// SPDX-License-Identifier: GPL-3.0-or-later
// Rewriting a file in place (its folder refuses a temporary file): the old
// content is kept in a copy in the state folder until the rewrite is done,
// and a rewrite cut short is undone at the next start.

#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "base/safefile.h"
#include "tests/support/testdir.h"

namespace numerina {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

class InPlaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::setenv("XDG_STATE_HOME", state_.Path().c_str(), 1);
    old_ = "[Opzioni]\r\n";
    for (int i = 0; i < 20000; ++i) old_ += "chiave" + std::to_string(i) + "=valore\r\n";
    new_ = "[Opzioni]\r\nDecimali=12\r\n" + old_.substr(11);
    WriteBytes(file_, old_);
  }
  void TearDown() override { SetSafeFileFaultForTesting({}); }

  // The state folder's own files (the copies and their temporary files).
  std::set<std::string> StateEntries() const {
    std::set<std::string> names;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(state_.Path() + "/numerina", ec))
      names.insert(e.path().filename().string());
    return names;
  }

  // Forces the in-place path and runs the write in a child process that
  // ends abruptly when dies() says so, as a kill would end it.
  // The write itself is torn half-way unless whole is set.
  void KilledWrite(std::function<bool(SafeFileStep)> dies, bool whole = false) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      SetSafeFileFaultForTesting([&](SafeFileStep s) {
        if (s == SafeFileStep::CreateTemp) return true;
        if (dies(s)) ::_exit(9);
        return !whole && s == SafeFileStep::Write;
      });
      SafeWriteOptions inPlace;
      inPlace.allowInPlaceFallback = true;
      WriteFileSafely(file_, new_, inPlace);
      ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 9) << "the write was not cut";
  }

  static SafeWriteOptions InPlace() {
    SafeWriteOptions options;
    options.allowInPlaceFallback = true;
    return options;
  }
  static void NoTemporaryFiles() {
    SetSafeFileFaultForTesting([](SafeFileStep s) { return s == SafeFileStep::CreateTemp; });
  }

  TempDir dir_;
  TempDir state_;
  std::string file_ = dir_.File("voldrin.ini");
  std::string old_;
  std::string new_;
};

TEST_F(InPlaceTest, ACompletedRewriteLeavesNoCopy) {
  NoTemporaryFiles();
  ASSERT_TRUE(WriteFileSafely(file_, new_, InPlace()));
  EXPECT_EQ(ReadBytes(file_), new_);
  EXPECT_TRUE(StateEntries().empty());
  EXPECT_EQ(dir_.Entries(), std::set<std::string>{"voldrin.ini"});
  EXPECT_TRUE(RestoreInterruptedRewrite(file_));
  EXPECT_EQ(ReadBytes(file_), new_);
}

TEST_F(InPlaceTest, AKillDuringTheRewriteIsUndoneAtTheNextStart) {
  // Torn half-way, killed before the old content could be put back.
  KilledWrite([](SafeFileStep s) { return s == SafeFileStep::Restore; });
  ASSERT_NE(ReadBytes(file_), old_);
  ASSERT_NE(ReadBytes(file_), new_);
  ASSERT_EQ(StateEntries().size(), 1u);
  EXPECT_TRUE(RestoreInterruptedRewrite(file_));
  EXPECT_EQ(ReadBytes(file_), old_);
  EXPECT_TRUE(StateEntries().empty());
}

TEST_F(InPlaceTest, AKillAfterTheWholeNewContentKeepsIt) {
  int syncs = 0;  // the copy's, then the file's
  KilledWrite([&](SafeFileStep s) { return s == SafeFileStep::Sync && ++syncs == 2; }, true);
  EXPECT_TRUE(RestoreInterruptedRewrite(file_));
  EXPECT_EQ(ReadBytes(file_), new_);
  EXPECT_TRUE(StateEntries().empty());
}

TEST_F(InPlaceTest, ACopyCutShortIsNeverPutBack) {
  // Killed while writing the copy: the file was not touched, and what was
  // written of the copy is not taken for one.
  KilledWrite([](SafeFileStep s) { return s == SafeFileStep::CopyWrite; });
  EXPECT_EQ(ReadBytes(file_), old_);
  EXPECT_TRUE(RestoreInterruptedRewrite(file_));
  EXPECT_EQ(ReadBytes(file_), old_);

  // A copy whose content is not whole (a disk that lost its end) is removed
  // and the file, whole and new, stays.
  int syncs = 0;
  KilledWrite([&](SafeFileStep s) { return s == SafeFileStep::Sync && ++syncs == 2; }, true);
  ASSERT_EQ(StateEntries().size(), 1u);
  const std::string copy = state_.Path() + "/numerina/" + *StateEntries().begin();
  std::filesystem::resize_file(copy, std::filesystem::file_size(copy) - 10);
  EXPECT_TRUE(RestoreInterruptedRewrite(file_));
  EXPECT_EQ(ReadBytes(file_), new_);
  EXPECT_TRUE(StateEntries().empty());
}

TEST_F(InPlaceTest, AFullDiskForTheCopyLeavesTheFileAlone) {
  SetSafeFileFaultForTesting(
      [](SafeFileStep s) { return s == SafeFileStep::CreateTemp || s == SafeFileStep::CopyWrite; });
  EXPECT_FALSE(WriteFileSafely(file_, new_, InPlace()));
  EXPECT_EQ(ReadBytes(file_), old_);
  EXPECT_TRUE(StateEntries().empty());
}

TEST_F(InPlaceTest, NoStateFolderNoRewriteInPlace) {
  ::unsetenv("XDG_STATE_HOME");
  const char* home = std::getenv("HOME");
  const std::string saved = home != nullptr ? home : "";
  ::unsetenv("HOME");
  NoTemporaryFiles();
  EXPECT_FALSE(WriteFileSafely(file_, new_, InPlace()));
  if (!saved.empty()) ::setenv("HOME", saved.c_str(), 1);
  EXPECT_EQ(ReadBytes(file_), old_);
}

TEST_F(InPlaceTest, AFailedRewriteIsPutBackAtOnce) {
  SetSafeFileFaultForTesting(
      [](SafeFileStep s) { return s == SafeFileStep::CreateTemp || s == SafeFileStep::Write; });
  EXPECT_FALSE(WriteFileSafely(file_, new_, InPlace()));
  EXPECT_EQ(ReadBytes(file_), old_);
  EXPECT_TRUE(StateEntries().empty());
}

TEST_F(InPlaceTest, AWriterFindingALeftCopyPutsItBackAndFails) {
  KilledWrite([](SafeFileStep s) { return s == SafeFileStep::Restore; });
  // What a writer would compute from the torn file must not become the
  // file, nor replace the copy of the good content.
  NoTemporaryFiles();
  EXPECT_FALSE(WriteFileSafely(file_, "torn plus a change\r\n", InPlace()));
  EXPECT_EQ(ReadBytes(file_), old_);
  EXPECT_TRUE(StateEntries().empty());
}

TEST_F(InPlaceTest, TheStartUpCheckWaitsForARewriteInProgress) {
  KilledWrite([](SafeFileStep s) { return s == SafeFileStep::Restore; });
  const std::string torn = ReadBytes(file_);
  // This process stands for a writer still at work: it holds the file.
  const int fd = ::open(file_.c_str(), O_RDWR | O_CLOEXEC);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::flock(fd, LOCK_EX), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::close(fd);  // the lock stays with the parent's descriptor
    ::_exit(RestoreInterruptedRewrite(file_) ? 0 : 1);
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  int status = 0;
  EXPECT_EQ(::waitpid(child, &status, WNOHANG), 0) << "did not wait for the writer";
  EXPECT_EQ(ReadBytes(file_), torn);
  ::close(fd);
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(ReadBytes(file_), old_);
}

}  // namespace
}  // namespace numerina
