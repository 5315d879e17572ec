// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A calculator driven by key scripts, with a host that records what the
// engine asked of the windows.

#include <string>
#include <vector>

#include "commands/commands.h"
#include "engine/engine.h"
#include "tools/tape/runner.h"
#include "tools/tape/script.h"

namespace numerina::testing {

class RecordingHost : public Host, public SettingsWriter {
 public:
  std::vector<std::string> events;  // "hide", "show", "message:TEXT|TITLE|icon"
  int decimalsSetting = 2;
  int focusCount = 0;
  int caretMoves = 0;
  std::string tapeMirror;  // the text box as the appended fragments build it
  // Settings the commands wrote, "key=value". decimalsSetting stays the
  // stored setting of start-up.
  std::vector<std::string> written;

  void MessageBox(std::string_view text, std::string_view title, MessageIcon icon) override {
    events.push_back("message:" + std::string(text) + "|" + std::string(title) + "|" +
                     (icon == MessageIcon::Exclamation ? "!"
                      : icon == MessageIcon::Critical  ? "x"
                                                       : "i"));
  }
  void HideMain() override { events.push_back("hide"); }
  void ShowMain() override { events.push_back("show"); }
  void GiveFocusToFocus() override { ++focusCount; }
  void TapeAppended(std::string_view fragment) override { tapeMirror += fragment; }
  void TapeCleared() override { tapeMirror.clear(); }
  void TapeCaretToEnd(bool) override { ++caretMoves; }
  void RerunStartup(Engine& engine) override { engine.SetDecimalPlaces(decimalsSetting); }
  void Write(std::string_view key, std::string_view value) override {
    written.push_back(std::string(key) + "=" + std::string(value));
  }
};

struct Calculator {
  RecordingHost host;
  Engine engine{host};

  explicit Calculator(int decimals = 2) {
    host.decimalsSetting = decimals;
    engine.SetDecimalPlaces(decimals);
    engine.Initialise();
  }

  // Types a key script (the numerina-tape script language).
  Calculator& Type(std::string_view script) {
    const tape::ParseResult parsed = tape::ParseScript(script);
    if (!parsed.error.empty()) throw std::invalid_argument(parsed.error);
    for (const tape::Action& a : parsed.actions) {
      switch (a.kind) {
        case tape::Action::Kind::Key: engine.Click(a.key); break;
        case tape::Action::Kind::MoreDecimals: CambiaDecimaliCommand(engine, false, host); break;
        case tape::Action::Kind::FewerDecimals: CambiaDecimaliCommand(engine, true, host); break;
        case tape::Action::Kind::Copy: break;
        case tape::Action::Kind::Paste: engine.Paste(a.text); break;
      }
    }
    return *this;
  }

  const std::string& Entry() const { return engine.EntryText(); }
  const std::string& Display() const { return engine.Display(); }
  const std::string& Tape() const { return engine.Pcalc().Text(); }
};

// Writes tape text with "·" for the no-break space and "|" for CR LF, so
// expected tapes read like the worked examples.
inline std::string Tape(std::string_view readable) {
  std::string out;
  for (std::size_t i = 0; i < readable.size();) {
    if (readable.substr(i, 2) == "·") {
      out += "\u00A0";
      i += 2;
    } else if (readable[i] == '|') {
      out += "\r\n";
      ++i;
    } else {
      out += readable[i++];
    }
  }
  return out;
}

}  // namespace numerina::testing
