// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Test support for the calculator window: a program folder per test (the
// settings file lives there), a watch over modal boxes that fails the test
// on any box it was not told about, and a rig that starts the window the
// way the program does.

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <deque>
#include <functional>
#include <memory>
#include <utility>

#include "config/ini.h"
#include "config/settings.h"
#include "ui/calculator/calculator.h"
#include "ui/calculator/displaylabel.h"
#include "ui/calculator/focusbutton.h"
#include "ui/calculator/shell.h"
#include "ui/calculator/tapeview.h"
#include "ui/skin/keytable.h"

namespace numerina::ui::test {

// The tape as the tests write it: "·" stands for a no-break space, "|" for
// CR LF.
inline QString Tape(const char* text) {
  QString s = QString::fromUtf8(text);
  s.replace(QChar(0x00B7), QChar(0x00A0));
  s.replace(QLatin1Char('|'), QLatin1String("\r\n"));
  return s;
}

inline QString Setting(std::string_view key) {
  return QString::fromStdString(LeggiIni(kSection, key));
}

class ProgramFolder {
 public:
  ProgramFolder() { SetSettingsFolderForTesting(dir_.path().toStdString()); }
  ~ProgramFolder() { SetSettingsFolderForTesting(""); }
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;

  QString Path() const { return dir_.path(); }
  QString SettingsFile() const { return QString::fromStdString(SettingsFilePath()); }
  bool HasSettings() const { return QFile::exists(SettingsFile()); }

  // Writes the settings file by hand: "[Opzioni]" and the given lines.
  void WriteSettings(const QStringList& lines) const {
    QFile f(SettingsFile());
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) qFatal("cannot write settings");
    f.write("[Opzioni]\r\n");
    for (const QString& line : lines) f.write(line.toUtf8() + "\r\n");
  }

 private:
  QTemporaryDir dir_;
};

// Every box that turned up unannounced, in any rig of the running test.
inline QStringList& UnexpectedBoxes() {
  static QStringList boxes;
  return boxes;
}

// For each test class's cleanup(): fails the test that just ran when a box
// nobody announced was shown (the watch has closed it already).
inline void FailOnUnexpectedBoxes() {
  const QStringList boxes = std::exchange(UnexpectedBoxes(), {});
  QVERIFY2(boxes.isEmpty(), qPrintable("unexpected message box: " + boxes.join(QLatin1Char('\n'))));
}

// Watches for modal boxes every 20 ms. An announced box is checked and
// closed with OK (after running its whileOpen step); any other box is
// closed and recorded, and the rig fails the test on it.
class BoxWatch : public QObject {
 public:
  struct Expected {
    QString text;
    QString title;
    QMessageBox::Icon icon;
    std::function<void()> whileOpen;
  };

  BoxWatch() {
    timer_.setInterval(20);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
    timer_.start();
  }

  void Expect(Expected e) { expected_.push_back(std::move(e)); }
  bool AllSeen() const { return expected_.empty(); }
  const QStringList& Unexpected() const { return unexpected_; }
  const QStringList& Mismatches() const { return mismatches_; }
  int Seen() const { return seen_; }

 private:
  void Poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || busy_) return;
    busy_ = true;
    ++seen_;
    if (expected_.empty()) {
      unexpected_ << box->windowTitle() + QStringLiteral(": ") + box->text();
      UnexpectedBoxes() << unexpected_.back();
    } else {
      Expected e = std::move(expected_.front());
      expected_.pop_front();
      if (box->text() != e.text || box->windowTitle() != e.title || box->icon() != e.icon)
        mismatches_ << box->windowTitle() + QStringLiteral(": ") + box->text();
      if (e.whileOpen) e.whileOpen();
    }
    if (QAbstractButton* ok = box->button(QMessageBox::Ok))
      ok->click();
    else
      box->reject();
    busy_ = false;
  }

  QTimer timer_;
  std::deque<Expected> expected_;
  QStringList unexpected_;
  QStringList mismatches_;
  int seen_ = 0;
  bool busy_ = false;
};

// The offscreen platform warns that it cannot shape windows and cannot
// pass size hints on; both are expected there and hide real warnings.
inline QtMessageHandler& PreviousHandler() {
  static QtMessageHandler previous = nullptr;
  return previous;
}
inline void QuietOffscreenWarnings() {
  static const bool installed = [] {
    PreviousHandler() = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
          if (message.startsWith(QLatin1String("This plugin does not support"))) return;
          if (PreviousHandler()) PreviousHandler()(type, context, message);
        });
    return true;
  }();
  (void)installed;
}

// The program around a calculator that stands alone, recording what the
// window asks of it: the end of the program, files to open; printing goes
// to onPrint when a test sets it.
struct RecordingShell : StandaloneShell {
  int quits = 0;
  QStringList opened;
  std::function<void(QWidget&, Host&, std::function<std::string()>)> onPrint;

  void Esci() override { ++quits; }
  void OpenFile(const QString& path) override { opened << path; }
  void Stampa(QWidget& window, Host& host, std::function<std::string()> tape) override {
    if (onPrint) onPrint(window, host, std::move(tape));
  }
};

// One calculator in its own program folder. Start() runs the program's
// start-up and shows the window; the flash is 0 unless asked otherwise.
struct Rig {
  ProgramFolder folder;
  BoxWatch boxes;
  RecordingShell shell;
  std::unique_ptr<Calculator> calc;
  const int& quits = shell.quits;
  const QStringList& opened = shell.opened;

  void Start(int flashMs = 0) {
    QuietOffscreenWarnings();
    calc = std::make_unique<Calculator>(shell);
    calc->flash().SetFlashMs(flashMs);
    calc->StartUp();
    calc->show();
    calc->BuildTextWidgets();
    QVERIFY(QTest::qWaitForWindowExposed(calc.get()));
  }

  // Fails the running test on boxes that nobody announced or that differ.
  void CheckBoxes() const {
    QVERIFY2(boxes.Unexpected().isEmpty(), qPrintable(boxes.Unexpected().join(QLatin1Char('\n'))));
    QVERIFY2(boxes.Mismatches().isEmpty(), qPrintable(boxes.Mismatches().join(QLatin1Char('\n'))));
    QVERIFY2(boxes.AllSeen(), "an announced message box never opened");
  }

  QString Display() const { return calc->display().text(); }
  QString TapeShown() const { return calc->Tape().TapeText(); }
  QString TapeOfEngine() const { return QString::fromStdString(calc->engine().Pcalc().Text()); }
};

// The row of the key table whose face shows label.
inline int KeyRow(const QString& label) {
  for (std::size_t i = 0; i < kKeys.size(); ++i)
    if (QString::fromUtf8(kKeys[i].label.data(), kKeys[i].label.size()) == label)
      return static_cast<int>(i);
  qFatal("no key labelled %s", qPrintable(label));
  return -1;
}

// Clicks keys with the mouse; labels separated by blanks ("1 2 + 3 =").
inline void ClickKeys(Calculator& calc, const QString& labels) {
  for (const QString& label : labels.split(QLatin1Char(' '), Qt::SkipEmptyParts))
    QTest::mouseClick(&calc.keyButton(KeyRow(label)), Qt::LeftButton);
}

// Types characters on the focused Focus button.
inline void TypeKeys(Calculator& calc, const QString& text) {
  QTest::keyClicks(&calc.focusButton(), text);
}

inline void ClickTool(Calculator& calc, Tool index, Qt::MouseButton button = Qt::LeftButton) {
  QTest::mouseClick(&calc.toolButton(index), button);
}

}  // namespace numerina::ui::test
