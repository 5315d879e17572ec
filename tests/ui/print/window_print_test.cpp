// SPDX-License-Identifier: GPL-3.0-or-later
// The print command through the real window: the empty-tape message, the
// print options dialog (default choice, one at a time, not kept, release
// outside, keys, names), the no-printer path, the notice, and the text
// export with its save dialog. printsOnDefaultPrinter runs from
// cups_test.sh against a private CUPS server, through the print module the
// program loads.
#include <QAccessible>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include <unistd.h>

#include <functional>

#include "report/export.h"
#include "tests/support/window_support.h"
#include "ui/app/printloader.h"
#include "ui/print/frmprint.h"
#include "ui/print/printcommand.h"
#include "ui/print/printnotice.h"

using namespace numerina;
using namespace numerina::ui;
using namespace numerina::ui::test;

namespace {

// The calculator with the program's print command behind its print button.
struct PrintRig : Rig {
  PrintRig() { shell.onPrint = PrintCommand; }
};

// The calculator with the print module behind its print button, loaded as
// the program loads it. The module has its own print code: its dialog is
// found by name, not through this executable's FrmPrint.
struct ModuleRig : Rig {
  PrintLoader loader{QStringLiteral(NUMERINA_PRINT_MODULE)};
  ModuleRig() {
    shell.onPrint = [this](QWidget& w, Host& h, std::function<std::string()> tape) {
      loader.PrintCommand(w, h, std::move(tape));
    };
  }
};

const char* const kNoPrinter = "Problema di stampa nella stampante utilizzata.";
const char* const kSaveFailed = "Impossibile salvare il report nel file scelto.";

// Answers the next save dialog: looks at it, then types name and Return, or
// cancels when name is empty.
class SaveDialogAnswer : public QObject {
 public:
  explicit SaveDialogAnswer(QString name) : name_(std::move(name)) {
    timer_.setInterval(20);
    connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
    timer_.start();
  }

  bool seen = false;
  bool printDialogGone = false;
  QString title, directory, filter, initialName;
  bool confirmsOverwrite = true;

 private:
  void Poll() {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog || seen) return;
    seen = true;
    timer_.stop();
    printDialogGone = !FrmPrint::Current() || !FrmPrint::Current()->isVisible();
    title = dialog->windowTitle();
    directory = dialog->directory().absolutePath();
    filter = dialog->nameFilters().join(QStringLiteral(";;"));
    confirmsOverwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    initialName = edit ? edit->text() : QString();
    if (name_.isEmpty() || !edit) {
      dialog->reject();
      return;
    }
    edit->setText(name_);
    QTest::keyClick(edit, Qt::Key_Return);
  }

  QString name_;
  QTimer timer_;
};

QByteArray ReadFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

QLabel* Notice(Calculator& calc) { return calc.findChild<QLabel*>(QStringLiteral("txtInfo")); }

}  // namespace

// The dialog's controls by their design names.
QRadioButton& Option(FrmPrint* dialog, int index) {
  return *dialog->findChild<QRadioButton*>(QStringLiteral("Option1_%1").arg(index));
}
PictureButton& OkButton(FrmPrint* dialog) {
  return *dialog->findChild<PictureButton*>(QStringLiteral("imgOk"));
}
PictureButton& CancelButton(FrmPrint* dialog) {
  return *dialog->findChild<PictureButton*>(QStringLiteral("imgCancel"));
}

class WindowPrintTest : public QObject {
  Q_OBJECT

 private:
  // Opens the dialog from the toolbar with a non-empty tape.
  FrmPrint* OpenDialog(Rig& rig, const QString& keys = QStringLiteral("12+3=")) {
    TypeKeys(*rig.calc, keys);
    ClickTool(*rig.calc, Tool::Print);
    return FrmPrint::Current();
  }

