// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/tape/script.h"

#include <array>
#include <utility>

#include "base/utf8.h"

namespace numerina::tape {
namespace {

using Kind = Action::Kind;

// The script names of the toolbar commands; keys have theirs in kKeyboard.
struct Named {
  std::string_view name;
  Action::Kind kind;
};
constexpr std::array<Named, 3> kCommands = {{
    {"DEC+", Kind::MoreDecimals},
    {"DEC-", Kind::FewerDecimals},
    {"COPY", Kind::Copy},
}};

std::optional<Action> ActionOfName(std::string_view name) {
  if (const std::optional<KeyRef> key = KeyOfName(name)) return Action{Kind::Key, *key, {}};
  for (const Named& n : kCommands)
    if (n.name == name) return Action{n.kind, {}, {}};
  return std::nullopt;
}

}  // namespace

ParseResult ParseScript(std::string_view utf8) {
  ParseResult result;
  if (!IsValidUtf8(utf8)) {
    result.error = "the script is not UTF-8";
    return result;
  }
  constexpr std::string_view kPaste = "PASTE:";
  for (std::size_t i = 0; i < utf8.size();) {
    const char c = utf8[i];
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      ++i;
      continue;
    }
    if (c == '[') {
      const std::size_t close = utf8.find(']', i + 1);
      if (close == std::string_view::npos) {
        result.error = "\"[\" without \"]\"";
        result.actions.clear();
        return result;
      }
      const std::string_view name = utf8.substr(i + 1, close - i - 1);
      i = close + 1;
      if (name.substr(0, kPaste.size()) == kPaste) {
        result.actions.push_back(Action{Kind::Paste, {}, std::string(name.substr(kPaste.size()))});
        continue;
      }
      const std::optional<Action> named = ActionOfName(name);
      if (named) result.actions.push_back(*named);
      if (!named) {
        result.error = "unknown key name [" + std::string(name) + "]";
        result.actions.clear();
        return result;
      }
      continue;
    }
    char32_t cp = 0;
    i += DecodeUtf8(utf8, i, cp);  // the whole script was checked above
    if (const std::optional<KeyRef> key = GestisciTasto(cp))
      result.actions.push_back(Action{Kind::Key, *key, {}});
  }
  return result;
}

}  // namespace numerina::tape
