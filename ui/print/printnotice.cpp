// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/print/printnotice.h"

#include <QLabel>
#include <QTimer>

namespace numerina::ui {

void ShowPrintNotice(QWidget& window, int milliseconds) {
  auto* notice = window.findChild<QLabel*>(QStringLiteral("txtInfo"), Qt::FindDirectChildrenOnly);
  if (!notice) {
    notice = new QLabel(QStringLiteral("Stampa inviata alla stampante"), &window);
    notice->setObjectName(QStringLiteral("txtInfo"));
    notice->setAlignment(Qt::AlignCenter);
    notice->setWordWrap(true);
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(13);  // 9.75 points at 96 dpi
    font.setBold(true);
    notice->setFont(font);
    notice->setStyleSheet(
        QStringLiteral("QLabel { color: white; background: rgb(28, 78, 150); border: 1px solid "
                       "rgb(12, 36, 72); }"));
    notice->setAccessibleName(notice->text());
    // Clicks go on to the window below, as when the notice is not there.
    notice->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* timer = new QTimer(notice);
    timer->setObjectName(QStringLiteral("txtInfoTimer"));
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, notice, &QWidget::hide);
  }
  // Its place on the window; with the report panel hidden that would cut
  // the text off, so it then spans the keypad panel on two lines.
  constexpr QRect kPlace(62, 118, 253, 24);
  if (window.width() >= kPlace.right() + 1)
    notice->setGeometry(kPlace);
  else
    notice->setGeometry(10, 112, window.width() - 20, 40);
  notice->show();
  notice->raise();
  notice->findChild<QTimer*>()->start(milliseconds);
}

}  // namespace numerina::ui
