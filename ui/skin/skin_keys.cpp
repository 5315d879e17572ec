// SPDX-License-Identifier: GPL-3.0-or-later
// The keys: a sculpted cap on the key plate, released or pressed in.
//
// A key paints everything inside its 26 x 26 square, plate included, and
// nothing outside it, so painting a key over any earlier state of itself
// gives the same pixels as the background does. Its edges are rounded to the
// device grid from window coordinates, exactly as the background's are.

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>

#include <cmath>

#include "ui/skin/skin.h"
#include "ui/skin/skin_parts.h"
#include "ui/skin/text.h"

namespace numerina::ui::skin {
namespace {

enum class Family { Digit, Operator, Function, Memory, Clear };

struct KeyColours {
  QColor face, label;
};

Family FamilyOf(const KeyDef& k) {
  switch (k.key.button) {
    case Button::Number:
    case Button::Decim: return Family::Digit;
    case Button::Operator: return Family::Operator;
    case Button::Cancel:
    case Button::CancelEntry:
    case Button::Back: return Family::Clear;
    case Button::Memoria:
    case Button::MemoriaPiu:
    case Button::CancMemoria:
    case Button::RichMemoria: return Family::Memory;
    default: return Family::Function;
  }
}

// Light keys carry dark labels, dark keys light ones; every pair keeps a
// contrast above 4.5 : 1, pressed (face darkened) included.
KeyColours ColoursOf(Family f) {
  const QColor ink(20, 26, 32), paper(248, 249, 250);
  switch (f) {
    case Family::Digit: return {QColor(230, 233, 234), ink};
    case Family::Function: return {Palette::Tape(), ink};
    case Family::Memory: return {QColor(54, 88, 120), paper};
    case Family::Operator: return {QColor(64, 74, 84), paper};
    case Family::Clear: return {QColor(172, 58, 42), paper};
  }
  return {QColor(230, 233, 234), ink};
}

constexpr qreal kPressedShade = 0.82;

// Operator signs are drawn as bars, not glyphs: their strokes then land on
// whole device pixels at every ratio.
bool PaintSign(DeviceCanvas& c, std::string_view label, QPointF centre, const QColor& col) {
  QPainter& p = c.p;
  const int t = c.Len(2);
  int w = c.Len(11);
  if ((w - t) % 2) ++w;  // symmetric arms around the crossing
  const int cx = qRound(centre.x()), cy = qRound(centre.y());
  const QRect across(cx - w / 2, cy - t / 2, w, t);
  if (label == "+") {
    p.fillRect(across, col);
    p.fillRect(QRect(cx - t / 2, cy - w / 2, t, w), col);
  } else if (label == "\u2212") {
    p.fillRect(across, col);
  } else if (label == "=") {
    const int gap = c.Len(3);
    p.fillRect(across.translated(0, -(gap + t) / 2 - (gap + t) % 2), col);
    p.fillRect(across.translated(0, (gap + t) / 2), col);
  } else if (label == "\u00f7") {
    p.fillRect(across, col);
    const qreal d = 2.6 * c.Scale(), off = 4.2 * c.Scale();
    const qreal mid = across.top() + across.height() / 2.0;
    p.setBrush(col);
    p.drawEllipse(QPointF(cx, mid - off), d / 2, d / 2);
    p.drawEllipse(QPointF(cx, mid + off), d / 2, d / 2);
    p.setBrush(Qt::NoBrush);
  } else if (label == "\u00d7") {
    const qreal h = 4.2 * c.Scale();
    QPen pen(col, 2.2 * c.Scale(), Qt::SolidLine, Qt::FlatCap);
    p.setPen(pen);
    p.drawLine(QPointF(centre.x() - h, centre.y() - h), QPointF(centre.x() + h, centre.y() + h));
    p.drawLine(QPointF(centre.x() - h, centre.y() + h), QPointF(centre.x() + h, centre.y() - h));
    p.setPen(Qt::NoPen);
  } else {
    return false;
  }
  return true;
}

// Logical pixel size of a label: digits large as on a real keyboard, two- and
// three-character labels a little smaller; never below 14 px, which keeps
// capitals and digits 9.6 px high.
qreal LabelSize(const KeyDef& k, const QString& text) {
  if (k.key.button == Button::Decim) return 26;
  if (k.key.button == Button::Sqrt) return 17;
  if (text.size() == 1) return 16;
  return 14;
}

void PaintLabel(DeviceCanvas& c, const KeyDef& k, const QRect& top, const QColor& col) {
  const QPointF centre(top.left() + top.width() / 2.0, top.top() + top.height() / 2.0);
  if (k.key.button == Button::Operator && PaintSign(c, k.label, centre, col)) return;

  const QString text = ToQString(k.label);
  QFont font(QStringLiteral("Arial"));
  font.setBold(true);
  font.setPixelSize(c.Px(LabelSize(k, text)));
  font.setHintingPreference(QFont::PreferFullHinting);
  QRectF ink = QFontMetricsF(font).tightBoundingRect(text);
  // Wide labels ("000", "CM") are narrowed, never shrunk: their height stays.
  const qreal room = top.width() - 2.0 * c.Len(1.5);
  if (ink.width() > room) {
    font.setStretch(std::max(60, static_cast<int>(std::floor(100.0 * room / ink.width()))));
    ink = QFontMetricsF(font).tightBoundingRect(text);
  }
  qreal oy = centre.y() - (ink.top() + ink.height() / 2.0);
  // The comma hangs a little below the middle, as it would beside digits.
  if (k.key.button == Button::Decim) oy += 2 * c.Scale();
  const QPointF origin(std::round(centre.x() - (ink.left() + ink.width() / 2.0)), std::round(oy));
  c.p.setFont(font);
  c.p.setPen(col);
  c.p.drawText(origin, text);
  c.p.setPen(Qt::NoPen);
}

}  // namespace

void PaintKeyOn(DeviceCanvas& c, const KeyDef& k, bool pressed) {
  QPainter& p = c.p;
  const QRect square = c.Snap(k.x, k.y, kKeySize, kKeySize);
  p.save();
  p.setClipRect(square, Qt::IntersectClip);
  p.fillRect(square, colours::Plate());

  const KeyColours kc = ColoursOf(FamilyOf(k));
  const QColor face = pressed ? Shade(kc.face, kPressedShade) : kc.face;
  const qreal s = c.Scale();
  // Released, the cap stands on the plate with its shadow below and to the
  // right; pressed, it sinks into the place of that shadow.
  const QRectF shadowAt(k.x + 1, k.y + 2, 25, 24);
  const QRectF capAt = pressed ? shadowAt : QRectF(k.x, k.y, 25, 24);
  if (!pressed) RoundFill(p, c.Snap(shadowAt), 3.5 * s, QColor(24, 28, 32));

  const QRect cap = c.Snap(capAt);
  RoundFill(p, cap, 3 * s, Mix(face, colours::Rim(), 0.7));

  const QRect skirt = c.Snap(capAt.adjusted(1, 1, -1, -1));
  QLinearGradient sg(0, skirt.top(), 0, skirt.bottom() + 1);
  sg.setColorAt(0, Shade(face, 0.94));
  sg.setColorAt(1, Shade(face, 0.66));
  RoundFill(p, skirt, 2.5 * s, QBrush(sg));

  // The top of the cap: released it shows a deeper front skirt than pressed.
  const QRect top = c.Snap(capAt.adjusted(2, 1, -2, pressed ? -3 : -4));
  QLinearGradient tg(0, top.top(), 0, top.bottom() + 1);
  tg.setColorAt(0, pressed ? Shade(face, 0.94) : Mix(face, Qt::white, 0.10));
  tg.setColorAt(1, pressed ? face : Shade(face, 0.97));
  RoundFill(p, top, 2 * s, QBrush(tg));
  // A bright lip along the top edge of a released cap, a shadow on a pressed
  // one.
  const int lip = c.Len(1);
  const QColor lipColour = pressed ? Shade(face, 0.78) : Mix(face, Qt::white, 0.45);
  p.fillRect(QRect(top.left() + c.Len(1.5), top.top(), top.width() - 2 * c.Len(1.5), lip),
             lipColour);

  PaintLabel(c, k, top.adjusted(0, lip, 0, 0), kc.label);
  p.restore();
}

}  // namespace numerina::ui::skin
