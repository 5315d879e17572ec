// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/frmtask.h"

#include <QCursor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QMenu>

#include "base/product.h"
#include "ui/app/desktop.h"
#include "ui/skin/skin.h"
#include "ui/skin/text.h"
#include "ui/widgets/aperturadabarra.h"

namespace numerina::ui {

namespace {
// The watcher answers at once when it is there, and the bus at once when it
// is not; a hung watcher must not hold the program for long.
constexpr int kWatcherTimeoutMs = 500;
}  // namespace

bool frmTask::StatusNotifierHostRegistered() {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return false;
  const QString watcher = QStringLiteral("org.kde.StatusNotifierWatcher");
  QDBusMessage get = QDBusMessage::createMethodCall(
      watcher, QStringLiteral("/StatusNotifierWatcher"),
      QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
  get << watcher << QStringLiteral("IsStatusNotifierHostRegistered");
  const QDBusMessage reply = bus.call(get, QDBus::Block, kWatcherTimeoutMs);
  if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return false;
  return reply.arguments().constFirst().value<QDBusVariant>().variant().toBool();
}

frmTask::frmTask(Desktop& desktop) : desktop_(desktop) {}

frmTask::~frmTask() {
  if (icon_) icon_->hide();
}

void frmTask::Form_Load() {
  if (icon_) return;
  // Qt chooses between the D-Bus tray and XEmbed as the icon is made.
  statusNotifier_ = StatusNotifierHostRegistered();
  icon_ = std::make_unique<QSystemTrayIcon>(Skin::AppIcon());
  icon_->setToolTip(ToQString(kProductName));
  // A StatusNotifier host draws the menu itself from what Qt exports, so
  // it must be there from the start. An XEmbed tray only asks for it on the
  // right button: it is made then (see Tray_Activated).
  if (statusNotifier_ || menu_) BuildMenu();
  connect(icon_.get(), &QSystemTrayIcon::activated, this, &frmTask::Tray_Activated);
  // Shown also without a tray: Qt adds the icon when a tray appears.
  icon_->show();
}

void frmTask::BuildMenu() {
  if (menu_) {
    if (icon_ && icon_->contextMenu() != menu_.get()) icon_->setContextMenu(menu_.get());
    return;
  }
  menu_ = std::make_unique<QMenu>();
  menu_->setObjectName(QStringLiteral("mnFile"));
  // In the order of MenuItem; "-" a separator.
  const std::array<const char*, kMenuItems> captions = {"Numerina",     "-", "Configurazione",
                                                        "Informazioni", "-", "Esci"};
  for (std::size_t i = 0; i < captions.size(); ++i) {
    if (qstrcmp(captions[i], "-") == 0) {
      items_[i] = menu_->addSeparator();
      continue;
    }
    items_[i] = menu_->addAction(QString::fromUtf8(captions[i]));
    const int index = static_cast<int>(i);
    connect(items_[i], &QAction::triggered, this, [this, index] { mnuFile_Click(index); });
  }
  // The default item, shown in bold.
  menu_->setDefaultAction(items_[kNumerina]);
  // From now on Qt opens it on the right button (also for trays that ask
  // over D-Bus); only the activations come here.
  if (icon_) icon_->setContextMenu(menu_.get());
}

QMenu& frmTask::menu() {
  BuildMenu();
  return *menu_;
}

QAction* frmTask::item(int index) {
  BuildMenu();
  return items_[static_cast<std::size_t>(index)];
}

void frmTask::Form_Unload() {
  if (!icon_) return;
  icon_->hide();
  // "Esci" runs inside the menu's own handler: both go once it returns.
  icon_.release()->deleteLater();
  if (menu_) menu_.release()->deleteLater();
  items_.fill(nullptr);
}

void frmTask::Tray_Activated(QSystemTrayIcon::ActivationReason reason) {
  // The first right button on an XEmbed icon finds no menu yet (Qt would
  // have opened it before telling): it is made and opened here, where the
  // pointer is, as Qt opens it later.
  if (reason == QSystemTrayIcon::Context && icon_ && !icon_->contextMenu()) {
    BuildMenu();
    menu_->popup(QCursor::pos());
    return;
  }
  // On XEmbed a double click arrives as a single click (Trigger) and then
  // the double click: only the latter acts. A StatusNotifier host sends
  // its activation alone (a double click there is two activations).
  if (reason == QSystemTrayIcon::DoubleClick ||
      (reason == QSystemTrayIcon::Trigger && statusNotifier_))
    desktop_.MostraCalcolatrice();
}

void frmTask::mnuFile_Click(int index) {
  // A window opened from the tray must not bring the calculator back.
  AperturaDaBarra = false;
  switch (index) {
    case kNumerina: desktop_.MostraCalcolatrice(); break;
    case kConfigurazione: desktop_.ApriConfigurazione(); break;
    case kInformazioni: desktop_.ApriInformazioni(); break;
    case kEsci: desktop_.Esci(); break;
    default: break;
  }
}

bool frmTask::IconInTray() const {
  return icon_ && icon_->isVisible() && QSystemTrayIcon::isSystemTrayAvailable();
}

}  // namespace numerina::ui
