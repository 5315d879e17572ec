// SPDX-License-Identifier: GPL-3.0-or-later
// The two housings and the wells sunk into them.
//
// The housings follow the window's outline pixel for pixel: the outline is a
// staircase of one-pixel runs, so their rim and bevel are worked out on that
// same pixel grid (distance to the outside, one and two pixels) and only then
// rounded to device pixels. Underneath, every run is filled in the rim
// colour grown to each device pixel it touches, so that however the platform
// rounds the window mask at 125 % or 150 %, no pixel inside it is left
// unpainted.

#include <QLinearGradient>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <map>
#include <tuple>
#include <vector>

#include "ui/skin/outline_table.h"
#include "ui/skin/skin.h"
#include "ui/skin/skin_parts.h"

namespace numerina::ui::skin {
namespace {

// A panel: x from a to b (excluded), h lines high.
struct PanelShape {
  int a, b, h;
  bool operator<(const PanelShape& o) const { return std::tie(a, b, h) < std::tie(o.a, o.b, o.h); }
};

// The visible part of line y of the calculator inside [a, b): [x1, x2),
// from the window's outline.
std::pair<int, int> CalculatorRun(int y, int a, int b) {
  for (const OutlineBand& band : kCalculatorBands) {
    if (y < band.first || y > band.last) continue;
    for (const auto& [x1, x2] : {std::pair{band.x1a, band.x2a}, std::pair{band.x1b, band.x2b}}) {
      const int left = std::max(x1, a), right = std::min(x2, b);
      if (left < right) return {left, right};
    }
  }
  return {a, a};
}

// The visible part of line y inside a panel: [x1, x2). The calculator's two
// panels follow its outline; a panel standing alone (a dialog) has the left
// panel's corners at both ends.
std::pair<int, int> PanelRun(int y, const PanelShape& s) {
  if (s.h == kSkinHeight &&
      ((s.a == 0 && s.b == kPanelSplit) || (s.a == kPanelSplit && s.b == kSkinWidth)))
    return CalculatorRun(y, s.a, s.b);
  int edge = -1;
  if (y < 5) edge = y;
  if (y >= s.h - 5) edge = s.h - 1 - y;
  if (edge < 0) return {s.a, s.b};
  const auto [x1, x2] = CalculatorRun(edge, 0, kPanelSplit);
  return {s.a + x1, s.b - (kPanelSplit - x2)};
}

enum Px : unsigned char { kOutside, kRim, kLight, kDark, kCorner, kInside };

// Classifies every pixel of panel [a, b) by its distance to the outside.
std::vector<unsigned char> Classify(const PanelShape& s) {
  const int a = s.a, w = s.b - s.a, h = s.h;
  std::vector<unsigned char> in(static_cast<std::size_t>(w * h), 0);
  for (int y = 0; y < h; ++y) {
    const auto [x1, x2] = PanelRun(y, s);
    for (int x = x1; x < x2; ++x) in[static_cast<std::size_t>(y * w + x - a)] = 1;
  }
  auto at = [&](const std::vector<unsigned char>& v, int x, int y) -> int {
    if (x < 0 || y < 0 || x >= w || y >= h) return 0;
    return v[static_cast<std::size_t>(y * w + x)];
  };
  // depth 1: touches the outside (8 neighbours); depth 2: touches depth 1.
  std::vector<unsigned char> depth(in.size(), 0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (!at(in, x, y)) continue;
      bool edge = false;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) edge = edge || !at(in, x + dx, y + dy);
      depth[static_cast<std::size_t>(y * w + x)] = edge ? 1 : 3;
    }
  std::vector<unsigned char> cls(in.size(), kOutside);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const int d = at(depth, x, y);
      std::size_t i = static_cast<std::size_t>(y * w + x);
      if (d == 0) continue;
      if (d == 1) {
        cls[i] = kRim;
        continue;
      }
      const bool upLeft =
          at(depth, x, y - 1) == 1 || at(depth, x - 1, y) == 1 || at(depth, x - 1, y - 1) == 1;
      const bool downRight =
          at(depth, x, y + 1) == 1 || at(depth, x + 1, y) == 1 || at(depth, x + 1, y + 1) == 1;
      if (upLeft && downRight)
        cls[i] = kCorner;
      else if (upLeft)
        cls[i] = kLight;
      else if (downRight)
        cls[i] = kDark;
      else
        cls[i] = kInside;
    }
  return cls;
}

// The rim and bevel of a panel: its runs of one class on each line, the
// inside and outside left out (a few hundred runs instead of a byte for
// every pixel).
struct EdgeRun {
  std::int16_t y, x1, x2;
  Px k;
};

std::vector<EdgeRun> EdgeRuns(const PanelShape& s) {
  const std::vector<unsigned char> cls = Classify(s);
  const int w = s.b - s.a;
  std::vector<EdgeRun> runs;
  for (int y = 0; y < s.h; ++y) {
    int x = 0;
    while (x < w) {
      const unsigned char k = cls[static_cast<std::size_t>(y * w + x)];
      int end = x + 1;
      while (end < w && cls[static_cast<std::size_t>(y * w + end)] == k) ++end;
      if (k != kOutside && k != kInside)
        runs.push_back({static_cast<std::int16_t>(y), static_cast<std::int16_t>(s.a + x),
                        static_cast<std::int16_t>(s.a + end), static_cast<Px>(k)});
      x = end;
    }
  }
  runs.shrink_to_fit();
  return runs;
}

