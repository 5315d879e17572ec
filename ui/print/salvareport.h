// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SalvaReport: the tape saved as a text file chosen in the save dialog
// (SalvaConNome). The file is replaced as a whole, without a question; a
// failed save says so and leaves an earlier file as it was.

#include <QString>

#include <string>

class QWidget;

namespace numerina {
class Host;
}

namespace numerina::ui {

// The platform's save dialog. filter is "name|pattern|name|pattern..." as
// the rest of the program writes it. Returns the chosen path, trimmed, with
// ".txt" added to a name without an extension; empty on cancel.
QString SalvaConNome(QWidget* owner, const QString& filter, const QString& title,
                     const QString& initialDir, const QString& initialName);

void SalvaReport(QWidget& window, Host& host, const std::string& tape);

}  // namespace numerina::ui
