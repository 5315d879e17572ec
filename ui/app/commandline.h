// SPDX-License-Identifier: GPL-3.0-or-later
// numerina's own command line: --help and --version, answered before the
// single-instance check and before QApplication so that they need no
// display and touch neither the settings nor a running calculator.
#pragma once

#include <cstdio>
#include <optional>

namespace numerina::ui {

// What the program does after a look at its arguments: nullopt when the
// window is to start (Qt takes its own options then); otherwise the exit
// code, after printing the usage or the version to out / the usage to err.
// (stdio, not iostreams: the standard streams' set-up would cost every
// start of the window memory and time.)
std::optional<int> HandleCommandLine(int argc, const char* const* argv, std::FILE* out,
                                     std::FILE* err);

}  // namespace numerina::ui
