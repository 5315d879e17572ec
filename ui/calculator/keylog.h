// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The benchmark build (NUMERINA_KEYLOG) writes one line to standard error
// for every key event and every display change: monotonic microseconds, the
// kind and the text. Other builds compile the calls away.

#include <string_view>

namespace numerina::ui {

#if defined(NUMERINA_KEYLOG) && NUMERINA_KEYLOG
void KeyLog(std::string_view kind, std::string_view text);
#else
inline void KeyLog(std::string_view, std::string_view) {}
#endif

}  // namespace numerina::ui
