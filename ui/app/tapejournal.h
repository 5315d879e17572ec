// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calculator's tape kept in a journal file while the program runs (see
// engine/journal.h): a tape left by a session that did not end on purpose
// is offered back at the next start.

#include <QObject>
#include <QTimer>

#include <string>
#include <string_view>

#include "engine/journal.h"

namespace numerina::ui {

class Calculator;

class TapeJournal : public QObject {
  Q_OBJECT

 public:
  // The program's journal: the user's state folder, one per program folder.
  static std::string ProgramPath();

  // path empty: no journal at all.
  explicit TapeJournal(std::string path);
  ~TapeJournal() override;

  // After the window has first shown: a tape left by the last session is
  // offered back (Yes: on the window's tape as it was), then the journal
  // records this session.
  void Begin(Calculator& window);
  // The tape's changes.
  void Appended(std::string_view fragment);
  void Cleared();
  // The end on purpose: no journal is left.
  void Remove();

 private:
  void Sync();

  const std::string path_;
  Journal journal_;
  QTimer sync_;
  bool begun_ = false;
};

}  // namespace numerina::ui
