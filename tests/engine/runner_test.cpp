// SPDX-License-Identifier: GPL-3.0-or-later
// numerina-tape end to end: the binary, its options, its output and the
// bytes of the tape file.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

struct Result {
  int status = -1;
  std::string out;
  std::string err;
};

class RunnerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("numerina-tape-test-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Write(const std::string& name, const std::string& bytes) {
    const fs::path p = dir_ / name;
    std::ofstream(p, std::ios::binary) << bytes;
    return p.string();
  }
  static std::string Read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  // Runs the binary through the shell with stdin from a file.
  Result Run(const std::string& args, const std::string& input = "") {
    const std::string in = Write("stdin.txt", input);
    const std::string cmd = std::string(NUMERINA_TAPE_BIN) + " " + args + " <" + in + " 2>" +
                            (dir_ / "stderr.txt").string();
    Result r;
    FILE* pipe = ::popen(cmd.c_str(), "r");
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) r.out.append(buf, n);
    const int st = ::pclose(pipe);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    r.err = Read(dir_ / "stderr.txt");
    return r;
  }

  fs::path dir_;
};

TEST_F(RunnerTest, ReplaysScriptFromStandardInput) {
  const Result r = Run("", "12+3,5=\n");  // "," is ignored: 12 + 35
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "display: 47,\nentry: 47\nmemory: \ndecimals: 2\n");
  EXPECT_EQ(r.err, "");
}

TEST_F(RunnerTest, ScriptFileAndDash) {
  const std::string script = Write("s.keys", "7 / 0 =  5 [MS]");
  const std::string expected =
      "message: Impossibile dividere per zero\ndisplay: 5,\nentry: 5,\nmemory: M\ndecimals: 2\n";
  EXPECT_EQ(Run(script).out, expected);
  EXPECT_EQ(Run("-", "7/0=5[MS]").out, expected);
}

TEST_F(RunnerTest, CopyDecimalsAndClearAll) {
  const Result r = Run("--decimals 3", "1234.5[COPY][DEC+][DEC+][DEC+][C][COPY]. [COPY]");
  EXPECT_EQ(r.status, 0);
  // The toolbar stored 4 decimals; clear all reloads the stored value.
  EXPECT_EQ(r.out,
            "clipboard: 1.234,5\nclipboard: 0,\ndisplay: ,\nentry: ,\nmemory: \ndecimals: 4\n");
  // A disabled decimals button does nothing.
  EXPECT_EQ(Run("--decimals 0", "[DEC-][DEC-][DEC+]").out,
            "display: 0,\nentry: 0,\nmemory: \ndecimals: 1\n");
}

TEST_F(RunnerTest, TapeFileBytes) {
  const std::string tape = (dir_ / "tape.txt").string();
  ASSERT_EQ(Run("--tape " + tape, "12+").status, 0);
  EXPECT_EQ(Read(tape), "12,00\xA0\xA0\xA0+\r\n");
  ASSERT_EQ(Run("--tape " + tape + " --decimals 0", "8/2=4^+2!X").status, 0);
  EXPECT_EQ(Read(tape),
            "8\xA0\xA0\xA0\xF7\r\n2\xA0\xA0\xA0=\r\n-----------------------------------"
            "\r\n4\xA0\xA0\xA0\xA0\xA0\r\n"
            "\r\n4v\xB2+\r\n2\xB9xX\r\n");
  ASSERT_EQ(Run("--tape " + tape, "").status, 0);
  EXPECT_EQ(Read(tape), "\r\n");
}

TEST_F(RunnerTest, UnwritableTapeFails) {
  const Result r = Run("--tape " + (dir_ / "missing" / "tape.txt").string(), "5+");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "display: 5,\nentry: 5,\nmemory: \ndecimals: 2\n");
  EXPECT_NE(r.err, "");
}

