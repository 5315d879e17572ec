// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration dialog through its real widgets: opening with and
// without a settings file, every way of closing, the keys it writes, the
// restore, the in-place row editor and the keyboard.
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>

#include "config/confdialog.h"
#include "frmconfig_support.h"
#include "ui/widgets/picturebutton.h"

namespace numerina::ui::test {

class FrmConfigTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { FailOnUnexpectedBoxes(); }
  void openingWithoutFile();
  void oneDialogOnly();
  void readsAndWritesKeysInOrder();
  void blankRowsStaySingleSpaces();
  void infoUntickedKeepsItsKeys();
  void placeZeroDropsPictureAndName();
  void everyCloseSaves_data();
  void everyCloseSaves();
  void restore_data();
  void restore();
  void editorOpensOnF2AndDoubleClick();
  void editorCommitAndRevert();
  void editorWidth();
  void keyboardAndNames();
};

void FrmConfigTest::openingWithoutFile() {
  DialogRig rig;
  QVERIFY(!rig.folder.HasSettings());
  frmConfig& d = rig.Open();
  const Controls c{d};
  QVERIFY(rig.folder.HasSettings());
  QStringList all;
  for (std::string_view k : kAllKeys)
    all << QString::fromUtf8(k.data(), static_cast<qsizetype>(k.size()));
  QCOMPARE(KeysInFile(rig.folder.SettingsFile()), all);
  for (std::string_view k : kAllKeys) QCOMPARE(Setting(k), QString());
  QVERIFY(c.chkPrimo()->isChecked());
  QCOMPARE(c.cboPic()->currentIndex(), 0);
  QCOMPARE(c.cboNome()->currentIndex(), 0);
  QCOMPARE(c.lblpospic()->text(), QStringLiteral("Nessuna immagine caricata"));
  QCOMPARE(c.lblposnome()->text(), QStringLiteral("Nessuna nome caricato"));
  QVERIFY(!c.Command1()->isEnabled());
  QVERIFY(!c.txtNome()->isEnabled());
  QVERIFY(!c.chkInfo()->isChecked());
  for (QWidget* w : {static_cast<QWidget*>(c.lstMain()), static_cast<QWidget*>(c.txtInfo()),
                     static_cast<QWidget*>(c.Command2()), static_cast<QWidget*>(c.lblPicInfo())})
    QVERIFY(!w->isEnabled());
  QCOMPARE(c.lstMain()->count(), 9);
  QCOMPARE(c.lstMain()->item(8)->text(), QStringLiteral(" "));
  QCOMPARE(d.size(), QSize(306, 396));
  QVERIFY(d.windowFlags() & Qt::WindowStaysOnTopHint);
  QVERIFY(d.windowFlags() & Qt::FramelessWindowHint);
  QVERIFY(!d.isModal());
  QVERIFY(!c.InModifica());
  for (int row = 0; row < c.lstMain()->count(); ++row)
    QVERIFY(!c.lstMain()->item(row)->text().isEmpty());  // no row is out in the editor
  rig.CheckBoxes();
}

void FrmConfigTest::oneDialogOnly() {
  DialogRig rig;
  frmConfig& d = rig.Open();
  const Controls c{d};
  c.txtInfo()->setText(QStringLiteral("kept"));
  QCOMPARE(frmConfig::Apri({}), &d);
  QCOMPARE(c.txtInfo()->text(), QStringLiteral("kept"));
  int dialogs = 0;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (qobject_cast<frmConfig*>(w)) ++dialogs;
  QCOMPARE(dialogs, 1);
  rig.Close();
  QVERIFY(!frmConfig::Aperto());
  frmConfig& again = rig.Open();

  QVERIFY(Controls{again}.txtInfo()->text().isEmpty());
  // Opened again before the closed one is gone: a new one, which stays.
  again.close();
  QPointer<frmConfig> closed = &again;
  QPointer<frmConfig> fresh = frmConfig::Apri({});
  QVERIFY(fresh != closed);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(!closed && fresh && fresh->isVisible());
  rig.dialog = fresh;
}

