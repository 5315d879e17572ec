// The configuration dialog through its real widgets: opening with and
// without a settings file, every way of closing, the keys it writes, the
// restore, the picture choice with generated pictures of exact sizes, the
// in-place row editor and the keyboard.
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>

#include "config/confdialog.h"
#include "ui/aperturadabarra.h"
#include "ui/frmconfig.h"
#include "window_support.h"

namespace numerina::ui::test {
namespace {

const QString kSizeMessage1 = QStringLiteral("L'immagine deve essere al massimo 113 x 27 pixel.");
const QString kSizeMessage2 = QStringLiteral("L'immagine deve essere al massimo 75 x 17 pixel.");
const QString kSizeMessage3 = QStringLiteral("L'immagine deve essere al massimo 276 x 196 pixel.");

// The settings file's key names, in the order the file holds them.
QStringList KeysInFile(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  QStringList keys;
  for (const QByteArray& line : f.readAll().split('\n')) {
    const int eq = line.indexOf('=');
    if (eq > 0) keys << QString::fromUtf8(line.left(eq)).trimmed();
  }
  return keys;
}

// One dialog in its own program folder; counts the calls that would show
// the calculator again.
struct DialogRig {
  ProgramFolder folder;
  BoxWatch boxes;
  int shown = 0;
  QPointer<frmConfig> dialog;

