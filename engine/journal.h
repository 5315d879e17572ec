// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tape's journal: every change of the tape goes to a file in the user's
// state folder as it happens, so that a crash, a kill or a power cut does
// not lose the tape. Ending the program on purpose removes the file; a file
// still there at the next start holds the tape of a session that did not
// end on purpose.
//
// The file: an 8-byte header "NMRNST1\n", then records, each one write():
//   kind (1 byte, 'A': text appended to the tape)
//   length of the text (4 bytes, little endian)
//   FNV-1a 32 of the text (4 bytes, little endian)
//   the text (UTF-8, as the tape holds it)
// The tape emptied truncates the file to its header. A record cut short at
// the end (a write cut by a power cut) is dropped on reading.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace numerina {

// One journal in the state folder (base/statefolder.h) per program folder:
// two copies of the program in two folders are two calculators.
std::string JournalPath(std::string_view folder, std::string_view programFolder);

struct RecoveredTape {
  enum class Status {
    None,     // no journal: the last session ended on purpose (or never ran)
    Read,     // text holds the tape (possibly empty)
    Damaged,  // moved aside with the ".danneggiato" suffix
  };
  Status status = Status::None;
  std::string text;
  // Bytes of a last record cut short, dropped.
  std::size_t droppedBytes = 0;
};

// More than this is not a journal (a tape of a few million lines).
inline constexpr std::size_t kJournalMaxBytes = std::size_t{512} << 20;

// Reads the journal at path. A file that cannot be read as a journal (a
// folder, a device, a link, bad records, too large) is renamed with the
// ".danneggiato" suffix and one line goes to standard error.
RecoveredTape RecoverJournal(const std::string& path);

class Journal {
 public:
  Journal() = default;
  ~Journal();
  Journal(const Journal&) = delete;
  Journal& operator=(const Journal&) = delete;

  // Starts a journal at path holding tape (the tape as it stands), in place
  // of whatever was there. False when it cannot be written: the journal
  // then does nothing, silently.
  bool Open(const std::string& path, std::string_view tape);
  bool IsOpen() const { return fd_ >= 0; }

  // A change of the tape. True when the file was clean before: the caller
  // makes it durable (Sync) a moment later.
  bool Append(std::string_view fragment);
  void Clear();
  // Makes what was written durable.
  void Sync();
  bool Dirty() const { return dirty_; }
  // The end on purpose: the file goes.
  void Remove();
  // Another end: the file stays, durable.
  void Close();

  // The bytes of one record, as Append writes them.
  static std::string Record(std::string_view text);

 private:
  void Fail();

  int fd_ = -1;
  bool dirty_ = false;
  std::string path_;
  std::string buffer_;
};

}  // namespace numerina
