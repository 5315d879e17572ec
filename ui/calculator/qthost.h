// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The engine's Host on Qt: real modal message boxes with the engine's texts,
// titles and icons; hiding and showing the calculator around them; the
// keyboard focus; the tape's text box.

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

 private:
  Calculator& window_;
};

}  // namespace numerina::ui
