// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Focus: the hidden button that holds the keyboard focus, so that typed keys
// reach the calculator. It lies below the window's visible area. Tab and
// Backtab never move the focus off it.

#include <QWidget>

#include <functional>

class QKeyEvent;

namespace numerina::ui {

class FocusButton : public QWidget {
  Q_OBJECT

 public:
  explicit FocusButton(QWidget* parent);

  std::function<void(QKeyEvent*)> onKeyPress;
  // The button's own activation (Space), which the calculator runs as "=".
  std::function<void()> onClick;

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent*) override {}
};

}  // namespace numerina::ui
