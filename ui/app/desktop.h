// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Desktop: the program's desktop side, alive from start-up to the end. It
// owns the tray form and the calculator window, which Esc on Focus unloads
// when a tray can bring it back; every way of showing the window afterwards
// creates it afresh (zero display, empty tape, no memory, settings read
// again). The small windows are opened from here, so that each of them can
// bring the calculator back whether or not it still exists.

#include <QObject>

#include <functional>
#include <memory>

#include "ui/app/frmtask.h"
#include "ui/app/printloader.h"
#include "ui/app/tapejournal.h"
#include "ui/calculator/shell.h"
#include "ui/help/helpopener.h"

namespace numerina::ui {

class Calculator;

// What the desktop leaves to the world around it. The program keeps the
// defaults (every member unset but the journal); tests put their own in, so that ending the
// program, the tray and the configuration dialog can be watched.
struct DesktopServices {
  // How long a pressed key shows pressed before it acts.
  int keyFlashMs = KeyFlash::kDefaultFlashMs;
  // Whether a tray shows the icon. Unset: the tray form tells.
  std::function<bool()> trayShown;
  // Ends the program once the tray icon is gone. Unset: the event loop ends.
  std::function<void()> quit;
  // Opens the configuration dialog, whose close calls closed. Unset: frmConfig.
  std::function<void(std::function<void()> closed)> openConfiguration;
  // Each new calculator window, before its start-up.
  std::function<void(QWidget& window)> windowCreated;
  // The print module's file, loaded at the first print.
  QString printModule = PrintLoader::BesideProgram();
  // The tape's journal file (TapeJournal::ProgramPath() for the program).
  // Empty: no journal.
  std::string journal;
};

class Desktop : public QObject, public CalculatorShell {
  Q_OBJECT

 public:
  explicit Desktop(DesktopServices services = {});
  ~Desktop() override;

  // The start-up after the single-instance check: the calculator window,
  // then the tray form.
  void Start();

  // Shows the calculator where it was, or creates it again after an unload.
  void MostraCalcolatrice();
  // Esc on Focus with a tray: the window and all its state are discarded.
  void Unload();
  // Whether a tray shows the icon, so that a hidden window can come back.
  bool TrayShown() const;

  // The configuration dialog, from the tray menu and the about box.
  void ApriConfigurazione();
  // The about box (AperturaDaBarra as the caller left it).
  void ApriInformazioni();
  // CalculatorShell. The toolbar's information button: the calculator
  // hides, the box opens and brings it back when it closes. A banner
  // picture: the calculator hides, the company panel opens. Esci ends the
  // program, the tray icon first.
  void InformazioniDaBarra() override;
  void ApriInfoDitta() override;
  void Esci() override;
  bool UnloadToTray() override;
  // Into the tray, or to the taskbar where there is no tray to bring the
  // window back from.
  void Minimise(QWidget& window) override;
  void Stampa(QWidget& window, Host& host, std::function<std::string()> tape) override;
  // The help page: the desktop's browser (the calculator leaves the top
  // until it is next activated), or the program's own viewer.
  void OpenFile(const QString& path) override { help_.Open(path); }
  int KeyFlashMs() const override { return services_.keyFlashMs; }
  void TapeAppended(std::string_view fragment) override { journal_.Appended(fragment); }
  void TapeCleared() override { journal_.Cleared(); }

  frmTask& task() { return task_; }
  HelpOpener& help() { return help_; }

 protected:
  // Every window's close: the calculator must still be within reach.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private slots:
  void TrayChanged();

 private:
  void Create();
  // Once, after the first paint (or a second at the latest): the tray
  // form, then the tape journal.
  void AfterFirstPaint();
  // Without a tray and with no small window of the program left on the
  // screen, the calculator comes back. Checked once the events in hand are
  // done, and again at each window's close while a small window held it.
  void CheckReach();

  const DesktopServices services_;
  StandaloneShell standalone_;
  frmTask task_;
  PrintLoader print_;
  TapeJournal journal_;
  HelpOpener help_;
  std::unique_ptr<Calculator> calc_;
  bool afterFirstPaint_ = false;
  bool reachCheckPending_ = false;
  bool recheckAtClose_ = false;  // the tray went while a small window was up
};

}  // namespace numerina::ui
