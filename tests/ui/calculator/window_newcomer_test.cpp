// SPDX-License-Identifier: GPL-3.0-or-later
// What a newcomer reaches for first: Ctrl+C and Ctrl+V, the tape's right
// click, the keys' tooltips, a long name; and a report shown again by a
// clear all saying so on its button.
#include "tests/support/window_support.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>

namespace numerina::ui::test {

class NewcomerTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { FailOnUnexpectedBoxes(); }
  void standardShortcuts();
  void tapeMenu();
  void ctrlCCopiesATapeSelection();
  void keyTooltips();
  void longNameEndsInAMark_data();
  void longNameEndsInAMark();
  void reportShownByClearAllSaysHide();
};

void NewcomerTest::standardShortcuts() {
  Rig rig;
  rig.Start(200);
  Calculator& c = *rig.calc;
  QClipboard* clipboard = QGuiApplication::clipboard();
  TypeKeys(c, "12+3.5=");
  QTRY_COMPARE(rig.Display(), QStringLiteral("15,5"));
  // Ctrl+C copies as the toolbar does and flashes its button; it is not
  // the "c" of clear all.
  clipboard->clear();
  QTest::keyClick(&FocusButtonOf(c), Qt::Key_C, Qt::ControlModifier);
  QVERIFY(ToolLooksPressed(c, Tool::Copy));
  QTRY_COMPARE(clipboard->text(), QStringLiteral("15,5"));
  QTRY_VERIFY(ToolLooksReleased(c, Tool::Copy));
  QCOMPARE(rig.Display(), QStringLiteral("15,5"));
  // Ctrl+V pastes a spreadsheet cell, line end and all.
  clipboard->setText(QStringLiteral("42\n"));
  QTest::keyClick(&FocusButtonOf(c), Qt::Key_V, Qt::ControlModifier);
  QVERIFY(ToolLooksPressed(c, Tool::Paste));
  QTRY_COMPARE(rig.Display(), QStringLiteral("42,"));
  // Ctrl+Shift+C: the whole tape, one line per line.
  QTRY_VERIFY(ToolLooksReleased(c, Tool::Paste));
  QTest::keyClick(&FocusButtonOf(c), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  QString tape = rig.TapeShown();
  tape.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  QVERIFY(tape.contains(QLatin1String("15,5")));
  QCOMPARE(clipboard->text(), tape);
  QCOMPARE(rig.Display(), QStringLiteral("42,"));
}

void NewcomerTest::tapeMenu() {
  Rig rig;
  rig.Start();
  Calculator& c = *rig.calc;
  TypeKeys(c, "7+8=");
  TapeView& tape = c.Tape();
  std::unique_ptr<QMenu> menu(tape.CreateMenu(nullptr));
  const QList<QAction*> actions = menu->actions();
  QCOMPARE(actions.size(), 2);
  QCOMPARE(actions[0]->text(), QStringLiteral("Copia"));
  QCOMPARE(actions[1]->text(), QStringLiteral("Seleziona tutto"));
  QString whole = rig.TapeShown();
  whole.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  actions[0]->trigger();  // nothing selected: the whole tape
  QCOMPARE(QGuiApplication::clipboard()->text(), whole);
  QTextCursor part(tape.document());
  part.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
  tape.setTextCursor(part);
  actions[0]->trigger();
  QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("7"));
  actions[1]->trigger();
  QCOMPARE(tape.textCursor().selectedText().size(), tape.document()->characterCount() - 1);
  // The right click itself: the menu opens, and when it closes the keys go
  // to Focus again.
  QTimer::singleShot(100, [] {
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  });
  QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(20, 20),
                          tape.mapToGlobal(QPoint(20, 20)));
  QApplication::sendEvent(tape.viewport(), &click);
  QVERIFY(FocusButtonOf(c).hasFocus());
}

