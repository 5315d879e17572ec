// SPDX-License-Identifier: GPL-3.0-or-later
// The tape's journal: what a crash, a kill or a power cut leaves is read
// back as the tape stood; what is not a journal is moved aside.

#include "engine/journal.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "report/export.h"
#include "tests/engine/harness.h"
#include "tests/support/testdir.h"
#include "tests/support/unprivileged.h"

namespace numerina {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;
using Status = RecoveredTape::Status;

// The engine's tape changes, written to a journal as the window does.
class JournalHost : public testing::RecordingHost {
 public:
  Journal journal;
  std::function<void()> changed;
  void TapeAppended(std::string_view fragment) override {
    RecordingHost::TapeAppended(fragment);
    journal.Append(fragment);
    if (changed) changed();
  }
  void TapeCleared() override {
    RecordingHost::TapeCleared();
    journal.Clear();
    if (changed) changed();
  }
};

std::vector<std::string> Lines(int n) {
  std::vector<std::string> out;
  for (int i = 0; i < n; ++i)
    out.push_back((i ? "\r\n" : "") + std::to_string(i * 7) + ",00\u00A0+");
  return out;
}

std::string Joined(const std::vector<std::string>& parts, std::size_t n) {
  std::string out;
  for (std::size_t i = 0; i < n; ++i) out += parts[i];
  return out;
}

TEST(JournalPath, OnePerProgramFolder) {
  EXPECT_EQ(JournalPath("/s", "/opt/a"), JournalPath("/s", "/opt/a/"));
  EXPECT_NE(JournalPath("/s", "/opt/a"), JournalPath("/s", "/opt/b"));
  EXPECT_EQ(JournalPath("/s", "/opt/a").rfind("/s/nastro-", 0), 0u);
}

TEST(Journal, NoFileIsNoJournal) {
  TempDir dir;
  EXPECT_EQ(RecoverJournal(dir.File("j")).status, Status::None);
}

TEST(Journal, ReadsBackAppendsAndClears) {
  TempDir dir;
  const std::string path = dir.Path() + "/a/b/j";
  Journal j;
  ASSERT_TRUE(j.Open(path, "earlier"));
  EXPECT_TRUE(j.Append("\r\none"));
  EXPECT_FALSE(j.Append("\r\ntwo"));  // already unsynced
  j.Sync();
  EXPECT_FALSE(j.Dirty());
  EXPECT_EQ(RecoverJournal(path).text, "earlier\r\none\r\ntwo");
  j.Clear();
  RecoveredTape r = RecoverJournal(path);
  EXPECT_EQ(r.status, Status::Read);
  EXPECT_EQ(r.text, "");
  j.Append("x");
  EXPECT_EQ(RecoverJournal(path).text, "x");
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  ASSERT_EQ(::stat((dir.Path() + "/a").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  j.Close();
  EXPECT_EQ(RecoverJournal(path).text, "x");  // another end keeps it
  ASSERT_TRUE(j.Open(path, ""));
  j.Remove();
  EXPECT_EQ(RecoverJournal(path).status, Status::None);
  EXPECT_EQ(dir.Entries(), (std::set<std::string>{"a"}));
}

TEST(Journal, TornLastRecordIsDroppedAtEveryByte) {
  TempDir dir;
  const std::string path = dir.File("j");
  const std::vector<std::string> lines = Lines(5);
  {
    Journal j;
    ASSERT_TRUE(j.Open(path, ""));
    for (const auto& l : lines) j.Append(l);
  }
  const std::string whole = ReadBytes(path);
  const std::size_t lastStart = whole.size() - Journal::Record(lines.back()).size();
  for (std::size_t cut = lastStart; cut < whole.size(); ++cut) {
    WriteBytes(path, whole.substr(0, cut));
    const RecoveredTape r = RecoverJournal(path);
    ASSERT_EQ(r.status, Status::Read) << cut;
    EXPECT_EQ(r.text, Joined(lines, 4)) << cut;
    EXPECT_EQ(r.droppedBytes, cut - lastStart) << cut;
  }
  // A power cut that left the end as zeros, or a last record garbled.
  WriteBytes(path, whole + std::string(40, '\0'));
  EXPECT_EQ(RecoverJournal(path).text, Joined(lines, 5));
  std::string garbled = whole;
  garbled.back() ^= 0x55;
  WriteBytes(path, garbled);
  EXPECT_EQ(RecoverJournal(path).text, Joined(lines, 4));
  WriteBytes(path, whole);
  EXPECT_EQ(RecoverJournal(path).text, Joined(lines, 5));
}

void ExpectMovedAside(const TempDir& dir, const std::string& path) {
  EXPECT_EQ(RecoverJournal(path).status, Status::Damaged);
  struct stat st {};
  EXPECT_NE(::lstat(path.c_str(), &st), 0);
  EXPECT_EQ(::lstat((path + ".danneggiato").c_str(), &st), 0);
  EXPECT_EQ(dir.Entries().size(), 1u);
}

TEST(Journal, DamageInsideIsMovedAside) {
  TempDir dir;
  const std::string path = dir.File("j");
  {
    Journal j;
    ASSERT_TRUE(j.Open(path, "first line"));
    j.Append("\r\nsecond");
  }
  std::string bytes = ReadBytes(path);
  bytes[8 + 9 + 2] ^= 1;  // a letter of the first record
  WriteBytes(path, bytes);
  ExpectMovedAside(dir, path);
}

TEST(Journal, RandomBytesAreMovedAside) {
  std::mt19937 rng(18);
  for (int trial = 0; trial < 200; ++trial) {
    TempDir dir;
    const std::string path = dir.File("j");
    std::string bytes(1 + rng() % 4096, '\0');
    for (char& c : bytes) c = static_cast<char>(rng());
    WriteBytes(path, bytes);
    ExpectMovedAside(dir, path);
  }
}

TEST(Journal, RandomRecordsAfterTheHeaderNeverCrash) {
  std::mt19937 rng(5);
  for (int trial = 0; trial < 500; ++trial) {
    TempDir dir;
    const std::string path = dir.File("j");
    std::string bytes = "NMRNST1\n";
    bytes += 'A';
    for (std::size_t i = 0, n = rng() % 600; i < n; ++i) bytes += static_cast<char>(rng());
    WriteBytes(path, bytes);
    const RecoveredTape r = RecoverJournal(path);
    EXPECT_NE(r.status, Status::None);
    EXPECT_LE(r.text.size(), bytes.size());
  }
}

TEST(Journal, FolderAndLinkToDevZeroAreMovedAside) {
  {
    TempDir dir;
    const std::string path = dir.File("j");
    ASSERT_EQ(::mkdir(path.c_str(), 0700), 0);
    ExpectMovedAside(dir, path);
  }
  {
    TempDir dir;
    const std::string path = dir.File("j");
    ASSERT_EQ(::symlink("/dev/zero", path.c_str()), 0);
    ExpectMovedAside(dir, path);
  }
  {
    TempDir dir;
    const std::string path = dir.File("j");
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    ExpectMovedAside(dir, path);
  }
}

TEST(Journal, HugeFileIsNotRead) {
  TempDir dir;
  const std::string path = dir.File("j");
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT, 0600);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(kJournalMaxBytes) + 1), 0);  // sparse
  ::close(fd);
  ExpectMovedAside(dir, path);
}

