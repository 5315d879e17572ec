// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Key scripts: the text form of a sequence of calculator keys and toolbar
// commands, as numerina-tape reads it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/keys.h"

namespace numerina::tape {

struct Action {
  enum class Kind { Key, MoreDecimals, FewerDecimals, Copy, Paste };
  Kind kind = Kind::Key;
  KeyRef key{Button::Number, 0};
  std::string text;  // the clipboard text of a paste
};

struct ParseResult {
  std::vector<Action> actions;
  std::string error;  // empty when the script is valid
};

// Blanks, tabs and line breaks are ignored; any other character is typed
// through the keyboard's character map (unmapped ones are ignored); a name
// in square brackets presses a key without a character.
ParseResult ParseScript(std::string_view utf8);

}  // namespace numerina::tape
