// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The engine's Host on Qt: real modal message boxes with the engine's texts,
// titles and icons; hiding and showing the calculator around them; the
// keyboard focus; the tape's text box. Ending the program and opening the
// help page also go through here, so that tests can watch them instead of
// losing the process or starting a browser.

#include <QString>

#include <functional>

#include "engine/host.h"

namespace numerina::ui {

class Calculator;

class QtHost : public Host {
 public:
  explicit QtHost(Calculator& window) : window_(window) {}

  void MessageBox(std::string_view text, std::string_view title, MessageIcon icon) override;
  void HideMain() override;
  void ShowMain() override;
  void GiveFocusToFocus() override;
  void TapeAppended(std::string_view fragment) override;
  void TapeCleared() override;
  void TapeCaretToEnd(bool focusTape) override;
  void DisplayChanged(std::string_view display) override;
  void RerunStartup(Engine& engine) override;

  // Ends the program (toolbar close, Esc). Default: leave the event loop.
  void Quit();
  // Opens a local file with the desktop's viewer; failures are ignored.
  void OpenFile(const QString& path);

  // Test hooks: replace the default behaviour when set.
  std::function<void()> onQuit;
  std::function<void(const QString&)> onOpenFile;

 private:
  Calculator& window_;
};

}  // namespace numerina::ui
