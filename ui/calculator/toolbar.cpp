// SPDX-License-Identifier: GPL-3.0-or-later
// Calculator: the toolbar's commands (cmdBarra).
#include <QClipboard>
#include <QGuiApplication>

#include <string>

#include "commands/commands.h"
#include "config/ini.h"
#include "ui/calculator/calculator.h"
#include "ui/calculator/shell.h"
#include "ui/calculator/tapeview.h"
#include "ui/skin/text.h"
#include "ui/widgets/picturebutton.h"

namespace numerina::ui {

void Calculator::cmdBarra_Click(Tool tool) {
  switch (tool) {
    case Tool::Close: shell_.Esci(); break;
    case Tool::Copy: Copy(); break;
    case Tool::Paste: Paste(); break;
    case Tool::Report: ToggleReport(); break;
    case Tool::More: CambiaDecimali(false); break;
    case Tool::Fewer: CambiaDecimali(true); break;
    case Tool::Help: OpenHelp(); break;
    case Tool::Info: shell_.InformazioniDaBarra(); break;
    case Tool::Print: Stampa(); break;
    case Tool::Minimise: Minimise(); break;
  }
}

void Calculator::Copy() {
  if (const std::optional<std::string> text = engine_.CopyText()) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(QString::fromStdString(*text));
  }
  GiveFocusToFocus();
}

void Calculator::CopyTape() {
  // The whole tape, as the tape's own "Copia" gives it.
  Tape().CopyWhole();
  GiveFocusToFocus();
}

void Calculator::Paste() {
  // Anything that is not a number in the Italian notation is ignored
  // (Paste returns false and leaves the entry alone).
  const QString text = QGuiApplication::clipboard()->text();
  engine_.Paste(text.toStdString());
  GiveFocusToFocus();
}

void Calculator::ToggleReport() {
  SettingsFileWriter settings;
  const bool shown = ToggleReportCommand(reportVisibile_, settings);
  SetReportTooltip(shown);
  SetReportShown(shown);
  // The wider window may reach past the screen's edge: it moves, and the
  // place it moved to is written as a drag's would be.
  if (shown && KeepOnScreen()) SavePosition(pos());
  GiveFocusToFocus();
}

void Calculator::SetReportTooltip(bool shown) {
  const std::string_view tip = ReportTooltip(shown);
  tools_[ToolIndex(Tool::Report)]->setToolTip(ToQString(tip));
}

void Calculator::SetReportShown(bool shown) {
  reportVisibile_ = shown;
  // Narrowing cuts the report panel off; the left edge stays where it is.
  const int w = shown ? kWidthWithReport : kWidthWithout;
  if (width() != w) FixSize(w);
}

void Calculator::FixSize(int w) {
  // At 150 % Qt asks the window manager for a size increment of 2 native
  // pixels (1 logical pixel, rounded), and the window manager then evens
  // 412.5 -> 413 pixels down to 412. A base size equal to the fixed size
  // leaves no room for the increment, so the height never changes.
  setBaseSize(w, kHeight);
  setFixedSize(w, kHeight);
}

void Calculator::CambiaDecimali(bool fewer) {
  SettingsFileWriter settings;
  CambiaDecimaliCommand(engine_, fewer, settings);
  RefreshFromEngine();
  GiveFocusToFocus();
}

void Calculator::OpenHelp() {
  shell_.OpenFile(QString::fromStdString(CartellaProgramma()) + QStringLiteral("/numerina.html"));
  GiveFocusToFocus();
}

void Calculator::Minimise() {
  // Into the tray; without one, to the taskbar.
  shell_.Minimise(*this);
}

void Calculator::Stampa() {
  if (engine_.Pcalc().Empty()) {
    host_.Raise(MessageCode::NothingToPrint);
    return;
  }
  shell_.Stampa(*this, host_, [this] { return engine_.Pcalc().Text(); });
}

}  // namespace numerina::ui
