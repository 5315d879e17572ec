// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The toolbar's print command on a tape that holds something: the print
// options dialog over the window, whose Ok prints or saves the report.
// tape gives the tape as it is when Ok comes (typing goes on meanwhile).

#include <functional>
#include <string>

class QWidget;

namespace numerina {
class Host;
}

namespace numerina::ui {

void PrintCommand(QWidget& window, Host& host, std::function<std::string()> tape);

}  // namespace numerina::ui
