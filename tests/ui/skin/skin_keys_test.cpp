// SPDX-License-Identifier: GPL-3.0-or-later
// Keys: pressed darker and sunk, labels legible, every key painted exactly
// over its own square at 100, 125, 150 and 200 %.

#include <gtest/gtest.h>

#include <QPixmap>
#include <QString>

#include <cmath>
#include <string>

#include "skin_pixels.h"
#include "ui/skin/skin.h"

namespace numerina::ui::test {
namespace {

QRect KeySquare(const KeyDef& k) { return QRect(k.x, k.y, kKeySize, kKeySize); }

std::string Name(const KeyDef& k) {
  return QString::fromUtf8(k.label.data(), k.label.size()).toStdString();
}

QImage Key(qreal dpr, const KeyDef& k, bool pressed) {
  return Paint(dpr, [&](QPainter& p) { Skin::PaintKey(p, k, pressed); });
}

// The top of the cap, where the label sits, without its rounded corners,
// its lip and its skirt. A pressed cap has sunk one pixel right and two down.
QRect LabelArea(const KeyDef& k, qreal dpr, bool pressed) {
  const int shift = pressed ? 1 : 0;
  return DeviceRect(QRect(k.x + 3 + shift, k.y + 3 + 2 * shift, 19, 16), dpr);
}

class KeyRatio : public ::testing::TestWithParam<qreal> {};

TEST_P(KeyRatio, PressedKeyIsDarkerAndSunkIn) {
  const qreal dpr = GetParam();
  for (const KeyDef& k : kKeys) {
    SCOPED_TRACE(Name(k));
    const QImage up = Key(dpr, k, false), down = Key(dpr, k, true);
    const QRect sq = DeviceRect(KeySquare(k), dpr);
    const double lu = MeanLuminance(up, sq), ld = MeanLuminance(down, sq);
    EXPECT_LT(ld, lu * 0.90) << "released " << lu << " pressed " << ld;
    // The label moves with the cap: down by at least one window pixel.
    const FaceMark mu = MeasureFace(up, LabelArea(k, dpr, false));
    const FaceMark md = MeasureFace(down, LabelArea(k, dpr, true));
    ASSERT_FALSE(mu.markBounds.isEmpty());
    ASSERT_FALSE(md.markBounds.isEmpty());
    EXPECT_GE(md.markBounds.center().y() - mu.markBounds.center().y(), std::floor(dpr));
  }
}

TEST_P(KeyRatio, LabelContrastIsAtLeast4_5InBothStates) {
  const qreal dpr = GetParam();
  for (const KeyDef& k : kKeys)
    for (bool pressed : {false, true}) {
      SCOPED_TRACE(Name(k) + (pressed ? " pressed" : " released"));
      const FaceMark m = MeasureFace(Key(dpr, k, pressed), LabelArea(k, dpr, pressed));
      EXPECT_GE(m.contrast, 4.5);
      // A label, not a stray pixel: a few window pixels' worth of full ink.
      EXPECT_GE(m.markPixels, static_cast<int>(6 * dpr * dpr));
    }
}

TEST_P(KeyRatio, KeyPaintsAllOfItsSquareAndNothingElse) {
  const qreal dpr = GetParam();
  for (const KeyDef& k : kKeys)
    for (bool pressed : {false, true}) {
      SCOPED_TRACE(Name(k) + (pressed ? " pressed" : " released"));
      const QImage img = Key(dpr, k, pressed);
      const QImage blank = Paint(dpr, [](QPainter&) {});
      const QRect sq = DeviceRect(KeySquare(k), dpr);
      int sentinel = 0, translucent = 0;
      for (QRgb c : Pixels(img, sq)) {
        sentinel += c == kSentinel;
        translucent += qAlpha(c) != 255;
      }
      EXPECT_EQ(sentinel, 0);
      EXPECT_EQ(translucent, 0);
      EXPECT_EQ(ChangedOutside(img, blank, sq), 0);
    }
}

TEST_P(KeyRatio, RepaintingAKeyGivesTheSamePixelsWhateverWasThere) {
  const qreal dpr = GetParam();
  const QImage bg = Paint(dpr, [](QPainter& p) { Skin::PaintBackground(p); });
  const QImage flashed = Paint(dpr, [](QPainter& p) {
    Skin::PaintBackground(p);
    for (const KeyDef& k : kKeys) Skin::PaintKey(p, k, true);
    for (const KeyDef& k : kKeys) Skin::PaintKey(p, k, false);
    for (const KeyDef& k : kKeys) Skin::PaintKey(p, k, false);
  });
  for (const KeyDef& k : kKeys) {
    SCOPED_TRACE(Name(k));
    EXPECT_TRUE(SameIn(bg, flashed, DeviceRect(KeySquare(k), dpr).adjusted(-2, -2, 2, 2)));
  }
}

TEST_P(KeyRatio, KeypadSheetsMatchTheWindowCellByCell) {
  const qreal dpr = GetParam();
  for (bool pressed : {false, true}) {
    const QPixmap sheet = Skin::KeypadSheet(pressed, dpr);
    EXPECT_DOUBLE_EQ(sheet.devicePixelRatio(), dpr);
    EXPECT_EQ(sheet.width(), static_cast<int>(std::ceil(kKeypadSheet * dpr - 1e-9)));
    EXPECT_EQ(sheet.height(), static_cast<int>(std::ceil(kKeypadSheet * dpr - 1e-9)));
    const QImage s = sheet.toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage w = Paint(dpr, [&](QPainter& p) {
      Skin::PaintBackground(p);
      for (const KeyDef& k : kKeys) Skin::PaintKey(p, k, pressed);
    });
    for (const KeyDef& k : kKeys) {
      SCOPED_TRACE(Name(k));
      ASSERT_EQ(k.x - k.cellX, kKeypadX);
      ASSERT_EQ(k.y - k.cellY, kKeypadY);
      const QRect inWindow = DeviceRect(KeySquare(k), dpr);
      const QRect inSheet = DeviceRect(QRect(k.cellX, k.cellY, kKeySize, kKeySize), dpr);
      ASSERT_EQ(inWindow.size(), inSheet.size());
      // The same painting moved: the keys' shading may round one level
      // differently at another offset, nothing more.
      EXPECT_LE(MaxChannelDifference(w.copy(inWindow), s.copy(inSheet)), 2);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Ratios, KeyRatio, ::testing::ValuesIn(kRatios), [](const auto& info) {
  return "dpr" + std::to_string(qRound(info.param * 100));
});

// At 100 % the labels of letters, digits and the currency and function
// signs stand at least 9 fully inked pixels high; the operator signs are
// drawn 11 wide.
TEST(KeyLabels, AtLeastNinePixelsHighAt100Percent) {
  for (const KeyDef& k : kKeys) {
    SCOPED_TRACE(Name(k));
    const FaceMark m = MeasureFace(Key(1.0, k, false), LabelArea(k, 1.0, false));
    if (k.key.button == Button::Operator) {
      EXPECT_GE(std::max(m.inkBounds.width(), m.inkBounds.height()), 9);
    } else if (k.key.button != Button::Decim) {
      EXPECT_GE(m.inkBounds.height(), 9);
    }
  }
}

// Every key shows its own label: no two keys of one colour family look alike.
TEST(KeyLabels, EveryKeyFaceIsDistinct) {
  std::vector<QImage> faces;
  for (const KeyDef& k : kKeys) {
    const QImage img = Key(2.0, k, false);
    faces.push_back(img.copy(LabelArea(k, 2.0, false)));
  }
  for (std::size_t i = 0; i < faces.size(); ++i)
    for (std::size_t j = i + 1; j < faces.size(); ++j)
      EXPECT_NE(faces[i], faces[j]) << Name(kKeys[i]) << " and " << Name(kKeys[j]);
}

}  // namespace
}  // namespace numerina::ui::test
