// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// All artwork of the calculator, painted in code. Widgets ask the skin for
// pictures and never paint skin details themselves. Everything is drawn in
// the 400 x 275 logical coordinates of the window through the painter's
// transform, so it is crisp at any device pixel ratio (100 %, 125 %, 150 %,
// 200 %): callers hand a painter whose device has the right ratio.

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QRect>
#include <QRegion>

#include "ui/skin/keytable.h"

class QPainter;

namespace numerina::ui {

// Colours of the skin: one palette around the tape colour.
struct Palette {
  static QColor Tape() { return QColor(170, 182, 189); }
  // The display glass behind Readout1 and Mem, and the colour for their text.
  static QColor Display() { return QColor(204, 215, 203); }
  static QColor DisplayText() { return QColor(22, 30, 34); }
  // The text printed on the tape.
  static QColor TapeText() { return QColor(18, 24, 30); }
  // The housing of both panels (its middle tone; the skin shades it).
  static QColor Body() { return QColor(78, 90, 100); }
};

class Skin {
 public:
  // The whole 400 x 275 background: both panels, the display area, the tape
  // frame, every key and toolbar button released, the decimals buttons
  // enabled. Paints in logical coordinates. Given a rectangle `within`, keys
  // and buttons wholly outside it are left out (the painter's clip would
  // hide them anyway).
  static void PaintBackground(QPainter& p, const QRect& within = QRect());

  // One key at its table position (kKeySize square at key.x, key.y).
  static void PaintKey(QPainter& p, const KeyDef& key, bool pressed);

  // One toolbar button at its table position (kToolSize square).
  static void PaintTool(QPainter& p, const ToolDef& tool, bool pressed, bool enabled);

  // The built-in logo shown in the top-left banner (at most 75 x 17).
  static void PaintLogo(QPainter& p, const QRect& frame);

  // A background cached as a pixmap at the given device pixel ratio.
  static QPixmap Background(qreal dpr);

  // The design's picture sheets, for tests and tools: keypad 181 x 181
  // (released or pressed) and toolbar strips 139 x 13, at a ratio.
  static QPixmap KeypadSheet(bool pressed, qreal dpr);
  static QPixmap ToolbarStrip(bool pressed, qreal dpr);

  // The program icon (16, 24, 32, 48 and 64 pixels), for the window and the
  // tray.
  static QIcon AppIcon();
  // The program icon alone at one size (also the installed PNG icons).
  static QPixmap AppIconPixmap(int size);

  // The configuration dialog (306 x 396): its housing with the title and
  // its shadow, a groove under the title and the white framed information
  // section, whose top edge leaves a gap for the section's header over
  // [gapLeft, gapRight). Paints in logical coordinates.
  static void PaintConfigBackground(QPainter& p, int gapLeft, int gapRight);
  // Its two picture buttons: the close button (21 x 21) and "Ripristina"
  // (95 x 22), each painted at its place; `focused` rings the button that
  // holds the keyboard focus.
  enum class ConfigButton { Close, Ripristina };
  static QRect ConfigButtonRect(ConfigButton b);
  static void PaintConfigButton(QPainter& p, ConfigButton b, bool pressed, bool focused);
  // The dialog's outline, corners cut as the calculator's.
  static QRegion ConfigOutline();
  // The small icon of the picture-choice buttons: an open folder.
  static QIcon FolderIcon();

  // Display area (where Readout1 is drawn) and tape area, window pixels.
  static QRect DisplayRect() { return QRect(15, 36, 176, 21); }
  static QRect TapeRect() { return QRect(220, 34, 164, 204); }
};

}  // namespace numerina::ui
