// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/panels/frmabout.h"

#include <QLabel>
#include <QPainter>

#include "base/product.h"
#include "ui/skin/layout_panels.h"
#include "ui/skin/skin.h"
#include "ui/skin/skin_panels.h"
#include "ui/skin/text.h"
#include "ui/widgets/aperturadabarra.h"

namespace numerina::ui {

namespace at = layout::about;

frmAbout* frmAbout::Apri(std::function<void()> mostraCalcolatrice,
                         std::function<void()> apriConfigurazione) {
  return open_.OpenOrRaise([&] {
    auto* box = new frmAbout(std::move(mostraCalcolatrice), std::move(apriConfigurazione));
    box->ShowCentred();
    return box;
  });
}

QString frmAbout::VersionText() {
  return QStringLiteral("Versione %1.%2.%3")
      .arg(NUMERINA_VERSION_MAJOR)
      .arg(NUMERINA_VERSION_MINOR)
      .arg(NUMERINA_VERSION_PATCH);
}

frmAbout::frmAbout(std::function<void()> mostraCalcolatrice,
                   std::function<void()> apriConfigurazione)
    : SmallWindow(at::kSize, QStringLiteral("Informazioni su ") + ToQString(kAboutProductName),
                  QStringLiteral("frmAbout")),
      mostraCalcolatrice_(std::move(mostraCalcolatrice)),
      apriConfigurazione_(std::move(apriConfigurazione)),
      background_(&SkinPanels::AboutBackground) {
  Form_Load();
}

void frmAbout::Form_Load() {
  AddText(*this, at::kTitle, QLatin1Char(' ') + ToQString(kAboutProductName));
  AddText(*this, at::kVersion, VersionText());
  AddText(*this, at::kLabel1, QStringLiteral("Realizzato con Qt 6"));
  AddText(*this, at::kLabel4, ToQString(kMakersLine));
  AddText(*this, at::kDescription, QStringLiteral("Applicazione desktop per Linux."));
  AddText(*this, at::kLabel2, QStringLiteral("Software libero: GNU GPL versione 3 o successiva"));
  // Both act on the release of any mouse button, wherever it happens.
  image3_ = new PictureButton(this, *this, PictureButton::Acts::OnAnyRelease, 3,
                              SkinPanels::AboutCloseRect(), QStringLiteral("Image3"),
                              QStringLiteral("Chiudi"), QStringLiteral("Chiudi"));
  // Image4 and the caption Label8 over it act as one button.
  image4_ = new PictureButton(this, *this, PictureButton::Acts::OnAnyRelease, 4,
                              SkinPanels::AboutButtonRect(), QStringLiteral("Image4"),
                              QStringLiteral("Configurazione"), {});
}

void frmAbout::paintEvent(QPaintEvent*) {
  QPainter p(this);
  background_.Paint(p, *this);
  p.drawPixmap(at::kIcon, Skin::AppIcon().pixmap(at::kIcon.size(), devicePixelRatioF()));
  // Image2: the banner, a picture only (no link).
  const QRect banner = SkinPanels::AboutBannerRect();
  p.fillRect(banner, Palette::Body());
  Skin::PaintLogo(p, banner.adjusted(at::kLogoInset, 0, 0, 0));
  SkinPanels::PaintAboutClose(p, image3_->Down());
  SkinPanels::PaintAboutButton(p, image4_->Down());
}

void frmAbout::ButtonActivated(PictureButton& button) {
  if (&button == image3_) {
    CloseAsButton();
    return;
  }
  Unload();
  // AperturaDaBarra keeps its value: a dialog reached from the toolbar's
  // box brings the calculator back when it closes.
  if (apriConfigurazione_) apriConfigurazione_();
}

void frmAbout::OnClose() {
  if (AperturaDaBarra && mostraCalcolatrice_) mostraCalcolatrice_();
}

}  // namespace numerina::ui
