// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up from a prepared settings file, and clear all re-reading it.
#include "tests/support/window_support.h"

#include <QImage>
#include <QScreen>

namespace numerina::ui::test {
namespace {

QPoint CentredPlace() {
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  return {area.x() + (area.width() - 401) / 2, area.y() + (area.height() - 275) / 2};
}

void WritePicture(const QString& path, QSize size, QColor colour) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(colour);
  QVERIFY(image.save(path, "PNG"));
}

// Counts how often a widget is hidden, shown and moved.
class Watcher : public QObject {
 public:
  explicit Watcher(QWidget& w) { w.installEventFilter(this); }
  int hides = 0, shows = 0, moves = 0;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Hide) ++hides;
    if (e->type() == QEvent::Show) ++shows;
    if (e->type() == QEvent::Move) ++moves;
    return false;
  }
};

}  // namespace

class ConfTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { FailOnUnexpectedBoxes(); }
  void noSettingsFile();
  void reportHidden();
  void reportShown_data();
  void reportShown();
  void primoPiano_data();
  void primoPiano();
  void posizione_data();
  void posizione();
  void decimali_data();
  void decimali();
  void nome_data();
  void nome();
  void bannerPicture_data();
  void bannerPicture();
  void bannerFallsBackToTheLogo_data();
  void bannerFallsBackToTheLogo();
  void bannerPlaces_data();
  void bannerPlaces();
  void clearAllLeavesTheWindowWhereItWas_data();
  void clearAllLeavesTheWindowWhereItWas();
  void clearAllAppliesChangedSettings();
};

void ConfTest::noSettingsFile() {
  Rig rig;
  rig.Start();
  Calculator& c = *rig.calc;
  QCOMPARE(c.pos(), CentredPlace());
  QVERIFY(StaysOnTop(c));
  QCOMPARE(c.width(), 401);
  QCOMPARE(c.height(), 275);
  QVERIFY(ReportShown(c));
  QCOMPARE(ToolButton(c, Tool::Report).toolTip(), QStringLiteral("Nascondi report"));
  QVERIFY(BannerShows(c, 2) == BannerLook::Logo);
  QVERIFY(BannerShows(c, 1) == BannerLook::Hidden);
  QVERIFY(!BannerButton(c, 1).isVisible());
  QCOMPARE(c.Name().text, QStringLiteral("Numerina Desktop"));
  QCOMPARE(c.Name().pos, QPoint(222, 6));
  QCOMPARE(rig.Display(), QStringLiteral("0,"));
  QVERIFY(!rig.folder.HasSettings());                           // start-up writes nothing
  QCOMPARE(rig.NumberAsWritten(), QStringLiteral("1.234,00"));  // two decimals
}

void ConfTest::reportHidden() {
  Rig rig;
  rig.folder.WriteSettings({"Report=0"});
  rig.Start();
  Calculator& c = *rig.calc;
  QCOMPARE(c.width(), 205);
  QVERIFY(!ReportShown(c));
  QVERIFY(ToolLooksPressed(c, Tool::Report));
  QCOMPARE(ToolButton(c, Tool::Report).toolTip(), QStringLiteral("Mostra report"));
  QCOMPARE(Setting(kReport), QStringLiteral("0"));
  // The narrow window is still placed as the full one would be.
  QCOMPARE(c.pos(), CentredPlace());
}

void ConfTest::reportShown_data() {
  QTest::addColumn<QString>("line");
  QTest::newRow("empty") << "Report=";
  QTest::newRow("1") << "Report=1";
  QTest::newRow("missing") << "Decimali=2";
  QTest::newRow("blank 0 is still 0") << "Report= 0 ";
}

void ConfTest::reportShown() {
  QFETCH(QString, line);
  Rig rig;
  rig.folder.WriteSettings({line});
  rig.Start();
  // Values are trimmed on reading: " 0 " is "0".
  const bool hidden = line == QLatin1String("Report= 0 ");
  QCOMPARE(rig.calc->width(), hidden ? 205 : 401);
  if (!hidden) {
    QCOMPARE(ToolButton(*rig.calc, Tool::Report).toolTip(), QStringLiteral("Report"));
    QVERIFY(ToolLooksReleased(*rig.calc, Tool::Report));
  }
}

