// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// PrintLoader: the print module, loaded at the first print from the file
// it was given (for the program: the one beside the running executable).
// A module that cannot be loaded is a print problem like any other: the
// print command then says so and the program goes on.

#include <QString>

#include <functional>
#include <string>

#include "ui/print/printmodule.h"

namespace numerina::ui {

class PrintLoader {
 public:
  explicit PrintLoader(QString path) : path_(std::move(path)) {}

  // The module in the running program's folder (links resolved).
  static QString BesideProgram();

  const QString& Path() const { return path_; }
  // The module, loaded on the first call; null while it cannot be loaded
  // (each call tries again).
  PrintModule* Module();
  // The print command through the module, or the print problem's message
  // with the window hidden while it shows.
  void PrintCommand(QWidget& window, Host& host, std::function<std::string()> tape);
  // Closes an open print dialog; a module never loaded has none.
  void CloseDialog();

 private:
  QString path_;
  PrintModule* module_ = nullptr;
};

}  // namespace numerina::ui
