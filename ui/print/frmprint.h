// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// frmPrint: the small rounded dialog that sends the report to the printer
// or to a text file. Not modal, above other windows, centred on the screen;
// at most one exists, and opening it again raises it. Its choice is not
// kept: every opening starts at "Stampante". Its controls carry their
// design names: Option1_0 and Option1_1, imgOk and imgCancel (which act on
// the release of any mouse button, wherever it happens).

#include <functional>

#include "ui/widgets/picturebutton.h"
#include "ui/widgets/smallwindow.h"

class QLabel;
class QGroupBox;
class QRadioButton;

namespace numerina::ui {

class FrmPrint : public SmallWindow {
  Q_OBJECT

 public:
  enum class Choice { Stampante, FileDiTesto };
  using OkAction = std::function<void(Choice)>;

  static constexpr int kWidth = 161, kHeight = 114;  // 2415 x 1710 twips

  // Opens the dialog, or raises the one that is open. onOk runs after the
  // dialog has gone from the screen.
  static FrmPrint* Open(QWidget* over, OkAction onOk);
  // The open dialog, if any.
  static FrmPrint* Current() { return open_.Get(); }

 protected:
  void paintEvent(QPaintEvent*) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;

 private:
  explicit FrmPrint(OkAction onOk);
  void Form_Load();
  Choice Selected() const;
  void OkClicked();
  void ApplyIcons();

  // PictureButton::Handler: imgOk and imgCancel.
  void ButtonActivated(PictureButton& button) override;

  static inline OpenWindow<FrmPrint> open_;

  OkAction onOk_;
  QGroupBox* frame1_ = nullptr;
  QRadioButton* option_[2] = {};
  QLabel* image1_ = nullptr;
  QLabel* image2_ = nullptr;
  PictureButton* imgOk_ = nullptr;
  PictureButton* imgCancel_ = nullptr;
};

}  // namespace numerina::ui
