// SPDX-License-Identifier: GPL-3.0-or-later
// The toolbar: decimals, report panel, copy and paste, help, close,
// minimise, and the information and print buttons, which only draw.
#include "tests/support/window_support.h"

#include <QClipboard>

namespace numerina::ui::test {

class ToolbarTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { FailOnUnexpectedBoxes(); }
  void fewerDecimalsTwiceThenMore();
  void moreDecimalsAtFour();
  void decimalsApplyToTheNextNumber();
  void reportToggle();
  void reportButtonLook();
  void copyAndPaste_data();
  void copyAndPaste();
  void ctrlVReadsAnEnglishDecimalPoint();
  void copyOfANonNumberLeavesTheClipboard();
  void displayClicksCopyAndPaste();
  void helpOpensThePage();
  void closeEndsTheProgram();
  void minimiseWithoutTray();
  void infoAndPrintOnlyDraw();
  void toolTips();
};

void ToolbarTest::fewerDecimalsTwiceThenMore() {
  Rig rig;
  rig.folder.WriteSettings({"Decimali=2"});
  rig.Start();
  Calculator& c = *rig.calc;
  QVERIFY(ToolButton(c, Tool::More).isEnabled());
  QVERIFY(ToolButton(c, Tool::Fewer).isEnabled());
  ClickTool(c, Tool::Fewer);
  QCOMPARE(Setting(kDecimali), QStringLiteral("1"));
  ClickTool(c, Tool::Fewer);
  QVERIFY(!ToolButton(c, Tool::Fewer).isEnabled());
  QVERIFY(ToolButton(c, Tool::More).isEnabled());
  QCOMPARE(Setting(kDecimali), QStringLiteral("0"));
  // No decimals, thousands still grouped.
  QCOMPARE(rig.NumberAsWritten(), QStringLiteral("1.234"));
  QVERIFY(!rig.TapeShown().contains(QLatin1Char(',')));
  // A disabled button takes no clicks: nothing changes, nothing is written.
  rig.folder.WriteSettings({"Decimali=9"});
  ClickTool(c, Tool::Fewer);
  QCOMPARE(Setting(kDecimali), QStringLiteral("9"));
  ClickTool(c, Tool::More);
  QCOMPARE(rig.NumberAsWritten(), QStringLiteral("1.234,0"));
  QVERIFY(ToolButton(c, Tool::More).isEnabled());
  QVERIFY(ToolButton(c, Tool::Fewer).isEnabled());
  QCOMPARE(Setting(kDecimali), QStringLiteral("1"));
}

void ToolbarTest::moreDecimalsAtFour() {
  Rig rig;
  rig.folder.WriteSettings({"Decimali=4"});
  rig.Start();
  Calculator& c = *rig.calc;
  QVERIFY(ToolButton(c, Tool::More).isEnabled());  // enabled at start whatever the number
  QVERIFY(!rig.folder.SettingsFile().isEmpty());
  QCOMPARE(rig.NumberAsWritten(), QStringLiteral("1.234,0000"));
  ClickTool(c, Tool::More);
  QVERIFY(!ToolButton(c, Tool::More).isEnabled());
  QVERIFY(ToolButton(c, Tool::Fewer).isEnabled());
  QCOMPARE(Setting(kDecimali), QStringLiteral("4"));
  QCOMPARE(rig.NumberAsWritten(), QStringLiteral("1.234,0000"));
}

void ToolbarTest::decimalsApplyToTheNextNumber() {
  Rig rig;
  rig.Start();
  Calculator& c = *rig.calc;
  TypeKeys(c, "1+");
  ClickTool(c, Tool::More);
  TypeKeys(c, "2=");
  // The line already written keeps its two decimals; the next ones have three.
  QCOMPARE(rig.TapeShown(),
           Tape("1,00···+|2,000···=|-----------------------------------|3,000·····|"));
}

void ToolbarTest::reportToggle() {
  Rig rig;
  rig.Start();
  Calculator& c = *rig.calc;
  const QPoint left = c.pos();
  QCOMPARE(c.width(), 401);
  QVERIFY(ReportShown(c));
  ClickTool(c, Tool::Report);
  QCOMPARE(c.width(), 205);
  QCOMPARE(c.height(), 275);
  QCOMPARE(c.pos(), left);
  QVERIFY(!ReportShown(c));
  QCOMPARE(ToolButton(c, Tool::Report).toolTip(), QStringLiteral("Mostra report"));
  QCOMPARE(Setting(kReport), QStringLiteral("0"));
  ClickTool(c, Tool::Report);
  QCOMPARE(c.width(), 401);
  QCOMPARE(ToolButton(c, Tool::Report).toolTip(), QStringLiteral("Nascondi report"));
  QCOMPARE(Setting(kReport), QStringLiteral("1"));
  QCOMPARE(c.pos(), left);
}