TEST(Journal, WritingThroughALinkIsRefused) {
  TempDir dir;
  const std::string target = dir.File("elsewhere");
  WriteBytes(target, "keep");
  ASSERT_EQ(::symlink(target.c_str(), dir.File("j.nuovo").c_str()), 0);
  Journal j;
  // The name is taken over only by a file of its own.
  j.Open(dir.File("j"), "tape");
  EXPECT_EQ(ReadBytes(target), "keep");
}

TEST(Journal, ReadOnlyStateFolderIsSilent) {
  NUMERINA_NEED_UNPRIVILEGED();
  TempDir dir;
  const std::string folder = dir.File("state");
  ASSERT_EQ(::mkdir(folder.c_str(), 0500), 0);
  testing::GiveToRunner(folder);
  const pid_t pid = ::fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    if (testing::AsRoot() &&
        (::setgid(testing::NogroupGid()) != 0 || ::setuid(testing::NobodyUid()) != 0))
      ::_exit(3);
    JournalHost host;
    Engine engine(host);
    engine.Initialise();
    const bool opened = host.journal.Open(JournalPath(folder, "/p"), "");
    for (int d : {1, 2}) engine.Click(KeyRef{Button::Number, d});
    host.journal.Sync();
    host.journal.Remove();
    ::_exit(opened ? 1 : 0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  ::chmod(folder.c_str(), 0700);
  EXPECT_TRUE(std::filesystem::is_empty(folder));
}

// Keys typed at random (clear entry now and then), each tape change
// reported on a pipe once it is in the journal.
std::string RandomKeys(std::mt19937& rng, int n) {
  static const char* kKeys[] = {"1", "2", "3", "5", "7", "0", ".", "+", "+", "-", "=", "X", "/"};
  std::string script;
  for (int i = 0; i < n; ++i) script += (rng() % 400 == 0) ? "[CE]" : kKeys[rng() % 13];
  return script;
}

TEST(Journal, KillNineLosesAtMostTheRecordBeingWritten) {
  TempDir dir;
  std::mt19937 rng(9);
  for (int trial = 0; trial < 120; ++trial) {
    const std::string path = dir.File("j" + std::to_string(trial));
    const std::string keys = RandomKeys(rng, 6000);
    // The tape after each change, as the same keys give it.
    std::vector<std::string> states{""};
    {
      JournalHost host;
      host.changed = [&] { states.push_back(host.tapeMirror); };
      Engine engine(host);
      engine.SetDecimalPlaces(2);
      engine.Initialise();
      const tape::ParseResult parsed = tape::ParseScript(keys);
      for (const auto& a : parsed.actions) engine.Click(a.key);
    }
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      ::close(fds[0]);
      JournalHost host;
      Engine engine(host);
      engine.SetDecimalPlaces(2);
      engine.Initialise();
      if (!host.journal.Open(path, "")) ::_exit(2);
      std::size_t n = 0;
      host.changed = [&] {
        if (++n % 200 == 0) host.journal.Sync();
        (void)!::write(fds[1], "c", 1);
      };
      (void)!::write(fds[1], "r", 1);
      const tape::ParseResult parsed = tape::ParseScript(keys);
      for (const auto& a : parsed.actions) engine.Click(a.key);
      ::pause();
      ::_exit(0);
    }
    ::close(fds[1]);
    char c = 0;
    ASSERT_EQ(::read(fds[0], &c, 1), 1);
    ::usleep(static_cast<useconds_t>(rng() % 4000));
    ::kill(pid, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    std::size_t done = 0;
    char buf[4096];
    for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) > 0;) done += static_cast<std::size_t>(n);
    ::close(fds[0]);
    ASSERT_LT(done, states.size());
    const RecoveredTape r = RecoverJournal(path);
    ASSERT_EQ(r.status, Status::Read) << trial;
    const bool atKill = r.text == states[done];
    const bool beingWritten = done + 1 < states.size() && r.text == states[done + 1];
    EXPECT_TRUE(atKill || beingWritten) << "trial " << trial << " after " << done << " changes";
    // The kernel may stop a killed writer where its record crosses a page:
    // the torn record is then dropped, and only it.
    if (r.droppedBytes != 0) {
      EXPECT_TRUE(atKill) << "trial " << trial;
      EXPECT_LT(r.droppedBytes, 4096u) << "trial " << trial;
    }
  }
}

