// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The print module as the program sees it. Printing (the print options
// dialog, the print job, the text export) is a module of its own that the
// program loads at the first print: the print system's libraries then take
// no part in the start-up. The module exports one C function, named
// kPrintModuleFactory, that returns its PrintModule; that object lives as
// long as the process.

#include <functional>
#include <string>

class QWidget;

namespace numerina {
class Host;
}

namespace numerina::ui {

class PrintModule {
 public:
  // The toolbar's print command on a tape that holds something: the print
  // options dialog over window, whose Ok prints or saves the tape as tape
  // gives it then.
  virtual void PrintCommand(QWidget& window, Host& host, std::function<std::string()> tape) = 0;
  // Closes the print options dialog when it is open (it works on the tape
  // of a window that is going away).
  virtual void CloseDialog() = 0;

 protected:
  ~PrintModule() = default;
};

using PrintModuleFactory = PrintModule* (*)();
inline constexpr char kPrintModuleFactory[] = "numerina_print_module";

}  // namespace numerina::ui
