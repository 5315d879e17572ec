// SPDX-License-Identifier: GPL-3.0-or-later
// The tape saved as a text file.

#include "report/export.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "base/safefile.h"
#include "tests/support/testdir.h"

namespace numerina {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

const std::string kNbsp = "\u00A0";

TEST(TapeFile, BytesAreWindows1252WithAFinalCrLf) {
  struct {
    std::string tape;
    std::string bytes;
  } const cases[] = {
      {"12,00" + kNbsp + kNbsp + kNbsp + "+", "12,00\xA0\xA0\xA0+\r\n"},
      {"", "\r\n"},
      {"1" + kNbsp + kNbsp + kNbsp + "÷", "1\xA0\xA0\xA0\xF7\r\n"},
      {"4,00v²=\r\n", "4,00v\xB2=\r\n\r\n"},
      {"0,50¹x", "0,50\xB9x\r\n"},
      {"€ 日", "\x80 ?\r\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(TapeFileBytes(c.tape), c.bytes) << c.tape;
}

TEST(TapeFile, ATotalBlockEndsWithTwoLineBreaks) {
  const std::string tape = "5,00" + kNbsp + kNbsp + kNbsp + "+\r\n3,00" + kNbsp + kNbsp + kNbsp +
                           "=\r\n" + std::string(35, '-') + "\r\n8,00" + kNbsp + kNbsp + kNbsp +
                           kNbsp + kNbsp + "\r\n";
  const std::string bytes = TapeFileBytes(tape);
  EXPECT_EQ(bytes.substr(bytes.size() - 4), "\r\n\r\n");
  EXPECT_EQ(bytes.size(), tape.size() - 11 + 2);  // eleven two-byte no-break spaces, one byte each
}

class SalvaReportTest : public ::testing::Test {
 protected:
  void TearDown() override { SetSafeFileFaultForTesting({}); }
  TempDir dir_;
};

TEST_F(SalvaReportTest, WritesAndReplacesCompletely) {
  const std::string file = dir_.File("Numerina desktop");
  ASSERT_TRUE(SalvaReportFile(file, "1" + kNbsp + "+\r\n2" + kNbsp + "=\r\nlong tail"));
  EXPECT_EQ(ReadBytes(file), "1\xA0+\r\n2\xA0=\r\nlong tail\r\n");
  ASSERT_TRUE(SalvaReportFile(file, "9"));
  EXPECT_EQ(ReadBytes(file), "9\r\n");
  EXPECT_EQ(dir_.Entries(), std::set<std::string>{"Numerina desktop"});
}

TEST_F(SalvaReportTest, AFailedSaveKeepsTheEarlierFile) {
  const std::string file = dir_.File("report.txt");
  WriteBytes(file, "earlier report\r\n");
  for (SafeFileStep failing : {SafeFileStep::CreateTemp, SafeFileStep::Write, SafeFileStep::Sync,
                               SafeFileStep::Close, SafeFileStep::Rename}) {
    SetSafeFileFaultForTesting([failing](SafeFileStep s) { return s == failing; });
    EXPECT_FALSE(SalvaReportFile(file, std::string(50000, '7')));
    EXPECT_EQ(ReadBytes(file), "earlier report\r\n");
    EXPECT_EQ(dir_.Entries(), std::set<std::string>{"report.txt"});
  }
}

TEST_F(SalvaReportTest, FailuresAreReported) {
  EXPECT_FALSE(SalvaReportFile(dir_.File("missing/report.txt"), "1"));
  EXPECT_FALSE(SalvaReportFile(dir_.Path(), "1"));
  EXPECT_FALSE(SalvaReportFile("", "1"));
  EXPECT_TRUE(dir_.Entries().empty());
}

TEST_F(SalvaReportTest, KeepsPermissionsAndFollowsLinks) {
  const std::string real = dir_.File("real.txt");
  WriteBytes(real, "old");
  ASSERT_EQ(::chmod(real.c_str(), 0604), 0);
  ASSERT_EQ(::symlink("real.txt", dir_.File("link.txt").c_str()), 0);
  ASSERT_TRUE(SalvaReportFile(dir_.File("link.txt"), "new"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir_.File("link.txt")));
  EXPECT_EQ(ReadBytes(real), "new\r\n");
  struct stat st;
  ASSERT_EQ(::stat(real.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0604u);
}

}  // namespace
}  // namespace numerina
