// SPDX-License-Identifier: GPL-3.0-or-later
// The small windows' artwork: the information panel and the about box.
#include "ui/skin/skin_panels.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "ui/skin/skin.h"
#include "ui/skin/skin_canvas.h"
#include "ui/skin/text.h"

#include "base/product.h"

namespace numerina::ui {
namespace {

using skin::colours::BodyDark;
using skin::colours::BodyLight;
using skin::colours::Rim;

const QColor kPaper(238, 240, 234);  // the panel's writing surface
const QColor kTitleYellow(255, 255, 192);
const QColor kFace(214, 216, 212);  // the about box's body
const QColor kShadow(64, 64, 64);

QPixmap Canvas(QSize size, qreal dpr) {
  QPixmap pm(QSize(qRound(size.width() * dpr), qRound(size.height() * dpr)));
  pm.setDevicePixelRatio(dpr);
  pm.fill(Qt::transparent);
  return pm;
}

QFont UiFont(int px, bool bold) {
  QFont f(QStringLiteral("MS Sans Serif"));
  f.setPixelSize(px);
  f.setBold(bold);
  return f;
}

// A raised (or, pressed, sunken) bevelled face: light top-left, dark
// bottom-right, one window pixel each.
void Bevel(QPainter& p, const QRect& r, bool pressed, const QColor& face) {
  p.fillRect(r, face);
  const QColor tl = pressed ? kShadow : Qt::white;
  const QColor br = pressed ? Qt::white : kShadow;
  p.fillRect(QRect(r.left(), r.top(), r.width(), 1), tl);
  p.fillRect(QRect(r.left(), r.top(), 1, r.height()), tl);
  p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), br);
  p.fillRect(QRect(r.right(), r.top(), 1, r.height()), br);
}

// A cross of two strokes inside r.
void Cross(QPainter& p, const QRectF& r, const QColor& colour, qreal width) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(r.topLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomLeft());
  p.restore();
}

// The panel's outline: lines 0, 1, 229 and 230 are shorter; every other
// line runs from x 1 to 299 (x 0 stays outside).
QPainterPath PanelShape() {
  QPainterPath path;
  path.addRoundedRect(QRectF(1, 0, 299, 231), 4, 4);
  return path;
}

}  // namespace

