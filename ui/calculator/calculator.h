// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Calculator: the main window. A frameless, shaped window of 401 x 275
// pixels (205 with the report hidden) whose own canvas shows the skin, the
// keys in their current look, the display, the memory indicator, the name
// and the banners. It owns the engine, feeds it keys from the mouse and the
// keyboard through the flash queue, and applies the settings.

#include <QFont>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <array>
#include <optional>

#include "engine/engine.h"
#include "ui/calculator/keyflash.h"
#include "ui/calculator/qthost.h"
#include "ui/skin/keytable.h"
#include "ui/skin/layout.h"
#include "ui/widgets/picturebutton.h"

namespace numerina::ui {

class CalculatorShell;
class DisplayLabel;
class FocusButton;
class TapeView;
class WindowMover;

class Calculator : public QWidget, private PictureButton::Handler {
  Q_OBJECT

 public:
  static constexpr int kWidthWithReport = 401;                    // 6015 twips
  static constexpr int kWidthWithout = layout::kReportPanelLeft;  // 3080 twips
  static constexpr int kHeight = 275;
  static constexpr int kTwipsPerPixel = 15;

  explicit Calculator(CalculatorShell& shell, QWidget* parent = nullptr);
  ~Calculator() override;

  // The first show maps the window before its controls are shown.
  void setVisible(bool visible) override;

  // Start-up after the single-instance check: settings, outline, tape
  // colour, engine, cursors. The caller shows the window afterwards.
  void StartUp();
  // Reads the settings and applies them (start-up and clear all).
  void CaricaConf();

  // A key of the table pressed from the keyboard: flash and action.
  void PressKey(const KeyDef& key);
  // Toolbar command (also called by CaricaConf and the display).
  void cmdBarra_Click(Tool tool);
  // Esc on Focus, and Esc on the window.
  void EscOnFocus();
  void EscOnWindow();
  // Brings the window back (a second start asked for it).
  void BringToFront();
  // A saved tape put back as it was (nothing is computed), and the tape.
  void RestoreTape(std::string_view text) { engine_.RestoreTape(text); }
  const std::string& TapeText() const { return engine_.Pcalc().Text(); }
  CalculatorShell& Shell() { return shell_; }

  // Host side.
  void OnDisplayChanged(std::string_view display);
  void RefreshFromEngine();
  TapeView& Tape();
  // Builds the tape box and the display (see calculator.cpp); Tape()
  // builds them too when needed earlier.
  void BuildTextWidgets();
  void GiveFocusToFocus();
  // Message boxes stay above a window that stays above the others.
  bool OnTop() const;
  // A window of another program (the help page's browser) is coming: the
  // calculator leaves the top of the stack until it is next activated,
  // and the setting is untouched.
  void LeaveTopUntilActivated();
  // A clear all reads the settings again; a move still settling is written
  // first, so that the position read back is the new one.
  void RerunStartup();

  // The name label: its text, the text as drawn (cut with "…" where it
  // would run into the buttons) and its place.
  // Test-only (tests, configprobe): the name is painted, glyphs cannot be read back.
  struct NameLabel {
    QString text;
    QString shown;
    QPoint pos;
  };
  NameLabel Name() const { return {name_, NameShown(), namePos_}; }

 signals:
  // Once per window, after its first paint has been handled: what the
  // window's first picture does not need waits for this.
  void FirstPainted();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool event(QEvent* event) override;
  bool focusNextPrevChild(bool) override { return false; }

 private:
  // PictureButton::Handler
  void ButtonPressed(PictureButton& button) override;
  void ButtonReleased(PictureButton& button, bool acts) override;
  void ButtonActivated(PictureButton& button) override;

  // What a banner shows: nothing (hidden), the logo, or a picture.
  enum class BannerShows { Hidden, Empty, Logo, Picture };

  bool KeyLooksPressed(int row) const { return flash_.LooksPressed(row); }
  bool ToolLooksPressed(Tool tool) const;

