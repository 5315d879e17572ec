// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The print options dialog's artwork, in the calculator's style: the two
// button pictures (released and pressed, 50 x 20, shared by "Ok" and
// "Annulla") and the 16 x 15 icons beside its two choices.

#include <QColor>
#include <QPixmap>
#include <QRect>

namespace numerina::ui {

class PrintSkin {
 public:
  // The dialog, its frame and its option buttons.
  static QColor Background() { return QColor(190, 200, 210); }
  static QColor Outline() { return QColor(96, 108, 120); }
  static QColor Caption() { return QColor(20, 26, 32); }

  // The notice "Stampa inviata alla stampante" over the calculator: its
  // place, and across the keypad panel on two lines when the report panel
  // is hidden.
  static QColor NoticeBackground() { return QColor(28, 78, 150); }
  static QColor NoticeBorder() { return QColor(12, 36, 72); }
  static constexpr QRect kNoticePlace{62, 118, 253, 24};
  static QRect NarrowNoticePlace(int windowWidth) { return QRect(10, 112, windowWidth - 20, 40); }

  static QPixmap Button(bool pressed, qreal dpr);
  static QPixmap PrinterIcon(qreal dpr);
  static QPixmap TextFileIcon(qreal dpr);

  static constexpr int kButtonWidth = 50, kButtonHeight = 20;
  static constexpr int kIconWidth = 16, kIconHeight = 15;
};

}  // namespace numerina::ui
