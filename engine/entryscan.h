// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The entry's number as ScanNumber reads it, kept up to date while keys add
// and remove characters at the entry's end, so that a key costs the same
// however long the entry has grown. Only the first kKept significant digits
// are kept, and whether any digit after them is not zero: that is all the
// conversion to a double looks at (see ParseNumber). Texts other than a
// sign, digits, one comma and an exponent are scanned whole.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/decimal.h"

namespace numerina {

class EntryScan {
 public:
  static constexpr std::size_t kKept = 800;

  // Scans a whole text.
  void Reset(std::string_view text);
  // The text gained c at its end / lost its last character c. Either may
  // leave the scan unable to follow (Follows() false): Reset then.
  void Push(char c);
  void Pop(char c);
  bool Follows() const { return follows_; }

  // ScanNumber's result, or one that converts and formats the same: digits
  // past kKept reduced to a single "1" when any of them is not zero, and
  // only the first sixteen digits of a number beyond kPointLimit.
  std::optional<Decimal> Number() const;
  // Changes whenever Number() may have changed.
  std::uint64_t Version() const { return version_; }
  // Where the comma is, std::string::npos without one.
  std::size_t CommaAt() const { return comma_; }

 private:
  bool CommaMovesPoint() const;
  void PushExponent(char c);

  bool follows_ = true;
  bool negative_ = false;
  std::size_t length_ = 0;      // characters of the text
  std::size_t digitChars_ = 0;  // digits, leading zeros included
  std::size_t comma_ = std::string::npos;
  std::size_t significant_ = 0;  // digits from the first non-zero one on
  std::size_t wholeSignificant_ = 0;
  std::size_t leadingFracZeros_ = 0;
  std::string head_;               // the first kKept significant digits
  long headLastNonZero_ = -1;      // in head_
  std::size_t nonZeroBeyond_ = 0;  // non-zero digits past head_
  // The exponent: none, its "E", its sign, its digits.
  enum class Exp : std::uint8_t { None, Mark, Sign, Digits } exp_ = Exp::None;
  bool expSigned_ = false;
  bool expNegative_ = false;
  std::size_t expDigits_ = 0;
  long exponent_ = 0;  // saturates at kExponentLimit, as ScanNumber does
  std::uint64_t version_ = 0;
};

}  // namespace numerina
