// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Test support for the calculator window: a program folder per test (the
// settings file lives there), a watch over modal boxes that fails the test
// on any box it was not told about, a rig that starts the window the way
// the program does, and the ways a test sees the window: its controls by
// their names, and how a key, a button or a banner looks by its pixels.

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cstdlib>
#include <deque>
#include <functional>
#include <memory>
#include <utility>

#include "config/ini.h"
#include "config/settings.h"
#include "tests/support/quiet.h"
#include "ui/calculator/calculator.h"
#include "ui/calculator/shell.h"
#include "ui/calculator/tapeview.h"
#include "ui/skin/keytable.h"
#include "ui/skin/layout.h"
#include "ui/skin/skin.h"
#include "ui/skin/text.h"

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

// The program around a calculator that stands alone, recording what the
// window asks of it: the end of the program, files to open; printing goes
// to onPrint when a test sets it. Keys act as soon as they are pressed
// unless flashMs says otherwise.
struct RecordingShell : StandaloneShell {
  int quits = 0;
  QStringList opened;
  std::function<void(QWidget&, Host&, std::function<std::string()>)> onPrint;
  int flashMs = 0;

  void Esci() override { ++quits; }
  void OpenFile(const QString& path) override { opened << path; }
  void Stampa(QWidget& window, Host& host, std::function<std::string()> tape) override {
    if (onPrint) onPrint(window, host, std::move(tape));
  }
  int KeyFlashMs() const override { return flashMs; }
};

// A control of the window by its object name; the test stops when the
// window has none of that name and type.
template <typename W = QWidget>
W& Control(QWidget& window, const QString& name) {
  W* w = window.findChild<W*>(name);
  if (!w) qFatal("no control named %s", qPrintable(name));
  return *w;
}

// The key of the table's row, the toolbar button, Banner1 or Banner2, the
// hidden Focus button that takes the keys, the display (Readout1). Keys
// share their names as a control array does ("Number", "Operator"): the
// key is the one of that name at the row's place.
inline QWidget& KeyButton(QWidget& calc, int row) {
  const KeyDef& k = kKeys[static_cast<std::size_t>(row)];
  for (QWidget* w : calc.findChildren<QWidget*>(ToQString(k.name)))
    if (w->pos() == QPoint(k.x, k.y)) return *w;
  qFatal("no key %s at %d,%d", k.name.data(), k.x, k.y);
}
inline QWidget& ToolButton(QWidget& calc, Tool tool) {
  return Control(calc, QStringLiteral("cmdBarra%1").arg(ToolIndex(tool)));
}
inline QWidget& BannerButton(QWidget& calc, int which) {
  return Control(calc, QStringLiteral("Banner%1").arg(which));
}
inline QWidget& FocusButtonOf(QWidget& calc) { return Control(calc, QStringLiteral("Focus")); }
inline QLabel& DisplayOf(QWidget& calc) {
  return Control<QLabel>(calc, QStringLiteral("Readout1"));
}

// The report panel is there when the window has its full width.
inline bool ReportShown(const QWidget& calc) {
  return calc.width() == Calculator::kWidthWithReport;
}
inline bool StaysOnTop(const QWidget& calc) {
  return calc.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

// The window's pixels over r (window coordinates), as an image.
inline QImage Pixels(QWidget& calc, const QRect& r) {
  return calc.grab(r).toImage().convertToFormat(QImage::Format_RGB32);
}

// What the skin paints over r: the background with every key released,
// then whatever paint adds, at the window's device pixel ratio.
inline QImage SkinPixels(const QWidget& calc, const QRect& r,
                         const std::function<void(QPainter&)>& paint = {}) {
  const qreal dpr = calc.devicePixelRatioF();
  QPixmap canvas = Skin::Background(dpr);
  if (paint) {
    QPainter p(&canvas);
    paint(p);
  }
  const QRect device(QPoint(qRound(r.x() * dpr), qRound(r.y() * dpr)),
                     QSize(qRound(r.width() * dpr), qRound(r.height() * dpr)));
  return canvas.copy(device).toImage().convertToFormat(QImage::Format_RGB32);
}

// Two renderings of the same picture: the window's own painting and the
// skin's painting into a pixmap may round a gradient's colour apart by a
// step or two.
inline bool SamePicture(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return false;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      if (std::abs(qRed(p) - qRed(q)) > 2 || std::abs(qGreen(p) - qGreen(q)) > 2 ||
          std::abs(qBlue(p) - qBlue(q)) > 2)
        return false;
    }
  return true;
}

