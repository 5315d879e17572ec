// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/picturebutton.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>

namespace numerina::ui {
namespace {

class PictureButtonAccessible : public QAccessibleWidget {
 public:
  explicit PictureButtonAccessible(PictureButton* button)
      : QAccessibleWidget(button, QAccessible::Button) {}

  QStringList actionNames() const override { return {QAccessibleActionInterface::pressAction()}; }
  void doAction(const QString& name) override {
    if (name == QAccessibleActionInterface::pressAction() && widget()->isEnabled())
      static_cast<PictureButton*>(widget())->Activate();
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

QAccessibleInterface* PictureButtonFactory(const QString&, QObject* object) {
  if (auto* button = qobject_cast<PictureButton*>(object))
    return new PictureButtonAccessible(button);
  return nullptr;
}

}  // namespace

PictureButton::PictureButton(QWidget* parent, Handler& handler, Kind kind, int index,
                             const QRect& geometry, const QString& accessibleName,
                             const QString& toolTip)
    : QWidget(parent), handler_(handler), kind_(kind), index_(index) {
  static const bool factoryInstalled = [] {
    QAccessible::installFactory(PictureButtonFactory);
    return true;
  }();
  (void)factoryInstalled;

  setGeometry(geometry);
  setAttribute(Qt::WA_NoSystemBackground);
  // A disabled button swallows its presses instead of handing them to the
  // window, where they would start a move.
  setAttribute(Qt::WA_NoMousePropagation);
  setFocusPolicy(Qt::NoFocus);
  setCursor(Qt::PointingHandCursor);
  setAccessibleName(accessibleName);
  if (!toolTip.isEmpty()) setToolTip(toolTip);
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (down_ != Qt::NoButton) return;  // a second button while one is held
  down_ = event->button();
  handler_.ButtonPressed(*this, down_);
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != down_) return;
  const Qt::MouseButton button = down_;
  down_ = Qt::NoButton;
  handler_.ButtonReleased(*this, button, rect().contains(event->position().toPoint()));
}

void PictureButton::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  // Hidden under the mouse: the release will never come here.
  if (down_ == Qt::NoButton) return;
  const Qt::MouseButton button = down_;
  down_ = Qt::NoButton;
  handler_.ButtonReleased(*this, button, false);
}

}  // namespace numerina::ui
