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
#include <QRadioButton>
#include <QScreen>

#include <cmath>

#include "ui/skin/layout_print.h"
#include "ui/skin/skin_print.h"
#include "ui/skin/text.h"

namespace numerina::ui {
namespace {

namespace at = layout::print;

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

// ---- frmPrint ----

FrmPrint* FrmPrint::Open(QWidget* over, OkAction onOk) {
  return open_.OpenOrRaise([&] {
    auto* dialog = new FrmPrint(std::move(onOk));
    QScreen* screen = over ? over->screen() : nullptr;
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (screen) {
      const QRect area = screen->availableGeometry();
      dialog->move(area.center() - QPoint(kWidth / 2, kHeight / 2));
    }
    dialog->show();
    dialog->activateWindow();
    dialog->option_[0]->setFocus();
    return dialog;
  });
}

FrmPrint::FrmPrint(OkAction onOk)
    : SmallWindow(QSize(kWidth, kHeight), QStringLiteral("Stampa report"),
                  QStringLiteral("frmPrint")),
      onOk_(std::move(onOk)) {
  setAccessibleName(QStringLiteral("Stampa report"));
  QFont font(ToQString(at::kFontFamily));
  font.setPixelSize(at::kFontPx);
  setFont(font);

  frame1_ = new QGroupBox(QStringLiteral("Invia stampa a:"), this);
  frame1_->setObjectName(QStringLiteral("Frame1"));
  frame1_->setGeometry(at::kFrame1);
  frame1_->setAccessibleName(QStringLiteral("Invia stampa a:"));
  option_[0] = new QRadioButton(QStringLiteral("Stampante"), frame1_);
  option_[0]->setGeometry(at::kOption0);
  option_[1] = new QRadioButton(QStringLiteral("File di testo"), frame1_);
  option_[1]->setGeometry(at::kOption1);
  for (int i = 0; i < 2; ++i) {
    option_[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
    option_[i]->setAccessibleName(option_[i]->text());
  }
  option_[0]->setChecked(true);
  image1_ = new QLabel(frame1_);
  image1_->setObjectName(QStringLiteral("Image1"));
  image1_->setGeometry(QRect(at::kImage1, QSize(PrintSkin::kIconWidth, PrintSkin::kIconHeight)));
  image1_->setAccessibleName(QStringLiteral("Icona stampante"));
  image2_ = new QLabel(frame1_);
  image2_->setObjectName(QStringLiteral("Image2"));
  image2_->setGeometry(QRect(at::kImage2, QSize(PrintSkin::kIconWidth, PrintSkin::kIconHeight)));
  image2_->setAccessibleName(QStringLiteral("Icona file di testo"));

  const QSize button(PrintSkin::kButtonWidth, PrintSkin::kButtonHeight);
  imgOk_ = new PictureButton(this, *this, PictureButton::Acts::OnAnyRelease, 0,
                             QRect(at::kImgOk, button), QStringLiteral("imgOk"),
                             QStringLiteral("Ok"), {});
  imgCancel_ = new PictureButton(this, *this, PictureButton::Acts::OnAnyRelease, 1,
                                 QRect(at::kImgCancel, button), QStringLiteral("imgCancel"),
                                 QStringLiteral("Annulla"), {});
  // The captions' arrow cursor, as over the rest of the dialog.
  for (PictureButton* b : {imgOk_, imgCancel_}) b->unsetCursor();
  // The captions stand centred over the pictures (the button's rectangle,
  // one pixel up for the cap's front edge).
  Caption(this, QStringLiteral("Ok"), imgOk_->geometry().adjusted(0, 0, -1, -2))
      ->setObjectName(QStringLiteral("Label1"));
  Caption(this, QStringLiteral("Annulla"), imgCancel_->geometry().adjusted(0, 0, -1, -2))
      ->setObjectName(QStringLiteral("Label2"));
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
  setMask(RoundedOutline(kWidth, kHeight, at::kCorner));
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

void FrmPrint::ButtonActivated(PictureButton& button) {
  if (&button == imgOk_)
    OkClicked();
  else
    CloseAsButton();  // Annulla
}

void FrmPrint::keyPressEvent(QKeyEvent* event) {
  // Escape is the base's: the close, as Annulla.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    OkClicked();
    return;
  }
  SmallWindow::keyPressEvent(event);
}

bool FrmPrint::event(QEvent* event) {
  if (event->type() == QEvent::ScreenChangeInternal) ApplyIcons();
  return SmallWindow::event(event);
}

void FrmPrint::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), PrintSkin::Background());
  // A thin edge along the rounded outline.
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(PrintSkin::Outline(), 1));
  p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), at::kEdgeRadius,
                    at::kEdgeRadius);
  p.setRenderHint(QPainter::Antialiasing, false);
  const qreal dpr = devicePixelRatioF();
  for (PictureButton* b : {imgOk_, imgCancel_})
    p.drawPixmap(b->pos(), PrintSkin::Button(b->Down(), dpr));
}

}  // namespace numerina::ui
