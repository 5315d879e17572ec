// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// frmGuida: the help page in the program's own small window, for a desktop
// where no browser can be started. A page browser in the calculator's
// housing, above the other windows; its links move within the page, a link
// to another site goes to the desktop's browser. One at a time: opening it
// again raises it.

#include "ui/widgets/cachedbackground.h"
#include "ui/widgets/picturebutton.h"
#include "ui/widgets/smallwindow.h"

class QTextBrowser;

namespace numerina::ui {

class frmGuida : public SmallWindow {
  Q_OBJECT

 public:
  // Opens the page at path, or raises the open window.
  static frmGuida* Apri(const QString& path);
  static frmGuida* Aperto() { return open_.Get(); }

  QTextBrowser& browser() { return *browser_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void ButtonActivated(PictureButton& button) override;

 private:
  explicit frmGuida(const QString& path);

  static inline OpenWindow<frmGuida> open_;

  QTextBrowser* browser_ = nullptr;
  PictureButton* close_ = nullptr;
  CachedBackground background_;
};

}  // namespace numerina::ui
