// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/journal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "base/bytes.h"

namespace numerina {
namespace {

constexpr std::string_view kHeader = "NMRNST1\n";
constexpr std::size_t kRecordHead = 9;
constexpr char kAppend = 'A';

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Each missing folder of path, private to the user.
bool MakeFolders(const std::string& path) {
  for (std::size_t i = 1; i <= path.size(); ++i) {
    if (i < path.size() && path[i] != '/') continue;
    const std::string part = path.substr(0, i);
    if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

void MoveAside(const std::string& path, const char* why) {
  const std::string aside = path + ".danneggiato";
  const bool moved = ::rename(path.c_str(), aside.c_str()) == 0;
  std::fprintf(stderr, "numerina: nastro salvato illeggibile (%s): %s\n", why,
               moved ? aside.c_str() : path.c_str());
}

// The text of the records in data (after the header); false when they are
// not a journal's.
bool Replay(std::string_view data, RecoveredTape& out) {
  std::size_t pos = 0;
  while (pos < data.size()) {
    const std::size_t left = data.size() - pos;
    const char* p = data.data() + pos;
    if (left < kRecordHead) {
      out.droppedBytes = left;
      return true;
    }
    const std::uint32_t length = GetLe<std::uint32_t>(p + 1);
    const bool last = left - kRecordHead <= length;
    if (p[0] != kAppend) {
      // A power cut can leave the file's end as zeros.
      if (data.substr(pos).find_first_not_of('\0') == std::string_view::npos) {
        out.droppedBytes = left;
        return true;
      }
      return false;
    }
    if (left - kRecordHead < length) {
      out.droppedBytes = left;
      return true;
    }
    const std::string_view text(p + kRecordHead, length);
    if (Fnv1a32(text) != GetLe<std::uint32_t>(p + 5)) {
      if (last) {
        out.droppedBytes = left;
        return true;
      }
      return false;
    }
    out.text.append(text);
    pos += kRecordHead + length;
  }
  return true;
}

}  // namespace

std::string JournalPath(std::string_view folder, std::string_view programFolder) {
  // FNV-1a 64 of the folder, without a trailing slash.
  while (programFolder.size() > 1 && programFolder.back() == '/') programFolder.remove_suffix(1);
  const std::uint64_t h = Fnv1a64(programFolder);
  char name[40];
  std::snprintf(name, sizeof name, "nastro-%016llx.giornale", static_cast<unsigned long long>(h));
  return std::string(folder) + "/" + name;
}

RecoveredTape RecoverJournal(const std::string& path) {
  RecoveredTape out;
  struct stat link {};
  if (::lstat(path.c_str(), &link) != 0) return out;  // none
  const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
  struct stat st {};
  const char* why = nullptr;
  if (fd < 0)
    why = "non si apre";
  else if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
    why = "non è un file";
  else if (static_cast<std::uint64_t>(st.st_size) > kJournalMaxBytes)
    why = "troppo grande";
  std::string data;
  if (why == nullptr) {
    // Read no more than the size said, whatever the file does meanwhile.
    data.resize(static_cast<std::size_t>(st.st_size));
    std::size_t got = 0;
    while (got < data.size()) {
      const ssize_t n = ::read(fd, data.data() + got, data.size() - got);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      got += static_cast<std::size_t>(n);
    }
    data.resize(got);
    if (data.size() < kHeader.size()) {
      // The header is written whole before the file gets its name.
      if (!data.empty()) why = "intestazione";
    } else if (std::string_view(data).substr(0, kHeader.size()) != kHeader) {
      why = "intestazione";
    } else if (!Replay(std::string_view(data).substr(kHeader.size()), out)) {
      why = "record";
    }
  }
  if (fd >= 0) ::close(fd);
  if (why != nullptr) {
    MoveAside(path, why);
    return {RecoveredTape::Status::Damaged, {}, 0};
  }
  out.status = RecoveredTape::Status::Read;
  return out;
}

Journal::~Journal() { Close(); }

std::string Journal::Record(std::string_view text) {
  std::string out;
  out.reserve(kRecordHead + text.size());
  out.push_back(kAppend);
  PutLe<std::uint32_t>(out, static_cast<std::uint32_t>(text.size()));
  PutLe<std::uint32_t>(out, Fnv1a32(text));
  out.append(text);
  return out;
}

bool Journal::Open(const std::string& path, std::string_view tape) {
  Close();
  if (path.empty() || !MakeFolders(FolderOf(path))) return false;
  // The new journal is written whole beside the old one, then takes its
  // name: a crash meanwhile leaves one or the other, never half of one.
  const std::string temp = path + ".nuovo";
  ::unlink(temp.c_str());
  const int fd =
      ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_APPEND | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  std::string first(kHeader);
  if (!tape.empty()) first += Record(tape);
  if (!WriteAll(fd, first) || ::fdatasync(fd) != 0 || ::rename(temp.c_str(), path.c_str()) != 0) {
    ::close(fd);
    ::unlink(temp.c_str());
    return false;
  }
  fd_ = fd;
  path_ = path;
  dirty_ = false;
  return true;
}

bool Journal::Append(std::string_view fragment) {
  if (fd_ < 0 || fragment.empty()) return false;
  buffer_.clear();
  buffer_.push_back(kAppend);
  PutLe<std::uint32_t>(buffer_, static_cast<std::uint32_t>(fragment.size()));
  PutLe<std::uint32_t>(buffer_, Fnv1a32(fragment));
  buffer_.append(fragment);
  if (!WriteAll(fd_, buffer_)) {
    Fail();
    return false;
  }
  const bool wasClean = !dirty_;
  dirty_ = true;
  return wasClean;
}

void Journal::Clear() {
  if (fd_ < 0) return;
  if (::ftruncate(fd_, static_cast<off_t>(kHeader.size())) != 0) {
    Fail();
    return;
  }
  dirty_ = true;
  Sync();
}

void Journal::Sync() {
  if (fd_ < 0 || !dirty_) return;
  dirty_ = false;
  if (::fdatasync(fd_) != 0) Fail();
}

void Journal::Remove() {
  // Also after a failure: what the file held is no longer wanted.
  if (!path_.empty()) ::unlink(path_.c_str());
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  dirty_ = false;
  path_.clear();
}

void Journal::Close() {
  if (fd_ < 0) return;
  Sync();
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

void Journal::Fail() {
  // A journal that cannot be written is given up: the calculator goes on
  // as it would without one. What it holds so far stays for the next start.
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  dirty_ = false;
}

}  // namespace numerina
