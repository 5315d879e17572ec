// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// frmConfig: the configuration dialog. A frameless window of 306 x 396
// pixels painted by the skin in the calculator's style, shown without being
// modal and above other windows; there is never more than one. It reads the
// settings when it opens, keeps every change in its controls and writes
// them all back on every way of closing (the close picture, Escape, the
// window manager's close). Its controls carry their design names as object
// names.

#include <QString>

#include <array>
#include <cstdint>
#include <functional>

#include "ui/widgets/cachedbackground.h"
#include "ui/widgets/picturebutton.h"
#include "ui/widgets/smallwindow.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace numerina::ui {

class WindowMover;

class frmConfig : public SmallWindow {
  Q_OBJECT

 public:
  static constexpr int kWidth = 306;   // 4590 twips
  static constexpr int kHeight = 396;  // 5940 twips

  // The open-file dialog of the picture buttons: given the dialog, the
  // chosen path, or "" when cancelled.
  using ChooseFile = std::function<QString(QWidget*)>;

  // Opens the dialog, or raises the open one. After every close (which
  // saves), when AperturaDaBarra is set, runs mostraCalcolatrice: the
  // opener's way to show the main window and run CaricaConf again.
  // chooseFile replaces the platform's open-file dialog (none: the
  // platform's).
  static frmConfig* Apri(std::function<void()> mostraCalcolatrice, ChooseFile chooseFile = {});
  // The open dialog, or nullptr.
  static frmConfig* Aperto() { return open_.Get(); }

  ~frmConfig() override;

 signals:
  // The first paint after opening has been done (for the timing tool).
  void Dipinto();

 protected:
  void OnClose() override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  frmConfig(std::function<void()> mostraCalcolatrice, ChooseFile chooseFile);

  // PictureButton::Handler
  void ButtonActivated(PictureButton& button) override;

  // frmconfig_build.cpp: the controls and their places.
  void BuildControls();
  QLabel* Caption(const QString& name, const QString& text, const QRect& place);
  void PreparaControlli();

  // frmconfig.cpp: settings in and out, selection handlers.
  void CaricaImpostazioni();
  void SalvaImpostazioni();
  void RipristinaImpostazioni();
  void cboPic_Click();
  void cboNome_Click();
  void chkInfo_Click();
  void SetPicturePath(QLabel* label, QString& path, const QString& value);

  // frmconfig_pictures.cpp: picture choice and check.
  void Command1_Click();
  void Command2_Click();
  void ScegliImmagine(int place);
  bool ControllaImmagine(const QString& path, int place);
  QString ApriFileImmagine();
  QString AccorciaTesto(QLabel* label, const QString& text);

  // frmconfig_listedit.cpp: the in-place row editor.
  void ModificaRiga(bool open);
  void Commit();
  void Revert();
  void ResizeEditor();
  bool EditorEvent(QEvent* event);
  bool ListEvent(QObject* watched, QEvent* event);

  static inline OpenWindow<frmConfig> open_;

  std::function<void()> mostraCalcolatrice_;
  ChooseFile chooseFile_;

  QCheckBox* chkPrimo_ = nullptr;
  QComboBox* cboPic_ = nullptr;
  QComboBox* cboNome_ = nullptr;
  QLineEdit* txtNome_ = nullptr;
  QCheckBox* chkInfo_ = nullptr;
  QLineEdit* txtInfo_ = nullptr;
  QListWidget* lstMain_ = nullptr;
  QLineEdit* txtEdit_ = nullptr;
  QLabel* lblPicture_ = nullptr;
  QLabel* lblPicInfo_ = nullptr;
  QLabel* lblpospic_ = nullptr;
  QLabel* lblposnome_ = nullptr;
  QWidget* command1_ = nullptr;
  QWidget* command2_ = nullptr;
  PictureButton* image1_ = nullptr;
  PictureButton* image2_ = nullptr;
  // The captions that turn black while the information section is off.
  std::array<QLabel*, 4> infoCaptions_{};
  std::array<QLabel*, 9> lblnum_{};

  bool inModifica_ = false;
  std::int32_t rigaInModifica_ = -1;
  QString editTag_;
  QString percorsoBanner_;
  QString percorsoLogo_;

  bool painted_ = false;
  WindowMover* mover_ = nullptr;
  CachedBackground background_;
};

}  // namespace numerina::ui
