// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The message boxes of the windows, from the one table of base/messages.h.
// A box has no parent: the window that raised it is hidden while it is up
// (a box must not vanish with it) and comes back when it has been answered.

#include <QMessageBox>

#include <string_view>

#include "base/messages.h"

namespace numerina::ui {

// Gives an application-modal box the table's text, title, icon and
// buttons (Yes and No with No as the default, or OK alone).
void SetUpMessageBox(QMessageBox& box, std::string_view text, std::string_view title,
                     MessageIcon icon, MessageButtons buttons = MessageButtons::Ok);

// Shows the message with window hidden, then shows, raises and activates
// window again. True when the answer was Yes (or OK).
bool ShowMessage(QWidget& window, MessageCode code);

}  // namespace numerina::ui
