// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the calculator window asks of the program around it: the other
// windows, the tray, printing and the end of the program. The application
// implements it; a window that stands alone (a tool, a benchmark) uses
// StandaloneShell, and tests give one that records what was asked.

#include <QString>

#include <functional>
#include <string>
#include <string_view>

#include "ui/calculator/keyflash.h"

class QWidget;

namespace numerina {
class Host;
}

namespace numerina::ui {

class CalculatorShell {
 public:
  virtual ~CalculatorShell() = default;

  // Ends the program (the toolbar's close, Esc on the window).
  virtual void Esci() = 0;
  // Esc on Focus: the window is unloaded when a tray can bring it back.
  // False when nothing could: the window then ends the program.
  virtual bool UnloadToTray() = 0;
  // The toolbar's hide command: into the tray, or to the taskbar.
  virtual void Minimise(QWidget& window) = 0;
  // The toolbar's information button and a click on a banner.
  virtual void InformazioniDaBarra() = 0;
  virtual void ApriInfoDitta() = 0;
  // The toolbar's print button on a tape that holds something: the print
  // options dialog over window, whose Ok prints or saves the tape as
  // tape gives it then.
  virtual void Stampa(QWidget& window, Host& host, std::function<std::string()> tape) = 0;
  // Opens a local file (the help page) with the desktop's viewer.
  virtual void OpenFile(const QString& path) = 0;
  // How long a pressed key shows pressed before it acts; a program that
  // drives the window by itself may want it to act at once (0).
  virtual int KeyFlashMs() const { return KeyFlash::kDefaultFlashMs; }
  // The tape's changes, for a program that keeps a record of them.
  virtual void TapeAppended(std::string_view /*fragment*/) {}
  virtual void TapeCleared() {}
};

// The window alone: no tray, no other windows, no printing; the end of the
// program leaves the event loop.
class StandaloneShell : public CalculatorShell {
 public:
  void Esci() override;
  bool UnloadToTray() override { return false; }
  void Minimise(QWidget& window) override;
  void InformazioniDaBarra() override {}
  void ApriInfoDitta() override {}
  void Stampa(QWidget&, Host&, std::function<std::string()>) override {}
  void OpenFile(const QString& path) override;
};

}  // namespace numerina::ui