void PaintPanel(DeviceCanvas& c, const PanelShape& s) {
  // Worked out once per shape: the calculator's two panels and the dialogs.
  static std::map<PanelShape, std::vector<EdgeRun>> edges;
  auto found = edges.find(s);
  if (found == edges.end()) found = edges.emplace(s, EdgeRuns(s)).first;
  if (!c.Reaches(QRect(s.a, 0, s.b - s.a, s.h))) return;
  const auto [y0, y1] = c.RowsWithin(s.h);

  for (int y = y0; y < y1; ++y) {
    const auto [x1, x2] = PanelRun(y, s);
    c.p.fillRect(c.SnapOut(QRectF(x1, y, x2 - x1, 1)), colours::Rim());
  }
  const QBrush body = BodyBrush(c, s.h);
  for (int y = y0; y < y1; ++y) {
    const auto [x1, x2] = PanelRun(y, s);
    c.p.fillRect(c.Snap(x1, y, x2 - x1, 1), body);
  }
  const QColor light = colours::BodyLight(), dark = colours::BodyDark();
  const QColor corner = Mix(light, dark, 0.5);
  const auto first = std::lower_bound(found->second.begin(), found->second.end(), y0,
                                      [](const EdgeRun& r, int y) { return r.y < y; });
  for (auto r = first; r != found->second.end() && r->y < y1; ++r) {
    const QColor col = r->k == kRim     ? colours::Rim()
                       : r->k == kLight ? light
                       : r->k == kDark  ? dark
                                        : corner;
    c.p.fillRect(c.Snap(r->x1, r->y, r->x2 - r->x1, 1), col);
  }
}

}  // namespace

void PaintHousing(DeviceCanvas& c) {
  PaintPanel(c, {0, kPanelSplit, kSkinHeight});
  PaintPanel(c, {kPanelSplit, kSkinWidth, kSkinHeight});
}

void PaintDialogHousing(DeviceCanvas& c, int width, int height) {
  PaintPanel(c, {0, width, height});
}

QRegion DialogOutline(int width, int height) {
  QRegion r;
  for (int y = 0; y < height; ++y) {
    const auto [x1, x2] = PanelRun(y, {0, width, height});
    r += QRect(x1, y, x2 - x1, 1);
  }
  return r;
}

void PaintWells(DeviceCanvas& c, std::initializer_list<QRectF> rects, qreal radius,
                const QBrush& fill) {
  const int e = c.Len(1);
  const qreal rad = radius * c.Scale();
  // Light falls from the upper left: the upper-left wall of a well is in
  // shadow, its lower-right lip catches the light. Layer by layer over all
  // the rectangles, so that overlapping ones merge into one well.
  for (const QRectF& r : rects) RoundFill(c.p, c.Snap(r), rad, colours::BodyLight());
  for (const QRectF& r : rects)
    RoundFill(c.p, c.Snap(r).adjusted(0, 0, -e, -e), rad, colours::Rim());
  for (const QRectF& r : rects)
    RoundFill(c.p, c.Snap(r).adjusted(e, e, -e, -e), std::max<qreal>(0, rad - e), fill);
}

void PaintDisplayWell(DeviceCanvas& c) {
  PaintWells(c, {QRectF(10, 30, 186, 32)}, 4, colours::Bezel());
  // The glass sits inside the bezel; a soft shadow along its top edge makes
  // it look set in, and stays above the text area (y 36 on).
  const QRect glass = c.Snap(13, 33, 180, 26);
  RoundFill(c.p, glass, c.Scale() * 1.5, Palette::Display());
  QLinearGradient g(0, glass.top(), 0, c.Y(36));
  g.setColorAt(0, Shade(Palette::Display(), 0.80));
  g.setColorAt(1, Palette::Display());
  RoundFill(c.p, QRect(glass.left(), glass.top(), glass.width(), c.Y(36) - glass.top()),
            c.Scale() * 1.5, QBrush(g));
  c.p.fillRect(QRect(glass.left(), c.Y(35), glass.width(), c.Y(36) - c.Y(35)), Palette::Display());
}

void PaintTapeWell(DeviceCanvas& c) {
  PaintWells(c, {QRectF(215, 29, 174, 214)}, 4, colours::Bezel());
  const QRect tape = c.Snap(QRectF(Skin::TapeRect()));
  c.p.fillRect(tape, Palette::Tape());
  // The tear-off bar across the top of the paper: a steel strip with a row
  // of teeth, ending exactly where the tape box begins.
  const QRect bar = c.Snap(QRectF(QPointF(218, 30), QPointF(386, 32.5)));
  QLinearGradient steel(0, bar.top(), 0, bar.bottom() + 1);
  steel.setColorAt(0, QColor(222, 227, 230));
  steel.setColorAt(1, QColor(128, 137, 145));
  c.p.fillRect(bar, QBrush(steel));
  c.p.setBrush(QColor(150, 159, 166));
  for (qreal x = 219; x + 3 <= 385; x += 3) {
    const QPointF tooth[] = {{c.X(x) * 1.0, bar.bottom() + 1.0},
                             {c.X(x + 3) * 1.0, bar.bottom() + 1.0},
                             {c.X(x + 1.5) * 1.0, static_cast<qreal>(tape.top())}};
    if (tape.top() - bar.bottom() - 1 >= 1) c.p.drawPolygon(tooth, 3);
  }
  c.p.setBrush(Qt::NoBrush);
}

void PaintKeyPlate(DeviceCanvas& c) {
  // One plate under the key grid, a second one under the two currency keys
  // of the top row; the banner frame left of them stays plain housing.
  PaintWells(c, {QRectF(131, 67, 66, 36), QRectF(7, 98, 190, 159)}, 4, colours::Plate());
}

}  // namespace numerina::ui::skin
