// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's state folder: where the program keeps what must survive a
// crash (the tape's journal, the copy of a settings file being rewritten).

#include <string>

namespace numerina {

// $XDG_STATE_HOME/numerina, or $HOME/.local/state/numerina when the variable
// is unset, empty or relative. Empty when neither can be had.
std::string StateFolder(const char* xdgStateHome, const char* home);

// StateFolder() of this process's environment.
std::string UserStateFolder();

}  // namespace numerina
