// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printed report as placed items: every page of the job with its header
// and its right-aligned tape lines, in millimetres from the top left corner
// of the printable area. The print code only paints these items.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace numerina {

struct PrintFont {
  std::string family;
  double points;
  bool bold;
  bool italic;
};

// Text in UTF-8, placed by the top left corner of the text.
struct PlacedText {
  PrintFont font;
  double x;
  double y;
  std::string text;
};

// A straight line, dots printer dots wide.
struct PlacedRule {
  double x1, y1, x2, y2;
  int dots;
};

// texts[0] is the header's title line and texts[1] its date; the tape's
// lines follow in order, top to bottom.
struct ReportPage {
  int number;
  std::vector<PlacedText> texts;
  std::vector<PlacedRule> rules;
};

// A moment of local time. weekday: 0 = Monday ... 6 = Sunday. A weekday
// outside 0..6 is worked out from the date.
struct DateTime {
  int year, month, day, hour, minute, weekday;
};

// The present local time.
DateTime LocalDateTimeNow();

// "dddd  dd mmm yyyy    hh.mm" in Italian with the program's own names:
// "lunedì  07 dic 2026    16.05".
std::string FormatReportDate(const DateTime& t);

// Page geometry, in millimetres.
inline constexpr double kHeaderX = 13;
inline constexpr double kHeaderY = 15;
inline constexpr double kDateX = 130;
inline constexpr double kRuleY = 24;
inline constexpr double kRuleX1 = 14;
inline constexpr double kRuleX2 = 191;
inline constexpr int kRuleDots = 5;
inline constexpr double kFirstLineY = 37;
inline constexpr double kLinePitch = 5;
inline constexpr int kLinesPerPage = 45;
inline constexpr double kRightEdge = 171;

// The fonts of the header and of the tape lines.
PrintFont HeaderFont();
PrintFont BodyFont();

// The title line of a page: "Numerina Desktop   (pag.  1 )        - Report di stampa -".
std::string HeaderTitle(int pageNumber);

// The pages of one print job of the tape (lines joined by CR LF). Each page
// opens with its header; 45 lines go on a page, and a new page is opened
// after the 45th, so 45 lines give a second page holding only its header.
// A line starting with "-----" gets "op. N   " in front, N counting the
// whole job. textWidthMm (required) measures a line in the window's font
// (Arial 8.25 points) in millimetres; each line ends at x = 171.
std::vector<ReportPage> LayoutReport(std::string_view tape, const DateTime& now,
                                     const std::function<double(std::string_view)>& textWidthMm);

}  // namespace numerina
