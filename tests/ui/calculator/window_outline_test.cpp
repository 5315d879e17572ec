// SPDX-License-Identifier: GPL-3.0-or-later
// The outlines: unpacking the run tables, the regions they give, and the
// calculator's mask. (The offscreen platform does not apply masks; the
// pixels on a real X server are checked by the end-to-end test.)
#include "tests/support/window_support.h"

#include "ui/widgets/outline.h"

namespace numerina::ui::test {

class OutlineTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { FailOnUnexpectedBoxes(); }
  void unpack_data();
  void unpack();
  void tablesAreInLineOrder();
  void calculatorPixels_data();
  void calculatorPixels();
  void notchBetweenThePanels();
  void infoPanelPixels_data();
  void infoPanelPixels();
  void windowMask();
  void deviceRegionHasNoSeams_data();
  void deviceRegionHasNoSeams();
};

void OutlineTest::unpack_data() {
  QTest::addColumn<int>("packed");
  QTest::addColumn<int>("x1");
  QTest::addColumn<int>("y");
  QTest::addColumn<int>("x2");
  QTest::newRow("second run of line 0") << 209000395 << 209 << 0 << 395;
  QTest::newRow("full line 5") << 5400 << 0 << 5 << 400;
  QTest::newRow("first run of line 0") << 5000200 << 5 << 0 << 200;
  QTest::newRow("line 274") << 209274395 << 209 << 274 << 395;
  QTest::newRow("one digit") << 7 << 0 << 0 << 7;
  QTest::newRow("seven digits") << 1230456 << 1 << 230 << 456;
}

void OutlineTest::unpack() {
  QFETCH(int, packed);
  QFETCH(int, x1);
  QFETCH(int, y);
  QFETCH(int, x2);
  QCOMPARE(UnpackRun(packed), (Run{x1, y, x2}));
}

void OutlineTest::tablesAreInLineOrder() {
  QCOMPARE(CalculatorRuns().size(), std::size_t(285));
  QCOMPARE(InfoPanelRuns().size(), std::size_t(231));
  for (auto table : {CalculatorRuns(), InfoPanelRuns()}) {
    Run previous{-1, -1, -1};
    for (std::int32_t packed : table) {
      const Run r = UnpackRun(packed);
      QVERIFY(r.x1 < r.x2);
      QVERIFY(r.y > previous.y || (r.y == previous.y && r.x1 >= previous.x2));
      previous = r;
    }
  }
}

void OutlineTest::calculatorPixels_data() {
  QTest::addColumn<QPoint>("pixel");
  QTest::addColumn<bool>("inside");
  QTest::newRow("top-left corner") << QPoint(0, 0) << false;
  QTest::newRow("bottom-right corner") << QPoint(399, 274) << false;
  QTest::newRow("5,0") << QPoint(5, 0) << true;
  QTest::newRow("0,5") << QPoint(0, 5) << true;
  QTest::newRow("399,5") << QPoint(399, 5) << true;
  QTest::newRow("204,3") << QPoint(204, 3) << false;
  QTest::newRow("205,3") << QPoint(205, 3) << true;
  QTest::newRow("4,0") << QPoint(4, 0) << false;
  QTest::newRow("400,100 beyond") << QPoint(400, 100) << false;
  QTest::newRow("0,269") << QPoint(0, 269) << true;
  QTest::newRow("0,270") << QPoint(0, 270) << false;
  QTest::newRow("394,274") << QPoint(394, 274) << true;
}

void OutlineTest::calculatorPixels() {
  QFETCH(QPoint, pixel);
  QFETCH(bool, inside);
  QCOMPARE(RegionOfRuns(CalculatorRuns()).contains(pixel), inside);
}