  DialogRig() { QuietOffscreenWarnings(); }
  ~DialogRig() {
    if (dialog) delete dialog.data();
    AperturaDaBarra = false;
  }
  frmConfig& Open() {
    dialog = frmConfig::Apri([this] { ++shown; });
    dialog->SetChooserForTesting([this](QWidget*) { return nextChoice; });
    return *dialog;
  }
  // Closes and lets the deferred deletion happen.
  void Close() {
    dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  QString Picture(const QString& name, QSize size, const char* format = "BMP") const {
    const QString path = folder.Path() + QLatin1Char('/') + name;
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 40));
    if (!image.save(path, format)) qFatal("cannot write %s", qPrintable(path));
    return path;
  }
  void CheckBoxes() const {
    QVERIFY2(boxes.Unexpected().isEmpty(), qPrintable(boxes.Unexpected().join(QLatin1Char('\n'))));
    QVERIFY2(boxes.Mismatches().isEmpty(), qPrintable(boxes.Mismatches().join(QLatin1Char('\n'))));
    QVERIFY2(boxes.AllSeen(), "an announced message box never opened");
  }
  QString nextChoice;
};

// Opens the editor on a row with a double click and waits until it shows.
void DoubleClickRow(frmConfig& d, int row) {
  QListWidget* list = d.lstMain();
  const QPoint at = list->visualItemRect(list->item(row)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

}  // namespace

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
  void pictureSizes_data();
  void pictureSizes();
  void unreadablePictureRefused();
  void pictureNamesAndCancel();
  void longPathShortened();
  void openFileDialog();
  void editorOpensOnF2AndDoubleClick();
  void editorCommitAndRevert();
  void editorWidth();
  void keyboardAndNames();
};

void FrmConfigTest::openingWithoutFile() {
  DialogRig rig;
  QVERIFY(!rig.folder.HasSettings());
  frmConfig& d = rig.Open();
  QVERIFY(rig.folder.HasSettings());
  QStringList all;
  for (std::string_view k : kAllKeys) all << QString::fromUtf8(k.data(), static_cast<qsizetype>(k.size()));
  QCOMPARE(KeysInFile(rig.folder.SettingsFile()), all);
  for (std::string_view k : kAllKeys) QCOMPARE(Setting(k), QString());
  QVERIFY(d.chkPrimo()->isChecked());
  QCOMPARE(d.cboPic()->currentIndex(), 0);
  QCOMPARE(d.cboNome()->currentIndex(), 0);
  QCOMPARE(d.lblpospic()->text(), QStringLiteral("Nessuna immagine caricata"));
  QCOMPARE(d.lblposnome()->text(), QStringLiteral("Nessuna nome caricato"));
  QVERIFY(!d.Command1()->isEnabled());
  QVERIFY(!d.txtNome()->isEnabled());
  QVERIFY(!d.chkInfo()->isChecked());
  for (QWidget* w : {static_cast<QWidget*>(d.lstMain()), static_cast<QWidget*>(d.txtInfo()),
                     d.Command2(), static_cast<QWidget*>(d.lblPicInfo())})
    QVERIFY(!w->isEnabled());
  QCOMPARE(d.lstMain()->count(), 9);
  QCOMPARE(d.lstMain()->item(8)->text(), QStringLiteral(" "));
  QCOMPARE(d.size(), QSize(306, 396));
  QVERIFY(d.windowFlags() & Qt::WindowStaysOnTopHint);
  QVERIFY(d.windowFlags() & Qt::FramelessWindowHint);
  QVERIFY(!d.isModal());
  QVERIFY(!d.InModifica());
  QCOMPARE(d.RigaInModifica(), -1);
  rig.CheckBoxes();
}

void FrmConfigTest::oneDialogOnly() {
  DialogRig rig;
  frmConfig& d = rig.Open();
  d.txtInfo()->setText(QStringLiteral("kept"));
  QCOMPARE(frmConfig::Apri({}), &d);
  QCOMPARE(d.txtInfo()->text(), QStringLiteral("kept"));
  int dialogs = 0;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (qobject_cast<frmConfig*>(w)) ++dialogs;
  QCOMPARE(dialogs, 1);
  rig.Close();
  QVERIFY(!frmConfig::Aperto());
  QVERIFY(rig.Open().txtInfo()->text().isEmpty());
}

void FrmConfigTest::readsAndWritesKeysInOrder() {
  DialogRig rig;
  rig.folder.WriteSettings({"Report=0", "Decimali=3", "Posizione=1500,3000", "PrimoPiano=0",
                            "BannerPos=2", "Banner=logo.bmp", "NomePos=2", "Nome=Studio Rossi",
                            "Info=1", "LogoPic=/tmp/x.gif", "LogoNome=Titolo", "1=uno", "9=nove"});
  frmConfig& d = rig.Open();
  QVERIFY(!d.chkPrimo()->isChecked());
  QCOMPARE(d.cboPic()->currentIndex(), 2);
  QCOMPARE(d.PercorsoBanner(), QStringLiteral("logo.bmp"));
  QCOMPARE(d.lblPicture()->text(), QStringLiteral("logo.bmp"));
  QCOMPARE(d.lblpospic()->text(), QStringLiteral("In alto a sinistra della numerina  (max 75 x 17)"));
  QCOMPARE(d.cboNome()->currentIndex(), 2);
  QCOMPARE(d.lblposnome()->text(), QStringLiteral("In basso a sinistra del report"));
  QCOMPARE(d.txtNome()->text(), QStringLiteral("Studio Rossi"));
  QVERIFY(d.chkInfo()->isChecked() && d.lstMain()->isEnabled());
  QCOMPARE(d.txtInfo()->text(), QStringLiteral("Titolo"));
  QCOMPARE(d.lstMain()->item(0)->text(), QStringLiteral("uno"));
  QCOMPARE(d.lstMain()->item(8)->text(), QStringLiteral("nove"));

  d.chkPrimo()->setChecked(true);
  d.cboNome()->setCurrentIndex(1);
  d.txtNome()->setText(QStringLiteral("Altro"));
  rig.Close();
  // The dialog's keys were rewritten in their order after the others.
  QCOMPARE(KeysInFile(rig.folder.SettingsFile()),
           QStringList({"Report", "Decimali", "Posizione", "PrimoPiano", "BannerPos", "Banner",
                        "NomePos", "Nome", "Info", "LogoPic", "LogoNome", "1", "9", "2", "3",
                        "4", "5", "6", "7", "8"}));
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
  QCOMPARE(d.lstMain()->item(1)->text(), QStringLiteral(" "));
  QCOMPARE(d.lstMain()->item(2)->text(), QStringLiteral(" "));
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
  d.chkInfo()->setChecked(false);
  QVERIFY(!d.lstMain()->isEnabled() && !d.txtInfo()->isEnabled() && !d.Command2()->isEnabled());
  d.txtInfo()->setText(QStringLiteral("changed"));
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
  QVERIFY(d.Command1()->isEnabled());
  d.cboPic()->setCurrentIndex(0);
  QCOMPARE(d.lblPicture()->text(), QString());
  QCOMPARE(d.PercorsoBanner(), QString());
  QVERIFY(!d.Command1()->isEnabled());
  d.cboNome()->setCurrentIndex(0);
  QCOMPARE(d.txtNome()->text(), QString());
  QVERIFY(!d.txtNome()->isEnabled());
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
  QVERIFY(QTest::qWaitForWindowExposed(&d));
  d.chkPrimo()->setChecked(false);
  if (way == 0) {
    QTest::mousePress(&d.Image1(), Qt::LeftButton);
    QCOMPARE(Setting(kPrimoPiano), QString());  // nothing until the release
    QTest::mouseRelease(&d.Image1(), Qt::LeftButton);
  } else if (way == 1) {
    d.cboNome()->setCurrentIndex(1);
    QTest::keyClick(d.txtNome(), Qt::Key_Escape);
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
  QVERIFY(QTest::qWaitForWindowExposed(&d));
  bool hiddenWhileAsked = false;
  rig.boxes.Expect({QStringLiteral("Vuoi ripristinare la configurazione originaria?"), QStringLiteral("Numerna"),
                    QMessageBox::Question, [&] {
                      hiddenWhileAsked = !d.isVisible();
                      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                      box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
                    }});
  QTest::mouseClick(&d.Image2(), Qt::LeftButton);
  QTRY_VERIFY(rig.boxes.AllSeen());
  rig.CheckBoxes();
  QVERIFY(hiddenWhileAsked);
  QVERIFY(d.isVisible());
  if (yes) {
    for (std::string_view k : kAllKeys) QCOMPARE(Setting(k), QString());
    QVERIFY(d.chkPrimo()->isChecked() && !d.chkInfo()->isChecked() && d.cboNome()->currentIndex() == 0);
  } else {
    QCOMPARE(Setting(kDecimali), QStringLiteral("4"));
    QVERIFY(!d.chkPrimo()->isChecked() && d.chkInfo()->isChecked());
    QCOMPARE(d.txtNome()->text(), QStringLiteral("X"));
  }
}

void FrmConfigTest::pictureSizes_data() {
  QTest::addColumn<int>("place");
  QTest::addColumn<QSize>("size");
  QTest::addColumn<QString>("refusal");
  QTest::newRow("113x27 place 1") << 1 << QSize(113, 27) << QString();
  QTest::newRow("114x27 place 1") << 1 << QSize(114, 27) << kSizeMessage1;
  QTest::newRow("113x28 place 1") << 1 << QSize(113, 28) << kSizeMessage1;
  QTest::newRow("80x10 place 1") << 1 << QSize(80, 10) << QString();
  QTest::newRow("80x10 place 2") << 2 << QSize(80, 10) << kSizeMessage2;
  QTest::newRow("75x17 place 2") << 2 << QSize(75, 17) << QString();
  QTest::newRow("75x18 place 2") << 2 << QSize(75, 18) << kSizeMessage2;
  QTest::newRow("276x196 place 3") << 3 << QSize(276, 196) << QString();
  QTest::newRow("277x196 place 3") << 3 << QSize(277, 196) << kSizeMessage3;
  QTest::newRow("276x197 place 3") << 3 << QSize(276, 197) << kSizeMessage3;
}

void FrmConfigTest::pictureSizes() {
  QFETCH(int, place);
  QFETCH(QSize, size);
  QFETCH(QString, refusal);
  DialogRig rig;
  rig.folder.WriteSettings({"Info=1"});
  frmConfig& d = rig.Open();
  QVERIFY(QTest::qWaitForWindowExposed(&d));
  // Elsewhere than the settings folder, so the full path is stored.
  QTemporaryDir other;
  rig.nextChoice = other.path() + QStringLiteral("/pic.bmp");
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::blue);
  QVERIFY(image.save(rig.nextChoice, "BMP"));
  bool hiddenWhileShown = false;
  if (!refusal.isEmpty())
    rig.boxes.Expect({refusal, QStringLiteral("Numerina Desktop"), QMessageBox::Information,
                      [&] { hiddenWhileShown = !d.isVisible(); }});
  if (place == 3) {
    d.Command2_Click();
  } else {
    d.cboPic()->setCurrentIndex(place);
    QTest::mouseClick(static_cast<QToolButton*>(d.Command1()), Qt::LeftButton);
  }
  rig.CheckBoxes();
  const QString stored = place == 3 ? d.PercorsoLogo() : d.PercorsoBanner();
  QCOMPARE(stored, refusal.isEmpty() ? rig.nextChoice : QString());
  if (!refusal.isEmpty()) {
    QVERIFY(hiddenWhileShown);
    QVERIFY(d.isVisible());
    if (place != 3) QCOMPARE(d.cboPic()->currentIndex(), 0);
  }
}

void FrmConfigTest::unreadablePictureRefused() {
  DialogRig rig;
  frmConfig& d = rig.Open();
  rig.nextChoice = rig.folder.Path() + QStringLiteral("/broken.jpg");
  QFile f(rig.nextChoice);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write("not a picture at all");
  f.close();
  rig.boxes.Expect({QStringLiteral("Il file scelto non è un'immagine leggibile."), QStringLiteral("Numerina Desktop"),
                    QMessageBox::Information, {}});
  d.cboPic()->setCurrentIndex(1);
  d.Command1_Click();
  rig.CheckBoxes();
  QCOMPARE(d.PercorsoBanner(), QString());
  QCOMPARE(d.cboPic()->currentIndex(), 0);
  // A PNG whose name the user typed is read like the others.
  rig.nextChoice = rig.Picture(QStringLiteral("typed.png"), QSize(20, 10), "PNG");
  d.cboPic()->setCurrentIndex(1);
  d.Command1_Click();
  QCOMPARE(d.PercorsoBanner(), QStringLiteral("typed.png"));
}

void FrmConfigTest::pictureNamesAndCancel() {
  DialogRig rig;
  frmConfig& d = rig.Open();
  // In the settings file's folder: the bare name; elsewhere: the full path.
  rig.nextChoice = rig.Picture(QStringLiteral("Logo.bmp"), QSize(10, 10));
  d.cboPic()->setCurrentIndex(1);
  d.Command1_Click();
  QCOMPARE(d.PercorsoBanner(), QStringLiteral("Logo.bmp"));
  QTemporaryDir other;
  QVERIFY(QFile::copy(rig.nextChoice, other.path() + QStringLiteral("/Logo.bmp")));
  rig.nextChoice = other.path() + QStringLiteral("/Logo.bmp");
  d.Command1_Click();
  QCOMPARE(d.PercorsoBanner(), rig.nextChoice);
  // Cancelling drops the choice and the place.
  rig.nextChoice.clear();
  d.Command1_Click();
  QCOMPARE(d.PercorsoBanner(), QString());
  QCOMPARE(d.cboPic()->currentIndex(), 0);
  QCOMPARE(d.lblpospic()->text(), QStringLiteral("Nessuna immagine caricata"));
  rig.Close();
  QCOMPARE(Setting(kBanner), QString());
  QCOMPARE(Setting(kBannerPos), QString());
}

void FrmConfigTest::longPathShortened() {
  DialogRig rig;
  const QString deep = QStringLiteral("/percorso/molto/lungo/di/cartelle/annidate/una/dentro/l/altra/logo.bmp");
  rig.folder.WriteSettings({"BannerPos=1", "Banner=" + deep, "Info=1", "LogoPic=/tmp/corto.gif"});
  frmConfig& d = rig.Open();
  const QString shown = d.lblPicture()->text();
  QVERIFY2(shown.startsWith(QStringLiteral("/percorso/...")) && shown.endsWith(QStringLiteral("/logo.bmp")),
           qPrintable(shown));
  QVERIFY(QFontMetrics(d.lblPicture()->font()).horizontalAdvance(shown) <= d.lblPicture()->width() * 0.97);
  QCOMPARE(d.lblPicture()->toolTip(), deep);
  QCOMPARE(d.PercorsoBanner(), deep);
  QCOMPARE(d.lblPicInfo()->text(), QStringLiteral("/tmp/corto.gif"));
  QCOMPARE(d.lblPicInfo()->toolTip(), QString());
  rig.Close();
  QCOMPARE(Setting(kBanner), deep);
}

void FrmConfigTest::openFileDialog() {
  DialogRig rig;
  frmConfig& d = rig.Open();
  d.SetChooserForTesting({});
  const QString picture = rig.Picture(QStringLiteral("scelta.gif"), QSize(30, 12), "PNG");
  QVERIFY(QDir::setCurrent(rig.folder.Path()));
  QString title, filter;
  QTimer poll;
  poll.setInterval(20);
  connect(&poll, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    title = dialog->windowTitle();
    filter = dialog->nameFilters().join(QLatin1Char('|'));
    // Typed as a user would, into the name box, then Return.
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (!name) return;
    name->setText(QStringLiteral("scelta.gif"));
    QTest::keyClick(name, Qt::Key_Return);
  });
  poll.start();
  d.cboPic()->setCurrentIndex(2);
  d.Command1_Click();
  QCOMPARE(title, QStringLiteral("Apri file Immagine"));
  QCOMPARE(filter, QStringLiteral("File Immagine (*.bmp *.gif *.jpg)"));
  QCOMPARE(d.PercorsoBanner(), QFileInfo(picture).fileName());
}

