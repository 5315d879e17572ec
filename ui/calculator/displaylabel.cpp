// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/calculator/displaylabel.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/skin/skin.h"

namespace numerina::ui {

DisplayLabel::DisplayLabel(QWidget* parent) : QLabel(parent) {
  setObjectName(QStringLiteral("Readout1"));
  setGeometry(Skin::DisplayRect());
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  setAttribute(Qt::WA_TranslucentBackground);
  setTextFormat(Qt::PlainText);
  setFocusPolicy(Qt::NoFocus);
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(13);  // 9.75 points at 96 dpi
  font.setBold(true);
  setFont(font);
  setToolTip(QStringLiteral("Sx Copia/Dx Incolla"));
  // The name stays the shown text, which is what a screen reader reads.
  setAccessibleDescription(QStringLiteral("display"));
  setContentsMargins(0, 0, 3, 0);
  QPalette pal = palette();
  pal.setColor(QPalette::WindowText, Palette::DisplayText());
  setPalette(pal);
}

void DisplayLabel::SetDisplayText(const QString& text) {
  if (text == QLabel::text()) return;
  setText(text);
  Refit();
}

void DisplayLabel::Refit() {
  fitted_ = FitDisplayText(text(), font(), contentsRect().width());
  update();
}

void DisplayLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  Refit();
}

void DisplayLabel::paintEvent(QPaintEvent*) {
  // QLabel would lay out the whole text, however long, and cut it on the
  // left; only the fitted text is drawn.
  QPainter p(this);
  p.setFont(fitted_.font);
  p.setPen(palette().color(QPalette::WindowText));
  p.drawText(contentsRect(), static_cast<int>(alignment()), fitted_.shown);
}

void DisplayLabel::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (onPressed) onPressed(event->button());
}

}  // namespace numerina::ui
