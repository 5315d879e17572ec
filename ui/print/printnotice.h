// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// txtInfo: the notice "Stampa inviata alla stampante" on the calculator,
// shown for two seconds after a print job without holding up the window:
// keys and drags go on meanwhile.

class QWidget;

namespace numerina::ui {

// Shows the notice on window (again, for the full time, if it is showing).
void ShowPrintNotice(QWidget& window, int milliseconds = 2000);

}  // namespace numerina::ui
