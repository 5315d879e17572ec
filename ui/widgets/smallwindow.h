// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the information panel and the about box share: a frameless window
// that stays above the others, centred on the screen when it opens, created
// at each opening and discarded at each close. Escape and the window
// manager's close act as the window's own close button.

#include <QWidget>

namespace numerina::ui {

class SmallWindow : public QWidget {
  Q_OBJECT

 public:
  SmallWindow(QSize size, const QString& title);

  // Shows the window centred on the screen, above the others.
  void ShowCentred();
  // The window is closed and discarded (after the running event).
  void Unload();
  bool Unloading() const { return unloading_; }

 protected:
  // What the window's own close button does.
  virtual void CloseAsButton() = 0;

  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  bool unloading_ = false;
};

// Raises an open window: the small windows never come twice.
void RaiseOpen(QWidget& window);

}  // namespace numerina::ui
