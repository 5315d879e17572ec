// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The configuration dialog's rules that need no window: what it reads when
// it opens, what it writes when it closes (keys and their order), the reset
// to empty keys, the restore that deletes the file, the in-place editor's
// measure and the picture size limits.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/messages.h"

namespace numerina {

// The content of the dialog's controls, as far as the settings go.
struct ConfigValues {
  bool primoPiano = true;
  // The chosen picture's stored name and the cboPic entry (0 none, 1, 2).
  std::string banner;
  int bannerPos = 0;
  // The name and the cboNome entry (0 none, 1, 2).
  std::string nome;
  int nomePos = 0;
  bool info = false;
  std::string logoPic;
  std::string logoNome;
  // The list rows, a blank line as a single space.
  std::array<std::string, 9> lines{" ", " ", " ", " ", " ", " ", " ", " ", " "};
};

// The keys the dialog writes on closing, in their order, with their values:
// "PrimoPiano", "Banner", "BannerPos", "Nome", "NomePos", "Info", and with
// the information box ticked "LogoPic", "LogoNome", "1" to "9". A picture
// or name that is empty writes its place empty too.
std::vector<std::pair<std::string_view, std::string>> SaveEntries(const ConfigValues& v);

// Writes SaveEntries through ScriviIni, one key after the other.
void SalvaImpostazioni(const ConfigValues& v);

// Reads the dialog's keys; nullopt when there is no settings file. An entry
// number outside 0 to 2 (edited by hand) reads as 0; an empty line as " ".
std::optional<ConfigValues> LeggiImpostazioni();

// Writes every key of the file with an empty value, in the file's order.
void AzzeraImpostazioni();

// The restore's deletion of the settings file. A file that this user may
// not write (an administrator's lock) is left alone, and so is a file that
// cannot be deleted: false, nothing changed. True when it is gone.
bool EliminaImpostazioni();

// The larger of two numbers (the in-place editor's width rule).
constexpr std::int32_t Massimo(std::int32_t a, std::int32_t b) { return a < b ? b : a; }
// The editor is never narrower than this, in pixels.
inline constexpr std::int32_t kEditorMinWidth = 50;

// Picture places and their largest size in pixels: 1 left of the Lire/Euro
// button, 2 top left of the calculator, 3 the information panel.
struct PictureLimit {
  int width;
  int height;
  MessageCode refusal;  // the message that refuses a larger picture
};
// nullopt for a place other than 1, 2 or 3 (never too large).
std::optional<PictureLimit> PictureLimitOf(int place);
// Too large: wider than the limit, or as wide at most and taller.
bool PictureTooLarge(int place, int width, int height);

}  // namespace numerina
