// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The windows' outlines as data: bands of lines that share the same one or
// two runs. The window masks (ui/outline.h) and the painted housings both
// come from these tables.

#include <array>

namespace numerina::ui {

// Lines first..last have the runs x1a..x2a - 1 and x1b..x2b - 1 (x2b == 0:
// no second run).
struct OutlineBand {
  int first, last;
  int x1a, x2a;
  int x1b, x2b;
};

// The calculator: two panels with rounded corners about five pixels across,
// notched apart at the top and bottom by nine pixels that close within five
// lines.
inline constexpr std::array<OutlineBand, 9> kCalculatorBands = {{
    {0, 0, 5, 200, 209, 395},
    {1, 1, 3, 202, 207, 397},
    {2, 2, 2, 203, 206, 398},
    {3, 4, 1, 204, 205, 399},
    {5, 269, 0, 400, 0, 0},
    {270, 271, 1, 204, 205, 399},
    {272, 272, 2, 203, 206, 398},
    {273, 273, 3, 202, 207, 397},
    {274, 274, 5, 200, 209, 395},
}};

// The information panel, which never shows its leftmost column.
inline constexpr std::array<OutlineBand, 5> kInfoBands = {{
    {0, 0, 5, 297, 0, 0},
    {1, 1, 2, 299, 0, 0},
    {2, 228, 1, 300, 0, 0},
    {229, 229, 2, 299, 0, 0},
    {230, 230, 3, 298, 0, 0},
}};

}  // namespace numerina::ui
