// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's keys through the real widgets: mouse clicks and typed
// keys reach the engine, flash, keep their order and never act twice.
#include "tests/support/window_support.h"

#include <QClipboard>
#include <QScreen>
#include <QScrollBar>

#include "engine/engine.h"

namespace numerina::ui::test {

class KeysTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { FailOnUnexpectedBoxes(); }
  void clicksGiveTheEngineExamples_data();
  void clicksGiveTheEngineExamples();
  void typingEqualsClicking_data();
  void typingEqualsClicking();
  void typedCharacters_data();
  void typedCharacters();
  void keyDownKeys();
  void enterRunsEqualsOnce_data();
  void enterRunsEqualsOnce();
  void rightButtonDrawsButDoesNothing();
  void releaseOutsideTheKeyDoesNothing();
  void windowGoesWithAKeyHeld();
  void escOnFocusAndOnWindow();
  void tabKeepsTheFocus();
  void tapeClickGivesTheKeysBack();
  void keyDuringDivisionMessageActsAfterIt();
  void messageCentredOnCalculatorInCorner();
  void squareOverflowMessage();
  void burstKeepsOrderWithRealFlash();
  void typedKeyFlashes();
  void memoryIndicatorAndRecallKey();
  void tapeBoxFollowsTheEngine();
  void tapeScrollBarInTheSkinColours();
};

void KeysTest::clicksGiveTheEngineExamples_data() {
  QTest::addColumn<QString>("keys");
  QTest::addColumn<QString>("display");
  QTest::addColumn<QString>("tape");
  QTest::newRow("12 + 3,5 =")
      << "1 2 + 3 , 5 ="
      << "15,5" << Tape("12,00···+|3,50···=|-----------------------------------|15,50·····|");
  QTest::newRow("then × 2 =")
      << "1 2 + 3 , 5 = × 2 ="
      << "31,"
      << Tape(
             "12,00···+|3,50···=|-----------------------------------|15,50·····|"
             "|15,50···X|2,00···=|-----------------------------------|31,00·····|");
  QTest::newRow("6 ÷ 4 =")
      << "6 ÷ 4 ="
      << "1,5" << Tape("6,00···÷|4,00···=|-----------------------------------|1,50·····|");
  QTest::newRow("1 ÷ 3 =")
      << "1 ÷ 3 ="
      << "0,3333333333" << Tape("1,00···÷|3,00···=|-----------------------------------|0,33·····|");
  QTest::newRow("0 0 7") << "0 0 7"
                         << "7," << QString();
  QTest::newRow("00") << "00"
                      << "0," << QString();
  QTest::newRow("backspace in fraction") << "1 2 , 3 4 CE CE CE"
                                         << "1," << QString();
  QTest::newRow("+ then 5 =") << "+ 5 ="
                              << "5," << Tape("0,00···+|5,00···=");
  QTest::newRow("200 + 10 % =") << "2 0 0 + 1 0 % ="
                                << "220," << QStringLiteral("*");
  QTest::newRow("square root 4 =")
      << "4 √ ="
      << "2," << Tape("4,00v²=|-----------------------------------|2,00·····|");
  QTest::newRow("sign key") << "1 2 +/−"
                            << "-12," << QString();
  QTest::newRow("lire to euro") << "1 0 0 0 0 €"
                                << "5,16" << QString();
  QTest::newRow("euro to lire") << "1 0 0 £"
                                << "193.627," << QString();
  QTest::newRow("clear entry empties tape") << "5 + 3 = CR"
                                            << "0," << QString();
}

void KeysTest::clicksGiveTheEngineExamples() {
  QFETCH(QString, keys);
  QFETCH(QString, display);
  QFETCH(QString, tape);
  Rig rig;
  rig.Start();
  ClickKeys(*rig.calc, keys);
  QCOMPARE(rig.Display(), display);
  if (tape != QLatin1String("*")) QCOMPARE(rig.TapeShown(), tape);
  QCOMPARE(rig.TapeShown(), rig.TapeOfEngine());
  rig.CheckBoxes();
}

