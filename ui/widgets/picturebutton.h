// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A windowless picture control over the skin: a key, a toolbar button or a
// banner picture. It paints nothing itself (the window's own canvas shows
// the skin under it); it carries the hand cursor, the tooltip and, for
// assistive technology, the role of a button with a press action and an
// Italian name. Mouse presses and releases go to the window.

#include <QWidget>

namespace numerina::ui {

class PictureButton : public QWidget {
  Q_OBJECT

 public:
  enum class Kind { Key, Tool, Banner };

  class Handler {
   public:
    virtual ~Handler() = default;
    virtual void ButtonPressed(PictureButton& button, Qt::MouseButton mouse) = 0;
    // inside: the release happened over the button.
    virtual void ButtonReleased(PictureButton& button, Qt::MouseButton mouse, bool inside) = 0;
    // The press action of assistive technology: a whole click.
    virtual void ButtonActivated(PictureButton& button) = 0;
  };

  PictureButton(QWidget* parent, Handler& handler, Kind kind, int index, const QRect& geometry,
                const QString& accessibleName, const QString& toolTip);

  Kind kind() const { return kind_; }
  int index() const { return index_; }  // row of the key or tool table, or banner 1/2

  // The click of assistive technology and of tests.
  void Activate() { handler_.ButtonActivated(*this); }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void paintEvent(QPaintEvent*) override {}

 private:
  Handler& handler_;
  Kind kind_;
  int index_;
  Qt::MouseButton down_ = Qt::NoButton;
};

}  // namespace numerina::ui
