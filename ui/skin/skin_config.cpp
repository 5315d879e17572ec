// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration dialog's artwork: the same housing, bevels, caps and
// colours as the calculator, on a window of its own size.

#include <QFont>
#include <QFontMetricsF>
#include <QIcon>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

#include "ui/skin/layout_config.h"
#include "ui/skin/skin.h"
#include "ui/skin/skin_parts.h"
#include "ui/skin/text.h"

namespace numerina::ui {
namespace {

constexpr int kDialogWidth = 306, kDialogHeight = 396;
// The information section's frame and the dialog's title.
constexpr QRectF kInfoFrame(14, 160, 280, 202);
constexpr QPointF kTitleAt(11, 4);
const QString kTitle = ToQString(layout::config::kTitle);

// The caption drawn on a cap, centred, at `px` logical pixels.
void CapText(skin::DeviceCanvas& c, const QRect& face, const QString& text, qreal px,
             const QColor& col) {
  QFont f(QStringLiteral("Arial"));
  f.setBold(true);
  f.setPixelSize(c.Px(px));
  const QRectF ink = QFontMetricsF(f).tightBoundingRect(text);
  const QPointF o(std::round(face.left() + face.width() / 2.0 - ink.left() - ink.width() / 2.0),
                  std::round(face.top() + face.height() / 2.0 - ink.top() - ink.height() / 2.0));
  c.p.setFont(f);
  c.p.setPen(col);
  c.p.drawText(o, text);
  c.p.setPen(Qt::NoPen);
}

// A cap as the toolbar's, at any size: rim, light face with a lip,
// pressed in with the rim's shadow on its top and left. Gives the face.
QRect PaintCap(skin::DeviceCanvas& c, const QRectF& at, bool pressed, bool focused) {
  QPainter& p = c.p;
  const qreal s = c.Scale();
  const QRect square = c.Snap(at);
  p.fillRect(square, skin::BodyBrush(c, kDialogHeight));
  skin::RoundFill(p, square, 3 * s, skin::colours::Rim());
  const QRect face = c.Snap(at.adjusted(1, 1, -1, -1));
  const QColor hi(226, 231, 234), lo(190, 198, 204);
  QLinearGradient g(0, face.top(), 0, face.bottom() + 1);
  g.setColorAt(0, pressed ? skin::Shade(lo, 0.86) : hi);
  g.setColorAt(1, pressed ? skin::Shade(hi, 0.86) : lo);
  skin::RoundFill(p, face, 2 * s, QBrush(g));
  const int e = c.Len(1);
  if (pressed) {
    p.fillRect(QRect(face.left() + e, face.top(), face.width() - 2 * e, e), skin::Shade(lo, 0.62));
    p.fillRect(QRect(face.left(), face.top() + e, e, face.height() - 2 * e), skin::Shade(lo, 0.72));
  } else {
    p.fillRect(QRect(face.left() + e, face.top(), face.width() - 2 * e, e), QColor(252, 253, 253));
    p.fillRect(QRect(face.left() + e, face.bottom() + 1 - e, face.width() - 2 * e, e),
               skin::Shade(lo, 0.80));
  }
  if (focused) {
    // The focus ring: the memory keys' blue, inside the rim.
    const int t = c.Thin();
    const QColor ring(54, 88, 120);
    p.fillRect(QRect(face.left(), face.top(), face.width(), t), ring);
    p.fillRect(QRect(face.left(), face.bottom() + 1 - t, face.width(), t), ring);
    p.fillRect(QRect(face.left(), face.top(), t, face.height()), ring);
    p.fillRect(QRect(face.right() + 1 - t, face.top(), t, face.height()), ring);
  }
  return pressed ? face.translated(c.Len(1), c.Len(1)) : face;
}

}  // namespace

void Skin::PaintConfigBackground(QPainter& painter, int gapLeft, int gapRight) {
  skin::DeviceCanvas c(painter);
  QPainter& p = c.p;
  skin::PaintDialogHousing(c, kDialogWidth, kDialogHeight);

  // A groove under the title, as the bevels run: dark above, light below.
  const int e = c.Len(1);
  p.fillRect(QRect(c.X(8), c.Y(26), c.X(298) - c.X(8), e), skin::colours::BodyDark());
  p.fillRect(QRect(c.X(8), c.Y(27), c.X(298) - c.X(8), e), skin::colours::BodyLight());

  // The title and its dark grey shadow one pixel up and to the left.
  QFont f(QStringLiteral("Arial"));
  f.setBold(true);
  f.setPixelSize(c.Px(12));
  const QFontMetricsF fm(f);
  const qreal base = std::round(c.Y(kTitleAt.y()) + (c.Len(13) + fm.ascent() - fm.descent()) / 2.0);
  p.setFont(f);
  p.setPen(skin::colours::Rim());
  p.drawText(QPointF(c.X(kTitleAt.x()) - e, base - e), kTitle);
  p.setPen(QColor(248, 249, 250));
  p.drawText(QPointF(c.X(kTitleAt.x()), base), kTitle);
  p.setPen(Qt::NoPen);

  // The information section's frame: a white rectangle over a dark grey
  // copy one pixel up and to the left, its top edge broken for the header.
  const int t = c.Thin();
  auto frame = [&](qreal dx, const QColor& col) {
    const QRect r = c.Snap(kInfoFrame.translated(dx, dx));
    const int gl = c.X(gapLeft + dx), gr = c.X(gapRight + dx);
    p.fillRect(QRect(r.left(), r.top(), gl - r.left(), t), col);
    p.fillRect(QRect(gr, r.top(), r.right() + 1 - gr, t), col);
    p.fillRect(QRect(r.left(), r.bottom() + 1 - t, r.width(), t), col);
    p.fillRect(QRect(r.left(), r.top(), t, r.height()), col);
    p.fillRect(QRect(r.right() + 1 - t, r.top(), t, r.height()), col);
  };
  frame(-1, QColor(52, 60, 68));
  frame(0, QColor(236, 240, 242));
}

QRect Skin::ConfigButtonRect(ConfigButton b) {
  return b == ConfigButton::Close ? QRect(274, 3, 21, 21) : QRect(195, 366, 95, 22);
}

void Skin::PaintConfigButton(QPainter& painter, ConfigButton b, bool pressed, bool focused) {
  skin::DeviceCanvas c(painter);
  const QRectF at(ConfigButtonRect(b));
  c.p.save();
  c.p.setClipRect(c.Snap(at), Qt::IntersectClip);
  const QRect face = PaintCap(c, at, pressed, focused);
  if (b == ConfigButton::Close) {
    // The red cross of the toolbar's close button, larger.
    const qreal s = c.Scale();
    const QPointF mid(face.left() + face.width() / 2.0, face.top() + face.height() / 2.0);
    const qreal arm = 4.5 * s;
    c.p.setPen(QPen(QColor(178, 40, 30), 2.2 * s, Qt::SolidLine, Qt::RoundCap));
    c.p.drawLine(mid + QPointF(-arm, -arm), mid + QPointF(arm, arm));
    c.p.drawLine(mid + QPointF(-arm, arm), mid + QPointF(arm, -arm));
    c.p.setPen(Qt::NoPen);
  } else {
    CapText(c, face, QStringLiteral("Ripristina"), 11, QColor(34, 42, 50));
  }
  c.p.restore();
}

QRegion Skin::ConfigOutline() { return skin::DialogOutline(kDialogWidth, kDialogHeight); }

QIcon Skin::FolderIcon() {
  QIcon icon;
  for (int size : {16, 32}) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, true);
    const qreal u = size / 16.0;

    const QColor edge(60, 70, 80), back(196, 150, 60), front(236, 196, 104);
    // The back of the folder with its tab, then the open front leaning out.
    p.setPen(QPen(edge, u));
    p.setBrush(back);
    QPainterPath backPath;
    backPath.moveTo(QPointF(1.5 * u, 3 * u));
    backPath.lineTo(QPointF(6 * u, 3 * u));
    backPath.lineTo(QPointF(7.5 * u, 4.5 * u));
    backPath.lineTo(QPointF(13.5 * u, 4.5 * u));
    backPath.lineTo(QPointF(13.5 * u, 13.5 * u));
    backPath.lineTo(QPointF(1.5 * u, 13.5 * u));
    backPath.closeSubpath();
    p.drawPath(backPath);
    p.setBrush(front);
    const QPointF frontPts[] = {
        {3.5 * u, 7.5 * u}, {15.5 * u, 7.5 * u}, {13.5 * u, 13.5 * u}, {1.5 * u, 13.5 * u}};
    p.drawPolygon(frontPts, 4);
    icon.addPixmap(pm);
  }
  return icon;
}

}  // namespace numerina::ui
