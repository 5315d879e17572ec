// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tape saved as a text file: Windows-1252, followed by one CR LF.

#include <string>
#include <string_view>

namespace numerina {

// The bytes of the exported tape.
std::string TapeFileBytes(std::string_view tape);

// Writes the tape to path; false when it could not be written. The file is
// replaced as a whole: a failed save leaves an earlier file of that name as
// it was. An existing file keeps its permissions, and a symbolic link is
// written through to the file it points at.
bool SalvaReportFile(const std::string& path, std::string_view tape);

}  // namespace numerina