TEST(Journal, AMillionLinesAreRead) {
  TempDir dir;
  const std::string path = dir.File("j");
  const std::vector<std::string> lines = Lines(1000);
  {
    Journal j;
    ASSERT_TRUE(j.Open(path, ""));
    for (int i = 0; i < 1000000; ++i) j.Append(lines[static_cast<std::size_t>(i % 999) + 1]);
  }
  const RecoveredTape r = RecoverJournal(path);
  ASSERT_EQ(r.status, Status::Read);
  EXPECT_EQ(static_cast<std::size_t>(std::count(r.text.begin(), r.text.end(), '\n')), 1000000u);
}

TEST(Journal, RestoredTapeExportsAsTypedAnew) {
  TempDir dir;
  const std::string path = dir.File("j");
  const char* keys = "12.5+7X3=[CE]4+4+8/2=9-";
  JournalHost typed;
  Engine a(typed);
  a.SetDecimalPlaces(2);
  a.Initialise();
  ASSERT_TRUE(typed.journal.Open(path, ""));
  for (const auto& k : tape::ParseScript(keys).actions) a.Click(k.key);
  typed.journal.Close();
  ASSERT_FALSE(a.Pcalc().Empty());

  const RecoveredTape r = RecoverJournal(path);
  JournalHost restored;
  Engine b(restored);
  b.SetDecimalPlaces(2);
  b.Initialise();
  b.RestoreTape(r.text);
  EXPECT_EQ(b.Pcalc().Text(), a.Pcalc().Text());
  EXPECT_EQ(restored.tapeMirror, a.Pcalc().Text());
  EXPECT_EQ(b.Display(), "0,");  // nothing computed
  EXPECT_EQ(TapeFileBytes(b.Pcalc().Text()), TapeFileBytes(a.Pcalc().Text()));
  ASSERT_TRUE(SalvaReportFile(dir.File("a.txt"), a.Pcalc().Text()));
  ASSERT_TRUE(SalvaReportFile(dir.File("b.txt"), b.Pcalc().Text()));
  EXPECT_EQ(ReadBytes(dir.File("b.txt")), ReadBytes(dir.File("a.txt")));
}

}  // namespace
}  // namespace numerina