  // Chooses "File di testo" and saves as name (empty: cancel).
  void SaveAs(Rig& rig, const QString& name, SaveDialogAnswer* answer = nullptr) {
    std::unique_ptr<SaveDialogAnswer> own;
    if (!answer) {
      own = std::make_unique<SaveDialogAnswer>(name);
      answer = own.get();
    }
    ClickTool(*rig.calc, Tool::Print);
    FrmPrint* dialog = FrmPrint::Current();
    QVERIFY(dialog);
    Option(dialog, 1).click();
    QTest::mouseClick(&OkButton(dialog), Qt::LeftButton);
    QVERIFY(answer->seen);
  }

 private slots:
  void init() { QVERIFY(QDir::setCurrent(work_.path())); }

  void cleanup() {
    if (FrmPrint* open = FrmPrint::Current()) delete open;
    QDir(work_.path()).removeRecursively();
    QDir().mkpath(work_.path());
    FailOnUnexpectedBoxes();
  }

  void emptyTape() {
    PrintRig rig;
    rig.Start();
    bool hidden = false;
    rig.boxes.Expect({QStringLiteral("Nessun dato da stampare!"), QStringLiteral("Numerina"),
                      QMessageBox::Warning, [&] { hidden = !rig.calc->isVisible(); }});
    ClickTool(*rig.calc, Tool::Print);
    rig.CheckBoxes();
    QVERIFY(hidden);
    QVERIFY(rig.calc->isVisible());
    QVERIFY(!FrmPrint::Current());
  }

  void dialogOpensOnceAndForgets() {
    PrintRig rig;
    rig.Start();
    FrmPrint* dialog = OpenDialog(rig);
    QVERIFY(dialog);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QCOMPARE(dialog->size(), QSize(161, 114));
    QVERIFY(Option(dialog, 0).isChecked());
    QVERIFY(!Option(dialog, 1).isChecked());
    QVERIFY(dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(dialog->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(dialog->windowModality(), Qt::NonModal);
    // Rounded corners: the corner pixels are outside, the edges' middles in.
    const QRegion mask = dialog->mask();
    for (const QPoint& corner : {QPoint(0, 0), QPoint(160, 0), QPoint(0, 113), QPoint(160, 113),
                                 QPoint(1, 1), QPoint(159, 112)})
      QVERIFY2(!mask.contains(corner),
               qPrintable(QStringLiteral("%1,%2").arg(corner.x()).arg(corner.y())));
    for (const QPoint& in :
         {QPoint(80, 0), QPoint(0, 57), QPoint(160, 57), QPoint(80, 113), QPoint(4, 4)})
      QVERIFY2(mask.contains(in), qPrintable(QStringLiteral("%1,%2").arg(in.x()).arg(in.y())));
    // Every control can be found by its name.
    for (QWidget* w : dialog->findChildren<QWidget*>())
      QVERIFY2(!QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).isEmpty(),
               qPrintable(w->objectName()));

    // The main window stays usable meanwhile.
    TypeKeys(*rig.calc, QStringLiteral("7"));
    QCOMPARE(rig.Display(), QStringLiteral("7,"));

    // A second opening raises the same dialog.
    Option(dialog, 1).click();
    ClickTool(*rig.calc, Tool::Print);
    QCOMPARE(FrmPrint::Current(), dialog);
    int dialogs = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qobject_cast<FrmPrint*>(w)) ++dialogs;
    QCOMPARE(dialogs, 1);

    // Escape is Annulla; the choice is not kept.
    QTest::keyClick(&Option(dialog, 1), Qt::Key_Escape);
    QTRY_VERIFY(!FrmPrint::Current());
    ClickTool(*rig.calc, Tool::Print);
    QVERIFY(FrmPrint::Current());
    QVERIFY(Option(FrmPrint::Current(), 0).isChecked());
    rig.CheckBoxes();
  }

