// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/tape/pdf.h"

#include <QGuiApplication>

#include "base/safefile.h"
#include "ui/print/reportpainter.h"

namespace numerina::tape {

bool WriteTapePdf(const std::string& path, std::string_view tape) {
  // Fonts need a Gui application; the runner has no display, and does not
  // want one.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // Qt's own notes (a missing runtime folder, the offscreen platform) are
  // not the runner's output; its failures are reported by the caller.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  int argc = 1;
  char name[] = "numerina-tape";
  char* argv[] = {name, nullptr};
  QGuiApplication app(argc, argv);
  // Whole in memory first, then written as the text export is: a failure at
  // any step leaves an earlier file as it was. A device (/dev/full) is not
  // a file that can be replaced: refused.
  const QByteArray pdf = print::ReportPdf(tape, LocalDateTimeNow());
  if (pdf.isEmpty()) return false;
  return WriteFileSafely(path,
                         std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
}

}  // namespace numerina::tape
