// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// frmTask: the tray icon and its pop-up menu. It lives from the first
// start-up to the end of the program (the calculator window may be unloaded
// and created again meanwhile). Single click: nothing; double click: show
// the calculator; right button: the menu "Numerina" (default, bold),
// "Configurazione", "Informazioni", "Esci". A StatusNotifier host (KDE
// Plasma, Xfce's panel, GNOME's AppIndicator extension) has no double
// click: its activation alone shows the calculator there.

#include <QObject>
#include <QSystemTrayIcon>

#include <array>
#include <memory>

class QAction;
class QMenu;

namespace numerina::ui {

class Desktop;

class frmTask : public QObject {
  Q_OBJECT

 public:
  explicit frmTask(Desktop& desktop);
  ~frmTask() override;

  // Adds the icon. Where no tray is offered yet, the icon waits and shows
  // as soon as one appears.
  void Form_Load();
  // Removes the icon.
  void Form_Unload();

  // The menu's items by their index in the menu (the separators count).
  enum MenuItem : int {
    kNumerina = 0,
    kSeparator1 = 1,
    kConfigurazione = 2,
    kInformazioni = 3,
    kSeparator2 = 4,
    kEsci = 5,
    kMenuItems = 6
  };

  // The tray's mouse callbacks.
  void Tray_Activated(QSystemTrayIcon::ActivationReason reason);
  // A menu command by its item's index.
  void mnuFile_Click(int index);

  // True while a tray shows the icon: a hidden calculator can come back.
  bool IconInTray() const;
  // Whether the icon went to a StatusNotifier host over D-Bus rather than
  // to an XEmbed tray (known once Form_Load has run).
  bool OnStatusNotifierHost() const { return statusNotifier_; }
  // What Qt checks to choose the D-Bus tray: a StatusNotifierWatcher on the
  // session bus with a host registered.
  static bool StatusNotifierHostRegistered();

  // Whether Form_Load has made the icon and the menu (and Form_Unload not
  // yet taken them away).
  bool Loaded() const { return icon_ != nullptr; }
  QSystemTrayIcon& icon() { return *icon_; }
  // The menu and its items (made on first use).
  QMenu& menu();
  QAction* item(int index);

 private:
  void BuildMenu();

  Desktop& desktop_;
  std::unique_ptr<QMenu> menu_;
  std::unique_ptr<QSystemTrayIcon> icon_;
  std::array<QAction*, kMenuItems> items_{};
  bool statusNotifier_ = false;
};

}  // namespace numerina::ui
