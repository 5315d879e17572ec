// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/print/reportpainter.h"
#include "base/product.h"
#include "ui/skin/text.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QIODevice>
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
// The --pdf file is painted as a 1200 dots per inch printer's page.
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
  explicit PageGeometry(QPainter& p)
      : p_(p),
        dpm_(p.device()->logicalDpiY() / kMmPerInch),
        perDot_(p.device()->logicalDpiY() / kRuleDotsPerInch) {}

  qreal D(double mm) const { return mm * dpm_; }

  void Text(const PlacedText& t) {
    const Font& f = FontFor(t.font);
    if (p_.font() != f.font) p_.setFont(f.font);
    p_.drawText(QPointF(D(t.x), D(t.y) + f.ascent), ui::ToQString(t.text));
  }

  void Rule(const PlacedRule& r) {
    // The width is in printer dots of a fixed size, whatever the device's
    // resolution (see kRuleDotsPerInch).
    p_.setPen(QPen(Qt::black, r.dots * perDot_, Qt::SolidLine, Qt::FlatCap));
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
  qreal perDot_;
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

bool PaintReport(QPainter& p, QPagedPaintDevice& device, const std::vector<ReportPage>& pages,
                 const KeepPainting& keepGoing) {
  PageGeometry g(p);
  for (std::size_t n = 0; n < pages.size(); ++n) {
    if (keepGoing && !keepGoing()) return false;
    if (n > 0 && !device.newPage()) return false;
    if (!p.isActive()) return false;
    const ReportPage& page = pages[n];
    StampaIntestazione(g, page);
    p.setPen(Qt::black);
    for (std::size_t i = 2; i < page.texts.size(); ++i) g.Text(page.texts[i]);
  }
  return p.isActive();
}

namespace {

// Qt's PDF writer does not look at what its writes return: a full disk
// would give a truncated file that still looks written. This device in
// front of the real one remembers any write that did not go through whole.
class WriteChecked final : public QIODevice {
 public:
  explicit WriteChecked(QIODevice& out) : out_(out) { open(QIODevice::WriteOnly); }
  bool Failed() const { return failed_; }

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* data, qint64 len) override {
    if (failed_) return -1;
    if (out_.write(data, len) != len) failed_ = true;
    return failed_ ? -1 : len;
  }

 private:
  QIODevice& out_;
  bool failed_ = false;
};

}  // namespace

QPageLayout PageA4(const QMarginsF& marginsMm) {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, marginsMm,
                     QPageLayout::Millimeter);
}

bool WriteReportPdf(QIODevice& out, const std::vector<ReportPage>& pages, const QPageLayout& page,
                    int dpi, const KeepPainting& keepGoing) {
  WriteChecked checked(out);
  bool painted = false;
  {
    QPdfWriter pdf(&checked);
    pdf.setResolution(dpi);
    pdf.setCreator(ui::ToQString(kProductName));
    pdf.setTitle(ui::ToQString(kProductName) + QStringLiteral(" - Report di stampa"));
    if (!pdf.setPageLayout(page)) return false;
    QPainter p;
    if (!p.begin(&pdf)) return false;
    painted = PaintReport(p, pdf, pages, keepGoing);
    painted = p.end() && painted;
  }
  return painted && !checked.Failed();
}

QByteArray ReportPdf(std::string_view tape, const DateTime& now) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!WriteReportPdf(buffer, ReportPages(tape, now), PageA4(), kPdfDpi)) return {};
  return bytes;
}

}  // namespace numerina::print
