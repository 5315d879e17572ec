// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The windows' outlines: corners cut in quarter-circle steps and, on the
// calculator, a notch between its two panels. Each outline is a table of
// one-pixel-high runs, packed as decimal numbers x1 yyy x2 (x2 = the last
// three digits, y the three before, x1 whatever stands in front), united
// into the region that the window takes as its mask.

#include <QRegion>

#include <cstdint>
#include <span>
#include <vector>

class QWidget;

namespace numerina::ui {

struct Run {
  int x1, y, x2;  // pixels x1 .. x2 - 1 of line y
  friend bool operator==(const Run&, const Run&) = default;
};

// Unpacks one table entry by its decimal text, left-padded to seven digits.
Run UnpackRun(std::int32_t packed);

// The packed tables: the calculator (400 x 275, 285 runs) and the company
// information panel (300 x 231, 231 runs).
std::span<const std::int32_t> CalculatorRuns();
std::span<const std::int32_t> InfoPanelRuns();

// The union of the runs of a table.
QRegion RegionOfRuns(std::span<const std::int32_t> table);

// The same runs scaled to device pixels, edges rounded consistently so
// that neighbouring runs meet exactly at any ratio.
QRegion DeviceRegionOfRuns(std::span<const std::int32_t> table, qreal dpr);

// Gives the calculator window its outline.
void RitagliaForm(QWidget& calculator);

// Re-applies the outline in device pixels where the platform's own scaling
// of the mask would leave seams (fractional ratios on X11). Call after the
// window exists and whenever its ratio changes; a no-op elsewhere.
void ApplyDeviceOutline(QWidget& window, std::span<const std::int32_t> table);

}  // namespace numerina::ui
