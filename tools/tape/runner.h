// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Replays a key script on an engine without windows and reports what the
// calculator shows.

#include <iosfwd>
#include <vector>

#include "commands/commands.h"
#include "engine/engine.h"
#include "tools/tape/script.h"

namespace numerina::tape {

// A host with no windows: message boxes are answered at once and written to
// the output; the "Decimali" setting lives in memory.
class ScriptHost : public Host, public SettingsWriter {
 public:
  ScriptHost(std::ostream& out, int decimals) : out_(out), decimals_(decimals) {}

  void MessageBox(std::string_view text, std::string_view title, MessageIcon icon) override;
  void RerunStartup(Engine& engine) override { engine.SetDecimalPlaces(decimals_); }

  // Keeps "Decimali" for the next clear all; other settings are dropped.
  void Write(std::string_view key, std::string_view value) override;

 private:
  std::ostream& out_;
  int decimals_;
};

// Runs the actions, writing "message:" and "clipboard:" lines as they happen.
void RunActions(Engine& engine, ScriptHost& host, const std::vector<Action>& actions,
                std::ostream& out);

// The closing lines: display, entry, memory and decimals.
void WriteSummary(const Engine& engine, std::ostream& out);

}  // namespace numerina::tape