TEST_F(RunnerTest, UsageErrors) {
  const std::string tape = (dir_ / "never.txt").string();
  const std::string script = Write("ok.keys", "1+1=");
  const std::string cases[] = {"--decimals 5",
                               "--decimals 12",
                               "--decimals",
                               "--decimals x",
                               "--decimals 2 --decimals 3",
                               "--tape " + tape + " --tape " + tape,
                               "--verbose",
                               "--tape",
                               script + " " + script,
                               (dir_ / "nope.keys").string(),
                               dir_.string(),
                               script + " --decimals 2"};
  for (const std::string& args : cases) {
    const Result r = Run("--tape " + tape + " " + args, "1+1=");
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_EQ(r.out, "") << args;
    EXPECT_NE(r.err, "") << args;
    EXPECT_FALSE(fs::exists(tape)) << args;
  }
  for (const std::string script : {"[NOPE]", "12[BACK", "\xc3\x28", "[back]"}) {
    const Result r = Run("--tape " + tape, script);
    EXPECT_EQ(r.status, 2) << script;
    EXPECT_EQ(r.out, "") << script;
    EXPECT_FALSE(fs::exists(tape)) << script;
  }
}

// --help and --version answer on standard output whatever else is given,
// without reading a script; an unknown option is a usage error.
TEST_F(RunnerTest, HelpAndVersion) {
  const std::string tape = (dir_ / "never.txt").string();
  const std::string cases[] = {"--version", "--decimals 3 --version",
                               "--tape " + tape + " --version"};
  for (const std::string& args : cases) {
    const Result r = Run(args, "1+1=");
    EXPECT_EQ(r.status, 0) << args;
    EXPECT_EQ(r.out, "numerina-tape " NUMERINA_VERSION "\n") << args;
    EXPECT_EQ(r.err, "") << args;
  }
  const Result help = Run("--help", "1+1=");
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.err, "");
  EXPECT_EQ(help.out.rfind("usage: numerina-tape [--decimals N]", 0), 0u) << help.out;
  for (const char* option : {"--decimals", "--tape", "--pdf", "--help", "--version"}) {
    EXPECT_NE(help.out.find(std::string("\n  ") + option + " "), std::string::npos) << option;
  }
  EXPECT_FALSE(fs::exists(tape));

  const Result unknown = Run("--helpme", "1+1=");
  EXPECT_EQ(unknown.status, 2);
  EXPECT_EQ(unknown.out, "");
  EXPECT_EQ(unknown.err,
            "numerina-tape: unknown option --helpme\n"
            "usage: numerina-tape [--decimals N] [--tape FILE] [--pdf FILE] [SCRIPT-FILE]\n");
}

TEST_F(RunnerTest, SquareOverflowMessageAndPaste) {
  const Result r = Run("", "[PASTE:1E+200][SQR]3[PASTE:abc]");
  EXPECT_EQ(r.out,
            "message: Numero troppo grande\ndisplay: 3,\nentry: 3,\nmemory: \ndecimals: 2\n");
}

TEST_F(RunnerTest, PasteReadsAnEnglishDecimalPoint) {
  const Result r = Run("", "[PASTE:12.5]+[PASTE:1.234]=[PASTE:1.234.5]");
  EXPECT_EQ(r.out, "display: 1.246,5\nentry: 1246,5\nmemory: \ndecimals: 2\n");
}

// Streams that never end or refuse the output: a usage error past 64 MiB,
// exit 1 when standard output cannot be written.
TEST_F(RunnerTest, EndlessScriptsAndAFullOutput) {
  const Result endless = Run("/dev/zero");
  EXPECT_EQ(endless.status, 2);
  EXPECT_EQ(endless.out, "");
  EXPECT_NE(endless.err.find("larger than 64 MiB"), std::string::npos) << endless.err;

  const Result full = Run("- >/dev/full", "1+1=");
  EXPECT_EQ(full.status, 1);
  EXPECT_NE(full.err.find("cannot write standard output"), std::string::npos) << full.err;
}

}  // namespace