void KeysTest::typingEqualsClicking_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("clicked");
  QTest::newRow("12+3=") << "12+3="
                         << "1 2 + 3 =";
  QTest::newRow("multiply x") << "7x6="
                              << "7 × 6 =";
  QTest::newRow("multiply X") << "7X6="
                              << "7 × 6 =";
  QTest::newRow("multiply *") << "7*6="
                              << "7 × 6 =";
  QTest::newRow("t is equals") << "9-4t"
                               << "9 − 4 =";
  QTest::newRow("T is equals") << "9/4T"
                               << "9 ÷ 4 =";
  QTest::newRow("point is the comma") << "12.5+1="
                                      << "1 2 , 5 + 1 =";
  QTest::newRow("percent root reciprocal") << "200+10%=16^8!"
                                           << "2 0 0 + 1 0 % = 1 6 √ 8 1/x";
  QTest::newRow("c clears all") << "5+5=c3"
                                << "5 + 5 = C 3";
}

void KeysTest::typingEqualsClicking() {
  QFETCH(QString, typed);
  QFETCH(QString, clicked);
  Rig byKeys;
  byKeys.Start();
  TypeKeys(*byKeys.calc, typed);
  Rig byMouse;
  byMouse.Start();
  ClickKeys(*byMouse.calc, clicked);
  QCOMPARE(byKeys.Display(), byMouse.Display());
  QCOMPARE(byKeys.TapeShown(), byMouse.TapeShown());
}

void KeysTest::typedCharacters_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("display");
  QTest::newRow("comma is ignored") << "12,5"
                                    << "125,";
  QTest::newRow("point types the comma") << "12.5"
                                         << "12,5";
  QTest::newRow("letters are ignored") << "1a2b"
                                       << "12,";
  // Space is the Focus button's own click, which runs equals.
  QTest::newRow("blank is Focus's click") << "4 2"
                                          << "2,";
}

void KeysTest::typedCharacters() {
  QFETCH(QString, typed);
  QFETCH(QString, display);
  Rig rig;
  rig.Start();
  TypeKeys(*rig.calc, typed);
  QCOMPARE(rig.Display(), display);
}

void KeysTest::keyDownKeys() {
  Rig rig;
  rig.Start();
  Calculator& c = *rig.calc;
  TypeKeys(c, "12.34");
  QTest::keyClick(&FocusButtonOf(c), Qt::Key_Backspace);
  QCOMPARE(rig.Display(), QStringLiteral("12,3"));
  TypeKeys(c, "+");
  TypeKeys(c, "7");
  QTest::keyClick(&FocusButtonOf(c), Qt::Key_Home);  // clear entry
  QCOMPARE(rig.Display(), QStringLiteral("0,"));
  QVERIFY(rig.TapeShown().isEmpty());
  TypeKeys(c, "1=");
  QCOMPARE(rig.Display(), QStringLiteral("13,3"));
  QTest::keyClick(&FocusButtonOf(c), Qt::Key_Delete);  // clear all
  QCOMPARE(rig.Display(), QStringLiteral("0,"));
  const QString tape = rig.TapeShown();
  QVERIFY(tape.endsWith(QLatin1String("\r\n\r\n")));
  // Nothing is pending: a digit starts a new entry, the tape waits for it.
  TypeKeys(c, "2");
  QCOMPARE(rig.Display(), QStringLiteral("2,"));
  QCOMPARE(rig.TapeShown(), tape);
}

void KeysTest::enterRunsEqualsOnce_data() {
  QTest::addColumn<int>("key");
  QTest::newRow("Return") << int(Qt::Key_Return);
  QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
  QTest::newRow("Space activates Focus") << int(Qt::Key_Space);
}

void KeysTest::enterRunsEqualsOnce() {
  QFETCH(int, key);
  Rig rig;
  rig.Start();
  TypeKeys(*rig.calc, "5+3");
  QTest::keyClick(&FocusButtonOf(*rig.calc), Qt::Key(key));
  QCOMPARE(rig.Display(), QStringLiteral("8,"));
  // One equals: one "=" line and one total block; a second would add the
  // line of 8,00 with "=" and another total.
  QCOMPARE(rig.TapeShown(),
           Tape("5,00···+|3,00···=|-----------------------------------|8,00·····|"));
}

