// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ini.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "base/safefile.h"
#include "base/utf8.h"
#include "config/initext.h"

namespace numerina {
namespace {

// The whole file, or nullopt when it cannot be read (missing, a folder).
std::optional<std::string> ReadWholeFile(const std::string& path) {
  if (path.empty()) return std::nullopt;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  // A rewrite in place holds the file's lock: never read its half-way state.
  while (::flock(fd, LOCK_SH) != 0 && errno == EINTR) {}
  struct stat st;
  std::string bytes;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0) {
    bytes.reserve(static_cast<std::size_t>(st.st_size));
  }
  char buffer[8192];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      return std::nullopt;
    }
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return bytes;
}

// Reads the file (a missing one counts as empty), lets edit compute the new
// bytes, and writes them back safely. False when the file could not be read
// or written or the edit refused its names.
template <typename Edit>
bool RewriteFile(const std::string& path, Edit edit) {
  // A rewrite cut short by another process is finished before reading, so
  // that the edit starts from a whole file.
  RestoreInterruptedRewrite(path);
  std::string old;
  if (EsisteFile(path)) {
    auto bytes = ReadWholeFile(path);
    // An existing file that cannot be read must not be replaced by a file
    // holding only the new key.
    if (!bytes) return false;
    old = std::move(*bytes);
  }
  const std::optional<std::string> updated = edit(std::string_view(old));
  if (!updated) return false;
  // Nothing changes (the same value again, a delete of what is not there):
  // the file is left alone, and a missing file is not created empty.
  if (*updated == old) return true;
  SafeWriteOptions options;
  options.allowInPlaceFallback = true;  // a setting must not be lost
  return WriteFileSafely(path, *updated, options);
}

std::string& SettingsFolderOverride() {
  static std::string folder;
  return folder;
}

}  // namespace

std::string cIniFile::Value() const {
  const auto bytes = ReadWholeFile(path_);
  if (bytes) {
    if (auto value = IniReadValue(*bytes, section_, key_)) return *value;
  }
  // The default comes through the same 255-character buffer as a value.
  return CutChars(default_, kIniValueMax);
}

void cIniFile::Value(std::string_view value) {
  Store(RewriteFile(
      path_, [&](std::string_view old) { return IniWriteValue(old, section_, key_, value); }));
}

void cIniFile::DeleteValue() {
  Store(RewriteFile(path_, [&](std::string_view old) -> std::optional<std::string> {
    return IniDeleteKey(old, section_, key_);
  }));
}

void cIniFile::DeleteSection() {
  Store(RewriteFile(path_, [&](std::string_view old) -> std::optional<std::string> {
    return IniDeleteSection(old, section_);
  }));
}

std::string cIniFile::INISection() const {
  const auto bytes = ReadWholeFile(path_);
  if (!bytes) return {};
  return IniSectionKeyList(*bytes, section_).value_or(std::string());
}

void cIniFile::INISection(std::string_view content) {
  Store(RewriteFile(
      path_, [&](std::string_view old) { return IniReplaceSection(old, section_, content); }));
}

std::string WithoutTrailingSlash(std::string folder) {
  if (!folder.empty() && folder.back() == '/') folder.pop_back();
  return folder;
}

std::string CartellaProgramma() {
  // The kernel's link to the running executable is already free of links;
  // a program started through a symbolic link still finds its own folder.
  std::string exe(4096, '\0');
  const ssize_t n = ::readlink("/proc/self/exe", exe.data(), exe.size());
  if (n > 0 && static_cast<std::size_t>(n) < exe.size()) {
    exe.resize(static_cast<std::size_t>(n));
    const auto slash = exe.rfind('/');
    if (slash != std::string::npos) return WithoutTrailingSlash(exe.substr(0, slash + 1));
  }
  // Without /proc: the current folder is the best remaining guess.
  std::string cwd(4096, '\0');
  if (::getcwd(cwd.data(), cwd.size()) != nullptr) {
    cwd.resize(cwd.find('\0'));
    return WithoutTrailingSlash(cwd);
  }
  return ".";
}

std::string UserSettingsFolder() {
  // XDG_CONFIG_HOME counts only as an absolute path; else $HOME/.config.
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config != nullptr && config[0] == '/') return WithoutTrailingSlash(config) + "/numerina";
  std::string home;
  if (const char* env = std::getenv("HOME"); env != nullptr && env[0] != '\0') {
    home = env;
  } else if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr) {
    home = pw->pw_dir;
  }
  return WithoutTrailingSlash(home) + "/.config/numerina";
}

std::string SettingsFolder() {
  const std::string& folder = SettingsFolderOverride();
  if (!folder.empty()) return folder;
  const std::string program = CartellaProgramma();
  // A file beside the program is the settings file, even read-only: an
  // administrator may lock the settings that way.
  if (EsisteFile(program + "/voldrin.ini")) return program;
  // A copy installed for the whole system never creates its file there, so
  // that one run by root cannot lock the settings of every other user.
  const bool installed = EsisteFile(program + "/numerina.installed");
  if (!installed && ::access((program.empty() ? "/" : program).c_str(), W_OK) == 0) return program;
  return UserSettingsFolder();
}

void SetSettingsFolderForTesting(std::string folder) {
  SettingsFolderOverride() = WithoutTrailingSlash(std::move(folder));
}

std::string SettingsFilePath() { return SettingsFolder() + "/voldrin.ini"; }

bool EsisteFile(const std::string& path) {
  struct stat st;
  return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool RipristinaIni() { return RestoreInterruptedRewrite(SettingsFilePath()); }

std::string LeggiIni(std::string_view section, std::string_view key) {
  cIniFile ini;
  ini.Path(SettingsFilePath());
  ini.Section(std::string(section));
  ini.Key(std::string(key));
  return ini.Value();
}

void ScriviIni(std::string_view section, std::string_view key, std::string_view value) {
  // The per-user folder is created by the first write.
  std::error_code ignored;
  std::filesystem::create_directories(SettingsFolder(), ignored);
  cIniFile ini;
  ini.Path(SettingsFilePath());
  ini.Section(std::string(section));
  ini.Key(std::string(key));
  ini.Value(value);
}

}  // namespace numerina
