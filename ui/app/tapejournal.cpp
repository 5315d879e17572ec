// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/tapejournal.h"

#include <QCoreApplication>

#include <utility>

#include "base/statefolder.h"
#include "config/ini.h"
#include "ui/calculator/calculator.h"
#include "ui/widgets/messagebox.h"

namespace numerina::ui {

std::string TapeJournal::ProgramPath() {
  const std::string folder = UserStateFolder();
  if (folder.empty()) return {};
  return JournalPath(folder, CartellaProgramma());
}

TapeJournal::TapeJournal(std::string path) : path_(std::move(path)) {
  // A power cut loses at most the last second.
  sync_.setSingleShot(true);
  sync_.setInterval(1000);
  connect(&sync_, &QTimer::timeout, this, &TapeJournal::Sync);
  // A session end or a quit that is not the user's "Esci": the journal
  // stays for the next start, written through.
  if (QCoreApplication::instance())
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
            [this] { journal_.Close(); });
}

TapeJournal::~TapeJournal() = default;

void TapeJournal::Begin(Calculator& window) {
  if (path_.empty() || begun_) return;
  begun_ = true;
  const RecoveredTape last = RecoverJournal(path_);
  if (last.status == RecoveredTape::Status::Read && !last.text.empty() &&
      ShowMessage(window, MessageCode::JournalRecovery))
    window.RestoreTape(last.text);
  journal_.Open(path_, window.TapeText());
}

void TapeJournal::Appended(std::string_view fragment) {
  if (journal_.Append(fragment)) sync_.start();
}

void TapeJournal::Cleared() {
  journal_.Clear();
  sync_.stop();
}

void TapeJournal::Remove() {
  sync_.stop();
  journal_.Remove();
}

void TapeJournal::Sync() { journal_.Sync(); }

}  // namespace numerina::ui
