// SPDX-License-Identifier: GPL-3.0-or-later
// frmConfig: opening, the settings in and out of the controls, the
// selection handlers, the picture buttons, the keyboard and every way of
// closing.

#include "ui/configdialog/frmconfig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QScreen>

#include "base/messages.h"
#include "config/confdialog.h"
#include "config/ini.h"
#include "ui/skin/layout_config.h"
#include "ui/skin/skin.h"
#include "ui/skin/text.h"
#include "ui/widgets/aperturadabarra.h"
#include "ui/widgets/messagebox.h"
#include "ui/widgets/windowmove.h"

namespace numerina::ui {
namespace {

std::string Std(const QString& s) { return s.toUtf8().toStdString(); }

}  // namespace

frmConfig* frmConfig::Apri(std::function<void()> mostraCalcolatrice, ChooseFile chooseFile) {
  return open_.OpenOrRaise(
      [&] {
        auto* dialog = new frmConfig(std::move(mostraCalcolatrice), std::move(chooseFile));
        dialog->show();
        dialog->raise();
        dialog->activateWindow();
        return dialog;
      },
      [&](frmConfig& open) {
        if (mostraCalcolatrice) open.mostraCalcolatrice_ = std::move(mostraCalcolatrice);
        if (chooseFile) open.chooseFile_ = std::move(chooseFile);
      });
}

frmConfig::frmConfig(std::function<void()> mostraCalcolatrice, ChooseFile chooseFile)
    : SmallWindow(QSize(kWidth, kHeight), ToQString(layout::config::kTitle),
                  QStringLiteral("frmConfig")),
      mostraCalcolatrice_(std::move(mostraCalcolatrice)),
      chooseFile_(std::move(chooseFile)),
      background_([this](qreal dpr) {
        QPixmap pm(QSize(kWidth, kHeight) * dpr);
        pm.setDevicePixelRatio(dpr);
        QPainter bp(&pm);
        const QRect header = infoCaptions_[0]->geometry();
        Skin::PaintConfigBackground(bp, chkInfo_->x() - 3, header.x() + header.width() + 1);
        return pm;
      }) {
  setWindowIcon(Skin::AppIcon());
  setMask(Skin::ConfigOutline());
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - QPoint(kWidth / 2, kHeight / 2));
  mover_ = new WindowMover(*this, {});
  BuildControls();
  PreparaControlli();
  CaricaImpostazioni();
}

frmConfig::~frmConfig() = default;

// ---- Settings in and out -------------------------------------------------

void frmConfig::CaricaImpostazioni() {
  const std::optional<ConfigValues> stored = LeggiImpostazioni();
  if (!stored) {
    AzzeraImpostazioni();
    chkPrimo_->setChecked(true);
    cboPic_->setCurrentIndex(0);
    cboNome_->setCurrentIndex(0);
    chkInfo_->setChecked(false);
    // The handlers run even where the selection stays (after a restore).
    cboPic_Click();
    cboNome_Click();
    chkInfo_Click();
    return;
  }
  const ConfigValues& v = *stored;
  chkPrimo_->setChecked(v.primoPiano);
  cboPic_->setCurrentIndex(v.bannerPos);
  SetPicturePath(lblPicture_, percorsoBanner_, ToQString(v.banner));
  cboNome_->setCurrentIndex(v.nomePos);
  cboNome_Click();
  txtNome_->setText(ToQString(v.nome));
  if (v.info) {
    chkInfo_->setChecked(true);
    SetPicturePath(lblPicInfo_, percorsoLogo_, ToQString(v.logoPic));
    txtInfo_->setText(ToQString(v.logoNome));
    for (int n = 0; n < lstMain_->count(); ++n)
      lstMain_->item(n)->setText(ToQString(v.lines[static_cast<std::size_t>(n)]));
  }
}

void frmConfig::SalvaImpostazioni() {
  ConfigValues v;
  v.primoPiano = chkPrimo_->isChecked();
  if (!lblPicture_->text().isEmpty()) {
    v.banner = Std(percorsoBanner_);
    v.bannerPos = cboPic_->currentIndex();
  }
  v.nome = Std(txtNome_->text());
  v.nomePos = cboNome_->currentIndex();
  v.info = chkInfo_->isChecked();
  v.logoPic = Std(percorsoLogo_);
  v.logoNome = Std(txtInfo_->text());
  for (int n = 0; n < lstMain_->count(); ++n)
    v.lines[static_cast<std::size_t>(n)] = Std(lstMain_->item(n)->text());
  numerina::SalvaImpostazioni(v);
}