void OutlineTest::notchBetweenThePanels() {
  const QRegion region = RegionOfRuns(CalculatorRuns());
  for (int x = 200; x <= 208; ++x) {
    QVERIFY(!region.contains(QPoint(x, 0)));
    QVERIFY(!region.contains(QPoint(x, 274)));
  }
  for (int x = 0; x < 400; ++x) QVERIFY(region.contains(QPoint(x, 5)));
  // 285 one-pixel runs, but lines with equal runs merge.
  QVERIFY(region.rectCount() < 30);
}

void OutlineTest::infoPanelPixels_data() {
  QTest::addColumn<QPoint>("pixel");
  QTest::addColumn<bool>("inside");
  QTest::newRow("0,100") << QPoint(0, 100) << false;
  QTest::newRow("1,100") << QPoint(1, 100) << true;
  QTest::newRow("299,100") << QPoint(299, 100) << true;
  QTest::newRow("300,100") << QPoint(300, 100) << false;
  QTest::newRow("4,0") << QPoint(4, 0) << false;
  QTest::newRow("5,0") << QPoint(5, 0) << true;
  QTest::newRow("297,0") << QPoint(297, 0) << false;
  QTest::newRow("3,230") << QPoint(3, 230) << true;
  QTest::newRow("298,230") << QPoint(298, 230) << false;
}

void OutlineTest::infoPanelPixels() {
  QFETCH(QPoint, pixel);
  QFETCH(bool, inside);
  QCOMPARE(RegionOfRuns(InfoPanelRuns()).contains(pixel), inside);
}

void OutlineTest::windowMask() {
  Rig rig;
  rig.Start();
  QCOMPARE(rig.calc->mask(), RegionOfRuns(CalculatorRuns()));
  // Hiding the report keeps the outline; its right panel lies outside.
  ClickTool(*rig.calc, Tool::Report);
  QCOMPARE(rig.calc->mask(), RegionOfRuns(CalculatorRuns()));
}

void OutlineTest::deviceRegionHasNoSeams_data() {
  QTest::addColumn<qreal>("dpr");
  QTest::newRow("100 %") << 1.0;
  QTest::newRow("125 %") << 1.25;
  QTest::newRow("150 %") << 1.5;
  QTest::newRow("175 %") << 1.75;
  QTest::newRow("200 %") << 2.0;
}

void OutlineTest::deviceRegionHasNoSeams() {
  QFETCH(qreal, dpr);
  const QRegion logical = RegionOfRuns(CalculatorRuns());
  const QRegion device = DeviceRegionOfRuns(CalculatorRuns(), dpr);
  const int height = qRound(275 * dpr), width = qRound(400 * dpr);
  QCOMPARE(device.boundingRect(), QRect(0, 0, width, height));
  // Every device row is covered where its logical row is, and a pixel in
  // the middle of the window is inside on every row: no see-through line.
  for (int y = 0; y < height; ++y) {
    QVERIFY2(device.contains(QPoint(width / 4, y)), qPrintable(QString::number(y)));
    QVERIFY2(device.contains(QPoint(3 * width / 4, y)), qPrintable(QString::number(y)));
  }
  // Each run starts where its logical edge lands: inside there, outside
  // one device pixel to its left.
  for (std::int32_t packed : CalculatorRuns()) {
    const Run r = UnpackRun(packed);
    const QPoint start(qRound(r.x1 * dpr), qRound(r.y * dpr));
    QVERIFY(device.contains(start));
    if (r.x1 > 0) QVERIFY(!device.contains(start - QPoint(1, 0)));
    const QPoint end(qRound(r.x2 * dpr) - 1, start.y());
    QVERIFY(device.contains(end));
    QVERIFY(!device.contains(end + QPoint(1, 0)) || r.x2 == 204);
  }
  if (dpr == 1.0) QCOMPARE(device, logical);
  // The corners stay cut.
  QVERIFY(!device.contains(QPoint(0, 0)));
  QVERIFY(!device.contains(QPoint(width - 1, height - 1)));
}

}  // namespace numerina::ui::test

QTEST_MAIN(numerina::ui::test::OutlineTest)
#include "window_outline_test.moc"
