// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The product's names, as every window title, message box and page shows them.

#include <string_view>

namespace numerina {

// The full name: window title, message box titles, the name shown when the
// settings give none, the printed page's title line.
inline constexpr std::string_view kProductName = "Numerina Desktop";
// The short name some message boxes carry as their title.
inline constexpr std::string_view kProductShortName = "Numerina";

}  // namespace numerina
