// SPDX-License-Identifier: GPL-3.0-or-later
// numerina's own command line: --help and --version, answered before the
// single-instance check and before QApplication so that they need no
// display and touch neither the settings nor a running calculator.
#pragma once

#include <iosfwd>
#include <optional>

namespace numerina::ui {

// What the program does after a look at its arguments: nullopt when the
// window is to start (Qt takes its own options then); otherwise the exit
// code, after printing the usage or the version to out / the usage to err.
std::optional<int> HandleCommandLine(int argc, const char* const* argv, std::ostream& out,
                                     std::ostream& err);

}  // namespace numerina::ui
