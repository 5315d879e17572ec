// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/panels/frminfoditta.h"

#include <QLabel>
#include <QPainter>

#include "base/product.h"
#include "config/ini.h"
#include "config/picture.h"
#include "config/settings.h"
#include "ui/skin/layout_panels.h"
#include "ui/skin/skin_panels.h"
#include "ui/skin/text.h"
#include "ui/widgets/outline.h"

namespace numerina::ui {
namespace {

namespace at = layout::info;

QString Setting(std::string_view key) { return QString::fromStdString(LeggiIni(kSection, key)); }

// The logo: the built-in banner or the user's picture, centred across the
// panel and shown only on its writing surface.
class Logo : public QWidget {
 public:
  explicit Logo(QWidget* panel) : QWidget(panel) {
    setObjectName(QStringLiteral("imgLogo"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

  // An empty picture and builtIn false: no logo.
  void Show(bool builtIn, const QPixmap& picture) {
    builtIn_ = builtIn;
    picture_ = picture;
    QSize size = builtIn ? SkinPanels::InfoBannerSize() : picture.size();
    // A logo larger than its room is shown whole, smaller, in proportion:
    // never over the company's name and text.
    if (!builtIn &&
        (size.width() > at::kLogoPlace.width() || size.height() > at::kLogoPlace.height()))
      size = size.scaled(at::kLogoPlace.size(), Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    // Centred: half the panel's width less half the logo's.
    whole_ = QRect(QPoint(at::kSize.width() / 2 - size.width() / 2, at::kLogoTop), size);
    setGeometry(whole_ & at::kWell);
    setAccessibleName(builtIn ? ToQString(kProductName) : QStringLiteral("Logo"));
    setVisible(builtIn || !picture.isNull());
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    // In the panel's coordinates, as the whole logo stands there.
    p.translate(-geometry().topLeft());
    if (builtIn_)
      SkinPanels::PaintInfoBanner(p, whole_.topLeft());
    else if (whole_.size() == picture_.size())
      p.drawPixmap(whole_.topLeft(), picture_);
    else {
      p.setRenderHint(QPainter::SmoothPixmapTransform);
      p.drawPixmap(whole_, picture_);
    }
  }

 private:
  bool builtIn_ = true;
  QPixmap picture_;
  QRect whole_;
};

// Text that fits its label's width, ended with "…" where it is cut; the
// whole text stays the label's name for assistive technology.
QString Fitted(const QLabel& label, const QString& text) {
  return label.fontMetrics().elidedText(text, Qt::ElideRight, label.contentsRect().width());
}

void SetFittedText(QLabel& label, const QString& text) {
  label.setText(Fitted(label, text));
  label.setAccessibleName(text);
}

// The lines wrap at the label's width while all of them still fit in it;
// otherwise (a long line among nine, a word wider than the label) each
// line keeps one row and is cut with "…": a long line never pushes the
// lines below it out of the panel, nor runs past its edges.
void SetFittedLines(QLabel& label, const QStringList& lines) {
  const QString whole = lines.join(QLatin1Char('\n'));
  const QRect room = label.contentsRect();
  const QRect wrapped = label.fontMetrics().boundingRect(
      QRect(0, 0, room.width(), 1 << 20), int(label.alignment()) | Qt::TextWordWrap, whole);
  const bool wraps = wrapped.width() <= room.width() && wrapped.height() <= room.height();
  label.setWordWrap(wraps);
  if (wraps) {
    label.setText(whole);
  } else {
    QStringList fitted;
    for (const QString& line : lines) fitted << Fitted(label, line);
    label.setText(fitted.join(QLatin1Char('\n')));
  }
  label.setAccessibleName(whole);
}

}  // namespace

frmInfoDitta* frmInfoDitta::Apri(std::function<void()> mostraCalcolatrice) {
  return open_.OpenOrRaise([&] {
    auto* panel = new frmInfoDitta(std::move(mostraCalcolatrice));
    panel->ShowCentred();
    return panel;
  });
}

frmInfoDitta::frmInfoDitta(std::function<void()> mostraCalcolatrice)
    : SmallWindow(at::kSize, QStringLiteral("Informazioni..."), QStringLiteral("frmInfoDitta")),
      mostraCalcolatrice_(std::move(mostraCalcolatrice)),
      background_(&SkinPanels::InfoPanelBackground) {
  Form_Load();
}

void frmInfoDitta::Form_Load() {
  // The outline from the panel's own run table; the help page's place is
  // worked out where it is opened.
  setMask(RegionOfRuns(InfoPanelRuns()));
  logo_ = new Logo(this);
  ditta_ = AddText(*this, at::kDitta, {});
  info_ = AddText(*this, at::kInfo, {});
  image1_ = new PictureButton(this, *this, PictureButton::Acts::OnAnyRelease, 1,
                              SkinPanels::InfoCloseRect(), QStringLiteral("Image1"),
                              QStringLiteral("Chiudi"), QStringLiteral("Chiudi"));
  Loader();
}

void frmInfoDitta::Loader() {
  auto* logo = static_cast<Logo*>(logo_);
  if (!IsInfoOn(LeggiIni(kSection, kInfo))) {
    SetFittedText(*ditta_, ToQString(kProductName));
    SetFittedLines(*info_,
                   QStringList{QStringLiteral("Questo spazio è a vostra disposizione."),
                               QStringLiteral("Potete personalizzarlo con informazioni personali o "
                                              "inerenti la vostra ditta."),
                               QString(), ToQString(kMakersLine),
                               QStringLiteral("vi augurano buon lavoro."), QString()});
    logo->Show(true, {});
    return;
  }
  // A picture that is missing or cannot be read shows no logo.
  QPixmap picture;
  const std::string stored = LeggiIni(kSection, kLogoPic);
  if (!stored.empty()) picture.load(QString::fromStdString(PicturePath(stored)));
  logo->Show(false, picture);
  SetFittedText(*ditta_, Setting(kLogoNome));
  QStringList lines;
  for (std::string_view key : kInfoLines) lines << Setting(key);
  SetFittedLines(*info_, lines);
}

void frmInfoDitta::showEvent(QShowEvent* event) {
  SmallWindow::showEvent(event);
  ApplyDeviceOutline(*this, InfoPanelRuns());
}

void frmInfoDitta::paintEvent(QPaintEvent*) {
  QPainter p(this);
  background_.Paint(p, *this);
  SkinPanels::PaintInfoClose(p, image1_->Down());
}

void frmInfoDitta::ButtonActivated(PictureButton&) { CloseAsButton(); }

void frmInfoDitta::OnClose() {
  // Whatever opened the panel, its close brings the calculator back.
  if (mostraCalcolatrice_) mostraCalcolatrice_();
}

}  // namespace numerina::ui
