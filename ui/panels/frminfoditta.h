// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// frmInfoDitta: the company information panel. A shaped 300 x 231 panel
// with a logo, a company name and nine lines of text, either built in or
// the user's own (setting "Info" = "1"). It reads the settings at each
// opening; its close button discards it and shows the calculator again.

#include <QPixmap>
#include <QPointer>

#include <functional>

#include "ui/widgets/smallwindow.h"

namespace numerina::ui {

class PressSpot;

class frmInfoDitta : public SmallWindow {
  Q_OBJECT

 public:
  // Opens the panel, or raises the open one. mostraCalcolatrice shows the
  // main window (creating it again if it was unloaded).
  static frmInfoDitta* Apri(std::function<void()> mostraCalcolatrice);
  static frmInfoDitta* Aperto() { return open_; }

  // What the labels and the logo show, for tests.
  QString DittaText() const { return ditta_; }
  QString InfoText() const { return info_; }
  enum class Logo { None, BuiltIn, Picture };
  Logo LogoShown() const { return logo_; }
  QRect LogoRect() const { return logoRect_; }
  bool CloseLooksPressed() const { return closeDown_; }
  PressSpot& closeButton() { return *image1_; }

 protected:
  void CloseAsButton() override;
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  explicit frmInfoDitta(std::function<void()> mostraCalcolatrice);
  void Form_Load();
  void Loader();
  void Image1_MouseDown();
  void Image1_MouseUp();

  std::function<void()> mostraCalcolatrice_;
  PressSpot* image1_ = nullptr;
  QString ditta_;
  QString info_;
  Logo logo_ = Logo::BuiltIn;
  QPixmap picture_;
  QRect logoRect_;
  bool closeDown_ = false;
  QPixmap background_;

  static inline QPointer<frmInfoDitta> open_;
};

}  // namespace numerina::ui
