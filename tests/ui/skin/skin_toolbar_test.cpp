// SPDX-License-Identifier: GPL-3.0-or-later
// Toolbar buttons, the strips, the logo and the program icon.

#include <gtest/gtest.h>

#include <QIcon>
#include <QPixmap>

#include <cmath>
#include <string>

#include "skin_pixels.h"
#include "ui/skin/skin.h"

namespace numerina::ui::test {
namespace {

QRect ToolSquare(const ToolDef& t) { return QRect(t.x, t.y, kToolSize, kToolSize); }
// Inside the button's rim and bevel: the face with its icon.
QRect IconArea(const ToolDef& t, qreal dpr) {
  return DeviceRect(QRect(t.x + 2, t.y + 2, 9, 9), dpr);
}

QImage ToolImage(qreal dpr, const ToolDef& t, bool pressed, bool enabled) {
  return Paint(dpr, [&](QPainter& p) { Skin::PaintTool(p, t, pressed, enabled); });
}

class ToolRatio : public ::testing::TestWithParam<qreal> {};

TEST_P(ToolRatio, PressedButtonIsDarker) {
  const qreal dpr = GetParam();
  for (const ToolDef& t : kTools) {
    SCOPED_TRACE(std::string(t.tooltip));
    const QRect sq = DeviceRect(ToolSquare(t), dpr);
    EXPECT_LT(MeanLuminance(ToolImage(dpr, t, true, true), sq),
              MeanLuminance(ToolImage(dpr, t, false, true), sq) * 0.90);
  }
}

TEST_P(ToolRatio, DisabledButtonIsGreyedOut) {
  const qreal dpr = GetParam();
  for (const ToolDef& t : kTools) {
    SCOPED_TRACE(std::string(t.tooltip));
    const QImage on = ToolImage(dpr, t, false, true), off = ToolImage(dpr, t, false, false);
    const FaceMark mOn = MeasureFace(on, IconArea(t, dpr)),
                   mOff = MeasureFace(off, IconArea(t, dpr));
    EXPECT_NE(on, off);
    // The icon is clear when enabled and faint when disabled.
    EXPECT_GE(mOn.contrast, 3.0);
    EXPECT_LT(mOff.contrast, 2.2);
  }
}

TEST_P(ToolRatio, ButtonPaintsAllOfItsSquareAndNothingElse) {
  const qreal dpr = GetParam();
  const QImage blank = Paint(dpr, [](QPainter&) {});
  for (const ToolDef& t : kTools)
    for (int state = 0; state < 3; ++state) {
      SCOPED_TRACE(std::string(t.tooltip) + " state " + std::to_string(state));
      const QImage img = ToolImage(dpr, t, state == 1, state != 2);
      const QRect sq = DeviceRect(ToolSquare(t), dpr);
      for (QRgb c : Pixels(img, sq)) ASSERT_TRUE(c != kSentinel && qAlpha(c) == 255);
      EXPECT_EQ(ChangedOutside(img, blank, sq), 0);
    }
}

TEST_P(ToolRatio, BackgroundShowsEveryButtonReleasedAndEnabled) {
  const qreal dpr = GetParam();
  const QImage bg = Paint(dpr, [](QPainter& p) { Skin::PaintBackground(p); });
  const QImage again = Paint(dpr, [](QPainter& p) {
    Skin::PaintBackground(p);
    for (const ToolDef& t : kTools) Skin::PaintTool(p, t, true, false);
    for (const ToolDef& t : kTools) Skin::PaintTool(p, t, false, true);
  });
  for (const ToolDef& t : kTools) {
    SCOPED_TRACE(std::string(t.tooltip));
    EXPECT_TRUE(SameIn(bg, again, DeviceRect(ToolSquare(t), dpr).adjusted(-2, -2, 2, 2)));
  }
}

TEST_P(ToolRatio, StripsHaveTheirSizeAndTenDifferentCells) {
  const qreal dpr = GetParam();
  for (bool pressed : {false, true}) {
    const QPixmap strip = Skin::ToolbarStrip(pressed, dpr);
    EXPECT_EQ(strip.width(), static_cast<int>(std::ceil(kToolStripWidth * dpr - 1e-9)));
    EXPECT_EQ(strip.height(), static_cast<int>(std::ceil(kToolSize * dpr - 1e-9)));
    EXPECT_DOUBLE_EQ(strip.devicePixelRatio(), dpr);
    const QImage img = strip.toImage();
    for (const ToolDef& a : kTools)
      for (const ToolDef& b : kTools)
        if (a.cell < b.cell) {
          EXPECT_GT(MaxChannelDifference(img.copy(DeviceRect(QRect(a.cell + 2, 2, 9, 9), dpr)),
                                         img.copy(DeviceRect(QRect(b.cell + 2, 2, 9, 9), dpr))),
                    60)
              << a.tooltip << " / " << b.tooltip;
        }
  }
}

INSTANTIATE_TEST_SUITE_P(Ratios, ToolRatio, ::testing::ValuesIn(kRatios), [](const auto& info) {
  return "dpr" + std::to_string(qRound(info.param * 100));
});

// Where the window offset of a cell is a whole number of device pixels, the
// strips hold the window's buttons: the same painting moved, where shading
// and antialiased edges may round a few levels differently, nothing more.
TEST(ToolbarStrip, CellsMatchTheWindowButtons) {
  for (qreal dpr : {1.0, 2.0})
    for (bool pressed : {false, true}) {
      const QImage s =
          Skin::ToolbarStrip(pressed, dpr).toImage().convertToFormat(QImage::Format_ARGB32);
      const QImage w = Paint(dpr, [&](QPainter& p) {
        Skin::PaintBackground(p);
        for (const ToolDef& t : kTools) Skin::PaintTool(p, t, pressed, true);
      });
      for (const ToolDef& t : kTools) {
        SCOPED_TRACE(std::string(t.tooltip));
        EXPECT_LE(
            MaxChannelDifference(s.copy(DeviceRect(QRect(t.cell, 0, kToolSize, kToolSize), dpr)),
                                 w.copy(DeviceRect(ToolSquare(t), dpr))),
            4);
      }
    }
}

// The strips' cell order: copy, paste, report, information, help, minimise,
// close, print, more decimals, fewer decimals.
TEST(ToolbarStrip, CellOrderFollowsTheStrip) {
  const Tool order[] = {Tool::Copy,     Tool::Paste, Tool::Report, Tool::Info, Tool::Help,
                        Tool::Minimise, Tool::Close, Tool::Print,  Tool::More, Tool::Fewer};
  for (const ToolDef& t : kTools) {
    ASSERT_EQ(t.cell % 14, 0);
    EXPECT_EQ(order[t.cell / 14], t.tool) << t.tooltip;
  }
}

TEST(Logo, StaysInsideItsFrameAndShows) {
  for (qreal dpr : kRatios) {
    SCOPED_TRACE(dpr);
    const QRect frame(12, 7, 76, 18);
    const QImage blank = Paint(dpr, [](QPainter&) {});
    const QImage img = Paint(dpr, [&](QPainter& p) { Skin::PaintLogo(p, frame); });
    const QRect d = DeviceRect(frame, dpr);
    EXPECT_EQ(ChangedOutside(img, blank, d), 0);
    int painted = 0;
    for (QRgb c : Pixels(img, d)) painted += c != kSentinel;
    EXPECT_GT(painted, static_cast<int>(200 * dpr * dpr));
    // Transparent where it draws nothing: the frame's background shows.
    EXPECT_GT(static_cast<int>(Pixels(img, d).size()) - painted, static_cast<int>(200 * dpr * dpr));
  }
}

TEST(AppIcon, HasEverySizeDrawnForIt) {
  const QIcon icon = Skin::AppIcon();
  ASSERT_FALSE(icon.isNull());
  for (int size : {16, 24, 32, 48, 64}) {
    SCOPED_TRACE(size);
    EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size)));
    const QImage img =
        icon.pixmap(QSize(size, size), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(img.size(), QSize(size, size));
    EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0);                      // a shape, not a square
    EXPECT_EQ(qAlpha(img.pixel(size / 2, size * 3 / 4)), 255);  // the housing
    // Not a blur of the 64-pixel one: its edges are whole pixels.
    int partial = 0;
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) partial += qAlpha(img.pixel(x, y)) % 255 != 0;
    EXPECT_LT(partial, size);
  }
}

}  // namespace
}  // namespace numerina::ui::test
