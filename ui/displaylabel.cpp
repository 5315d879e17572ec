#include "ui/displaylabel.h"

#include <QMouseEvent>

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

void DisplayLabel::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (onPressed) onPressed(event->button());
}

}  // namespace numerina::ui
