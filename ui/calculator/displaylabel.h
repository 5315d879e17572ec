// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Readout1: the display. Right-aligned bold text over the skin's display
// area; a left press copies it, a right press pastes into it. A text too
// wide for it is drawn smaller, or as "…" and its right-hand end (see
// displayfit.h). text() is the whole text up to kWholeText characters; a
// longer one (an entry of a million digits) is never converted or measured
// whole: text() is then "…" and its last kTailText characters.

#include <QLabel>

#include <cstddef>
#include <functional>
#include <string_view>

#include "ui/calculator/displayfit.h"

namespace numerina::ui {

class DisplayLabel : public QLabel {
  Q_OBJECT

 public:
  explicit DisplayLabel(QWidget* parent);

  std::function<void(Qt::MouseButton)> onPressed;

  static constexpr std::size_t kWholeText = 4096;
  static constexpr std::size_t kTailText = 256;

  // Sets the text and fits it.
  void SetDisplayText(const QString& text);
  // The text the display takes for the engine's display text.
  static QString TextFor(std::string_view display);
  // Keeps the text clear of the window's memory sign, which lies over the
  // display's left end, while `shown`.
  void SetMemorySignShown(bool shown);
  // What is drawn, and in which font.
  const FittedText& Fitted() const { return fitted_; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Refit();
  // Where the text may be drawn.
  QRect TextRect() const;

  FittedText fitted_;
  bool memorySign_ = false;
};

}  // namespace numerina::ui
