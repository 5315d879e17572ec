// SPDX-License-Identifier: GPL-3.0-or-later
// The company information panel with a long name, long lines and a large
// logo, and the about box's layout, on the offscreen platform.
#include <QImage>
#include <QLabel>

#include "tests/support/window_support.h"
#include "ui/panels/frmabout.h"
#include "ui/panels/frminfoditta.h"

namespace numerina::ui::test {
namespace {

QLabel& Label(QWidget* window, const char* name) {
  auto* label = window->findChild<QLabel*>(QString::fromLatin1(name));
  if (!label) qFatal("no label %s", name);
  return *label;
}

// Where the label's text lies inside it, laid out as the label lays it out.
QRect TextRect(const QLabel& label) {
  int flags = int(label.alignment());
  if (label.wordWrap()) flags |= Qt::TextWordWrap;
  return label.fontMetrics().boundingRect(label.contentsRect(), flags, label.text());
}

QString Words(int chars) {
  QString s;
  for (int n = 0; s.size() < chars; ++n) s += QStringLiteral("parola%1 ").arg(n);
  return s.left(chars);
}

void ClosePanels() {
  if (frmInfoDitta* open = frmInfoDitta::Aperto()) open->close();
  if (frmAbout* open = frmAbout::Aperto()) open->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class PanelsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QuietOffscreenWarnings(); }
  void cleanup() { ClosePanels(); }

  // A name wider than its place ends in "…" and starts where it starts.
  void longCompanyNameElided() {
    ProgramFolder folder;
    const QString name = QStringLiteral("Ditta ") + Words(200);
    folder.WriteSettings({"Info=1", "LogoNome=" + name});
    frmInfoDitta* panel = frmInfoDitta::Apri({});
    QLabel& ditta = Label(panel, "lblDitta");
    QVERIFY2(ditta.text().endsWith(QChar(0x2026)), qPrintable(ditta.text()));
    QVERIFY(ditta.text().startsWith(QStringLiteral("Ditta parola0")));
    const QRect text = TextRect(ditta);
    QVERIFY2(ditta.contentsRect().contains(text),
             qPrintable(QStringLiteral("the name is %1 pixels wide in %2")
                            .arg(text.width())
                            .arg(ditta.contentsRect().width())));
    QCOMPARE(ditta.accessibleName(), name);
  }

  // A 254-character line (words, or one word) among nine: it is cut with
  // "…", and all nine lines stay inside the label, one row each.
  void longLineKeepsEveryLine_data() {
    QTest::addColumn<QString>("longLine");
    QTest::newRow("words") << Words(254);
    QTest::newRow("one word") << QString(254, QLatin1Char('W'));
  }
  void longLineKeepsEveryLine() {
    QFETCH(QString, longLine);
    ProgramFolder folder;
    QStringList settings{"Info=1", "LogoNome=Ditta", "1=" + longLine};
    for (int n = 2; n <= 9; ++n) settings << QStringLiteral("%1=riga %1").arg(n);
    folder.WriteSettings(settings);
    frmInfoDitta* panel = frmInfoDitta::Apri({});
    QLabel& info = Label(panel, "lblInfo");
    const QStringList rows = info.text().split(QLatin1Char('\n'));
    QCOMPARE(rows.size(), 9);
    QVERIFY2(rows[0].endsWith(QChar(0x2026)), qPrintable(rows[0]));
    QVERIFY(longLine.startsWith(rows[0].chopped(1)));
    for (int n = 2; n <= 9; ++n) QCOMPARE(rows[n - 1], QStringLiteral("riga %1").arg(n));
    const QRect text = TextRect(info);
    QVERIFY2(info.contentsRect().contains(text),
             qPrintable(QStringLiteral("the text takes %1 x %2 pixels of %3 x %4")
                            .arg(text.width())
                            .arg(text.height())
                            .arg(info.contentsRect().width())
                            .arg(info.contentsRect().height())));
    // The label itself stays inside the panel's writing surface.
    QVERIFY(layout::info::kWell.contains(info.geometry()));
    QVERIFY(info.accessibleName().startsWith(longLine));
  }

