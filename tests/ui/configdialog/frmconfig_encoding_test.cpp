// SPDX-License-Identifier: GPL-3.0-or-later
// A name and a picture path with characters Windows-1252 lacks, chosen in
// the configuration dialog and read back by a calculator started afterwards:
// kept exactly, the picture shown rather than the built-in logo.
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolButton>

#include "config/ini.h"
#include "config/settings.h"
#include "frmconfig_support.h"
#include "ui/skin/text.h"

namespace numerina::ui::test {

class FrmConfigEncodingTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { FailOnUnexpectedBoxes(); }

  void polishNameAndPathReachTheCalculator() {
    DialogRig rig;
    {
      // A file as the design's program leaves it: Windows-1252.
      QFile f(rig.folder.SettingsFile());
      QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
      f.write("[Opzioni]\r\nLogoNome=Caff\xE8 \x80\r\nInfo=1\r\n");
    }
    QTemporaryDir other;
    QVERIFY(QDir(other.path()).mkdir(QStringLiteral("Łódź")));
    const QString picture = other.path() + QStringLiteral("/Łódź/x.png");
    QImage image(QSize(100, 20), QImage::Format_RGB32);
    image.fill(QColor(20, 160, 40));
    QVERIFY(image.save(picture, "PNG"));

    frmConfig& d = rig.Open();
    const Controls c{d};
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    rig.nextChoice = picture;
    c.cboPic()->setCurrentIndex(1);
    QTest::mouseClick(static_cast<QToolButton*>(c.Command1()), Qt::LeftButton);
    QCOMPARE(c.PercorsoBanner(), picture);
    c.cboNome()->setCurrentIndex(1);
    c.txtNome()->setText(QStringLiteral("Ditta Łódź"));
    rig.Close();
    rig.CheckBoxes();

    QCOMPARE(ToQString(LeggiIni(kSection, kBanner)), picture);
    QCOMPARE(ToQString(LeggiIni(kSection, kNome)), QStringLiteral("Ditta Łódź"));
    QCOMPARE(ToQString(LeggiIni(kSection, kLogoNome)), QStringLiteral("Caffè €"));

    RecordingShell shell;
    Calculator calc(shell);
    calc.StartUp();
    calc.show();
    calc.BuildTextWidgets();
    QVERIFY(QTest::qWaitForWindowExposed(&calc));
    QCOMPARE(calc.Name().text, QStringLiteral("Ditta Łódź"));
    QVERIFY(BannerShows(calc, 1) == BannerLook::Picture);
    QVERIFY(BannerShows(calc, 2) == BannerLook::Hidden);
  }
};

}  // namespace numerina::ui::test

QTEST_MAIN(numerina::ui::test::FrmConfigEncodingTest)
#include "frmconfig_encoding_test.moc"