  // Keyboard (calculator_keys.cpp).
  void FocusKeyDown(QKeyEvent* event);
  // Ctrl+C, Ctrl+V and Ctrl+Shift+C; true when the event was one.
  bool StandardShortcut(const QKeyEvent& event);
  void GestisciTasto(char32_t c);
  void KeyAction(int row);
  void ToolAction(Tool tool);
  int ToolLook(Tool tool) const { return 100 + ToolIndex(tool); }
  void LookChanged(int look);

  // Toolbar (toolbar.cpp).
  void ToggleReport();
  void SetReportShown(bool shown);
  void FixSize(int width);
  void SetReportTooltip(bool shown);
  void CambiaDecimali(bool fewer);
  void Copy();
  void Paste();
  void CopyTape();
  void OpenHelp();
  void Minimise();
  void Stampa();
  void SetToolEnabled(Tool tool, bool enabled);

  // Settings (calculator_conf.cpp).
  void ApplyDefaults();
  void SetOnTop(bool onTop);
  // The end of LeaveTopUntilActivated.
  void ActivationChanged(bool active);
  void PlaceAt(std::optional<QPoint> topLeft);
  QPoint Centred() const;
  bool Reachable(QPoint topLeft) const;
  // Shifts the whole window onto the screen it is on; true when it moved.
  bool KeepOnScreen();
  void SetDecimals(int d);
  void ApplyBanners(std::string_view bannerPos, std::string_view bannerFile);
  void SetBanner(int which, BannerShows shows, const QPixmap& picture = {});
  void SetName(const QString& text, QPoint pos);
  void SavePosition(QPoint topLeft);

  // Canvas (calculator_paint.cpp).
  void PaintBanner(QPainter& p, int which) const;
  void PaintTexts(QPainter& p) const;
  QRect BannerFrame(int which) const;
  QRect BannerPicture(int which) const;
  QRect NameRect() const;
  int NameLimit() const;
  QRect NameArea() const;
  QString NameShown() const;
  void UpdateTool(Tool tool) {
    const ToolDef& t = kTools[ToolIndex(tool)];
    update(QRect(t.x, t.y, kToolSize, kToolSize));
  }

  CalculatorShell& shell_;
  QtHost host_;
  Engine engine_;
  KeyFlash flash_;

  FocusButton* focus_ = nullptr;
  DisplayLabel* display_ = nullptr;
  TapeView* tape_ = nullptr;
  WindowMover* mover_ = nullptr;
  std::array<PictureButton*, kKeys.size()> keys_{};
  std::array<PictureButton*, kTools.size()> tools_{};
  std::array<PictureButton*, 2> banners_{};  // Banner1, Banner2
  std::array<int, kKeys.size()> keyTickets_{};
  std::array<int, kTools.size()> toolTickets_{};

  bool started_ = false;
  bool shownOnce_ = false;
  // The tape was clicked after every other part of the window: Ctrl+C then
  // copies its selection.
  bool tapeLastClicked_ = false;
  bool painted_ = false;
  bool reportVisibile_ = true;
  bool reportToolPressed_ = false;  // the report button's own look
  bool dragPending_ = false;        // left press that may become a move
  bool clickSavesPlace_ = false;    // on the background, not a banner frame
  bool offTop_ = false;             // left the top until the next activation
  bool offTopWhileActive_ = false;  // and was active then: that activation does not count
  std::array<bool, kTools.size()> toolEnabled_{};
  std::array<BannerShows, 2> bannerShows_{BannerShows::Hidden, BannerShows::Logo};
  std::array<QPixmap, 2> bannerPictures_{};
  std::array<bool, 2> bannerDown_{};
  QString name_;
  QPoint namePos_ = layout::kNameTop;  // where the name labels stand until moved
  QString mem_;
  QString displayText_;
  QFont nameFont_;
  QFont memFont_;
};

}  // namespace numerina::ui
