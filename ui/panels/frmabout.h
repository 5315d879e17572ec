// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// frmAbout: the about box. The program's name, icon and version, the
// makers' line, the licence, a small banner and a button that opens the
// configuration dialog. Opened from the toolbar (the calculator hidden,
// AperturaDaBarra set) or from the tray (flag cleared); its close shows the
// calculator again only in the first case.

#include <QPixmap>
#include <QPointer>

#include <functional>
#include <vector>

#include "ui/widgets/smallwindow.h"

namespace numerina::ui {

class PressSpot;

class frmAbout : public SmallWindow {
  Q_OBJECT

 public:
  // Opens the box, or raises the open one. mostraCalcolatrice shows the
  // main window (creating it again if it was unloaded); apriConfigurazione
  // opens the configuration dialog.
  static frmAbout* Apri(std::function<void()> mostraCalcolatrice,
                        std::function<void()> apriConfigurazione);
  static frmAbout* Aperto() { return open_; }

  // "Versione " and the program's major, minor and revision numbers.
  static QString VersionText();

  QString Label(const char* name) const;  // the text a label shows, for tests
  PressSpot& closeButton() { return *image3_; }
  PressSpot& configButton() { return *image4_; }
  bool CloseLooksPressed() const { return closeDown_; }
  bool ButtonLooksPressed() const { return buttonDown_; }

 protected:
  void CloseAsButton() override;
  void paintEvent(QPaintEvent* event) override;

 private:
  frmAbout(std::function<void()> mostraCalcolatrice, std::function<void()> apriConfigurazione);
  void Form_Load();
  void Image3_MouseDown();
  void Image3_MouseUp();
  void Image4_MouseDown();
  void Image4_MouseUp();

  struct Text {
    const char* name;
    QRect rect;
    QString text;
    int px;
    bool bold;
    int align;
  };
  std::vector<Text> texts_;
  std::function<void()> mostraCalcolatrice_;
  std::function<void()> apriConfigurazione_;
  PressSpot* image3_ = nullptr;
  PressSpot* image4_ = nullptr;
  bool closeDown_ = false;
  bool buttonDown_ = false;
  QPixmap background_;

  static inline QPointer<frmAbout> open_;
};

}  // namespace numerina::ui
