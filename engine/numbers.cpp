// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "engine/decimal.h"

namespace numerina {
namespace {

void StripTrailingZeros(Decimal& d) {
  const auto last = d.digits.find_last_not_of('0');
  if (last == std::string::npos) {
    d.digits.clear();
    d.point = 0;
  } else {
    d.digits.resize(last + 1);
  }
}

// Adds one unit in the last place of d.digits (carry may add a digit).
void IncrementLast(Decimal& d) {
  std::size_t i = d.digits.size();
  while (i > 0) {
    --i;
    if (d.digits[i] != '9') {
      ++d.digits[i];
      return;
    }
    d.digits[i] = '0';
  }
  d.digits.insert(d.digits.begin(), '1');
  ++d.point;
}

// Keeps the first n digits, rounding up when `up`.
void Truncate(Decimal& d, std::size_t n, bool up) {
  d.digits.resize(n);
  if (up) IncrementLast(d);
  StripTrailingZeros(d);
}

// Mantissa digits and exponent of std::to_chars' scientific output.
struct Scientific {
  std::string digits;
  long exponent = 0;
};

Scientific ToScientific(double magnitude, int precision) {
  // 1 digit, ".", precision digits, "e", sign, up to 3 exponent digits.
  std::string buf(static_cast<std::size_t>(precision) + 16, '\0');
  const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), magnitude,
                               std::chars_format::scientific, precision);
  Scientific s;
  const char* p = buf.data();
  s.digits.reserve(static_cast<std::size_t>(precision) + 1);
  for (; p < r.ptr && *p != 'e'; ++p)
    if (*p != '.') s.digits.push_back(*p);
  if (p < r.ptr) {
    ++p;  // 'e'
    const bool neg = *p == '-';
    ++p;
    long e = 0;
    for (; p < r.ptr; ++p) e = e * 10 + (*p - '0');
    s.exponent = neg ? -e : e;
  }
  return s;
}

struct Pattern {
  bool grouping = false;
  int decimals = 0;
  bool fixed = true;  // false: trailing zeros dropped, comma always written
};

Pattern ReadPattern(std::string_view pattern) {
  Pattern p;
  const auto dot = pattern.find('.');
  const std::string_view whole = pattern.substr(0, dot);
  p.grouping = whole.find(',') != std::string_view::npos;
  if (dot != std::string_view::npos) {
    const std::string_view frac = pattern.substr(dot + 1);
    p.decimals = static_cast<int>(frac.size());
    p.fixed = frac.find('0') != std::string_view::npos;
  }
  return p;
}

std::string Render(Decimal d, const Pattern& pattern, bool minus) {
  RoundToDecimals(d, pattern.decimals);
  std::string out;
  if (minus) out.push_back('-');
  // Whole part.
  const long n = static_cast<long>(d.digits.size());
  if (d.point <= 0) {
    out.push_back('0');
  } else {
    const long wholeDigits = d.point;
    out.reserve(out.size() +
                static_cast<std::size_t>(wholeDigits + wholeDigits / 3 + pattern.decimals + 2));
    for (long i = 0; i < wholeDigits; ++i) {
      if (pattern.grouping && i > 0 && (wholeDigits - i) % 3 == 0) out.push_back('.');
      out.push_back(i < n ? d.digits[static_cast<std::size_t>(i)] : '0');
    }
  }
  // Decimals.
  std::string frac;
  for (long k = 0; k < pattern.decimals; ++k) {
    const long i = d.point + k;
    frac.push_back(i >= 0 && i < n ? d.digits[static_cast<std::size_t>(i)] : '0');
  }
  if (!pattern.fixed) {
    frac.erase(frac.find_last_not_of('0') + 1);
    out.push_back(',');
    out += frac;
  } else if (pattern.decimals > 0) {
    out.push_back(',');
    out += frac;
  }
  return out;
}

}  // namespace

