// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/print/printcommand.h"

#include <QPointer>
#include <QWidget>

#include "ui/print/frmprint.h"
#include "ui/print/reportprinter.h"
#include "ui/print/salvareport.h"

namespace numerina::ui {

void PrintCommand(QWidget& window, Host& host, std::function<std::string()> tape) {
  // The host belongs to the window: both go together, so the window's
  // pointer tells whether the host is still there when Ok comes.
  FrmPrint::Open(&window, [w = QPointer<QWidget>(&window), &host,
                           tape = std::move(tape)](FrmPrint::Choice choice) {
    if (!w) return;
    if (choice == FrmPrint::Choice::Stampante)
      StampaReport(*w, host, tape());
    else
      SalvaReport(*w, host, tape());
  });
}

}  // namespace numerina::ui
