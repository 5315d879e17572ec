// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/safefile.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <utility>

#include "base/bytes.h"
#include "base/statefolder.h"

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

bool WriteAll(int fd, std::string_view bytes, bool positioned,
              SafeFileStep step = SafeFileStep::Write) {
  std::size_t done = 0;
  std::size_t limit = bytes.size();
  const bool fail = Injected(step);
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
int OpenTemp(const std::string& dir, const std::string& base, std::string& tempPath) {
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

int CreateTemp(const std::string& dir, const std::string& base, std::string& tempPath) {
  if (Injected(SafeFileStep::CreateTemp)) return -1;
  return OpenTemp(dir, base, tempPath);
}

// A rewrite in place is not atomic: a kill or a power cut in the middle
// leaves new bytes followed by old ones. So the old content goes first to a
// copy in the user's state folder, made durable (and complete: written to a
// temporary file and renamed), then the file is rewritten, then the copy
// goes. A copy still there means the rewrite did not finish; the next start
// puts it back (RestoreInterruptedRewrite). The copy's header:
//   "NMRNCPY1", the old content's length and FNV-1a 64, the new content's
//   length and FNV-1a 64 (8 bytes each, little endian)
// then the old content.
constexpr std::string_view kCopyMagic = "NMRNCPY1";
constexpr std::size_t kCopyHead = kCopyMagic.size() + 4 * 8;

// One copy per target file, named after the target's full name.
std::string CopyPathFor(const std::string& target) {
  const std::string folder = UserStateFolder();
  if (folder.empty()) return {};
  char name[48];
  std::snprintf(name, sizeof name, "riscrittura-%016llx.copia",
                static_cast<unsigned long long>(Fnv1a64(target)));
  return folder + "/" + name;
}

// The whole content of an open file, from its start.
bool ReadFd(int fd, std::string& out) {
  out.clear();
  struct stat st;
  if (::fstat(fd, &st) == 0 && st.st_size > 0) out.reserve(static_cast<std::size_t>(st.st_size));
  char buffer[65536];
  for (off_t at = 0;;) {
    const ssize_t n = ::pread(fd, buffer, sizeof buffer, at);
    if (n == 0) return true;
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    out.append(buffer, static_cast<std::size_t>(n));
    at += n;
  }
}

// Rewriters of one file, and the start-up check, take turns: a second
// calculator must not put a copy back while the first is still writing.
void Lock(int fd) {
  while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {}
}

bool WriteCopy(const std::string& copyPath, std::string_view old, std::string_view now) {
  const std::string dir = DirOf(copyPath);
  std::error_code ignored;
  std::filesystem::create_directories(dir, ignored);
  RemoveOrphanTemps(dir, BaseOf(copyPath));
  std::string tempPath;
  const int fd = OpenTemp(dir, BaseOf(copyPath), tempPath);
  if (fd < 0) return false;
  std::string head(kCopyMagic);
  PutLe<std::uint64_t>(head, old.size());
  PutLe<std::uint64_t>(head, Fnv1a64(old));
  PutLe<std::uint64_t>(head, now.size());
  PutLe<std::uint64_t>(head, Fnv1a64(now));
  bool ok = ::fchmod(fd, 0600) == 0 && WriteAll(fd, head, false, SafeFileStep::CopyWrite) &&
            WriteAll(fd, old, false, SafeFileStep::CopyWrite) && Sync(fd);
  ok = Close(fd) && ok;
  if (ok) ok = ::rename(tempPath.c_str(), copyPath.c_str()) == 0;
  if (!ok) {
    ::unlink(tempPath.c_str());
    return false;
  }
  SyncFolder(dir);
  return true;
}

void DropCopy(const std::string& copyPath) {
  ::unlink(copyPath.c_str());
  SyncFolder(DirOf(copyPath));
}

bool OverwriteWith(int fd, std::string_view bytes, SafeFileStep step) {
  return WriteAll(fd, bytes, true, step) &&
         ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && Sync(fd);
}

// What a copy holds, when it is whole.
struct SavedCopy {
  std::string_view old;
  std::uint64_t newSize = 0;
  std::uint64_t newHash = 0;
};

std::optional<SavedCopy> ParseCopy(std::string_view bytes) {
  if (bytes.size() < kCopyHead || bytes.substr(0, kCopyMagic.size()) != kCopyMagic) return {};
  SavedCopy copy;
  copy.old = bytes.substr(kCopyHead);
  const std::size_t at = kCopyMagic.size();
  if (GetLe<std::uint64_t>(bytes.data() + at) != copy.old.size() ||
      GetLe<std::uint64_t>(bytes.data() + at + 8) != Fnv1a64(copy.old))
    return {};
  copy.newSize = GetLe<std::uint64_t>(bytes.data() + at + 16);
  copy.newHash = GetLe<std::uint64_t>(bytes.data() + at + 24);
  return copy;
}

// With the target open and locked: finishes what a copy left behind. The
// file goes back to the old content unless it already holds the whole new
// one; a copy that is not whole is never put back. False when the copy had
// to stay (the old content could not be written back).
bool SettleCopy(int fd, const std::string& copyPath) {
  const int in = ::open(copyPath.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return errno == ENOENT;
  std::string saved;
  const bool read = ReadFd(in, saved);
  ::close(in);
  if (!read) return false;
  const std::optional<SavedCopy> copy = ParseCopy(saved);
  std::string now;
  if (copy && ReadFd(fd, now) && now != copy->old &&
      !(now.size() == copy->newSize && Fnv1a64(now) == copy->newHash)) {
    if (!OverwriteWith(fd, copy->old, SafeFileStep::Write)) return false;
  }
  DropCopy(copyPath);
  return true;
}

bool WriteInPlace(const std::string& target, std::string_view bytes) {
  if (Injected(SafeFileStep::InPlaceOpen)) return false;
  const std::string copyPath = CopyPathFor(target);
  // Without a place for the copy the file is not risked.
  if (copyPath.empty()) return false;
  // No O_TRUNC: the old bytes stay until the new ones overwrite them, and the
  // length is cut only after everything is written.
  const int fd = ::open(target.c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) return false;
  Lock(fd);
  bool ok = false;
  std::string old;
  struct stat copyStat;
  if (::lstat(copyPath.c_str(), &copyStat) == 0) {
    // A writer was killed and its copy is still there: the bytes asked for
    // were computed from a file that may be torn. Put the old content back
    // and report the write as failed.
    SettleCopy(fd, copyPath);
  } else if (ReadFd(fd, old) && WriteCopy(copyPath, old, bytes)) {
    ok = OverwriteWith(fd, bytes, SafeFileStep::Write);
    // A failed rewrite (disk full on a sparse file, an I/O error) puts the
    // old content back at once; should that fail too the copy stays.
    if (ok || OverwriteWith(fd, old, SafeFileStep::Restore)) DropCopy(copyPath);
  }
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

namespace numerina {

bool RestoreInterruptedRewrite(const std::string& path) {
  const std::string target = ResolveLinkTarget(path);
  if (target.empty()) return true;
  const std::string copyPath = CopyPathFor(target);
  struct stat st;
  if (copyPath.empty() || ::lstat(copyPath.c_str(), &st) != 0) return true;
  const int fd = ::open(target.c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) return false;
  Lock(fd);
  const bool settled = SettleCopy(fd, copyPath);
  ::close(fd);
  return settled;
}

}  // namespace numerina
