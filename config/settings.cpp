// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/settings.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "base/product.h"

namespace numerina {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double LeadingNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const std::size_t start = i;
  while (i < text.size() && IsDigit(text[i])) ++i;
  if (i + 1 < text.size() && text[i] == '.' && IsDigit(text[i + 1])) {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i;
  }
  if (i == start) return 0.0;
  double value = 0.0;
  // from_chars reads exactly this grammar (no sign, no exponent here) and
  // does not depend on the C locale's decimal point.
  const auto result =
      std::from_chars(text.data() + start, text.data() + i, value, std::chars_format::fixed);
  if (result.ec == std::errc::result_out_of_range) {
    // Out of range is too large when the whole part holds a non-zero digit,
    // else too small (0.000...1), which is as good as zero.
    const std::string_view whole = text.substr(start, i - start);
    const bool huge = whole.substr(0, whole.find('.')).find_first_not_of('0') != whole.npos;
    value = huge ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return negative ? -value : value;
}

bool IsOffFlag(std::string_view v) { return v == "0"; }

bool IsInfoOn(std::string_view v) { return v == "1"; }

int DecimaliFromSetting(std::string_view v) {
  if (v.empty()) return 2;
  const double d = std::round(LeadingNumber(v));  // halves away from zero
  if (!(d >= 0.0 && d <= 4.0)) return 2;
  return static_cast<int>(d);
}

std::optional<Twips> PosizioneFromSetting(std::string_view v) {
  const auto comma = v.find(',');
  if (v.empty() || comma == std::string_view::npos) return std::nullopt;
  const Twips t{LeadingNumber(v.substr(0, comma)), LeadingNumber(v.substr(comma + 1))};
  constexpr double kLimit = 2147483647.0;
  if (!(std::fabs(t.top) <= kLimit && std::fabs(t.left) <= kLimit)) return std::nullopt;
  return t;
}

std::string PosizioneText(long topTwips, long leftTwips) {
  return std::to_string(topTwips) + "," + std::to_string(leftTwips);
}

BannerPlace BannerPosFromSetting(std::string_view v) {
  if (v.empty()) return BannerPlace::Logo;
  const double n = LeadingNumber(v);
  if (n == 0.0) return BannerPlace::Logo;
  if (n == 1.0) return BannerPlace::Banner1;
  if (n == 2.0) return BannerPlace::Banner2;
  return BannerPlace::AsDesigned;
}

NamePlace NomePosFromSetting(std::string_view v) {
  if (v.empty()) return NamePlace::Top;
  const double n = LeadingNumber(v);
  if (n == 1.0) return NamePlace::Top;
  if (n == 2.0) return NamePlace::Bottom;
  return NamePlace::Unchanged;
}

std::string NomeFromSetting(std::string_view v) {
  return v.empty() ? std::string(kProductName) : std::string(v);
}

}  // namespace numerina
