// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/skin/skin_canvas.h"
#include "ui/skin/text.h"

#include <QLinearGradient>
#include <QPaintDevice>
#include <QPainterPath>
#include <QTransform>

#include <cmath>

namespace numerina::ui::skin {

DeviceCanvas::DeviceCanvas(QPainter& painter) : p(painter) {
  const QTransform device = p.deviceTransform();
  s_ = device.m11();
  ox_ = device.dx();
  oy_ = device.dy();
  // What lies between the world transform and the device: the device pixel
  // ratio (and a window/viewport mapping, if a caller set one). Undoing it
  // leaves a painter whose unit is one device pixel.
  const QTransform beyondWorld = p.worldTransform().inverted() * device;
  p.save();
  p.setWorldTransform(beyondWorld.inverted());
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::NoBrush);
}

DeviceCanvas::~DeviceCanvas() { p.restore(); }

QRect DeviceCanvas::SnapOut(const QRectF& r) const {
  const int x1 = static_cast<int>(std::floor(ox_ + r.left() * s_ + 1e-9));
  const int y1 = static_cast<int>(std::floor(oy_ + r.top() * s_ + 1e-9));
  const int x2 = static_cast<int>(std::ceil(ox_ + r.right() * s_ - 1e-9));
  const int y2 = static_cast<int>(std::ceil(oy_ + r.bottom() * s_ - 1e-9));
  return QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1));
}

QColor Shade(const QColor& c, qreal f) {
  auto ch = [f](int v) { return std::clamp(qRound(v * f), 0, 255); };
  return QColor(ch(c.red()), ch(c.green()), ch(c.blue()), c.alpha());
}

QColor Mix(const QColor& a, const QColor& b, qreal t) {
  auto ch = [t](int x, int y) { return std::clamp(qRound(x + (y - x) * t), 0, 255); };
  return QColor(ch(a.red(), b.red()), ch(a.green(), b.green()), ch(a.blue(), b.blue()),
                ch(a.alpha(), b.alpha()));
}

void RoundFill(QPainter& p, const QRect& r, qreal radius, const QBrush& brush) {
  if (r.isEmpty()) return;
  if (radius <= 0) {
    p.fillRect(r, brush);
    return;
  }
  QPainterPath path;
  path.addRoundedRect(QRectF(r), radius, radius);
  p.fillPath(path, brush);
}

QBrush BodyBrush(const DeviceCanvas& c, int height) {
  QLinearGradient g(0, c.Y(0), 0, c.Y(height));
  g.setColorAt(0, colours::BodyTop());
  g.setColorAt(1, colours::BodyBottom());
  return QBrush(g);
}

}  // namespace numerina::ui::skin
