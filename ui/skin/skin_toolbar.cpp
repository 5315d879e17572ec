// SPDX-License-Identifier: GPL-3.0-or-later
// The toolbar buttons: small 13 x 13 caps with an icon each.
//
// Icons are drawn on the button's own 13-pixel grid, every edge rounded to
// the device grid, so that at 100 % each line is exactly one pixel and at
// 150 % or 200 % it is as sharp, just thicker.

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>

#include <cmath>

#include "ui/skin/skin.h"
#include "ui/skin/skin_parts.h"

namespace numerina::ui::skin {
namespace {

QColor Greyed(const QColor& c, const QColor& face) {
  const int g = qGray(c.rgb());
  return Mix(QColor(g, g, g), face, 0.68);
}

class Icon {
 public:
  Icon(DeviceCanvas& c, qreal x, qreal y, bool enabled, const QColor& face)
      : c_(c), x_(x), y_(y), enabled_(enabled), face_(face) {}

  QColor Ink(const QColor& col) const { return enabled_ ? col : Greyed(col, face_); }
  QRect R(qreal x1, qreal y1, qreal x2, qreal y2) const {
    return c_.Snap(QRectF(QPointF(x_ + x1, y_ + y1), QPointF(x_ + x2, y_ + y2)));
  }
  void Fill(qreal x1, qreal y1, qreal x2, qreal y2, const QColor& col) const {
    c_.p.fillRect(R(x1, y1, x2, y2), Ink(col));
  }
  // A one-pixel outline around a filled inside.
  void Box(qreal x1, qreal y1, qreal x2, qreal y2, const QColor& line, const QColor& inside) const {
    Fill(x1, y1, x2, y2, line);
    const QRect outer = R(x1, y1, x2, y2);
    const int e = c_.Thin();
    c_.p.fillRect(outer.adjusted(e, e, -e, -e), Ink(inside));
  }
  void Line(qreal x1, qreal y1, qreal x2, qreal y2, qreal width, const QColor& col) const {
    const qreal s = c_.Scale();
    auto pt = [&](qreal x, qreal y) { return QPointF(c_.X(x_) + x * s, c_.Y(y_) + y * s); };
    c_.p.setPen(QPen(Ink(col), width * s, Qt::SolidLine, Qt::SquareCap));
    c_.p.drawLine(pt(x1, y1), pt(x2, y2));
    c_.p.setPen(Qt::NoPen);
  }
  void Disc(qreal cx, qreal cy, qreal r, const QColor& col) const {
    const qreal s = c_.Scale();
    c_.p.setBrush(Ink(col));
    c_.p.drawEllipse(QPointF(c_.X(x_) + cx * s, c_.Y(y_) + cy * s), r * s, r * s);
    c_.p.setBrush(Qt::NoBrush);
  }
  void Glyph(const QString& text, qreal px, const QColor& col) const {
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    f.setPixelSize(c_.Px(px));
    const QRectF ink = QFontMetricsF(f).tightBoundingRect(text);
    const QRect box = R(0, 0, 13, 13);
    const QPointF o(std::round(box.left() + box.width() / 2.0 - ink.left() - ink.width() / 2.0),
                    std::round(box.top() + box.height() / 2.0 - ink.top() - ink.height() / 2.0));
    c_.p.setFont(f);
    c_.p.setPen(Ink(col));
    c_.p.drawText(o, text);
    c_.p.setPen(Qt::NoPen);
  }

