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
#include <QMessageBox>
#include <QPainter>
#include <QScreen>

#include "config/confdialog.h"
#include "config/ini.h"
#include "ui/skin/skin.h"
#include "ui/skin/text.h"
#include "ui/widgets/aperturadabarra.h"

namespace numerina::ui {
namespace {

QPointer<frmConfig>& OpenDialog() {
  static QPointer<frmConfig> open;
  return open;
}

std::string Std(const QString& s) { return s.toUtf8().toStdString(); }
}  // namespace

frmConfig* frmConfig::Apri(std::function<void()> mostraCalcolatrice) {
  frmConfig* dialog = OpenDialog();
  // One that has closed and waits for its deletion is not reopened.
  if (dialog && dialog->closing_) dialog = nullptr;
  if (dialog) {
    if (mostraCalcolatrice) dialog->mostraCalcolatrice_ = std::move(mostraCalcolatrice);
  } else {
    dialog = new frmConfig(std::move(mostraCalcolatrice));
    OpenDialog() = dialog;
  }
  dialog->show();
  dialog->raise();
  dialog->activateWindow();
  return dialog;
}

frmConfig* frmConfig::Aperto() { return OpenDialog(); }

frmConfig::frmConfig(std::function<void()> mostraCalcolatrice)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      mostraCalcolatrice_(std::move(mostraCalcolatrice)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Configurazione Numerina"));
  setWindowIcon(Skin::AppIcon());
  setFixedSize(kWidth, kHeight);
  setMask(Skin::ConfigOutline());
  // The canvas paints every pixel; nothing is to be cleared first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - QPoint(kWidth / 2, kHeight / 2));
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
    hide();
    const auto answer =
        QMessageBox::question(nullptr, QStringLiteral("Numerna"),
                              QStringLiteral("Vuoi ripristinare la configurazione originaria?"),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    show();
    raise();
    activateWindow();
    if (answer != QMessageBox::Yes) return;
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

void frmConfig::Chiudi() { close(); }

void frmConfig::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  if (closing_) return;
  closing_ = true;
  // A row still open in the editor keeps its earlier text, as a click
  // elsewhere would have left it.
  if (inModifica_) {
    Revert();
    ModificaRiga(false);
  }
  SalvaImpostazioni();
  hide();
  if (AperturaDaBarra && mostraCalcolatrice_) mostraCalcolatrice_();
}

void frmConfig::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    Chiudi();
    return;
  }
  QWidget::keyPressEvent(event);
}

// ---- Picture buttons ------------------------------------------------------

void frmConfig::ButtonPressed(PictureButton& button, Qt::MouseButton mouse) {
  if (mouse != Qt::LeftButton) return;
  (&button == image1_ ? image1Down_ : image2Down_) = true;
  update(button.geometry());
}

void frmConfig::ButtonReleased(PictureButton& button, Qt::MouseButton mouse, bool inside) {
  if (mouse != Qt::LeftButton) return;
  bool& down = &button == image1_ ? image1Down_ : image2Down_;
  if (!down) return;
  down = false;
  update(button.geometry());
  if (inside) ButtonActivated(button);
}

void frmConfig::ButtonActivated(PictureButton& button) {
  if (&button == image1_)
    Chiudi();
  else
    RipristinaImpostazioni();
}

// ---- Canvas and moving -------------------------------------------------------

void frmConfig::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const qreal dpr = devicePixelRatioF();
  if (background_.isNull() || background_.devicePixelRatio() != dpr) {
    background_ = QPixmap(QSize(kWidth, kHeight) * dpr);
    background_.setDevicePixelRatio(dpr);
    QPainter bp(&background_);
    const QRect header = infoCaptions_[0]->geometry();
    Skin::PaintConfigBackground(bp, chkInfo_->x() - 3, header.x() + header.width() + 1);
  }
  p.drawPixmap(0, 0, background_);
  Skin::PaintConfigButton(p, Skin::ConfigButton::Close, image1Down_, image1_->hasFocus());
  Skin::PaintConfigButton(p, Skin::ConfigButton::Ripristina, image2Down_, image2_->hasFocus());
  if (!painted_) {
    painted_ = true;
    emit Dipinto();
  }
}

void frmConfig::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  // The body moves the window, as the calculator's does.
  dragging_ = true;
  dragOffset_ = event->globalPosition().toPoint() - pos();
}

void frmConfig::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) move(event->globalPosition().toPoint() - dragOffset_);
}

void frmConfig::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) dragging_ = false;
}

}  // namespace numerina::ui
