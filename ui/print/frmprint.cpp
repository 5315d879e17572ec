// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/print/frmprint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QRadioButton>
#include <QScreen>

#include <cmath>

#include "ui/skin/skin_print.h"

namespace numerina::ui {
namespace {

QPointer<FrmPrint>& OpenDialog() {
  static QPointer<FrmPrint> dialog;
  return dialog;
}

// The outline of CreateRoundRectRgn(0, 0, w, h, 20, 20): corners cut on
// quarter ellipses 20 pixels wide and high.
QRegion RoundedOutline(int w, int h, int corner) {
  const qreal r = corner / 2.0;
  QRegion region(0, static_cast<int>(r), w, h - 2 * static_cast<int>(r));
  for (int i = 0; i < static_cast<int>(r); ++i) {
    const qreal dy = r - (i + 0.5);
    const int inset = qRound(r - std::sqrt(r * r - dy * dy));
    region += QRegion(inset, i, w - 2 * inset, 1);
    region += QRegion(inset, h - 1 - i, w - 2 * inset, 1);
  }
  return region;
}

QLabel* Caption(QWidget* parent, const QString& text, const QRect& over) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(over);
  label->setAlignment(Qt::AlignCenter);
  // The press goes through to the picture button below.
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  QPalette pal = label->palette();
  pal.setColor(QPalette::WindowText, PrintSkin::Caption());
  label->setPalette(pal);
  return label;
}

}  // namespace

// ---- imgOk, imgCancel ----

PrintDialogButton::PrintDialogButton(QWidget* parent, const QRect& geometry, const QString& name)
    : QAbstractButton(parent) {
  setGeometry(geometry);
  setFocusPolicy(Qt::NoFocus);
  setAccessibleName(name);
  setText(name);
}

void PrintDialogButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawPixmap(0, 0, PrintSkin::Button(isDown(), devicePixelRatioF()));
}

void PrintDialogButton::mousePressEvent(QMouseEvent* event) {
  // Any mouse button; a second one while the first is held is ignored.
  event->accept();
  if (held_ != Qt::NoButton) return;
  held_ = event->button();
  setDown(true);
}

void PrintDialogButton::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != held_) return;
  held_ = Qt::NoButton;
  setDown(false);
  // The release belongs to the button that was pressed, wherever it is.
  click();
}

void PrintDialogButton::hideEvent(QHideEvent* event) {
  QAbstractButton::hideEvent(event);
  held_ = Qt::NoButton;
  setDown(false);
}

// ---- frmPrint ----

FrmPrint* FrmPrint::Open(QWidget* over, OkAction onOk) {
  if (FrmPrint* open = OpenDialog()) {
    open->show();
    open->raise();
    open->activateWindow();
    return open;
  }
  auto* dialog = new FrmPrint(std::move(onOk));
  OpenDialog() = dialog;
  QScreen* screen = over ? over->screen() : nullptr;
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (screen) {
    const QRect area = screen->availableGeometry();
    dialog->move(area.center() - QPoint(kWidth / 2, kHeight / 2));
  }
  dialog->show();
  dialog->activateWindow();
  dialog->option(0).setFocus();
  return dialog;
}

FrmPrint* FrmPrint::Current() { return OpenDialog(); }

