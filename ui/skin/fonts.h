// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fonts of the texts the windows draw or show, by what they show.
// Sizes are pixels at 100 % (the original points at 96 dots per inch).

#include <QFont>

namespace numerina::ui::fonts {

QFont CalculatorName();  // the name on the calculator: Verdana 8.25 pt
QFont MemorySign();      // the "M" of a filled memory: Arial 9 pt
QFont Display();         // the display's number: MS Sans Serif 9.75 pt bold
QFont Tape();            // the report tape's lines: Arial 8.25 pt
QFont HelpTitle();       // the help viewer's title: Arial 9 pt bold
QFont PrintNotice();     // "Stampa inviata alla stampante": Verdana 9.75 pt bold

}  // namespace numerina::ui::fonts
