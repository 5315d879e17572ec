#include "tools/tape/pdf.h"

#include <QGuiApplication>

#include "ui/print/reportpainter.h"

namespace numerina::tape {

bool WriteTapePdf(const std::string& path, std::string_view tape) {
  // Fonts need a Gui application; the runner has no display, and does not
  // want one.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 1;
  char name[] = "numerina-tape";
  char* argv[] = {name, nullptr};
  QGuiApplication app(argc, argv);
  return print::WriteReportPdf(QString::fromStdString(path), tape, LocalDateTimeNow());
}

}  // namespace numerina::tape
