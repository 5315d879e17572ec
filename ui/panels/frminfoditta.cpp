// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/panels/frminfoditta.h"

#include <QPainter>

#include "config/ini.h"
#include "config/picture.h"
#include "config/settings.h"
#include "ui/skin/skin_panels.h"
#include "ui/widgets/outline.h"
#include "ui/widgets/pressspot.h"

namespace numerina::ui {
namespace {

constexpr int kWidth = 300, kHeight = 231;
constexpr int kLogoTop = 20;  // 300 twips
constexpr QRect kDittaRect(15, 73, 268, 20);
constexpr QRect kInfoRect(15, 95, 271, 117);

QString Setting(std::string_view key) { return QString::fromStdString(LeggiIni(kSection, key)); }

QFont DittaFont() {
  QFont f(QStringLiteral("MS Sans Serif"));
  f.setPixelSize(13);  // 9.75 points
  f.setBold(true);
  return f;
}

QFont InfoFont() {
  QFont f(QStringLiteral("MS Sans Serif"));
  f.setPixelSize(11);  // 8.25 points
  return f;
}

}  // namespace

frmInfoDitta* frmInfoDitta::Apri(std::function<void()> mostraCalcolatrice) {
  if (open_ && !open_->Unloading()) {
    RaiseOpen(*open_);
    return open_;
  }
  open_ = new frmInfoDitta(std::move(mostraCalcolatrice));
  open_->ShowCentred();
  return open_;
}

frmInfoDitta::frmInfoDitta(std::function<void()> mostraCalcolatrice)
    : SmallWindow(QSize(kWidth, kHeight), QStringLiteral("Informazioni...")),
      mostraCalcolatrice_(std::move(mostraCalcolatrice)) {
  setObjectName(QStringLiteral("frmInfoDitta"));
  Form_Load();
}

void frmInfoDitta::Form_Load() {
  // The outline from the panel's own run table; the help page's place is
  // worked out where it is opened.
  setMask(RegionOfRuns(InfoPanelRuns()));
  image1_ = new PressSpot(this, SkinPanels::InfoCloseRect(), QStringLiteral("Chiudi"),
                          QStringLiteral("Chiudi"));
  image1_->setObjectName(QStringLiteral("Image1"));
  image1_->onPressed = [this] { Image1_MouseDown(); };
  image1_->onReleased = [this] { Image1_MouseUp(); };
  Loader();
}

void frmInfoDitta::Loader() {
  if (!IsInfoOn(LeggiIni(kSection, kInfo))) {
    ditta_ = QStringLiteral("Numerina Desktop");
    info_ = QStringList{QStringLiteral("Questo spazio è a vostra disposizione."),
                        QStringLiteral("Potete personalizzarlo con informazioni personali o "
                                       "inerenti la vostra ditta."),
                        QString(),
                        QStringLiteral("Gli autori di Numerina Desktop"),
                        QStringLiteral("vi augurano buon lavoro."),
                        QString()}
                .join(QLatin1Char('\n'));
    logo_ = Logo::BuiltIn;
    logoRect_ = QRect(QPoint(0, kLogoTop), SkinPanels::InfoBannerSize());
  } else {
    // A picture that is missing or cannot be read shows no logo.
    picture_ = QPixmap();
    const std::string stored = LeggiIni(kSection, kLogoPic);
    if (!stored.empty()) picture_.load(QString::fromStdString(PicturePath(stored)));
    logo_ = picture_.isNull() ? Logo::None : Logo::Picture;
    logoRect_ = QRect(QPoint(0, kLogoTop), picture_.isNull() ? QSize() : picture_.size());
    ditta_ = Setting(kLogoNome);
    QStringList lines;
    for (std::string_view key : kInfoLines) lines << Setting(key);
    info_ = lines.join(QLatin1Char('\n'));
  }
  // Centred across the panel: half its width less half the logo's.
  logoRect_.moveLeft(kWidth / 2 - logoRect_.width() / 2);
}

void frmInfoDitta::showEvent(QShowEvent* event) {
  SmallWindow::showEvent(event);
  ApplyDeviceOutline(*this, InfoPanelRuns());
}

void frmInfoDitta::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const qreal dpr = devicePixelRatioF();
  if (background_.isNull() || background_.devicePixelRatio() != dpr)
    background_ = SkinPanels::InfoPanelBackground(dpr);
  p.drawPixmap(0, 0, background_);
  p.save();
  p.setClipRect(QRect(7, 19, 286, 205));
  if (logo_ == Logo::BuiltIn)
    SkinPanels::PaintInfoBanner(p, logoRect_.topLeft());
  else if (logo_ == Logo::Picture)
    p.drawPixmap(logoRect_.topLeft(), picture_);
  p.restore();
  p.setPen(Qt::black);
  p.setFont(DittaFont());
  p.drawText(kDittaRect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, ditta_);
  p.setFont(InfoFont());
  p.drawText(kInfoRect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, info_);
  if (closeDown_) {
    // Border style 1 while pressed: a one-pixel line around the cross.
    p.setPen(QPen(QColor(255, 255, 192), 1));
    p.drawRect(QRectF(SkinPanels::InfoCloseRect()).adjusted(0.5, 0.5, -0.5, -0.5));
  }
}

void frmInfoDitta::Image1_MouseDown() {
  closeDown_ = true;
  update(SkinPanels::InfoCloseRect());
}

void frmInfoDitta::Image1_MouseUp() {
  closeDown_ = false;
  CloseAsButton();
}

void frmInfoDitta::CloseAsButton() {
  // Whatever opened the panel, its close brings the calculator back.
  Unload();
  if (open_ == this) open_ = nullptr;
  if (mostraCalcolatrice_) mostraCalcolatrice_();
}

}  // namespace numerina::ui