 private:
  DeviceCanvas& c_;
  qreal x_, y_;
  bool enabled_;
  QColor face_;
};

const QColor kInk(34, 42, 50), kPaper(250, 251, 250), kRed(178, 40, 30), kBlue(40, 90, 150);

void PaintIcon(const Icon& i, Tool icon) {
  switch (icon) {
    case Tool::Close:
      i.Line(4, 4, 9, 9, 1.7, kRed);
      i.Line(4, 9, 9, 4, 1.7, kRed);
      break;
    case Tool::Copy:
      i.Box(2, 2, 8, 8, kInk, kPaper);
      i.Box(5, 5, 11, 11, kInk, kPaper);
      break;
    case Tool::Paste:
      i.Box(3, 3, 10, 11, kInk, QColor(214, 180, 120));
      i.Box(5, 5, 8, 10, kInk, kPaper);
      i.Fill(5, 2, 8, 4, kInk);
      break;
    case Tool::Report:
      // The window with its report panel.
      i.Box(2, 3, 11, 10, kInk, kPaper);
      i.Fill(6, 3, 7, 10, kInk);
      i.Fill(7, 4, 10, 9, Palette::Tape());
      i.Fill(8, 5, 10, 6, kInk);
      i.Fill(8, 7, 10, 8, kInk);
      break;
    case Tool::More:
      i.Fill(2, 8, 4, 10, kInk);
      i.Fill(5, 6, 11, 7.5, kInk);
      i.Fill(7.25, 3.75, 8.75, 9.75, kInk);
      break;
    case Tool::Fewer:
      i.Fill(2, 8, 4, 10, kInk);
      i.Fill(5, 6, 11, 7.5, kInk);
      break;
    case Tool::Help: i.Glyph(QStringLiteral("?"), 11, kInk); break;
    case Tool::Info:
      i.Disc(6.5, 6.5, 4.5, kBlue);
      i.Fill(6, 3.5, 7, 4.5, kPaper);
      i.Fill(6, 5.5, 7, 9.5, kPaper);
      break;
    case Tool::Print:
      i.Box(4, 2, 9, 6, kInk, kPaper);
      i.Fill(2, 5, 11, 9, kInk);
      i.Fill(9, 6, 10, 7, QColor(120, 200, 110));
      i.Box(4, 8, 9, 11, kInk, kPaper);
      break;
    case Tool::Minimise: i.Fill(3, 8, 10, 10, kInk); break;
  }
}

}  // namespace

void PaintToolOn(DeviceCanvas& c, const ToolDef& t, bool pressed, bool enabled) {
  QPainter& p = c.p;
  const QRect square = c.Snap(t.x, t.y, kToolSize, kToolSize);
  p.save();
  p.setClipRect(square, Qt::IntersectClip);
  p.fillRect(square, BodyBrush(c));
  const qreal s = c.Scale();
  RoundFill(p, square, 2.5 * s, colours::Rim());

  const QRect face = c.Snap(t.x + 1, t.y + 1, kToolSize - 2, kToolSize - 2);
  const QColor hi(226, 231, 234), lo(190, 198, 204);
  QLinearGradient g(0, face.top(), 0, face.bottom() + 1);
  g.setColorAt(0, pressed ? Shade(lo, 0.86) : hi);
  g.setColorAt(1, pressed ? Shade(hi, 0.86) : lo);
  RoundFill(p, face, 1.5 * s, QBrush(g));
  const int e = c.Len(1);
  if (pressed) {
    // Pressed in: the shadow of the rim falls on the top and left of the face.
    p.fillRect(QRect(face.left() + e, face.top(), face.width() - 2 * e, e), Shade(lo, 0.62));
    p.fillRect(QRect(face.left(), face.top() + e, e, face.height() - 2 * e), Shade(lo, 0.72));
  } else {
    p.fillRect(QRect(face.left() + e, face.top(), face.width() - 2 * e, e), QColor(252, 253, 253));
    p.fillRect(QRect(face.left() + e, face.bottom() + 1 - e, face.width() - 2 * e, e),
               Shade(lo, 0.80));
  }
  const QColor faceMid = pressed ? Shade(Mix(hi, lo, 0.5), 0.86) : Mix(hi, lo, 0.5);
  const qreal shift = pressed ? 1 : 0;
  PaintIcon(Icon(c, t.x + shift, t.y + shift, enabled, faceMid), t.tool);
  p.restore();
}

}  // namespace numerina::ui::skin
