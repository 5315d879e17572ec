// SPDX-License-Identifier: GPL-3.0-or-later
// The flash queue: looks at once, actions after the flash, in press order,
// held mouse presses, cancelled presses, and actions that open a modal loop.
#include <QEventLoop>
#include <QSignalSpy>
#include <QtTest>

#include <vector>

#include "ui/calculator/keyflash.h"

namespace numerina::ui::test {

class FlashTest : public QObject {
  Q_OBJECT

 private slots:
  void lookAtOnceActionAfterTheFlash();
  void burstRunsInPressOrder();
  void sameKeyTwiceStaysPressedUntilBothEnd();
  void heldPressWaitsForItsRelease();
  void cancelledPressRunsNothing();
  void nestedLoopHoldsTheQueue();
  void zeroFlashActsInsidePress();
  void releaseAllHeld();
};

void FlashTest::lookAtOnceActionAfterTheFlash() {
  KeyFlash flash;
  QSignalSpy looks(&flash, &KeyFlash::LookChanged);
  QElapsedTimer clock;
  qint64 actedAt = -1;
  clock.start();
  flash.Press(3, [&] { actedAt = clock.elapsed(); });
  QVERIFY(flash.LooksPressed(3));
  QCOMPARE(looks.count(), 1);
  QCOMPARE(actedAt, -1);
  QTRY_VERIFY(actedAt >= 0);
  QVERIFY(actedAt >= KeyFlash::kDefaultFlashMs);
  QVERIFY(!flash.LooksPressed(3));
  QCOMPARE(looks.count(), 2);
  QVERIFY(flash.Idle());
}

void FlashTest::burstRunsInPressOrder() {
  KeyFlash flash(30);
  std::vector<int> order;
  for (int i = 0; i < 50; ++i) flash.Press(i % 7, [&order, i] { order.push_back(i); });
  // All fifty wait for their flashes: none has acted inside Press.
  QVERIFY(!flash.Idle());
  QVERIFY(order.empty());
  QTRY_COMPARE(order.size(), std::size_t(50));
  for (int i = 0; i < 50; ++i) QCOMPARE(order[i], i);
  for (int look = 0; look < 7; ++look) QVERIFY(!flash.LooksPressed(look));
}

void FlashTest::sameKeyTwiceStaysPressedUntilBothEnd() {
  // Long times: the check between the two actions (300 ms apart) must not
  // depend on how busy the machine is.
  KeyFlash flash(1000);
  int acted = 0;
  flash.Press(5, [&] { ++acted; });
  QTest::qWait(300);
  flash.Press(5, [&] { ++acted; });
  QTRY_COMPARE(acted, 1);
  QVERIFY(flash.LooksPressed(5));  // the second flash is still on
  QTRY_COMPARE(acted, 2);
  QVERIFY(!flash.LooksPressed(5));
}

void FlashTest::heldPressWaitsForItsRelease() {
  KeyFlash flash(20);
  std::vector<int> order;
  const int ticket = flash.PressHeld(1, [&] { order.push_back(1); });
  flash.Press(2, [&] { order.push_back(2); });  // typed while the mouse holds 1
  QTest::qWait(80);
  QVERIFY(order.empty());
  QVERIFY(flash.LooksPressed(1));
  QVERIFY(!flash.LooksPressed(2));  // its own flash has ended
  flash.Release(ticket, true);
  QTRY_COMPARE(order.size(), std::size_t(2));
  QCOMPARE(order[0], 1);
  QCOMPARE(order[1], 2);
  QVERIFY(!flash.LooksPressed(1));
}

void FlashTest::cancelledPressRunsNothing() {
  KeyFlash flash(20);
  int acted = 0;
  const int ticket = flash.PressHeld(4, [&] { ++acted; });
  flash.Release(ticket, false);
  QVERIFY(flash.LooksPressed(4));  // still its minimum flash
  QTRY_VERIFY(!flash.LooksPressed(4));
  QTRY_VERIFY(flash.Idle());
  QCOMPARE(acted, 0);
}

void FlashTest::nestedLoopHoldsTheQueue() {
  // The first action spins a nested event loop, as a message box does; a
  // key pressed meanwhile waits until that action has returned.
  KeyFlash flash(10);
  std::vector<QString> log;
  flash.Press(1, [&] {
    log.push_back(QStringLiteral("box opens"));
    flash.Press(2, [&] { log.push_back(QStringLiteral("second key")); });
    QEventLoop loop;
    QTimer::singleShot(100, &loop, &QEventLoop::quit);
    loop.exec();
    QVERIFY(!flash.LooksPressed(2));  // looks go on while the box is up
    log.push_back(QStringLiteral("box closed"));
  });
  QTRY_COMPARE(log.size(), std::size_t(3));
  QCOMPARE(log[0], QStringLiteral("box opens"));
  QCOMPARE(log[1], QStringLiteral("box closed"));
  QCOMPARE(log[2], QStringLiteral("second key"));
}

void FlashTest::zeroFlashActsInsidePress() {
  KeyFlash flash(0);
  int acted = 0;
  flash.Press(0, [&] { ++acted; });
  QCOMPARE(acted, 1);
  QVERIFY(!flash.LooksPressed(0));
  const int ticket = flash.PressHeld(0, [&] { ++acted; });
  QVERIFY(flash.LooksPressed(0));
  QCOMPARE(acted, 1);
  flash.Release(ticket, true);
  QCOMPARE(acted, 2);
}

void FlashTest::releaseAllHeld() {
  KeyFlash flash(0);
  int acted = 0;
  flash.PressHeld(8, [&] { ++acted; });
  flash.Press(9, [&] { acted += 10; });
  flash.ReleaseAllHeld();
  QCOMPARE(acted, 10);
  QVERIFY(flash.Idle());
  QVERIFY(!flash.LooksPressed(8));
}

}  // namespace numerina::ui::test

QTEST_GUILESS_MAIN(numerina::ui::test::FlashTest)
#include "window_flash_test.moc"
