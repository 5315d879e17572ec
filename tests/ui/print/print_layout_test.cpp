// SPDX-License-Identifier: GPL-3.0-or-later
// The printed report on paper: the printer's own path (the job's PDF, with
// a printable area smaller than the page) and numerina-tape --pdf, read
// back with pdftotext.
// Header texts and rule, page numbers, operation numbers across pages, 45
// lines a page at their heights, right edges at 171 mm.
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QtTest>

#include "pdfwords.h"
#include "ui/print/reportpainter.h"

using numerina::test::PdfPage;
using numerina::test::ReadPdfLines;

namespace {

constexpr double kMmTolerance = 0.3;
// The line's top against pdftotext's box, which follows the font's ascent.
constexpr double kTopTolerance = 0.7;
// Widths are measured at 8.25 points and printed at 9.
constexpr double kMeasuredPerPrinted = 8.25 / 9;

QString Separator() { return QString(35, QLatin1Char('-')); }

// A tape of n lines "i,00···+", separators where asked.
QString MakeTape(int n, const QList<int>& separatorsAt) {
  QStringList lines;
  for (int i = 1; i <= n; ++i)
    lines << (separatorsAt.contains(i) ? Separator()
                                       : QStringLiteral("%1,00\u00A0\u00A0\u00A0+").arg(i));
  return lines.join(QStringLiteral("\r\n"));
}

// What the page must show: every tape line, separators numbered.
QStringList Expected(const QStringList& tapeLines) {
  QStringList out;
  int op = 1;
  for (QString line : tapeLines) {
    if (line.startsWith(QLatin1String("-----")))
      line = QStringLiteral("op. %1   ").arg(op++) + line;
    out << line.replace(QChar(0x00A0), QLatin1Char(' ')).simplified();
  }
  return out;
}

// dx, dy: the printable area's corner on the page.
void CheckReport(const QVector<PdfPage>& pages, const QStringList& tapeLines, double dx,
                 double dy) {
  const QStringList expected = Expected(tapeLines);
  const int n = static_cast<int>(expected.size());
  QCOMPARE(pages.size(), n / 45 + 1);
  static const QRegularExpression date(
      QStringLiteral(" (lunedì|martedì|mercoledì|giovedì|venerdì|sabato|domenica) \\d\\d "
                     "(gen|feb|mar|apr|mag|giu|lug|ago|set|ott|nov|dic) \\d{4} \\d\\d\\.\\d\\d$"));
  for (int p = 0; p < pages.size(); ++p) {
    const auto& lines = pages[p].lines;
    QVERIFY(!lines.isEmpty());
    const QString title =
        QStringLiteral("Numerina Desktop (pag. %1 ) - Report di stampa -").arg(p + 1);
    QVERIFY2(lines[0].text.startsWith(title), qPrintable(lines[0].text));
    QVERIFY2(date.match(lines[0].text).hasMatch(), qPrintable(lines[0].text));
    QVERIFY2(std::abs(lines[0].left - (13 + dx)) < kMmTolerance,
             qPrintable(QString::number(lines[0].left)));
    QVERIFY2(std::abs(lines[0].top - (15 + dy)) < kTopTolerance,
             qPrintable(QString::number(lines[0].top)));

    QList<int> shown;  // tape line indexes printed on this page, empty ones are invisible
    for (int i = p * 45; i < std::min(n, p * 45 + 45); ++i)
      if (!expected[i].isEmpty()) shown << i;
    QCOMPARE(lines.size() - 1, shown.size());
    for (int k = 0; k < shown.size(); ++k) {
      const auto& line = lines[k + 1];
      const int i = shown[k];
      QCOMPARE(line.text, expected[i]);
      const double top = 37 + 5 * (i % 45) + dy;
      QVERIFY2(
          std::abs(line.top - top) < kTopTolerance,
          qPrintable(QStringLiteral("line %1 at %2, not %3").arg(i + 1).arg(line.top).arg(top)));
      // Trailing blanks (total lines) take their room but show nothing.
      const double measuredRight = line.left + (line.right - line.left) * kMeasuredPerPrinted;
      if (tapeLines[i].back().isSpace()) {
        QVERIFY(measuredRight < 171 + dx);
        continue;
      }
      QVERIFY2(std::abs(measuredRight - (171 + dx)) < kMmTolerance,
               qPrintable(QStringLiteral("line %1 ends at %2").arg(i + 1).arg(measuredRight)));
      // Printed larger than measured: the ink reaches a little past 171 mm.
      QVERIFY(line.right > 171 + dx);
    }
  }
}

// The header's rule on page 1, from (14, 24) to (191, 24), seen in a
// 300 dpi rendering: dark along its length, nothing beyond its ends.
void CheckRule(const QString& pdf, double dx, double dy) {
  QTemporaryDir dir;
  const QString prefix = dir.filePath(QStringLiteral("page"));
  QProcess pdftoppm;
  pdftoppm.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-png"), QStringLiteral("-gray"), QStringLiteral("-r"),
                  QStringLiteral("300"), QStringLiteral("-singlefile"), pdf, prefix});
  QVERIFY(pdftoppm.waitForFinished(60000) && pdftoppm.exitCode() == 0);
  const QImage page(prefix + QStringLiteral(".png"));
  QVERIFY(!page.isNull());
  const auto px = [](double mm) { return static_cast<int>(std::lround(mm * 300 / 25.4)); };
  // Darkest pixel of the column at x mm, within a millimetre of the rule.
  const auto darkest = [&](double xMm) {
    int value = 255;
    for (int y = px(24 + dy - 1); y <= px(24 + dy + 1); ++y)
      value = std::min(value, qGray(page.pixel(px(xMm + dx), y)));
    return value;
  };
  for (double x : {14.5, 50.0, 100.0, 150.0, 190.5})
    QVERIFY2(darkest(x) < 100, qPrintable(QStringLiteral("no rule at %1 mm").arg(x)));
  for (double x : {13.0, 192.5})
    QVERIFY2(darkest(x) > 200, qPrintable(QStringLiteral("rule reaches %1 mm").arg(x)));

  // Its width: 5 dots of 1/600 inch, 10 pixels at 1200 dpi (a strip of
  // the page around the rule at 100 mm, rendered at that resolution).
  const auto px1200 = [](double mm) { return static_cast<int>(std::lround(mm * 1200 / 25.4)); };
  const QString strip = dir.filePath(QStringLiteral("strip"));
  QProcess crop;
  crop.start(QStringLiteral("pdftoppm"),
             {QStringLiteral("-png"), QStringLiteral("-gray"), QStringLiteral("-r"),
              QStringLiteral("1200"), QStringLiteral("-x"), QString::number(px1200(100 + dx)),
              QStringLiteral("-y"), QString::number(px1200(24 + dy - 1)), QStringLiteral("-W"),
              QStringLiteral("1"), QStringLiteral("-H"), QString::number(px1200(2)),
              QStringLiteral("-singlefile"), pdf, strip});
  QVERIFY(crop.waitForFinished(60000) && crop.exitCode() == 0);
  const QImage column(strip + QStringLiteral(".png"));
  QVERIFY(!column.isNull());
  int dark = 0;
  for (int y = 0; y < column.height(); ++y)
    if (qGray(column.pixel(0, y)) < 128) ++dark;
  QVERIFY2(std::abs(dark - 10) <= 1,
           qPrintable(QStringLiteral("rule %1 px at 1200 dpi").arg(dark)));
}

}  // namespace

class PrintLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void printerPath_data() {
    QTest::addColumn<int>("lines");
    QTest::addColumn<QList<int>>("separators");
    QTest::newRow("3 lines, the second a separator") << 3 << QList<int>{2};
    QTest::newRow("45 lines: page 2 holds its header only") << 45 << QList<int>{2, 45};
    QTest::newRow("46 lines: op. 2 on page 2") << 46 << QList<int>{2, 46};
    QTest::newRow("four hyphens get no number") << 4 << QList<int>{};
  }

  void printerPath() {
    QFETCH(int, lines);
    QFETCH(QList<int>, separators);
    QString tape = MakeTape(lines, separators);
    if (QTest::currentDataTag() == QLatin1String("four hyphens get no number"))
      tape += QStringLiteral("\r\n----");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    // A printer of 600 dots per inch whose printable area lies 10, 12, 8
    // and 9 mm inside the page's edges.
    QVERIFY(numerina::print::WriteReportPdf(
        file, numerina::print::ReportPages(tape.toStdString(), numerina::LocalDateTimeNow()),
        numerina::print::PageA4(QMarginsF(10, 12, 8, 9)), 600));
    file.close();

    QString error;
    const QVector<PdfPage> pages = ReadPdfLines(path, &error);
    QVERIFY2(!pages.isEmpty(), qPrintable(error));
    CheckReport(pages, tape.split(QStringLiteral("\r\n")), 10, 12);
    CheckRule(path, 10, 12);
  }

  // A job whose PDF cannot be written whole fails: a device that refuses
  // every write, and one whose painting is given up half-way.
  void printerFailure() {
    const auto pages = numerina::print::ReportPages(MakeTape(100, {2, 50}).toStdString(),
                                                    numerina::LocalDateTimeNow());
    QFile full(QStringLiteral("/dev/full"));
    QVERIFY(full.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    QVERIFY(!numerina::print::WriteReportPdf(full, pages, numerina::print::PageA4(), 600));
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("report.pdf")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    int asked = 0;
    QVERIFY(!numerina::print::WriteReportPdf(file, pages, numerina::print::PageA4(), 600,
                                             [&] { return ++asked < 2; }));
    QCOMPARE(asked, 2);
  }

  void runnerPdf_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("lines");
    QTest::newRow("one sum") << QStringLiteral("12+3=") << 5;
    QTest::newRow("45 lines") << QStringLiteral("1+").repeated(41) + QStringLiteral("1=") << 45;
    QTest::newRow("op. 2 on page 2")
        << QStringLiteral("1+").repeated(42) + QStringLiteral("1=2+2=") << 51;
  }

  // The tape file (--tape) gives the lines the PDF must show.
  void runnerPdf() {
    QFETCH(QString, script);
    QFETCH(int, lines);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    const QString tape = dir.filePath(QStringLiteral("tape.txt"));
    QProcess runner;
    runner.start(QStringLiteral(NUMERINA_TAPE_PATH),
                 {QStringLiteral("--tape"), tape, QStringLiteral("--pdf"), pdf});
    runner.write(script.toUtf8());
    runner.closeWriteChannel();
    QVERIFY(runner.waitForFinished(60000));
    QCOMPARE(runner.exitCode(), 0);

    QFile file(tape);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QString text = QStringDecoder("windows-1252").decode(file.readAll());
    QVERIFY(text.endsWith(QLatin1String("\r\n")));
    text.chop(2);  // the export's own line break
    const QStringList tapeLines = text.split(QStringLiteral("\r\n"));
    QCOMPARE(tapeLines.size(), lines);

    QString error;
    const QVector<PdfPage> pages = ReadPdfLines(pdf, &error);
    QVERIFY2(!pages.isEmpty(), qPrintable(error));
    // In the PDF the printable area is the whole page.
    CheckReport(pages, tapeLines, 0, 0);
    CheckRule(pdf, 0, 0);
  }

  void runnerPdfUnwritable() {
    QTemporaryDir dir;
    QProcess runner;
    runner.start(QStringLiteral(NUMERINA_TAPE_PATH),
                 {QStringLiteral("--pdf"), dir.filePath(QStringLiteral("missing/report.pdf"))});
    runner.write("1+2=");
    runner.closeWriteChannel();
    QVERIFY(runner.waitForFinished(60000));
    QCOMPARE(runner.exitCode(), 1);
    QVERIFY(runner.readAllStandardError().contains("cannot write the report"));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("missing"))));
  }

  // A device that takes no byte (a full disk in small) is a failure, not a
  // report.
  void runnerPdfDevFull() {
    QProcess runner;
    runner.start(QStringLiteral(NUMERINA_TAPE_PATH),
                 {QStringLiteral("--pdf"), QStringLiteral("/dev/full")});
    runner.write("1+2=");
    runner.closeWriteChannel();
    QVERIFY(runner.waitForFinished(60000));
    QCOMPARE(runner.exitCode(), 1);
    QVERIFY(runner.readAllStandardError().contains("cannot write the report to /dev/full"));
  }
};

QTEST_MAIN(PrintLayoutTest)
#include "print_layout_test.moc"
