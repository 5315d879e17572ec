// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// StampaReport: the tape printed on the system's default printer, through
// the page painter the PDF output shares. The job is painted whole into a
// temporary PDF file and handed to CUPS on the print thread; the window
// goes on meanwhile. When CUPS has accepted the job the window shows its
// notice for two seconds; any failure, a refused job or a server that does
// not answer in time, shows "Problema di stampa nella stampante
// utilizzata." with the window hidden.

#include <string>
#include <string_view>

#include "report/layout.h"
#include "ui/print/printworker.h"

class QWidget;

namespace numerina {
class Host;
}

namespace numerina::ui {

// One job of the tape on the default printer: A4, portrait, one copy,
// positions from the printable area's corner. Nothing reaches CUPS unless
// the whole job was painted; a job made and then failed or given up is
// cancelled. True when CUPS accepted the job in time. Runs on the print
// thread.
bool HandTapeToPrinter(std::string_view tape, const DateTime& now, PrintJobControl& control);

// The whole command, as the print options dialog starts it.
void StampaReport(QWidget& window, Host& host, const std::string& tape);

}  // namespace numerina::ui
