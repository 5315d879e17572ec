// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/desktop.h"

#include <QApplication>
#include <QEvent>
#include <QMetaMethod>
#include <QTimer>

#include <utility>

#include "ui/calculator/calculator.h"
#include "ui/configdialog/frmconfig.h"
#include "ui/panels/frmabout.h"
#include "ui/panels/frminfoditta.h"
#include "ui/widgets/aperturadabarra.h"

namespace numerina::ui {

namespace {
constexpr int kTrayAtTheLatestMs = 1000;
}  // namespace

Desktop::Desktop(DesktopServices services)
    : services_(std::move(services)),
      task_(*this),
      print_(services_.printModule),
      journal_(services_.journal) {
  // The calculator hides and the small windows close while the program
  // goes on in the tray.
  QApplication::setQuitOnLastWindowClosed(false);
  // The X11 platform tells when a tray comes or goes (a string connection:
  // the signal belongs to the platform plugin).
  // The native interface is a QObject and nothing else; its class is not
  // part of Qt's public headers.
  auto* native = reinterpret_cast<QObject*>(QGuiApplication::platformNativeInterface());
  const int signal =
      native ? native->metaObject()->indexOfSignal("systemTrayWindowChanged(QScreen*)") : -1;
  if (signal >= 0)
    connect(native, native->metaObject()->method(signal), this,
            metaObject()->method(metaObject()->indexOfSlot("TrayChanged()")));
  // A window that closes may have been the last thing on the screen after
  // the tray went (the rescue waits for the small windows).
  qApp->installEventFilter(this);
  connect(&help_, &HelpOpener::OpenedOutside, this, [this] {
    if (calc_) calc_->LeaveTopUntilActivated();
  });
}

Desktop::~Desktop() = default;

void Desktop::Start() {
  Create();
  // The tray form after the window's first paint: its icon and menu hold
  // up neither the window's appearance nor its first picture. A window
  // that is not painted at once (covered from the start) does not keep
  // the tray waiting for long.
  connect(calc_.get(), &Calculator::FirstPainted, this, &Desktop::AfterFirstPaint);
  QTimer::singleShot(kTrayAtTheLatestMs, this, &Desktop::AfterFirstPaint);
}

void Desktop::AfterFirstPaint() {
  if (std::exchange(afterFirstPaint_, true)) return;
  task_.Form_Load();
  // The journal once the window stands: a tape left by the last session
  // is offered then.
  if (calc_) journal_.Begin(*calc_);
}

void Desktop::Create() {
  calc_ = std::make_unique<Calculator>(*this);
  if (services_.windowCreated) services_.windowCreated(*calc_);
  calc_->StartUp();
  calc_->show();
  calc_->BuildTextWidgets();
}

void Desktop::MostraCalcolatrice() {
  if (!calc_) {
    Create();
    calc_->BringToFront();
    return;
  }
  calc_->BringToFront();
}

void Desktop::Unload() {
  if (!calc_) return;
  // An open print dialog works on this window's tape: it closes with it.
  print_.CloseDialog();
  // Called from the window's own key handler: it goes once that returns.
  calc_->hide();
  calc_.release()->deleteLater();
  // The window goes with its tape.
  journal_.Cleared();
}

bool Desktop::UnloadToTray() {
  if (!TrayShown()) return false;
  Unload();
  return true;
}

void Desktop::Minimise(QWidget& window) {
  if (TrayShown())
    window.hide();
  else
    window.showMinimized();
}

void Desktop::Stampa(QWidget& window, Host& host, std::function<std::string()> tape) {
  print_.PrintCommand(window, host, std::move(tape));
}

bool Desktop::TrayShown() const {
  if (services_.trayShown) return services_.trayShown();
  return task_.IconInTray();
}

void Desktop::TrayChanged() {
  // A tray that goes away must not leave the calculator out of reach.
  CheckReach();
}

bool Desktop::eventFilter(QObject* watched, QEvent* event) {
  // A rescue that waited for the small windows looks again at each close
  // (the calculator's own close is left to it).
  if (recheckAtClose_ && event->type() == QEvent::Close && watched->isWidgetType() &&
      watched != calc_.get() && static_cast<QWidget*>(watched)->isWindow())
    CheckReach();
  return false;
}

void Desktop::CheckReach() {
  if (std::exchange(reachCheckPending_, true)) return;
  QTimer::singleShot(0, this, [this] {
    reachCheckPending_ = false;
    recheckAtClose_ = false;
    if (TrayShown()) return;
    if (frmInfoDitta::Aperto() || frmAbout::Aperto()) {
      recheckAtClose_ = true;
      return;
    }
    if (!calc_ || !calc_->isVisible()) MostraCalcolatrice();
  });
}

void Desktop::ApriConfigurazione() {
  // Its close, when AperturaDaBarra is set, brings the calculator back with
  // the settings applied again (a re-created one reads them at its start).
  auto closed = [this] {
    if (calc_) calc_->CaricaConf();
    MostraCalcolatrice();
  };
  if (services_.openConfiguration)
    services_.openConfiguration(closed);
  else
    frmConfig::Apri(closed);
}

void Desktop::ApriInformazioni() {
  frmAbout::Apri([this] { MostraCalcolatrice(); }, [this] { ApriConfigurazione(); });
}

void Desktop::InformazioniDaBarra() {
  AperturaDaBarra = true;
  if (calc_) calc_->hide();
  ApriInformazioni();
}

void Desktop::ApriInfoDitta() {
  if (calc_) calc_->hide();
  frmInfoDitta::Apri([this] { MostraCalcolatrice(); });
}

void Desktop::Esci() {
  journal_.Remove();
  task_.Form_Unload();
  if (services_.quit)
    services_.quit();
  else
    QCoreApplication::quit();
}

}  // namespace numerina::ui
