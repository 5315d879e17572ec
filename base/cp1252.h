// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Windows-1252, the single-byte code page of every text the program writes
// outside its windows (tape file, printer, settings file).

#include <string>
#include <string_view>

#include "base/utf8.h"

namespace numerina {

// UTF-8 to Windows-1252. A character without a byte becomes "?"; a byte
// sequence that is not UTF-8 becomes "?" per byte.
std::string ToCp1252(std::string_view utf8);

// True when every character of the UTF-8 text has a Windows-1252 byte (and
// the text is well-formed), so that ToCp1252 loses nothing.
bool FitsCp1252(std::string_view utf8);

// Windows-1252 to UTF-8. The five undefined bytes (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) become U+FFFD.
std::string FromCp1252(std::string_view bytes);

}  // namespace numerina
