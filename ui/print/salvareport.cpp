// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/print/salvareport.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

#include "engine/host.h"
#include "report/export.h"
#include "ui/widgets/qttranslation.h"

namespace numerina::ui {
namespace {

// "File di testo (*.txt)|*.txt" in Qt's form: "File di testo (*.txt)". A
// name that does not show its pattern gets it in brackets.
QString QtFilter(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList entries;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString& name = parts[i];
    const QString pattern = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
    entries << (name.contains(QLatin1Char('(') + pattern + QLatin1Char(')'))
                    ? name
                    : name + QStringLiteral(" (") + pattern + QLatin1Char(')'));
  }
  return entries.join(QStringLiteral(";;"));
}

}  // namespace

QString SalvaConNome(QWidget* owner, const QString& filter, const QString& title,
                     const QString& initialDir, const QString& initialName) {
  LoadQtItalian();
  QFileDialog dialog(owner, title, initialDir, QtFilter(filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // An existing file is replaced without a question.
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  dialog.selectFile(initialName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  QString path = dialog.selectedFiles().constFirst().trimmed();
  if (path.isEmpty() || QFileInfo(path).fileName().isEmpty()) return {};
  // What the "*.txt" filter promises.
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".txt");
  return path;
}

void SalvaReport(QWidget& window, Host& host, const std::string& tape) {
  const QString path = SalvaConNome(&window, QStringLiteral("File di testo (*.txt)|*.txt"),
                                    QStringLiteral("Crea file di testo report"),
                                    QDir::currentPath(), QStringLiteral("Numerina desktop"));
  if (path.isEmpty()) return;
  if (!SalvaReportFile(QFile::encodeName(path).toStdString(), tape)) {
    host.Raise(MessageCode::ReportNotSaved);
    return;
  }
  host.GiveFocusToFocus();
}

}  // namespace numerina::ui
