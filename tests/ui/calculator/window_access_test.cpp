// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology sees: keys and toolbar buttons are buttons
// with a press action and an Italian name; the display exposes its text.
// Also the pointing-hand cursor on every picture control.
#include "tests/support/window_support.h"

#include <QAccessible>
#include <QAccessibleActionInterface>

namespace numerina::ui::test {

class AccessTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { FailOnUnexpectedBoxes(); }
  void keysAreButtons_data();
  void keysAreButtons();
  void pressActionActs();
  void toolsAreButtons();
  void displayExposesItsText();
  void cursors();
};

void AccessTest::keysAreButtons_data() {
  QTest::addColumn<QString>("label");
  QTest::addColumn<QString>("name");
  QTest::newRow("7") << "7"
                     << "sette";
  QTest::newRow("+") << "+"
                     << "più";
  QTest::newRow("=") << "="
                     << "uguale";
  QTest::newRow("CE") << "CE"
                      << "cancella ultima cifra";
  QTest::newRow("CR") << "CR"
                      << "cancella numero";
  QTest::newRow("C") << "C"
                     << "cancella tutto";
  QTest::newRow(",") << ","
                     << "virgola";
}

void AccessTest::keysAreButtons() {
  QFETCH(QString, label);
  QFETCH(QString, name);
  Rig rig;
  rig.Start();
  QAccessibleInterface* key =
      QAccessible::queryAccessibleInterface(&KeyButton(*rig.calc, KeyRow(label)));
  QVERIFY(key);
  QCOMPARE(key->role(), QAccessible::Button);
  QCOMPARE(key->text(QAccessible::Name), name);
  QVERIFY(key->actionInterface());
  QVERIFY(
      key->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
  QCOMPARE(key->rect().size(), QSize(kKeySize, kKeySize));
}

void AccessTest::pressActionActs() {
  Rig rig;
  rig.Start();
  for (const QString& label :
       {QStringLiteral("4"), QStringLiteral("×"), QStringLiteral("3"), QStringLiteral("=")})
    QAccessible::queryAccessibleInterface(&KeyButton(*rig.calc, KeyRow(label)))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
  QCOMPARE(rig.Display(), QStringLiteral("12,"));
  QAccessibleInterface* report =
      QAccessible::queryAccessibleInterface(&ToolButton(*rig.calc, Tool::Report));
  report->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  QCOMPARE(rig.calc->width(), 205);
}

void AccessTest::toolsAreButtons() {
  Rig rig;
  rig.folder.WriteSettings({"Decimali=1"});
  rig.Start();
  for (const ToolDef& t : kTools) {
    QAccessibleInterface* tool =
        QAccessible::queryAccessibleInterface(&ToolButton(*rig.calc, t.tool));
    QVERIFY(tool);
    QCOMPARE(tool->role(), QAccessible::Button);
    QCOMPARE(tool->text(QAccessible::Name),
             QString::fromUtf8(t.accessible.data(), qsizetype(t.accessible.size())));
  }
  // A disabled button says so.
  ClickTool(*rig.calc, Tool::Fewer);
  QAccessibleInterface* fewer =
      QAccessible::queryAccessibleInterface(&ToolButton(*rig.calc, Tool::Fewer));
  QVERIFY(fewer->state().disabled);
  QCOMPARE(rig.NumberAsWritten(), QStringLiteral("1.234"));  // no decimals left
}

void AccessTest::displayExposesItsText() {
  Rig rig;
  rig.Start();
  TypeKeys(*rig.calc, "1234.5");
  QAccessibleInterface* display = QAccessible::queryAccessibleInterface(&DisplayOf(*rig.calc));
  QVERIFY(display);
  const QString all =
      display->text(QAccessible::Name) + QLatin1Char('|') + display->text(QAccessible::Value);
  QVERIFY2(all.contains(QStringLiteral("1.234,5")), qPrintable(all));
}

void AccessTest::cursors() {
  Rig rig;
  rig.Start();
  for (std::size_t row = 0; row < kKeys.size(); ++row)
    QCOMPARE(KeyButton(*rig.calc, int(row)).cursor().shape(), Qt::PointingHandCursor);
  for (const ToolDef& t : kTools)
    QCOMPARE(ToolButton(*rig.calc, t.tool).cursor().shape(), Qt::PointingHandCursor);
  QCOMPARE(BannerButton(*rig.calc, 2).cursor().shape(), Qt::PointingHandCursor);
  QCOMPARE(DisplayOf(*rig.calc).cursor().shape(), Qt::ArrowCursor);
  QCOMPARE(rig.calc->cursor().shape(), Qt::ArrowCursor);
}

}  // namespace numerina::ui::test

QTEST_MAIN(numerina::ui::test::AccessTest)
#include "window_access_test.moc"
