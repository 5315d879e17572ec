// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the engine needs from the windows. The Qt window implements it; the
// headless runner and the tests implement it without any window.

#include <string>
#include <string_view>

#include "base/messages.h"

namespace numerina {

class Engine;

class Host {
 public:
  virtual ~Host() = default;

  // A modal message box with one OK button. Returns when the user closed it.
  virtual void MessageBox(std::string_view text, std::string_view title, MessageIcon icon) = 0;
  // Raises an engine message: the calculator is hidden while its box is up.
  void Raise(MessageCode code) {
    const MessageText& m = TextOf(code);
    HideMain();
    MessageBox(m.text, m.title, m.icon);
    ShowMain();
  }
  virtual void HideMain() {}
  virtual void ShowMain() {}
  // Give the keyboard focus back to the hidden button that takes typed keys.
  virtual void GiveFocusToFocus() {}

  // The tape's text box follows the engine's tape through these.
  virtual void TapeAppended(std::string_view /*fragment*/) {}
  virtual void TapeCleared() {}
  // Caret to the end of the tape; with focusTape the tape takes the focus
  // for the move and gives it back (operator keys), else it stays put.
  virtual void TapeCaretToEnd(bool /*focusTape*/) {}

  // The visible display changed (entry text re-formatted).
  virtual void DisplayChanged(std::string_view /*display*/) {}

  // Clear all re-runs the window's settings loading, which sets the number of
  // decimals on the engine (Engine::SetDecimalPlaces) among other things.
  virtual void RerunStartup(Engine& /*engine*/) {}
};

}  // namespace numerina
