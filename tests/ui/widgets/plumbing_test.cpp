// SPDX-License-Identifier: GPL-3.0-or-later
// The small windows' plumbing: one window of a kind, the ways of closing,
// the cached background, the message boxes from the one table and the drag
// of a window by its body.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyleHints>
#include <QtTest>

#include "tests/support/quiet.h"

#include "base/messages.h"
#include "ui/widgets/cachedbackground.h"
#include "ui/widgets/messagebox.h"
#include "ui/widgets/smallwindow.h"
#include "ui/widgets/windowmove.h"

namespace numerina::ui::test {
namespace {

class Small : public SmallWindow {
 public:
  Small() : SmallWindow(QSize(120, 80), QStringLiteral("Prova"), QStringLiteral("frmProva")) {}
  int closes = 0;

 protected:
  void OnClose() override { ++closes; }
  void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::gray); }
};

// What a box looked like while it was up, and the window beside it.
struct BoxSeen {
  int count = 0;
  QString text, title;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
  QStringList captions;  // the buttons' texts as shown, without the "&"
  bool windowVisible = true;
  QRect geometry;
  bool onTop = false;
};

// Answers the next box with answer once it is up.
void AnswerNextBox(BoxSeen& seen, QWidget& window, QMessageBox::StandardButton answer) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [&seen, &window, answer, poll] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    ++seen.count;
    seen.text = box->text();
    seen.title = box->windowTitle();
    seen.icon = box->icon();
    seen.buttons = box->standardButtons();
    seen.defaultButton = box->standardButton(box->defaultButton());
    seen.windowVisible = window.isVisible();
    seen.geometry = box->frameGeometry();
    seen.onTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    for (QAbstractButton* b : box->buttons()) seen.captions << b->text().remove(QLatin1Char('&'));
    box->button(answer)->click();
    poll->deleteLater();
  });
  poll->start(20);
}

QMouseEvent Mouse(QEvent::Type type, QPoint global, Qt::MouseButtons held,
                  Qt::MouseButton button = Qt::NoButton) {
  return QMouseEvent(type, QPointF(5, 5), QPointF(global), button, held, Qt::NoModifier);
}

}  // namespace

class PlumbingTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QuietOffscreenWarnings(); }

  void oneWindowOfAKind() {
    OpenWindow<Small> open;
    int made = 0, reused = 0;
    const auto make = [&] {
      ++made;
      auto* w = new Small;
      w->show();
      return w;
    };
    const auto reuse = [&](Small&) { ++reused; };
    Small* first = open.OpenOrRaise(make, reuse);
    QCOMPARE(open.OpenOrRaise(make, reuse), first);
    QCOMPARE(made, 1);
    QCOMPARE(reused, 1);
    QCOMPARE(open.Get(), first);
    // Closed and waiting for its deletion: gone, a new one opens.
    QPointer<Small> closed = first;
    first->close();
    QVERIFY(!open.Get());
    Small* second = open.OpenOrRaise(make, reuse);
    QVERIFY(second != first);
    QCOMPARE(made, 2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!closed);
    QCOMPARE(open.Get(), second);
    delete second;
    QVERIFY(!open.Get());
  }

  void waysOfClosing_data() {
    QTest::addColumn<int>("way");
    QTest::addColumn<int>("closes");
    QTest::newRow("close button") << 0 << 1;
    QTest::newRow("Escape") << 1 << 1;
    QTest::newRow("window manager") << 2 << 1;
    QTest::newRow("unload") << 3 << 0;
  }
  void waysOfClosing() {
    QFETCH(int, way);
    QFETCH(int, closes);
    QPointer<Small> w = new Small;
    QCOMPARE(w->objectName(), QStringLiteral("frmProva"));
    QCOMPARE(w->size(), QSize(120, 80));
    QVERIFY(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(w->windowFlags().testFlag(Qt::FramelessWindowHint));
    w->ShowCentred();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    switch (way) {
      case 0: w->CloseAsButton(); break;
      case 1: QTest::keyClick(w, Qt::Key_Escape); break;
      case 2: w->windowHandle()->close(); break;
      default: w->Unload(); break;
    }
    QVERIFY(w && !w->isVisible() && w->Closing());
    QCOMPARE(w->closes, closes);
    // Once only, however it is asked again.
    w->close();
    QTest::keyClick(w, Qt::Key_Escape);
    QCOMPARE(w->closes, closes);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!w);
  }

  void backgroundMadeOncePerRatio() {
    int made = 0;
    CachedBackground background([&made](qreal dpr) {
      ++made;
      QPixmap pm(QSize(10, 10) * dpr);
      pm.setDevicePixelRatio(dpr);
      pm.fill(Qt::red);
      return pm;
    });
    QCOMPARE(background.At(1).devicePixelRatio(), 1.0);
    background.At(1);
    QCOMPARE(made, 1);
    QCOMPARE(background.At(2).devicePixelRatio(), 2.0);
    QCOMPARE(background.At(2).size(), QSize(20, 20));
    QCOMPARE(made, 2);
    background.At(1.25);
    background.At(1);
    QCOMPARE(made, 4);
    QWidget widget;
    background.For(widget);
    QCOMPARE(made, 4 + (widget.devicePixelRatioF() == 1 ? 0 : 1));
  }

  void messageBoxes_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("result");
    QTest::newRow("question, yes")
        << int(MessageCode::RestoreQuestion) << int(QMessageBox::Yes) << true;
    QTest::newRow("question, no") << int(MessageCode::RestoreQuestion) << int(QMessageBox::No)
                                  << false;
    QTest::newRow("refusal") << int(MessageCode::PictureUnreadable) << int(QMessageBox::Ok) << true;
    QTest::newRow("print failed") << int(MessageCode::PrintFailed) << int(QMessageBox::Ok) << true;
  }
  void messageBoxes() {
    QFETCH(int, code);
    QFETCH(int, answer);
    QFETCH(bool, result);
    Small window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    BoxSeen seen;
    AnswerNextBox(seen, window, QMessageBox::StandardButton(answer));
    QCOMPARE(ShowMessage(window, MessageCode(code)), result);
    QCOMPARE(seen.count, 1);
    QVERIFY(!seen.windowVisible);  // hidden while the box was up
    QVERIFY(window.isVisible());   // and back afterwards
    QCOMPARE(window.closes, 0);
    const MessageText& m = TextOf(MessageCode(code));
    QCOMPARE(seen.text, QString::fromUtf8(m.text.data(), qsizetype(m.text.size())));
    QCOMPARE(seen.title, QString::fromUtf8(m.title.data(), qsizetype(m.title.size())));
    switch (m.icon) {
      case MessageIcon::Exclamation: QCOMPARE(seen.icon, QMessageBox::Warning); break;
      case MessageIcon::Critical: QCOMPARE(seen.icon, QMessageBox::Critical); break;
      case MessageIcon::Information: QCOMPARE(seen.icon, QMessageBox::Information); break;
      case MessageIcon::Question: QCOMPARE(seen.icon, QMessageBox::Question); break;
    }
    if (m.buttons == MessageButtons::YesNo) {
      QCOMPARE(seen.buttons, QMessageBox::Yes | QMessageBox::No);
      QCOMPARE(seen.defaultButton, QMessageBox::No);
    } else {
      QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
  }

  // A box opens centred on the place of the window it hid, moved only as
  // far as it must to lie whole on the screen, and above every window.
  void messageBoxPlace_data() {
    QTest::addColumn<QString>("corner");
    QTest::newRow("middle") << QString();
    QTest::newRow("top left") << QStringLiteral("tl");
    QTest::newRow("bottom right") << QStringLiteral("br");
  }
  void messageBoxPlace() {
    QFETCH(QString, corner);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QSize size(120, 80);
    QRect place(QPoint(area.left() + area.width() / 3, area.top() + area.height() / 4), size);
    if (corner == QLatin1String("tl")) place.moveTopLeft(area.topLeft());
    if (corner == QLatin1String("br")) place.moveBottomRight(area.bottomRight());
    Small window;
    window.move(place.topLeft());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.frameGeometry(), place);
    BoxSeen seen;
    AnswerNextBox(seen, window, QMessageBox::Ok);
    QVERIFY(ShowMessage(window, MessageCode::PictureUnreadable));
    QCOMPARE(seen.count, 1);
    QVERIFY(seen.onTop);
    const QRect box = seen.geometry;
    QVERIFY2(area.contains(box), qPrintable(QStringLiteral("box %1,%2 %3x%4 off the screen")
                                                .arg(box.x())
                                                .arg(box.y())
                                                .arg(box.width())
                                                .arg(box.height())));
    if (corner.isEmpty()) {
      QVERIFY(qAbs(box.center().x() - place.center().x()) <= 1);
      QVERIFY(qAbs(box.center().y() - place.center().y()) <= 1);
    } else if (corner == QLatin1String("tl")) {
      QCOMPARE(box.topLeft(), area.topLeft());
    } else {
      QCOMPARE(box.bottomRight(), area.bottomRight());
    }
  }

  // Qt's own button texts in Italian (Debian's qt6-translations-l10n).
  void messageBoxButtonsInItalian() {
    Small window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    BoxSeen seen;
    AnswerNextBox(seen, window, QMessageBox::No);
    QVERIFY(!ShowMessage(window, MessageCode::RestoreQuestion));
    QCOMPARE(seen.count, 1);
    seen.captions.sort();
    QCOMPARE(seen.captions, QStringList({QStringLiteral("No"), QStringLiteral("S\u00ec")}));
  }

  void bodyDrag() {
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setGeometry(100, 100, 50, 50);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QList<QPoint> settled;
    WindowMover mover(window, [&settled](QPoint p) { settled << p; });
    const int distance = QGuiApplication::styleHints()->startDragDistance();
    const QPoint at(110, 110);
    // The right button moves nothing.
    mover.BodyPress(Mouse(QEvent::MouseButtonPress, at, Qt::RightButton, Qt::RightButton));
    mover.BodyMove(Mouse(QEvent::MouseMove, at + QPoint(40, 0), Qt::RightButton));
    QCOMPARE(window.pos(), QPoint(100, 100));
    mover.BodyRelease(Mouse(QEvent::MouseButtonRelease, at, {}, Qt::RightButton));
    // Nor a move shorter than the drag distance.
    mover.BodyPress(Mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton));
    mover.BodyMove(Mouse(QEvent::MouseMove, at + QPoint(distance - 1, 0), Qt::LeftButton));
    QCOMPARE(window.pos(), QPoint(100, 100));
    QVERIFY(!mover.Active());
    // Further: the window keeps the pressed pixel under the mouse.
    mover.BodyMove(Mouse(QEvent::MouseMove, at + QPoint(30, 20), Qt::LeftButton));
    QVERIFY(mover.Active());
    QCOMPARE(window.pos(), QPoint(130, 120));
    mover.BodyMove(Mouse(QEvent::MouseMove, at + QPoint(50, 25), Qt::LeftButton));
    QCOMPARE(window.pos(), QPoint(150, 125));
    mover.BodyRelease(Mouse(QEvent::MouseButtonRelease, at + QPoint(50, 25), {}, Qt::LeftButton));
    QCOMPARE(settled.value(0), QPoint(150, 125));
    // After the release the mouse moves alone.
    mover.BodyMove(Mouse(QEvent::MouseMove, at + QPoint(90, 90), {}));
    QCOMPARE(window.pos(), QPoint(150, 125));
  }
};

}  // namespace numerina::ui::test

QTEST_MAIN(numerina::ui::test::PlumbingTest)
#include "plumbing_test.moc"
