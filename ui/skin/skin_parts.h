// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Inside the skin: the painters of its parts, all on a DeviceCanvas. The
// public Skin functions open a canvas and call these.

#include <QRectF>
#include <QRegion>

#include <initializer_list>

#include "ui/skin/keytable.h"
#include "ui/skin/layout.h"
#include "ui/skin/skin_canvas.h"

namespace numerina::ui::skin {

// Logical size of the whole skin.
inline constexpr int kSkinWidth = 400, kSkinHeight = 275;
// The keypad panel spans x 0..204, the report panel x 205..399.
inline constexpr int kPanelSplit = layout::kReportPanelLeft;

// The two housings, shaped like the window's outline, with their rims.
void PaintHousing(DeviceCanvas& c);

// A housing of its own for a dialog of width x height, corners cut as the
// calculator's, and the outline that goes with it.
void PaintDialogHousing(DeviceCanvas& c, int width, int height);
QRegion DialogOutline(int width, int height);

// Recessed wells: the display glass, the tape slot, the key plate.
void PaintDisplayWell(DeviceCanvas& c);
void PaintTapeWell(DeviceCanvas& c);
void PaintKeyPlate(DeviceCanvas& c);

// A rounded well sunk into the housing: dark upper-left edge, light
// lower-right edge, filled with `fill`. Overlapping rectangles make one well.
void PaintWells(DeviceCanvas& c, std::initializer_list<QRectF> rects, qreal radius,
                const QBrush& fill);

void PaintKeyOn(DeviceCanvas& c, const KeyDef& key, bool pressed);
void PaintToolOn(DeviceCanvas& c, const ToolDef& tool, bool pressed, bool enabled);
void PaintLogoOn(DeviceCanvas& c, const QRectF& frame);

}  // namespace numerina::ui::skin
