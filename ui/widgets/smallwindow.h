// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the small windows share (the configuration dialog, the print
// dialog, the about box, the information panel): a frameless window of a
// fixed size that stays above the others, created at each opening and
// discarded at each close, never two of a kind at once. Escape and the
// window manager's close act as the window's own close button; the close
// runs the window's OnClose once, after the window has left the screen.

#include <QPointer>
#include <QWidget>

#include "ui/skin/layout_panels.h"
#include "ui/widgets/picturebutton.h"

class QLabel;

namespace numerina::ui {

class SmallWindow : public QWidget, protected PictureButton::Handler {
  Q_OBJECT

 public:
  SmallWindow(QSize size, const QString& title, const QString& name);

  // Shows the window centred on the primary screen, above the others.
  void ShowCentred();
  // What the window's close button does: OnClose, then the window goes.
  void CloseAsButton() { close(); }
  // The window goes without OnClose (it hands over to another window).
  void Unload();
  // Closed or closing: it waits for its deletion and is never shown again.
  bool Closing() const { return closing_; }

 protected:
  // The close's own steps (save, bring the calculator back).
  virtual void OnClose() {}

  // The picture buttons of a small window show pressed while held and act
  // through ButtonActivated, which each window gives.
  void ButtonPressed(PictureButton& button) override { update(button.geometry()); }
  void ButtonReleased(PictureButton& button, bool acts) override {
    update(button.geometry());
    if (acts) ButtonActivated(button);
  }
  void ButtonActivated(PictureButton&) override {}

  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  bool closing_ = false;
  bool unloading_ = false;
};

// A text of a small window as a label of its own (its design name, its
// text for assistive technology), black, at its place in its font; it
// lets the mouse through to the window.
QLabel* AddText(QWidget& window, const layout::PanelText& text, const QString& shown);

// The open window of one kind: opening again raises it. A window that is
// closing counts as gone.
template <class W>
class OpenWindow {
 public:
  W* Get() const { return window_ && !window_->Closing() ? window_.data() : nullptr; }

  // The open window raised, after reuse(window) has run on it; or, when
  // none is open, the window make() creates and shows.
  template <class Make, class Reuse>
  W* OpenOrRaise(Make make, Reuse reuse) {
    if (W* open = Get()) {
      reuse(*open);
      open->show();
      open->raise();
      open->activateWindow();
      return open;
    }
    W* made = make();
    window_ = made;
    return made;
  }
  template <class Make>
  W* OpenOrRaise(Make make) {
    return OpenOrRaise(make, [](W&) {});
  }

 private:
  QPointer<W> window_;
};

}  // namespace numerina::ui
