// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/messagebox.h"

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

bool ShowMessage(QWidget& window, MessageCode code) {
  const MessageText& m = TextOf(code);
  window.hide();
  QMessageBox box;
  SetUpMessageBox(box, m.text, m.title, m.icon, m.buttons);
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
