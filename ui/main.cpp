// SPDX-License-Identifier: GPL-3.0-or-later
// numerina: the calculator window.
#include <QApplication>
#include <cstdio>

#include <utility>

#include "config/ini.h"
#include "ui/app/commandline.h"
#include "ui/app/desktop.h"
#include "ui/app/singleinstance.h"
#include "ui/app/windowsystem.h"
#include "ui/calculator/keylog.h"

int main(int argc, char** argv) {
  using namespace numerina;
  // --help, --version and a mistyped option answer on the terminal and
  // end here: no display, no settings, no message to a running calculator.
  if (const auto code = ui::HandleCommandLine(argc, argv, stdout, stderr)) return *code;
  ui::KeyLog("main", "start");
  // Before anything else: a second start asks the running calculator to
  // show itself and ends, without touching the settings or the screen.
  ui::SingleInstance instance(QString::fromStdString(CartellaProgramma()));
  if (!instance.First()) {
    instance.AskRunningToShow();
    return 0;
  }

  // A settings file left half rewritten by a killed calculator is made whole
  // before anything reads it.
  RipristinaIni();

  ui::ChooseWindowSystem();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("numerina"));
  ui::ReportWindowSystemLimits();
  instance.Listen();

  // The calculator window and the tray. The window maps at its final place
  // and its text widgets are built before the event loop paints it.
  ui::DesktopServices services;
  services.journal = ui::TapeJournal::ProgramPath();
  ui::Desktop desktop(std::move(services));
  QObject::connect(&instance, &ui::SingleInstance::ShowRequested, &desktop,
                   &ui::Desktop::MostraCalcolatrice);
  desktop.Start();
  return app.exec();
}
