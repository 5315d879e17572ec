// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop side on the offscreen platform: the tray form's commands run
// through their handlers, Esc unloading the calculator and every way of
// bringing it back afresh, the company information panel and the about box.
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPainter>

#include "tests/support/window_support.h"
#include "ui/app/desktop.h"
#include "ui/app/frmtask.h"
#include "ui/configdialog/frmconfig.h"
#include "ui/panels/frmabout.h"
#include "ui/panels/frminfoditta.h"
#include "ui/widgets/aperturadabarra.h"
#include "ui/widgets/picturebutton.h"

namespace numerina::ui::test {
namespace {

void FlushDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

// The program's desktop in a program folder of its own, with a tray (or
// not), ending and the configuration dialog watched instead of acted (the
// real dialog once realConfiguration is set), keys acting at once.
struct DesktopRig {
  ProgramFolder folder;
  BoxWatch boxes;
  bool tray;
  int quits = 0;
  int configs = 0;
  bool flagAtConfig = false;
  bool realConfiguration = false;
  int creations = 0;
  QPointer<Calculator> window;  // the last one made, until it is deleted
  Desktop desktop;

  explicit DesktopRig(bool withTray, const QStringList& settings = {})
      : tray(withTray), desktop(Services()) {
    QuietOffscreenWarnings();
    if (!settings.isEmpty()) folder.WriteSettings(settings);
    desktop.Start();
    // The tray form loads after the window's first paint.
    if (!QTest::qWaitFor([this] { return desktop.task().Loaded(); }, 5000))
      qFatal("the tray form never loaded");
  }
  Calculator& calc() { return *window; }

 private:
  DesktopServices Services() {
    DesktopServices s;
    s.keyFlashMs = 0;
    s.trayShown = [this] { return tray; };
    s.quit = [this] { ++quits; };
    s.openConfiguration = [this](std::function<void()> closed) {
      if (realConfiguration) {
        frmConfig::Apri(std::move(closed));
        return;
      }
      ++configs;
      flagAtConfig = AperturaDaBarra;
    };
    s.windowCreated = [this](QWidget& w) {
      ++creations;
      window = qobject_cast<Calculator*>(&w);
    };
    return s;
  }
};

// A picture button or a text of a small window by its design name.
PictureButton& Button(QWidget* window, const char* name) {
  auto* button = window->findChild<PictureButton*>(QString::fromLatin1(name));
  if (!button) qFatal("no picture button %s", name);
  return *button;
}
QString Text(QWidget* window, const char* name) {
  auto* label = window->findChild<QLabel*>(QString::fromLatin1(name));
  return label ? label->text() : QString();
}
// What the window shows of a control's place.
QImage Look(QWidget& window, const QWidget& control) {
  return window.grab(control.geometry()).toImage();
}

// Presses a spot and releases the button at a point outside it.
void PressAndReleaseOutside(PictureButton& spot) {
  QTest::mousePress(&spot, Qt::LeftButton, {}, QPoint(3, 3));
  QTest::mouseRelease(&spot, Qt::LeftButton, {}, QPoint(-40, 60));
}

bool Shown(QWidget* w) { return w && w->isVisible(); }

// What the calculator's first paint finds: the text boxes shown, the
// tray and the window icon still to come.
struct FirstPaintWatch : QObject {
  const frmTask* task = nullptr;
  int paints = 0;
  bool tapeShown = false;
  bool displayShown = false;
  bool trayLoaded = false;
  bool iconSet = false;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Paint || paints++ > 0) return false;
    auto* window = static_cast<QWidget*>(watched);
    tapeShown = Shown(window->findChild<QWidget*>(QStringLiteral("Pcalc")));
    displayShown = Shown(window->findChild<QWidget*>(QStringLiteral("Readout1")));
    trayLoaded = task->Loaded();
    iconSet = !window->windowIcon().isNull();
    return false;
  }
};

}  // namespace

class DesktopTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { AperturaDaBarra = false; }
  void cleanup() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qobject_cast<SmallWindow*>(w) || qobject_cast<frmConfig*>(w)) delete w;
    FlushDeletes();
    FailOnUnexpectedBoxes();
  }

  void firstPaintHasTheTextBoxesTheTrayComesAfter() {
    ProgramFolder folder;
    QuietOffscreenWarnings();
    FirstPaintWatch watch;
    QPointer<QWidget> window;
    DesktopServices services;
    services.trayShown = [] { return true; };
    services.windowCreated = [&](QWidget& w) {
      window = &w;
      w.installEventFilter(&watch);
    };
    Desktop desktop(services);
    watch.task = &desktop.task();
    desktop.Start();
    QVERIFY(!desktop.task().Loaded());
    QVERIFY(QTest::qWaitFor([&] { return desktop.task().Loaded(); }, 5000));
    QVERIFY(window);
    QVERIFY(watch.paints > 0);
    QVERIFY(watch.tapeShown);
    QVERIFY(watch.displayShown);
    QVERIFY(!watch.trayLoaded);
    QVERIFY(!watch.iconSet);
    QVERIFY(!window->windowIcon().isNull());
    QVERIFY(!desktop.task().icon().icon().isNull());
  }

  void trayMenuAndIcon() {
    DesktopRig rig(true);
    frmTask& task = rig.desktop.task();
    QCOMPARE(task.icon().toolTip(), QStringLiteral("Numerina Desktop"));
    QVERIFY(!task.icon().icon().isNull());
    QMenu& menu = task.menu();
    QCOMPARE(task.icon().contextMenu(), &menu);
    QStringList captions;
    for (QAction* a : menu.actions())
      captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(captions,
             (QStringList{"Numerina", "-", "Configurazione", "Informazioni", "-", "Esci"}));
    // The default item: the menu draws it in bold.
    QCOMPARE(menu.defaultAction(), task.item(0));
  }

  void firstRightClickOnAnXEmbedIconOpensTheMenu() {
    DesktopRig rig(true);
    frmTask& task = rig.desktop.task();
    QVERIFY(!task.OnStatusNotifierHost());
    // Nothing handed to the tray yet: the first right button finds no menu.
    QCOMPARE(task.icon().contextMenu(), nullptr);
    task.Tray_Activated(QSystemTrayIcon::Context);
    QMenu* menu = task.icon().contextMenu();
    QVERIFY(menu);
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->actions().size(), int(frmTask::kMenuItems));
    menu->hide();
    // Later right buttons are Qt's: the same menu, not opened a second time.
    task.Tray_Activated(QSystemTrayIcon::Context);
    QCOMPARE(task.icon().contextMenu(), menu);
    QVERIFY(!menu->isVisible());
    // A menu asked for before the icon is made is the one the icon gets.
    task.Form_Unload();
    QMenu& early = task.menu();
    task.Form_Load();
    QCOMPARE(task.icon().contextMenu(), &early);
  }

  void trayClicksAndCommands() {
    DesktopRig rig(true);
    frmTask& task = rig.desktop.task();
    Calculator* calc = &rig.calc();
    calc->hide();
    // A single click does nothing; the double click that follows shows it.
    task.Tray_Activated(QSystemTrayIcon::Trigger);
    QVERIFY(!calc->isVisible());
    task.Tray_Activated(QSystemTrayIcon::DoubleClick);
    QVERIFY(calc->isVisible());
    // Visible already: nothing changes, not even the window object.
    const QPoint where = calc->pos();
    task.Tray_Activated(QSystemTrayIcon::DoubleClick);
    QCOMPARE(rig.window.data(), calc);
    QCOMPARE(calc->pos(), where);

    calc->hide();
    AperturaDaBarra = true;
    task.mnuFile_Click(0);
    QVERIFY(calc->isVisible());
    QVERIFY(!AperturaDaBarra);

    AperturaDaBarra = true;
    task.mnuFile_Click(2);
    QCOMPARE(rig.configs, 1);
    QVERIFY(!rig.flagAtConfig);

    // "Informazioni" from the tray: its close leaves a hidden window hidden.
    calc->hide();
    AperturaDaBarra = true;
    task.mnuFile_Click(3);
    QVERIFY(Shown(frmAbout::Aperto()));
    QVERIFY(!AperturaDaBarra);
    QTest::mouseClick(&Button(frmAbout::Aperto(), "Image3"), Qt::LeftButton);
    QVERIFY(!Shown(frmAbout::Aperto()));
    QVERIFY(!calc->isVisible());

    task.mnuFile_Click(5);
    QCOMPARE(rig.quits, 1);
    QVERIFY(!task.IconInTray());
  }

  void escUnloadsAndEveryWayBringsItBackAfresh_data() {
    QTest::addColumn<QString>("way");
    for (const char* way : {"doppio clic", "Numerina", "pannello", "about da barra",
                            "configurazione da barra", "seconda partenza"})
      QTest::newRow(way) << QString::fromUtf8(way);
  }
  void escUnloadsAndEveryWayBringsItBackAfresh() {
    QFETCH(QString, way);
    DesktopRig rig(true, {"Decimali=3"});
    Calculator* old = &rig.calc();
    // The memory indicator sits on the display glass, left of the number.
    const QImage noMemory = Pixels(*old, layout::kMemRect);
    ClickKeys(*old, "5 M 1 2 + 3 = 7");
    QVERIFY(Pixels(*old, layout::kMemRect) != noMemory);
    QVERIFY(!rig.calc().Tape().TapeText().isEmpty());
    // Focus has the keyboard: Esc unloads the window, the program goes on.
    QTest::keyClick(&FocusButtonOf(*old), Qt::Key_Escape);
    QPointer<Calculator> gone(old);
    FlushDeletes();
    QVERIFY(gone.isNull());
    QVERIFY(!rig.window.data());
    QCOMPARE(rig.quits, 0);
    // A changed setting shows in the new window.
    rig.folder.WriteSettings({"Decimali=1"});

    if (way == "doppio clic")
      rig.desktop.task().Tray_Activated(QSystemTrayIcon::DoubleClick);
    else if (way == "Numerina")
      rig.desktop.task().mnuFile_Click(0);
    else if (way == "seconda partenza")
      rig.desktop.MostraCalcolatrice();
    else if (way == "pannello") {
      // The panel cannot open without the window; open it as a banner would
      // have before the unload.
      frmInfoDitta::Apri([&rig] { rig.desktop.MostraCalcolatrice(); });
      QTest::mouseClick(&Button(frmInfoDitta::Aperto(), "Image1"), Qt::LeftButton);
    } else if (way == "about da barra") {
      AperturaDaBarra = true;
      rig.desktop.ApriInformazioni();
      QTest::mouseClick(&Button(frmAbout::Aperto(), "Image3"), Qt::LeftButton);
    } else {
      // The real dialog: its close with the flag set brings the window back.
      rig.realConfiguration = true;
      AperturaDaBarra = true;
      rig.desktop.ApriConfigurazione();
      QVERIFY(frmConfig::Aperto());
      QTest::keyClick(frmConfig::Aperto(), Qt::Key_Escape);
    }
    QVERIFY(rig.window.data());
    Calculator& fresh = rig.calc();
    QVERIFY(fresh.isVisible());
    QCOMPARE(rig.creations, 2);
    QCOMPARE(DisplayOf(fresh).text(), QStringLiteral("0,"));
    QCOMPARE(fresh.Tape().TapeText(), QString());
    QCOMPARE(Pixels(fresh, layout::kMemRect), noMemory);
    // The new window works and unloads again like the first; it writes
    // numbers with the changed setting's one decimal.
    ClickKeys(fresh, "4 +");
    QCOMPARE(DisplayOf(fresh).text(), QStringLiteral("4,"));
    QCOMPARE(fresh.Tape().TapeText(), Tape("4,0···+"));
  }

  void trayConfigurationOpensTheDialogOnce() {
    DesktopRig rig(true);
    rig.realConfiguration = true;
    Calculator& calc = rig.calc();
    calc.hide();
    rig.desktop.task().mnuFile_Click(2);
    frmConfig* dialog = frmConfig::Aperto();
    QVERIFY(Shown(dialog));
    rig.desktop.task().mnuFile_Click(2);
    QCOMPARE(frmConfig::Aperto(), dialog);
    // Opened from the tray: its close leaves the calculator hidden.
    QTest::keyClick(dialog, Qt::Key_Escape);
    QTRY_VERIFY(!Shown(frmConfig::Aperto()));
    QVERIFY(!calc.isVisible());
  }

  void withoutTrayNothingHidesOutOfReach() {
    DesktopRig rig(false);
    Calculator& calc = rig.calc();
    ClickTool(calc, Tool::Minimise);  // hide: to the taskbar instead
    QVERIFY(calc.isMinimized() || calc.windowState().testFlag(Qt::WindowMinimized));
    rig.desktop.MostraCalcolatrice();
    QTest::keyClick(&FocusButtonOf(calc), Qt::Key_Escape);
    QCOMPARE(rig.quits, 1);
    QCOMPARE(rig.window.data(), &calc);
  }

  void hideWithTrayHidesAndToolbarCloseRemovesIcon() {
    DesktopRig rig(true);
    Calculator& calc = rig.calc();
    ClickTool(calc, Tool::Minimise);
    QVERIFY(!calc.isVisible());
    rig.desktop.task().Tray_Activated(QSystemTrayIcon::DoubleClick);
    QVERIFY(calc.isVisible());
    ClickTool(calc, Tool::Close);
    QCOMPARE(rig.quits, 1);
    QVERIFY(!rig.desktop.task().IconInTray());
  }

  // The tray goes while the about box opened from it is up: the rescue
  // waits for the box, and its close (Esc, the cross, the window manager's)
  // brings the unloaded calculator back.
  void trayLostWhileTheAboutBoxIsUpRescuedAtItsClose_data() {
    QTest::addColumn<QString>("how");
    for (const char* how : {"Esc", "cross", "close"})
      QTest::newRow(how) << QString::fromLatin1(how);
  }
  void trayLostWhileTheAboutBoxIsUpRescuedAtItsClose() {
    QFETCH(QString, how);
    DesktopRig rig(true);
    QTest::keyClick(&FocusButtonOf(rig.calc()), Qt::Key_Escape);  // unloaded into the tray
    FlushDeletes();
    QVERIFY(!rig.window);
    rig.desktop.task().mnuFile_Click(frmTask::kInformazioni);
    frmAbout* box = frmAbout::Aperto();
    QVERIFY(Shown(box));
    rig.tray = false;
    QVERIFY(QMetaObject::invokeMethod(&rig.desktop, "TrayChanged"));
    QTest::qWait(50);
    QVERIFY(!rig.window);  // the box is still within reach
    if (how == QLatin1String("Esc")) {
      QTest::keyClick(box, Qt::Key_Escape);
    } else if (how == QLatin1String("cross")) {
      PictureButton& cross = Button(box, "Image3");
      QTest::mouseClick(&cross, Qt::LeftButton, {}, QPoint(3, 3));
    } else {
      box->close();
    }
    QTRY_VERIFY(rig.window && rig.window->isVisible());
  }

  // ---- The company information panel ----

  void infoPanelContent_data() {
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QString>("ditta");
    QTest::addColumn<QString>("info");
    QTest::addColumn<int>("logo");  // 0 none, 1 built in, 2 a picture
    const QString builtIn = QStringLiteral(
        "Questo spazio è a vostra disposizione.\nPotete personalizzarlo con informazioni "
        "personali o inerenti la vostra ditta.\n\nGli autori di Numerina Desktop\nvi augurano "
        "buon lavoro.\n");
    const int b = 1, none = 0;
    QTest::newRow("no settings file") << QStringList() << "Numerina Desktop" << builtIn << b;
    QTest::newRow("Info=1, keys empty") << QStringList{"Info=1", "LogoNome=", "LogoPic="} << ""
                                        << QString(8, QLatin1Char('\n')) << none;
    const QStringList user{"LogoNome=Ditta Rossi", "1=Via Roma 1", "9=fine", "LogoPic=x.png"};
    QTest::newRow("Info=0") << (QStringList{"Info=0"} + user) << "Numerina Desktop" << builtIn << b;
    QTest::newRow("Info=si") << (QStringList{"Info=si"} + user) << "Numerina Desktop" << builtIn
                             << b;
    QTest::newRow("Info=1 with text, logo missing")
        << (QStringList{"Info=1"} + user) << "Ditta Rossi"
        << "Via Roma 1\n\n\n\n\n\n\n\nfine" << none;
  }
  void infoPanelContent() {
    QFETCH(QStringList, settings);
    QFETCH(QString, ditta);
    QFETCH(QString, info);
    QFETCH(int, logo);
    ProgramFolder folder;
    if (!settings.isEmpty()) folder.WriteSettings(settings);
    frmInfoDitta* panel = frmInfoDitta::Apri({});
    QCOMPARE(Text(panel, "lblDitta"), ditta);
    QCOMPARE(Text(panel, "lblInfo"), info);
    auto* shown = panel->findChild<QWidget*>(QStringLiteral("imgLogo"));
    QVERIFY(shown);
    QCOMPARE(shown->isVisible(), logo != 0);
    if (logo == 1) {
      QCOMPARE(shown->accessibleName(), QStringLiteral("Numerina Desktop"));  // the built-in banner
      QCOMPARE(shown->geometry(), QRect(13, 20, 275, 50));                    // 12.5 rounds right
    }
  }

  void infoPanelLogoCentredAndLookedUpByBareName_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("left");
    QTest::newRow("100 px") << 100 << 100;
    QTest::newRow("odd 51 px") << 51 << 125;
  }
  void infoPanelLogoCentredAndLookedUpByBareName() {
    QFETCH(int, width);
    QFETCH(int, left);
    ProgramFolder folder;
    QImage logo(width, 40, QImage::Format_RGB32);
    logo.fill(Qt::red);
    QVERIFY(logo.save(folder.Path() + "/logo.png"));
    folder.WriteSettings({"Info=1", "LogoPic=logo.png"});
    frmInfoDitta* panel = frmInfoDitta::Apri({});
    auto* shown = panel->findChild<QWidget*>(QStringLiteral("imgLogo"));
    QVERIFY(shown && shown->isVisible());
    QCOMPARE(shown->accessibleName(), QStringLiteral("Logo"));
    QCOMPARE(shown->geometry(), QRect(left, 20, width, 40));
    QVERIFY(QTest::qWaitForWindowExposed(panel));
    const QImage shot = panel->grab().toImage();
    QCOMPARE(shot.pixelColor(left, 30), QColor(Qt::red));
    QVERIFY(shot.pixelColor(left - 1, 30) != QColor(Qt::red));
    QVERIFY(shot.pixelColor(left + width, 30) != QColor(Qt::red));
  }

  void infoPanelOutline() {
    ProgramFolder folder;
    frmInfoDitta* panel = frmInfoDitta::Apri({});
    QCOMPARE(panel->size(), QSize(300, 231));
    QVERIFY(panel->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(panel->windowFlags().testFlag(Qt::FramelessWindowHint));
    const QRegion mask = panel->mask();
    const QList<std::pair<QPoint, bool>> pixels = {
        {{0, 100}, false},  {{1, 100}, true},    {{299, 100}, true}, {{300, 100}, false},
        {{4, 0}, false},    {{5, 0}, true},      {{296, 0}, true},   {{297, 0}, false},
        {{1, 1}, false},    {{2, 1}, true},      {{2, 230}, false},  {{3, 230}, true},
        {{297, 230}, true}, {{298, 230}, false}, {{0, 2}, false},    {{1, 228}, true}};
    for (const auto& [pt, inside] : pixels)
      QVERIFY2(mask.contains(pt) == inside,
               qPrintable(QStringLiteral("pixel %1,%2").arg(pt.x()).arg(pt.y())));
  }

  void infoPanelClosesAlikeAndNeverTwice() {
    ProgramFolder folder;
    int shows = 0;
    frmInfoDitta* panel = frmInfoDitta::Apri([&shows] { ++shows; });
    QCOMPARE(frmInfoDitta::Apri([&shows] { ++shows; }), panel);
    // Released outside the cross: closes all the same.
    QVERIFY(QTest::qWaitForWindowExposed(panel));
    PictureButton& cross = Button(panel, "Image1");
    const QImage released = Look(*panel, cross);
    QTest::mousePress(&cross, Qt::LeftButton, {}, QPoint(3, 3));
    QVERIFY(Look(*panel, cross) != released);  // drawn pressed
    QTest::mouseRelease(&cross, Qt::LeftButton, {}, QPoint(-60, 80));
    QVERIFY(!panel->isVisible());
    QCOMPARE(shows, 1);
    // Escape, and the window manager's close.
    panel = frmInfoDitta::Apri([&shows] { ++shows; });
    QTest::keyClick(panel, Qt::Key_Escape);
    QVERIFY(!panel->isVisible());
    QCOMPARE(shows, 2);
    // The closed panel is discarded after the running event: watch it
    // through a guarded pointer.
    QPointer<frmInfoDitta> last = frmInfoDitta::Apri([&shows] { ++shows; });
    last->close();
    QTRY_VERIFY(!last || !last->isVisible());
    QCOMPARE(shows, 3);
  }

  void bannerOpensPanelAndItsCloseBringsWindowBack() {
    DesktopRig rig(true);
    Calculator& calc = rig.calc();
    QTest::mouseClick(&BannerButton(calc, 2), Qt::LeftButton);
    QVERIFY(!calc.isVisible());
    QVERIFY(Shown(frmInfoDitta::Aperto()));
    PressAndReleaseOutside(Button(frmInfoDitta::Aperto(), "Image1"));
    QVERIFY(calc.isVisible());
  }

  // ---- The about box ----

  void aboutBoxContent() {
    ProgramFolder folder;
    frmAbout* box = frmAbout::Apri({}, {});
    QCOMPARE(box->size(), QSize(306, 154));
    QCOMPARE(box->windowTitle(), QStringLiteral("Informazioni su Numerina DeskTop"));
    QCOMPARE(Text(box, "lblVersion"),
             QStringLiteral("Versione ") + QStringLiteral(NUMERINA_PROJECT_VERSION));
    QCOMPARE(Text(box, "lblTitle"), QStringLiteral(" Numerina DeskTop"));
    QCOMPARE(Text(box, "Label4"), QStringLiteral("Gli autori di Numerina Desktop"));
    QCOMPARE(Text(box, "lblDescription"), QStringLiteral("Applicazione desktop per Linux."));
    QCOMPARE(Text(box, "Label1"), QStringLiteral("Realizzato con Qt 6"));
    QVERIFY(Text(box, "Label2").contains(QStringLiteral("GNU GPL versione 3 o successiva")));
    for (const char* gone : {"Label5", "Label6", "Label7"})
      QVERIFY(!box->findChild<QLabel*>(QString::fromLatin1(gone)));
    QCOMPARE(frmAbout::Apri({}, {}), box);
  }

  void aboutFromToolbarVersusTray() {
    DesktopRig rig(true);
    Calculator& calc = rig.calc();
    const QPoint where = calc.pos();
    ClickTool(calc, Tool::Info);
    QVERIFY(AperturaDaBarra);
    QVERIFY(!calc.isVisible());
    QVERIFY(Shown(frmAbout::Aperto()));
    QTest::keyClick(frmAbout::Aperto(), Qt::Key_Escape);
    QVERIFY(calc.isVisible());
    QCOMPARE(calc.pos(), where);

    calc.hide();
    rig.desktop.task().mnuFile_Click(3);
    frmAbout::Aperto()->close();
    QTRY_VERIFY(!Shown(frmAbout::Aperto()));
    QVERIFY(!calc.isVisible());
  }

  void aboutConfigurationButtonKeepsTheFlag_data() {
    QTest::addColumn<bool>("fromToolbar");
    QTest::newRow("dalla barra") << true;
    QTest::newRow("dal vassoio") << false;
  }
  void aboutConfigurationButtonKeepsTheFlag() {
    QFETCH(bool, fromToolbar);
    DesktopRig rig(true);
    if (fromToolbar)
      ClickTool(rig.calc(), Tool::Info);
    else
      rig.desktop.task().mnuFile_Click(3);
    frmAbout* box = frmAbout::Aperto();
    QVERIFY(QTest::qWaitForWindowExposed(box));
    PictureButton& config = Button(box, "Image4");
    const QImage released = Look(*box, config);
    QTest::mousePress(&config, Qt::LeftButton);
    QVERIFY(Look(*box, config) != released);  // drawn pressed
    QTest::mouseRelease(&config, Qt::LeftButton);
    QVERIFY(!box->isVisible());
    QCOMPARE(rig.configs, 1);
    QCOMPARE(rig.flagAtConfig, fromToolbar);
    QCOMPARE(AperturaDaBarra, fromToolbar);
    // The calculator stays hidden until the dialog closes.
    QCOMPARE(rig.calc().isVisible(), !fromToolbar);
  }
};

}  // namespace numerina::ui::test

QTEST_MAIN(numerina::ui::test::DesktopTest)
#include "desktop_test.moc"
