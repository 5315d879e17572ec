// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/tape/runner.h"

#include <ostream>

#include "config/settings.h"

namespace numerina::tape {

void ScriptHost::MessageBox(std::string_view text, std::string_view, MessageIcon) {
  out_ << "message: " << text << '\n';
}

void ScriptHost::Write(std::string_view key, std::string_view value) {
  if (key == kDecimali) decimals_ = DecimaliFromSetting(value);
}

void RunActions(Engine& engine, ScriptHost& host, const std::vector<Action>& actions,
                std::ostream& out) {
  for (const Action& a : actions) {
    switch (a.kind) {
      case Action::Kind::Key: engine.Click(a.key); break;
      case Action::Kind::MoreDecimals:
      case Action::Kind::FewerDecimals:
        CambiaDecimaliCommand(engine, a.kind == Action::Kind::FewerDecimals, host);
        break;
      case Action::Kind::Copy:
        if (const auto text = engine.CopyText()) out << "clipboard: " << *text << '\n';
        break;
      case Action::Kind::Paste: engine.Paste(a.text); break;
    }
  }
}

void WriteSummary(const Engine& engine, std::ostream& out) {
  out << "display: " << engine.Display() << '\n'
      << "entry: " << engine.EntryText() << '\n'
      << "memory: " << engine.MemIndicator() << '\n'
      << "decimals: " << engine.Snapshot().DecimalPlaces << '\n';
}

}  // namespace numerina::tape
