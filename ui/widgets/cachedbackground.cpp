// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/cachedbackground.h"

#include <QPainter>

namespace numerina::ui {

const QPixmap& CachedBackground::At(qreal dpr) {
  if (cached_.isNull() || cached_.devicePixelRatio() != dpr) cached_ = make_(dpr);
  return cached_;
}

void CachedBackground::Paint(QPainter& p, const QWidget& widget) {
  p.drawPixmap(0, 0, For(widget));
}

}  // namespace numerina::ui
