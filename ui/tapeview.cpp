#include "ui/tapeview.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "ui/skin/skin.h"

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

  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(11);  // 8.25 points at 96 dpi
  setFont(font);

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
  // The scroll bar in the tape's own greys rather than the desktop's.
  QPalette bar = verticalScrollBar()->palette();
  bar.setColor(QPalette::Window, Palette::Tape().darker(112));
  bar.setColor(QPalette::Base, Palette::Tape().darker(112));
  bar.setColor(QPalette::Button, Palette::Tape().lighter(106));
  bar.setColor(QPalette::Light, Palette::Tape().lighter(125));
  bar.setColor(QPalette::Dark, Palette::Body());
  bar.setColor(QPalette::Shadow, Palette::Body().darker(130));
  bar.setColor(QPalette::ButtonText, Palette::TapeText());
  verticalScrollBar()->setPalette(bar);
}

void TapeView::AppendFragment(std::string_view fragment) {
  QString text = QString::fromUtf8(fragment.data(), static_cast<qsizetype>(fragment.size()));
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

}  // namespace numerina::ui
