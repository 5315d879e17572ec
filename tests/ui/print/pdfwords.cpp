// SPDX-License-Identifier: GPL-3.0-or-later
#include "pdfwords.h"

#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>

namespace numerina::test {

QVector<PdfPage> ReadPdfLines(const QString& path, QString* error) {
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-bbox"), path, QStringLiteral("-")});
  if (!pdftotext.waitForFinished(60000) || pdftotext.exitCode() != 0) {
    if (error)
      *error = QStringLiteral("pdftotext failed: ") + pdftotext.errorString() +
               QString::fromLocal8Bit(pdftotext.readAllStandardError());
    return {};
  }
  constexpr double kMmPerPt = 25.4 / 72;
  QVector<PdfPage> pages;
  QXmlStreamReader xml(pdftotext.readAllStandardOutput());
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("page")) {
      pages.append(PdfPage{});
    } else if (xml.name() == QLatin1String("word") && !pages.isEmpty()) {
      const auto a = xml.attributes();
      const double left = a.value(QLatin1String("xMin")).toDouble() * kMmPerPt;
      const double top = a.value(QLatin1String("yMin")).toDouble() * kMmPerPt;
      const double right = a.value(QLatin1String("xMax")).toDouble() * kMmPerPt;
      const QString word = xml.readElementText();
      QVector<PdfLine>& lines = pages.last().lines;
      auto same = std::find_if(lines.begin(), lines.end(),
                               [top](const PdfLine& l) { return std::abs(l.top - top) < 0.5; });
      if (same == lines.end()) {
        lines.append(PdfLine{word, left, top, right});
      } else {
        same->text += QLatin1Char(' ') + word;
        same->left = std::min(same->left, left);
        same->right = std::max(same->right, right);
      }
    }
  }
  for (PdfPage& page : pages)
    std::sort(page.lines.begin(), page.lines.end(),
              [](const PdfLine& a, const PdfLine& b) { return a.top < b.top; });
  return pages;
}

}  // namespace numerina::test