void KeysTest::rightButtonDrawsButDoesNothing() {
  Rig rig;
  rig.Start();
  Calculator& c = *rig.calc;
  const int seven = KeyRow("7");
  QTest::mousePress(&KeyButton(c, seven), Qt::RightButton);
  QVERIFY(KeyLooksPressed(c, seven));
  QTest::mouseRelease(&KeyButton(c, seven), Qt::RightButton);
  QVERIFY(KeyLooksReleased(c, seven));
  QCOMPARE(rig.Display(), QStringLiteral("0,"));
  QTest::mouseClick(&KeyButton(c, KeyRow("+")), Qt::MiddleButton);
  QVERIFY(rig.TapeShown().isEmpty());
}

void KeysTest::releaseOutsideTheKeyDoesNothing() {
  Rig rig;
  rig.Start();
  Calculator& c = *rig.calc;
  const int nine = KeyRow("9");
  QTest::mousePress(&KeyButton(c, nine), Qt::LeftButton);
  QVERIFY(KeyLooksPressed(c, nine));
  QTest::mouseRelease(&KeyButton(c, nine), Qt::LeftButton, {}, QPoint(40, 13));
  QVERIFY(KeyLooksReleased(c, nine));
  QCOMPARE(rig.Display(), QStringLiteral("0,"));
  // The queue is free again: the next key acts.
  ClickKeys(c, "4");
  QCOMPARE(rig.Display(), QStringLiteral("4,"));
}

void KeysTest::windowGoesWithAKeyHeld() {
  // Esc on Focus unloads the window while the mouse may still hold a key
  // or a toolbar button: the held buttons let go before the window's
  // state goes, and nothing acts.
  Rig rig;
  rig.Start(80);
  Calculator& c = *rig.calc;
  QTest::mousePress(&KeyButton(c, KeyRow("7")), Qt::LeftButton);
  QTest::mousePress(&ToolButton(c, Tool::Copy), Qt::LeftButton);
  rig.calc.reset();
  QTest::qWait(120);  // a flash timer that outlived the window would fire here
  QCOMPARE(rig.quits, 0);
}

void KeysTest::escOnFocusAndOnWindow() {
  {
    Rig rig;
    rig.Start();
    QTest::keyClick(&FocusButtonOf(*rig.calc), Qt::Key_Escape);
    QCOMPARE(rig.quits, 1);
  }
  {
    // The window gets keys itself only while no control has the focus.
    Rig rig;
    rig.Start();
    TypeKeys(*rig.calc, "4");
    QTest::keyClick(rig.calc.get(), Qt::Key_5);
    QCOMPARE(rig.Display(), QStringLiteral("45,"));
    QTest::keyClick(rig.calc.get(), Qt::Key_Return);  // not handled by the window
    QVERIFY(rig.TapeShown().isEmpty());
    QCOMPARE(rig.quits, 0);
    QTest::keyClick(rig.calc.get(), Qt::Key_Escape);
    QCOMPARE(rig.quits, 1);
  }
}

void KeysTest::tabKeepsTheFocus() {
  Rig rig;
  rig.Start();
  rig.calc->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(rig.calc.get()));
  QCOMPARE(QApplication::focusWidget(), &FocusButtonOf(*rig.calc));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
  QCOMPARE(QApplication::focusWidget(), &FocusButtonOf(*rig.calc));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_3);
  QCOMPARE(rig.Display(), QStringLiteral("3,"));
}

void KeysTest::tapeClickGivesTheKeysBack() {
  Rig rig;
  rig.Start();
  rig.calc->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(rig.calc.get()));
  TypeKeys(*rig.calc, "5+5=");
  QTest::mouseClick(rig.calc->Tape().viewport(), Qt::LeftButton, {}, QPoint(50, 10));
  QCOMPARE(QApplication::focusWidget(), &FocusButtonOf(*rig.calc));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_7);
  QCOMPARE(rig.Display(), QStringLiteral("7,"));
}

