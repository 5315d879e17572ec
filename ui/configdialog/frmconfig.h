// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// frmConfig: the configuration dialog. A frameless window of 306 x 396
// pixels painted by the skin in the calculator's style, shown without being
// modal and above other windows; there is never more than one. It reads the
// settings when it opens, keeps every change in its controls and writes
// them all back on every way of closing (the close picture, Escape, the
// window manager's close).

#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>

#include "ui/widgets/picturebutton.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace numerina::ui {

class frmConfig : public QWidget, private PictureButton::Handler {
  Q_OBJECT

 public:
  static constexpr int kWidth = 306;   // 4590 twips
  static constexpr int kHeight = 396;  // 5940 twips

  // Opens the dialog, or raises the open one. After every close (which
  // saves), when AperturaDaBarra is set, runs mostraCalcolatrice: the
  // opener's way to show the main window and run CaricaConf again.
  static frmConfig* Apri(std::function<void()> mostraCalcolatrice);
  // The open dialog, or nullptr.
  static frmConfig* Aperto();

  ~frmConfig() override;

  // For tests and tools: the controls by their names.
  QCheckBox* chkPrimo() const { return chkPrimo_; }
  QComboBox* cboPic() const { return cboPic_; }
  QComboBox* cboNome() const { return cboNome_; }
  QLineEdit* txtNome() const { return txtNome_; }
  QCheckBox* chkInfo() const { return chkInfo_; }
  QLineEdit* txtInfo() const { return txtInfo_; }
  QListWidget* lstMain() const { return lstMain_; }
  QLineEdit* txtEdit() const { return txtEdit_; }
  QLabel* lblPicture() const { return lblPicture_; }
  QLabel* lblPicInfo() const { return lblPicInfo_; }
  QLabel* lblpospic() const { return lblpospic_; }
  QLabel* lblposnome() const { return lblposnome_; }
  QWidget* Command1() const { return command1_; }
  QWidget* Command2() const { return command2_; }
  PictureButton& Image1() const { return *image1_; }
  PictureButton& Image2() const { return *image2_; }
  bool InModifica() const { return inModifica_; }
  std::int32_t RigaInModifica() const { return rigaInModifica_; }
  QString EditorTag() const { return editTag_; }
  QString PercorsoBanner() const { return percorsoBanner_; }
  QString PercorsoLogo() const { return percorsoLogo_; }

  // The picture buttons' actions, also for tests: pick a picture (the
  // chooser may be replaced, see SetChooserForTesting), restore defaults.
  void Command1_Click();
  void Command2_Click();
  void RipristinaImpostazioni();
  // The open-file dialog of the picture buttons; tests put their own
  // chooser here (given the dialog, it returns a path or "").
  void SetChooserForTesting(std::function<QString(QWidget*)> chooser) {
    chooser_ = std::move(chooser);
  }

 signals:
  // The first paint after opening has been done (for the timing tool).
  void Dipinto();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit frmConfig(std::function<void()> mostraCalcolatrice);

  // PictureButton::Handler
  void ButtonPressed(PictureButton& button, Qt::MouseButton mouse) override;
  void ButtonReleased(PictureButton& button, Qt::MouseButton mouse, bool inside) override;
  void ButtonActivated(PictureButton& button) override;

  // frmconfig_build.cpp: the controls and their places.
  void BuildControls();
  QLabel* Caption(const QString& text, const QRect& place);
  void PreparaControlli();

  // frmconfig.cpp: settings in and out, selection handlers.
  void CaricaImpostazioni();
  void SalvaImpostazioni();
  void cboPic_Click();
  void cboNome_Click();
  void chkInfo_Click();
  void SetPicturePath(QLabel* label, QString& path, const QString& value);
  void Chiudi();

  // frmconfig_pictures.cpp: picture choice and check.
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

  std::function<void()> mostraCalcolatrice_;
  std::function<QString(QWidget*)> chooser_;

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

  bool image1Down_ = false;
  bool image2Down_ = false;
  bool closing_ = false;
  bool painted_ = false;
  QPoint dragOffset_;
  bool dragging_ = false;
  mutable QPixmap background_;
};

}  // namespace numerina::ui
