// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/panels/frmabout.h"

#include <QPainter>

#include "ui/skin/skin.h"
#include "ui/skin/skin_panels.h"
#include "ui/widgets/aperturadabarra.h"
#include "ui/widgets/pressspot.h"

namespace numerina::ui {
namespace {

constexpr QRect kIconRect(11, 21, 32, 32);

}  // namespace

frmAbout* frmAbout::Apri(std::function<void()> mostraCalcolatrice,
                         std::function<void()> apriConfigurazione) {
  if (open_ && !open_->Unloading()) {
    RaiseOpen(*open_);
    return open_;
  }
  open_ = new frmAbout(std::move(mostraCalcolatrice), std::move(apriConfigurazione));
  open_->ShowCentred();
  return open_;
}

QString frmAbout::VersionText() {
  return QStringLiteral("Versione %1.%2.%3")
      .arg(NUMERINA_VERSION_MAJOR)
      .arg(NUMERINA_VERSION_MINOR)
      .arg(NUMERINA_VERSION_PATCH);
}

frmAbout::frmAbout(std::function<void()> mostraCalcolatrice,
                   std::function<void()> apriConfigurazione)
    : SmallWindow(QSize(306, 184), QStringLiteral("Informazioni su Numerina DeskTop")),
      mostraCalcolatrice_(std::move(mostraCalcolatrice)),
      apriConfigurazione_(std::move(apriConfigurazione)) {
  setObjectName(QStringLiteral("frmAbout"));
  Form_Load();
}

void frmAbout::Form_Load() {
  constexpr int left = Qt::AlignLeft | Qt::AlignVCenter, centre = Qt::AlignCenter;
  // The version and the licence line are wider than their design places
  // (44 and 177 pixels): they get the room to their right, or both sides,
  // so that nothing is cut off.
  texts_ = {
      {"lblTitle", QRect(60, 27, 140, 15), QStringLiteral(" Numerina DeskTop"), 13, true, left},
      {"lblVersion", QRect(200, 27, 98, 15), VersionText(), 11, false, left},
      {"Label1", QRect(115, 45, 180, 13), QStringLiteral("Realizzato con Qt 6"), 11, false, left},
      {"Label4", QRect(25, 60, 270, 15), QStringLiteral("Gli autori di Numerina Desktop"), 11, true,
       left},
      {"lblDescription", QRect(-21, 115, 347, 14),
       QStringLiteral("Applicazione desktop per Linux."), 11, false, centre},
      {"Label2", QRect(7, 127, 291, 14),
       QStringLiteral("Software libero: GNU GPL versione 3 o successiva"), 11, false, centre},
  };
  image3_ = new PressSpot(this, SkinPanels::AboutCloseRect(), QStringLiteral("Chiudi"),
                          QStringLiteral("Chiudi"));
  image3_->setObjectName(QStringLiteral("Image3"));
  image3_->onPressed = [this] { Image3_MouseDown(); };
  image3_->onReleased = [this] { Image3_MouseUp(); };
  // Image4 and the caption Label8 over it act as one button.
  image4_ =
      new PressSpot(this, SkinPanels::AboutButtonRect(), QStringLiteral("Configurazione"), {});
  image4_->setObjectName(QStringLiteral("Image4"));
  image4_->onPressed = [this] { Image4_MouseDown(); };
  image4_->onReleased = [this] { Image4_MouseUp(); };
}

QString frmAbout::Label(const char* name) const {
  for (const Text& t : texts_)
    if (qstrcmp(t.name, name) == 0) return t.text;
  return {};
}

void frmAbout::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const qreal dpr = devicePixelRatioF();
  if (background_.isNull() || background_.devicePixelRatio() != dpr)
    background_ = SkinPanels::AboutBackground(dpr);
  p.drawPixmap(0, 0, background_);
  p.drawPixmap(kIconRect, Skin::AppIcon().pixmap(kIconRect.size(), dpr));
  for (const Text& t : texts_) {
    QFont f(QString::fromLatin1(t.px == 13 ? "Arial" : "MS Sans Serif"));
    f.setPixelSize(t.px);
    f.setBold(t.bold);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(t.rect, t.align | Qt::TextSingleLine, t.text);
  }
  // Image2: the banner, a picture only (no link).
  const QRect banner = SkinPanels::AboutBannerRect();
  p.fillRect(banner, Palette::Body());
  Skin::PaintLogo(p, banner.adjusted(6, 0, 0, 0));
  SkinPanels::PaintAboutClose(p, closeDown_);
  SkinPanels::PaintAboutButton(p, buttonDown_);
}

void frmAbout::Image3_MouseDown() {
  closeDown_ = true;
  update(SkinPanels::AboutCloseRect());
}

void frmAbout::Image3_MouseUp() {
  closeDown_ = false;
  CloseAsButton();
}

void frmAbout::Image4_MouseDown() {
  buttonDown_ = true;
  update(SkinPanels::AboutButtonRect());
}

void frmAbout::Image4_MouseUp() {
  buttonDown_ = false;
  Unload();
  if (open_ == this) open_ = nullptr;
  // AperturaDaBarra keeps its value: a dialog reached from the toolbar's
  // box brings the calculator back when it closes.
  if (apriConfigurazione_) apriConfigurazione_();
}

void frmAbout::CloseAsButton() {
  Unload();
  if (open_ == this) open_ = nullptr;
  if (AperturaDaBarra && mostraCalcolatrice_) mostraCalcolatrice_();
}

}  // namespace numerina::ui
