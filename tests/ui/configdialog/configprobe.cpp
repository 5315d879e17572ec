// SPDX-License-Identifier: GPL-3.0-or-later
// configprobe: the calculator with its configuration dialog opened in the
// same process, for the end-to-end test and the screenshots (the tray and
// the about box, which open the dialog in the program, are not needed).
//
//   configprobe open MS     shows the calculator; after MS milliseconds
//                           hides it and opens the dialog as the about box
//                           reached from the toolbar does; when the dialog
//                           closes, prints "nome=<the name on the face>"
//   configprobe restore     opens the dialog alone, asks the restore and
//                           answers Yes; prints "restored" and ends with
//                           the dialog open (closing would save, which is
//                           not what is tested)
//   configprobe shot OUT [edit]
//                           opens the dialog alone and saves it as a PNG
//                           (outside the outline white); with "edit", row 2
//                           of the text is open in the in-place editor
//
// The settings file is the one beside this program, as for numerina.

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

#include "ui/calculator/calculator.h"
#include "ui/calculator/shell.h"
#include "ui/configdialog/frmconfig.h"
#include "ui/skin/skin.h"
#include "ui/widgets/aperturadabarra.h"
#include "ui/widgets/picturebutton.h"

using namespace numerina::ui;

namespace {

int Open(int delayMs) {
  StandaloneShell shell;
  Calculator calculator(shell);
  calculator.StartUp();
  calculator.show();
  calculator.BuildTextWidgets();
  QTimer::singleShot(delayMs, &calculator, [&calculator] {
    AperturaDaBarra = true;
    calculator.hide();
    frmConfig::Apri([&calculator] {
      calculator.show();
      calculator.CaricaConf();
      std::printf("nome=%s\n", calculator.Name().text.toUtf8().constData());
      std::fflush(stdout);
    });
  });
  return QApplication::exec();
}

int Restore() {
  frmConfig* dialog = frmConfig::Apri({});
  // Answers the question once it is up.
  auto* poll = new QTimer(dialog);
  QObject::connect(poll, &QTimer::timeout, [poll] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    poll->stop();
    box->button(QMessageBox::Yes)->click();
  });
  poll->start(20);
  QTimer::singleShot(200, dialog, [dialog] {
    // "Ripristina" pressed as assistive technology presses it.
    dialog->findChild<PictureButton*>(QStringLiteral("Image2"))->Activate();
    std::printf("restored\n");
    std::fflush(stdout);
    // exit(), not quit(): quit() closes the windows first.
    QApplication::exit(0);
  });
  return QApplication::exec();
}

int Shot(const QString& out, bool edit) {
  frmConfig* dialog = frmConfig::Apri({});
  QObject::connect(dialog, &frmConfig::Dipinto, dialog, [dialog, out, edit] {
    auto* list = dialog->findChild<QListWidget*>(QStringLiteral("lstMain"));
    if (edit && list->isEnabled()) {
      list->setCurrentRow(1);
      list->setFocus();
      QKeyEvent f2(QEvent::KeyRelease, Qt::Key_F2, Qt::NoModifier);
      QApplication::sendEvent(list, &f2);
    }
    QTimer::singleShot(300, dialog, [dialog, out] {
      const QPixmap grabbed = dialog->grab();
      QImage image(grabbed.size(), QImage::Format_RGB32);
      image.setDevicePixelRatio(grabbed.devicePixelRatio());
      image.fill(Qt::white);
      QPainter p(&image);
      p.setClipRegion(Skin::ConfigOutline());
      p.drawPixmap(0, 0, grabbed);
      p.end();
      const bool ok = image.save(out);
      dialog->close();
      QApplication::exit(ok ? 0 : 1);
    });
  });
  return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
  if (mode == QLatin1String("open") && argc > 2)
    return Open(QString::fromLocal8Bit(argv[2]).toInt());
  if (mode == QLatin1String("restore")) return Restore();
  if (mode == QLatin1String("shot") && argc > 2)
    return Shot(QString::fromLocal8Bit(argv[2]),
                argc > 3 && QLatin1String(argv[3]) == QLatin1String("edit"));
  std::fprintf(stderr, "usage: configprobe open MS | restore | shot OUT.png [edit]\n");
  return 2;
}