Decimal RoundTo15(double x) {
  Decimal d;
  d.negative = std::signbit(x);
  if (x == 0 || !std::isfinite(x)) return d;
  const double m = std::fabs(x);
  // 25 significant digits decide the rounding at the 15th, unless digits 16
  // to 25 read exactly "5000000000": then the exact expansion (at most 767
  // significant digits for a double) decides.
  Scientific s = ToScientific(m, 24);
  bool up = s.digits[15] > '5' ||
            (s.digits[15] == '5' && s.digits.find_first_not_of('0', 16) != std::string::npos);
  if (s.digits[15] == '5' && !up) {
    s = ToScientific(m, 780);
    up = s.digits[15] >= '5';
  }
  d.digits = std::move(s.digits);
  d.point = s.exponent + 1;
  Truncate(d, 15, up);
  return d;
}

std::optional<Decimal> ScanNumber(std::string_view text) {
  std::size_t i = 0, end = text.size();
  while (i < end && text[i] == ' ') ++i;
  while (end > i && text[end - 1] == ' ') --end;
  Decimal d;
  if (i < end && text[i] == '-') {
    d.negative = true;
    ++i;
  }
  auto isDigit = [&](std::size_t k) { return k < end && text[k] >= '0' && text[k] <= '9'; };
  bool anyDigit = false;
  long wholeCount = 0;  // significant digits seen before the comma
  long leadingFracZeros = 0;
  bool seenComma = false;
  auto take = [&](char c) {
    anyDigit = true;
    if (d.digits.empty() && c == '0') {
      if (seenComma) ++leadingFracZeros;
      return;
    }
    d.digits.push_back(c);
    if (!seenComma) ++wholeCount;
  };
  // Whole part: digits, "." only between two digits.
  while (i < end) {
    if (isDigit(i)) {
      take(text[i++]);
    } else if (text[i] == '.' && i > 0 && isDigit(i - 1) && isDigit(i + 1) && anyDigit) {
      ++i;
    } else {
      break;
    }
  }
  if (i < end && text[i] == ',') {
    seenComma = true;
    ++i;
    while (isDigit(i)) take(text[i++]);
  }
  if (!anyDigit) return std::nullopt;
  long exponent = 0;
  if (i < end && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    bool negExp = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) negExp = text[i++] == '-';
    if (!isDigit(i)) return std::nullopt;
    while (isDigit(i)) {
      if (exponent < kExponentLimit) exponent = exponent * 10 + (text[i] - '0');
      ++i;
    }
    if (negExp) exponent = -exponent;
  }
  if (i != end) return std::nullopt;
  d.point =
      (d.digits.empty() ? 0 : (seenComma && wholeCount == 0 ? -leadingFracZeros : wholeCount)) +
      exponent;
  StripTrailingZeros(d);
  return d;
}

void RoundToDecimals(Decimal& d, int decimals) {
  if (d.IsZero()) return;
  const long keep = d.point + decimals;  // digits that stay
  const long n = static_cast<long>(d.digits.size());
  if (keep >= n) return;
  if (keep < 0) {  // below half of the last place kept
    d.digits.clear();
    d.point = 0;
    return;
  }
  const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
  if (keep == 0) {
    d.digits.clear();
    if (up) {
      d.digits.assign(1, '1');
      d.point += 1;
    } else {
      d.point = 0;
    }
    return;
  }
  Truncate(d, static_cast<std::size_t>(keep), up);
}

