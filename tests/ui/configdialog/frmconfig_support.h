// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Test support for the configuration dialog: a dialog in its own program
// folder with a chooser in place of the open-file dialog, and the helpers
// its tests share.

#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QPointer>

#include "tests/support/window_support.h"
#include "ui/configdialog/frmconfig.h"
#include "ui/widgets/aperturadabarra.h"

namespace numerina::ui::test {

// The settings file's key names, in the order the file holds them.
inline QStringList KeysInFile(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  QStringList keys;
  for (const QByteArray& line : f.readAll().split('\n')) {
    const int eq = line.indexOf('=');
    if (eq > 0) keys << QString::fromUtf8(line.left(eq)).trimmed();
  }
  return keys;
}

// One dialog in its own program folder; counts the calls that would show
// the calculator again.
struct DialogRig {
  ProgramFolder folder;
  BoxWatch boxes;
  int shown = 0;
  QPointer<frmConfig> dialog;

  DialogRig() { QuietOffscreenWarnings(); }
  ~DialogRig() {
    if (dialog) delete dialog.data();
    AperturaDaBarra = false;
  }
  frmConfig& Open() {
    dialog = frmConfig::Apri([this] { ++shown; });
    dialog->SetChooserForTesting([this](QWidget*) { return nextChoice; });
    return *dialog;
  }
  // Closes and lets the deferred deletion happen.
  void Close() {
    dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  QString Picture(const QString& name, QSize size, const char* format = "BMP") const {
    const QString path = folder.Path() + QLatin1Char('/') + name;
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 40));
    if (!image.save(path, format)) qFatal("cannot write %s", qPrintable(path));
    return path;
  }
  void CheckBoxes() const {
    QVERIFY2(boxes.Unexpected().isEmpty(), qPrintable(boxes.Unexpected().join(QLatin1Char('\n'))));
    QVERIFY2(boxes.Mismatches().isEmpty(), qPrintable(boxes.Mismatches().join(QLatin1Char('\n'))));
    QVERIFY2(boxes.AllSeen(), "an announced message box never opened");
  }
  QString nextChoice;
};

// Opens the editor on a row with a double click and waits until it shows.
inline void DoubleClickRow(frmConfig& d, int row) {
  QListWidget* list = d.lstMain();
  const QPoint at = list->visualItemRect(list->item(row)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}
}  // namespace numerina::ui::test
