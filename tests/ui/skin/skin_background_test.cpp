// SPDX-License-Identifier: GPL-3.0-or-later
// The background: its size at every ratio, no unpainted pixel inside the
// window's outline, a clean display and tape area, plain banner frames.

#include <gtest/gtest.h>

#include <QPixmap>
#include <QRegion>

#include <array>
#include <cmath>
#include <string>

#include "skin_pixels.h"
#include "ui/skin/keytable.h"
#include "ui/skin/skin.h"

namespace numerina::ui::test {
namespace {

// The window's outline, runs x1..x2 (excluded) of lines 0 to 4 for both
// panels; the bottom five lines mirror them, all other lines are whole.
constexpr std::array<std::array<int, 4>, 5> kTopLines = {{{5, 200, 209, 395},
                                                          {3, 202, 207, 397},
                                                          {2, 203, 206, 398},
                                                          {1, 204, 205, 399},
                                                          {1, 204, 205, 399}}};

struct Run {
  int x1, y, x2;
};

std::vector<Run> OutlineRuns() {
  std::vector<Run> runs;
  for (int y = 0; y < 275; ++y) {
    const int edge = y < 5 ? y : y >= 270 ? 274 - y : -1;
    if (edge < 0) {
      runs.push_back({0, y, 400});
      continue;
    }
    const auto& l = kTopLines[static_cast<std::size_t>(edge)];
    runs.push_back({l[0], y, l[1]});
    runs.push_back({l[2], y, l[3]});
  }
  return runs;
}

// Device pixels of the outline: every run's edges rounded (the window's
// rule), or every pixel whose centre lies inside a run.
QRegion DeviceOutline(qreal dpr, bool centres) {
  QRegion r;
  for (const Run& run : OutlineRuns()) {
    QRect d;
    if (centres) {
      auto first = [dpr](int v) { return static_cast<int>(std::ceil(v * dpr - 0.5)); };
      d = QRect(QPoint(first(run.x1), first(run.y)),
                QPoint(first(run.x2) - 1, first(run.y + 1) - 1));
    } else {
      d = DeviceRect(QRect(run.x1, run.y, run.x2 - run.x1, 1), dpr);
    }
    if (!d.isEmpty()) r += d;
  }
  return r;
}

QImage Background(qreal dpr) {
  return Paint(
      dpr, [](QPainter& p) { Skin::PaintBackground(p); }, true);
}

// Every row of the area has one colour along its length.
bool RowsArePlain(const QImage& img, const QRect& r) {
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left() + 1; x <= r.right(); ++x)
      if (img.pixel(x, y) != img.pixel(r.left(), y)) return false;
  return true;
}

class BackgroundRatio : public ::testing::TestWithParam<qreal> {};

TEST_P(BackgroundRatio, CachedPixmapHasTheWindowSizeAtTheRatio) {
  const qreal dpr = GetParam();
  const QPixmap pm = Skin::Background(dpr);
  EXPECT_EQ(pm.width(), static_cast<int>(std::ceil(400 * dpr - 1e-9)));
  EXPECT_EQ(pm.height(), static_cast<int>(std::ceil(275 * dpr - 1e-9)));
  EXPECT_DOUBLE_EQ(pm.devicePixelRatio(), dpr);
  EXPECT_NEAR(pm.deviceIndependentSize().width(), 400, 1);
  EXPECT_NEAR(pm.deviceIndependentSize().height(), 275, 1);
  // The cached picture is the painting itself.
  QImage cached = pm.toImage().convertToFormat(QImage::Format_ARGB32);
  cached.setDevicePixelRatio(dpr);
  EXPECT_EQ(cached, Background(dpr));
}

TEST_P(BackgroundRatio, NoUnpaintedPixelInsideTheOutline) {
  const qreal dpr = GetParam();
  const QImage img = Background(dpr);
  for (bool centres : {false, true}) {
    int holes = 0;
    QPoint first(-1, -1);
    for (const QRect& r : DeviceOutline(dpr, centres))
      for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
          if (qAlpha(img.pixel(x, y)) != 255 && holes++ == 0) first = QPoint(x, y);
    EXPECT_EQ(holes, 0) << "first at " << first.x() << "," << first.y()
                        << (centres ? " (centres)" : " (edges)");
  }
}

TEST_P(BackgroundRatio, CutCornersAndNotchAreLeftEmpty) {
  const qreal dpr = GetParam();
  const QImage img = Background(dpr);
  const QRegion inside = DeviceOutline(dpr, false);
  // Well clear of the outline's edge (two device pixels), outside it nothing
  // is painted: the corners and the notch between the panels.
  const QRegion near = inside.united(inside.translated(2, 0))
                           .united(inside.translated(-2, 0))
                           .united(inside.translated(0, 2))
                           .united(inside.translated(0, -2));
  int painted = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (!near.contains(QPoint(x, y)) && qAlpha(img.pixel(x, y)) != 0) ++painted;
  EXPECT_EQ(painted, 0);
  EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(img.pixel(img.width() - 1, img.height() - 1)), 0);
  EXPECT_EQ(qAlpha(img.pixel(qRound(204.5 * dpr), 0)), 0);
}

