// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/commands.h"

#include <string>

#include "config/ini.h"
#include "config/settings.h"
#include "engine/engine.h"

namespace numerina {

void SettingsFileWriter::Write(std::string_view key, std::string_view value) {
  ScriviIni(kSection, key, value);
}

bool CambiaDecimaliCommand(Engine& engine, bool fewer, SettingsWriter& settings) {
  if (fewer ? !engine.FewerDecimalsEnabled() : !engine.MoreDecimalsEnabled()) return false;
  engine.CambiaDecimali(fewer);
  settings.Write(kDecimali, std::to_string(engine.Snapshot().DecimalPlaces));
  return true;
}

bool ToggleReportCommand(bool reportShown, SettingsWriter& settings) {
  const bool shown = !reportShown;
  settings.Write(kReport, shown ? "1" : "0");
  return shown;
}

std::string_view ReportTooltip(bool reportShown) {
  return reportShown ? "Nascondi report" : "Mostra report";
}

}  // namespace numerina
