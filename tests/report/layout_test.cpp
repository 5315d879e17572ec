// SPDX-License-Identifier: GPL-3.0-or-later
// The printed report's pages: header, line positions, page breaks and the
// numbering of operations.

#include "report/layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace numerina {
namespace {

const std::string kSeparator(35, '-');
const std::string kNbsp3 = "\u00A0\u00A0\u00A0";
const DateTime kMonday{2026, 12, 7, 16, 5, 0};

// A stand-in for the window's font: 1.7 mm per character, counted as code
// points so that the no-break space (two UTF-8 bytes) is one character.
double Width(std::string_view text) {
  int chars = 0;
  for (char c : text) chars += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return 1.7 * chars;
}

std::string Tape(const std::vector<std::string>& lines) {
  std::string tape;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) tape += "\r\n";
    tape += lines[i];
  }
  return tape;
}

// The tape lines of a page: its texts after the two header texts.
std::vector<PlacedText> BodyOf(const ReportPage& page) {
  return {page.texts.begin() + 2, page.texts.end()};
}

TEST(ReportLayout, ThreeLinesWithASeparator) {
  const std::string tape =
      Tape({"12,00" + kNbsp3 + "+", kSeparator, "12,00\u00A0\u00A0\u00A0\u00A0\u00A0"});
  const auto pages = LayoutReport(tape, kMonday, Width);
  ASSERT_EQ(pages.size(), 1u);
  const auto body = BodyOf(pages[0]);
  ASSERT_EQ(body.size(), 3u);
  EXPECT_EQ(body[0].text, "12,00" + kNbsp3 + "+");
  EXPECT_EQ(body[1].text, "op. 1   " + kSeparator);
  const double ys[] = {37, 42, 47};
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_DOUBLE_EQ(body[i].y, ys[i]);
    EXPECT_DOUBLE_EQ(body[i].x, 171 - Width(body[i].text)) << i;
    EXPECT_EQ(body[i].font.family, "Arial");
    EXPECT_EQ(body[i].font.points, 9);
    EXPECT_FALSE(body[i].font.bold);
    EXPECT_FALSE(body[i].font.italic);
  }
}

TEST(ReportLayout, TheHeader) {
  const auto pages = LayoutReport("1", kMonday, Width);
  ASSERT_EQ(pages.size(), 1u);
  const ReportPage& page = pages[0];
  EXPECT_EQ(page.number, 1);
  ASSERT_GE(page.texts.size(), 2u);
  const PlacedText& title = page.texts[0];
  // The five pieces printed one after another on the same line.
  EXPECT_EQ(title.text, std::string("Numerina Desktop") + "   (pag. " + " 1 " + ")  " +
                            "      - Report di stampa -");
  EXPECT_EQ(title.text, "Numerina Desktop   (pag.  1 )        - Report di stampa -");
  EXPECT_DOUBLE_EQ(title.x, 13);
  EXPECT_DOUBLE_EQ(title.y, 15);
  const PlacedText& date = page.texts[1];
  EXPECT_EQ(date.text, "lunedì  07 dic 2026    16.05");
  EXPECT_DOUBLE_EQ(date.x, 130);
  EXPECT_DOUBLE_EQ(date.y, 15);
  for (const PlacedText* t : {&title, &date}) {
    EXPECT_EQ(t->font.family, "Arial");
    EXPECT_EQ(t->font.points, 12);
    EXPECT_TRUE(t->font.bold);
    EXPECT_TRUE(t->font.italic);
  }
  ASSERT_EQ(page.rules.size(), 1u);
  const PlacedRule& rule = page.rules[0];
  EXPECT_DOUBLE_EQ(rule.x1, 14);
  EXPECT_DOUBLE_EQ(rule.y1, 24);
  EXPECT_DOUBLE_EQ(rule.x2, 191);
  EXPECT_DOUBLE_EQ(rule.y2, 24);
  EXPECT_EQ(rule.dots, 5);
}

std::vector<std::string> Numbered(int n) {
  std::vector<std::string> lines;
  for (int i = 1; i <= n; ++i) lines.push_back(std::to_string(i) + ",00" + kNbsp3 + "+");
  return lines;
}

TEST(ReportLayout, PageBreaks) {
  struct {
    int lines;
    std::vector<std::size_t> perPage;
  } const cases[] = {
      {1, {1}}, {44, {44}}, {45, {45, 0}}, {46, {45, 1}}, {90, {45, 45, 0}}, {100, {45, 45, 10}},
  };
  for (const auto& c : cases) {
    const auto pages = LayoutReport(Tape(Numbered(c.lines)), kMonday, Width);
    ASSERT_EQ(pages.size(), c.perPage.size()) << c.lines << " lines";
    int line = 0;
    for (std::size_t p = 0; p < pages.size(); ++p) {
      EXPECT_EQ(pages[p].number, static_cast<int>(p) + 1);
      EXPECT_EQ(pages[p].texts[0].text, "Numerina Desktop   (pag.  " + std::to_string(p + 1) +
                                            " )        - Report di stampa -");
      EXPECT_EQ(pages[p].rules.size(), 1u);
      const auto body = BodyOf(pages[p]);
      ASSERT_EQ(body.size(), c.perPage[p]) << c.lines << " lines, page " << p + 1;
      for (std::size_t k = 0; k < body.size(); ++k) {
        ++line;
        EXPECT_EQ(body[k].text, std::to_string(line) + ",00" + kNbsp3 + "+");
        EXPECT_DOUBLE_EQ(body[k].y, 37 + 5.0 * static_cast<double>(k));
      }
    }
    EXPECT_EQ(line, c.lines);
  }
}

