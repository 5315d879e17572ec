// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help/helpviewer.h"

#include <QLabel>
#include <QPainter>
#include <QTextBrowser>
#include <QUrl>

#include "base/product.h"
#include "ui/skin/fonts.h"
#include "ui/skin/skin.h"
#include "ui/skin/skin_help.h"
#include "ui/skin/text.h"

namespace numerina::ui {

frmGuida* frmGuida::Apri(const QString& path) {
  return open_.OpenOrRaise(
      [&] {
        auto* window = new frmGuida(path);
        window->ShowCentred();
        return window;
      },
      [&](frmGuida& open) { open.browser_->setSource(QUrl::fromLocalFile(path)); });
}

frmGuida::frmGuida(const QString& path)
    : SmallWindow(SkinHelp::Size(), QStringLiteral("Guida in linea - ") + ToQString(kProductName),
                  QStringLiteral("frmGuida")),
      background_(&SkinHelp::Background) {
  setWindowIcon(Skin::AppIcon());
  auto* title = new QLabel(windowTitle(), this);
  title->setObjectName(QStringLiteral("lblTitolo"));
  title->setGeometry(SkinHelp::TitleRect());
  title->setFont(fonts::HelpTitle());
  QPalette pal = title->palette();
  pal.setColor(QPalette::WindowText, Palette::Display());
  title->setPalette(pal);
  title->setAttribute(Qt::WA_TransparentForMouseEvents);

  close_ = new PictureButton(this, *this, PictureButton::Acts::OnAnyRelease, 1,
                             SkinHelp::CloseRect(), QStringLiteral("Image1"),
                             QStringLiteral("Chiudi"), QStringLiteral("Chiudi"));

  browser_ = new QTextBrowser(this);
  browser_->setObjectName(QStringLiteral("txtGuida"));
  browser_->setGeometry(SkinHelp::PageRect());
  browser_->setFrameShape(QFrame::NoFrame);
  // Links within the page move the view; a site outside goes to the
  // desktop's browser, if there is one.
  browser_->setOpenExternalLinks(true);
  browser_->setSource(QUrl::fromLocalFile(path));
  browser_->setFocus();
}

void frmGuida::paintEvent(QPaintEvent*) {
  QPainter p(this);
  background_.Paint(p, *this);
  if (close_->Down()) SkinHelp::PaintClose(p, true);
}

void frmGuida::ButtonActivated(PictureButton& button) {
  if (&button == close_) CloseAsButton();
}

}  // namespace numerina::ui
