// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/configdialog/positionlist.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>

namespace numerina::ui {
namespace {

constexpr char kNamedByCaption[] = "numerinaNamedByCaption";

class NamedListAccessible : public QAccessibleWidget {
 public:
  explicit NamedListAccessible(QComboBox* combo)
      : QAccessibleWidget(combo, QAccessible::ComboBox) {}

  QString text(QAccessible::Text t) const override {
    switch (t) {
      case QAccessible::Name: return Combo()->accessibleName();
      case QAccessible::Value: return Combo()->currentText();
      default: return QAccessibleWidget::text(t);
    }
  }
  int childCount() const override { return 1; }
  QAccessibleInterface* child(int index) const override {
    return index == 0 ? QAccessible::queryAccessibleInterface(Combo()->view()) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* c) const override {
    return c && c->object() == Combo()->view() ? 0 : -1;
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.expandable = true;
    s.expanded = Combo()->view()->isVisible();
    s.collapsed = !s.expanded;
    return s;
  }
  QStringList actionNames() const override {
    return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action != showMenuAction() && action != pressAction()) {
      QAccessibleWidget::doAction(action);
      return;
    }
    if (Combo()->view()->isVisible())
      Combo()->hidePopup();
    else
      Combo()->showPopup();
  }

 private:
  QComboBox* Combo() const { return static_cast<QComboBox*>(object()); }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
  if (className != QLatin1String("QComboBox") || !object ||
      !object->property(kNamedByCaption).toBool())
    return nullptr;
  return new NamedListAccessible(static_cast<QComboBox*>(object));
}

}  // namespace

void NameListByCaption(QComboBox& combo) {
  static const bool installed = [] {
    QAccessible::installFactory(&Factory);
    return true;
  }();
  (void)installed;
  combo.setProperty(kNamedByCaption, true);
}

}  // namespace numerina::ui
