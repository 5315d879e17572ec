// SPDX-License-Identifier: GPL-3.0-or-later
// frmConfig: the in-place editor of the information text's nine rows. A
// one-line editor is laid over the selected row, takes its text, and on
// Enter writes it back; Escape or a click elsewhere puts the earlier text
// back. A row never becomes empty: a blank line is a single space.

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

#include <algorithm>

#include "config/confdialog.h"
#include "ui/configdialog/frmconfig.h"
#include "ui/skin/layout_config.h"

namespace numerina::ui {
namespace {

// What the line editor keeps beside its text (its margins, the one pixel
// of text margin and the cursor), so the measured text shows whole.
constexpr int kEditorPadding = 7;

}  // namespace

bool frmConfig::ListEvent(QObject* watched, QEvent* event) {
  if (watched == lstMain_ && event->type() == QEvent::KeyRelease) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const auto held =
        key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (key->key() == Qt::Key_F2 && !key->isAutoRepeat() && held == Qt::NoModifier && !inModifica_)
      ModificaRiga(true);
    return false;
  }
  if (watched == lstMain_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
    // The press before it has selected the row under the mouse.
    if (!inModifica_) ModificaRiga(true);
    return true;
  }
  return false;
}

bool frmConfig::EditorEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: {
      const auto* key = static_cast<QKeyEvent*>(event);
      // Enter, and Ctrl+J or Ctrl+Enter, which type a line feed.
      const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                         (key->key() == Qt::Key_J && key->modifiers() == Qt::ControlModifier);
      if (enter && inModifica_) {
        Commit();
        ModificaRiga(false);
        return true;
      }
      if (key->key() == Qt::Key_Escape && inModifica_) {
        Revert();
        ModificaRiga(false);
        return true;
      }
      return false;
    }
    case QEvent::ShortcutOverride: {
      // Escape belongs to the editor while it is open, never to the dialog.
      auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() == Qt::Key_Escape && inModifica_) key->accept();
      return false;
    }
    case QEvent::FocusIn: txtEdit_->selectAll(); return false;
    case QEvent::FocusOut: {
      // Another control took the focus. The window losing its activation
      // (another program, a message box) is no decision of the user.
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      if (inModifica_ && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
        Revert();
        ModificaRiga(false);
      }
      return false;
    }
    default: return false;
  }
}

void frmConfig::ModificaRiga(bool open) {
  if (open) {
    QListWidgetItem* selected = lstMain_->currentItem();
    rigaInModifica_ = selected && selected->isSelected() ? lstMain_->row(selected) : -1;
    if (rigaInModifica_ < 0) {
      QApplication::beep();
      return;
    }
    const QString text = selected->text();
    if (text.isEmpty()) {
      QApplication::beep();
      return;
    }
    // Exactly over the row: its rectangle in the list's viewport, carried
    // into the dialog's coordinates (the list's frame included).
    const QRect row = lstMain_->visualItemRect(selected);
    const QPoint at = lstMain_->viewport()->mapTo(this, row.topLeft());
    const int width =
        Massimo(kEditorMinWidth, txtEdit_->fontMetrics().horizontalAdvance(text) + kEditorPadding);
    txtEdit_->setGeometry(at.x(), at.y(), width, row.height());
    txtEdit_->show();
    txtEdit_->raise();
    selected->setText(QString());
    txtEdit_->setEnabled(true);
    editTag_ = text;
    inModifica_ = true;
    txtEdit_->setText(text);
    txtEdit_->setFocus(Qt::OtherFocusReason);
    txtEdit_->selectAll();
    return;
  }
  // Closing never depends on the selection: an editor left open with no
  // way to close it would hold the row empty.
  // Closed before the editor lets the focus go, so that the focus loss
  // this causes finds nothing to revert.
  inModifica_ = false;
  if (txtEdit_->hasFocus()) lstMain_->setFocus(Qt::OtherFocusReason);
  txtEdit_->setEnabled(false);
  txtEdit_->hide();
  txtEdit_->move(layout::config::kEditorParked.topLeft());
  txtEdit_->clear();
  editTag_.clear();
  rigaInModifica_ = -1;
}

void frmConfig::Commit() {
  if (rigaInModifica_ < 0) return;
  const QString text = txtEdit_->text();
  // Only spaces count as blank, as the stored lines are trimmed of them.
  const bool blank =
      std::all_of(text.begin(), text.end(), [](QChar c) { return c == QLatin1Char(' '); });
  lstMain_->item(rigaInModifica_)->setText(blank ? editTag_ : text);
}

void frmConfig::Revert() {
  if (rigaInModifica_ >= 0) lstMain_->item(rigaInModifica_)->setText(editTag_);
}

void frmConfig::ResizeEditor() {
  const int width =
      Massimo(kEditorMinWidth,
              txtEdit_->fontMetrics().horizontalAdvance(txtEdit_->text()) + kEditorPadding);
  txtEdit_->resize(width, txtEdit_->height());
}

}  // namespace numerina::ui