void ConfTest::primoPiano_data() {
  QTest::addColumn<QString>("value");
  QTest::addColumn<bool>("onTop");
  QTest::newRow("empty") << "" << true;
  QTest::newRow("0") << "0" << false;
  QTest::newRow("1") << "1" << true;
  QTest::newRow("no") << "no" << true;
}

void ConfTest::primoPiano() {
  QFETCH(QString, value);
  QFETCH(bool, onTop);
  Rig rig;
  rig.folder.WriteSettings({"PrimoPiano=" + value});
  rig.Start();
  QCOMPARE(StaysOnTop(*rig.calc), onTop);
  QVERIFY(rig.calc->isVisible());
}

void ConfTest::posizione_data() {
  QTest::addColumn<QString>("value");
  QTest::addColumn<QPoint>("place");  // (-1, -1): centred
  QTest::newRow("1500,3000") << "1500,3000" << QPoint(200, 100);
  QTest::newRow("blanks") << " 1500 , 3000" << QPoint(200, 100);
  QTest::newRow("fractions") << "1507.4,2992.6" << QPoint(200, 100);
  QTest::newRow("empty") << "" << QPoint(-1, -1);
  QTest::newRow("no comma") << "1500" << QPoint(-1, -1);
  QTest::newRow("a word") << "alto,sinistra" << QPoint(0, 0);
  QTest::newRow("screen that is gone") << "1500,150000" << QPoint(-1, -1);
  QTest::newRow("above the screen") << "-3000,3000" << QPoint(-1, -1);
  QTest::newRow("half off the left edge") << "1500,-4500" << QPoint(-300, 100);
}

void ConfTest::posizione() {
  QFETCH(QString, value);
  QFETCH(QPoint, place);
  Rig rig;
  rig.folder.WriteSettings({"Posizione=" + value});
  rig.Start();
  QCOMPARE(rig.calc->pos(), place == QPoint(-1, -1) ? CentredPlace() : place);
}

void ConfTest::decimali_data() {
  QTest::addColumn<QString>("value");
  QTest::addColumn<int>("places");
  QTest::newRow("empty") << "" << 2;
  QTest::newRow("0") << "0" << 0;
  QTest::newRow("4") << "4" << 4;
  QTest::newRow("2.5 rounds up") << "2.5" << 3;
  QTest::newRow("7 is out of range") << "7" << 2;
  QTest::newRow("-1 is out of range") << "-1" << 2;
  QTest::newRow("a word") << "tre" << 0;
}

void ConfTest::decimali() {
  QFETCH(QString, value);
  QFETCH(int, places);
  Rig rig;
  rig.folder.WriteSettings({"Decimali=" + value});
  rig.Start();
  QVERIFY(ToolButton(*rig.calc, Tool::More).isEnabled());
  QVERIFY(ToolButton(*rig.calc, Tool::Fewer).isEnabled());
  QCOMPARE(rig.NumberAsWritten(),
           places == 0 ? QStringLiteral("1.234") : "1.234," + QString(places, QLatin1Char('0')));
  TypeKeys(*rig.calc, "1+");
  const QString line = rig.TapeShown().split(QStringLiteral("\r\n")).back();
  QCOMPARE(line.section(QChar(0x00A0), 0, 0),
           places == 0 ? QStringLiteral("1") : "1," + QString(places, QLatin1Char('0')));
}

