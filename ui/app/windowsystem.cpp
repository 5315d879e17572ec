// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/windowsystem.h"

#include <QGuiApplication>
#include <QtGlobal>

#include "ui/widgets/windowmove.h"

namespace numerina::ui {

void ChooseWindowSystem() {
  if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) return;
  if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qEnvironmentVariableIsEmpty("DISPLAY"))
    return;
  qputenv("QT_QPA_PLATFORM", "xcb");
}

void ReportWindowSystemLimits() {
  if (PositionKnown()) return;
  qWarning(
      "numerina: on Wayland the window cannot choose its place or stay on top of other "
      "windows; its position is not saved (with DISPLAY set it runs on X instead)");
}

}  // namespace numerina::ui
