// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The artwork of the two small windows, painted in code like the rest of
// the skin: the company information panel (300 x 231) and the about box
// (306 x 184). Backgrounds come as pixmaps at a device pixel ratio; the
// pieces that change look (close buttons, the configuration button) are
// painted over them at their places in window pixels.

#include <QPixmap>
#include <QRect>

#include "ui/skin/layout_panels.h"

class QPainter;

namespace numerina::ui {

class SkinPanels {
 public:
  // Information panel: the framed panel, the yellow title "Informazioni..."
  // and the close cross at the top right.
  static QPixmap InfoPanelBackground(qreal dpr);
  static QRect InfoCloseRect() { return QRect(275, 3, 17, 14); }
  // The close cross's look: pressed, a one-pixel border around it.
  static void PaintInfoClose(QPainter& p, bool pressed);
  // The built-in logo of the panel: a 275 x 50 banner with the program's
  // name and two small drawings.
  static QSize InfoBannerSize() { return QSize(275, 50); }
  static void PaintInfoBanner(QPainter& p, QPoint topLeft);

  // About box: blue title bar with "Informazioni", grey body, separators.
  static QPixmap AboutBackground(qreal dpr);
  static QRect AboutCloseRect() { return QRect(285, 4, 15, 15); }
  static QRect AboutButtonRect() { return QRect(189, 151 - layout::about::kLowerRaise, 95, 22); }
  static QRect AboutBannerRect() { return QRect(9, 146 - layout::about::kLowerRaise, 151, 31); }
  // The close button (released or pressed) and the configuration button
  // with its caption.
  static void PaintAboutClose(QPainter& p, bool pressed);
  static void PaintAboutButton(QPainter& p, bool pressed);
};

}  // namespace numerina::ui
