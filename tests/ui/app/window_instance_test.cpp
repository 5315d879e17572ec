// SPDX-License-Identifier: GPL-3.0-or-later
// One calculator per user and program folder.
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/app/singleinstance.h"

namespace numerina::ui::test {

class InstanceTest : public QObject {
  Q_OBJECT

 private slots:
  void secondStartAsksTheFirstToShow();
  void foldersDoNotMeet();
  void lockIsFreeAfterTheFirstEnds();
  void namesDependOnTheFolder();
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

}  // namespace numerina::ui::test

QTEST_GUILESS_MAIN(numerina::ui::test::InstanceTest)
#include "window_instance_test.moc"
