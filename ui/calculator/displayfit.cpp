// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/calculator/displayfit.h"

#include <QFontMetricsF>

#include <algorithm>

namespace numerina::ui {
namespace {

// Characters looked at, at most: far more than any display width can show.
constexpr qsizetype kTailLooked = 1024;

}  // namespace

FittedText FitDisplayText(const QString& text, const QFont& font, int width) {
  const int full = font.pixelSize() > 0 ? font.pixelSize() : 13;
  const int floor = std::max(1, (full * 6 + 5) / 10);
  QFont f = font;
  f.setPixelSize(floor);
  const QFontMetricsF atFloor(f);

  // No more than `most` characters can fit at the floor size: the last
  // characters' advances, added from the right-hand end, pass the width
  // after at most that many (two more for kerning). A longer text is cut to
  // its last `most` characters before anything else is measured, so a key
  // costs the same few measures at any length of the entry.
  qsizetype most = 0;
  qreal advances = 0;
  for (qsizetype i = text.size(); i-- > 0 && most < kTailLooked && advances <= width; ++most)
    advances += atFloor.horizontalAdvance(text.at(i));
  most = std::min(kTailLooked, most + 2);

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
