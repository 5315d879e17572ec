// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Replacing a file's whole content so that a failure at any step leaves the
// old content whole: the bytes go to a temporary file in the same folder,
// which is flushed to the disk and then renamed over the target.

#include <functional>
#include <string>
#include <string_view>

namespace numerina {

struct SafeWriteOptions {
  // When the folder refuses a temporary file (a read-only folder holding a
  // writable file), overwrite the existing file in place instead of failing.
  // The old content is first kept in a copy in the user's state folder
  // (base/statefolder.h); when that copy cannot be made whole (no state
  // folder, a full disk) the write fails and the file is not touched. The
  // settings file wants this; the report export does not.
  bool allowInPlaceFallback = false;
};

// Writes bytes as the new content of path. A path that is a symbolic link is
// written through to the file it points at, and the link stays a link. An
// existing file that the user may not write is refused. An existing file
// keeps its permission bits and, where allowed, its owner and group; a new
// file gets 0666 less the umask. Temporary files of the same target left by
// writers that were killed are removed first. Returns true when the bytes
// are on the disk under that name.
bool WriteFileSafely(const std::string& path, std::string_view bytes,
                     const SafeWriteOptions& options = {});

// The file steps, for tests that make one of them fail.
// CopyWrite is the writing of the in-place copy, Restore the putting back of
// the old content after a failed rewrite in place.
enum class SafeFileStep { CreateTemp, Write, Sync, Close, Rename, InPlaceOpen, CopyWrite, Restore };

// Installs a hook asked before each step; when it returns true, the step
// fails as an I/O error would (a failing Write writes half the bytes first).
// An empty function removes the hook.
void SetSafeFileFaultForTesting(std::function<bool(SafeFileStep)> fails);

// Finishes a rewrite in place of path that was cut short (killed, a power
// cut): when the copy of its old content is still there, the file gets the
// old content back unless it already holds the whole new one, and the copy
// goes. Waits for a rewrite of the same file in progress in another process.
// Meant for the start of a program. False when a copy is there and could
// not be dealt with (it then stays for the next try).
bool RestoreInterruptedRewrite(const std::string& path);

// Follows symbolic links from path to the name of the file they lead to
// (which need not exist yet). Gives path unchanged when it is not a link and
// the empty text when the links loop or cannot be read.
std::string ResolveLinkTarget(const std::string& path);

}  // namespace numerina
