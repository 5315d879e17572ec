// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The print options dialog (161 x 114): where its controls stand, in window
// pixels (the option buttons and icons inside the frame), its font and its
// rounded corners. The pictures themselves are PrintSkin's.

#include <QPoint>
#include <QRect>

#include <string_view>

namespace numerina::ui::layout::print {

// MS Sans Serif, 8.25 points at 96 dpi.
inline constexpr std::string_view kFontFamily = "MS Sans Serif";
inline constexpr int kFontPx = 11;

inline constexpr QRect kFrame1(13, 7, 137, 69);
inline constexpr QRect kOption0(47, 18, 81, 16);
inline constexpr QRect kOption1(47, 41, 83, 23);
inline constexpr QPoint kImage1(10, 18);
inline constexpr QPoint kImage2(10, 41);
inline constexpr QPoint kImgOk(21, 83);
inline constexpr QPoint kImgCancel(86, 83);

// The outline's corners: CreateRoundRectRgn's 20 x 20 ellipses, and the
// edge drawn along them.
inline constexpr int kCorner = 20;
inline constexpr qreal kEdgeRadius = 9.5;

}  // namespace numerina::ui::layout::print
