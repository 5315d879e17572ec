// SPDX-License-Identifier: GPL-3.0-or-later
// The print module's entry point: the one symbol it exports.
#include "ui/print/printmodule.h"

#include <QtGlobal>

#include "ui/print/frmprint.h"
#include "ui/print/printcommand.h"

namespace numerina::ui {
namespace {

class Printing final : public PrintModule {
 public:
  void PrintCommand(QWidget& window, Host& host, std::function<std::string()> tape) override {
    ui::PrintCommand(window, host, std::move(tape));
  }
  void CloseDialog() override {
    if (FrmPrint* dialog = FrmPrint::Current()) dialog->close();
  }
};

}  // namespace
}  // namespace numerina::ui

// Its name is kPrintModuleFactory.
extern "C" Q_DECL_EXPORT numerina::ui::PrintModule* numerina_print_module() {
  static numerina::ui::Printing printing;
  return &printing;
}
