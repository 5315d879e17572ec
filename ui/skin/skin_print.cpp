// SPDX-License-Identifier: GPL-3.0-or-later
// The print options dialog's pictures: a key cap stretched to the button's
// size, and two small icons drawn on their own pixel grid.

#include "ui/skin/skin_print.h"

#include <QLinearGradient>
#include <QPainter>

#include <cmath>

#include "ui/skin/skin_canvas.h"

namespace numerina::ui {
namespace {

using skin::DeviceCanvas;
using skin::Mix;
using skin::Shade;

const QColor kFace(230, 233, 234), kInk(34, 42, 50), kPaper(250, 251, 250), kBlue(40, 90, 150);

QPixmap Blank(int w, int h, qreal dpr) {
  QPixmap pm(static_cast<int>(std::ceil(w * dpr - 1e-9)),
             static_cast<int>(std::ceil(h * dpr - 1e-9)));
  pm.setDevicePixelRatio(dpr);
  pm.fill(Qt::transparent);
  return pm;
}

// The cap of a calculator key, 50 x 20: a shadow below it while released,
// sunk into the shadow's place while pressed.
void PaintButton(DeviceCanvas& c, bool pressed) {
  QPainter& p = c.p;
  const qreal s = c.Scale();
  const QColor face = pressed ? Shade(kFace, 0.82) : kFace;
  const QRectF shadowAt(1, 2, 49, 18);
  const QRectF capAt = pressed ? shadowAt : QRectF(0, 0, 49, 18);
  if (!pressed) skin::RoundFill(p, c.Snap(shadowAt), 3.5 * s, QColor(64, 72, 80, 150));
  skin::RoundFill(p, c.Snap(capAt), 3 * s, Mix(face, skin::colours::Rim(), 0.7));
  const QRect skirt = c.Snap(capAt.adjusted(1, 1, -1, -1));
  QLinearGradient sg(0, skirt.top(), 0, skirt.bottom() + 1);
  sg.setColorAt(0, Shade(face, 0.94));
  sg.setColorAt(1, Shade(face, 0.66));
  skin::RoundFill(p, skirt, 2.5 * s, QBrush(sg));
  const QRect top = c.Snap(capAt.adjusted(2, 1, -2, pressed ? -2 : -3));
  QLinearGradient tg(0, top.top(), 0, top.bottom() + 1);
  tg.setColorAt(0, pressed ? Shade(face, 0.94) : Mix(face, Qt::white, 0.10));
  tg.setColorAt(1, pressed ? face : Shade(face, 0.97));
  skin::RoundFill(p, top, 2 * s, QBrush(tg));
  const QColor lip = pressed ? Shade(face, 0.78) : Mix(face, Qt::white, 0.45);
  p.fillRect(QRect(top.left() + c.Len(1.5), top.top(), top.width() - 2 * c.Len(1.5), c.Len(1)),
             lip);
}

// Filled rectangles on the icon's 16 x 15 grid, x2 and y2 exclusive.
void Fill(DeviceCanvas& c, qreal x1, qreal y1, qreal x2, qreal y2, const QColor& col) {
  c.p.fillRect(c.Snap(QRectF(QPointF(x1, y1), QPointF(x2, y2))), col);
}

void Box(DeviceCanvas& c, qreal x1, qreal y1, qreal x2, qreal y2, const QColor& line,
         const QColor& inside) {
  Fill(c, x1, y1, x2, y2, line);
  const int e = c.Thin();
  c.p.fillRect(c.Snap(QRectF(QPointF(x1, y1), QPointF(x2, y2))).adjusted(e, e, -e, -e), inside);
}

void PaintPrinter(DeviceCanvas& c) {
  const QColor body(112, 124, 136), light(168, 178, 188);
  Box(c, 4, 0, 12, 5, kInk, kPaper);           // sheet going in
  Box(c, 0, 4, 16, 11, kInk, body);            // the body
  Fill(c, 1, 5, 15, 6, light);                 // its lit top edge
  Fill(c, 12, 7, 14, 8, QColor(90, 200, 90));  // the ready light
  Box(c, 3, 9, 13, 15, kInk, kPaper);          // the printed sheet
  Fill(c, 5, 11, 11, 12, kBlue);
  Fill(c, 5, 13, 9, 14, kBlue);
}

void PaintTextFile(DeviceCanvas& c) {
  Box(c, 2, 0, 13, 15, kInk, kPaper);
  // The top right corner folded down: cut away, then the flap's edges.
  c.p.setCompositionMode(QPainter::CompositionMode_Source);
  Fill(c, 9, 0, 13, 4, Qt::transparent);
  c.p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  Fill(c, 9, 0, 10, 4, kInk);
  Fill(c, 9, 3, 13, 4, kInk);
  Fill(c, 10, 0, 11, 1, kInk);
  Fill(c, 11, 1, 12, 2, kInk);
  Fill(c, 12, 2, 13, 3, kInk);
  const QColor flap(214, 220, 226);
  Fill(c, 10, 1, 11, 3, flap);
  Fill(c, 11, 2, 12, 3, flap);
  // Lines of text.
  for (int y = 6; y <= 12; y += 2) Fill(c, 4, y, y == 12 ? 8 : 11, y + 1, kBlue);
}

template <typename Paint>
QPixmap Picture(int w, int h, qreal dpr, Paint paint) {
  QPixmap pm = Blank(w, h, dpr);
  QPainter p(&pm);
  DeviceCanvas c(p);
  paint(c);
  return pm;
}

}  // namespace

QPixmap PrintSkin::Button(bool pressed, qreal dpr) {
  return Picture(kButtonWidth, kButtonHeight, dpr,
                 [pressed](DeviceCanvas& c) { PaintButton(c, pressed); });
}

QPixmap PrintSkin::PrinterIcon(qreal dpr) {
  return Picture(kIconWidth, kIconHeight, dpr, PaintPrinter);
}

QPixmap PrintSkin::TextFileIcon(qreal dpr) {
  return Picture(kIconWidth, kIconHeight, dpr, PaintTextFile);
}

}  // namespace numerina::ui
