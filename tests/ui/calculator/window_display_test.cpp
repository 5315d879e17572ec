// SPDX-License-Identifier: GPL-3.0-or-later
// The display with numbers too wide for it: the font steps down, then the
// right-hand end shows after "…"; never a number cut off without a sign.
// Run at 100 % and again at 200 % (QT_SCALE_FACTOR=2), checked by the
// rendered pixels of the display and by the text it draws.
#include "tests/support/window_support.h"
#include "ui/calculator/displaylabel.h"

#include <QClipboard>
#include <QImage>
#include <QtMath>

#include "ui/skin/layout.h"

namespace numerina::ui::test {
namespace {

// The leftmost pixel column holding ink (dark text), -1 for none.
int LeftmostInk(const QImage& image) {
  for (int x = 0; x < image.width(); ++x)
    for (int y = 0; y < image.height(); ++y)
      if (qGray(image.pixel(x, y)) < 100) return x;
  return -1;
}

// The display drawn on white at the screen's scale.
QImage Rendered(DisplayLabel& d) {
  const qreal dpr = d.devicePixelRatioF();
  QImage image(d.size() * dpr, QImage::Format_RGB32);
  image.setDevicePixelRatio(dpr);
  image.fill(Qt::white);
  d.render(&image);
  return image;
}

}  // namespace

class DisplayTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { FailOnUnexpectedBoxes(); }
  void wideNumbersStepTheFontDown_data();
  void wideNumbersStepTheFontDown();
  void longerEntriesShowTheirEndAfterAMark();
  void textClearOfTheMemorySign_data();
  void textClearOfTheMemorySign();
};

void DisplayTest::wideNumbersStepTheFontDown_data() {
  QTest::addColumn<QString>("keys");
  QTest::addColumn<QString>("shown");
  QTest::newRow("20 digits") << "15241578750190500"
                             << "15.241.578.750.190.500,";
  QTest::newRow("minus sign") << "1234567890123460 +/−"
                              << "-1.234.567.890.123.460,";
}

void DisplayTest::wideNumbersStepTheFontDown() {
  QFETCH(QString, keys);
  QFETCH(QString, shown);
  Rig rig;
  rig.Start();
  Calculator& c = *rig.calc;
  for (const QString& key : keys.split(QLatin1Char(' '))) {
    if (key.front().isDigit())
      TypeKeys(c, key);
    else
      ClickKeys(c, key);
  }
  DisplayLabel& d = Control<DisplayLabel>(c, QStringLiteral("Readout1"));
  QCOMPARE(d.text(), shown);
  QCOMPARE(d.Fitted().shown, shown);  // all of it, sign included
  const int size = d.Fitted().font.pixelSize();
  QVERIFY2(size < d.font().pixelSize() && size >= d.font().pixelSize() * 6 / 10,
           qPrintable(QString::number(size)));
  // Nothing is cut at the left edge: the ink starts inside the display.
  const int left = LeftmostInk(Rendered(d));
  QVERIFY2(left > 0, qPrintable(QString::number(left)));
}

void DisplayTest::longerEntriesShowTheirEndAfterAMark() {
  Rig rig;
  rig.Start();
  Calculator& c = *rig.calc;
  QString digits;
  for (int i = 0; i < 40; ++i) digits += QChar(u'1' + i % 9);
  TypeKeys(c, digits);
  DisplayLabel& d = Control<DisplayLabel>(c, QStringLiteral("Readout1"));
  const QString shown = d.Fitted().shown;
  QVERIFY2(shown.startsWith(QChar(0x2026)), qPrintable(shown));
  QVERIFY(shown.size() > 10);
  QVERIFY(d.text().endsWith(shown.mid(1)));
  QCOMPARE(d.Fitted().font.pixelSize(), (d.font().pixelSize() * 6 + 5) / 10);
  QVERIFY(LeftmostInk(Rendered(d)) > 0);
  // Copy still gives the whole number.
  ClickTool(c, Tool::Copy);
  QCOMPARE(QGuiApplication::clipboard()->text(), d.text());
}

void DisplayTest::textClearOfTheMemorySign_data() {
  QTest::addColumn<QString>("keys");
  QTest::addColumn<bool>("cut");
  QTest::newRow("20-digit result") << "12345678901*1000000000=" << false;
  QString digits;
  for (int i = 0; i < 60; ++i) digits += QChar(u'1' + i % 9);
  QTest::newRow("60-digit entry") << digits << true;
}

void DisplayTest::textClearOfTheMemorySign() {
  QFETCH(QString, keys);
  QFETCH(bool, cut);
  Rig rig;
  rig.Start();
  Calculator& c = *rig.calc;
  TypeKeys(c, QStringLiteral("5"));
  ClickKeys(c, QStringLiteral("M"));
  TypeKeys(c, QStringLiteral("c") + keys);
  DisplayLabel& d = Control<DisplayLabel>(c, QStringLiteral("Readout1"));
  const QString shown = d.Fitted().shown;
  QCOMPARE(shown.startsWith(QChar(0x2026)), cut);
  if (!cut) QCOMPARE(shown, QStringLiteral("12.345.678.901.000.000.000,"));
  // The sign is the window's, under the display: the display's own ink
  // must start right of the sign's place, at this scale's pixels.
  const QImage image = Rendered(d);
  const int clear = qCeil((layout::kMemRect.right() + 1 - d.x()) * image.devicePixelRatio());
  const int left = LeftmostInk(image);
  QVERIFY2(left >= clear, qPrintable(QStringLiteral("ink at %1, sign to %2").arg(left).arg(clear)));
  // Without the sign the text has the whole width again.
  ClickKeys(c, QStringLiteral("CM"));
  QVERIFY(LeftmostInk(Rendered(d)) < clear);
}

}  // namespace numerina::ui::test

QTEST_MAIN(numerina::ui::test::DisplayTest)
#include "window_display_test.moc"
