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

  // The name lives in the button rather than in QWidget::accessibleName:
  // setting that asks the accessibility bridge, which would connect to the
  // session bus while the window is still being built.
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
      return static_cast<const PictureButton*>(widget())->AccessibleText();
    return QAccessibleWidget::text(t);
  }
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

PictureButton::PictureButton(QWidget* parent, Handler& handler, Acts acts, int index,
                             const QRect& geometry, const QString& name,
                             const QString& accessibleName, const QString& toolTip)
    : QWidget(parent),
      handler_(handler),
      acts_(acts),
      index_(index),
      accessibleText_(accessibleName) {
  static const bool factoryInstalled = [] {
    QAccessible::installFactory(PictureButtonFactory);
    return true;
  }();
  (void)factoryInstalled;

  setObjectName(name);
  setGeometry(geometry);
  setAttribute(Qt::WA_NoSystemBackground);
  // A disabled button swallows its presses instead of handing them to the
  // window, where they would start a move.
  setAttribute(Qt::WA_NoMousePropagation);
  setFocusPolicy(Qt::NoFocus);
  setCursor(Qt::PointingHandCursor);
  if (!toolTip.isEmpty()) setToolTip(toolTip);
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (down_ != Qt::NoButton) return;  // a second button while one is held
  down_ = event->button();
  handler_.ButtonPressed(*this);
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != down_) return;
  const bool acts = acts_ == Acts::OnAnyRelease ||
                    (down_ == Qt::LeftButton && rect().contains(event->position().toPoint()));
  down_ = Qt::NoButton;
  handler_.ButtonReleased(*this, acts);
}

void PictureButton::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  // Hidden under the mouse: the release will never come here, and a
  // release that never came acts for no control.
  if (down_ == Qt::NoButton) return;
  down_ = Qt::NoButton;
  handler_.ButtonReleased(*this, false);
}

}  // namespace numerina::ui
