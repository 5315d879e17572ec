// SPDX-License-Identifier: GPL-3.0-or-later
// The pressable picture alone: when a press and its release act in each of
// its two ways, a second button while one is held, a hide under the mouse,
// the press action of assistive technology and what it carries.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QtTest>

#include "ui/widgets/picturebutton.h"

namespace numerina::ui::test {
namespace {

using Acts = PictureButton::Acts;

// Records what the control tells its owner, and whether it looked held
// down when it said so.
struct Recorder : PictureButton::Handler {
  int pressed = 0, released = 0, activated = 0;
  QList<bool> acts;
  bool downAtPress = false, downAtRelease = true;
  void ButtonPressed(PictureButton& b) override {
    ++pressed;
    downAtPress = b.Down();
  }
  void ButtonReleased(PictureButton& b, bool a) override {
    ++released;
    acts << a;
    downAtRelease = b.Down();
  }
  void ButtonActivated(PictureButton&) override { ++activated; }
};

struct Bench {
  QWidget window;
  Recorder owner;
  PictureButton* button;
  explicit Bench(Acts acts) {
    window.resize(200, 100);
    button =
        new PictureButton(&window, owner, acts, 7, QRect(50, 30, 20, 20), QStringLiteral("Image9"),
                          QStringLiteral("prova"), QStringLiteral("Suggerimento"));
    window.show();
  }
};

const QPoint kInside(10, 10), kOutside(-30, 40);

}  // namespace

class PictureButtonTest : public QObject {
  Q_OBJECT

 private slots:
  void pressAndRelease_data() {
    QTest::addColumn<int>("acts");
    QTest::addColumn<Qt::MouseButton>("mouse");
    QTest::addColumn<bool>("inside");
    QTest::addColumn<bool>("expected");
    const int key = int(Acts::OnLeftClickInside), any = int(Acts::OnAnyRelease);
    QTest::newRow("key: left released over it") << key << Qt::LeftButton << true << true;
    QTest::newRow("key: left released outside") << key << Qt::LeftButton << false << false;
    QTest::newRow("key: right released over it") << key << Qt::RightButton << true << false;
    QTest::newRow("key: middle released over it") << key << Qt::MiddleButton << true << false;
    QTest::newRow("any: left released over it") << any << Qt::LeftButton << true << true;
    QTest::newRow("any: left released outside") << any << Qt::LeftButton << false << true;
    QTest::newRow("any: right released outside") << any << Qt::RightButton << false << true;
    QTest::newRow("any: middle released over it") << any << Qt::MiddleButton << true << true;
  }
  void pressAndRelease() {
    QFETCH(int, acts);
    QFETCH(Qt::MouseButton, mouse);
    QFETCH(bool, inside);
    QFETCH(bool, expected);
    Bench bench{Acts(acts)};
    QTest::mousePress(bench.button, mouse, {}, kInside);
    // Every button draws the control pressed.
    QCOMPARE(bench.owner.pressed, 1);
    QVERIFY(bench.owner.downAtPress && bench.button->Down());
    QCOMPARE(bench.owner.released, 0);
    QTest::mouseRelease(bench.button, mouse, {}, inside ? kInside : kOutside);
    QCOMPARE(bench.owner.released, 1);
    QCOMPARE(bench.owner.acts, QList<bool>{expected});
    QVERIFY(!bench.owner.downAtRelease && !bench.button->Down());
    QCOMPARE(bench.owner.activated, 0);
  }

  void secondButtonWhileHeld_data() {
    QTest::addColumn<int>("acts");
    QTest::newRow("key") << int(Acts::OnLeftClickInside);
    QTest::newRow("any") << int(Acts::OnAnyRelease);
  }
  void secondButtonWhileHeld() {
    QFETCH(int, acts);
    Bench bench{Acts(acts)};
    QTest::mousePress(bench.button, Qt::LeftButton, {}, kInside);
    QTest::mousePress(bench.button, Qt::RightButton, {}, kInside);
    QTest::mouseRelease(bench.button, Qt::RightButton, {}, kInside);
    QCOMPARE(bench.owner.pressed, 1);
    QCOMPARE(bench.owner.released, 0);  // the right button's release is not the press's
    QVERIFY(bench.button->Down());
    QTest::mouseRelease(bench.button, Qt::LeftButton, {}, kInside);
    QCOMPARE(bench.owner.acts, QList<bool>{true});
  }

  void hiddenWhilePressedNeverActs_data() { secondButtonWhileHeld_data(); }
  void hiddenWhilePressedNeverActs() {
    QFETCH(int, acts);
    Bench bench{Acts(acts)};
    QTest::mousePress(bench.button, Qt::LeftButton, {}, kInside);
    bench.window.hide();
    QCOMPARE(bench.owner.acts, QList<bool>{false});
    QVERIFY(!bench.button->Down());
    // The release that comes late belongs to no press.
    QTest::mouseRelease(bench.button, Qt::LeftButton, {}, kInside);
    QCOMPARE(bench.owner.released, 1);
  }

  void assistivePressActivates() {
    Bench bench(Acts::OnLeftClickInside);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(bench.button);
    QVERIFY(face);
    QCOMPARE(face->role(), QAccessible::Button);
    QCOMPARE(face->text(QAccessible::Name), QStringLiteral("prova"));
    QAccessibleActionInterface* action = face->actionInterface();
    QVERIFY(action);
    QCOMPARE(action->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    action->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(bench.owner.activated, 1);
    QCOMPARE(bench.owner.pressed, 0);
    // A disabled control is not pressed by it.
    bench.button->setEnabled(false);
    action->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(bench.owner.activated, 1);
  }

  void whatItCarries() {
    Bench bench(Acts::OnAnyRelease);
    PictureButton& b = *bench.button;
    QCOMPARE(b.objectName(), QStringLiteral("Image9"));
    QCOMPARE(b.index(), 7);
    QCOMPARE(b.acts(), Acts::OnAnyRelease);
    QCOMPARE(b.geometry(), QRect(50, 30, 20, 20));
    QCOMPARE(b.cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(b.toolTip(), QStringLiteral("Suggerimento"));
    QVERIFY(b.testAttribute(Qt::WA_NoMousePropagation));
    QCOMPARE(b.focusPolicy(), Qt::NoFocus);
  }

  void disabledSwallowsPresses() {
    // A disabled control hands no press to the window below it.
    struct Window : QWidget {
      int presses = 0;
      void mousePressEvent(QMouseEvent*) override { ++presses; }
    } window;
    Recorder owner;
    auto* b = new PictureButton(&window, owner, Acts::OnLeftClickInside, 0, QRect(0, 0, 20, 20),
                                QStringLiteral("k"), QStringLiteral("k"), {});
    window.resize(100, 100);
    window.show();
    b->setEnabled(false);
    QTest::mousePress(b, Qt::LeftButton, {}, kInside);
    QCOMPARE(window.presses, 0);
    QCOMPARE(owner.pressed, 0);
  }
};

}  // namespace numerina::ui::test

QTEST_MAIN(numerina::ui::test::PictureButtonTest)
#include "picturebutton_test.moc"
