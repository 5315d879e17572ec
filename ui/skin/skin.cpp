// SPDX-License-Identifier: GPL-3.0-or-later
// The public face of the skin: the background, single keys and buttons, and
// the picture sheets cut from the same painting.

#include "ui/skin/skin.h"

#include <QPainter>

#include <cmath>

#include "ui/skin/skin_parts.h"

namespace numerina::ui {
namespace {

// A transparent pixmap of `logical` size at a device pixel ratio. Partial
// device pixels at the far edges are kept (rounded up), so nothing painted
// inside the logical size is cut.
QPixmap BlankPixmap(QSize logical, qreal dpr) {
  QPixmap pm(static_cast<int>(std::ceil(logical.width() * dpr - 1e-9)),
             static_cast<int>(std::ceil(logical.height() * dpr - 1e-9)));
  pm.setDevicePixelRatio(dpr);
  pm.fill(Qt::transparent);
  return pm;
}

}  // namespace

void Skin::PaintBackground(QPainter& p, const QRect& within) {
  skin::DeviceCanvas c(p);
  c.within = within;
  skin::PaintHousing(c);
  skin::PaintDisplayWell(c);
  skin::PaintTapeWell(c);
  skin::PaintKeyPlate(c);
  // A key or button paints inside its square.
  for (const KeyDef& k : kKeys)
    if (c.Reaches(QRect(k.x, k.y, kKeySize, kKeySize))) skin::PaintKeyOn(c, k, false);
  for (const ToolDef& t : kTools)
    if (c.Reaches(QRect(t.x, t.y, kToolSize, kToolSize))) skin::PaintToolOn(c, t, false, true);
}

void Skin::PaintKey(QPainter& p, const KeyDef& key, bool pressed) {
  skin::DeviceCanvas c(p);
  skin::PaintKeyOn(c, key, pressed);
}

void Skin::PaintTool(QPainter& p, const ToolDef& tool, bool pressed, bool enabled) {
  skin::DeviceCanvas c(p);
  skin::PaintToolOn(c, tool, pressed, enabled);
}

QPixmap Skin::Background(qreal dpr) {
  QPixmap pm = BlankPixmap(QSize(skin::kSkinWidth, skin::kSkinHeight), dpr);
  QPainter p(&pm);
  PaintBackground(p);
  return pm;
}

QPixmap Skin::KeypadSheet(bool pressed, qreal dpr) {
  // The sheet is the window's keypad area, (12, 72) to (192, 252): the same
  // painting moved by that corner, keys in the chosen state.
  QPixmap pm = BlankPixmap(QSize(kKeypadSheet, kKeypadSheet), dpr);
  QPainter p(&pm);
  p.translate(-kKeypadX, -kKeypadY);
  {
    skin::DeviceCanvas c(p);
    skin::PaintHousing(c);
    skin::PaintKeyPlate(c);
    for (const KeyDef& k : kKeys) skin::PaintKeyOn(c, k, pressed);
  }
  return pm;
}

QPixmap Skin::ToolbarStrip(bool pressed, qreal dpr) {
  // Ten cells 14 pixels apart; the pixel column between two cells is housing.
  QPixmap pm = BlankPixmap(QSize(kToolStripWidth, kToolSize), dpr);
  QPainter p(&pm);
  p.translate(0, -kTools[0].y);
  {
    skin::DeviceCanvas c(p);
    c.p.fillRect(c.SnapOut(QRectF(0, kTools[0].y, kToolStripWidth, kToolSize)), skin::BodyBrush(c));
    for (const ToolDef& t : kTools) {
      ToolDef inStrip = t;
      inStrip.x = t.cell;
      skin::PaintToolOn(c, inStrip, pressed, true);
    }
  }
  return pm;
}

}  // namespace numerina::ui
