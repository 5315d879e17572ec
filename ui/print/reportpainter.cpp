// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/print/reportpainter.h"
#include "base/product.h"
#include "ui/skin/text.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <utility>

namespace numerina::print {
namespace {

constexpr qreal kMmPerInch = 25.4;
// The window's measuring: 8.25 points are 11 pixels at 96 dots per inch.
constexpr int kWindowFontPx = 11;
constexpr qreal kWindowDpi = 96;
// PDF output: fine enough that the 5-dot rule stays thin.
constexpr int kPdfDpi = 1200;

QFont WindowFont() {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(kWindowFontPx);
  // Unhinted advances: the width must not follow the screen's rasterising.
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

// Millimetres to device units, and the device's fonts with their ascent
// (texts are placed by their top left corner, Qt draws from the baseline).
class PageGeometry {
 public:
  explicit PageGeometry(QPainter& p) : p_(p), dpm_(p.device()->logicalDpiY() / kMmPerInch) {}

  qreal D(double mm) const { return mm * dpm_; }

  void Text(const PlacedText& t) {
    const Font& f = FontFor(t.font);
    if (p_.font() != f.font) p_.setFont(f.font);
    p_.drawText(QPointF(D(t.x), D(t.y) + f.ascent), ui::ToQString(t.text));
  }

  void Rule(const PlacedRule& r) {
    // The width is in printer dots: device units, not millimetres.
    p_.setPen(QPen(Qt::black, r.dots, Qt::SolidLine, Qt::FlatCap));
    p_.drawLine(QPointF(D(r.x1), D(r.y1)), QPointF(D(r.x2), D(r.y2)));
  }

 private:
  struct Font {
    PrintFont wanted;
    QFont font;
    qreal ascent;
  };

  const Font& FontFor(const PrintFont& want) {
    for (const Font& f : fonts_)
      if (f.wanted.family == want.family && f.wanted.points == want.points &&
          f.wanted.bold == want.bold && f.wanted.italic == want.italic)
        return f;
    QFont font(QString::fromStdString(want.family));
    font.setPointSizeF(want.points);
    font.setBold(want.bold);
    font.setItalic(want.italic);
    const qreal ascent = QFontMetricsF(font, p_.device()).ascent();
    fonts_.push_back({want, font, ascent});
    return fonts_.back();
  }

  QPainter& p_;
  qreal dpm_;
  std::vector<Font> fonts_;
};

// A page's header: the title line with its page number, the date (the
// page's first two texts) and the rule.
void StampaIntestazione(PageGeometry& g, const ReportPage& page) {
  for (std::size_t i = 0; i < 2 && i < page.texts.size(); ++i) g.Text(page.texts[i]);
  for (const PlacedRule& r : page.rules) g.Rule(r);
}

}  // namespace

double WindowFontWidthMm(std::string_view text) {
  static const QFontMetricsF metrics(WindowFont());
  return metrics.horizontalAdvance(ui::ToQString(text)) * kMmPerInch / kWindowDpi;
}

std::vector<ReportPage> ReportPages(std::string_view tape, const DateTime& now) {
  return LayoutReport(tape, now, WindowFontWidthMm);
}

bool PaintReport(QPainter& p, QPagedPaintDevice& device, const std::vector<ReportPage>& pages) {
  PageGeometry g(p);
  for (std::size_t n = 0; n < pages.size(); ++n) {
    if (n > 0 && !device.newPage()) return false;
    if (!p.isActive()) return false;
    const ReportPage& page = pages[n];
    StampaIntestazione(g, page);
    p.setPen(Qt::black);
    for (std::size_t i = 2; i < page.texts.size(); ++i) g.Text(page.texts[i]);
  }
  return p.isActive();
}

bool WriteReportPdf(const QString& path, std::string_view tape, const DateTime& now) {
  const std::vector<ReportPage> pages = ReportPages(tape, now);
  QPdfWriter pdf(path);
  pdf.setResolution(kPdfDpi);
  pdf.setCreator(ui::ToQString(kProductName));
  pdf.setTitle(ui::ToQString(kProductName) + QStringLiteral(" - Report di stampa"));
  pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(),
                                QPageLayout::Millimeter));
  QPainter p;
  if (!p.begin(&pdf)) return false;
  const bool painted = PaintReport(p, pdf, pages);
  return p.end() && painted;
}

}  // namespace numerina::print
