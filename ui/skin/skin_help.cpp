// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/skin/skin_help.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

#include "ui/skin/skin.h"
#include "ui/skin/skin_canvas.h"

namespace numerina::ui {

using skin::colours::BodyDark;
using skin::colours::BodyLight;
using skin::colours::Rim;

QPixmap SkinHelp::Background(qreal dpr) {
  const QSize size = Size();
  QPixmap pm(QSize(qRound(size.width() * dpr), qRound(size.height() * dpr)));
  pm.setDevicePixelRatio(dpr);
  QPainter p(&pm);
  p.fillRect(QRect(QPoint(0, 0), size), Rim());
  QLinearGradient body(0, 0, 0, size.height());
  body.setColorAt(0, skin::colours::BodyTop());
  body.setColorAt(1, skin::colours::BodyBottom());
  const QRect inner(1, 1, size.width() - 2, size.height() - 2);
  p.fillRect(inner, QBrush(body));
  // The housing's bevel, as on the calculator.
  p.fillRect(QRect(inner.left(), inner.top(), inner.width(), 1), BodyLight());
  p.fillRect(QRect(inner.left(), inner.top(), 1, inner.height()), BodyLight());
  p.fillRect(QRect(inner.left(), inner.bottom(), inner.width(), 1), BodyDark());
  p.fillRect(QRect(inner.right(), inner.top(), 1, inner.height()), BodyDark());
  // The page sits sunk into the housing, like the tape.
  const QRect page = PageRect().adjusted(-2, -2, 2, 2);
  p.fillRect(page, Palette::Tape());
  p.fillRect(QRect(page.left(), page.top(), page.width(), 1), BodyDark());
  p.fillRect(QRect(page.left(), page.top(), 1, page.height()), BodyDark());
  p.fillRect(QRect(page.left(), page.bottom(), page.width(), 1), BodyLight());
  p.fillRect(QRect(page.right(), page.top(), 1, page.height()), BodyLight());
  PaintClose(p, false);
  return pm;
}

void SkinHelp::PaintClose(QPainter& p, bool pressed) {
  const QRect r = CloseRect();
  p.save();
  p.fillRect(r, pressed ? BodyDark() : Palette::Body());
  p.fillRect(QRect(r.left(), r.top(), r.width(), 1), pressed ? BodyDark() : BodyLight());
  p.fillRect(QRect(r.left(), r.top(), 1, r.height()), pressed ? BodyDark() : BodyLight());
  p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), pressed ? BodyLight() : BodyDark());
  p.fillRect(QRect(r.right(), r.top(), 1, r.height()), pressed ? BodyLight() : BodyDark());
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(Palette::Display(), 1.6, Qt::SolidLine, Qt::RoundCap));
  const QRectF cross =
      QRectF(r).adjusted(4.5, 4.5, -4.5, -4.5).translated(pressed ? 1 : 0, pressed ? 1 : 0);
  p.drawLine(cross.topLeft(), cross.bottomRight());
  p.drawLine(cross.topRight(), cross.bottomLeft());
  p.restore();
}

}  // namespace numerina::ui
