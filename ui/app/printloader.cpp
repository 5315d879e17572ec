// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/printloader.h"

#include <QCoreApplication>
#include <QLibrary>

#include "engine/host.h"

namespace numerina::ui {

QString PrintLoader::BesideProgram() {
  return QCoreApplication::applicationDirPath() + QStringLiteral("/" NUMERINA_PRINT_MODULE_FILE);
}

PrintModule* PrintLoader::Module() {
  if (module_) return module_;
  // Never unloaded: its dialog and the factory's object live on.
  QLibrary library(path_);
  const auto factory = reinterpret_cast<PrintModuleFactory>(library.resolve(kPrintModuleFactory));
  if (!factory) {
    qWarning("numerina: no print module: %s", qPrintable(library.errorString()));
    return nullptr;
  }
  module_ = factory();
  return module_;
}

void PrintLoader::PrintCommand(QWidget& window, Host& host, std::function<std::string()> tape) {
  if (PrintModule* module = Module()) {
    module->PrintCommand(window, host, std::move(tape));
    return;
  }
  // Without the module nothing can reach the printer: the print problem.
  host.Raise(MessageCode::PrintFailed);
}

void PrintLoader::CloseDialog() {
  if (module_) module_->CloseDialog();
}

}  // namespace numerina::ui