void FrmConfigTest::editorOpensOnF2AndDoubleClick() {
  DialogRig rig;
  rig.folder.WriteSettings({"Info=1", "1=prima", "3=terza"});
  frmConfig& d = rig.Open();
  QVERIFY(QTest::qWaitForWindowExposed(&d));
  QListWidget* list = d.lstMain();
  // No row selected: nothing opens.
  list->setFocus();
  QTest::keyClick(list, Qt::Key_F2);
  QVERIFY(!d.InModifica());
  list->setCurrentRow(2);
  QTest::keyClick(list, Qt::Key_F2, Qt::ShiftModifier);
  QVERIFY(!d.InModifica());
  QTest::keyClick(list, Qt::Key_F2);
  QVERIFY(d.InModifica());
  QCOMPARE(d.RigaInModifica(), 2);
  QCOMPARE(d.EditorTag(), QStringLiteral("terza"));
  QCOMPARE(d.txtEdit()->text(), QStringLiteral("terza"));
  QCOMPARE(list->item(2)->text(), QString());  // the row shows empty
  // Exactly over the row.
  const QRect row = list->visualItemRect(list->item(2));
  QCOMPARE(d.txtEdit()->geometry().topLeft(), list->viewport()->mapTo(&d, row.topLeft()));
  QCOMPARE(d.txtEdit()->height(), row.height());
  QVERIFY(d.txtEdit()->hasFocus() && d.txtEdit()->isVisible() && d.txtEdit()->isEnabled());
  QTest::keyClick(d.txtEdit(), Qt::Key_Escape);
  QVERIFY(!d.InModifica() && !d.txtEdit()->isVisible() && !d.txtEdit()->isEnabled());
  QCOMPARE(d.RigaInModifica(), -1);
  QCOMPARE(d.EditorTag(), QString());
  QVERIFY(d.isVisible());  // Escape in the editor does not close the dialog

  // A blank line: the single space, all selected; typed text replaces it.
  DoubleClickRow(d, 1);
  QVERIFY(d.InModifica());
  QCOMPARE(d.txtEdit()->text(), QStringLiteral(" "));
  QCOMPARE(d.txtEdit()->selectedText(), QStringLiteral(" "));
  QTest::keyClicks(d.txtEdit(), QStringLiteral("seconda"));
  QTest::keyClick(d.txtEdit(), Qt::Key_Return);
  QCOMPARE(list->item(1)->text(), QStringLiteral("seconda"));
  QVERIFY(!d.InModifica());
  rig.Close();
  QCOMPARE(Setting("2"), QStringLiteral("seconda"));
}

