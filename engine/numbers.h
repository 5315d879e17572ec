// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Number conversions shared by the engine, the tape and the report.
// Texts use the Italian conventions: "," is the decimal separator, "." groups
// thousands. All texts are UTF-8 std::string.

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace numerina {

// Reads an Italian number: optional "-", digits with "." allowed only between
// two digits of the whole part, optional "," with digits, optional exponent
// ("E" or "e", optional sign, digits). Leading and trailing spaces are ignored.
// At least one digit must stand before the exponent. A magnitude beyond the
// largest double is not a number; an underflow reads as its nearest double.
std::optional<double> ParseNumber(std::string_view text);

// Reads a pasted number. Points are thousands points, as ParseNumber reads
// them, when every group after them has exactly three digits and the first
// group has one to three digits and does not start with 0 ("1.234",
// "12.345.678", "1.234,5"). A text with a single point that is not such a
// grouping and no comma comes from the English notation: its point is the
// decimal separator ("12.5", "0.750", "1234.567"). Any other text with a
// point that breaks the grouping ("1.234.5", "12.34,5") is not a number.
std::optional<double> ParsePastedNumber(std::string_view text);

// The plain text of a result: 15 significant digits, "," only when there are
// decimals, no grouping, exponent form outside 1E-4 .. 1E+14 ("1E+15",
// "1,5E-07"). Negative zero gives "0".
std::string PlainNumberText(double x);

// A value for FormatWithPattern: a double, or a text read with ParseNumber.
using NumberOrText = std::variant<double, std::string_view>;

// The number patterns the system uses.
inline constexpr std::string_view kDisplayPattern = "#,##0.##########";
inline constexpr std::string_view kCurrencyPattern = "#0.00";
inline constexpr std::string_view DecimalPatterns[5] = {"#,##0", "#,##0.0", "#,##0.#0", "#,##0.##0",
                                                        "#,##0.###0"};

// Formats a value: 15 significant digits first, then halves away from zero at
// the pattern's decimals. A text that is not a number comes back unchanged.
// A leading "-" is written when the value is below zero or when the text
// starts with "-" (so "-0," shows "-0,"); a double that is exactly zero has
// no minus.
std::string FormatWithPattern(const NumberOrText& value, std::string_view pattern);

}  // namespace numerina
