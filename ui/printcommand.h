// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The toolbar's print command: "Nessun dato da stampare!" for an empty
// tape, else the print options dialog, whose Ok prints or saves the report.

namespace numerina::ui {

class Calculator;

void PrintCommand(Calculator& window);

}  // namespace numerina::ui