void FrmConfigTest::editorCommitAndRevert() {
  DialogRig rig;
  rig.folder.WriteSettings({"Info=1", "1=prima"});
  frmConfig& d = rig.Open();
  QVERIFY(QTest::qWaitForWindowExposed(&d));
  QListWidget* list = d.lstMain();
  // Only spaces: the earlier text comes back.
  DoubleClickRow(d, 0);
  QTest::keyClicks(d.txtEdit(), QStringLiteral("   "));
  QTest::keyClick(d.txtEdit(), Qt::Key_Enter);
  QCOMPARE(list->item(0)->text(), QStringLiteral("prima"));
  // Escape after typing.
  DoubleClickRow(d, 0);
  QTest::keyClicks(d.txtEdit(), QStringLiteral("altro"));
  QTest::keyClick(d.txtEdit(), Qt::Key_Escape);
  QCOMPARE(list->item(0)->text(), QStringLiteral("prima"));
  // Spaces around a text are kept; Ctrl+J (a line feed) commits too.
  DoubleClickRow(d, 0);
  QTest::keyClicks(d.txtEdit(), QStringLiteral(" a b "));
  QTest::keyClick(d.txtEdit(), Qt::Key_J, Qt::ControlModifier);
  QCOMPARE(list->item(0)->text(), QStringLiteral(" a b "));
  // A click on another control reverts and hides the editor.
  DoubleClickRow(d, 0);
  QTest::keyClicks(d.txtEdit(), QStringLiteral("perso"));
  QTest::mouseClick(d.txtInfo(), Qt::LeftButton);
  QVERIFY(!d.InModifica() && !d.txtEdit()->isVisible());
  QCOMPARE(list->item(0)->text(), QStringLiteral(" a b "));
  QVERIFY(d.txtInfo()->hasFocus());
  // Closing the dialog while editing keeps the earlier text too.
  DoubleClickRow(d, 0);
  QTest::keyClicks(d.txtEdit(), QStringLiteral("non salvato"));
  rig.Close();
  QCOMPARE(Setting("1"), QStringLiteral("a b"));  // the file keeps no outer blanks
}