void KeysTest::keyDuringDivisionMessageActsAfterIt() {
  Rig rig;
  rig.Start();
  Calculator& c = *rig.calc;
  bool hiddenWhileOpen = false;
  QString displayWhileOpen;
  QString tapeWhileOpen;  // the 5 has written nothing while it waits
  rig.boxes.Expect({QStringLiteral("Impossibile dividere per zero"),
                    QStringLiteral("Numerina Desktop"), QMessageBox::Warning, [&] {
                      hiddenWhileOpen = !c.isVisible();
                      // Typed while the box is up: waits for it.
                      TypeKeys(c, "5");
                      displayWhileOpen = rig.Display();
                      tapeWhileOpen = rig.TapeShown();
                    }});
  TypeKeys(c, "7/0=");
  QTRY_VERIFY(rig.boxes.AllSeen());
  QVERIFY(hiddenWhileOpen);
  QVERIFY(!displayWhileOpen.contains(QLatin1Char('5')));
  QVERIFY(!tapeWhileOpen.contains(QLatin1Char('5')));
  // The 5 waited for the box and then acted, once: a new entry.
  QTRY_COMPARE(rig.Display(), QStringLiteral("5,"));
  QCOMPARE(rig.TapeShown(), Tape("7,00···÷|0,00···="));
  QVERIFY(c.isVisible());
  rig.CheckBoxes();
}

// The calculator in the screen's bottom right corner: its box opens over
// it, centred on the place it had, not in the middle of the screen.
void KeysTest::messageCentredOnCalculatorInCorner() {
  Rig rig;
  rig.Start();
  Calculator& c = *rig.calc;
  const QRect area = c.screen()->availableGeometry();
  c.move(area.right() + 1 - c.frameGeometry().width(),
         area.bottom() + 1 - c.frameGeometry().height());
  const QRect place = c.frameGeometry();
  QCOMPARE(place.bottomRight(), area.bottomRight());
  QRect box;
  rig.boxes.Expect({QStringLiteral("Impossibile dividere per zero"),
                    QStringLiteral("Numerina Desktop"), QMessageBox::Warning,
                    [&] { box = QApplication::activeModalWidget()->frameGeometry(); }});
  TypeKeys(c, "7/0=");
  QTRY_VERIFY(rig.boxes.AllSeen());
  QVERIFY(area.contains(box));
  QVERIFY2(qAbs(box.center().x() - place.center().x()) <= 1 &&
               qAbs(box.center().y() - place.center().y()) <= 1,
           qPrintable(QStringLiteral("box centre %1,%2, calculator centre %3,%4")
                          .arg(box.center().x())
                          .arg(box.center().y())
                          .arg(place.center().x())
                          .arg(place.center().y())));
  QCOMPARE(c.frameGeometry(), place);
  rig.CheckBoxes();
}

void KeysTest::squareOverflowMessage() {
  Rig rig;
  rig.Start();
  rig.boxes.Expect({QStringLiteral("Numero troppo grande"),
                    QStringLiteral("Numerina"),
                    QMessageBox::Warning,
                    {}});
  QGuiApplication::clipboard()->setText(QStringLiteral("1E+200"));
  ClickTool(*rig.calc, Tool::Paste);
  ClickKeys(*rig.calc, "x²");
  QTRY_VERIFY(rig.boxes.AllSeen());
  QCOMPARE(rig.Display(), QStringLiteral("0,"));
  QVERIFY(rig.calc->isVisible());
  rig.CheckBoxes();
}

void KeysTest::burstKeepsOrderWithRealFlash() {
  Rig rig;
  rig.Start(KeyFlash::kDefaultFlashMs);
  Calculator& c = *rig.calc;
  TypeKeys(c, "12+34=");
  // Nothing has acted yet: every action waits for its key's flash.
  QCOMPARE(rig.Display(), QStringLiteral("0,"));
  QVERIFY(KeyLooksPressed(c, KeyRow("1")));
  QVERIFY(KeyLooksPressed(c, KeyRow("=")));
  QTRY_COMPARE(rig.Display(), QStringLiteral("46,"));
  QTRY_VERIFY(AllKeysLookReleased(c));
  QCOMPARE(rig.TapeShown(),
           Tape("12,00···+|34,00···=|-----------------------------------|46,00·····|"));
  for (std::size_t row = 0; row < kKeys.size(); ++row) QVERIFY(KeyLooksReleased(c, int(row)));
}

