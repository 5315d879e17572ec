// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pages of the printed report, as LayoutReport places them, painted on
// a paged device: the printer, or a PDF file. Positions are millimetres from
// the device's origin, which is the corner of the printable area.

#include <QString>

#include <string_view>
#include <vector>

#include "report/layout.h"

class QPainter;
class QPagedPaintDevice;

namespace numerina::print {

// The width of a tape line in the main window's font ("Arial" 8.25 points,
// 11 pixels at 96 dots per inch), in millimetres. The same on every screen:
// it does not depend on the screen's resolution or scaling.
double WindowFontWidthMm(std::string_view text);

// The pages of one job: LayoutReport with the window font's widths.
std::vector<ReportPage> ReportPages(std::string_view tape, const DateTime& now);

// Paints the pages on device, whose painter p is active, opening a new page
// before each page after the first. False when the device refuses a page or
// the painter stops: the caller then abandons the job.
bool PaintReport(QPainter& p, QPagedPaintDevice& device, const std::vector<ReportPage>& pages);

// The printed report as an A4 portrait PDF whose printable area is the whole
// page. False when the file cannot be written.
bool WriteReportPdf(const QString& path, std::string_view tape, const DateTime& now);

}  // namespace numerina::print