TEST(ReportLayout, TheLastLineOfAFullPage) {
  const auto pages = LayoutReport(Tape(Numbered(46)), kMonday, Width);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_DOUBLE_EQ(pages[0].texts.back().y, 257);
  EXPECT_EQ(pages[1].texts.back().text, "46,00" + kNbsp3 + "+");
  EXPECT_DOUBLE_EQ(pages[1].texts.back().y, 37);
}

TEST(ReportLayout, OperationsAreNumberedAcrossPages) {
  std::vector<std::string> lines = Numbered(60);
  lines[9] = kSeparator;   // page 1
  lines[49] = kSeparator;  // page 2
  lines[55] = "-----x";    // five hyphens are enough
  lines[56] = "----";      // four are not
  lines[57] = " -----";    // nor a blank before them
  const auto pages = LayoutReport(Tape(lines), kMonday, Width);
  ASSERT_EQ(pages.size(), 2u);
  const auto first = BodyOf(pages[0]);
  const auto second = BodyOf(pages[1]);
  EXPECT_EQ(first[9].text, "op. 1   " + kSeparator);
  EXPECT_EQ(second[4].text, "op. 2   " + kSeparator);
  EXPECT_EQ(second[10].text, "op. 3   -----x");
  EXPECT_EQ(second[11].text, "----");
  EXPECT_EQ(second[12].text, " -----");
  // The width is taken of the line as printed, prefix included.
  EXPECT_DOUBLE_EQ(second[4].x, 171 - 1.7 * (8 + 35));
}

TEST(ReportLayout, TheEmptyLastLinePrintsEmpty) {
  const std::string tape = "5,00" + kNbsp3 + "+\r\n3,00" + kNbsp3 + "=\r\n" + kSeparator +
                           "\r\n8,00\u00A0\u00A0\u00A0\u00A0\u00A0\r\n";
  const auto body = BodyOf(LayoutReport(tape, kMonday, Width)[0]);
  ASSERT_EQ(body.size(), 5u);
  EXPECT_EQ(body[4].text, "");
  EXPECT_DOUBLE_EQ(body[4].y, 57);
  EXPECT_DOUBLE_EQ(body[4].x, 171);
}

TEST(ReportLayout, OnlyCrLfEndsALine) {
  const auto body = BodyOf(LayoutReport("a\nb\rc\r\nd", kMonday, Width)[0]);
  ASSERT_EQ(body.size(), 2u);
  EXPECT_EQ(body[0].text, "a\nb\rc");
  EXPECT_EQ(body[1].text, "d");
  EXPECT_EQ(BodyOf(LayoutReport("", kMonday, Width)[0]).size(), 1u);
}

TEST(ReportLayout, NoSixteenBitLimits) {
  // More lines and more operations than a 16-bit counter holds.
  const int kOps = 40000;
  std::string tape;
  for (int i = 0; i < kOps; ++i) tape += "1\r\n" + kSeparator + "\r\n";
  tape += "end";
  const auto pages = LayoutReport(tape, kMonday, [](std::string_view) { return 10.0; });
  const std::size_t lines = 2 * kOps + 1;
  EXPECT_EQ(pages.size(), lines / 45 + 1);
  const auto last = BodyOf(pages.back());
  ASSERT_EQ(last.size(), lines % 45);
  EXPECT_EQ(last.back().text, "end");
  EXPECT_EQ(last[last.size() - 2].text, "op. " + std::to_string(kOps) + "   " + kSeparator);
  EXPECT_EQ(pages.back().number, static_cast<int>(pages.size()));
}

TEST(ReportDate, ItalianNamesWithoutLocales) {
  const char* weekdays[] = {"lunedì",  "martedì", "mercoledì", "giovedì",
                            "venerdì", "sabato",  "domenica"};
  for (int d = 0; d < 7; ++d) {
    // 7 to 13 December 2026 run from Monday to Sunday.
    EXPECT_EQ(FormatReportDate({2026, 12, 7 + d, 9, 0, d}),
              std::string(weekdays[d]) + "  " + std::to_string(7 + d).insert(0, d < 3 ? "0" : "") +
                  " dic 2026    09.00");
  }
  const char* months[] = {"gen", "feb", "mar", "apr", "mag", "giu",
                          "lug", "ago", "set", "ott", "nov", "dic"};
  for (int m = 1; m <= 12; ++m) {
    EXPECT_EQ(FormatReportDate({2027, m, 1, 0, 0, 4}),
              std::string("venerdì  01 ") + months[m - 1] + " 2027    00.00");
  }
  EXPECT_EQ(FormatReportDate({2026, 12, 7, 16, 5, 0}), "lunedì  07 dic 2026    16.05");
  EXPECT_EQ(FormatReportDate({1999, 1, 31, 23, 59, 6}), "domenica  31 gen 1999    23.59");
}

TEST(ReportDate, AWeekdayOutOfRangeIsWorkedOut) {
  EXPECT_EQ(FormatReportDate({2026, 12, 7, 16, 5, -1}), "lunedì  07 dic 2026    16.05");
  EXPECT_EQ(FormatReportDate({2024, 2, 29, 8, 30, 99}), "giovedì  29 feb 2024    08.30");
}

TEST(ReportDate, NowIsAPlausibleLocalTime) {
  const DateTime now = LocalDateTimeNow();
  EXPECT_GE(now.year, 2024);
  EXPECT_TRUE(now.month >= 1 && now.month <= 12);
  EXPECT_TRUE(now.weekday >= 0 && now.weekday <= 6);
  // The weekday given agrees with the one worked out from the date.
  DateTime unknown = now;
  unknown.weekday = -1;
  EXPECT_EQ(FormatReportDate(unknown), FormatReportDate(now));
}

}  // namespace
}  // namespace numerina
