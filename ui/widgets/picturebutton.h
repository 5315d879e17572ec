// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pressable picture of every window: a key, a toolbar button, a banner,
// a close cross, a dialog's picture button. It paints nothing itself (the
// window's canvas shows its picture, pressed or released); it carries the
// hand cursor, the tooltip and, for assistive technology, the role of a
// button with a press action. It decides whether a mouse press and release
// act, and tells its owner: pressed (draw pressed), released (draw
// released, and act when told so), activated (a whole click of assistive
// technology or of the keyboard).

#include <QWidget>

namespace numerina::ui {

class PictureButton : public QWidget {
  Q_OBJECT

 public:
  // When a press and its release act. Every mouse button draws the
  // control pressed until its release.
  enum class Acts {
    // Keys and toolbar buttons: a left click released over the control.
    OnLeftClickInside,
    // Banners, close crosses, the dialogs' picture buttons: the release of
    // any mouse button, wherever it happens.
    OnAnyRelease,
  };

  class Handler {
   public:
    virtual ~Handler() = default;
    virtual void ButtonPressed(PictureButton& button) = 0;
    virtual void ButtonReleased(PictureButton& button, bool acts) = 0;
    virtual void ButtonActivated(PictureButton& button) = 0;
  };

  // name: the design's name of the control, also its objectName.
  PictureButton(QWidget* parent, Handler& handler, Acts acts, int index, const QRect& geometry,
                const QString& name, const QString& accessibleName, const QString& toolTip);

  Acts acts() const { return acts_; }
  int index() const { return index_; }  // the owner's number for it (a table row, a place)
  bool Down() const { return down_ != Qt::NoButton; }
  // What assistive technology reads as its name.
  const QString& AccessibleText() const { return accessibleText_; }

  // The click of assistive technology and of the keyboard.
  void Activate() { handler_.ButtonActivated(*this); }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void paintEvent(QPaintEvent*) override {}

 private:
  Handler& handler_;
  Acts acts_;
  int index_;
  QString accessibleText_;
  Qt::MouseButton down_ = Qt::NoButton;
};

}  // namespace numerina::ui
