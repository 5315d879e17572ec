// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Exact decimal digits of a number, the form every formatting step works on.
// value = (negative ? -1 : 1) * 0.d1 d2 ... dn * 10^point, i.e. "point" is the
// number of digits that stand before the decimal comma (it may be negative
// or larger than the digit count). Zero has no digits.

#include <optional>
#include <string>
#include <string_view>

namespace numerina {

struct Decimal {
  bool negative = false;
  std::string digits;  // significant digits, no leading or trailing zeros
  long point = 0;

  bool IsZero() const { return digits.empty(); }
};

// A double taken to 15 significant digits, halves away from zero; "halves"
// are judged on the double's exact binary value.
Decimal RoundTo15(double x);

// Exponent bounds of the scanner: far enough outside the double range that
// saturating there cannot change a result.
inline constexpr long kExponentLimit = 100000;

// The text of a number split into its digits, when ParseNumber's grammar
// accepts it (the magnitude is not checked here). The exponent saturates far
// outside the double range.
std::optional<Decimal> ScanNumber(std::string_view text);

// A point beyond this is certainly beyond the largest double.
inline constexpr long kPointLimit = 310;

// The double nearest to d (ParseNumber after the scan): nothing beyond the
// largest double. Only the first 800 digits and whether a later one is not
// zero are looked at.
std::optional<double> ValueOf(const Decimal& d);

// FormatWithPattern of a text scanned into d: nothing when the text itself
// is shown (it is not a number, or the number is too large).
std::optional<std::string> FormatScanned(std::optional<Decimal> d, std::string_view pattern);

// Rounds in place to `decimals` digits after the comma, halves away from zero.
void RoundToDecimals(Decimal& d, int decimals);

}  // namespace numerina
