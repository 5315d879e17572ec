// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/smallwindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

#include "ui/skin/text.h"

namespace numerina::ui {

SmallWindow::SmallWindow(QSize size, const QString& title, const QString& name)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName(name);
  setAttribute(Qt::WA_DeleteOnClose);
  // The canvas paints every pixel; nothing is to be cleared first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setWindowTitle(title);
  setFixedSize(size);
}

void SmallWindow::ShowCentred() {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
  }
  show();
  raise();
  activateWindow();
}

void SmallWindow::Unload() {
  if (closing_) return;
  unloading_ = true;
  close();
}

void SmallWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    if (!closing_) CloseAsButton();
    return;
  }
  QWidget::keyPressEvent(event);
}

void SmallWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  if (closing_) return;
  closing_ = true;
  hide();
  if (!unloading_) OnClose();
}

bool SmallWindow::event(QEvent* event) {
  // Another screen, perhaps another ratio: the cached pictures are made
  // again at the next paint.
  if (event->type() == QEvent::ScreenChangeInternal) update();
  return QWidget::event(event);
}

QLabel* AddText(QWidget& window, const layout::PanelText& text, const QString& shown) {
  auto* label = new QLabel(shown, &window);
  label->setObjectName(QString::fromLatin1(text.name));
  label->setTextFormat(Qt::PlainText);
  label->setGeometry(text.place);
  label->setAlignment(Qt::Alignment(text.align));
  QFont font(ToQString(text.family));
  font.setPixelSize(text.px);
  font.setBold(text.bold);
  label->setFont(font);
  QPalette pal = label->palette();
  pal.setColor(QPalette::WindowText, Qt::black);
  label->setPalette(pal);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}

}  // namespace numerina::ui
