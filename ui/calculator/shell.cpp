// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/calculator/shell.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>
#include <QWidget>

namespace numerina::ui {

void StandaloneShell::Esci() { QCoreApplication::quit(); }

void StandaloneShell::Minimise(QWidget& window) { window.showMinimized(); }

void StandaloneShell::OpenFile(const QString& path) {
  // A missing page or no viewer is not reported.
  if (!QFileInfo::exists(path)) return;
  QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace numerina::ui
