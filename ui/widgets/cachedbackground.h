// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window's background from the skin, painted once at the window's device
// pixel ratio and kept until the ratio changes (another screen, another
// scale): every paint of the window then copies it.

#include <QPixmap>
#include <QWidget>

#include <functional>

class QPainter;

namespace numerina::ui {

class CachedBackground {
 public:
  // make: the skin's background at a ratio, as a pixmap of that ratio.
  explicit CachedBackground(std::function<QPixmap(qreal dpr)> make) : make_(std::move(make)) {}

  // The background at the widget's present ratio, made again when the
  // ratio has changed since the last one.
  const QPixmap& For(const QWidget& widget) { return At(widget.devicePixelRatioF()); }
  const QPixmap& At(qreal dpr);
  // Draws it at the widget's top left corner.
  void Paint(QPainter& p, const QWidget& widget);

 private:
  std::function<QPixmap(qreal)> make_;
  QPixmap cached_;
};

}  // namespace numerina::ui