void ConfTest::nome_data() {
  QTest::addColumn<QStringList>("lines");
  QTest::addColumn<QString>("name");
  QTest::addColumn<QPoint>("place");
  QTest::newRow("empty name") << QStringList{"Nome="} << "Numerina Desktop" << QPoint(218, 6);
  QTest::newRow("a name") << QStringList{"Nome=Studio Rossi", "NomePos=1"} << "Studio Rossi"
                          << QPoint(218, 6);
  QTest::newRow("at the bottom") << QStringList{"Nome=Studio Rossi", "NomePos=2"} << "Studio Rossi"
                                 << QPoint(218, 250);
  QTest::newRow("other number stays")
      << QStringList{"Nome=X", "NomePos=7"} << "X" << QPoint(218, 6);
  QTest::newRow("a word stays") << QStringList{"NomePos=basso"} << "Numerina Desktop"
                                << QPoint(218, 6);
}

void ConfTest::nome() {
  QFETCH(QStringList, lines);
  QFETCH(QString, name);
  QFETCH(QPoint, place);
  Rig rig;
  rig.folder.WriteSettings(lines);
  rig.Start();
  QCOMPARE(rig.calc->Name().text, name);
  QCOMPARE(rig.calc->Name().pos, place);
}

void ConfTest::bannerPicture_data() {
  QTest::addColumn<int>("place");
  QTest::addColumn<QSize>("size");
  QTest::addColumn<QRect>("shown");
  QTest::addColumn<bool>("bareName");
  QTest::newRow("left of the currency keys")
      << 1 << QSize(100, 20) << QRect(12, 72, 100, 20) << true;
  QTest::newRow("top left") << 2 << QSize(60, 15) << QRect(13, 8, 60, 15) << true;
  QTest::newRow("too large is cut") << 2 << QSize(200, 50) << QRect(13, 8, 75, 17) << false;
  QTest::newRow("too large for 1") << 1 << QSize(300, 90) << QRect(12, 72, 114, 28) << false;
}

void ConfTest::bannerPicture() {
  QFETCH(int, place);
  QFETCH(QSize, size);
  QFETCH(QRect, shown);
  QFETCH(bool, bareName);
  Rig rig;
  const QString path = rig.folder.Path() + QStringLiteral("/logo ditta.png");
  const QColor colour(200, 30, 140);
  WritePicture(path, size, colour);
  rig.folder.WriteSettings({QStringLiteral("BannerPos=%1").arg(place),
                            "Banner=" + (bareName ? QStringLiteral("logo ditta.png") : path)});
  rig.Start();
  Calculator& c = *rig.calc;
  QVERIFY(BannerShows(c, place) == BannerLook::Picture);
  QVERIFY(BannerShows(c, 3 - place) == BannerLook::Hidden);
  QCOMPARE(BannerButton(c, place).geometry(), shown);
  QVERIFY(BannerButton(c, place).isVisible());
  const QImage canvas = c.grab(QRect(0, 0, 400, 275)).toImage();
  QCOMPARE(QColor(canvas.pixel(shown.topLeft())), colour);
  QCOMPARE(QColor(canvas.pixel(shown.bottomRight())), colour);
  // Nothing of the picture outside its frame.
  QVERIFY(QColor(canvas.pixel(shown.right() + 2, shown.top())) != colour);
  QVERIFY(QColor(canvas.pixel(shown.left(), shown.bottom() + 2)) != colour);
}

void ConfTest::bannerFallsBackToTheLogo_data() {
  QTest::addColumn<int>("place");
  QTest::addColumn<QString>("file");
  QTest::newRow("missing, place 1") << 1 << "sparito.png";
  QTest::newRow("missing, place 2") << 2 << "sparito.png";
  QTest::newRow("not a picture") << 1 << "rotto.png";
  QTest::newRow("no name") << 2 << "";
}

void ConfTest::bannerFallsBackToTheLogo() {
  QFETCH(int, place);
  QFETCH(QString, file);
  Rig rig;
  QFile broken(rig.folder.Path() + QStringLiteral("/rotto.png"));
  QVERIFY(broken.open(QIODevice::WriteOnly));
  broken.write("\x89PNG\r\n\x1a\n not really a picture");
  broken.close();
  rig.folder.WriteSettings({QStringLiteral("BannerPos=%1").arg(place), "Banner=" + file});
  rig.Start();
  QVERIFY(BannerShows(*rig.calc, 2) == BannerLook::Logo);
  QVERIFY(BannerShows(*rig.calc, 1) == BannerLook::Hidden);
}

