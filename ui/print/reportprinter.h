// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// StampaReport: the tape printed on the system's default printer, through
// the page painter the PDF output shares. When the job has been handed to
// the printer the window shows its notice for two seconds; any failure shows
// "Problema di stampa nella stampante utilizzata." with the window hidden.

#include <memory>
#include <string>
#include <string_view>

class QPrinter;
class QWidget;

namespace numerina {
class Host;
}

namespace numerina::ui {

// The system's default printer, ready for a job; null when there is none
// or when Qt would only write a PDF file in its place. The printing system
// is first reached here.
std::unique_ptr<QPrinter> DefaultPrinter();

// One job of the tape on printer: A4, portrait, one copy, positions from the
// printable area's corner. A job that fails half-way is aborted, not sent.
// False on any failure.
bool PrintTape(QPrinter& printer, std::string_view tape);

// The whole command, as the print options dialog starts it.
void StampaReport(QWidget& window, Host& host, const std::string& tape);

}  // namespace numerina::ui
