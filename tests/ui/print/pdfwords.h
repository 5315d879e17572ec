// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A PDF read back with pdftotext -bbox: the pages and, on each, the lines of
// text with their boxes in millimetres (words on the same baseline joined
// by one blank; a no-break space also separates words).

#include <QString>
#include <QStringList>
#include <QVector>

namespace numerina::test {

struct PdfLine {
  QString text;
  double left, top, right;  // millimetres from the page's top left corner
};

struct PdfPage {
  QVector<PdfLine> lines;  // top to bottom
};

// Empty when pdftotext fails; error then says why.
QVector<PdfPage> ReadPdfLines(const QString& path, QString* error);

}  // namespace numerina::test
