// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pixel measures for the skin tests: luminance and contrast as the WCG
// defines them, device rectangles by the window's rounding rule, and images
// painted on a sentinel colour so that untouched pixels can be found.

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRgb>

#include <functional>
#include <vector>

namespace numerina::ui::test {

inline constexpr qreal kRatios[] = {1.0, 1.25, 1.5, 2.0};

// A colour the skin never paints: pure magenta.
inline constexpr QRgb kSentinel = 0xffff00ff;

double Luminance(QRgb c);         // relative luminance 0..1
double Contrast(QRgb a, QRgb b);  // (L1 + 0.05) / (L2 + 0.05), >= 1

// Window pixels to device pixels: each edge rounded (the skin's and the
// window mask's rule).
QRect DeviceRect(const QRect& logical, qreal dpr);

// A ceil(400 * dpr) x ceil(275 * dpr) image at `dpr`, filled with the
// sentinel (or transparent), then painted by `paint` in window coordinates.
QImage Paint(qreal dpr, const std::function<void(QPainter&)>& paint, bool transparent = false);

// Copies of the pixels of a device rectangle.
std::vector<QRgb> Pixels(const QImage& img, const QRect& r);
double MeanLuminance(const QImage& img, const QRect& r);
bool SameIn(const QImage& a, const QImage& b, const QRect& r);
// The largest difference of one colour channel between two images of one
// size.
int MaxChannelDifference(const QImage& a, const QImage& b);
// Pixels of `a` and `b` that differ outside `keep` (a device rectangle).
int ChangedOutside(const QImage& a, const QImage& b, const QRect& keep);

// The face of a key or button and the strongest mark on it: `face` is the
// median-luminance pixel of the area (the face covers most of it), `mark`
// the pixel of highest contrast with it, `contrast` their contrast,
// `markPixels` how many pixels reach 4.5 : 1 against the face (fully inked
// ones, not antialiased edges) and `inkBounds` their bounds; `markBounds`
// holds the pixels reaching 2 : 1 (antialiased edges too).
struct FaceMark {
  QRgb face = 0, mark = 0;
  double contrast = 0;
  int markPixels = 0;
  QRect inkBounds, markBounds;
};
FaceMark MeasureFace(const QImage& img, const QRect& area);

}  // namespace numerina::ui::test
