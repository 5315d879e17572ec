// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/calculator/displayfit.h"

#include <QFontMetricsF>

#include <algorithm>

namespace numerina::ui {
namespace {

// Characters looked at to learn the narrowest advance: far more than any
// display width can show.
constexpr qsizetype kTailLooked = 1024;

}  // namespace

FittedText FitDisplayText(const QString& text, const QFont& font, int width) {
  const int full = font.pixelSize() > 0 ? font.pixelSize() : 13;
  const int floor = std::max(1, (full * 6 + 5) / 10);
  QFont f = font;
  f.setPixelSize(floor);
  const QFontMetricsF atFloor(f);

  // No more than `most` characters can fit at the floor size (each is at
  // least the narrowest advance wide): a longer text is cut to its last
  // `most` characters before anything is measured.
  const QStringView tail = QStringView(text).right(std::min(text.size(), kTailLooked));
  qreal narrowest = atFloor.horizontalAdvance(tail.isEmpty() ? QChar(u'0') : tail.front());
  for (const QChar c : tail) narrowest = std::min(narrowest, atFloor.horizontalAdvance(c));
  const qsizetype most =
      narrowest > 0
          ? std::min<qsizetype>(kTailLooked, static_cast<qsizetype>(width / narrowest) + 2)
          : kTailLooked;

  if (text.size() <= most) {
    for (int px = full; px >= floor; --px) {
      f.setPixelSize(px);
      if (QFontMetricsF(f).horizontalAdvance(text) <= width) return {f, text};
    }
  }
  f.setPixelSize(floor);
  const QString end = text.size() <= most ? text : text.right(most);
  QString shown = atFloor.elidedText(end, Qt::ElideLeft, width);
  // The cut end did not fit, so Qt elided it; make the mark certain even
  // for a font without "…" (Qt then uses "...").
  if (end.size() != text.size() && shown == end) shown = QChar(0x2026) + end.right(end.size() - 1);
  // "…" right before a thousands point reads as four points: drop the point.
  if (shown.size() > 2 && shown.front() == QChar(0x2026) && shown.at(1) == u'.') shown.remove(1, 1);
  return {f, shown};
}

}  // namespace numerina::ui
