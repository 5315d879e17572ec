// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The messages the engine raises, and the one table of their Italian texts,
// titles and icons. The Host shows them.

#include <cstdint>
#include <string_view>

namespace numerina {

enum class MessageIcon { Exclamation, Critical, Information };

enum class MessageCode : std::uint8_t {
  DivideByZero,    // an operator key divides by zero
  NumberTooLarge,  // the square key overflows
};

struct MessageText {
  std::string_view text;
  std::string_view title;
  MessageIcon icon;
};

const MessageText& TextOf(MessageCode code);

}  // namespace numerina
