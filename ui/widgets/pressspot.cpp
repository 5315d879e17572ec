// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/pressspot.h"

#include <QMouseEvent>

namespace numerina::ui {

PressSpot::PressSpot(QWidget* parent, const QRect& geometry, const QString& accessibleName,
                     const QString& toolTip)
    : QWidget(parent) {
  setGeometry(geometry);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
  setCursor(Qt::PointingHandCursor);
  setAccessibleName(accessibleName);
  if (!toolTip.isEmpty()) setToolTip(toolTip);
}

void PressSpot::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (down_ != Qt::NoButton) return;
  down_ = event->button();
  if (onPressed) onPressed();
}

void PressSpot::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != down_) return;
  down_ = Qt::NoButton;
  // The mouse-up acts wherever the pointer is now: a press on the spot and
  // a release beside it still closes.
  if (onReleased) onReleased();
}

}  // namespace numerina::ui
