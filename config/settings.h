// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings file's one section and its keys, and the rules that turn a
// stored text into a setting. Every rule accepts any text: a value edited by
// hand into nonsense gives a default, never a stop.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace numerina {

inline constexpr std::string_view kSection = "Opzioni";

inline constexpr std::string_view kPrimoPiano = "PrimoPiano";
inline constexpr std::string_view kReport = "Report";
inline constexpr std::string_view kDecimali = "Decimali";
inline constexpr std::string_view kPosizione = "Posizione";
inline constexpr std::string_view kBanner = "Banner";
inline constexpr std::string_view kBannerPos = "BannerPos";
inline constexpr std::string_view kNome = "Nome";
inline constexpr std::string_view kNomePos = "NomePos";
inline constexpr std::string_view kInfo = "Info";
inline constexpr std::string_view kLogoPic = "LogoPic";
inline constexpr std::string_view kLogoNome = "LogoNome";
// The nine lines of the information panel's text, key "1" the first line.
inline constexpr std::array<std::string_view, 9> kInfoLines = {"1", "2", "3", "4", "5",
                                                               "6", "7", "8", "9"};

// Every key in the order a freshly created file holds them.
inline constexpr std::array<std::string_view, 20> kAllKeys = {
    kPrimoPiano, kReport, kDecimali, kPosizione, kBanner, kBannerPos, kNome,
    kNomePos,    kInfo,   kLogoPic,  kLogoNome,  "1",     "2",        "3",
    "4",         "5",     "6",       "7",        "8",     "9"};

// The leading number of a text: blanks skipped, then an optional sign,
// digits, and one "." with digits; anything else ends it. " 3000" is 3000,
// "1e3" is 1, "abc" is 0, "-2.5x" is -2.5, ".5" is 0.5. A number too large
// for a double gives plus or minus infinity.
double LeadingNumber(std::string_view text);

// "PrimoPiano" and "Report": off only for exactly "0" (empty means on).
bool IsOffFlag(std::string_view v);
// "Info": on only for exactly "1".
bool IsInfoOn(std::string_view v);

// "Decimali": empty gives 2; otherwise the leading number taken to the
// nearest whole number, halves away from zero (2.5 gives 3), and a result
// outside 0..4 gives 2 (so 4.5 gives 2).
int DecimaliFromSetting(std::string_view v);

// A window position in twips (1/1440 inch, 15 to the pixel).
struct Twips {
  double top;
  double left;
};

// "Posizione": top, a comma, left, each read by the leading-number rule.
// nullopt (centre the window) for an empty text, a text without a comma, or
// a number that no window position can take (beyond the 32-bit range).
std::optional<Twips> PosizioneFromSetting(std::string_view v);

// The stored form of a position: "1500,3000". Whole twips only, so the
// separating comma can never be mistaken for a decimal comma.
std::string PosizioneText(long topTwips, long leftTwips);

// "BannerPos", by its leading number (a text with none reads as 0): empty
// or 0 the built-in logo at the top left; 1 the user's picture left of the
// currency keys; 2 the user's picture at the top left; any other number
// leaves both picture places as designed.
enum class BannerPlace { Logo, Banner1, Banner2, AsDesigned };
BannerPlace BannerPosFromSetting(std::string_view v);

// "NomePos", by its leading number: empty or 1 at the top left of the
// report panel, 2 at its bottom left, any other number (0 and texts with no
// number included) leaves the name where it is.
enum class NamePlace { Top, Bottom, Unchanged };
NamePlace NomePosFromSetting(std::string_view v);

// "Nome": the text itself, or the product's name (kProductName) when empty:
// the name the calculator shows.
std::string NomeFromSetting(std::string_view v);

}  // namespace numerina
