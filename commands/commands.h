// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command layer: the toolbar's and the settings' rules that more than one
// front end needs, in one place. The calculator window, numerina-tape and the
// engine tests call these; so do the tray menu, the configuration dialog and
// the about box. Standard C++ only.
//
// The product's names are in base/product.h, the settings' keys and the
// rules that read them (NomeFromSetting for the name shown, DecimaliFromSetting
// and the rest) in config/settings.h.

#include <string_view>

namespace numerina {

class Engine;

// Where a command writes a setting of the "Opzioni" section.
class SettingsWriter {
 public:
  virtual ~SettingsWriter() = default;
  virtual void Write(std::string_view key, std::string_view value) = 0;
};

// Writes into the settings file (ScriviIni); a failed write is silent.
class SettingsFileWriter : public SettingsWriter {
 public:
  void Write(std::string_view key, std::string_view value) override;
};

// The "Aumenta decimali" (fewer = false) and "Diminuisci decimali" buttons.
// A disabled button takes no click: false, nothing changes. Otherwise the
// engine's decimals and both buttons' states change, and "Decimali" is
// written, also when the number was already at its limit.
bool CambiaDecimaliCommand(Engine& engine, bool fewer, SettingsWriter& settings);

// The report button: the report's new visibility, written to "Report" ("1"
// shown, "0" hidden).
bool ToggleReportCommand(bool reportShown, SettingsWriter& settings);

// The report button's tooltip while the report is shown or hidden.
std::string_view ReportTooltip(bool reportShown);

}  // namespace numerina