void FrmConfigTest::readsAndWritesKeysInOrder() {
  DialogRig rig;
  rig.folder.WriteSettings({"Report=0", "Decimali=3", "Posizione=1500,3000", "PrimoPiano=0",
                            "BannerPos=2", "Banner=logo.bmp", "NomePos=2", "Nome=Studio Rossi",
                            "Info=1", "LogoPic=/tmp/x.gif", "LogoNome=Titolo", "1=uno", "9=nove"});
  frmConfig& d = rig.Open();
  const Controls c{d};
  QVERIFY(!c.chkPrimo()->isChecked());
  QCOMPARE(c.cboPic()->currentIndex(), 2);
  QCOMPARE(c.PercorsoBanner(), QStringLiteral("logo.bmp"));
  QCOMPARE(c.lblPicture()->text(), QStringLiteral("logo.bmp"));
  QCOMPARE(c.lblpospic()->text(),
           QStringLiteral("In alto a sinistra della numerina  (max 75 x 17)"));
  QCOMPARE(c.cboNome()->currentIndex(), 2);
  QCOMPARE(c.lblposnome()->text(), QStringLiteral("In basso a sinistra del report"));
  QCOMPARE(c.txtNome()->text(), QStringLiteral("Studio Rossi"));
  QVERIFY(c.chkInfo()->isChecked() && c.lstMain()->isEnabled());
  QCOMPARE(c.txtInfo()->text(), QStringLiteral("Titolo"));
  QCOMPARE(c.lstMain()->item(0)->text(), QStringLiteral("uno"));
  QCOMPARE(c.lstMain()->item(8)->text(), QStringLiteral("nove"));

  c.chkPrimo()->setChecked(true);
  c.cboNome()->setCurrentIndex(1);
  c.txtNome()->setText(QStringLiteral("Altro"));
  rig.Close();
  // The dialog's keys were rewritten in their order after the others.
  QCOMPARE(KeysInFile(rig.folder.SettingsFile()),
           QStringList({"Report",   "Decimali", "Posizione", "PrimoPiano", "BannerPos",
                        "Banner",   "NomePos",  "Nome",      "Info",       "LogoPic",
                        "LogoNome", "1",        "9",         "2",          "3",
                        "4",        "5",        "6",         "7",          "8"}));
  QCOMPARE(Setting(kPrimoPiano), QStringLiteral("1"));
  QCOMPARE(Setting(kBanner), QStringLiteral("logo.bmp"));
  QCOMPARE(Setting(kBannerPos), QStringLiteral("2"));
  QCOMPARE(Setting(kNome), QStringLiteral("Altro"));
  QCOMPARE(Setting(kNomePos), QStringLiteral("1"));
  QCOMPARE(Setting(kLogoPic), QStringLiteral("/tmp/x.gif"));
  QCOMPARE(Setting(kDecimali), QStringLiteral("3"));
}

void FrmConfigTest::blankRowsStaySingleSpaces() {
  DialogRig rig;
  rig.folder.WriteSettings({"Info=1", "1=a", "2=", "4=d"});
  frmConfig& d = rig.Open();
  const Controls c{d};
  QCOMPARE(c.lstMain()->item(1)->text(), QStringLiteral(" "));
  QCOMPARE(c.lstMain()->item(2)->text(), QStringLiteral(" "));
  rig.Close();
  QFile f(rig.folder.SettingsFile());
  QVERIFY(f.open(QIODevice::ReadOnly));
  const QByteArray text = f.readAll();
  QVERIFY2(text.contains("\n2= \r\n") && text.contains("\n3= \r\n"), text.constData());
  QCOMPARE(Setting("4"), QStringLiteral("d"));
}

void FrmConfigTest::infoUntickedKeepsItsKeys() {
  DialogRig rig;
  rig.folder.WriteSettings({"Info=1", "LogoNome=T", "LogoPic=p.bmp", "5=cinque"});
  frmConfig& d = rig.Open();
  const Controls c{d};
  c.chkInfo()->setChecked(false);
  QVERIFY(!c.lstMain()->isEnabled() && !c.txtInfo()->isEnabled() && !c.Command2()->isEnabled());
  c.txtInfo()->setText(QStringLiteral("changed"));
  rig.Close();
  QCOMPARE(Setting(kInfo), QStringLiteral("0"));
  QCOMPARE(Setting(kLogoNome), QStringLiteral("T"));
  QCOMPARE(Setting(kLogoPic), QStringLiteral("p.bmp"));
  QCOMPARE(Setting("5"), QStringLiteral("cinque"));
}