void ConfTest::bannerPlaces_data() {
  QTest::addColumn<QString>("value");
  QTest::addColumn<int>("banner1");
  QTest::addColumn<int>("banner2");
  using S = BannerLook;
  QTest::newRow("empty") << "" << int(S::Hidden) << int(S::Logo);
  QTest::newRow("0") << "0" << int(S::Hidden) << int(S::Logo);
  QTest::newRow("other number") << "5" << int(S::Empty) << int(S::Empty);
  QTest::newRow("a word reads as 0") << "sopra" << int(S::Hidden) << int(S::Logo);
}

void ConfTest::bannerPlaces() {
  QFETCH(QString, value);
  QFETCH(int, banner1);
  QFETCH(int, banner2);
  Rig rig;
  rig.folder.WriteSettings({"BannerPos=" + value, "Banner="});
  rig.Start();
  QCOMPARE(int(BannerShows(*rig.calc, 1)), banner1);
  QCOMPARE(int(BannerShows(*rig.calc, 2)), banner2);
}

void ConfTest::clearAllLeavesTheWindowWhereItWas_data() {
  QTest::addColumn<QStringList>("lines");
  QTest::newRow("no file") << QStringList();
  QTest::newRow("everything") << QStringList{
      "PrimoPiano=1", "Report=0",     "Decimali=3", "Posizione=1500,3000",
      "BannerPos=5",  "Nome=Ufficio", "NomePos=2"};
  QTest::newRow("not on top, centred") << QStringList{"PrimoPiano=0", "Report=1"};
}

void ConfTest::clearAllLeavesTheWindowWhereItWas() {
  QFETCH(QStringList, lines);
  Rig rig;
  if (!lines.isEmpty()) rig.folder.WriteSettings(lines);
  rig.Start();
  Calculator& c = *rig.calc;
  const QRect before = c.geometry();
  const bool onTop = StaysOnTop(c);
  const QString name = c.Name().text;
  const QPoint namePos = c.Name().pos;
  Watcher watch(c);
  TypeKeys(c, "5+5=");
  ClickKeys(c, "C");
  QCOMPARE(rig.Display(), QStringLiteral("0,"));
  QCOMPARE(c.geometry(), before);
  QCOMPARE(StaysOnTop(c), onTop);
  QCOMPARE(c.Name().text, name);
  QCOMPARE(c.Name().pos, namePos);
  QCOMPARE(watch.hides, 0);
  QCOMPARE(watch.shows, 0);
  QCOMPARE(watch.moves, 0);
  QVERIFY(c.isVisible());
  QCOMPARE(rig.folder.HasSettings(), !lines.isEmpty());
}

void ConfTest::clearAllAppliesChangedSettings() {
  Rig rig;
  rig.folder.WriteSettings({"Decimali=2", "PrimoPiano=1", "Nome=Primo"});
  rig.Start();
  Calculator& c = *rig.calc;
  rig.folder.WriteSettings({"Decimali=0", "PrimoPiano=0", "Nome=Secondo", "Posizione=1500,3000"});
  QTest::keyClick(&FocusButtonOf(c), Qt::Key_Delete);
  QVERIFY(!StaysOnTop(c));
  QVERIFY(c.isVisible());
  QCOMPARE(c.Name().text, QStringLiteral("Secondo"));
  QCOMPARE(c.pos(), QPoint(200, 100));
  TypeKeys(c, "7+");
  QVERIFY(rig.TapeShown().startsWith(Tape("7···+")));
  QCOMPARE(rig.NumberAsWritten(), QStringLiteral("1.234"));  // no decimals
}

}  // namespace numerina::ui::test

QTEST_MAIN(numerina::ui::test::ConfTest)
#include "window_conf_test.moc"
