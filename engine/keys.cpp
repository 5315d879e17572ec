#include "engine/keys.h"

namespace numerina {

std::optional<KeyRef> GestisciTasto(char32_t c) {
  if (c >= U'0' && c <= U'9') return KeyRef{Button::Number, static_cast<int>(c - U'0')};
  switch (c) {
    case U'+': return KeyRef{Button::Operator, kPlus};
    case U'-': return KeyRef{Button::Operator, kMinus};
    case U'*': case U'X': case U'x': return KeyRef{Button::Operator, kTimes};
    case U'/': return KeyRef{Button::Operator, kDivide};
    case U'=': case U'T': case U't': return KeyRef{Button::Operator, kEquals};
    case U'.': return KeyRef{Button::Decim};
    case U'C': case U'c': return KeyRef{Button::Cancel};
    case U'%': return KeyRef{Button::Percent};
    case U'^': return KeyRef{Button::Sqrt};
    case U'!': return KeyRef{Button::Inverso};
    default: return std::nullopt;
  }
}

std::optional<KeyRef> KeyDownMap(int keyCode) {
  switch (keyCode) {
    case kVkReturn: return KeyRef{Button::Operator, kEquals};
    case kVkDelete: return KeyRef{Button::Cancel};
    case kVkBack: return KeyRef{Button::Back};
    case kVkHome: return KeyRef{Button::CancelEntry};
    default: return std::nullopt;
  }
}

}  // namespace numerina
