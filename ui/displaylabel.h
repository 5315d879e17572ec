#pragma once
// Readout1: the display. Right-aligned bold text over the skin's display
// area; a left press copies it, a right press pastes into it.

#include <QLabel>

#include <functional>

namespace numerina::ui {

class DisplayLabel : public QLabel {
  Q_OBJECT

 public:
  explicit DisplayLabel(QWidget* parent);

  std::function<void(Qt::MouseButton)> onPressed;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace numerina::ui
