// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in logo of the top-left banner and the program icon: a small
// adding machine with its paper tape, and the wordmark.

#include <QFont>
#include <QFontMetricsF>
#include <QIcon>
#include <QLinearGradient>
#include <QPixmap>

#include <array>
#include <cmath>

#include "base/product.h"
#include "ui/skin/skin.h"
#include "ui/skin/skin_parts.h"
#include "ui/skin/text.h"

namespace numerina::ui::skin {
namespace {

// The machine drawn on a grid of `unit`-sized cells from `origin`, every edge
// rounded to whole pixels of the target.
class Grid {
 public:
  Grid(QPainter& p, QPointF origin, qreal unit) : p_(p), o_(origin), u_(unit) {}
  QRect R(qreal x1, qreal y1, qreal x2, qreal y2) const {
    return QRect(QPoint(E(o_.x(), x1), E(o_.y(), y1)),
                 QPoint(E(o_.x(), x2) - 1, E(o_.y(), y2) - 1));
  }
  void Fill(qreal x1, qreal y1, qreal x2, qreal y2, const QColor& c) const {
    p_.fillRect(R(x1, y1, x2, y2), c);
  }
  void Round(qreal x1, qreal y1, qreal x2, qreal y2, qreal radius, const QBrush& b) const {
    RoundFill(p_, R(x1, y1, x2, y2), radius * u_, b);
  }
  qreal Unit() const { return u_; }

 private:
  int E(qreal o, qreal v) const { return qRound(o + v * u_); }
  QPainter& p_;
  QPointF o_;
  qreal u_;
};

const QColor kPaperRoll(246, 246, 240), kPrint(60, 70, 80), kKeyLight(226, 230, 232),
    kKeyRed(196, 64, 44);

// The machine on a 16 x 16 grid: paper tape out of the top, the housing,
// the display and two rows of keys.
void PaintMachine(const Grid& g, bool detailed) {
  const qreal u = g.Unit();
  // Paper tape, printed with two right-aligned figures.
  g.Fill(6.5, 0, 14.5, 6, kPrint);
  g.Fill(7.5, 0, 13.5, 6, kPaperRoll);
  if (u >= 1.5) {
    g.Fill(9.5, 1.25, 12.5, 2, kPrint);
    g.Fill(8.5, 3, 12.5, 3.75, kPrint);
  } else {
    g.Fill(9, 2, 12, 3, kPrint);
  }
  // Housing, rim and body.
  g.Round(0, 4, 16, 16, 2, colours::Rim());
  QLinearGradient body(0, g.R(0, 4, 1, 5).top(), 0, g.R(0, 15, 1, 16).bottom());
  body.setColorAt(0, colours::BodyLight());
  body.setColorAt(1, colours::BodyBottom());
  g.Round(1, 5, 15, 15, 1.25, QBrush(body));
  // Display.
  g.Fill(2.5, 6.5, 13.5, 9.5, colours::Bezel());
  g.Fill(3, 7, 13, 9, Palette::Display());
  if (detailed) g.Fill(8, 7.6, 12.4, 8.4, Palette::DisplayText());
  // Keys: three columns, two rows, the last one red.
  const std::array<qreal, 3> cols = {3, 7, 11};
  const std::array<qreal, 2> rows = {10.5, 13};
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (std::size_t c = 0; c < cols.size(); ++c) {
      const QColor k = (r == 1 && c == 2) ? kKeyRed : kKeyLight;
      g.Fill(cols[c], rows[r], cols[c] + 2, rows[r] + 1.5, k);
    }
}

QPixmap IconPixmap(int size) {
  QPixmap pm(size, size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing, true);
  PaintMachine(Grid(p, QPointF(0, 0), size / 16.0), size >= 32);
  return pm;
}

}  // namespace

void PaintLogoOn(DeviceCanvas& c, const QRectF& frame) {
  QPainter& p = c.p;
  p.save();
  const QRect clip = c.Snap(frame);
  p.setClipRect(clip, Qt::IntersectClip);
  // The machine, 16 window pixels square, at the left and in the middle of
  // the frame's height; the wordmark beside it in what room is left.
  const qreal s = c.Scale();
  const qreal top = frame.top() + std::max<qreal>(0, std::floor((frame.height() - 16) / 2));
  PaintMachine(Grid(p, QPointF(c.X(frame.left() + 1), c.Y(top)), s), s >= 1.5);

  const QString word = ToQString(kProductShortName);
  const int left = c.X(frame.left() + 20);
  const qreal room = clip.right() + 1 - left - c.Len(1);
  QFont f(QStringLiteral("Verdana"));
  f.setBold(true);
  QRectF ink;
  // 11 window pixels, smaller where rounding to the device makes it too wide.
  for (int px = c.Px(11); px > 1; --px) {
    f.setPixelSize(px);
    ink = QFontMetricsF(f).tightBoundingRect(word);
    if (ink.width() <= room) break;
  }
  const qreal mid = c.Y(top) + 8 * s;
  const QPointF at(left - ink.left(), std::round(mid - ink.top() - ink.height() / 2.0));
  p.setFont(f);
  p.setPen(colours::Rim());
  p.drawText(at + QPointF(0, c.Len(1)), word);
  p.setPen(QColor(240, 243, 245));
  p.drawText(at, word);
  p.restore();
}

}  // namespace numerina::ui::skin

namespace numerina::ui {

void Skin::PaintLogo(QPainter& p, const QRect& frame) {
  skin::DeviceCanvas c(p);
  skin::PaintLogoOn(c, QRectF(frame));
}

QIcon Skin::AppIcon() {
  // Painted once: the window, the tray and the dialogs share its pixmaps.
  // Kept to the end of the process (never destroyed after the application).
  static const QIcon* const icon = [] {
    auto* made = new QIcon;
    for (int size : {16, 24, 32, 48, 64}) made->addPixmap(skin::IconPixmap(size));
    return made;
  }();
  return *icon;
}

QPixmap Skin::AppIconPixmap(int size) { return skin::IconPixmap(size); }

}  // namespace numerina::ui
