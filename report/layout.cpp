// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/layout.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <ctime>

#include "base/product.h"

namespace numerina {
namespace {

// Own names rather than the system's locale tables, which may lack Italian.
constexpr std::array<std::string_view, 7> kWeekdays = {"lunedì",  "martedì", "mercoledì", "giovedì",
                                                       "venerdì", "sabato",  "domenica"};
constexpr std::array<std::string_view, 12> kMonths = {"gen", "feb", "mar", "apr", "mag", "giu",
                                                      "lug", "ago", "set", "ott", "nov", "dic"};

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kSeparatorStart = "-----";

int WeekdayOf(const DateTime& t) {
  if (t.weekday >= 0 && t.weekday <= 6) return t.weekday;
  using namespace std::chrono;
  const year_month_day date{year{t.year}, month{static_cast<unsigned>(t.month)},
                            day{static_cast<unsigned>(t.day)}};
  if (!date.ok()) return -1;
  return static_cast<int>(weekday{sys_days{date}}.iso_encoding()) - 1;
}

ReportPage StartPage(int number, const std::string& date) {
  ReportPage page{number, {}, {}};
  page.texts.reserve(kLinesPerPage + 2);
  page.texts.push_back({HeaderFont(), kHeaderX, kHeaderY, HeaderTitle(number)});
  page.texts.push_back({HeaderFont(), kDateX, kHeaderY, date});
  page.rules.push_back({kRuleX1, kRuleY, kRuleX2, kRuleY, kRuleDots});
  return page;
}

}  // namespace

DateTime LocalDateTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_r(&now, &tm);
  // tm_wday counts from Sunday.
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
          tm.tm_hour,        tm.tm_min,     (tm.tm_wday + 6) % 7};
}

std::string FormatReportDate(const DateTime& t) {
  const int wd = WeekdayOf(t);
  const std::string_view weekday = wd >= 0 ? kWeekdays[static_cast<std::size_t>(wd)] : "";
  const std::string_view month =
      t.month >= 1 && t.month <= 12 ? kMonths[static_cast<std::size_t>(t.month - 1)] : "";
  char numbers[64];
  std::snprintf(numbers, sizeof numbers, "%02d", t.day);
  std::string out(weekday);
  out.append("  ").append(numbers).append(" ").append(month);
  std::snprintf(numbers, sizeof numbers, " %04d    %02d.%02d", t.year, t.hour, t.minute);
  return out.append(numbers);
}

PrintFont HeaderFont() { return {"Arial", 12, true, true}; }

PrintFont BodyFont() { return {"Arial", 9, false, false}; }

std::string HeaderTitle(int pageNumber) {
  // The page number prints like a number with its sign place: a blank before
  // the digits and one after.
  return std::string(kProductName) + "   (pag.  " + std::to_string(pageNumber) +
         " )        - Report di stampa -";
}

std::vector<ReportPage> LayoutReport(std::string_view tape, const DateTime& now,
                                     const std::function<double(std::string_view)>& textWidthMm) {
  const std::string date = FormatReportDate(now);
  const PrintFont body = BodyFont();
  std::vector<ReportPage> pages;
  pages.push_back(StartPage(1, date));

  // Plain 64-bit counters: a tape has no line limit.
  long long operation = 1;
  int onPage = 0;
  std::size_t pos = 0;
  for (;;) {
    const auto stop = tape.find(kCrLf, pos);
    const std::string_view line =
        tape.substr(pos, stop == std::string_view::npos ? std::string_view::npos : stop - pos);

    std::string text;
    if (line.substr(0, kSeparatorStart.size()) == kSeparatorStart) {
      text = "op. " + std::to_string(operation++) + "   ";
    }
    text.append(line);
    const double y = kFirstLineY + kLinePitch * onPage;
    const double x = kRightEdge - textWidthMm(text);
    pages.back().texts.push_back({body, x, y, std::move(text)});

    if (++onPage == kLinesPerPage) {
      pages.push_back(StartPage(static_cast<int>(pages.size()) + 1, date));
      onPage = 0;
    }
    if (stop == std::string_view::npos) break;
    pos = stop + kCrLf.size();
  }
  return pages;
}

}  // namespace numerina
