// SPDX-License-Identifier: GPL-3.0-or-later
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
  if (stored.find('/') != std::string_view::npos)
    return SettingsFolder() + "/" + std::string(stored);
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
  const fs::path folder =
      fs::canonical(file.parent_path().empty() ? fs::path(".") : file.parent_path(), ec);
  if (ec) return chosen;
  const std::string name = file.filename().string();
  auto same = [&folder](const std::string& other) {
    std::error_code err;
    const fs::path canonical = fs::canonical(fs::path(other.empty() ? "/" : other), err);
    return !err && canonical == folder;
  };
  if (same(SettingsFolder())) return name;
  // The program's folder is the second place a bare name is looked up:
  // only while the settings folder holds no file of that name.
  if (same(CartellaProgramma()) && !EsisteFile(SettingsFolder() + "/" + name)) return name;
  return chosen;
}

std::string NomeFile(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string ShortenPath(std::string_view path, const std::function<double(std::string_view)>& width,
                        double room) {
  if (width(path) <= room) return std::string(path);
  const std::size_t last = path.rfind('/');
  const std::string_view name = last == std::string_view::npos ? path : path.substr(last + 1);
  // The first folder with its slashes: "/home/" of "/home/u/x.bmp".
  std::string head;
  const std::size_t firstEnd = path.find('/', path.front() == '/' ? 1 : 0);
  if (firstEnd != std::string_view::npos && firstEnd < last)
    head = std::string(path.substr(0, firstEnd + 1));
  // Grow the tail one folder at a time while it still fits.
  std::string best;
  for (std::size_t cut = last; cut != std::string_view::npos && cut > firstEnd;
       cut = cut == 0 ? std::string_view::npos : path.rfind('/', cut - 1)) {
    std::string candidate = head + "..." + std::string(path.substr(cut));
    if (width(candidate) > room) break;
    best = std::move(candidate);
  }
  if (!best.empty()) return best;
  const std::string bare = ".../" + std::string(name);
  if (last != std::string_view::npos && width(bare) <= room) return bare;
  // Not even the name fits: its end, after "...". Whole UTF-8 characters
  // only, so the cut never splits an accented letter.
  std::size_t from = 0;
  while (from < name.size()) {
    std::string candidate = "..." + std::string(name.substr(from));
    if (width(candidate) <= room) return candidate;
    do ++from;
    while (from < name.size() && (static_cast<unsigned char>(name[from]) & 0xC0) == 0x80);
  }
  return "...";
}

}  // namespace numerina
