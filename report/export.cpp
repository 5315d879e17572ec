#include "report/export.h"

#include <fstream>

#include "engine/cp1252.h"

namespace numerina {

std::string TapeFileBytes(std::string_view tape) {
  std::string bytes = ToCp1252(tape);
  bytes += "\r\n";
  return bytes;
}

bool SalvaReportFile(const std::string& path, std::string_view tape) {
  const std::string bytes = TapeFileBytes(tape);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
}

}  // namespace numerina
