// Prints the program folder as the settings code sees it, for the test that
// starts this program through symbolic links.
#include <cstdio>

#include "config/ini.h"

int main() {
  std::printf("%s\n", numerina::CartellaProgramma().c_str());
  return 0;
}
