// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/messagebox.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

#include "ui/skin/text.h"
#include "ui/widgets/qttranslation.h"

namespace numerina::ui {
namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Question: return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

void SetUpMessageBox(QMessageBox& box, std::string_view text, std::string_view title,
                     MessageIcon icon, MessageButtons buttons) {
  // Before the buttons are made: they take their texts when created.
  LoadQtItalian();
  box.setIcon(BoxIcon(icon));
  box.setWindowTitle(ToQString(title));
  box.setText(ToQString(text));
  if (buttons == MessageButtons::YesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::No);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
  }
  box.setWindowModality(Qt::ApplicationModal);
}

QPoint CentredOn(const QRect& over, QSize size) {
  QPoint at = over.center() - QPoint(size.width() / 2, size.height() / 2);
  const QScreen* screen = QGuiApplication::screenAt(over.center());
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return at;
  const QRect area = screen->availableGeometry();
  // Right and bottom first: a box larger than the screen keeps its top left.
  at.setX(std::max(area.left(), std::min(at.x(), area.right() + 1 - size.width())));
  at.setY(std::max(area.top(), std::min(at.y(), area.bottom() + 1 - size.height())));
  return at;
}

void PlacedMessageBox::showEvent(QShowEvent* event) {
  // The box takes its final size in QMessageBox's own showEvent; the window
  // is mapped only after this returns, so it never shows elsewhere first.
  QMessageBox::showEvent(event);
  // move() places the frame, where the platform knows it already.
  if (over_.isValid()) move(CentredOn(over_, frameGeometry().size()));
}

bool ShowMessage(QWidget& window, MessageCode code) {
  const MessageText& m = TextOf(code);
  // The place is taken while the window is still where the user sees it.
  const QRect place = window.frameGeometry();
  window.hide();
  PlacedMessageBox box(place);
  SetUpMessageBox(box, m.text, m.title, m.icon, m.buttons);
  // A box under a window kept on top (the calculator, beside a dialog
  // opened from the tray) could be neither seen nor clicked, yet it holds
  // every other window of the program.
  box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
  box.exec();
  window.show();
  window.raise();
  window.activateWindow();
  // The button clicked, not exec()'s code: a box closed again after the
  // click answers with the click.
  const QMessageBox::StandardButton answer = box.standardButton(box.clickedButton());
  return answer == QMessageBox::Yes || answer == QMessageBox::Ok;
}

}  // namespace numerina::ui
