// SPDX-License-Identifier: GPL-3.0-or-later
// Moving the window by its background and by the banner frames. The
// offscreen platform has no window manager, so the window follows the mouse
// itself; the system move is checked on a real X server (end-to-end).
#include "tests/support/window_support.h"

#include "ui/widgets/windowmove.h"

namespace numerina::ui::test {
namespace {

// The window's mover, the helper object that runs its moves.
WindowMover& Mover(Calculator& c) {
  WindowMover* mover = c.findChild<WindowMover*>();
  if (!mover) qFatal("the window has no mover");
  return *mover;
}

void Send(QWidget& w, QEvent::Type type, QPoint local, Qt::MouseButton button,
          Qt::MouseButtons buttons) {
  const QPointF global = w.mapToGlobal(QPointF(local));
  QMouseEvent e(type, QPointF(local), global, button, buttons, Qt::NoModifier);
  QApplication::sendEvent(&w, &e);
}

// Presses at `at`, moves the mouse by `by` in a few steps, releases.
void Drag(QWidget& w, QPoint at, QPoint by, Qt::MouseButton button = Qt::LeftButton) {
  Send(w, QEvent::MouseButtonPress, at, button, button);
  // The window moves under the mouse: local positions follow from where it
  // stands at each step.
  const QPoint start = w.mapToGlobal(at);
  for (int step = 1; step <= 4; ++step) {
    const QPoint global = start + by * step / 4;
    QMouseEvent e(QEvent::MouseMove, QPointF(w.mapFromGlobal(global)), QPointF(global),
                  Qt::NoButton, button, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
  }
  const QPoint end = start + by;
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(w.mapFromGlobal(end)), QPointF(end),
                      button, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&w, &release);
}

}  // namespace

class MoveTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { FailOnUnexpectedBoxes(); }
  void dragByTheBackgroundWritesThePlace();
  void clickWithoutMovingWritesThePlace();
  void rightButtonDoesNothing();
  void bannerFrameMovesOnTheFirstMove();
  void labelsAndKeysNeverMove();
  void nextStartUsesTheSavedPlace();
  void lateMoveEventsAreWritten();
  void quickClicksNeverStartAMove();
};

void MoveTest::dragByTheBackgroundWritesThePlace() {
  Rig rig;
  rig.folder.WriteSettings({"Posizione=1500,1500"});
  rig.Start();
  Calculator& c = *rig.calc;
  QCOMPARE(c.pos(), QPoint(100, 100));
  Drag(c, QPoint(5, 150), QPoint(100, 0));
  QCOMPARE(c.pos(), QPoint(200, 100));
  QCOMPARE(Setting(kPosizione), QStringLiteral("1500,3000"));
}

void MoveTest::clickWithoutMovingWritesThePlace() {
  Rig rig;
  rig.Start();
  QVERIFY(!rig.folder.HasSettings());
  const QPoint at = rig.calc->pos();
  QTest::mouseClick(rig.calc.get(), Qt::LeftButton, {}, QPoint(198, 150));
  QCOMPARE(Setting(kPosizione), QStringLiteral("%1,%2").arg(at.y() * 15).arg(at.x() * 15));
}

void MoveTest::rightButtonDoesNothing() {
  Rig rig;
  rig.Start();
  const QPoint at = rig.calc->pos();
  Drag(*rig.calc, QPoint(5, 150), QPoint(50, 50), Qt::RightButton);
  QCOMPARE(rig.calc->pos(), at);
  QVERIFY(!rig.folder.HasSettings());
}

void MoveTest::bannerFrameMovesOnTheFirstMove() {
  Rig rig;
  rig.folder.WriteSettings({"Posizione=1500,1500"});
  rig.Start();
  Calculator& c = *rig.calc;
  // Banner1 is hidden: its whole frame moves the window.
  Send(c, QEvent::MouseButtonPress, QPoint(40, 85), Qt::LeftButton, Qt::LeftButton);
  QCOMPARE(c.pos(), QPoint(100, 100));
  QVERIFY(!Mover(c).Active());
  Drag(c, QPoint(40, 85), QPoint(30, 15));
  QCOMPARE(c.pos(), QPoint(130, 115));
  QCOMPARE(Setting(kPosizione), QStringLiteral("1725,1950"));
  // The logo in the top-left frame is a picture, not the frame: no move.
  // Pressed, the picture gets a dark one-pixel border.
  const QImage released = Pixels(c, BannerFrame(2));
  QTest::mousePress(&BannerButton(c, 2), Qt::LeftButton, {}, QPoint(10, 5));
  QCOMPARE(QColor(c.grab().toImage().pixel(BannerButton(c, 2).geometry().topLeft())),
           QColor(32, 36, 40));
  QTest::mouseRelease(&BannerButton(c, 2), Qt::LeftButton, {}, QPoint(10, 5));
  QCOMPARE(Pixels(c, BannerFrame(2)), released);
  QCOMPARE(c.pos(), QPoint(130, 115));
}

