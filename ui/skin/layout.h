// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the calculator's other parts stand, beside the keys and buttons of
// ui/keytable.h: the banners, the name, the memory sign. Window pixels of the
// 400 x 275 skin.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace numerina::ui::layout {

// The banner frames: Banner1 left of the currency keys, Banner2 at the top
// left. A picture sits at its offset inside the frame; the logo shows at
// most kLogoSize of itself.
inline constexpr QRect kBanner1Frame(12, 72, 114, 28);
inline constexpr QRect kBanner2Frame(12, 7, 76, 18);
inline constexpr QPoint kBanner1Offset(0, 0), kBanner2Offset(1, 1);
inline constexpr QSize kLogoSize(75, 17);

// The name: its places on the report panel ("NomePos" 1 and 2, and without
// a settings file), and the height of the strip it covers (its right end is
// Calculator::NameLimit: before the print button, or the panel's edge).
inline constexpr QPoint kNameTop(218, 6);
inline constexpr QPoint kNameBottom(218, 250);
inline constexpr QPoint kNameDefault(222, 6);
inline constexpr int kNameStripHeight = 15;

// The report panel's left edge: the keypad panel spans x 0..204, and the
// window without its report is this wide (3080 twips).
inline constexpr int kReportPanelLeft = 205;

// The memory sign's label.
inline constexpr QRect kMemRect(16, 41, 17, 17);

}  // namespace numerina::ui::layout
