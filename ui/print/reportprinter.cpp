// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/print/reportprinter.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "base/product.h"
#include "engine/host.h"
#include "ui/print/printnotice.h"
#include "ui/print/reportpainter.h"
#include "ui/skin/text.h"

namespace numerina::ui {
namespace {

// The busy cursor for the length of a job.
class BusyCursor {
 public:
  BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { Restore(); }
  void Restore() {
    if (on_) QGuiApplication::restoreOverrideCursor();
    on_ = false;
  }

 private:
  bool on_ = true;
};

}  // namespace

std::unique_ptr<QPrinter> DefaultPrinter() {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return nullptr;
  auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  // Without a usable print system Qt quietly writes a PDF file instead.
  if (!printer->isValid() || printer->outputFormat() != QPrinter::NativeFormat) return nullptr;
  return printer;
}

bool PrintTape(QPrinter& printer, std::string_view tape) {
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setCopyCount(1);
  printer.setFullPage(false);  // the painter's origin: the printable area's corner
  printer.setDocName(ToQString(kProductName));
  const std::vector<ReportPage> pages = print::ReportPages(tape, LocalDateTimeNow());

  QPainter p;
  if (!p.begin(&printer)) return false;
  if (!print::PaintReport(p, printer, pages) || printer.printerState() == QPrinter::Error) {
    printer.abort();
    p.end();
    return false;
  }
  return p.end() && printer.printerState() != QPrinter::Error;
}

void StampaReport(QWidget& window, Host& host, const std::string& tape) {
  BusyCursor busy;
  const std::unique_ptr<QPrinter> printer = DefaultPrinter();
  const bool sent = printer && PrintTape(*printer, tape);
  busy.Restore();
  if (!sent) {
    host.Raise(MessageCode::PrintFailed);
    return;
  }
  ShowPrintNotice(window);
}

}  // namespace numerina::ui
