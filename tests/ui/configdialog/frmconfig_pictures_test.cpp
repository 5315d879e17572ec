// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration dialog's picture choice: generated pictures of exact
// sizes against the three places' limits, unreadable files, the stored
// names, the shortened path and the platform's open-file dialog.
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "config/confdialog.h"
#include "frmconfig_support.h"

namespace numerina::ui::test {
namespace {

const QString kSizeMessage1 = QStringLiteral("L'immagine deve essere al massimo 113 x 27 pixel.");
const QString kSizeMessage2 = QStringLiteral("L'immagine deve essere al massimo 75 x 17 pixel.");
const QString kSizeMessage3 = QStringLiteral("L'immagine deve essere al massimo 276 x 196 pixel.");

}  // namespace

class FrmConfigPicturesTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { FailOnUnexpectedBoxes(); }
  void pictureSizes_data();
  void pictureSizes();
  void unreadablePictureRefused();
  void pictureNamesAndCancel();
  void longPathShortened();
  void openFileDialog();
};

void FrmConfigPicturesTest::pictureSizes_data() {
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

void FrmConfigPicturesTest::pictureSizes() {
  QFETCH(int, place);
  QFETCH(QSize, size);
  QFETCH(QString, refusal);
  DialogRig rig;
  rig.folder.WriteSettings({"Info=1"});
  frmConfig& d = rig.Open();
  const Controls c{d};
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
    c.Command2()->click();
  } else {
    c.cboPic()->setCurrentIndex(place);
    QTest::mouseClick(static_cast<QToolButton*>(c.Command1()), Qt::LeftButton);
  }
  rig.CheckBoxes();
  const QString stored = place == 3 ? c.PercorsoLogo() : c.PercorsoBanner();
  QCOMPARE(stored, refusal.isEmpty() ? rig.nextChoice : QString());
  if (!refusal.isEmpty()) {
    QVERIFY(hiddenWhileShown);
    QVERIFY(d.isVisible());
    if (place != 3) QCOMPARE(c.cboPic()->currentIndex(), 0);
  }
}

void FrmConfigPicturesTest::unreadablePictureRefused() {
  DialogRig rig;
  frmConfig& d = rig.Open();
  const Controls c{d};
  rig.nextChoice = rig.folder.Path() + QStringLiteral("/broken.jpg");
  QFile f(rig.nextChoice);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write("not a picture at all");
  f.close();
  rig.boxes.Expect({QStringLiteral("Il file scelto non è un'immagine leggibile."),
                    QStringLiteral("Numerina Desktop"),
                    QMessageBox::Information,
                    {}});
  c.cboPic()->setCurrentIndex(1);
  c.Command1()->click();
  rig.CheckBoxes();
  QCOMPARE(c.PercorsoBanner(), QString());
  QCOMPARE(c.cboPic()->currentIndex(), 0);
  // A PNG whose name the user typed is read like the others.
  rig.nextChoice = rig.Picture(QStringLiteral("typed.png"), QSize(20, 10), "PNG");
  c.cboPic()->setCurrentIndex(1);
  c.Command1()->click();
  QCOMPARE(c.PercorsoBanner(), QStringLiteral("typed.png"));
}

void FrmConfigPicturesTest::pictureNamesAndCancel() {
  DialogRig rig;
  frmConfig& d = rig.Open();
  const Controls c{d};
  // In the settings file's folder: the bare name; elsewhere: the full path.
  rig.nextChoice = rig.Picture(QStringLiteral("Logo.bmp"), QSize(10, 10));
  c.cboPic()->setCurrentIndex(1);
  c.Command1()->click();
  QCOMPARE(c.PercorsoBanner(), QStringLiteral("Logo.bmp"));
  QTemporaryDir other;
  QVERIFY(QFile::copy(rig.nextChoice, other.path() + QStringLiteral("/Logo.bmp")));
  rig.nextChoice = other.path() + QStringLiteral("/Logo.bmp");
  c.Command1()->click();
  QCOMPARE(c.PercorsoBanner(), rig.nextChoice);
  // Cancelling drops the choice and the place.
  rig.nextChoice.clear();
  c.Command1()->click();
  QCOMPARE(c.PercorsoBanner(), QString());
  QCOMPARE(c.cboPic()->currentIndex(), 0);
  QCOMPARE(c.lblpospic()->text(), QStringLiteral("Nessuna immagine caricata"));
  rig.Close();
  QCOMPARE(Setting(kBanner), QString());
  QCOMPARE(Setting(kBannerPos), QString());
}

void FrmConfigPicturesTest::longPathShortened() {
  DialogRig rig;
  const QString deep =
      QStringLiteral("/percorso/molto/lungo/di/cartelle/annidate/una/dentro/l/altra/logo.bmp");
  rig.folder.WriteSettings({"BannerPos=1", "Banner=" + deep, "Info=1", "LogoPic=/tmp/corto.gif"});
  frmConfig& d = rig.Open();
  const Controls c{d};
  const QString shown = c.lblPicture()->text();
  QVERIFY2(shown.startsWith(QStringLiteral("/percorso/...")) &&
               shown.endsWith(QStringLiteral("/logo.bmp")),
           qPrintable(shown));
  QVERIFY(QFontMetrics(c.lblPicture()->font()).horizontalAdvance(shown) <=
          c.lblPicture()->width() * 0.97);
  QCOMPARE(c.lblPicture()->toolTip(), deep);
  QCOMPARE(c.PercorsoBanner(), deep);
  QCOMPARE(c.lblPicInfo()->text(), QStringLiteral("/tmp/corto.gif"));
  QCOMPARE(c.lblPicInfo()->toolTip(), QString());
  rig.Close();
  QCOMPARE(Setting(kBanner), deep);
}

void FrmConfigPicturesTest::openFileDialog() {
  DialogRig rig;
  frmConfig& d = rig.Open(/*platformChooser=*/true);
  const Controls c{d};
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
  c.cboPic()->setCurrentIndex(2);
  c.Command1()->click();
  QCOMPARE(title, QStringLiteral("Apri file Immagine"));
  QCOMPARE(filter, QStringLiteral("File Immagine (*.bmp *.gif *.jpg)"));
  QCOMPARE(c.PercorsoBanner(), QFileInfo(picture).fileName());
}

}  // namespace numerina::ui::test

QTEST_MAIN(numerina::ui::test::FrmConfigPicturesTest)
#include "frmconfig_pictures_test.moc"
