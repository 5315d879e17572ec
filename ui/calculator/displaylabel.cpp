// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/calculator/displaylabel.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "ui/skin/fonts.h"
#include "ui/skin/layout.h"
#include "ui/skin/skin.h"
#include "ui/skin/text.h"

namespace numerina::ui {

DisplayLabel::DisplayLabel(QWidget* parent) : QLabel(parent) {
  setObjectName(QStringLiteral("Readout1"));
  setGeometry(Skin::DisplayRect());
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  setAttribute(Qt::WA_TranslucentBackground);
  setTextFormat(Qt::PlainText);
  setFocusPolicy(Qt::NoFocus);
  setFont(fonts::Display());
  setToolTip(QStringLiteral("Sx Copia/Dx Incolla"));
  // The name stays the shown text, which is what a screen reader reads.
  setAccessibleDescription(QStringLiteral("display"));
  setContentsMargins(0, 0, 3, 0);
  QPalette pal = palette();
  pal.setColor(QPalette::WindowText, Palette::DisplayText());
  setPalette(pal);
}

QString DisplayLabel::TextFor(std::string_view display) {
  if (display.size() <= kWholeText) return ToQString(display);
  // Whatever the width, far fewer than kTailText characters can show.
  std::size_t cut = display.size() - kTailText;
  while (cut < display.size() && (static_cast<unsigned char>(display[cut]) & 0xC0) == 0x80) ++cut;
  QString text;
  text.reserve(static_cast<qsizetype>(display.size() - cut) + 1);
  text += QChar(0x2026);
  text += ToQString(display.substr(cut));
  return text;
}

void DisplayLabel::SetDisplayText(const QString& text) {
  if (text == QLabel::text()) return;
  setText(text);
  Refit();
}

void DisplayLabel::SetMemorySignShown(bool shown) {
  if (shown == memorySign_) return;
  memorySign_ = shown;
  Refit();
}

QRect DisplayLabel::TextRect() const {
  QRect r = contentsRect();
  // The sign is painted by the window below this label, at the same scale:
  // two pixels of gap after its place.
  if (memorySign_) r.setLeft(std::max(r.left(), layout::kMemRect.right() + 1 + 2 - x()));
  return r;
}

void DisplayLabel::Refit() {
  fitted_ = FitDisplayText(text(), font(), TextRect().width());
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
  p.drawText(TextRect(), static_cast<int>(alignment()), fitted_.shown);
}

void DisplayLabel::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (onPressed) onPressed(event->button());
}

}  // namespace numerina::ui
