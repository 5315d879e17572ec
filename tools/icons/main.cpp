// SPDX-License-Identifier: GPL-3.0-or-later
// numerina-icons: writes the program icon as PNG files for the desktop's
// icon theme, one per size, painted by the skin on the same 16-unit grid as
// the scalable drawing (resources/org.numerina.Numerina.svg).
//
//   numerina-icons OUT-DIR NAME SIZE...   writes OUT-DIR/SIZExSIZE/NAME.png

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QTextStream>

#include "ui/skin/skin.h"

int main(int argc, char** argv) {
  // No screen is needed to paint into a pixmap.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 4) {
    QTextStream(stderr) << "usage: numerina-icons OUT-DIR NAME SIZE...\n";
    return 2;
  }
  for (qsizetype i = 3; i < args.size(); ++i) {
    const int size = args[i].toInt();
    const QString dir = QStringLiteral("%1/%2x%2").arg(args[1]).arg(size);
    if (size <= 0 || !QDir().mkpath(dir) ||
        !numerina::ui::Skin::AppIconPixmap(size).save(dir + "/" + args[2] + ".png")) {
      QTextStream(stderr) << "numerina-icons: cannot write the " << args[i] << " pixel icon\n";
      return 1;
    }
  }
  return 0;
}