void FrmConfigTest::placeZeroDropsPictureAndName() {
  DialogRig rig;
  rig.folder.WriteSettings({"BannerPos=1", "Banner=a.bmp", "NomePos=1", "Nome=N"});
  frmConfig& d = rig.Open();
  const Controls c{d};
  QVERIFY(c.Command1()->isEnabled());
  c.cboPic()->setCurrentIndex(0);
  QCOMPARE(c.lblPicture()->text(), QString());
  QCOMPARE(c.PercorsoBanner(), QString());
  QVERIFY(!c.Command1()->isEnabled());
  c.cboNome()->setCurrentIndex(0);
  QCOMPARE(c.txtNome()->text(), QString());
  QVERIFY(!c.txtNome()->isEnabled());
  rig.Close();
  for (auto key : {kBanner, kBannerPos, kNome, kNomePos}) QCOMPARE(Setting(key), QString());
}

void FrmConfigTest::everyCloseSaves_data() {
  QTest::addColumn<int>("way");
  QTest::addColumn<bool>("fromToolbar");
  for (bool bar : {true, false}) {
    const char* suffix = bar ? " from the toolbar" : " from the tray";
    QTest::newRow(QByteArray("close picture").append(suffix)) << 0 << bar;
    QTest::newRow(QByteArray("Escape").append(suffix)) << 1 << bar;
    QTest::newRow(QByteArray("window manager").append(suffix)) << 2 << bar;
  }
}

