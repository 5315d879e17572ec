// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The about box (306 x 154) and the company information panel (300 x 231):
// where their texts and pictures stand, in window pixels, and their fonts.
// The artwork's own places are in skin_panels.h.

#include <QtCore/qnamespace.h>
#include <QRect>
#include <QSize>

#include <string_view>

namespace numerina::ui::layout {

// A text of a small window: its place, its font and its alignment.
struct PanelText {
  const char* name;  // the design's name of the label
  QRect place;
  std::string_view family;
  int px;
  bool bold;
  int align;  // Qt::Alignment
};

namespace about {

// The lower part (the separators, the description, the licence line, the
// banner and the configuration button) stands this much higher than in the
// old 184-pixel box: the band the e-mail labels left when they went is
// closed, and the box is that much shorter.
inline constexpr int kLowerRaise = 30;
inline constexpr QSize kSize(306, 184 - kLowerRaise);
inline constexpr QRect kIcon(11, 21, 32, 32);
// The banner's picture stands this far in from the banner's left edge.
inline constexpr int kLogoInset = 6;

inline constexpr int kLeft = int(Qt::AlignLeft | Qt::AlignVCenter);
inline constexpr int kCentre = int(Qt::AlignCenter);
// The version and the licence line are wider than their design places (44
// and 177 pixels): they get the room to their right, or both sides, so
// that nothing is cut off.
inline constexpr PanelText kTitle{"lblTitle", QRect(60, 27, 140, 15), "Arial", 13, true, kLeft};
inline constexpr PanelText kVersion{
    "lblVersion", QRect(200, 27, 98, 15), "MS Sans Serif", 11, false, kLeft};
inline constexpr PanelText kLabel1{"Label1", QRect(115, 45, 180, 13), "MS Sans Serif", 11, false,
                                   kLeft};
inline constexpr PanelText kLabel4{"Label4", QRect(25, 60, 270, 15), "MS Sans Serif", 11, true,
                                   kLeft};
inline constexpr PanelText kDescription{
    "lblDescription", QRect(-21, 115 - kLowerRaise, 347, 14), "MS Sans Serif", 11, false, kCentre};
inline constexpr PanelText kLabel2{
    "Label2", QRect(7, 127 - kLowerRaise, 291, 14), "MS Sans Serif", 11, false, kCentre};

}  // namespace about

namespace info {

inline constexpr QSize kSize(300, 231);
inline constexpr int kLogoTop = 20;  // 300 twips
// The writing surface: the logo shows only inside it.
inline constexpr QRect kWell(7, 19, 286, 205);
inline constexpr int kTop = int(Qt::AlignHCenter | Qt::AlignTop);
// 9.75 and 8.25 points.
inline constexpr PanelText kDitta{"lblDitta", QRect(15, 73, 268, 20), "MS Sans Serif", 13, true,
                                  kTop};
inline constexpr PanelText kInfo{"lblInfo", QRect(15, 95, 271, 117), "MS Sans Serif", 11, false,
                                 kTop};
// The logo's room: the writing surface's width, from the logo's top down to
// the company name. A larger logo is shown scaled down into it.
inline constexpr QRect kLogoPlace(kWell.left(), kLogoTop, kWell.width(),
                                  kDitta.place.top() - kLogoTop);

}  // namespace info

}  // namespace numerina::ui::layout
