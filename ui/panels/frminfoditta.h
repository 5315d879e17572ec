// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// frmInfoDitta: the company information panel. A shaped 300 x 231 panel
// with a logo, a company name and nine lines of text, either built in or
// the user's own (setting "Info" = "1"). It reads the settings at each
// opening; its close button discards it and shows the calculator again.
// The name and the text are the labels lblDitta and lblInfo, the logo the
// picture imgLogo (hidden when there is none), the close cross Image1.

#include <QPixmap>

#include <functional>

#include "ui/widgets/cachedbackground.h"
#include "ui/widgets/picturebutton.h"
#include "ui/widgets/smallwindow.h"

class QLabel;

namespace numerina::ui {

class frmInfoDitta : public SmallWindow {
  Q_OBJECT

 public:
  // Opens the panel, or raises the open one. mostraCalcolatrice shows the
  // main window (creating it again if it was unloaded).
  static frmInfoDitta* Apri(std::function<void()> mostraCalcolatrice);
  static frmInfoDitta* Aperto() { return open_.Get(); }

 protected:
  void OnClose() override;
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  explicit frmInfoDitta(std::function<void()> mostraCalcolatrice);
  void Form_Load();
  void Loader();

  // PictureButton::Handler: Image1_MouseDown and Image1_MouseUp.
  void ButtonActivated(PictureButton& button) override;

  static inline OpenWindow<frmInfoDitta> open_;

  std::function<void()> mostraCalcolatrice_;
  PictureButton* image1_ = nullptr;
  QLabel* ditta_ = nullptr;
  QLabel* info_ = nullptr;
  QWidget* logo_ = nullptr;
  CachedBackground background_;
};

}  // namespace numerina::ui
