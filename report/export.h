#pragma once
// The tape saved as a text file: Windows-1252, followed by one CR LF.

#include <string>
#include <string_view>

namespace numerina {

// The bytes of the exported tape.
std::string TapeFileBytes(std::string_view tape);

// Writes the tape to path; false when it could not be written.
bool SalvaReportFile(const std::string& path, std::string_view tape);

}  // namespace numerina