void FrmConfigTest::editorWidth() {
  DialogRig rig;
  rig.folder.WriteSettings({"Info=1", "1=x"});
  frmConfig& d = rig.Open();
  QVERIFY(QTest::qWaitForWindowExposed(&d));
  DoubleClickRow(d, 0);
  QCOMPARE(d.txtEdit()->width(), 50);  // a short text: the least width
  QTest::keyClicks(d.txtEdit(), QString(60, QLatin1Char('W')));
  const QRect list = d.lstMain()->geometry();
  QVERIFY2(d.txtEdit()->geometry().right() > list.right(), "the editor grows beyond the list");
  const int wide = d.txtEdit()->width();
  QTest::keyClick(d.txtEdit(), Qt::Key_Backspace);
  QVERIFY(d.txtEdit()->width() < wide);
  d.txtEdit()->selectAll();
  QTest::keyClick(d.txtEdit(), Qt::Key_Backspace);
  QCOMPARE(d.txtEdit()->width(), 50);
  QTest::keyClick(d.txtEdit(), Qt::Key_Escape);
}

void FrmConfigTest::keyboardAndNames() {
  DialogRig rig;
  rig.folder.WriteSettings({"Info=1", "BannerPos=1", "Banner=a.bmp", "NomePos=1", "LogoNome=abc"});
  frmConfig& d = rig.Open();
  QVERIFY(QTest::qWaitForWindowExposed(&d));
  d.activateWindow();
  // Tab walks every control once, top to bottom, and comes round again.
  d.chkPrimo()->setFocus(Qt::TabFocusReason);
  QList<QWidget*> visited;
  for (int i = 0; i < 11; ++i) {
    visited << QApplication::focusWidget();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  const QList<QWidget*> expected = {d.chkPrimo(), d.cboPic(), d.Command1(), d.cboNome(), d.txtNome(),
                                    d.chkInfo(), d.txtInfo(), d.Command2(), d.lstMain(), &d.Image2(),
                                    &d.Image1()};
  QCOMPARE(visited, expected);
  QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(d.chkPrimo()));
  for (QWidget* w : visited) QVERIFY2(!w->accessibleName().isEmpty(), w->metaObject()->className());
  // Focusing the title selects its whole text.
  d.txtInfo()->setFocus(Qt::MouseFocusReason);
  QCOMPARE(d.txtInfo()->selectedText(), QStringLiteral("abc"));
  // Space on the focused check box ticks it; Escape on an open list closes
  // only the list.
  d.chkPrimo()->setFocus(Qt::TabFocusReason);
  QTest::keyClick(d.chkPrimo(), Qt::Key_Space);
  QVERIFY(!d.chkPrimo()->isChecked());
  d.cboPic()->showPopup();
  QTRY_VERIFY(d.cboPic()->view()->isVisible());
  QTest::keyClick(d.cboPic()->view(), Qt::Key_Escape);
  QTRY_VERIFY(!d.cboPic()->view()->isVisible());
  QVERIFY(frmConfig::Aperto());
  // Space on the focused close picture closes (and saves).
  d.Image1().setFocus(Qt::TabFocusReason);
  QTest::keyClick(&d.Image1(), Qt::Key_Space);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(!frmConfig::Aperto());
  QCOMPARE(Setting(kPrimoPiano), QStringLiteral("0"));
}

}  // namespace numerina::ui::test

QTEST_MAIN(numerina::ui::test::FrmConfigTest)
#include "frmconfig_test.moc"
