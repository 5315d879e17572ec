// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fitting the display's text into its width. A number cut off on the left
// without a sign reads as a believable wrong number, so the text first
// steps its font down, to a floor of 60 % of its size; beyond that the
// right-hand end shows with a visible "…" at the left. Only the right-hand
// end of the text is ever measured, so an entry of any length costs the
// same few measures.

#include <QFont>
#include <QString>

namespace numerina::ui {

struct FittedText {
  QFont font;
  QString shown;  // the text, or "…" and its right-hand end
};

FittedText FitDisplayText(const QString& text, const QFont& font, int width);

}  // namespace numerina::ui
