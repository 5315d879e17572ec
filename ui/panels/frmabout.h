// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// frmAbout: the about box. The program's name, icon and version, the
// makers' line, the licence, a small banner and a button that opens the
// configuration dialog. Opened from the toolbar (the calculator hidden,
// AperturaDaBarra set) or from the tray (flag cleared); its close shows the
// calculator again only in the first case. Its texts are labels with their
// design names; Image3 is the close cross, Image4 the configuration button.

#include <functional>

#include "ui/widgets/cachedbackground.h"
#include "ui/widgets/picturebutton.h"
#include "ui/widgets/smallwindow.h"

namespace numerina::ui {

class frmAbout : public SmallWindow {
  Q_OBJECT

 public:
  // Opens the box, or raises the open one. mostraCalcolatrice shows the
  // main window (creating it again if it was unloaded); apriConfigurazione
  // opens the configuration dialog.
  static frmAbout* Apri(std::function<void()> mostraCalcolatrice,
                        std::function<void()> apriConfigurazione);
  static frmAbout* Aperto() { return open_.Get(); }

 protected:
  void OnClose() override;
  void paintEvent(QPaintEvent* event) override;

 private:
  frmAbout(std::function<void()> mostraCalcolatrice, std::function<void()> apriConfigurazione);
  void Form_Load();
  // "Versione " and the program's major, minor and revision numbers.
  static QString VersionText();

  // PictureButton::Handler: Image3_MouseDown/Up, Image4_MouseDown/Up.
  void ButtonActivated(PictureButton& button) override;

  static inline OpenWindow<frmAbout> open_;

  std::function<void()> mostraCalcolatrice_;
  std::function<void()> apriConfigurazione_;
  PictureButton* image3_ = nullptr;
  PictureButton* image4_ = nullptr;
  CachedBackground background_;
};

}  // namespace numerina::ui
