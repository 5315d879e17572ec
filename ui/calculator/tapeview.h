// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pcalc: the read-only text box that shows the report tape. The engine owns
// the tape's text; this box receives each fragment the engine appends and
// inserts it at the end, so an append costs the fragment alone whatever the
// tape's length.

#include <QPlainTextEdit>

class QMenu;

#include <functional>
#include <string_view>

namespace numerina::ui {

class TapeView : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit TapeView(QWidget* parent);

  // Appends a fragment of the engine's tape; CR LF becomes a paragraph
  // break (also when the pair is split between two fragments).
  void AppendFragment(std::string_view fragment);
  void ClearTape();
  // Caret to the end of the text, scrolled into view, without the focus.
  void CaretToEnd();

  // The whole text with CR LF between lines, as the engine holds it.
  QString TapeText() const;

  // Puts the selection on the clipboard, or the whole tape when nothing is
  // selected; lines end in LF there.
  void CopySelectionOrAll();
  void CopyWhole();
  // The right-click menu: "Copia" and "Seleziona tutto".
  QMenu* CreateMenu(QWidget* parent);

  // A click on the tape, or its menu closing, hands the keyboard back
  // (Pcalc_Click).
  std::function<void()> onClicked;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  // The scroll bar in the skin's colours.
  void SkinScrollBar();

  bool pendingCr_ = false;
  bool scrollBarSkinned_ = false;
};

}  // namespace numerina::ui
