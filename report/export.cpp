// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/export.h"

#include "base/cp1252.h"
#include "base/safefile.h"

namespace numerina {

std::string TapeFileBytes(std::string_view tape) {
  std::string bytes = ToCp1252(tape);
  bytes += "\r\n";
  return bytes;
}

bool SalvaReportFile(const std::string& path, std::string_view tape) {
  // No in-place fallback here: the user learns of a failure and can choose
  // another folder, while an earlier report must never be half-overwritten.
  return WriteFileSafely(path, TapeFileBytes(tape));
}

}  // namespace numerina
