// SPDX-License-Identifier: GPL-3.0-or-later
// One calculator per user and program folder.
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "ui/app/singleinstance.h"

namespace numerina::ui::test {

class InstanceTest : public QObject {
  Q_OBJECT

 private slots:
  void secondStartAsksTheFirstToShow();
  void foldersDoNotMeet();
  void lockIsFreeAfterTheFirstEnds();
  void namesDependOnTheFolder();
  void aKilledFirstLeavesNoLock();
  void aLinkInTheSharedFolderIsNotFollowed();
};

void InstanceTest::secondStartAsksTheFirstToShow() {
  QTemporaryDir folder;
  SingleInstance first(folder.path());
  QVERIFY(first.First());
  QVERIFY(first.Listen());
  QSignalSpy shown(&first, &SingleInstance::ShowRequested);
  SingleInstance second(folder.path());
  QVERIFY(!second.First());
  QVERIFY(!second.Listen());
  QVERIFY(second.AskRunningToShow());
  QTRY_COMPARE(shown.count(), 1);
}

void InstanceTest::foldersDoNotMeet() {
  QTemporaryDir a, b;
  SingleInstance first(a.path());
  SingleInstance other(b.path());
  QVERIFY(first.First());
  QVERIFY(other.First());
  QVERIFY(first.Listen());
  QVERIFY(other.Listen());
  QSignalSpy shownA(&first, &SingleInstance::ShowRequested);
  QSignalSpy shownB(&other, &SingleInstance::ShowRequested);
  SingleInstance secondB(b.path());
  QVERIFY(!secondB.First());
  QVERIFY(secondB.AskRunningToShow());
  // The positive control: the request has reached its own folder's instance,
  // in the same event loop as the first one, before the first is checked.
  QTRY_COMPARE(shownB.count(), 1);
  QCOMPARE(shownA.count(), 0);
}

void InstanceTest::lockIsFreeAfterTheFirstEnds() {
  QTemporaryDir folder;
  {
    SingleInstance first(folder.path());
    QVERIFY(first.First());
    QVERIFY(first.Listen());
  }
  SingleInstance again(folder.path());
  QVERIFY(again.First());
  QVERIFY(again.Listen());
  // Nobody listens for a start that found no running instance.
  SingleInstance late(QStringLiteral("/nonexistent/numerina-folder"));
  QVERIFY(late.First());
  QVERIFY(!late.AskRunningToShow(200));
}

void InstanceTest::namesDependOnTheFolder() {
  const QString a = SingleInstance::KeyFor(QStringLiteral("/opt/numerina"));
  QCOMPARE(SingleInstance::KeyFor(QStringLiteral("/opt/numerina/")), a);
  QVERIFY(SingleInstance::KeyFor(QStringLiteral("/opt/numerina2")) != a);
  QVERIFY(a.startsWith(QStringLiteral("numerina-")));
}

void InstanceTest::aKilledFirstLeavesNoLock() {
  QTemporaryDir folder;
  int ready[2];
  QCOMPARE(::pipe(ready), 0);
  const pid_t pid = ::fork();
  QVERIFY(pid >= 0);
  if (pid == 0) {
    SingleInstance first(folder.path());
    (void)!::write(ready[1], first.First() ? "1" : "0", 1);
    ::pause();
    ::_exit(0);
  }
  char took = 0;
  QCOMPARE(::read(ready[0], &took, 1), ssize_t(1));
  QCOMPARE(took, '1');
  {
    SingleInstance second(folder.path());
    QVERIFY(!second.First());
  }
  ::kill(pid, SIGKILL);
  ::waitpid(pid, nullptr, 0);
  ::close(ready[0]);
  ::close(ready[1]);
  SingleInstance after(folder.path());
  QVERIFY(after.First());
}

void InstanceTest::aLinkInTheSharedFolderIsNotFollowed() {
  // Another user may leave a link where the lock goes in a shared folder:
  // the lock is then taken in the user's own state folder, and the link's
  // target is neither made nor locked.
  QTemporaryDir program, runtime, state, elsewhere;
  qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
  qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
  const QString key = SingleInstance::KeyFor(program.path());
  const QString target = elsewhere.filePath(QStringLiteral("victim"));
  QVERIFY(QFile::link(target, runtime.filePath(key + QStringLiteral(".lock"))));
  {
    SingleInstance first(program.path());
    QVERIFY(first.First());
    QVERIFY(!QFile::exists(target));
    QVERIFY(
        QFile::exists(state.filePath(QStringLiteral("numerina/") + key + QStringLiteral(".lock"))));
    SingleInstance second(program.path());
    QVERIFY(!second.First());
  }
  qunsetenv("XDG_RUNTIME_DIR");
  qunsetenv("XDG_STATE_HOME");
}

}  // namespace numerina::ui::test

QTEST_GUILESS_MAIN(numerina::ui::test::InstanceTest)
#include "window_instance_test.moc"