void FrmConfigTest::everyCloseSaves() {
  QFETCH(int, way);
  QFETCH(bool, fromToolbar);
  DialogRig rig;
  AperturaDaBarra = fromToolbar;
  frmConfig& d = rig.Open();
  const Controls c{d};
  QVERIFY(QTest::qWaitForWindowExposed(&d));
  c.chkPrimo()->setChecked(false);
  if (way == 0) {
    QTest::mousePress(&c.Image1(), Qt::LeftButton);
    QCOMPARE(Setting(kPrimoPiano), QString());  // nothing until the release
    QTest::mouseRelease(&c.Image1(), Qt::LeftButton);
  } else if (way == 1) {
    c.cboNome()->setCurrentIndex(1);
    QTest::keyClick(c.txtNome(), Qt::Key_Escape);
  } else {
    // As the window manager's close reaches the window.
    d.windowHandle()->close();
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(!frmConfig::Aperto());
  QCOMPARE(Setting(kPrimoPiano), QStringLiteral("0"));
  QCOMPARE(rig.shown, fromToolbar ? 1 : 0);
}

void FrmConfigTest::restore_data() {
  QTest::addColumn<bool>("yes");
  QTest::newRow("no") << false;
  QTest::newRow("yes") << true;
}

void FrmConfigTest::restore() {
  QFETCH(bool, yes);
  DialogRig rig;
  rig.folder.WriteSettings({"Report=0", "Decimali=4", "Posizione=15,30", "PrimoPiano=0", "Info=1",
                            "Nome=X", "NomePos=1"});
  frmConfig& d = rig.Open();
  const Controls c{d};
  QVERIFY(QTest::qWaitForWindowExposed(&d));
  bool hiddenWhileAsked = false;
  rig.boxes.Expect({QStringLiteral("Vuoi ripristinare la configurazione originaria?"),
                    QStringLiteral("Numerna"), QMessageBox::Question, [&] {
                      hiddenWhileAsked = !d.isVisible();
                      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                      box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
                    }});
  QTest::mouseClick(&c.Image2(), Qt::LeftButton);
  QTRY_VERIFY(rig.boxes.AllSeen());
  rig.CheckBoxes();
  QVERIFY(hiddenWhileAsked);
  QVERIFY(d.isVisible());
  if (yes) {
    for (std::string_view k : kAllKeys) QCOMPARE(Setting(k), QString());
    QVERIFY(c.chkPrimo()->isChecked() && !c.chkInfo()->isChecked() &&
            c.cboNome()->currentIndex() == 0);
  } else {
    QCOMPARE(Setting(kDecimali), QStringLiteral("4"));
    QVERIFY(!c.chkPrimo()->isChecked() && c.chkInfo()->isChecked());
    QCOMPARE(c.txtNome()->text(), QStringLiteral("X"));
  }
}

void FrmConfigTest::editorOpensOnF2AndDoubleClick() {
  DialogRig rig;
  rig.folder.WriteSettings({"Info=1", "1=prima", "3=terza"});
  frmConfig& d = rig.Open();
  const Controls c{d};
  QVERIFY(QTest::qWaitForWindowExposed(&d));
  QListWidget* list = c.lstMain();
  // No row selected: nothing opens.
  list->setFocus();
  QTest::keyClick(list, Qt::Key_F2);
  QVERIFY(!c.InModifica());
  list->setCurrentRow(2);
  QTest::keyClick(list, Qt::Key_F2, Qt::ShiftModifier);
  QVERIFY(!c.InModifica());
  QTest::keyClick(list, Qt::Key_F2);
  QVERIFY(c.InModifica());
  QCOMPARE(c.txtEdit()->text(), QStringLiteral("terza"));
  QCOMPARE(list->item(2)->text(), QString());  // the row shows empty
  // Exactly over the row.
  const QRect row = list->visualItemRect(list->item(2));
  QCOMPARE(c.txtEdit()->geometry().topLeft(), list->viewport()->mapTo(&d, row.topLeft()));
  QCOMPARE(c.txtEdit()->height(), row.height());
  QVERIFY(c.txtEdit()->hasFocus() && c.txtEdit()->isVisible() && c.txtEdit()->isEnabled());
  QTest::keyClick(c.txtEdit(), Qt::Key_Escape);
  QVERIFY(!c.InModifica() && !c.txtEdit()->isVisible() && !c.txtEdit()->isEnabled());
  QCOMPARE(list->item(2)->text(), QStringLiteral("terza"));  // the row's own text is back
  QCOMPARE(c.txtEdit()->text(), QString());
  QVERIFY(d.isVisible());  // Escape in the editor does not close the dialog

  // A blank line: the single space, all selected; typed text replaces it.
  DoubleClickRow(d, 1);
  QVERIFY(c.InModifica());
  QCOMPARE(c.txtEdit()->text(), QStringLiteral(" "));
  QCOMPARE(c.txtEdit()->selectedText(), QStringLiteral(" "));
  QTest::keyClicks(c.txtEdit(), QStringLiteral("seconda"));
  QTest::keyClick(c.txtEdit(), Qt::Key_Return);
  QCOMPARE(list->item(1)->text(), QStringLiteral("seconda"));
  QVERIFY(!c.InModifica());
  rig.Close();
  QCOMPARE(Setting("2"), QStringLiteral("seconda"));
}

void FrmConfigTest::editorCommitAndRevert() {
  DialogRig rig;
  rig.folder.WriteSettings({"Info=1", "1=prima"});
  frmConfig& d = rig.Open();
  const Controls c{d};
  QVERIFY(QTest::qWaitForWindowExposed(&d));
  QListWidget* list = c.lstMain();
  // Only spaces: the earlier text comes back.
  DoubleClickRow(d, 0);
  QTest::keyClicks(c.txtEdit(), QStringLiteral("   "));
  QTest::keyClick(c.txtEdit(), Qt::Key_Enter);
  QCOMPARE(list->item(0)->text(), QStringLiteral("prima"));
  // Escape after typing.
  DoubleClickRow(d, 0);
  QTest::keyClicks(c.txtEdit(), QStringLiteral("altro"));
  QTest::keyClick(c.txtEdit(), Qt::Key_Escape);
  QCOMPARE(list->item(0)->text(), QStringLiteral("prima"));
  // Spaces around a text are kept; Ctrl+J (a line feed) commits too.
  DoubleClickRow(d, 0);
  QTest::keyClicks(c.txtEdit(), QStringLiteral(" a b "));
  QTest::keyClick(c.txtEdit(), Qt::Key_J, Qt::ControlModifier);
  QCOMPARE(list->item(0)->text(), QStringLiteral(" a b "));
  // A click on another control reverts and hides the editor.
  DoubleClickRow(d, 0);
  QTest::keyClicks(c.txtEdit(), QStringLiteral("perso"));
  QTest::mouseClick(c.txtInfo(), Qt::LeftButton);
  QVERIFY(!c.InModifica() && !c.txtEdit()->isVisible());
  QCOMPARE(list->item(0)->text(), QStringLiteral(" a b "));
  QVERIFY(c.txtInfo()->hasFocus());
  // Closing the dialog while editing keeps the earlier text too.
  DoubleClickRow(d, 0);
  QTest::keyClicks(c.txtEdit(), QStringLiteral("non salvato"));
  rig.Close();
  QCOMPARE(Setting("1"), QStringLiteral("a b"));  // the file keeps no outer blanks
}

void FrmConfigTest::editorWidth() {
  DialogRig rig;
  rig.folder.WriteSettings({"Info=1", "1=x"});
  frmConfig& d = rig.Open();
  const Controls c{d};
  QVERIFY(QTest::qWaitForWindowExposed(&d));
  DoubleClickRow(d, 0);
  QCOMPARE(c.txtEdit()->width(), 50);  // a short text: the least width
  QTest::keyClicks(c.txtEdit(), QString(60, QLatin1Char('W')));
  const QRect list = c.lstMain()->geometry();
  QVERIFY2(c.txtEdit()->geometry().right() > list.right(), "the editor grows beyond the list");
  const int wide = c.txtEdit()->width();
  QTest::keyClick(c.txtEdit(), Qt::Key_Backspace);
  QVERIFY(c.txtEdit()->width() < wide);
  c.txtEdit()->selectAll();
  QTest::keyClick(c.txtEdit(), Qt::Key_Backspace);
  QCOMPARE(c.txtEdit()->width(), 50);
  QTest::keyClick(c.txtEdit(), Qt::Key_Escape);
}

void FrmConfigTest::keyboardAndNames() {
  DialogRig rig;
  rig.folder.WriteSettings({"Info=1", "BannerPos=1", "Banner=a.bmp", "NomePos=1", "LogoNome=abc"});
  frmConfig& d = rig.Open();
  const Controls c{d};
  QVERIFY(QTest::qWaitForWindowExposed(&d));
  d.activateWindow();
  // Tab walks every control once, top to bottom, and comes round again.
  c.chkPrimo()->setFocus(Qt::TabFocusReason);
  QList<QWidget*> visited;
  for (int i = 0; i < 11; ++i) {
    visited << QApplication::focusWidget();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  const QList<QWidget*> expected = {c.chkPrimo(), c.cboPic(),  c.Command1(), c.cboNome(),
                                    c.txtNome(),  c.chkInfo(), c.txtInfo(),  c.Command2(),
                                    c.lstMain(),  &c.Image2(), &c.Image1()};
  QCOMPARE(visited, expected);
  QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(c.chkPrimo()));
  // A picture button gives its name through its accessible interface only.
  for (QWidget* w : visited) {
    const QString name = qobject_cast<PictureButton*>(w)
                             ? QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name)
                             : w->accessibleName();
    QVERIFY2(!name.isEmpty(), w->metaObject()->className());
  }
  // Focusing the title selects its whole text.
  c.txtInfo()->setFocus(Qt::MouseFocusReason);
  QCOMPARE(c.txtInfo()->selectedText(), QStringLiteral("abc"));
  // Space on the focused check box ticks it; Escape on an open list closes
  // only the list.
  c.chkPrimo()->setFocus(Qt::TabFocusReason);
  QTest::keyClick(c.chkPrimo(), Qt::Key_Space);
  QVERIFY(!c.chkPrimo()->isChecked());
  c.cboPic()->showPopup();
  QTRY_VERIFY(c.cboPic()->view()->isVisible());
  QTest::keyClick(c.cboPic()->view(), Qt::Key_Escape);
  QTRY_VERIFY(!c.cboPic()->view()->isVisible());
  QVERIFY(frmConfig::Aperto());
  // Space on the focused close picture closes (and saves).
  c.Image1().setFocus(Qt::TabFocusReason);
  QTest::keyClick(&c.Image1(), Qt::Key_Space);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(!frmConfig::Aperto());
  QCOMPARE(Setting(kPrimoPiano), QStringLiteral("0"));
}

}  // namespace numerina::ui::test

QTEST_MAIN(numerina::ui::test::FrmConfigTest)
#include "frmconfig_test.moc"
