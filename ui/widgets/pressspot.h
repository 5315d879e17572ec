// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A windowless picture control of the small windows (a close cross, a
// button face): it paints nothing (the window's canvas shows its picture),
// carries the hand cursor and the tooltip, and reports the press and the
// release, wherever the release happens, as the design's mouse-down and
// mouse-up handlers expect.

#include <QWidget>

#include <functional>

namespace numerina::ui {

class PressSpot : public QWidget {
  Q_OBJECT

 public:
  PressSpot(QWidget* parent, const QRect& geometry, const QString& accessibleName,
            const QString& toolTip);

  std::function<void()> onPressed;
  std::function<void()> onReleased;
  bool Down() const { return down_ != Qt::NoButton; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent*) override {}

 private:
  Qt::MouseButton down_ = Qt::NoButton;
};

}  // namespace numerina::ui
