// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/calculator/tapeview.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <utility>

#include "ui/skin/fonts.h"
#include "ui/skin/skin.h"
#include "ui/skin/text.h"

namespace numerina::ui {

TapeView::TapeView(QWidget* parent) : QPlainTextEdit(parent) {
  setObjectName(QStringLiteral("Pcalc"));
  setReadOnly(true);
  // The keyboard stays on Focus: a click may select text but never takes it.
  setFocusPolicy(Qt::NoFocus);
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setUndoRedoEnabled(false);  // an undo stack would grow with every line
  setTextInteractionFlags(Qt::TextSelectableByMouse);
  setAccessibleName(QStringLiteral("report"));

  setFont(fonts::Tape());

  // Lines are right-aligned, like a till roll: the no-break spaces after a
  // total line up its digits with the operand lines' "   +".
  QTextOption option = document()->defaultTextOption();
  option.setAlignment(Qt::AlignRight);
  document()->setDefaultTextOption(option);
  document()->setDocumentMargin(2);

  QPalette pal = palette();
  pal.setColor(QPalette::Base, Palette::Tape());
  pal.setColor(QPalette::Text, Palette::TapeText());
  setPalette(pal);
  viewport()->setCursor(Qt::ArrowCursor);
  // The scroll bar shows only once the tape outgrows the box: it gets the
  // skin's colours then, before it shows (a style sheet costs memory and
  // start-up time that a short tape never needs).
  connect(verticalScrollBar(), &QScrollBar::rangeChanged, this, [this](int min, int max) {
    if (max > min) SkinScrollBar();
  });
}

void TapeView::SkinScrollBar() {
  if (std::exchange(scrollBarSkinned_, true)) return;
  // The platform's style would draw the bar in the desktop's grey whatever
  // the palette says.
  const QColor track = Palette::Tape().darker(112);
  const QColor handle = Palette::Body().lighter(125);
  verticalScrollBar()->setStyleSheet(
      QStringLiteral("QScrollBar:vertical { background: %1; width: 10px; margin: 0; border: none; }"
                     "QScrollBar::handle:vertical { background: %2; min-height: 18px;"
                     " border-radius: 3px; margin: 1px 2px; }"
                     "QScrollBar::handle:vertical:hover, QScrollBar::handle:vertical:pressed"
                     " { background: %3; }"
                     "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical"
                     " { height: 0; border: none; }"
                     "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical"
                     " { background: none; }")
          .arg(track.name(), handle.name(), Palette::Body().name()));
}

void TapeView::AppendFragment(std::string_view fragment) {
  QString text = ToQString(fragment);
  if (text.isEmpty()) return;
  // A CR held back from the previous fragment is a line break when the LF
  // follows now; otherwise it was a lone CR and shows as nothing.
  if (pendingCr_ && text.front() == QLatin1Char('\n')) text[0] = QChar::ParagraphSeparator;
  pendingCr_ = text.back() == QLatin1Char('\r');
  if (pendingCr_) text.chop(1);
  text.replace(QLatin1String("\r\n"), QString(QChar::ParagraphSeparator));
  text.remove(QLatin1Char('\r'));
  text.replace(QLatin1Char('\n'), QChar::ParagraphSeparator);
  if (text.isEmpty()) return;

  QTextCursor cursor(document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(text);
}

void TapeView::ClearTape() {
  pendingCr_ = false;
  clear();
}

void TapeView::CaretToEnd() {
  QTextCursor cursor = textCursor();
  cursor.movePosition(QTextCursor::End);
  setTextCursor(cursor);
  // The last block is often the empty line after a total: show the bottom.
  verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

QString TapeView::TapeText() const {
  // toPlainText would turn the no-break spaces into blanks.
  QString out = document()->toRawText();
  out.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
  if (pendingCr_) out += QLatin1Char('\r');
  return out;
}

void TapeView::mouseReleaseEvent(QMouseEvent* event) {
  QPlainTextEdit::mouseReleaseEvent(event);
  if (onClicked) onClicked();
}

namespace {

void ToClipboard(QString text) {
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  QGuiApplication::clipboard()->setText(text);
}

}  // namespace

void TapeView::CopyWhole() { ToClipboard(TapeText()); }

void TapeView::CopySelectionOrAll() {
  const QString selected = textCursor().selectedText();
  if (selected.isEmpty())
    CopyWhole();
  else
    ToClipboard(selected);
}

QMenu* TapeView::CreateMenu(QWidget* parent) {
  auto* menu = new QMenu(parent);
  menu->addAction(QStringLiteral("Copia"), this, &TapeView::CopySelectionOrAll);
  menu->addAction(QStringLiteral("Seleziona tutto"), this, &QPlainTextEdit::selectAll);
  return menu;
}

void TapeView::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = CreateMenu(this);
  menu->exec(event->globalPos());
  delete menu;
  if (onClicked) onClicked();
}

}  // namespace numerina::ui
