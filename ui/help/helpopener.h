// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help button's page: the desktop's browser through xdg-open, and the
// program's own viewer (frmGuida) when xdg-open cannot be started or ends
// in failure. xdg-open runs as a process of its own, never waited for and
// never ended by the program: a browser it starts outlives the calculator.

#include <QObject>
#include <QString>

#include <sys/types.h>

class QTimer;

namespace numerina::ui {

class HelpOpener : public QObject {
  Q_OBJECT

 public:
  explicit HelpOpener(QObject* parent = nullptr);
  ~HelpOpener() override;

  // Opens the page at path; a missing page is not reported.
  void Open(const QString& path);

  // The program started to show the page, empty before the first time (for
  // tests): "xdg-open" or "frmGuida".
  const QString& LastWay() const { return lastWay_; }

 signals:
  // xdg-open has started: a browser is coming that must not open under a
  // window that stays on top.
  void OpenedOutside();

 private:
  // Reaps xdg-open; on a failure the page opens in frmGuida.
  void Poll();
  void OpenInside();

  QTimer* poll_ = nullptr;
  pid_t pid_ = -1;
  QString path_;
  QString lastWay_;
};

}  // namespace numerina::ui
