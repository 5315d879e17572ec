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
    const QSize size = builtIn ? SkinPanels::InfoBannerSize() : picture.size();
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
    else
      p.drawPixmap(whole_.topLeft(), picture_);
  }

 private:
  bool builtIn_ = true;
  QPixmap picture_;
  QRect whole_;
};

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
  info_->setWordWrap(true);
  image1_ = new PictureButton(this, *this, PictureButton::Acts::OnAnyRelease, 1,
                              SkinPanels::InfoCloseRect(), QStringLiteral("Image1"),
                              QStringLiteral("Chiudi"), QStringLiteral("Chiudi"));
  Loader();
}

void frmInfoDitta::Loader() {
  auto* logo = static_cast<Logo*>(logo_);
  if (!IsInfoOn(LeggiIni(kSection, kInfo))) {
    ditta_->setText(ToQString(kProductName));
    info_->setText(QStringList{QStringLiteral("Questo spazio è a vostra disposizione."),
                               QStringLiteral("Potete personalizzarlo con informazioni personali o "
                                              "inerenti la vostra ditta."),
                               QString(), ToQString(kMakersLine),
                               QStringLiteral("vi augurano buon lavoro."), QString()}
                       .join(QLatin1Char('\n')));
    logo->Show(true, {});
    return;
  }
  // A picture that is missing or cannot be read shows no logo.
  QPixmap picture;
  const std::string stored = LeggiIni(kSection, kLogoPic);
  if (!stored.empty()) picture.load(QString::fromStdString(PicturePath(stored)));
  logo->Show(false, picture);
  ditta_->setText(Setting(kLogoNome));
  QStringList lines;
  for (std::string_view key : kInfoLines) lines << Setting(key);
  info_->setText(lines.join(QLatin1Char('\n')));
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
