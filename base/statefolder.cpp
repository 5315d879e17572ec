// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/statefolder.h"

#include <cstdlib>

namespace numerina {

std::string StateFolder(const char* xdgStateHome, const char* home) {
  if (xdgStateHome != nullptr && xdgStateHome[0] == '/')
    return std::string(xdgStateHome) + "/numerina";
  if (home != nullptr && home[0] == '/') return std::string(home) + "/.local/state/numerina";
  return {};
}

std::string UserStateFolder() {
  return StateFolder(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
}

}  // namespace numerina
