// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace numerina::ui {

// Set when the about box (and a configuration dialog opened from it) was
// reached from the toolbar, which hid the main window: the window that
// closes last shows the main window again. Every tray-menu command clears it.
inline bool AperturaDaBarra = false;

}  // namespace numerina::ui