void ToolbarTest::reportButtonLook() {
  Rig rig;
  rig.Start();
  Calculator& c = *rig.calc;
  QVERIFY(ToolLooksReleased(c, Tool::Report));
  QTest::mousePress(&ToolButton(c, Tool::Report), Qt::LeftButton);
  QVERIFY(ToolLooksPressed(c, Tool::Report));
  QTest::mouseRelease(&ToolButton(c, Tool::Report), Qt::LeftButton);
  // Stays pressed while the report is hidden.
  QVERIFY(ToolLooksPressed(c, Tool::Report));
  QVERIFY(!ReportShown(c));
  ClickTool(c, Tool::Report);
  QVERIFY(ToolLooksReleased(c, Tool::Report));
  QVERIFY(ReportShown(c));
  // The keys still look released after the panel came back.
  for (std::size_t row = 0; row < kKeys.size(); ++row) QVERIFY(KeyLooksReleased(c, int(row)));
  // A right press draws what a click would do, and does nothing.
  ClickTool(c, Tool::Report, Qt::RightButton);
  QVERIFY(ToolLooksPressed(c, Tool::Report));
  QVERIFY(ReportShown(c));
}

void ToolbarTest::copyAndPaste_data() {
  QTest::addColumn<QString>("clipboard");
  QTest::addColumn<QString>("entry");
  QTest::addColumn<QString>("display");
  // The tape after "+": the pasted entry is the operand.
  QTest::addColumn<QString>("line");
  QTest::newRow("12,5") << "12,5"
                        << "12,5"
                        << "12,5"
                        << "12,50···+";
  QTest::newRow("thousands points") << "1.234,5"
                                    << "1234,5"
                                    << "1.234,5"
                                    << "1.234,50···+";
  QTest::newRow("English decimal point") << "12.5"
                                         << "12,5"
                                         << "12,5"
                                         << "12,50···+";
  QTest::newRow("English decimals after thousands") << "1234.56"
                                                    << "1234,56"
                                                    << "1.234,56"
                                                    << "1.234,56···+";
  QTest::newRow("points that group nothing") << "1.234.5"
                                             << "0,"
                                             << "0,"
                                             << "0,00···+";
  QTest::newRow("negative") << "-7"
                            << "-7"
                            << "-7,"
                            << "-7,00···+";
  QTest::newRow("a word") << "parola"
                          << "0,"
                          << "0,"
                          << "0,00···+";
  QTest::newRow("empty") << ""
                         << "0,"
                         << "0,"
                         << "0,00···+";
}

void ToolbarTest::copyAndPaste() {
  QFETCH(QString, clipboard);
  QFETCH(QString, entry);
  QFETCH(QString, display);
  QFETCH(QString, line);
  Rig rig;
  rig.Start();
  QGuiApplication::clipboard()->setText(clipboard);
  ClickTool(*rig.calc, Tool::Paste);
  QCOMPARE(rig.Display(), display);
  if (entry != QLatin1String("0,")) {
    QVERIFY(rig.TapeShown().isEmpty());  // a paste is an entry, not a line
    ClickTool(*rig.calc, Tool::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), display);
  }
  TypeKeys(*rig.calc, "+");
  QCOMPARE(rig.TapeShown(), Tape(line.toUtf8().constData()));
}

void ToolbarTest::ctrlVReadsAnEnglishDecimalPoint() {
  Rig rig;
  rig.Start();
  Calculator& c = *rig.calc;
  QGuiApplication::clipboard()->setText(QStringLiteral("0.750\n"));
  QTest::keyClick(&FocusButtonOf(c), Qt::Key_V, Qt::ControlModifier);
  QTRY_COMPARE(rig.Display(), QStringLiteral("0,75"));
  QGuiApplication::clipboard()->setText(QStringLiteral("1.234"));
  QTest::keyClick(&FocusButtonOf(c), Qt::Key_V, Qt::ControlModifier);
  QTRY_COMPARE(rig.Display(), QStringLiteral("1.234,"));
}

