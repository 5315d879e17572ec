#pragma once
// Picture names as the settings store them. A picture that lies in the
// settings file's folder is stored by its bare name, so that the folder can
// be moved or copied whole; any other picture by its full path.

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
// resolved), else the path as given.
std::string StoredPictureName(const std::string& chosen);

}  // namespace numerina
