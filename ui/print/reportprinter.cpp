// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/print/reportprinter.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTemporaryFile>
#include <QWidget>

#include "base/product.h"
#include "engine/host.h"
#include "ui/print/cupsjob.h"
#include "ui/print/printnotice.h"
#include "ui/print/reportpainter.h"

namespace numerina::ui {
namespace {

using Clock = std::chrono::steady_clock;

// A job made and then failed (given up, or its document refused) is
// cancelled on a connection of its own, for this long at most.
constexpr std::chrono::seconds kCancelTime{3};

// A printer that does not say its resolution is painted for at 1200 dots
// per inch, as the PDF file is.
constexpr int kDefaultDpi = 1200;

void CancelJob(const std::string& printer, int job) {
  const Clock::time_point until = Clock::now() + kCancelTime;
  print::CupsConnection cups([until] { return Clock::now() >= until; });
  cups.Cancel(printer, job);
}

}  // namespace

bool HandTapeToPrinter(std::string_view tape, const DateTime& now, PrintJobControl& control) {
  print::CupsConnection cups([&control] { return control.GiveUp(); });
  if (!cups.FindDefaultPrinter()) return false;
  const print::PrinterPage page = cups.Page();

  // The whole job is painted before CUPS hears of it: a full temporary
  // folder fails it here.
  QTemporaryFile pdf(QDir::tempPath() + QStringLiteral("/numerina-XXXXXX.pdf"));
  if (!pdf.open()) return false;
  const QPageLayout layout =
      print::PageA4(QMarginsF(page.leftMm, page.topMm, page.rightMm, page.bottomMm));
  const bool painted = print::WriteReportPdf(pdf, print::ReportPages(tape, now), layout,
                                             page.dpi > 0 ? page.dpi : kDefaultDpi,
                                             [&control] { return !control.GiveUp(); }) &&
                       pdf.flush();
  pdf.close();
  if (!painted || pdf.error() != QFileDevice::NoError) return false;

  int created = 0;
  const int job = cups.Submit(QFile::encodeName(pdf.fileName()).toStdString(),
                              std::string(kProductName), created);
  if (job > 0 && control.Claim()) return true;
  // Refused half-way, or too late: the window says it failed.
  if (created > 0) CancelJob(cups.PrinterName(), created);
  return false;
}

void StampaReport(QWidget& window, Host& host, const std::string& tape) {
  // The host belongs to the window: both go together, so the window's
  // pointer tells whether the host is still there when the answer comes.
  RunPrintJob([tape, now = LocalDateTimeNow()](
                  PrintJobControl& control) { return HandTapeToPrinter(tape, now, control); },
              [w = QPointer<QWidget>(&window), &host](bool accepted) {
                if (!w) return;
                if (accepted)
                  ShowPrintNotice(*w);
                else
                  host.Raise(MessageCode::PrintFailed);
              });
}

}  // namespace numerina::ui
