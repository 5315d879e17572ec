// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help viewer's artwork: a housing in the calculator's colours with a
// title strip, a close cross, and a sunken frame around the page.

#include <QRect>
#include <QSize>

class QPainter;
class QPixmap;

namespace numerina::ui {

// 496 px high: the whole window fits a 1280 × 1024 screen at 200 %.
struct SkinHelp {
  static QSize Size() { return QSize(600, 496); }
  static QRect TitleRect() { return QRect(12, 5, 540, 18); }
  static QRect CloseRect() { return QRect(574, 6, 16, 16); }
  // The page, inside the sunken frame.
  static QRect PageRect() { return QRect(10, 29, 580, 457); }

  static QPixmap Background(qreal dpr);
  static void PaintClose(QPainter& p, bool pressed);
};

}  // namespace numerina::ui