QPixmap SkinPanels::InfoPanelBackground(qreal dpr) {
  QPixmap pm = Canvas(QSize(300, 231), dpr);
  QPainter p(&pm);
  // Under the rounded housing, every pixel of the outline in the rim colour,
  // so that no run of the mask is left unpainted at any ratio.
  p.fillRect(QRect(1, 2, 299, 227), Rim());
  p.fillRect(QRect(5, 0, 292, 2), Rim());
  p.fillRect(QRect(2, 229, 297, 2), Rim());
  p.setRenderHint(QPainter::Antialiasing, true);
  QLinearGradient body(0, 0, 0, 231);
  body.setColorAt(0, skin::colours::BodyTop());
  body.setColorAt(1, skin::colours::BodyBottom());
  p.fillPath(PanelShape(), Rim());
  QPainterPath inner;
  inner.addRoundedRect(QRectF(2, 1, 297, 229), 3, 3);
  p.fillPath(inner, QBrush(body));
  p.setRenderHint(QPainter::Antialiasing, false);
  // Bevel of the housing.
  p.fillRect(QRect(4, 1, 293, 1), BodyLight());
  p.fillRect(QRect(2, 3, 1, 225), BodyLight());
  p.fillRect(QRect(4, 229, 293, 1), BodyDark());
  p.fillRect(QRect(298, 3, 1, 225), BodyDark());
  // The writing surface, sunk into the housing.
  const QRect well(7, 19, 286, 205);
  p.fillRect(well.adjusted(-1, -1, 1, 1), BodyDark());
  p.fillRect(QRect(well.left() - 1, well.bottom() + 1, well.width() + 2, 1), BodyLight());
  p.fillRect(QRect(well.right() + 1, well.top(), 1, well.height() + 1), BodyLight());
  p.fillRect(well, kPaper);
  // Title.
  p.setFont(UiFont(11, true));
  p.setPen(kTitleYellow);
  p.drawText(QRect(12, 2, 120, 14), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Informazioni..."));
  // The close cross, in a small dark well.
  const QRect close = InfoCloseRect();
  p.fillRect(close.adjusted(1, 0, -1, 0), Rim());
  p.fillRect(close.adjusted(2, 1, -2, -1), skin::colours::Plate());
  Cross(p, QRectF(close).adjusted(5.5, 3.5, -5.5, -3.5), kTitleYellow, 1.5);
  return pm;
}

void SkinPanels::PaintInfoClose(QPainter& p, bool pressed) {
  if (!pressed) return;
  // Border style 1 while pressed.
  p.save();
  p.setPen(QPen(kTitleYellow, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(InfoCloseRect()).adjusted(0.5, 0.5, -0.5, -0.5));
  p.restore();
}

void SkinPanels::PaintInfoBanner(QPainter& p, QPoint topLeft) {
  const QRect r(topLeft, InfoBannerSize());
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  QPainterPath frame;
  frame.addRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, Palette::Display());
  g.setColorAt(1, skin::Shade(Palette::Display(), 0.86));
  p.fillPath(frame, g);
  p.setPen(QPen(Palette::Body(), 1));
  p.drawPath(frame);
  // Left: the program's machine; right: a strip of tape with its figures.
  p.drawPixmap(QRect(r.left() + 9, r.top() + 9, 32, 32),
               Skin::AppIcon().pixmap(QSize(32, 32), p.device()->devicePixelRatioF()));
  const QRectF tape(r.right() - 38, r.top() + 6, 26, 38);
  p.setPen(QPen(Palette::Body(), 1));
  p.setBrush(QColor(250, 250, 246));
  p.drawRect(tape);
  p.setPen(QPen(Palette::DisplayText(), 1.4));
  for (int i = 0; i < 4; ++i) {
    const qreal y = tape.top() + 7 + i * 7;
    const qreal x1 = tape.left() + (i == 3 ? 6 : 10);
    p.drawLine(QPointF(x1, y), QPointF(tape.right() - 5, y));
  }
  p.setPen(QPen(Palette::DisplayText(), 1));
  p.drawLine(QPointF(tape.left() + 5, tape.top() + 25.5),
             QPointF(tape.right() - 4, tape.top() + 25.5));
  // The name.
  // The name, as large as fits between the two drawings.
  const QRect room(r.left() + 48, r.top(), 275 - 48 - 46, 50);
  const QString name = ToQString(kProductName);
  QFont f(QStringLiteral("Verdana"));
  f.setBold(true);
  for (int px = 18; px > 8; --px) {
    f.setPixelSize(px);
    if (QFontMetricsF(f).horizontalAdvance(name) <= room.width() - 4) break;
  }
  p.setFont(f);
  p.setPen(Palette::DisplayText());
  p.drawText(room, Qt::AlignCenter, name);
  p.restore();
}

QPixmap SkinPanels::AboutBackground(qreal dpr) {
  const int w = layout::about::kSize.width(), h = layout::about::kSize.height();
  const int raise = layout::about::kLowerRaise;
  QPixmap pm = Canvas(layout::about::kSize, dpr);
  QPainter p(&pm);
  p.fillRect(QRect(0, 0, w, h), kFace);
  // Title bar: the classic dark-to-light blue.
  QLinearGradient bar(0, 0, w, 0);
  bar.setColorAt(0, QColor(10, 36, 106));
  bar.setColorAt(1, QColor(120, 160, 214));
  p.fillRect(QRect(0, 0, w, 20), bar);
  p.drawPixmap(QRect(5, 2, 16, 16), Skin::AppIcon().pixmap(QSize(16, 16), dpr));
  p.setFont(UiFont(11, true));
  p.setPen(Qt::white);
  p.drawText(QRect(26, 3, 120, 14), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Informazioni"));
  // The window's own edge (it has no frame of the window manager).
  p.setPen(Qt::NoPen);
  p.fillRect(QRect(0, 0, w, 1), QColor(10, 36, 106));
  p.fillRect(QRect(0, h - 1, w, 1), kShadow);
  p.fillRect(QRect(0, 0, 1, h), QColor(10, 36, 106));
  p.fillRect(QRect(w - 1, 0, 1, h), kShadow);
  p.fillRect(QRect(1, 20, 1, h - 21), Qt::white);
  p.fillRect(QRect(1, 20, w - 2, 1), Qt::white);
  // Frame2 and Frame1: engraved separator lines; Line1: the vertical one.
  for (int y : {110 - raise, 142 - raise}) {
    p.fillRect(QRect(7, y, 291, 1), QColor(128, 128, 128));
    p.fillRect(QRect(7, y + 1, 291, 1), Qt::white);
  }
  p.fillRect(QRect(167, 143 - raise, 1, 37), kShadow);
  p.fillRect(QRect(168, 143 - raise, 1, 37), Qt::white);
  return pm;
}

void SkinPanels::PaintAboutClose(QPainter& p, bool pressed) {
  const QRect r = AboutCloseRect();
  Bevel(p, r, pressed, kFace);
  const qreal shift = pressed ? 1 : 0;
  Cross(p, QRectF(r).adjusted(4 + shift, 4 + shift, -4 + shift, -4 + shift), Qt::black, 1.6);
}

void SkinPanels::PaintAboutButton(QPainter& p, bool pressed) {
  const QRect r = AboutButtonRect();
  p.fillRect(r.adjusted(-1, -1, 1, 1), Qt::black);
  Bevel(p, r, pressed, kFace);
  p.setFont(UiFont(11, false));
  p.setPen(Qt::black);
  p.drawText(r.translated(pressed ? 1 : 0, pressed ? 1 : 0), Qt::AlignCenter,
             QStringLiteral("Configurazione"));
}

}  // namespace numerina::ui
