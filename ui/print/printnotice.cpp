// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/print/printnotice.h"

#include <QLabel>
#include <QTimer>

#include "ui/skin/fonts.h"
#include "ui/skin/skin_print.h"

namespace numerina::ui {

void ShowPrintNotice(QWidget& window, int milliseconds) {
  auto* notice = window.findChild<QLabel*>(QStringLiteral("txtInfo"), Qt::FindDirectChildrenOnly);
  if (!notice) {
    notice = new QLabel(QStringLiteral("Stampa inviata alla stampante"), &window);
    notice->setObjectName(QStringLiteral("txtInfo"));
    notice->setAlignment(Qt::AlignCenter);
    notice->setWordWrap(true);
    notice->setFont(fonts::PrintNotice());
    notice->setStyleSheet(
        QStringLiteral("QLabel { color: white; background: %1; border: 1px solid %2; }")
            .arg(PrintSkin::NoticeBackground().name(), PrintSkin::NoticeBorder().name()));
    notice->setAccessibleName(notice->text());
    // Clicks go on to the window below, as when the notice is not there.
    notice->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* timer = new QTimer(notice);
    timer->setObjectName(QStringLiteral("txtInfoTimer"));
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, notice, &QWidget::hide);
  }
  // With the report panel hidden its usual place would cut the text off.
  if (window.width() >= PrintSkin::kNoticePlace.right() + 1)
    notice->setGeometry(PrintSkin::kNoticePlace);
  else
    notice->setGeometry(PrintSkin::NarrowNoticePlace(window.width()));
  notice->show();
  notice->raise();
  notice->findChild<QTimer*>()->start(milliseconds);
}

}  // namespace numerina::ui
