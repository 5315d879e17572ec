// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Picture names as the settings store them. A picture that lies in the
// settings file's folder is stored by its bare name, so that the folder can
// be moved or copied whole; any other picture by its full path.

#include <functional>
#include <string>
#include <string_view>

namespace numerina {

// The file a stored picture name stands for. A bare name (no "/") is looked
// up in the settings file's folder, then in the program's folder; where it
// is in neither, the settings folder's path is returned (it will not load).
// An absolute path is returned as it is, another relative path is taken from
// the settings file's folder; the empty text stays empty.
std::string PicturePath(std::string_view stored);

// What to store for a picture the user chose: its bare name when its folder
// is the settings file's folder (compared as canonical paths, links
// resolved, names case-sensitive), or the program's folder while the
// settings folder holds no file of that name; else the path as given.
// Either way PicturePath of the result is the chosen file.
std::string StoredPictureName(const std::string& chosen);

// The part of a path after its last "/" (the whole text when it has none).
std::string NomeFile(std::string_view path);

// A path shortened to fit `room` by `width` (any measure, e.g. pixels): the
// path itself when it fits, else the first folder, "...", and as many of
// the last parts as fit, the file name always ("/home/.../logo.bmp"); when
// even ".../name" is too wide, "..." and the end of the name.
std::string ShortenPath(std::string_view path, const std::function<double(std::string_view)>& width,
                        double room);

}  // namespace numerina