void MoveTest::labelsAndKeysNeverMove() {
  Rig rig;
  rig.folder.WriteSettings({"Posizione=1500,1500"});
  rig.Start();
  Calculator& c = *rig.calc;
  Drag(c, c.Name().pos + QPoint(3, 3), QPoint(40, 40));  // the name label
  Drag(c, QPoint(20, 45), QPoint(40, 40));               // the memory indicator
  QCOMPARE(c.pos(), QPoint(100, 100));
  QTest::mousePress(&KeyButton(c, KeyRow("5")), Qt::LeftButton);
  QTest::mouseMove(&KeyButton(c, KeyRow("5")), QPoint(60, 60));
  QTest::mouseRelease(&KeyButton(c, KeyRow("5")), Qt::LeftButton, {}, QPoint(60, 60));
  QCOMPARE(c.pos(), QPoint(100, 100));
  QVERIFY(!rig.folder.SettingsFile().isEmpty());
  QCOMPARE(Setting(kPosizione), QStringLiteral("1500,1500"));
}

void MoveTest::nextStartUsesTheSavedPlace() {
  Rig rig;
  rig.Start();
  Drag(*rig.calc, QPoint(5, 150), QPoint(-40, -30));
  const QPoint moved = rig.calc->pos();
  rig.calc.reset();
  rig.Start();
  QCOMPARE(rig.calc->pos(), moved);
}

void MoveTest::lateMoveEventsAreWritten() {
  // Some window managers deliver the last move after the release: the
  // place is written again once the moves have settled.
  Rig rig;
  rig.Start();
  Calculator& c = *rig.calc;
  Mover(c).SetSettleMs(50);
  Drag(c, QPoint(5, 150), QPoint(20, 0));
  c.move(c.pos() + QPoint(7, 9));
  const QPoint late = c.pos();
  QTRY_COMPARE(Setting(kPosizione), QStringLiteral("%1,%2").arg(late.y() * 15).arg(late.x() * 15));
  QTRY_VERIFY(!Mover(c).Active());
  // Once settled, other moves are not "drags" and write nothing.
  c.move(c.pos() + QPoint(5, 5));
  QTest::qWait(120);
  QCOMPARE(Setting(kPosizione), QStringLiteral("%1,%2").arg(late.y() * 15).arg(late.x() * 15));
}

void MoveTest::quickClicksNeverStartAMove() {
  // Press and release in the same instant: a move asked for at the press
  // could start after the release and keep the window stuck to the mouse.
  // The move waits for the mouse to travel the platform's drag distance.
  Rig rig;
  rig.folder.WriteSettings({"Posizione=1500,1500"});
  rig.Start();
  Calculator& c = *rig.calc;
  const int near = QApplication::startDragDistance() - 1;
  for (int i = 0; i < 10; ++i) {
    rig.folder.WriteSettings({"Posizione=0,0"});
    Send(c, QEvent::MouseButtonPress, QPoint(5, 150), Qt::LeftButton, Qt::LeftButton);
    QVERIFY(!Mover(c).Active());
    QMouseEvent move(QEvent::MouseMove, QPointF(5 + near, 150),
                     c.mapToGlobal(QPointF(5 + near, 150)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&c, &move);
    QVERIFY(!Mover(c).Active());
    Send(c, QEvent::MouseButtonRelease, QPoint(5 + near, 150), Qt::LeftButton, Qt::NoButton);
    QVERIFY(!Mover(c).Active());
    QCOMPARE(c.pos(), QPoint(100, 100));
    QCOMPARE(Setting(kPosizione), QStringLiteral("1500,1500"));  // the click still writes it
  }
  // Past the drag distance the window follows.
  Drag(c, QPoint(5, 150), QPoint(near + 2, 0));
  QCOMPARE(c.pos(), QPoint(100 + near + 2, 100));
}

}  // namespace numerina::ui::test

QTEST_MAIN(numerina::ui::test::MoveTest)
#include "window_move_test.moc"
