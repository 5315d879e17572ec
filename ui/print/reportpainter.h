// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pages of the printed report, as LayoutReport places them, painted on
// a paged device: the printer, or a PDF file. Positions are millimetres from
// the device's origin, which is the corner of the printable area.

#include <QByteArray>
#include <QPageLayout>

#include <functional>
#include <string_view>
#include <vector>

#include "report/layout.h"

class QIODevice;
class QPainter;
class QPagedPaintDevice;

namespace numerina::print {

// The width of a tape line in the main window's font ("Arial" 8.25 points,
// 11 pixels at 96 dots per inch), in millimetres. The same on every screen:
// it does not depend on the screen's resolution or scaling.
double WindowFontWidthMm(std::string_view text);

// The pages of one job: LayoutReport with the window font's widths.
std::vector<ReportPage> ReportPages(std::string_view tape, const DateTime& now);

// A rule's "printer dots" are read at this resolution on every device, so
// that paper and the PDF file show the same rule: 5 dots are 0.21 mm.
inline constexpr double kRuleDotsPerInch = 600;

// Asked between pages: false abandons the job.
using KeepPainting = std::function<bool()>;

// Paints the pages on device, whose painter p is active, opening a new page
// before each page after the first. False when the device refuses a page,
// the painter stops or keepGoing says no: the caller then abandons the job.
bool PaintReport(QPainter& p, QPagedPaintDevice& device, const std::vector<ReportPage>& pages,
                 const KeepPainting& keepGoing = {});

// The pages as an A4 portrait PDF written to out: the page layout's margins
// are the printable area, whose corner is the origin of every position, and
// dpi the resolution the PDF is painted at. False when a write to out fails,
// or the painting does; out then holds no usable PDF.
bool WriteReportPdf(QIODevice& out, const std::vector<ReportPage>& pages, const QPageLayout& page,
                    int dpi, const KeepPainting& keepGoing = {});

// The A4 portrait page whose printable area lies marginsMm inside its edges
// (none: the whole page, as in the --pdf output).
QPageLayout PageA4(const QMarginsF& marginsMm = {});

// The printed report as a PDF file in memory (the page painted at a
// printer's 1200 dots per inch, the printable area the whole page).
QByteArray ReportPdf(std::string_view tape, const DateTime& now);

}  // namespace numerina::print
