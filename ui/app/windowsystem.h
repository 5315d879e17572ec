// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window system the program runs on. A Wayland client can neither
// place its window nor keep it above the others, and the position Qt
// reports there is not where the window is shown: in a Wayland session
// that also offers X (Xwayland) the program runs on X, unless the user
// chose a platform with QT_QPA_PLATFORM.

namespace numerina::ui {

// Before the application object: asks Qt for X when both WAYLAND_DISPLAY
// and DISPLAY are set and QT_QPA_PLATFORM is not.
void ChooseWindowSystem();

// After it: on native Wayland, says once on standard error what the
// program cannot do there.
void ReportWindowSystemLimits();

}  // namespace numerina::ui
