// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Inside the skin: painting in whole device pixels, and the skin's own
// colours. Every edge of the artwork is given in window (logical) pixels and
// rounded to the device grid by one rule, X() and Y(), so that pieces painted
// at different times (the background, then a key over it) meet exactly at
// 125 % and 150 % and nothing is smeared across two device pixels.

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QRectF>
#include <QString>

#include <algorithm>
#include <string_view>
#include <utility>

namespace numerina::ui::skin {

class DeviceCanvas {
 public:
  // Saves the painter and switches it to device pixels. The painter's own
  // transform may translate and scale (sheets are painted with an offset);
  // rotation is not supported.
  explicit DeviceCanvas(QPainter& painter);
  ~DeviceCanvas();
  DeviceCanvas(const DeviceCanvas&) = delete;
  DeviceCanvas& operator=(const DeviceCanvas&) = delete;

  QPainter& p;

  qreal Scale() const { return s_; }
  // Device pixel edge of a logical edge.
  int X(qreal x) const { return qRound(ox_ + x * s_); }
  int Y(qreal y) const { return qRound(oy_ + y * s_); }
  // A logical rectangle on the device grid, every edge rounded.
  QRect Snap(const QRectF& r) const {
    return QRect(QPoint(X(r.left()), Y(r.top())), QPoint(X(r.right()) - 1, Y(r.bottom()) - 1));
  }
  QRect Snap(qreal x, qreal y, qreal w, qreal h) const { return Snap(QRectF(x, y, w, h)); }
  // The same, grown to every device pixel that the rectangle touches.
  QRect SnapOut(const QRectF& r) const;
  // A length in device pixels, at least one.
  int Len(qreal l) const { return std::max(1, qRound(l * s_)); }
  // The width of a hairline: one device pixel up to 175 %, so that small
  // outlines stay fine at 125 % and 150 % instead of doubling.
  int Thin() const { return std::max(1, static_cast<int>(s_ + 0.25)); }
  // A font's pixel size for a logical size.
  int Px(qreal l) const { return std::max(1, qRound(l * s_)); }

  // The logical area a repaint needs (a null rectangle: all of it). Parts
  // that lie wholly outside may be left out; the painter's clip hides
  // whatever else falls outside.
  QRect within;
  // Whether a part painted inside logical rectangle r can reach the area:
  // one logical pixel of margin covers the rounding of edges at any ratio.
  bool Reaches(const QRect& r) const {
    return within.isNull() || within.intersects(r.adjusted(-1, -1, 1, 1));
  }
  // Logical rows y0..y1 (excluded) of a part h rows high that can reach the
  // area, with the same margin.
  std::pair<int, int> RowsWithin(int h) const {
    if (within.isNull()) return {0, h};
    return {std::clamp(within.top() - 1, 0, h), std::clamp(within.bottom() + 2, 0, h)};
  }

 private:
  qreal s_ = 1, ox_ = 0, oy_ = 0;
};

// Colour arithmetic.
QColor Shade(const QColor& c, qreal f);                 // multiply, f < 1 darkens
QColor Mix(const QColor& a, const QColor& b, qreal t);  // t = 0 gives a, 1 gives b

// A filled rounded rectangle whose straight edges lie on device pixels.
void RoundFill(QPainter& p, const QRect& r, qreal radius, const QBrush& brush);

// The skin's colours besides the public palette.
namespace colours {
inline QColor Rim() { return QColor(30, 35, 40); }  // outermost edge of every housing
inline QColor BodyTop() { return QColor(92, 104, 114); }
inline QColor BodyBottom() { return QColor(66, 77, 86); }
inline QColor BodyLight() { return QColor(132, 145, 155); }  // bevel facing the light
inline QColor BodyDark() { return QColor(48, 56, 64); }      // bevel away from it
inline QColor Plate() { return QColor(44, 51, 58); }         // the well the keys sit in
inline QColor Bezel() { return QColor(32, 37, 42); }         // around the display and tape
}  // namespace colours

// The vertical shading of the housing, in device pixels, so that a piece of
// it repainted under a toolbar button matches the rest exactly.
// `height` is the housing's height in window pixels (the calculator's 275
// unless a dialog's).
QBrush BodyBrush(const DeviceCanvas& c, int height = 275);

}  // namespace numerina::ui::skin