void frmConfig::RipristinaImpostazioni() {
  // A row open in the editor is put back first: the reload may refill it.
  if (inModifica_) {
    Revert();
    ModificaRiga(false);
  }
  if (EsisteFile(SettingsFilePath())) {
    if (!ShowMessage(*this, MessageCode::RestoreQuestion)) return;
    // A file this user may not change is kept: the reload below then shows
    // it as it is.
    EliminaImpostazioni();
  }
  CaricaImpostazioni();
}

// ---- Selection handlers --------------------------------------------------

void frmConfig::cboPic_Click() {
  switch (cboPic_->currentIndex()) {
    case 1:
      lblpospic_->setText(QStringLiteral("A sinistra del pulsante Lire/Euro (max 113 x 27)"));
      break;
    case 2:
      lblpospic_->setText(QStringLiteral("In alto a sinistra della numerina  (max 75 x 17)"));
      break;
    default:
      lblpospic_->setText(QStringLiteral("Nessuna immagine caricata"));
      SetPicturePath(lblPicture_, percorsoBanner_, QString());
      break;
  }
  command1_->setEnabled(cboPic_->currentIndex() != 0);
}

void frmConfig::cboNome_Click() {
  switch (cboNome_->currentIndex()) {
    case 1: lblposnome_->setText(QStringLiteral("In alto a sinistra del report")); break;
    case 2: lblposnome_->setText(QStringLiteral("In basso a sinistra del report")); break;
    default:
      lblposnome_->setText(QStringLiteral("Nessuna nome caricato"));
      txtNome_->clear();
      break;
  }
  txtNome_->setEnabled(cboNome_->currentIndex() != 0);
}

void frmConfig::chkInfo_Click() {
  const bool on = chkInfo_->isChecked();
  const QColor text = on ? Qt::white : Qt::black;
  auto paint = [&](QLabel* label) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, text);
    label->setPalette(pal);
  };
  for (QLabel* label : infoCaptions_) paint(label);
  for (QLabel* label : lblnum_) paint(label);
  for (QWidget* w : {static_cast<QWidget*>(lblPicInfo_), command2_, static_cast<QWidget*>(txtInfo_),
                     static_cast<QWidget*>(lstMain_)})
    w->setEnabled(on);
}

// ---- Closing ---------------------------------------------------------------

void frmConfig::OnClose() {
  // A row still open in the editor keeps its earlier text, as a click
  // elsewhere would have left it.
  if (inModifica_) {
    Revert();
    ModificaRiga(false);
  }
  SalvaImpostazioni();
  if (AperturaDaBarra && mostraCalcolatrice_) mostraCalcolatrice_();
}

void frmConfig::keyPressEvent(QKeyEvent* event) {
  // Escape closes only alone; with a modifier it is no key of the dialog.
  if (event->key() == Qt::Key_Escape && event->modifiers() != Qt::NoModifier) {
    QWidget::keyPressEvent(event);
    return;
  }
  SmallWindow::keyPressEvent(event);
}

// ---- Picture buttons ------------------------------------------------------

void frmConfig::ButtonActivated(PictureButton& button) {
  if (&button == image1_)
    CloseAsButton();
  else
    RipristinaImpostazioni();
}

// ---- Canvas and moving -------------------------------------------------------

void frmConfig::paintEvent(QPaintEvent*) {
  QPainter p(this);
  background_.Paint(p, *this);
  Skin::PaintConfigButton(p, Skin::ConfigButton::Close, image1_->Down(), image1_->hasFocus());
  Skin::PaintConfigButton(p, Skin::ConfigButton::Ripristina, image2_->Down(), image2_->hasFocus());
  if (!painted_) {
    painted_ = true;
    emit Dipinto();
  }
}

// The body moves the window, as the calculator's does.
void frmConfig::mousePressEvent(QMouseEvent* event) { mover_->BodyPress(*event); }

void frmConfig::mouseMoveEvent(QMouseEvent* event) { mover_->BodyMove(*event); }

void frmConfig::mouseReleaseEvent(QMouseEvent* event) { mover_->BodyRelease(*event); }

}  // namespace numerina::ui
