// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/keys.h"

namespace numerina {

std::optional<KeyRef> GestisciTasto(char32_t c) {
  for (const KeyboardKey& k : kKeyboard)
    if (k.chars.find(c) != std::u32string_view::npos) return k.key;
  return std::nullopt;
}

std::optional<KeyRef> KeyDownMap(int keyCode) {
  if (keyCode == 0) return std::nullopt;
  for (const KeyboardKey& k : kKeyboard)
    if (k.virtualKey == keyCode) return k.key;
  return std::nullopt;
}

std::optional<KeyRef> KeyOfName(std::string_view name) {
  if (name.empty()) return std::nullopt;
  for (const KeyboardKey& k : kKeyboard)
    if (k.name == name) return k.key;
  return std::nullopt;
}

}  // namespace numerina
