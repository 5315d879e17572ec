// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/printcommand.h"

#include <QPointer>

#include "ui/calculator.h"
#include "ui/frmprint.h"
#include "ui/reportprinter.h"
#include "ui/salvareport.h"

namespace numerina::ui {

void PrintCommand(Calculator& window) {
  if (window.engine().Pcalc().Empty()) {
    window.host().HideMain();
    window.host().MessageBox("Nessun dato da stampare!", "Numerina", MessageIcon::Exclamation);
    window.host().ShowMain();
    return;
  }
  FrmPrint::Open(&window, [w = QPointer<Calculator>(&window)](FrmPrint::Choice choice) {
    if (!w) return;
    if (choice == FrmPrint::Choice::Stampante)
      StampaReport(*w);
    else
      SalvaReport(*w);
  });
}

}  // namespace numerina::ui
