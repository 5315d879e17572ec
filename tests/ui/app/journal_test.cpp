// SPDX-License-Identifier: GPL-3.0-or-later
// The tape's journal through the program's desktop (offscreen): an end that
// is not on purpose leaves the tape, offered back at the next start; Esc,
// the close button and "Esci" leave nothing to offer.
#include <QMessageBox>
#include <QPointer>

#include <memory>

#include "engine/journal.h"
#include "tests/support/testdir.h"
#include "tests/support/window_support.h"
#include "ui/app/desktop.h"
#include "ui/calculator/calculator.h"

namespace numerina::ui::test {
namespace {

// Answers the question box as told, noting what it showed.
struct Answerer : QObject {
  QMessageBox::StandardButton answer = QMessageBox::No;
  QStringList seen;
  QTimer timer;
  Answerer() {
    timer.setInterval(10);
    connect(&timer, &QTimer::timeout, this, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || !box->isVisible()) return;
      seen << box->windowTitle() + "|" + box->text() + "|" +
                  QString::number(static_cast<int>(box->icon()));
      box->button(answer)->click();
    });
    timer.start();
  }
};

struct Session {
  QPointer<Calculator> window;
  int quits = 0;
  std::unique_ptr<Desktop> desktop;
  explicit Session(const std::string& journal) {
    DesktopServices s;
    s.keyFlashMs = 0;
    s.trayShown = [] { return true; };
    s.quit = [this] { ++quits; };
    s.windowCreated = [this](QWidget& w) { window = qobject_cast<Calculator*>(&w); };
    s.journal = journal;
    desktop = std::make_unique<Desktop>(std::move(s));
    desktop->Start();
    for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
  }
  void Type(const char* keys) { QTest::keyClicks(window.data(), QString::fromLatin1(keys)); }
};

const QString kQuestion = QStringLiteral(
                              "Numerina|Il nastro della sessione precedente non è stato chiuso "
                              "correttamente. Vuoi recuperarlo?|%1")
                              .arg(static_cast<int>(QMessageBox::Question));

}  // namespace

class JournalTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QuietOffscreenWarnings(); }

  void anEndNotOnPurposeIsOfferedBack() {
    ProgramFolder folder;
    testing::TempDir state;
    const std::string journal = state.File("j");
    std::string typed;
    {
      Session first(journal);
      first.Type("12+3+7=");
      typed = first.window->TapeText();
      QVERIFY(!typed.empty());
      // The desktop goes without "Esci": a signal, the window manager, the
      // session's end.
    }
    Answerer yes;
    yes.answer = QMessageBox::Yes;
    {
      Session second(journal);
      QCOMPARE(yes.seen, QStringList{kQuestion});
      QCOMPARE(second.window->TapeText(), typed);
      QCOMPARE(QString::fromStdString(second.window->TapeText()), QString::fromStdString(typed));
      // The journal now records this session: the restored tape and more.
      second.Type("5+");
      typed = second.window->TapeText();
    }
    QCOMPARE(RecoverJournal(journal).text, typed);
    yes.answer = QMessageBox::No;
    {
      Session third(journal);
      QCOMPARE(yes.seen.size(), 2);
      QCOMPARE(third.window->TapeText(), std::string());
    }
    {
      Session fourth(journal);  // No discarded it
      QCOMPARE(yes.seen.size(), 2);
    }
  }

  void endsOnPurposeLeaveNoQuestion() {
    ProgramFolder folder;
    testing::TempDir state;
    const std::string journal = state.File("j");
    Answerer watch;
    {
      Session s(journal);
      s.Type("4+4+");
      s.desktop->Esci();  // the tray's "Esci", the close button
      QCOMPARE(s.quits, 1);
    }
    {
      Session s(journal);
      s.Type("4+4+");
      s.window->cmdBarra_Click(Tool::Close);
      QCOMPARE(s.quits, 1);
    }
    {
      Session s(journal);
      s.Type("4+4+");
      s.window->EscOnFocus();  // with a tray: the window and its tape go
      QCOMPARE(RecoverJournal(journal).text, std::string());
    }
    {
      Session s(journal);
      QCOMPARE(watch.seen, QStringList());
      s.Type("9+");
      s.window->EscOnWindow();
    }
    {
      Session s(journal);
      QCOMPARE(watch.seen, QStringList());
    }
    // The last one went without "Esci": its journal stays, empty.
    QCOMPARE(RecoverJournal(journal).text, std::string());
  }

  void noJournalFolderIsSilent() {
    ProgramFolder folder;
    Answerer watch;
    Session s("/proc/numerina-nothing/j");
    s.Type("1+2+");
    QVERIFY(!s.window->TapeText().empty());
    s.desktop->Esci();
    QCOMPARE(watch.seen, QStringList());
  }
};

}  // namespace numerina::ui::test

QTEST_MAIN(numerina::ui::test::JournalTest)
#include "journal_test.moc"
