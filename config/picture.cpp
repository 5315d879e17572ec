#include "config/picture.h"

#include <filesystem>
#include <system_error>

#include "config/ini.h"

namespace numerina {

namespace fs = std::filesystem;

std::string PicturePath(std::string_view stored) {
  if (stored.empty()) return {};
  if (stored.front() == '/') return std::string(stored);
  // A relative path with folders is taken from the settings file's folder,
  // never from whatever folder the program was started in.
  if (stored.find('/') != std::string_view::npos) return SettingsFolder() + "/" + std::string(stored);
  const std::string inSettings = SettingsFolder() + "/" + std::string(stored);
  if (EsisteFile(inSettings)) return inSettings;
  const std::string inProgram = CartellaProgramma() + "/" + std::string(stored);
  if (EsisteFile(inProgram)) return inProgram;
  return inSettings;
}

std::string StoredPictureName(const std::string& chosen) {
  std::error_code ec;
  const fs::path file(chosen);
  if (!file.has_filename()) return chosen;
  const fs::path folder = fs::canonical(file.parent_path().empty() ? fs::path(".") : file.parent_path(), ec);
  if (ec) return chosen;
  const fs::path settings = fs::canonical(fs::path(SettingsFolder().empty() ? "/" : SettingsFolder()), ec);
  if (ec) return chosen;
  return folder == settings ? file.filename().string() : chosen;
}

}  // namespace numerina