// A key or a toolbar button looks pressed when its square shows the skin's
// pressed picture, released when it shows the background's; a square that
// shows neither looks like neither.
inline QRect KeyRect(int row) {
  const KeyDef& k = kKeys[static_cast<std::size_t>(row)];
  return QRect(k.x, k.y, kKeySize, kKeySize);
}
inline bool KeyLooks(QWidget& calc, int row, bool pressed) {
  const KeyDef& k = kKeys[static_cast<std::size_t>(row)];
  return SamePicture(Pixels(calc, KeyRect(row)), SkinPixels(calc, KeyRect(row), [&](QPainter& p) {
                       if (pressed) Skin::PaintKey(p, k, true);
                     }));
}
inline bool KeyLooksPressed(QWidget& calc, int row) { return KeyLooks(calc, row, true); }
inline bool KeyLooksReleased(QWidget& calc, int row) { return KeyLooks(calc, row, false); }
inline bool AllKeysLookReleased(QWidget& calc) {
  for (std::size_t row = 0; row < kKeys.size(); ++row)
    if (!KeyLooksReleased(calc, int(row))) return false;
  return true;
}

inline QRect ToolRect(Tool tool) {
  const ToolDef& t = kTools[ToolIndex(tool)];
  return QRect(t.x, t.y, kToolSize, kToolSize);
}
inline bool ToolLooks(QWidget& calc, Tool tool, bool pressed) {
  const ToolDef& t = kTools[ToolIndex(tool)];
  const bool enabled = ToolButton(calc, tool).isEnabled();
  return SamePicture(Pixels(calc, ToolRect(tool)),
                     SkinPixels(calc, ToolRect(tool), [&](QPainter& p) {
                       if (pressed || !enabled) Skin::PaintTool(p, t, pressed, enabled);
                     }));
}
inline bool ToolLooksPressed(QWidget& calc, Tool tool) { return ToolLooks(calc, tool, true); }
inline bool ToolLooksReleased(QWidget& calc, Tool tool) { return ToolLooks(calc, tool, false); }

// What a banner frame shows, told by its control and its pixels: nothing
// (the control hidden, the frame bare), an empty picture control over the
// bare frame, the built-in logo, or something else (a picture).
enum class BannerLook { Hidden, Empty, Logo, Picture };
inline QRect BannerFrame(int which) {
  return which == 1 ? layout::kBanner1Frame : layout::kBanner2Frame;
}
inline BannerLook BannerShows(QWidget& calc, int which) {
  const QWidget& button = BannerButton(calc, which);
  const QRect frame = BannerFrame(which);
  const QImage now = Pixels(calc, frame);
  if (SamePicture(now, SkinPixels(calc, frame)))
    return button.isVisibleTo(&calc) ? BannerLook::Empty : BannerLook::Hidden;
  const QRect picture = button.geometry();
  const QImage logo = SkinPixels(calc, frame, [&](QPainter& p) {
    p.setClipRect(frame);
    Skin::PaintLogo(p, picture);
  });
  return SamePicture(now, logo) ? BannerLook::Logo : BannerLook::Picture;
}

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
    shell.flashMs = flashMs;
    calc = std::make_unique<Calculator>(shell);
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

  QString Display() const { return DisplayOf(*calc).text(); }
  QString TapeShown() const { return calc->Tape().TapeText(); }
  // The tape the window holds, as it hands it to printing: the print
  // button, with printing watched for the moment. An empty tape has
  // nothing to print and says so in a box.
  QString TapeOfEngine() {
    QString held;
    bool handed = false;
    auto print = std::exchange(shell.onPrint, [&](QWidget&, Host&, auto tape) {
      held = QString::fromStdString(tape());
      handed = true;
    });
    const bool empty = TapeShown().isEmpty();
    if (empty)
      boxes.Expect({QStringLiteral("Nessun dato da stampare!"),
                    QStringLiteral("Numerina"),
                    QMessageBox::Warning,
                    {}});
    const int seen = boxes.Seen();
    QTest::mouseClick(&ToolButton(*calc, Tool::Print), Qt::LeftButton);
    if (empty && !QTest::qWaitFor([&] { return boxes.Seen() > seen; }, 2000))
      QTest::qFail("the empty tape's box never opened", __FILE__, __LINE__);
    if (empty == handed) QTest::qFail("the print button misread the tape", __FILE__, __LINE__);
    shell.onPrint = std::move(print);
    return held;
  }
  // The decimals the window writes numbers with: an operator line on the
  // tape shows them ("1.234,00   +"). Adds that line to the tape.
  QString NumberAsWritten() {
    QTest::keyClicks(&FocusButtonOf(*calc), QStringLiteral("1234+"));
    const QStringList lines = TapeShown().split(QStringLiteral("\r\n"));
    const QString last = lines.isEmpty() ? QString() : lines.back();
    return last.section(QChar(0x00A0), 0, 0);
  }
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
    QTest::mouseClick(&KeyButton(calc, KeyRow(label)), Qt::LeftButton);
}

// Types characters on the focused Focus button.
inline void TypeKeys(Calculator& calc, const QString& text) {
  QTest::keyClicks(&FocusButtonOf(calc), text);
}

inline void ClickTool(Calculator& calc, Tool index, Qt::MouseButton button = Qt::LeftButton) {
  QTest::mouseClick(&ToolButton(calc, index), button);
}

}  // namespace numerina::ui::test
