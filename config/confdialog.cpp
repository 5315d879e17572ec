// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/confdialog.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "config/ini.h"
#include "config/settings.h"

namespace numerina {
namespace {

// An entry of the dialog's two lists from its stored number: 1 and 2 as
// they are, anything else (empty, 0, a number edited by hand) as none.
int EntryOf(std::string_view stored) {
  const double n = LeadingNumber(stored);
  return n == 1 ? 1 : n == 2 ? 2 : 0;
}

}  // namespace

std::vector<std::pair<std::string_view, std::string>> SaveEntries(const ConfigValues& v) {
  std::vector<std::pair<std::string_view, std::string>> out;
  out.emplace_back(kPrimoPiano, v.primoPiano ? "1" : "0");
  const bool picture = !v.banner.empty();
  out.emplace_back(kBanner, picture ? v.banner : "");
  out.emplace_back(kBannerPos, picture ? std::to_string(v.bannerPos) : "");
  const bool name = !v.nome.empty();
  out.emplace_back(kNome, name ? v.nome : "");
  out.emplace_back(kNomePos, name ? std::to_string(v.nomePos) : "");
  out.emplace_back(kInfo, v.info ? "1" : "0");
  if (v.info) {
    out.emplace_back(kLogoPic, v.logoPic);
    out.emplace_back(kLogoNome, v.logoNome);
    for (std::size_t n = 0; n < kInfoLines.size(); ++n) out.emplace_back(kInfoLines[n], v.lines[n]);
  }
  return out;
}

void SalvaImpostazioni(const ConfigValues& v) {
  for (const auto& [key, value] : SaveEntries(v)) ScriviIni(kSection, key, value);
}

std::optional<ConfigValues> LeggiImpostazioni() {
  if (!EsisteFile(SettingsFilePath())) return std::nullopt;
  ConfigValues v;
  v.primoPiano = !IsOffFlag(LeggiIni(kSection, kPrimoPiano));
  v.bannerPos = EntryOf(LeggiIni(kSection, kBannerPos));
  v.banner = LeggiIni(kSection, kBanner);
  v.nomePos = EntryOf(LeggiIni(kSection, kNomePos));
  v.nome = LeggiIni(kSection, kNome);
  v.info = IsInfoOn(LeggiIni(kSection, kInfo));
  if (v.info) {
    v.logoPic = LeggiIni(kSection, kLogoPic);
    v.logoNome = LeggiIni(kSection, kLogoNome);
    for (std::size_t n = 0; n < kInfoLines.size(); ++n) {
      std::string line = LeggiIni(kSection, kInfoLines[n]);
      v.lines[n] = line.empty() ? " " : std::move(line);
    }
  }
  return v;
}

void AzzeraImpostazioni() {
  for (std::string_view key : kAllKeys) ScriviIni(kSection, key, "");
}

bool EliminaImpostazioni() {
  const std::string path = SettingsFilePath();
  // Deleting needs only the folder's permission; a file locked read-only
  // for this user is a setting someone wants kept.
  if (::access(path.c_str(), W_OK) != 0) return false;
  return std::remove(path.c_str()) == 0;
}

std::optional<PictureLimit> PictureLimitOf(int place) {
  switch (place) {
    case 1: return PictureLimit{113, 27, MessageCode::PictureTooLargeBanner};
    case 2: return PictureLimit{75, 17, MessageCode::PictureTooLargeTop};
    case 3: return PictureLimit{276, 196, MessageCode::PictureTooLargeInfo};
    default: return std::nullopt;
  }
}

bool PictureTooLarge(int place, int width, int height) {
  const std::optional<PictureLimit> limit = PictureLimitOf(place);
  if (!limit) return false;
  return width > limit->width || height > limit->height;
}

}  // namespace numerina