  // The built-in text still wraps its long sentence: it has the room.
  void builtInTextStillWraps() {
    ProgramFolder folder;
    frmInfoDitta* panel = frmInfoDitta::Apri({});
    QLabel& info = Label(panel, "lblInfo");
    QVERIFY(!info.text().contains(QChar(0x2026)));
    QVERIFY(info.contentsRect().contains(TextRect(info)));
  }

  // A 3000 x 2000 logo is shown whole, in proportion, above the name.
  void largeLogoScaledDown() {
    ProgramFolder folder;
    QImage logo(3000, 2000, QImage::Format_RGB32);
    logo.fill(Qt::red);
    QVERIFY(logo.save(folder.Path() + "/grande.png"));
    folder.WriteSettings({"Info=1", "LogoPic=grande.png", "LogoNome=Ditta", "1=riga"});
    frmInfoDitta* panel = frmInfoDitta::Apri({});
    QVERIFY(QTest::qWaitForWindowExposed(panel));
    auto* shown = panel->findChild<QWidget*>(QStringLiteral("imgLogo"));
    QVERIFY(shown && shown->isVisible());
    const QRect place = shown->geometry();
    const QRect name = Label(panel, "lblDitta").geometry();
    QVERIFY2(place.bottom() < name.top(), qPrintable(QStringLiteral("logo %1,%2 %3x%4")
                                                         .arg(place.x())
                                                         .arg(place.y())
                                                         .arg(place.width())
                                                         .arg(place.height())));
    QVERIFY(layout::info::kWell.contains(place));
    QVERIFY(qAbs(double(place.width()) / place.height() - 1.5) < 0.03);
    // As large as the room lets it be: as tall as the room above the name.
    QCOMPARE(place.height(), name.top() - layout::info::kLogoTop);
    QVERIFY(qAbs(place.left() + place.width() / 2.0 - panel->width() / 2.0) <= 1);
    const QImage shot = panel->grab().toImage();
    QCOMPARE(shot.pixelColor(place.center()), QColor(Qt::red));
    for (int y = name.top(); y < panel->height(); ++y)
      for (int x = 0; x < panel->width(); x += 3)
        QVERIFY2(shot.pixelColor(x, y) != QColor(Qt::red),
                 qPrintable(QStringLiteral("logo over the text at %1,%2").arg(x).arg(y)));
  }

  // The about box has no empty band between the makers' line and the
  // separator under it; the lower part follows closely, the title bar stays.
  void aboutBoxWithoutEmptyBand() {
    ProgramFolder folder;
    frmAbout* box = frmAbout::Apri({}, {});
    QVERIFY(QTest::qWaitForWindowExposed(box));
    const QImage shot = box->grab().toImage();
    const QRect makers = Label(box, "Label4").geometry();
    int separator = -1;
    for (int y = makers.bottom() + 1; y < shot.height() && separator < 0; ++y)
      if (shot.pixelColor(150, y) == QColor(128, 128, 128)) separator = y;
    QVERIFY(separator > 0);
    QVERIFY2(
        separator - makers.bottom() <= 8,
        qPrintable(QStringLiteral("an empty band of %1 pixels").arg(separator - makers.bottom())));
    const QRect description = Label(box, "lblDescription").geometry();
    const QRect licence = Label(box, "Label2").geometry();
    QVERIFY(description.top() > separator && description.top() - separator <= 8);
    QVERIFY(licence.top() > description.top());
    for (const char* name : {"Image3", "Image4"}) {
      auto* button = box->findChild<QWidget*>(QString::fromLatin1(name));
      QVERIFY(button && box->rect().contains(button->geometry()));
    }
    auto* config = box->findChild<QWidget*>(QStringLiteral("Image4"));
    QVERIFY(config->geometry().top() > licence.bottom());
    QVERIFY(box->height() - config->geometry().bottom() <= 15);
    QCOMPARE(box->height(), 154);
    // The painted title bar: dark blue at the left, lighter at the right.
    QCOMPARE(shot.pixelColor(3, 10).blue() > 90 && shot.pixelColor(3, 10).red() < 40, true);
    QCOMPARE(shot.pixelColor(300, 10).blue() > 180, true);
  }
};

}  // namespace numerina::ui::test

QTEST_MAIN(numerina::ui::test::PanelsTest)
#include "panels_test.moc"
