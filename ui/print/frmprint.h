// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// frmPrint: the small rounded dialog that sends the report to the printer
// or to a text file. Not modal, above other windows, centred on the screen;
// at most one exists, and opening it again raises it. Its choice is not
// kept: every opening starts at "Stampante".

#include <QAbstractButton>
#include <QPixmap>
#include <QWidget>

#include <functional>

class QLabel;
class QGroupBox;
class QRadioButton;

namespace numerina::ui {

// imgOk and imgCancel: a picture button that acts on the release of the
// mouse button pressed on it, wherever the pointer is then.
class PrintDialogButton : public QAbstractButton {
  Q_OBJECT

 public:
  PrintDialogButton(QWidget* parent, const QRect& geometry, const QString& name);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent*) override {}
  void hideEvent(QHideEvent* event) override;

 private:
  Qt::MouseButton held_ = Qt::NoButton;
};

class FrmPrint : public QWidget {
  Q_OBJECT

 public:
  enum class Choice { Stampante, FileDiTesto };
  using OkAction = std::function<void(Choice)>;

  static constexpr int kWidth = 161, kHeight = 114;  // 2415 x 1710 twips

  // Opens the dialog, or raises the one that is open. onOk runs after the
  // dialog has gone from the screen.
  static FrmPrint* Open(QWidget* over, OkAction onOk);
  // The open dialog, if any.
  static FrmPrint* Current();

  Choice Selected() const;
  PrintDialogButton& okButton() { return *imgOk_; }
  PrintDialogButton& cancelButton() { return *imgCancel_; }
  QRadioButton& option(int index) { return *option_[index]; }

 protected:
  void paintEvent(QPaintEvent*) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;

 private:
  explicit FrmPrint(OkAction onOk);
  void Form_Load();
  void OkClicked();
  void CancelClicked();
  void ApplyIcons();

  OkAction onOk_;
  QGroupBox* frame1_ = nullptr;
  QRadioButton* option_[2] = {};
  QLabel* image1_ = nullptr;
  QLabel* image2_ = nullptr;
  PrintDialogButton* imgOk_ = nullptr;
  PrintDialogButton* imgCancel_ = nullptr;
};

}  // namespace numerina::ui
