// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/entryscan.h"

namespace numerina {

void EntryScan::Reset(std::string_view text) {
  const std::uint64_t version = version_ + 1;
  *this = EntryScan();
  version_ = version;
  for (const char c : text) {
    Push(c);
    if (!follows_) return;
  }
}

// A comma moves the point only of a number whose whole part is zero.
bool EntryScan::CommaMovesPoint() const { return significant_ > 0 && wholeSignificant_ == 0; }

void EntryScan::Push(char c) {
  if (!follows_) return;
  if (exp_ != Exp::None) {
    PushExponent(c);
    return;
  }
  if ((c == 'E' || c == 'e') && length_ > 0) {
    exp_ = Exp::Mark;
    ++version_;
  } else if (c == '-' && length_ == 0) {
    negative_ = true;
    ++version_;
  } else if (c == ',' && comma_ == std::string::npos) {
    comma_ = length_;
    if (CommaMovesPoint()) ++version_;
  } else if (c >= '0' && c <= '9') {
    if (digitChars_++ == 0) ++version_;  // now a number
    if (significant_ > 0 || c != '0') {
      const std::size_t at = significant_++;
      if (comma_ == std::string::npos) {
        ++wholeSignificant_;
        ++version_;  // the point moved
      }
      if (at < kKept) {
        head_.push_back(c);
        if (c != '0') {
          headLastNonZero_ = static_cast<long>(at);
          ++version_;
        }
      } else if (c != '0' && nonZeroBeyond_++ == 0) {
        ++version_;
      }
    } else if (comma_ != std::string::npos) {
      ++leadingFracZeros_;  // a zero before the first significant digit
    }
  } else {
    follows_ = false;
    return;
  }
  ++length_;
}

void EntryScan::PushExponent(char c) {
  if (c >= '0' && c <= '9') {
    exp_ = Exp::Digits;
    ++expDigits_;
    if (exponent_ < kExponentLimit) exponent_ = exponent_ * 10 + (c - '0');
    ++version_;
  } else if ((c == '+' || c == '-') && exp_ == Exp::Mark) {
    exp_ = Exp::Sign;
    expSigned_ = true;
    expNegative_ = c == '-';
    ++version_;
  } else {
    follows_ = false;
    return;
  }
  ++length_;
}

void EntryScan::Pop(char c) {
  if (!follows_ || length_ == 0) {
    follows_ = false;
    return;
  }
  --length_;
  if (exp_ != Exp::None) {
    ++version_;
    if (exp_ == Exp::Digits && c >= '0' && c <= '9' && exponent_ < kExponentLimit) {
      exponent_ /= 10;  // every digit counted: the last one comes off
      if (--expDigits_ == 0) exp_ = expSigned_ ? Exp::Sign : Exp::Mark;
    } else if (exp_ == Exp::Sign && (c == '+' || c == '-')) {
      exp_ = Exp::Mark;
      expSigned_ = false;
      expNegative_ = false;
    } else if (exp_ == Exp::Mark && (c == 'E' || c == 'e')) {
      exp_ = Exp::None;
    } else {
      follows_ = false;  // a saturated exponent cannot be undone
    }
    return;
  }
  if (c == ',' && comma_ == length_) {
    comma_ = std::string::npos;
    if (CommaMovesPoint()) ++version_;
  } else if (c == '-' && length_ == 0 && negative_) {
    negative_ = false;
    ++version_;
  } else if (c >= '0' && c <= '9' && digitChars_ > 0) {
    if (--digitChars_ == 0) ++version_;
    if (significant_ == 0) {
      if (comma_ != std::string::npos) --leadingFracZeros_;
      return;
    }
    const std::size_t at = --significant_;
    if (comma_ == std::string::npos) {
      --wholeSignificant_;
      ++version_;
    }
    if (at < kKept) {
      head_.pop_back();
      if (headLastNonZero_ == static_cast<long>(at)) {
        const auto last = head_.find_last_not_of('0');
        headLastNonZero_ = last == std::string::npos ? -1 : static_cast<long>(last);
        ++version_;
      }
    } else if (c != '0' && --nonZeroBeyond_ == 0) {
      ++version_;
    }
  } else {
    follows_ = false;
  }
}

std::optional<Decimal> EntryScan::Number() const {
  if (digitChars_ == 0) return std::nullopt;
  if (exp_ != Exp::None && exp_ != Exp::Digits) return std::nullopt;
  Decimal d;
  d.negative = negative_;
  if (significant_ == 0) return d;  // zero
  d.point = comma_ != std::string::npos && wholeSignificant_ == 0
                ? -static_cast<long>(leadingFracZeros_)
                : static_cast<long>(wholeSignificant_);
  d.point += expNegative_ ? -exponent_ : exponent_;
  if (d.point > kPointLimit) {
    // Beyond the largest double whatever the digits: sixteen of them say
    // as much as all of them, without copying kKept digits a key.
    d.digits.assign(head_, 0, 16);
  } else if (nonZeroBeyond_ > 0) {
    d.digits = head_;
    d.digits.push_back('1');
  } else {
    d.digits.assign(head_, 0, static_cast<std::size_t>(headLastNonZero_ + 1));
  }
  return d;
}

}  // namespace numerina
