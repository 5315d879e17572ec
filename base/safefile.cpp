// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/safefile.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <utility>

namespace numerina {
namespace {

std::function<bool(SafeFileStep)>& FaultHook() {
  static std::function<bool(SafeFileStep)> hook;
  return hook;
}

bool Injected(SafeFileStep step) {
  const auto& hook = FaultHook();
  if (hook && hook(step)) {
    errno = EIO;
    return true;
  }
  return false;
}

// Folder part of a path, "." for a bare name, "/" for a name in the root.
std::string DirOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string BaseOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool WriteAll(int fd, std::string_view bytes, bool positioned) {
  std::size_t done = 0;
  std::size_t limit = bytes.size();
  const bool fail = Injected(SafeFileStep::Write);
  if (fail) limit = bytes.size() / 2;  // a torn write: half the bytes land
  while (done < limit) {
    const ssize_t n =
        positioned ? ::pwrite(fd, bytes.data() + done, limit - done, static_cast<off_t>(done))
                   : ::write(fd, bytes.data() + done, limit - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  if (fail) errno = EIO;
  return !fail;
}

bool Sync(int fd) {
  if (Injected(SafeFileStep::Sync)) return false;
  while (::fsync(fd) != 0) {
    if (errno != EINTR) return false;
  }
  return true;
}

bool Close(int fd) {
  const bool fail = Injected(SafeFileStep::Close);
  // The descriptor is released even when the step is made to fail.
  const bool closed = ::close(fd) == 0;
  return closed && !fail;
}

// Makes the rename itself durable; a failure here does not undo the write.
void SyncFolder(const std::string& dir) {
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Temporary files of a target are named "." + name (cut to 100 bytes) +
// ".tmp" + the writer's process id + "-" + a counter. The leading dot hides
// them from file listings; the cut leaves room for the suffix.
std::string TempPrefix(const std::string& base) { return "." + base.substr(0, 100) + ".tmp"; }

std::string InFolder(const std::string& dir, const std::string& name) {
  return (dir == "/" ? std::string("/") : dir + "/") + name;
}

// A write killed half-way leaves its temporary file behind. Removes the
// temporary files of this target whose writing process no longer exists; a
// process of another user (EPERM) or a live one keeps its file.
void RemoveOrphanTemps(const std::string& dir, const std::string& base) {
  DIR* folder = ::opendir(dir.c_str());
  if (folder == nullptr) return;
  const std::string prefix = TempPrefix(base);
  while (const dirent* entry = ::readdir(folder)) {
    const std::string_view name(entry->d_name);
    if (name.size() <= prefix.size() || name.substr(0, prefix.size()) != prefix) continue;
    // The writer's process id, between the prefix and the "-".
    const std::string_view rest = name.substr(prefix.size());
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), pid);
    if (error != std::errc() || pid <= 0 || end == rest.data() + rest.size() || *end != '-')
      continue;
    if (pid == ::getpid()) continue;
    if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;
    ::unlinkat(::dirfd(folder), entry->d_name, 0);
  }
  ::closedir(folder);
}

// Opens a fresh temporary file beside the target.
int CreateTemp(const std::string& dir, const std::string& base, std::string& tempPath) {
  if (Injected(SafeFileStep::CreateTemp)) return -1;
  static std::atomic<unsigned> counter{0};
  const std::string prefix = InFolder(dir, TempPrefix(base)) + std::to_string(::getpid()) + "-";
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = prefix + std::to_string(counter.fetch_add(1));
    const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return fd;
    if (errno != EEXIST) return -1;
  }
  return -1;
}

bool WriteInPlace(const std::string& target, std::string_view bytes) {
  if (Injected(SafeFileStep::InPlaceOpen)) return false;
  // No O_TRUNC: the old bytes stay until the new ones overwrite them, and the
  // length is cut only after everything is written.
  const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes, true) && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 &&
            Sync(fd);
  ok = Close(fd) && ok;
  return ok;
}

}  // namespace

void SetSafeFileFaultForTesting(std::function<bool(SafeFileStep)> fails) {
  FaultHook() = std::move(fails);
}

std::string ResolveLinkTarget(const std::string& path) {
  std::string current = path;
  // The kernel's own limit on links followed in one lookup.
  for (int depth = 0; depth < 40; ++depth) {
    struct stat st;
    if (::lstat(current.c_str(), &st) != 0) {
      // A name that does not exist (yet) is where the file will be created;
      // any other error (a missing folder) shows up when writing.
      return current;
    }
    if (!S_ISLNK(st.st_mode)) return current;
    std::string link(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
    const ssize_t n = ::readlink(current.c_str(), link.data(), link.size());
    if (n < 0 || static_cast<std::size_t>(n) >= link.size()) return {};
    link.resize(static_cast<std::size_t>(n));
    if (link.empty()) return {};
    if (link.front() == '/' || current.find('/') == std::string::npos) {
      current = link;
    } else {
      current = current.substr(0, current.rfind('/') + 1) + link;
    }
  }
  return {};
}

bool WriteFileSafely(const std::string& path, std::string_view bytes,
                     const SafeWriteOptions& options) {
  if (path.empty()) return false;
  const std::string target = ResolveLinkTarget(path);
  if (target.empty()) return false;

  struct stat old;
  const bool exists = ::stat(target.c_str(), &old) == 0;
  // A folder, a device or a pipe is never replaced by a plain file.
  if (exists && !S_ISREG(old.st_mode)) return false;
  // Renaming over a file needs only the folder's permission: a file that the
  // user may not write (an administrator's read-only lock) must be checked
  // itself. AT_EACCESS asks for the effective user, as open() would.
  if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return false;

  const std::string dir = DirOf(target);
  RemoveOrphanTemps(dir, BaseOf(target));
  std::string tempPath;
  const int fd = CreateTemp(dir, BaseOf(target), tempPath);
  if (fd < 0) {
    if (options.allowInPlaceFallback && exists) return WriteInPlace(target, bytes);
    return false;
  }

  bool ok = true;
  if (exists) {
    // The owner can only be kept by a privileged writer; the group also by
    // an owner who belongs to it; the mode always (after the owner, since a
    // change of owner clears the set-id bits).
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
      [[maybe_unused]] const int grouped = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    }
    ok = ::fchmod(fd, old.st_mode & 07777) == 0;
  }
  ok = ok && WriteAll(fd, bytes, false) && Sync(fd);
  ok = Close(fd) && ok;
  if (ok && Injected(SafeFileStep::Rename)) ok = false;
  if (ok) ok = ::rename(tempPath.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(tempPath.c_str());
    return false;
  }
  SyncFolder(dir);
  return true;
}

}  // namespace numerina
