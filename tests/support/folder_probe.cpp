// SPDX-License-Identifier: GPL-3.0-or-later
// A small program for the tests that need a process of its own: started from
// another folder, through links, or as another user.
//   probe                 prints CartellaProgramma()
//   probe settings        prints SettingsFolder()
//   probe set KEY VALUE   ScriviIni("Opzioni", KEY, VALUE), prints SettingsFolder()
//   probe recover         RipristinaIni(), the start-up check: exit 0 when done
//   probe write PATH TEXT WriteFileSafely(PATH, TEXT): exit 0 on success, 1 not
//   probe picture NAME    prints PicturePath(NAME)
//   probe store PATH      prints StoredPictureName(PATH)
#include <cstdio>
#include <cstring>

#include "base/safefile.h"
#include "config/ini.h"
#include "config/picture.h"

int main(int argc, char** argv) {
  using namespace numerina;
  if (argc == 4 && std::strcmp(argv[1], "write") == 0) {
    return WriteFileSafely(argv[2], argv[3]) ? 0 : 1;
  }
  if (argc == 2 && std::strcmp(argv[1], "recover") == 0) return RipristinaIni() ? 0 : 1;
  if (argc == 3 && std::strcmp(argv[1], "picture") == 0) {
    std::printf("%s\n", PicturePath(argv[2]).c_str());
    return 0;
  }
  if (argc == 3 && std::strcmp(argv[1], "store") == 0) {
    std::printf("%s\n", StoredPictureName(argv[2]).c_str());
    return 0;
  }
  if (argc == 4 && std::strcmp(argv[1], "set") == 0) ScriviIni("Opzioni", argv[2], argv[3]);
  const bool settings = argc > 1;
  std::printf("%s\n", (settings ? SettingsFolder() : CartellaProgramma()).c_str());
  return 0;
}
