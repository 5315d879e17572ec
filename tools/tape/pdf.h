// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The runner's --pdf: the printed report of a tape as an A4 PDF file, painted
// by the window's own page painter on the offscreen platform.

#include <string>
#include <string_view>

namespace numerina::tape {

// False when the file cannot be written.
bool WriteTapePdf(const std::string& path, std::string_view tape);

}  // namespace numerina::tape
