// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin_pixels.h"

#include <algorithm>
#include <cmath>

namespace numerina::ui::test {

double Luminance(QRgb c) {
  auto lin = [](int v) {
    const double s = v / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * lin(qRed(c)) + 0.7152 * lin(qGreen(c)) + 0.0722 * lin(qBlue(c));
}

double Contrast(QRgb a, QRgb b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QRect DeviceRect(const QRect& l, qreal dpr) {
  const int x1 = qRound(l.left() * dpr), y1 = qRound(l.top() * dpr);
  const int x2 = qRound((l.left() + l.width()) * dpr), y2 = qRound((l.top() + l.height()) * dpr);
  return QRect(x1, y1, x2 - x1, y2 - y1);
}

QImage Paint(qreal dpr, const std::function<void(QPainter&)>& paint, bool transparent) {
  QImage img(static_cast<int>(std::ceil(400 * dpr - 1e-9)),
             static_cast<int>(std::ceil(275 * dpr - 1e-9)), QImage::Format_ARGB32_Premultiplied);
  img.setDevicePixelRatio(dpr);
  img.fill(transparent ? QColor(Qt::transparent) : QColor::fromRgba(kSentinel));
  {
    QPainter p(&img);
    paint(p);
  }
  return img.convertToFormat(QImage::Format_ARGB32);
}

std::vector<QRgb> Pixels(const QImage& img, const QRect& r) {
  std::vector<QRgb> out;
  const QRect c = r.intersected(img.rect());
  for (int y = c.top(); y <= c.bottom(); ++y)
    for (int x = c.left(); x <= c.right(); ++x) out.push_back(img.pixel(x, y));
  return out;
}

double MeanLuminance(const QImage& img, const QRect& r) {
  const std::vector<QRgb> px = Pixels(img, r);
  double sum = 0;
  for (QRgb c : px) sum += Luminance(c);
  return px.empty() ? 0 : sum / static_cast<double>(px.size());
}

bool SameIn(const QImage& a, const QImage& b, const QRect& r) {
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y)) return false;
  return true;
}

int MaxChannelDifference(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return 256;
  int worst = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                        std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
    }
  return worst;
}

int ChangedOutside(const QImage& a, const QImage& b, const QRect& keep) {
  int n = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (!keep.contains(x, y) && a.pixel(x, y) != b.pixel(x, y)) ++n;
  return n;
}

FaceMark MeasureFace(const QImage& img, const QRect& area) {
  FaceMark m;
  const QRect r = area.intersected(img.rect());
  std::vector<QRgb> px = Pixels(img, r);
  if (px.empty()) return m;
  std::nth_element(px.begin(), px.begin() + static_cast<long>(px.size() / 2), px.end(),
                   [](QRgb a, QRgb b) { return Luminance(a) < Luminance(b); });
  m.face = px[px.size() / 2];
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) {
      const QRgb c = img.pixel(x, y);
      const double k = Contrast(c, m.face);
      if (k > m.contrast) m.contrast = k, m.mark = c;
      if (k >= 4.5) ++m.markPixels, m.inkBounds |= QRect(x, y, 1, 1);
      if (k >= 2.0) m.markBounds |= QRect(x, y, 1, 1);
    }
  return m;
}

}  // namespace numerina::ui::test
