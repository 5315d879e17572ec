// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt's own Italian texts for its standard dialogs and boxes (the buttons
// "Sì", "No", "Annulla", the file dialog's captions). They are loaded when
// the first such dialog opens, not at start-up, and once per program: the
// print module, which has its own copy of this library, finds the texts
// already loaded by the program.

namespace numerina::ui {

// Loads qtbase_it from Qt's translations folder unless it is loaded
// already. Without the file (package qt6-translations-l10n) the dialogs
// stay in English. Needs the application object.
void LoadQtItalian();

}  // namespace numerina::ui
