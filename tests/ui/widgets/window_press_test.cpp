// SPDX-License-Identifier: GPL-3.0-or-later
// The pressable picture in every window. Keys and toolbar buttons draw
// pressed for any mouse button and act only on a left click released over
// them; the banners and the small windows' picture buttons act on the
// release of any button, wherever it happens. What is drawn is read from
// the window's pixels, what is done from the window's own effects.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

#include "tests/support/quiet.h"

#include <functional>
#include <memory>

#include "config/ini.h"
#include "config/settings.h"
#include "ui/calculator/calculator.h"
#include "ui/calculator/shell.h"
#include "ui/configdialog/frmconfig.h"
#include "ui/panels/frmabout.h"
#include "ui/panels/frminfoditta.h"
#include "ui/print/frmprint.h"
#include "ui/widgets/aperturadabarra.h"
#include "ui/widgets/picturebutton.h"

namespace numerina::ui::test {
namespace {

// A settings folder of the test's own.
struct Folder {
  QTemporaryDir dir;
  Folder() { SetSettingsFolderForTesting(dir.path().toStdString()); }
  ~Folder() { SetSettingsFolderForTesting(""); }
};

// The program around the calculator, counting what the window asks.
struct CountingShell : StandaloneShell {
  int informazioni = 0, infoDitta = 0;
  void InformazioniDaBarra() override { ++informazioni; }
  void ApriInfoDitta() override { ++infoDitta; }
};

// Answers every modal box with No (or OK) and counts them.
struct BoxAnswers : QObject {
  int seen = 0;
  QString lastText;
  QTimer timer;
  BoxAnswers() {
    timer.setInterval(20);
    connect(&timer, &QTimer::timeout, this, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || !box->isVisible()) return;
      ++seen;
      lastText = box->text();
      QAbstractButton* answer = box->button(QMessageBox::No);
      if (!answer) answer = box->button(QMessageBox::Ok);
      answer->click();
    });
    timer.start();
  }
};

PictureButton* ByName(QWidget* window, const QString& name) {
  return window ? window->findChild<PictureButton*>(name) : nullptr;
}

PictureButton* ByAccessibleName(QWidget& window, const QString& name) {
  for (PictureButton* b : window.findChildren<PictureButton*>())
    if (QAccessible::queryAccessibleInterface(b)->text(QAccessible::Name) == name) return b;
  return nullptr;
}

QImage Look(QWidget& window, const QWidget& control) {
  return window.grab(control.geometry()).toImage();
}

const QPoint kOutside(-40, 60);

QPoint Centre(const QWidget& w) { return w.rect().center(); }

}  // namespace

class WindowPressTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QuietOffscreenWarnings(); }

  void cleanup() {
    AperturaDaBarra = false;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qobject_cast<SmallWindow*>(w)) delete w;
  }

  // ---- The calculator: keys and toolbar buttons, and its banners ----

  void calculator_data() {
    QTest::addColumn<QString>("control");  // its accessible name
    QTest::addColumn<Qt::MouseButton>("mouse");
    QTest::addColumn<bool>("inside");
    QTest::addColumn<bool>("acts");
    QTest::newRow("key, left over it") << "sette" << Qt::LeftButton << true << true;
    QTest::newRow("key, right over it") << "sette" << Qt::RightButton << true << false;
    QTest::newRow("key, middle over it") << "sette" << Qt::MiddleButton << true << false;
    QTest::newRow("key, left outside") << "sette" << Qt::LeftButton << false << false;
    QTest::newRow("tool, left over it") << "informazioni" << Qt::LeftButton << true << true;
    QTest::newRow("tool, right over it") << "informazioni" << Qt::RightButton << true << false;
    QTest::newRow("tool, left outside") << "informazioni" << Qt::LeftButton << false << false;
    QTest::newRow("banner, right outside") << "Banner2" << Qt::RightButton << false << true;
    QTest::newRow("banner, middle over it") << "Banner2" << Qt::MiddleButton << true << true;
  }
  void calculator() {
    QFETCH(QString, control);
    QFETCH(Qt::MouseButton, mouse);
    QFETCH(bool, inside);
    QFETCH(bool, acts);
    Folder folder;
    CountingShell shell;
    Calculator calc(shell);
    calc.StartUp();
    calc.show();
    calc.BuildTextWidgets();
    QVERIFY(QTest::qWaitForWindowExposed(&calc));
    auto* display = calc.findChild<QLabel*>(QStringLiteral("Readout1"));
    QVERIFY(display);
    const QString shown = display->text();
    PictureButton* button = control.startsWith(QLatin1String("Banner"))
                                ? ByName(&calc, control)
                                : ByAccessibleName(calc, control);
    QVERIFY(button && button->isVisible());
    const QImage released = Look(calc, *button);
    QTest::mousePress(button, mouse, {}, Centre(*button));
    QVERIFY2(Look(calc, *button) != released, "drawn pressed while held");
    QTest::mouseRelease(button, mouse, {}, inside ? Centre(*button) : kOutside);
    // The action runs after the key's flash.
    const auto done = [&] {
      if (control == QLatin1String("sette")) return display->text() != shown;
      if (control == QLatin1String("informazioni")) return shell.informazioni == 1;
      return shell.infoDitta == 1;
    };
    if (acts) {
      QTRY_VERIFY(done());
    } else {
      QTest::qWait(300);
      QVERIFY(!done());
      QCOMPARE(display->text(), shown);
      QCOMPARE(shell.informazioni + shell.infoDitta, 0);
    }
    QTRY_COMPARE(Look(calc, *button), released);  // and drawn released again
  }

  // ---- The small windows' picture buttons ----

  void smallWindows_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<Qt::MouseButton>("mouse");
    QTest::addColumn<bool>("inside");
    const struct {
      const char* window;
      const char* control;
    } all[] = {{"config", "Image1"},   {"config", "Image2"}, {"print", "imgOk"},
               {"print", "imgCancel"}, {"about", "Image3"},  {"about", "Image4"},
               {"infoditta", "Image1"}};
    for (const auto& c : all) {
      const QString name = QStringLiteral("%1 %2").arg(QLatin1String(c.window), c.control);
      QTest::newRow(qPrintable(name + " left over it"))
          << c.window << c.control << Qt::LeftButton << true;
      QTest::newRow(qPrintable(name + " right outside"))
          << c.window << c.control << Qt::RightButton << false;
      QTest::newRow(qPrintable(name + " middle outside"))
          << c.window << c.control << Qt::MiddleButton << false;
    }
  }
  void smallWindows() {
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(Qt::MouseButton, mouse);
    QFETCH(bool, inside);
    Folder folder;
    BoxAnswers boxes;
    int shown = 0, configs = 0, printed = 0;
    QPointer<QWidget> w;
    if (window == QLatin1String("config")) {
      AperturaDaBarra = true;
      w = frmConfig::Apri([&] { ++shown; });
    } else if (window == QLatin1String("print")) {
      w = FrmPrint::Open(nullptr, [&](FrmPrint::Choice) { ++printed; });
    } else if (window == QLatin1String("about")) {
      AperturaDaBarra = true;
      w = frmAbout::Apri([&] { ++shown; }, [&] { ++configs; });
    } else {
      w = frmInfoDitta::Apri([&] { ++shown; });
    }
    QVERIFY(w && QTest::qWaitForWindowExposed(w));
    PictureButton* button = ByName(w, control);
    QVERIFY(button);
    const QImage released = Look(*w, *button);
    QTest::mousePress(button, mouse, {}, Centre(*button));
    QVERIFY2(Look(*w, *button) != released, "drawn pressed while held");
    QTest::mouseRelease(button, mouse, {}, inside ? Centre(*button) : kOutside);

    // Every row acts: what each control does.
    if (control == QLatin1String("Image2") && window == QLatin1String("config")) {
      QTRY_COMPARE(boxes.seen, 1);  // "Ripristina" asks first
      QCOMPARE(boxes.lastText, QStringLiteral("Vuoi ripristinare la configurazione originaria?"));
      QVERIFY(w->isVisible());
      QCOMPARE(Look(*w, *button), released);
      return;
    }
    QCOMPARE(boxes.seen, 0);
    QVERIFY(!w || !w->isVisible());  // closed
    if (window == QLatin1String("config")) {
      QCOMPARE(shown, 1);
      QCOMPARE(QString::fromStdString(LeggiIni(kSection, kPrimoPiano)), QStringLiteral("1"));
    } else if (window == QLatin1String("print")) {
      QCOMPARE(printed, control == QLatin1String("imgOk") ? 1 : 0);
    } else if (window == QLatin1String("about")) {
      QCOMPARE(configs, control == QLatin1String("Image4") ? 1 : 0);
      QCOMPARE(shown, control == QLatin1String("Image3") ? 1 : 0);
    } else {
      QCOMPARE(shown, 1);
    }
  }

  // A small window's button hidden under a held button does nothing when
  // the release comes.
  void smallWindowHiddenWhilePressed() {
    Folder folder;
    int printed = 0;
    FrmPrint* dialog = FrmPrint::Open(nullptr, [&](FrmPrint::Choice) { ++printed; });
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    PictureButton* ok = ByName(dialog, QStringLiteral("imgOk"));
    QTest::mousePress(ok, Qt::LeftButton, {}, Centre(*ok));
    dialog->hide();
    QTest::mouseRelease(ok, Qt::LeftButton, {}, Centre(*ok));
    QCOMPARE(printed, 0);
  }
};

}  // namespace numerina::ui::test

QTEST_MAIN(numerina::ui::test::WindowPressTest)
#include "window_press_test.moc"
