// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The INI text itself: reading one value and editing the file's bytes, with
// no file access. Names and values given and returned are UTF-8; the file's
// bytes are Windows-1252 (or UTF-8 when a Linux editor saved them so).
//
// Reading: section and key names match without regard to case (ASCII and
// the Windows-1252 letters); blanks around names and values are ignored;
// lines whose first non-blank character is ";" or "#" are comments; only the
// first section of a name counts, and in it the first line of a key.
//
// Editing keeps every line it does not change byte for byte, and writes new
// lines with the line ends the file already uses (CR LF for a file without any,
// a new one among them).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace numerina {

// A read copies into a 255-character buffer, so a value comes back cut to
// its first 254 characters.
inline constexpr std::size_t kIniValueMax = 254;
// A key list that overflows that buffer is cut two short of it, the way the
// list is terminated by two NULs.
inline constexpr std::size_t kIniKeyListMax = 253;

// The file's bytes as UTF-8 text: a leading UTF-8 byte-order mark is skipped;
// a file that is valid UTF-8 and holds non-ASCII bytes (or has the mark) is
// taken as UTF-8, any other as Windows-1252.
bool IniBytesAreUtf8(std::string_view bytes);
std::string DecodeIniBytes(std::string_view bytes);

// The value of key in section, cut to kIniValueMax characters; nullopt when
// the section or the key is missing.
std::optional<std::string> IniReadValue(std::string_view bytes, std::string_view section,
                                        std::string_view key);

// The key names of the section, each followed by a NUL, cut to
// kIniKeyListMax characters; nullopt when the section is missing.
std::optional<std::string> IniSectionKeyList(std::string_view bytes, std::string_view section);

// The file's new bytes after writing key = value into section. NUL, CR and
// LF are dropped from names and value (a line break would inject lines), and
// a byte that is not UTF-8 becomes "?". A file in Windows-1252 stays so
// unless a name or the value holds a character Windows-1252 lacks: the whole
// file is then rewritten in UTF-8, every value in it kept. nullopt when a name cannot
// stand in an INI file (an empty name, a key holding "=" or starting like a
// header or comment, a section holding "]").
std::optional<std::string> IniWriteValue(std::string_view bytes, std::string_view section,
                                         std::string_view key, std::string_view value);

// Removes every line of key from the section where reads find it.
std::string IniDeleteKey(std::string_view bytes, std::string_view section, std::string_view key);

// Removes every section of that name with all its lines.
std::string IniDeleteSection(std::string_view bytes, std::string_view section);

// Replaces the lines of the section with content, one line per piece between
// NUL, CR or LF (empty pieces and pieces that would open a section dropped);
// creates the section at the end when it is missing. The file becomes UTF-8
// as with IniWriteValue.
std::optional<std::string> IniReplaceSection(std::string_view bytes, std::string_view section,
                                             std::string_view content);

// What a name or value becomes on writing: without NUL, CR and LF, in
// well-formed UTF-8. Names are also trimmed of blanks.
std::string IniCleanValue(std::string_view text);
std::string IniCleanName(std::string_view text);

}  // namespace numerina
