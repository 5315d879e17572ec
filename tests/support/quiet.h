// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Window tests on the offscreen platform.

#include <QString>
#include <QtGlobal>

namespace numerina::ui::test {

// The offscreen platform warns that it cannot shape windows and cannot
// pass size hints on; both are expected there and hide real warnings.
inline QtMessageHandler& PreviousHandler() {
  static QtMessageHandler previous = nullptr;
  return previous;
}
inline void QuietOffscreenWarnings() {
  static const bool installed = [] {
    PreviousHandler() = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
          if (message.startsWith(QLatin1String("This plugin does not support"))) return;
          if (PreviousHandler()) PreviousHandler()(type, context, message);
        });
    return true;
  }();
  (void)installed;
}

}  // namespace numerina::ui::test