std::optional<double> ValueOf(const Decimal& d) {
  if (d.IsZero()) return d.negative ? -0.0 : 0.0;
  // Beyond these the result is certainly infinite or certainly zero.
  if (d.point > kPointLimit) return std::nullopt;
  if (d.point < -330) return d.negative ? -0.0 : 0.0;
  // Correct rounding needs at most 768 significant digits and whether any
  // further digit is non-zero (a sticky last digit keeps that).
  constexpr std::size_t kMaxDigits = 800;
  std::string buf;
  buf.reserve(std::min(d.digits.size(), kMaxDigits + 1) + 16);
  buf.push_back('0');
  buf.push_back('.');
  if (d.digits.size() > kMaxDigits) {
    buf.append(d.digits, 0, kMaxDigits);
    buf.push_back('1');
  } else {
    buf += d.digits;
  }
  buf.push_back('e');
  buf += std::to_string(d.point);
  double value = 0;
  const auto r = std::from_chars(buf.data(), buf.data() + buf.size(), value);
  if (r.ec == std::errc::result_out_of_range) {
    if (d.point > 0) return std::nullopt;
    value = 0;
  } else if (r.ec != std::errc() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return d.negative ? -value : value;
}

std::optional<double> ParseNumber(std::string_view text) {
  const std::optional<Decimal> d = ScanNumber(text);
  if (!d) return std::nullopt;
  return ValueOf(*d);
}

namespace {

// "1", "12.345", "123.456.789": groups of three after a first group of one
// to three digits that does not start with 0.
bool IsThousandsGrouping(std::string_view whole) {
  std::size_t group = 0;
  bool first = true;
  for (std::size_t k = 0; k <= whole.size(); ++k) {
    if (k == whole.size() || whole[k] == '.') {
      if (first ? group < 1 || group > 3 || whole[0] == '0' : group != 3) return false;
      first = false;
      group = 0;
    } else if (whole[k] >= '0' && whole[k] <= '9') {
      ++group;
    } else {
      return false;
    }
  }
  return true;
}

}  // namespace

std::optional<double> ParsePastedNumber(std::string_view text) {
  const auto point = text.find('.');
  if (point == std::string_view::npos) return ParseNumber(text);
  std::size_t start = text.find_first_not_of(' ');  // not npos: there is a point
  if (text[start] == '-') ++start;
  const std::string_view whole = text.substr(start, text.find_first_of(", Ee", start) - start);
  if (whole.find('.') != std::string_view::npos && IsThousandsGrouping(whole))
    return ParseNumber(text);
  if (text.find('.', point + 1) != std::string_view::npos ||
      text.find(',') != std::string_view::npos)
    return std::nullopt;
  std::string decimal(text);
  decimal[point] = ',';
  return ParseNumber(decimal);
}

std::string PlainNumberText(double x) {
  if (!std::isfinite(x)) return "0";
  const Decimal d = RoundTo15(x);
  if (d.IsZero()) return "0";
  std::string out;
  if (d.negative) out.push_back('-');
  const long n = static_cast<long>(d.digits.size());
  const long e = d.point - 1;  // exponent of the first digit
  if (e >= -4 && e <= 14) {
    if (d.point <= 0) {
      out += "0,";
      out.append(static_cast<std::size_t>(-d.point), '0');
      out += d.digits;
    } else {
      for (long i = 0; i < d.point; ++i)
        out.push_back(i < n ? d.digits[static_cast<std::size_t>(i)] : '0');
      if (n > d.point) {
        out.push_back(',');
        out.append(d.digits, static_cast<std::size_t>(d.point), std::string::npos);
      }
    }
    return out;
  }
  out.push_back(d.digits[0]);
  if (n > 1) {
    out.push_back(',');
    out.append(d.digits, 1, std::string::npos);
  }
  out.push_back('E');
  out.push_back(e < 0 ? '-' : '+');
  const std::string exp = std::to_string(e < 0 ? -e : e);
  if (exp.size() < 2) out.push_back('0');
  out += exp;
  return out;
}

std::optional<std::string> FormatScanned(std::optional<Decimal> d, std::string_view pattern) {
  if (!d) return std::nullopt;
  const Pattern p = ReadPattern(pattern);
  const bool textMinus = d->negative;  // the text starts with "-" (after blanks)
  // A text of at most 15 significant digits well inside the double range is
  // its own 15-digit rounding: the double nearest to it reads back the same.
  if (d->digits.size() <= 15 && d->point > -290 && d->point < 300) {
    return Render(std::move(*d), p, textMinus);
  }
  const std::optional<double> x = ValueOf(*d);
  if (!x) return std::nullopt;
  return Render(RoundTo15(*x), p, textMinus || *x < 0);
}

std::string FormatWithPattern(const NumberOrText& value, std::string_view pattern) {
  if (const double* x = std::get_if<double>(&value)) {
    if (!std::isfinite(*x)) return {};
    return Render(RoundTo15(*x), ReadPattern(pattern), *x < 0);
  }
  const std::string_view text = std::get<std::string_view>(value);
  std::optional<std::string> shown = FormatScanned(ScanNumber(text), pattern);
  return shown ? std::move(*shown) : std::string(text);
}

}  // namespace numerina
