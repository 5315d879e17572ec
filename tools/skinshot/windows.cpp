// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/skinshot/windows.h"

#include <QApplication>
#include <QEventLoop>
#include <QPixmap>
#include <QPointer>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QWidget>

#include <memory>

#include "config/ini.h"
#include "ui/calculator/calculator.h"
#include "ui/calculator/shell.h"
#include "ui/configdialog/frmconfig.h"
#include "ui/panels/frmabout.h"
#include "ui/panels/frminfoditta.h"
#include "ui/print/frmprint.h"
#include "ui/skin/keytable.h"

namespace numerina::ui::skinshot {
namespace {

// Runs what is pending, waits a little for timers that were started from
// it (deferred layouts and paints), then runs it again.
void Settle() {
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents);
  QEventLoop wait;
  QTimer::singleShot(100, &wait, &QEventLoop::quit);
  wait.exec();
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

// The calculator as the program starts it, after "12 + 34 =": the display
// shows the total and the tape the whole calculation. Keys act at once, so
// that no key is caught looking pressed.
std::unique_ptr<Calculator> StartCalculator() {
  // Keys act at once: no key is caught looking pressed.
  struct InstantKeys : StandaloneShell {
    int KeyFlashMs() const override { return 0; }
  };
  static InstantKeys shell;
  auto calc = std::make_unique<Calculator>(shell);
  calc->StartUp();
  calc->show();
  calc->BuildTextWidgets();
  Settle();
  const KeyRef sum[] = {{Button::Number, 1}, {Button::Number, 2}, {Button::Operator, kPlus},
                        {Button::Number, 3}, {Button::Number, 4}, {Button::Operator, kEquals}};
  for (const KeyRef& key : sum) calc->PressKey(*FindKey(key));
  return calc;
}

// The window as the screen shows it: what grab() gives, cut to the
// window's shape, on a transparent picture. Outside the shape nothing is
// taken: grab() starts there from uninitialised memory, and the windows
// leave some of those pixels unpainted, so they changed from run to run.
QPixmap Photograph(QWidget& window) {
  const qreal dpr = window.devicePixelRatioF();
  QPixmap shot(window.size() * dpr);
  shot.setDevicePixelRatio(dpr);
  shot.fill(Qt::transparent);
  const QRegion shape =
      window.mask().isEmpty() ? QRegion(window.rect()) : window.mask() & window.rect();
  // render() puts the shape's top left corner at the given point.
  window.render(&shot, shape.boundingRect().topLeft(), shape);
  return shot;
}

}  // namespace

QStringList WindowNames() {
  return {QStringLiteral("calculator"), QStringLiteral("config"), QStringLiteral("print"),
          QStringLiteral("about"), QStringLiteral("infoditta")};
}

int ShootWindow(const QString& name, const QString& out) {
  if (!WindowNames().contains(name)) {
    QTextStream(stderr) << "skinshot: --window takes one of " << WindowNames().join(", ") << "\n";
    return 2;
  }
  // A settings folder of its own: no file beside the program or in the
  // user's folder is read or written, every window shows its defaults.
  QTemporaryDir settings;
  if (!settings.isValid()) {
    QTextStream(stderr) << "skinshot: cannot create a temporary folder\n";
    return 1;
  }
  SetSettingsFolderForTesting(settings.path().toStdString());
  // The text cursor does not blink: shown steadily, as when a field has
  // just taken the focus, whenever the picture is taken.
  QGuiApplication::styleHints()->setCursorFlashTime(0);

  std::unique_ptr<Calculator> calc;
  QPointer<QWidget> window;
  if (name == QLatin1String("calculator")) {
    calc = StartCalculator();
    window = calc.get();
  } else if (name == QLatin1String("config")) {
    window = frmConfig::Apri([] {});
  } else if (name == QLatin1String("print")) {
    window = FrmPrint::Open(nullptr, [](FrmPrint::Choice) {});
  } else if (name == QLatin1String("about")) {
    window = frmAbout::Apri([] {}, [] {});
  } else {
    window = frmInfoDitta::Apri([] {});
  }
  Settle();

  const QPixmap shot = Photograph(*window);
  const bool saved = shot.save(out, "PNG");
  // The small windows delete themselves on close; here they simply go,
  // while their settings folder is still there.
  if (!calc) delete window.data();
  calc.reset();
  SetSettingsFolderForTesting("");
  if (!saved) {
    QTextStream(stderr) << "skinshot: cannot write " << out << "\n";
    return 1;
  }
  return 0;
}

}  // namespace numerina::ui::skinshot