void ToolbarTest::copyOfANonNumberLeavesTheClipboard() {
  Rig rig;
  rig.Start();
  TypeKeys(*rig.calc, "1234.5");
  ClickTool(*rig.calc, Tool::Copy);
  QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1.234,5"));
  // "5 − ," leaves the lone comma on the display: not a number.
  QTest::keyClick(&FocusButtonOf(*rig.calc), Qt::Key_Delete);
  TypeKeys(*rig.calc, "5-");
  ClickKeys(*rig.calc, ",");
  QCOMPARE(rig.Display(), QStringLiteral(","));
  ClickTool(*rig.calc, Tool::Copy);
  QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1.234,5"));
}

void ToolbarTest::displayClicksCopyAndPaste() {
  Rig rig;
  rig.Start();
  TypeKeys(*rig.calc, "98.76");
  QTest::mouseClick(&DisplayOf(*rig.calc), Qt::LeftButton);
  QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("98,76"));
  QGuiApplication::clipboard()->setText(QStringLiteral("4.000"));
  QTest::mouseClick(&DisplayOf(*rig.calc), Qt::RightButton);
  QCOMPARE(rig.Display(), QStringLiteral("4.000,"));
  TypeKeys(*rig.calc, "+1=");
  QCOMPARE(rig.Display(), QStringLiteral("4.001,"));
  QVERIFY(rig.TapeShown().startsWith(Tape("4.000,00···+")));  // the pasted entry
}

void ToolbarTest::helpOpensThePage() {
  Rig rig;
  rig.Start();
  ClickTool(*rig.calc, Tool::Help);
  QCOMPARE(rig.opened.size(), 1);
  QCOMPARE(rig.opened.front(),
           QString::fromStdString(CartellaProgramma()) + QStringLiteral("/numerina.html"));
  QCOMPARE(rig.quits, 0);
}

void ToolbarTest::closeEndsTheProgram() {
  Rig rig;
  rig.Start();
  ClickTool(*rig.calc, Tool::Close, Qt::RightButton);
  QCOMPARE(rig.quits, 0);
  ClickTool(*rig.calc, Tool::Close);
  QCOMPARE(rig.quits, 1);
}

void ToolbarTest::minimiseWithoutTray() {
  Rig rig;
  rig.Start();
  ClickTool(*rig.calc, Tool::Minimise);
  QTRY_VERIFY(rig.calc->windowState() & Qt::WindowMinimized);
  rig.calc->BringToFront();
  QTRY_VERIFY(!(rig.calc->windowState() & Qt::WindowMinimized));
  QVERIFY(rig.calc->isVisible());
}

void ToolbarTest::infoAndPrintOnlyDraw() {
  Rig rig;
  rig.Start();
  Calculator& c = *rig.calc;
  TypeKeys(c, "1+1=");
  const QString tape = rig.TapeShown();
  for (Tool index : {Tool::Info, Tool::Print}) {
    QTest::mousePress(&ToolButton(c, index), Qt::LeftButton);
    QVERIFY(ToolLooksPressed(c, index));
    QTest::mouseRelease(&ToolButton(c, index), Qt::LeftButton);
    QVERIFY(ToolLooksReleased(c, index));
    QVERIFY(c.isVisible());
  }
  QCOMPARE(rig.TapeShown(), tape);
  QCOMPARE(rig.boxes.Seen(), 0);
  QCOMPARE(rig.opened.size(), 0);
}

void ToolbarTest::toolTips() {
  Rig rig;
  rig.folder.WriteSettings({"Report=1"});
  rig.Start();
  for (const ToolDef& t : kTools)
    QCOMPARE(ToolButton(*rig.calc, t.tool).toolTip(),
             QString::fromUtf8(t.tooltip.data(), qsizetype(t.tooltip.size())));
  QCOMPARE(ToolButton(*rig.calc, Tool::Report).toolTip(), QStringLiteral("Report"));
  QCOMPARE(DisplayOf(*rig.calc).toolTip(), QStringLiteral("Sx Copia/Dx Incolla"));
  QCOMPARE(BannerButton(*rig.calc, 1).toolTip(), QStringLiteral("Informazioni"));
}

}  // namespace numerina::ui::test

QTEST_MAIN(numerina::ui::test::ToolbarTest)
#include "window_toolbar_test.moc"