  // Ok at once prints (the default choice); with no print server that is
  // the no-printer failure: the window hides for the message and returns.
  void okPrintsWithoutPrinter_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("mouse on Ok") << QStringLiteral("mouse");
    QTest::newRow("Enter") << QStringLiteral("enter");
    QTest::newRow("press on Ok, release outside") << QStringLiteral("outside");
  }

  void okPrintsWithoutPrinter() {
    QFETCH(QString, how);
    PrintRig rig;
    rig.Start();
    FrmPrint* dialog = OpenDialog(rig);
    QVERIFY(dialog);
    bool hidden = false, dialogGone = false;
    rig.boxes.Expect(
        {QString::fromUtf8(kNoPrinter), QStringLiteral("Numerina"), QMessageBox::Critical, [&] {
           hidden = !rig.calc->isVisible();
           dialogGone = !FrmPrint::Current() || !FrmPrint::Current()->isVisible();
         }});
    const QString tape = rig.TapeOfEngine();
    if (how == QLatin1String("mouse")) {
      QTest::mouseClick(&OkButton(dialog), Qt::LeftButton);
    } else if (how == QLatin1String("enter")) {
      QTest::keyClick(&Option(dialog, 0), Qt::Key_Return);
    } else {
      QTest::mousePress(&OkButton(dialog), Qt::LeftButton);
      QTest::mouseRelease(&OkButton(dialog), Qt::LeftButton, {}, QPoint(-40, 60));
    }
    // The job runs on the print thread; its answer comes later.
    QTRY_VERIFY_WITH_TIMEOUT(rig.boxes.AllSeen(), 15000);
    QTRY_VERIFY(rig.calc->isVisible());
    rig.CheckBoxes();
    QVERIFY(hidden);
    QVERIFY(dialogGone);
    QVERIFY(rig.calc->isVisible());
    QVERIFY(!Notice(*rig.calc) || !Notice(*rig.calc)->isVisible());
    QCOMPARE(rig.TapeOfEngine(), tape);
    QTRY_VERIFY(!FrmPrint::Current());
  }

  void cancelDoesNothing_data() {
    QTest::addColumn<bool>("outside");
    QTest::newRow("click") << false;
    QTest::newRow("release outside") << true;
  }

  void cancelDoesNothing() {
    QFETCH(bool, outside);
    PrintRig rig;
    rig.Start();
    FrmPrint* dialog = OpenDialog(rig);
    QVERIFY(dialog);
    Option(dialog, 1).click();
    QTest::mousePress(&CancelButton(dialog), Qt::LeftButton);
    QTest::mouseRelease(&CancelButton(dialog), Qt::LeftButton, {},
                        outside ? QPoint(200, -30) : QPoint(10, 10));
    QTRY_VERIFY(!FrmPrint::Current());
    QVERIFY(QDir(work_.path()).isEmpty());
    rig.CheckBoxes();
  }

  void noticeDoesNotBlock() {
    PrintRig rig;
    rig.Start();
    QElapsedTimer clock;
    clock.start();
    ShowPrintNotice(*rig.calc, 600);
    QLabel* notice = Notice(*rig.calc);
    QVERIFY(notice && notice->isVisible());
    QCOMPARE(notice->text(), QStringLiteral("Stampa inviata alla stampante"));
    TypeKeys(*rig.calc, QStringLiteral("4+5="));
    QCOMPARE(rig.Display(), QStringLiteral("9,"));
    QVERIFY(notice->isVisible());
    QVERIFY(clock.elapsed() < 600);
    QTRY_VERIFY_WITH_TIMEOUT(!notice->isVisible(), 5000);
    QVERIFY(clock.elapsed() >= 600);

    // Whole on the window, with the report panel shown and hidden.
    for (int round = 0; round < 2; ++round) {
      if (round == 1) ClickTool(*rig.calc, Tool::Report);
      ShowPrintNotice(*rig.calc, 600);
      QVERIFY(rig.calc->rect().contains(notice->geometry()));
      const QRect needed = notice->fontMetrics().boundingRect(
          notice->contentsRect(), Qt::AlignCenter | Qt::TextWordWrap, notice->text());
      QVERIFY2(notice->contentsRect().contains(needed),
               qPrintable(QStringLiteral("round %1").arg(round)));
    }
    QCOMPARE(ReportShown(*rig.calc), false);
  }

  // ---- The text export ----

  void exportBytes_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QByteArray>("exact");  // empty: see the end instead
    QTest::newRow("an operand line alone")
        << QStringLiteral("12+") << QByteArray("12,00\xA0\xA0\xA0+\r\n");
    QTest::newRow("ends with a total block") << QStringLiteral("12+3=") << QByteArray();
  }

  void exportBytes() {
    QFETCH(QString, keys);
    QFETCH(QByteArray, exact);
    PrintRig rig;
    rig.Start();
    TypeKeys(*rig.calc, keys);
    SaveDialogAnswer answer(QStringLiteral("rapporto"));
    SaveAs(rig, {}, &answer);
    // The dialog's values; ".txt" added to a bare name.
    QVERIFY(answer.printDialogGone);
    QCOMPARE(answer.title, QStringLiteral("Crea file di testo report"));
    QCOMPARE(answer.directory, QDir(work_.path()).absolutePath());
    QCOMPARE(answer.filter, QStringLiteral("File di testo (*.txt)"));
    QCOMPARE(answer.initialName, QStringLiteral("Numerina desktop"));
    QVERIFY(!answer.confirmsOverwrite);
    const QByteArray bytes = ReadFile(work_.filePath(QStringLiteral("rapporto.txt")));
    if (!exact.isEmpty()) {
      QCOMPARE(bytes, exact);
    } else {
      QVERIFY(bytes.endsWith("\r\n\r\n"));
      QCOMPARE(bytes.size(), rig.TapeShown().size() + 2);  // one byte a character
    }
    QCOMPARE(QDir(work_.path()).entryList(QDir::Files),
             QStringList{QStringLiteral("rapporto.txt")});
    QCOMPARE(rig.calc->focusWidget(), static_cast<QWidget*>(&FocusButtonOf(*rig.calc)));
    rig.CheckBoxes();
  }

  void secondSaveReplacesFirst() {
    PrintRig rig;
    rig.Start();
    TypeKeys(*rig.calc, QStringLiteral("1234+5678+9="));
    SaveAs(rig, QStringLiteral("doppio.txt"));
    const QByteArray first = ReadFile(work_.filePath(QStringLiteral("doppio.txt")));
    QVERIFY(first.size() > 40);
    ClickKeys(*rig.calc, "C");  // clear all
    TypeKeys(*rig.calc, QStringLiteral("2+"));
    SaveAs(rig, QStringLiteral("doppio.txt"));
    QCOMPARE(ReadFile(work_.filePath(QStringLiteral("doppio.txt"))),
             QByteArray::fromStdString(TapeFileBytes(rig.TapeOfEngine().toStdString())));
    rig.CheckBoxes();
  }

  void cancelCreatesNothing() {
    PrintRig rig;
    rig.Start();
    TypeKeys(*rig.calc, QStringLiteral("1+"));
    SaveAs(rig, QString());
    QVERIFY(QDir(work_.path()).isEmpty());
    rig.CheckBoxes();
  }

  void missingFolder() {
    PrintRig rig;
    rig.Start();
    TypeKeys(*rig.calc, QStringLiteral("1+2="));
    const QString tape = rig.TapeOfEngine();
    rig.boxes.Expect(
        {QString::fromUtf8(kSaveFailed), QStringLiteral("Numerina"), QMessageBox::Warning, {}});
    SaveAs(rig, work_.filePath(QStringLiteral("manca/rapporto.txt")));
    rig.CheckBoxes();
    QVERIFY(QDir(work_.path()).isEmpty());
    QCOMPARE(rig.TapeOfEngine(), tape);
    QVERIFY(rig.calc->isVisible());
  }

  // Run as nobody (window_print_nobody_test): root may write any file.
  void readOnlyTarget() {
    if (::geteuid() == 0)
      QSKIP("root may write a read-only file: run as nobody (window_print_nobody_test)");
    PrintRig rig;
    rig.Start();
    const QString target = work_.filePath(QStringLiteral("chiuso.txt"));
    {
      QFile f(target);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write("prima\r\n");
    }
    QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    TypeKeys(*rig.calc, QStringLiteral("1+2="));
    const QString tape = rig.TapeOfEngine();
    rig.boxes.Expect(
        {QString::fromUtf8(kSaveFailed), QStringLiteral("Numerina"), QMessageBox::Warning, {}});
    SaveAs(rig, QStringLiteral("chiuso.txt"));
    rig.CheckBoxes();
    QCOMPARE(ReadFile(target), QByteArray("prima\r\n"));
    QCOMPARE(rig.TapeOfEngine(), tape);
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
  }

  // ---- A real printer (cups_test.sh sets NUMERINA_PRINT_LINES) ----

  // Ok on the module's dialog with a tape of n lines; the window goes on
  // while the job is handed over.
  void PressOkOnModuleDialog(ModuleRig& rig, int lines, const std::function<void()>& atOk = {}) {
    // n operand lines; the last "=" adds its operand, the separator, the
    // total and the empty line after it.
    TypeKeys(*rig.calc, QStringLiteral("1+").repeated(lines - 4) + QStringLiteral("1="));
    ClickTool(*rig.calc, Tool::Print);
    QWidget* dialog = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == QLatin1String("frmPrint") && w->isVisible()) dialog = w;
    QVERIFY(dialog);
    QVERIFY(!FrmPrint::Current());  // the module's, not this executable's
    // The module's own copy of the dialog's classes: found as a plain
    // widget by its name.
    auto* ok = dialog->findChild<QWidget*>(QStringLiteral("imgOk"));
    QVERIFY(ok);
    if (atOk) atOk();
    QTest::mouseClick(ok, Qt::LeftButton);
  }

  void printsOnDefaultPrinter() {
    const int lines = qEnvironmentVariableIntValue("NUMERINA_PRINT_LINES");
    if (lines <= 0) QSKIP("needs a print server: run by print_cups_test");
    ModuleRig rig;
    rig.Start();
    // The window's longest pause meanwhile: the gaps between the ticks of a
    // 10 ms timer (a figure for bench/print, not a check).
    QElapsedTimer clock;
    qint64 lastTick = 0, longestPause = 0;
    QTimer tick;
    tick.setInterval(10);
    connect(&tick, &QTimer::timeout, [&] {
      longestPause = std::max(longestPause, clock.elapsed() - lastTick);
      lastTick = clock.elapsed();
    });
    // From Ok on: typing the tape is not part of the figures.
    PressOkOnModuleDialog(rig, lines, [&] {
      clock.start();
      tick.start();
    });
    QTRY_VERIFY_WITH_TIMEOUT(Notice(*rig.calc) && Notice(*rig.calc)->isVisible(), 15000);
    const qint64 ms = clock.elapsed();
    rig.CheckBoxes();
    qInfo(
        "%d lines: Ok to job accepted by the print server in %lld ms; the window's longest "
        "pause meanwhile %lld ms",
        lines, ms, longestPause);
  }

  // A job the server does not take (a queue that refuses jobs, a full
  // temporary folder, a server that does not answer): the print problem,
  // with the window hidden, and never the notice.
  void printFailsOnDefaultPrinter() {
    const int lines = qEnvironmentVariableIntValue("NUMERINA_PRINT_LINES");
    if (lines <= 0) QSKIP("needs a print server: run by print_cups_test");
    ModuleRig rig;
    rig.Start();
    bool hidden = false;
    rig.boxes.Expect({QString::fromUtf8(kNoPrinter), QStringLiteral("Numerina"),
                      QMessageBox::Critical, [&] { hidden = !rig.calc->isVisible(); }});
    QElapsedTimer clock;
    clock.start();
    PressOkOnModuleDialog(rig, lines);
    bool noticeShown = false;
    QVERIFY(QTest::qWaitFor(
        [&] {
          noticeShown = noticeShown || (Notice(*rig.calc) && Notice(*rig.calc)->isVisible());
          return rig.boxes.AllSeen();
        },
        30000));
    const qint64 ms = clock.elapsed();
    QTRY_VERIFY(rig.calc->isVisible());
    rig.CheckBoxes();
    QVERIFY(hidden);
    QVERIFY(!noticeShown);
    QVERIFY(!Notice(*rig.calc) || !Notice(*rig.calc)->isVisible());
    qInfo("%d lines: Ok to the print problem's message in %lld ms", lines, ms);
  }

 private:
  QTemporaryDir work_;
};

QTEST_MAIN(WindowPrintTest)
#include "window_print_test.moc"
