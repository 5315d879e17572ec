// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Test support for the configuration dialog: a dialog in its own program
// folder with a chooser in place of the open-file dialog, and the helpers
// its tests share.

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QToolButton>

#include "tests/support/window_support.h"
#include "ui/configdialog/frmconfig.h"
#include "ui/widgets/aperturadabarra.h"
#include "ui/widgets/picturebutton.h"

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

// A control of the dialog by its design name; fails the test when missing.
template <class W>
W* Control(const QWidget& dialog, const char* name) {
  W* w = dialog.findChild<W*>(QString::fromLatin1(name));
  if (!w) qFatal("the dialog has no %s", name);
  return w;
}

// The dialog's controls, found by their names.
struct Controls {
  const frmConfig& d;
  QCheckBox* chkPrimo() const { return Control<QCheckBox>(d, "chkPrimo"); }
  QComboBox* cboPic() const { return Control<QComboBox>(d, "cboPic"); }
  QComboBox* cboNome() const { return Control<QComboBox>(d, "cboNome"); }
  QLineEdit* txtNome() const { return Control<QLineEdit>(d, "txtNome"); }
  QCheckBox* chkInfo() const { return Control<QCheckBox>(d, "chkInfo"); }
  QLineEdit* txtInfo() const { return Control<QLineEdit>(d, "txtInfo"); }
  QListWidget* lstMain() const { return Control<QListWidget>(d, "lstMain"); }
  QLineEdit* txtEdit() const { return Control<QLineEdit>(d, "txtEdit"); }
  QLabel* lblPicture() const { return Control<QLabel>(d, "lblPicture"); }
  QLabel* lblPicInfo() const { return Control<QLabel>(d, "lblPicInfo"); }
  QLabel* lblpospic() const { return Control<QLabel>(d, "lblpospic"); }
  QLabel* lblposnome() const { return Control<QLabel>(d, "lblposnome"); }
  QToolButton* Command1() const { return Control<QToolButton>(d, "Command1"); }
  QToolButton* Command2() const { return Control<QToolButton>(d, "Command2"); }
  PictureButton& Image1() const { return *Control<PictureButton>(d, "Image1"); }
  PictureButton& Image2() const { return *Control<PictureButton>(d, "Image2"); }
  // The editor is open while it shows over a row.
  bool InModifica() const { return txtEdit()->isVisible() && txtEdit()->isEnabled(); }
  // The full path a picture label holds (its tag; the text may be shortened).
  static QString Path(const QLabel* label) { return label->property("tag").toString(); }
  QString PercorsoBanner() const { return Path(lblPicture()); }
  QString PercorsoLogo() const { return Path(lblPicInfo()); }
};

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
  // With the rig's chooser in place of the open-file dialog; without,
  // the platform's.
  frmConfig& Open(bool platformChooser = false) {
    frmConfig::ChooseFile chooser;
    if (!platformChooser) chooser = [this](QWidget*) { return nextChoice; };
    dialog = frmConfig::Apri([this] { ++shown; }, chooser);
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
  QListWidget* list = Controls{d}.lstMain();
  const QPoint at = list->visualItemRect(list->item(row)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}
}  // namespace numerina::ui::test
