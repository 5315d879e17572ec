// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/skin/fonts.h"

#include <QString>

namespace numerina::ui::fonts {
namespace {

QFont Make(const char* family, int px, bool bold = false) {
  QFont font(QString::fromLatin1(family));
  font.setPixelSize(px);
  if (bold) font.setBold(true);
  return font;
}

}  // namespace

QFont CalculatorName() { return Make("Verdana", 11); }
QFont MemorySign() { return Make("Arial", 12); }
QFont Display() { return Make("MS Sans Serif", 13, true); }
QFont Tape() { return Make("Arial", 11); }
QFont HelpTitle() { return Make("Arial", 12, true); }
QFont PrintNotice() { return Make("Verdana", 13, true); }

}  // namespace numerina::ui::fonts