FrmPrint::FrmPrint(OkAction onOk)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      onOk_(std::move(onOk)) {
  setObjectName(QStringLiteral("frmPrint"));
  setWindowTitle(QStringLiteral("Stampa report"));
  setAccessibleName(QStringLiteral("Stampa report"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(kWidth, kHeight);
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(11);  // 8.25 points at 96 dpi
  setFont(font);

  frame1_ = new QGroupBox(QStringLiteral("Invia stampa a:"), this);
  frame1_->setObjectName(QStringLiteral("Frame1"));
  frame1_->setGeometry(13, 7, 137, 69);
  frame1_->setAccessibleName(QStringLiteral("Invia stampa a:"));
  option_[0] = new QRadioButton(QStringLiteral("Stampante"), frame1_);
  option_[0]->setGeometry(47, 18, 81, 16);
  option_[1] = new QRadioButton(QStringLiteral("File di testo"), frame1_);
  option_[1]->setGeometry(47, 41, 83, 23);
  for (int i = 0; i < 2; ++i) {
    option_[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
    option_[i]->setAccessibleName(option_[i]->text());
  }
  option_[0]->setChecked(true);
  image1_ = new QLabel(frame1_);
  image1_->setObjectName(QStringLiteral("Image1"));
  image1_->setGeometry(10, 18, PrintSkin::kIconWidth, PrintSkin::kIconHeight);
  image1_->setAccessibleName(QStringLiteral("Icona stampante"));
  image2_ = new QLabel(frame1_);
  image2_->setObjectName(QStringLiteral("Image2"));
  image2_->setGeometry(10, 41, PrintSkin::kIconWidth, PrintSkin::kIconHeight);
  image2_->setAccessibleName(QStringLiteral("Icona file di testo"));

  const QSize button(PrintSkin::kButtonWidth, PrintSkin::kButtonHeight);
  imgOk_ = new PrintDialogButton(this, QRect(QPoint(21, 83), button), QStringLiteral("Ok"));
  imgOk_->setObjectName(QStringLiteral("imgOk"));
  imgCancel_ =
      new PrintDialogButton(this, QRect(QPoint(86, 83), button), QStringLiteral("Annulla"));
  imgCancel_->setObjectName(QStringLiteral("imgCancel"));
  // The captions stand centred over the pictures (the button's rectangle,
  // one pixel up for the cap's front edge).
  Caption(this, QStringLiteral("Ok"), imgOk_->geometry().adjusted(0, 0, -1, -2))
      ->setObjectName(QStringLiteral("Label1"));
  Caption(this, QStringLiteral("Annulla"), imgCancel_->geometry().adjusted(0, 0, -1, -2))
      ->setObjectName(QStringLiteral("Label2"));
  connect(imgOk_, &QAbstractButton::clicked, this, &FrmPrint::OkClicked);
  connect(imgCancel_, &QAbstractButton::clicked, this, &FrmPrint::CancelClicked);
  Form_Load();
}

void FrmPrint::Form_Load() {
  // Above other windows (the window flag); one background colour for the
  // dialog, and through the palette for its frame and option buttons; the
  // rounded outline.
  QPalette pal = palette();
  pal.setColor(QPalette::Window, PrintSkin::Background());
  pal.setColor(QPalette::Button, PrintSkin::Background());
  setPalette(pal);
  ApplyIcons();
  setMask(RoundedOutline(kWidth, kHeight, 20));
}

void FrmPrint::ApplyIcons() {
  const qreal dpr = devicePixelRatioF();
  image1_->setPixmap(PrintSkin::PrinterIcon(dpr));
  image2_->setPixmap(PrintSkin::TextFileIcon(dpr));
}

FrmPrint::Choice FrmPrint::Selected() const {
  return option_[1]->isChecked() ? Choice::FileDiTesto : Choice::Stampante;
}

void FrmPrint::OkClicked() {
  const Choice choice = Selected();
  const OkAction action = onOk_;
  close();
  // Gone from the screen before the output starts. The dialog itself is
  // deleted later: nothing below touches it.
  QCoreApplication::processEvents();
  if (action) action(choice);
}

void FrmPrint::CancelClicked() { close(); }

void FrmPrint::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: OkClicked(); return;
    case Qt::Key_Escape: CancelClicked(); return;
    default: QWidget::keyPressEvent(event);
  }
}

bool FrmPrint::event(QEvent* event) {
  if (event->type() == QEvent::ScreenChangeInternal) ApplyIcons();
  return QWidget::event(event);
}

void FrmPrint::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), PrintSkin::Background());
  // A thin edge along the rounded outline.
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(PrintSkin::Outline(), 1));
  p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 9.5, 9.5);
}

}  // namespace numerina::ui
