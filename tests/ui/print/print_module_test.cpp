// SPDX-License-Identifier: GPL-3.0-or-later
// The print module as the program uses it: loaded from its file at the
// first print and not before, its dialog opened through the calculator's
// print button, its print job run (here without a print server: the print
// problem's message), its dialog closed when the window unloads; and a
// module that cannot be loaded, which gives the print problem's message
// instead of the dialog. This executable links no print code of its own:
// whatever prints, the module did.
#include <QAbstractButton>
#include <QFile>

#include "tests/support/window_support.h"
#include "ui/app/desktop.h"
#include "ui/app/printloader.h"

using namespace numerina;
using namespace numerina::ui;
using namespace numerina::ui::test;

namespace {

const char* const kNoPrinter = "Problema di stampa nella stampante utilizzata.";
const QString kModule = QStringLiteral(NUMERINA_PRINT_MODULE);

// Whether a file whose name holds name is mapped into this process.
bool Mapped(const char* name) {
  QFile maps(QStringLiteral("/proc/self/maps"));
  if (!maps.open(QIODevice::ReadOnly)) qFatal("cannot read /proc/self/maps");
  return maps.readAll().contains(name);
}

// The module's print options dialog, when one is open.
QWidget* PrintDialog() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == QLatin1String("frmPrint") && w->isVisible()) return w;
  return nullptr;
}

// The module has its own copy of the dialog's classes: its picture
// buttons are found as plain widgets by their names.
QWidget* DialogButton(QWidget* dialog, const char* name) {
  return dialog->findChild<QWidget*>(QLatin1String(name));
}

// The calculator with the print button going to the print loader.
struct ModuleRig : Rig {
  PrintLoader loader;
  explicit ModuleRig(const QString& module) : loader(module) {
    shell.onPrint = [this](QWidget& w, Host& h, std::function<std::string()> tape) {
      loader.PrintCommand(w, h, std::move(tape));
    };
  }
};

}  // namespace

class PrintModuleTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == QLatin1String("frmPrint")) delete w;
    FailOnUnexpectedBoxes();
  }

  // First in the run: nothing has loaded the module yet.
  void loadsAtTheFirstPrint() {
    QVERIFY(QFile::exists(kModule));
    ModuleRig rig(kModule);
    rig.Start();
    QVERIFY(!Mapped("numerina-print.so"));
    QVERIFY(!Mapped("libcups"));
    TypeKeys(*rig.calc, QStringLiteral("12+3="));
    ClickTool(*rig.calc, Tool::Print);
    QVERIFY(rig.loader.Module());
    QVERIFY(Mapped("numerina-print.so"));
    QVERIFY(Mapped("libcups"));
    QWidget* dialog = PrintDialog();
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Stampa report"));
    QCOMPARE(dialog->size(), QSize(161, 114));
    // The window's own module object stays the same at the next print.
    PrintModule* first = rig.loader.Module();
    QTest::mouseClick(DialogButton(dialog, "imgCancel"), Qt::LeftButton);
    QTRY_VERIFY(!PrintDialog());
    ClickTool(*rig.calc, Tool::Print);
    QVERIFY(PrintDialog());
    QCOMPARE(rig.loader.Module(), first);
    rig.CheckBoxes();
  }

  // Ok prints through the module's print job; with no print server that is
  // the print problem, with the window hidden while the box shows.
  void printsThroughTheModule() {
    ModuleRig rig(kModule);
    rig.Start();
    TypeKeys(*rig.calc, QStringLiteral("7+8="));
    const QString tape = rig.TapeOfEngine();
    ClickTool(*rig.calc, Tool::Print);
    QWidget* dialog = PrintDialog();
    QVERIFY(dialog);
    bool hidden = false;
    rig.boxes.Expect({QString::fromUtf8(kNoPrinter), QStringLiteral("Numerina"),
                      QMessageBox::Critical, [&] { hidden = !rig.calc->isVisible(); }});
    QTest::mouseClick(DialogButton(dialog, "imgOk"), Qt::LeftButton);
    // The job runs on the print thread; its answer comes later.
    QTRY_VERIFY_WITH_TIMEOUT(rig.boxes.AllSeen(), 15000);
    QTRY_VERIFY(rig.calc->isVisible());
    rig.CheckBoxes();
    QVERIFY(hidden);
    QVERIFY(rig.calc->isVisible());
    QCOMPARE(rig.TapeOfEngine(), tape);
    QTRY_VERIFY(!PrintDialog());
  }

  // The program's desktop loads the module it was given; unloading the
  // window closes the open dialog.
  void desktopPrintsAndUnloads() {
    ProgramFolder folder;
    BoxWatch boxes;
    QPointer<Calculator> window;
    DesktopServices services;
    services.printModule = kModule;
    services.windowCreated = [&window](QWidget& w) { window = qobject_cast<Calculator*>(&w); };
    Desktop desktop(services);
    desktop.Start();
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    // The program's keys flash before they act.
    TypeKeys(*window, QStringLiteral("5+"));
    QTRY_VERIFY(!window->Tape().TapeText().isEmpty());
    ClickTool(*window, Tool::Print);
    QTRY_VERIFY(PrintDialog());
    desktop.Unload();
    QTRY_VERIFY(!PrintDialog());
    QTRY_VERIFY(!window);
    QVERIFY(boxes.Unexpected().isEmpty());
  }

  // No module: the print button says there is a print problem, and the
  // window goes on.
  void missingModule_data() {
    QTest::addColumn<QString>("module");
    QTest::newRow("no such file") << QStringLiteral("/nonexistent/numerina-print.so");
    // A file that is no module at all.
    QTest::newRow("not a module") << QStringLiteral(NUMERINA_NOT_A_MODULE);
  }

  void missingModule() {
    QFETCH(QString, module);
    ProgramFolder folder;
    BoxWatch boxes;
    Calculator* window = nullptr;
    DesktopServices services;
    services.printModule = module;
    services.windowCreated = [&window](QWidget& w) { window = qobject_cast<Calculator*>(&w); };
    Desktop desktop(services);
    desktop.Start();
    QVERIFY(window);
    Calculator& calc = *window;
    QVERIFY(QTest::qWaitForWindowExposed(&calc));
    // The program's keys flash before they act.
    TypeKeys(calc, QStringLiteral("12+"));
    QTRY_VERIFY(!calc.Tape().TapeText().isEmpty());
    bool hidden = false;
    boxes.Expect({QString::fromUtf8(kNoPrinter), QStringLiteral("Numerina"), QMessageBox::Critical,
                  [&] { hidden = !calc.isVisible(); }});
    ClickTool(calc, Tool::Print);
    QTRY_VERIFY2(boxes.AllSeen(), "no message box");
    QVERIFY2(boxes.Mismatches().isEmpty(), qPrintable(boxes.Mismatches().join('\n')));
    QVERIFY(hidden);
    QVERIFY(calc.isVisible());
    QVERIFY(!PrintDialog());
    TypeKeys(calc, QStringLiteral("3="));
    QTRY_COMPARE(DisplayOf(calc).text(), QStringLiteral("15,"));
    QVERIFY(!PrintLoader(module).Module());
  }
};

QTEST_MAIN(PrintModuleTest)
#include "print_module_test.moc"