TEST_P(BackgroundRatio, DisplayAreaIsOnePlainColourForTheText) {
  const qreal dpr = GetParam();
  const QImage img = Background(dpr);
  const QRect d = DeviceRect(Skin::DisplayRect(), dpr);
  for (QRgb c : Pixels(img, d)) ASSERT_EQ(c, Palette::Display().rgb());
  EXPECT_GE(Contrast(Palette::Display().rgb(), Palette::DisplayText().rgb()), 7.0);
  // The memory indicator's box reaches below the display area.
  for (QRgb c : Pixels(img, DeviceRect(QRect(16, 41, 17, 17), dpr)))
    ASSERT_EQ(c, Palette::Display().rgb());
}

TEST_P(BackgroundRatio, TapeAreaHasTheTapeColour) {
  const qreal dpr = GetParam();
  const QImage img = Background(dpr);
  for (QRgb c : Pixels(img, DeviceRect(Skin::TapeRect(), dpr)))
    ASSERT_EQ(c, QColor(170, 182, 189).rgb());
  EXPECT_EQ(Palette::Tape(), QColor(170, 182, 189));
  EXPECT_GE(Contrast(Palette::Tape().rgb(), Palette::TapeText().rgb()), 7.0);
}

TEST_P(BackgroundRatio, BannerFramesAndNamePlacesArePlainHousing) {
  const qreal dpr = GetParam();
  const QImage img = Background(dpr);
  const struct {
    const char* what;
    QRect r;
  } places[] = {
      {"picBanner2", QRect(12, 7, 76, 18)},
      {"picBanner1", QRect(12, 72, 114, 28)},
      {"name at the top", QRect(218, 6, 112, 15)},
      {"name at the bottom", QRect(218, 250, 112, 15)},
  };
  for (const auto& place : places) {
    SCOPED_TRACE(place.what);
    const QRect d = DeviceRect(place.r, dpr).adjusted(1, 1, -1, -1);
    EXPECT_TRUE(RowsArePlain(img, d));
    // Housing, not a well: the name's white copy must stand out on it.
    EXPECT_GE(Contrast(img.pixel(d.center()), qRgb(255, 255, 255)), 4.5);
  }
}

// The window repaints a pressed key, a display or a banner by painting the
// background within the update rectangle only: every device pixel there
// must come out as in the whole painting, also at the edges of keys and
// buttons that were left out.
TEST_P(BackgroundRatio, APartialRepaintMatchesTheWholePainting) {
  const qreal dpr = GetParam();
  const QImage whole = Background(dpr);
  std::vector<QRect> areas;
  for (const KeyDef& k : kKeys) {
    areas.emplace_back(k.x, k.y, kKeySize, kKeySize);
    // The pixel columns and rows just beside the key.
    areas.emplace_back(k.x + kKeySize, k.y, 1, kKeySize);
    areas.emplace_back(k.x - 1, k.y, 1, kKeySize);
    areas.emplace_back(k.x, k.y + kKeySize, kKeySize, 1);
  }
  for (const ToolDef& t : kTools) {
    areas.emplace_back(t.x, t.y, kToolSize, kToolSize);
    areas.emplace_back(t.x + kToolSize, t.y, 1, kToolSize);
    areas.emplace_back(t.x - 1, t.y, 1, kToolSize);
  }
  areas.emplace_back(10, 20, 190, 30);  // across the display
  for (const QRect& area : areas) {
    // The window's clip: the area in device pixels, rounded outwards.
    const QRect device =
        QRectF(QPointF(area.topLeft()) * dpr, QSizeF(area.size()) * dpr).toAlignedRect();
    const QImage part = Paint(
        dpr,
        [&](QPainter& p) {
          p.setClipRect(QRectF(QPointF(device.topLeft()) / dpr, QSizeF(device.size()) / dpr));
          Skin::PaintBackground(p, area);
        },
        true);
    ASSERT_TRUE(SameIn(whole, part, device))
        << area.x() << "," << area.y() << " " << area.width() << "x" << area.height();
  }
}

INSTANTIATE_TEST_SUITE_P(Ratios, BackgroundRatio, ::testing::ValuesIn(kRatios),
                         [](const auto& info) {
                           return "dpr" + std::to_string(qRound(info.param * 100));
                         });

TEST(Background, SameRatioGivesTheSamePicture) {
  EXPECT_EQ(Skin::Background(1.5).toImage(), Skin::Background(1.5).toImage());
}

}  // namespace
}  // namespace numerina::ui::test
