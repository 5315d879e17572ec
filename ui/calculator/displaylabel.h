// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Readout1: the display. Right-aligned bold text over the skin's display
// area; a left press copies it, a right press pastes into it. A text too
// wide for it is drawn smaller, or as "…" and its right-hand end (see
// displayfit.h); text() stays the whole text.

#include <QLabel>

#include <functional>

#include "ui/calculator/displayfit.h"

namespace numerina::ui {

class DisplayLabel : public QLabel {
  Q_OBJECT

 public:
  explicit DisplayLabel(QWidget* parent);

  std::function<void(Qt::MouseButton)> onPressed;

  // Sets the text and fits it.
  void SetDisplayText(const QString& text);
  // What is drawn, and in which font.
  const FittedText& Fitted() const { return fitted_; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Refit();

  FittedText fitted_;
};

}  // namespace numerina::ui