void NewcomerTest::ctrlCCopiesATapeSelection() {
  Rig rig;
  rig.Start();
  Calculator& c = *rig.calc;
  QClipboard* clipboard = QGuiApplication::clipboard();
  TypeKeys(c, "7+8=");
  TapeView& tape = c.Tape();
  // A click on the tape, then "Seleziona tutto" from its menu.
  QTest::mouseClick(tape.viewport(), Qt::LeftButton, {}, QPoint(20, 10));
  std::unique_ptr<QMenu> menu(tape.CreateMenu(nullptr));
  menu->actions()[1]->trigger();
  QString whole = rig.TapeShown();
  whole.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  clipboard->clear();
  QTest::keyClick(&FocusButtonOf(c), Qt::Key_C, Qt::ControlModifier);
  QTRY_COMPARE(clipboard->text(), whole);
  QCOMPARE(rig.Display(), QStringLiteral("15,"));  // not a clear
  // A part of it chosen with the mouse.
  QTextCursor part(tape.document());
  part.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
  tape.setTextCursor(part);
  QTest::mouseClick(tape.viewport(), Qt::LeftButton, {}, QPoint(20, 10));
  tape.setTextCursor(part);
  QTest::keyClick(&FocusButtonOf(c), Qt::Key_C, Qt::ControlModifier);
  QTRY_COMPARE(clipboard->text(), QStringLiteral("7"));
  // A key clicked since: the display, as always, selection or not.
  ClickKeys(c, QStringLiteral("2"));
  QVERIFY(tape.textCursor().hasSelection());
  QTest::keyClick(&FocusButtonOf(c), Qt::Key_C, Qt::ControlModifier);
  QTRY_COMPARE(clipboard->text(), QStringLiteral("2,"));
}

void NewcomerTest::keyTooltips() {
  Rig rig;
  rig.Start();
  Calculator& c = *rig.calc;
  QCOMPARE(KeyButton(c, KeyRow("CE")).toolTip(),
           QStringLiteral("CE: cancella l'ultima cifra (Backspace)"));
  QCOMPARE(KeyButton(c, KeyRow("CR")).toolTip(),
           QStringLiteral("CR: azzera il numero e il nastro (Home)"));
  QCOMPARE(KeyButton(c, KeyRow("C")).toolTip(),
           QStringLiteral("C: azzera il calcolo, il nastro resta (C o Canc)"));
  for (std::size_t row = 0; row < kKeys.size(); ++row) {
    const QString label = QString::fromUtf8(kKeys[row].label.data(), kKeys[row].label.size());
    QVERIFY2(KeyButton(c, static_cast<int>(row)).toolTip().startsWith(label + QLatin1Char(':')),
             qPrintable(label));
  }
}

void NewcomerTest::longNameEndsInAMark_data() {
  QTest::addColumn<QString>("nomePos");
  QTest::addColumn<int>("limit");  // the first pixel the name must not reach
  QTest::newRow("top, before the print button") << "1" << kTools[8].x;
  QTest::newRow("bottom, before the panel's edge") << "2" << 396;
}

void NewcomerTest::longNameEndsInAMark() {
  QFETCH(QString, nomePos);
  QFETCH(int, limit);
  const QString name = QStringLiteral("Studio Commercialista Associato Rossi, Bianchi & Verdi");
  // The window's pixels from the limit to the skin's right edge, on the
  // name's row, with the given name.
  const auto strip = [&](const QString& nome, QString* shown) {
    Rig rig;
    rig.folder.WriteSettings({"Nome=" + nome, "NomePos=" + nomePos});
    rig.Start();
    if (shown) *shown = rig.calc->Name().shown;
    // The skin is 400 pixels wide (the window's last column is outside it).
    const QRect row(limit, rig.calc->Name().pos.y(), 400 - limit, 16);
    return rig.calc->grab().toImage().copy(row);
  };
  QString shown;
  const QImage withLongName = strip(name, &shown);
  QVERIFY2(shown.endsWith(QChar(0x2026)), qPrintable(shown));
  QVERIFY(name.startsWith(shown.chopped(1)));
  QCOMPARE(withLongName, strip(QStringLiteral("A"), nullptr));
}

void NewcomerTest::reportShownByClearAllSaysHide() {
  Rig rig;
  rig.folder.WriteSettings({"Report=0"});
  rig.Start();
  Calculator& c = *rig.calc;
  QCOMPARE(c.width(), 205);
  QCOMPARE(ToolButton(c, Tool::Report).toolTip(), QStringLiteral("Mostra report"));
  // "Report" no longer holds "0" (its write failed, or another hand): a
  // clear all shows the report again, and the button must say what it now
  // does.
  rig.folder.WriteSettings({});
  ClickKeys(c, "C");
  QCOMPARE(c.width(), 401);
  QCOMPARE(ToolButton(c, Tool::Report).toolTip(), QStringLiteral("Nascondi report"));
}

}  // namespace numerina::ui::test

QTEST_MAIN(numerina::ui::test::NewcomerTest)
#include "window_newcomer_test.moc"