void KeysTest::typedKeyFlashes() {
  Rig rig;
  rig.Start(KeyFlash::kDefaultFlashMs);
  Calculator& c = *rig.calc;
  const int eight = KeyRow("8");
  const QRect cell(kKeys[eight].x, kKeys[eight].y, kKeySize, kKeySize);
  const QImage released = c.grab(cell).toImage();
  QElapsedTimer clock;
  clock.start();
  TypeKeys(c, "8");
  const QImage pressed = c.grab(cell).toImage();
  QVERIFY(pressed != released);
  QTRY_VERIFY(KeyLooksReleased(c, eight));
  QVERIFY(clock.elapsed() >= KeyFlash::kDefaultFlashMs);
  QCOMPARE(c.grab(cell).toImage(), released);
  QCOMPARE(rig.Display(), QStringLiteral("8,"));
}

void KeysTest::memoryIndicatorAndRecallKey() {
  Rig rig;
  rig.Start();
  Calculator& c = *rig.calc;
  // The indicator sits on the display glass, left of the number.
  const QImage noMemory = Pixels(c, layout::kMemRect);
  ClickKeys(c, "5 M");
  QVERIFY(Pixels(c, layout::kMemRect) != noMemory);
  QVERIFY(KeyButton(c, KeyRow("RM")).isEnabled());
  ClickKeys(c, "CR 3 M+ CR RM");
  QCOMPARE(rig.Display(), QStringLiteral("8,"));
  ClickKeys(c, "CM CR");
  QCOMPARE(Pixels(c, layout::kMemRect), noMemory);
  QVERIFY(!KeyButton(c, KeyRow("RM")).isEnabled());
  ClickKeys(c, "RM");
  QCOMPARE(rig.Display(), QStringLiteral("0,"));
}

void KeysTest::tapeBoxFollowsTheEngine() {
  Rig rig;
  rig.Start();
  for (int i = 0; i < 30; ++i) TypeKeys(*rig.calc, QStringLiteral("%1+").arg(i));
  TypeKeys(*rig.calc, "=");
  QTest::keyClick(&FocusButtonOf(*rig.calc), Qt::Key_Delete);
  TypeKeys(*rig.calc, "2*3=");
  QCOMPARE(rig.TapeShown(), rig.TapeOfEngine());
  // The last line is in view.
  QScrollBar* bar = rig.calc->Tape().verticalScrollBar();
  QCOMPARE(bar->value(), bar->maximum());
  QVERIFY(bar->maximum() > 0);
}

void KeysTest::tapeScrollBarInTheSkinColours() {
  Rig rig;
  rig.Start();
  QScrollBar* bar = rig.calc->Tape().verticalScrollBar();
  TypeKeys(*rig.calc, "1+2=");
  QVERIFY(!bar->isVisible());
  // A tape that fits needs no skinned bar: its style sheet waits.
  QVERIFY(bar->styleSheet().isEmpty());
  for (int i = 0; i < 30; ++i) TypeKeys(*rig.calc, QStringLiteral("%1+").arg(i));
  QTRY_VERIFY(bar->isVisible());
  QCOMPARE(bar->width(), 10);
  // The track in the tape's colour, darker; the handle, at the bottom,
  // keeps one pixel clear of the track's left edge.
  const QImage look =
      rig.calc->grab(QRect(bar->mapTo(rig.calc.get(), QPoint(0, 0)), bar->size())).toImage();
  QCOMPARE(look.pixel(0, 2), Palette::Tape().darker(112).rgb());
  QCOMPARE(look.pixel(0, look.height() - 3), Palette::Tape().darker(112).rgb());
  QCOMPARE(look.pixel(look.width() / 2, look.height() - 4), Palette::Body().lighter(125).rgb());
  // The lines make room for the bar.
  QCOMPARE(rig.calc->Tape().viewport()->width(), Skin::TapeRect().width() - 10);
}

}  // namespace numerina::ui::test

QTEST_MAIN(numerina::ui::test::KeysTest)
#include "window_keys_test.moc"
