// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Running a program as an ordinary user. Root passes every permission
// check, so when the tests run as root the program runs as "nobody" through
// setpriv; otherwise it runs as the current user. Where neither works the
// test is skipped, except under CI=true, where it fails.

#include <grp.h>
#include <pwd.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace numerina::testing {

inline bool AsRoot() { return ::geteuid() == 0; }

inline uid_t NobodyUid() {
  const passwd* pw = ::getpwnam("nobody");
  return pw != nullptr ? pw->pw_uid : static_cast<uid_t>(-1);
}
inline gid_t NogroupGid() {
  const group* gr = ::getgrnam("nogroup");
  return gr != nullptr ? gr->gr_gid : static_cast<gid_t>(-1);
}

// Empty when programs can be run unprivileged, else why not.
inline std::string UnprivilegedUnavailable() {
  if (!AsRoot()) return {};
  if (::access("/usr/bin/setpriv", X_OK) != 0) return "setpriv is missing";
  if (NobodyUid() == static_cast<uid_t>(-1) || NogroupGid() == static_cast<gid_t>(-1)) {
    return "no user nobody or group nogroup";
  }
  return {};
}

#define NUMERINA_NEED_UNPRIVILEGED()                                        \
  do {                                                                      \
    const std::string why = ::numerina::testing::UnprivilegedUnavailable(); \
    if (!why.empty()) {                                                     \
      const char* ci = std::getenv("CI");                                   \
      if (ci != nullptr && std::string(ci) == "true") FAIL() << why;        \
      GTEST_SKIP() << why;                                                  \
    }                                                                       \
  } while (0)

// Hands a file or folder to the user the programs run as (nobody under root).
inline void GiveToRunner(const std::string& path) {
  if (AsRoot()) {
    ASSERT_EQ(::chown(path.c_str(), NobodyUid(), NogroupGid()), 0) << path;
  }
}

inline std::string Quoted(const std::string& text) {
  std::string q = "'";
  for (char c : text) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

struct RunResult {
  int exitCode = -1;
  std::string output;
};

// Runs argv with exactly the environment env ("NAME=value" entries). group,
// when not empty, is a supplementary group the unprivileged user keeps.
inline RunResult RunUnprivileged(const std::vector<std::string>& argv,
                                 const std::vector<std::string>& env,
                                 const std::string& group = {}) {
  std::string command;
  if (AsRoot()) {
    command = "setpriv --reuid=nobody --regid=nogroup " +
              (group.empty() ? std::string("--clear-groups") : "--groups=" + group) + " ";
  }
  command += "env -i";
  for (const auto& e : env) command += " " + Quoted(e);
  for (const auto& a : argv) command += " " + Quoted(a);
  RunResult result;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) result.output += buffer;
  const int status = ::pclose(pipe);
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

}  // namespace numerina::testing
