// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The message boxes of the windows, from the one table of base/messages.h.
// A box has no parent: the window that raised it is hidden while it is up
// (a box must not vanish with it) and comes back when it has been answered.
// The box opens centred on the place that window had, where the user's eye
// is, not in the middle of the screen.

#include <QMessageBox>
#include <QRect>

#include <string_view>

#include "base/messages.h"

namespace numerina::ui {

// Gives an application-modal box the table's text, title, icon and
// buttons (Yes and No with No as the default, or OK alone).
void SetUpMessageBox(QMessageBox& box, std::string_view text, std::string_view title,
                     MessageIcon icon, MessageButtons buttons = MessageButtons::Ok);

// A box that opens centred on over (in screen coordinates), moved as little
// as needed to lie whole on the screen that holds over's centre.
class PlacedMessageBox : public QMessageBox {
 public:
  explicit PlacedMessageBox(const QRect& over) : over_(over) {}

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QRect over_;
};

// Where a box of size stands when centred on over and kept on that screen.
QPoint CentredOn(const QRect& over, QSize size);

// Shows the message with window hidden, centred on the place window had and
// above every other window (a calculator kept on top included), then shows,
// raises and activates window again. True when the answer was Yes (or OK).
bool ShowMessage(QWidget& window, MessageCode code);

}  // namespace numerina::ui
