// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/outline.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <xcb/shape.h>
#include <xcb/xcb.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "ui/skin/outline_table.h"

namespace numerina::ui {
namespace {

constexpr std::int32_t Pack(int x1, int y, int x2) { return x1 * 1000000 + y * 1000 + x2; }

template <std::size_t N, std::size_t B>
constexpr std::array<std::int32_t, N> Expand(const std::array<OutlineBand, B>& bands) {
  std::array<std::int32_t, N> out{};
  std::size_t n = 0;
  for (const OutlineBand& b : bands)
    for (int y = b.first; y <= b.last; ++y) {
      out[n++] = Pack(b.x1a, y, b.x2a);
      if (b.x2b != 0) out[n++] = Pack(b.x1b, y, b.x2b);
    }
  return out;
}

constexpr auto kCalculatorTable = Expand<285>(kCalculatorBands);
constexpr auto kInfoTable = Expand<231>(kInfoBands);

static_assert(kCalculatorTable[0] == 5000200 && kCalculatorTable[1] == 209000395);
static_assert(kCalculatorTable[10] == 5400 && kCalculatorTable[284] == 209274395);
static_assert(kInfoTable[230] == 3230298);

int Digits(const std::string& s, std::size_t from, std::size_t count) {
  int v = 0;
  for (std::size_t i = from; i < from + count; ++i) v = v * 10 + (s[i] - '0');
  return v;
}

}  // namespace

Run UnpackRun(std::int32_t packed) {
  // The decimal text padded to seven characters: x1 is everything before
  // the last six digits (one "0" for a run starting at the left edge).
  std::string text = std::to_string(packed < 0 ? 0 : packed);
  if (text.size() < 7) text.insert(0, 7 - text.size(), '0');
  const std::size_t l = text.size();
  return {Digits(text, 0, l - 6), Digits(text, l - 6, 3), Digits(text, l - 3, 3)};
}

std::span<const std::int32_t> CalculatorRuns() { return kCalculatorTable; }
std::span<const std::int32_t> InfoPanelRuns() { return kInfoTable; }

QRegion RegionOfRuns(std::span<const std::int32_t> table) {
  QRegion region;
  for (std::int32_t packed : table) {
    const Run r = UnpackRun(packed);
    if (r.x2 > r.x1) region += QRect(r.x1, r.y, r.x2 - r.x1, 1);
  }
  return region;
}

QRegion DeviceRegionOfRuns(std::span<const std::int32_t> table, qreal dpr) {
  QRegion region;
  const auto at = [dpr](int v) { return static_cast<int>(std::lround(v * dpr)); };
  for (std::int32_t packed : table) {
    const Run r = UnpackRun(packed);
    if (r.x2 <= r.x1) continue;
    const int top = at(r.y), bottom = at(r.y + 1);
    const int left = at(r.x1), right = at(r.x2);
    if (bottom > top && right > left) region += QRect(left, top, right - left, bottom - top);
  }
  return region;
}

void RitagliaForm(QWidget& calculator) {
  // The mask is in logical pixels; Qt scales it to the device pixel ratio,
  // so the cut corners stay in place at 125 % and 200 % as well.
  calculator.setMask(RegionOfRuns(CalculatorRuns()));
}

void ApplyDeviceOutline(QWidget& window, std::span<const std::int32_t> table) {
  // Qt scales a mask rectangle by rectangle, rounding each on its own: at
  // 125 % two neighbouring one-pixel runs can round apart and leave a
  // see-through line across the window. Integer ratios scale exactly.
  QWindow* handle = window.windowHandle();
  if (!handle) return;
  const qreal dpr = handle->devicePixelRatio();
  if (dpr == std::floor(dpr)) return;
#if QT_CONFIG(xcb)
  auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
  if (!x11 || !x11->connection()) return;
  std::vector<xcb_rectangle_t> rects;
  for (const QRect& r : DeviceRegionOfRuns(table, dpr))
    rects.push_back({static_cast<std::int16_t>(r.x()), static_cast<std::int16_t>(r.y()),
                     static_cast<std::uint16_t>(r.width()),
                     static_cast<std::uint16_t>(r.height())});
  xcb_shape_rectangles(x11->connection(), XCB_SHAPE_SO_SET, XCB_SHAPE_SK_BOUNDING,
                       XCB_CLIP_ORDERING_UNSORTED, static_cast<xcb_window_t>(window.winId()), 0, 0,
                       static_cast<std::uint32_t>(rects.size()), rects.data());
  xcb_flush(x11->connection());
#endif
}

}  // namespace numerina::ui
