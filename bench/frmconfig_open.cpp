// SPDX-License-Identifier: GPL-3.0-or-later
// frmconfig_open: the time from frmConfig::Apri to the dialog's first paint,
// over a number of openings (each closed again, which saves), with a
// settings file that fills every control, in a process where the
// calculator runs as it does in the program (--alone: without it). Prints the first opening, the
// median and the slowest, in milliseconds. Target: under 100 ms.
//
//   frmconfig_open [--alone] [RUNS]   (on the platform set, e.g. Xvfb)

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <vector>

#include "config/ini.h"
#include "ui/calculator/calculator.h"
#include "ui/calculator/shell.h"
#include "ui/configdialog/frmconfig.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  const bool alone = args.contains(QStringLiteral("--alone"));
  int runs = 20;
  for (const QString& a : args.mid(1))
    if (a.toInt() > 0) runs = a.toInt();
  QTemporaryDir folder;
  numerina::SetSettingsFolderForTesting(folder.path().toStdString());
  std::ofstream(numerina::SettingsFilePath())
      << "[Opzioni]\r\nPrimoPiano=1\r\nBannerPos=1\r\nBanner=/usr/share/pixmaps/"
         "logo-lungo-di-prova.bmp\r\n"
         "NomePos=2\r\nNome=Studio Rossi & C.\r\nInfo=1\r\nLogoPic=logo.gif\r\nLogoNome=Studio\r\n"
         "1=Via Roma 1\r\n2=00100 Roma\r\n3=Tel. 06 1234567\r\n";

  std::unique_ptr<numerina::ui::Calculator> calculator;
  if (!alone) {
    static numerina::ui::StandaloneShell shell;
    calculator = std::make_unique<numerina::ui::Calculator>(shell);
    calculator->StartUp();
    calculator->show();
    calculator->BuildTextWidgets();
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 300) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  }

  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) {
    QEventLoop loop;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    numerina::ui::frmConfig* dialog = numerina::ui::frmConfig::Apri({});
    double took = -1;
    QObject::connect(dialog, &numerina::ui::frmConfig::Dipinto, &loop, [&] {
      took = static_cast<double>(clock.nsecsElapsed()) / 1e6;
      loop.quit();
    });
    guard.start(5000);
    loop.exec();
    if (took < 0) {
      std::fprintf(stderr, "frmconfig_open: no paint within 5 s\n");
      return 1;
    }
    ms.push_back(took);
    dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }
  const double first = ms.front();
  std::sort(ms.begin(), ms.end());
  std::printf(
      "frmconfig_open: %d openings on %s%s: first %.1f ms, median %.1f ms, slowest %.1f ms\n", runs,
      qPrintable(QGuiApplication::platformName()), alone ? ", alone" : ", calculator running",
      first, ms[ms.size() / 2], ms.back());
  return 0;
}
