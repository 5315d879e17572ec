// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/calculator/calculator.h"

#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

#include <utility>

#include "ui/calculator/displaylabel.h"
#include "ui/calculator/focusbutton.h"
#include "ui/calculator/keylog.h"
#include "ui/calculator/shell.h"
#include "ui/calculator/tapeview.h"
#include "ui/skin/layout.h"
#include "ui/skin/skin.h"
#include "ui/widgets/outline.h"
#include "ui/widgets/windowmove.h"

#include "base/product.h"
#include "config/ini.h"
#include "config/settings.h"
#include "ui/skin/fonts.h"
#include "ui/skin/text.h"

namespace numerina::ui {

using layout::kMemRect;

Calculator::Calculator(CalculatorShell& shell, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      shell_(shell),
      host_(*this),
      engine_(host_),
      flash_(shell.KeyFlashMs()) {
  setObjectName(QStringLiteral("Calculator"));
  setWindowTitle(ToQString(kProductName));
  setAttribute(Qt::WA_OpaquePaintEvent);
  FixSize(kWidthWithReport);
  toolEnabled_.fill(true);
  keyTickets_.fill(0);
  toolTickets_.fill(0);

  nameFont_ = fonts::CalculatorName();
  memFont_ = fonts::MemorySign();

  for (std::size_t row = 0; row < kKeys.size(); ++row) {
    const KeyDef& k = kKeys[row];
    keys_[row] =
        new PictureButton(this, *this, PictureButton::Acts::OnLeftClickInside,
                          static_cast<int>(row), QRect(k.x, k.y, kKeySize, kKeySize),
                          ToQString(k.name), ToQString(k.accessible), ToQString(k.tooltip));
  }
  for (const ToolDef& t : kTools) {
    const int index = ToolIndex(t.tool);
    tools_[index] = new PictureButton(this, *this, PictureButton::Acts::OnLeftClickInside, index,
                                      QRect(t.x, t.y, kToolSize, kToolSize),
                                      QStringLiteral("cmdBarra%1").arg(index),
                                      ToQString(t.accessible), ToQString(t.tooltip));
  }
  banners_[0] = new PictureButton(this, *this, PictureButton::Acts::OnAnyRelease, 1, BannerFrame(1),
                                  QStringLiteral("Banner1"), QStringLiteral("informazioni ditta"),
                                  QStringLiteral("Informazioni"));
  banners_[1] =
      new PictureButton(this, *this, PictureButton::Acts::OnAnyRelease, 2, BannerFrame(2),
                        QStringLiteral("Banner2"), QStringLiteral("informazioni ditta"), {});

  // Focus lies below the visible area: it takes the keys, nobody sees it.
  focus_ = new FocusButton(this);
  focus_->setGeometry(276, 299, 65, 25);
  focus_->onKeyPress = [this](QKeyEvent* e) { FocusKeyDown(e); };
  focus_->onClick = [this] { PressKey(*FindKey({Button::Operator, kEquals})); };
  setFocusProxy(focus_);

  mover_ = new WindowMover(*this, [this](QPoint p) { SavePosition(p); });
  connect(&flash_, &KeyFlash::LookChanged, this, &Calculator::LookChanged);
}

Calculator::~Calculator() {
  // A key or button still held by the mouse lets go when it is hidden, and
  // its release reaches the flash queue: hide them while the queue and
  // the engine are still there.
  hide();
  for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) child->hide();
}

void Calculator::StartUp() {
  // The number patterns are the engine's own constants.
  CaricaConf();
  RitagliaForm(*this);
  // The tape's colour is set by the tape itself (Palette::Tape); the help
  // page's place is worked out when it is opened.
  engine_.Initialise();
  // The hand cursor of every picture control was given at construction.
  RefreshFromEngine();
  focus_->setFocus();
  started_ = true;
}

void Calculator::BuildTextWidgets() {
  if (tape_) return;
  // Built apart from the rest: the first text box loads the font database,
  // which costs more than everything else before the window can be shown.
  // main() calls this right after show(), before the first paint.
  const bool shown = isVisible();
  tape_ = new TapeView(this);
  tape_->setGeometry(Skin::TapeRect());
  tape_->onClicked = [this] {
    tapeLastClicked_ = true;
    GiveFocusToFocus();
  };
  display_ = new DisplayLabel(this);
  display_->SetDisplayText(displayText_);
  display_->SetMemorySignShown(!mem_.isEmpty());
  display_->onPressed = [this](Qt::MouseButton button) {
    tapeLastClicked_ = false;
    if (button == Qt::LeftButton)
      cmdBarra_Click(Tool::Copy);
    else if (button == Qt::RightButton)
      cmdBarra_Click(Tool::Paste);
    GiveFocusToFocus();
  };
  // Below the keys and buttons, like every control made before them.
  tape_->lower();
  display_->lower();
  if (shown) {
    tape_->show();
    display_->show();
  }
}

TapeView& Calculator::Tape() {
  BuildTextWidgets();
  return *tape_;
}

bool Calculator::OnTop() const { return windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

bool Calculator::ToolLooksPressed(Tool tool) const {
  if (tool == Tool::Report) return reportToolPressed_;
  return flash_.LooksPressed(ToolLook(tool));
}

void Calculator::RerunStartup() {
  mover_->Flush();
  CaricaConf();
}

void Calculator::GiveFocusToFocus() {
  if (focus_->isEnabled()) focus_->setFocus(Qt::OtherFocusReason);
}

void Calculator::OnDisplayChanged(std::string_view display) {
  KeyLog("display", display);
  displayText_ = DisplayLabel::TextFor(display);
  if (display_) display_->SetDisplayText(displayText_);
}

void Calculator::RefreshFromEngine() {
  const QString mem = QString::fromStdString(engine_.MemIndicator());
  if (mem != mem_) {
    mem_ = mem;
    update(kMemRect);
    if (display_) display_->SetMemorySignShown(!mem_.isEmpty());
  }
  keys_[static_cast<std::size_t>(FindKey({Button::RichMemoria}) - kKeys.data())]->setEnabled(
      engine_.RecallEnabled());
  SetToolEnabled(Tool::More, engine_.MoreDecimalsEnabled());
  SetToolEnabled(Tool::Fewer, engine_.FewerDecimalsEnabled());
}

void Calculator::SetToolEnabled(Tool tool, bool enabled) {
  const int index = ToolIndex(tool);
  if (toolEnabled_[index] == enabled) return;
  toolEnabled_[index] = enabled;
  tools_[index]->setEnabled(enabled);
  UpdateTool(tool);
}

void Calculator::LookChanged(int look) {
  if (look >= 100) {
    UpdateTool(static_cast<Tool>(look - 100));
  } else if (look >= 0 && look < static_cast<int>(kKeys.size())) {
    const KeyDef& k = kKeys[look];
    update(QRect(k.x, k.y, kKeySize, kKeySize));
  }
}

// ---- Mouse on the keys, the toolbar and the banners ----

namespace {

enum class Part { Key, Tool, Banner };

// The banners act on any release; a key is told from a tool by its row.
template <class Keys>
Part PartOf(const PictureButton& button, const Keys& keys) {
  if (button.acts() == PictureButton::Acts::OnAnyRelease) return Part::Banner;
  const auto row = static_cast<std::size_t>(button.index());
  return row < keys.size() && keys[row] == &button ? Part::Key : Part::Tool;
}

}  // namespace

void Calculator::ButtonPressed(PictureButton& button) {
  const int i = button.index();
  tapeLastClicked_ = false;
  // Every mouse button draws the press; the control decides at the
  // release whether the action runs.
  switch (PartOf(button, keys_)) {
    case Part::Key: keyTickets_[i] = flash_.PressHeld(i, [this, i] { KeyAction(i); }); break;
    case Part::Tool: {
      const Tool tool = static_cast<Tool>(i);
      if (tool == Tool::Report) {
        // The report button shows what its click is about to do: pressed
        // while the report is shown (it will hide it), released otherwise.
        reportToolPressed_ = reportVisibile_;
        UpdateTool(Tool::Report);
      }
      toolTickets_[i] = flash_.PressHeld(tool == Tool::Report ? KeyFlash::kNoLook : ToolLook(tool),
                                         [this, tool] { ToolAction(tool); });
      break;
    }
    case Part::Banner:
      bannerDown_[i == 1 ? 0 : 1] = true;
      update(BannerFrame(i));
      break;
  }
}

void Calculator::ButtonReleased(PictureButton& button, bool acts) {
  const int i = button.index();
  switch (PartOf(button, keys_)) {
    case Part::Key: flash_.Release(std::exchange(keyTickets_[i], 0), acts); break;
    case Part::Tool: flash_.Release(std::exchange(toolTickets_[i], 0), acts); break;
    case Part::Banner:
      // Any button, released anywhere: the company information panel.
      bannerDown_[i == 1 ? 0 : 1] = false;
      update(BannerFrame(i));
      if (acts && bannerShows_[i == 1 ? 0 : 1] != BannerShows::Hidden) shell_.ApriInfoDitta();
      break;
  }
}

void Calculator::ButtonActivated(PictureButton& button) {
  const int i = button.index();
  switch (PartOf(button, keys_)) {
    case Part::Key: PressKey(kKeys[i]); break;
    case Part::Tool: {
      const Tool tool = static_cast<Tool>(i);
      if (tool == Tool::Report) {
        reportToolPressed_ = reportVisibile_;
        UpdateTool(Tool::Report);
      }
      flash_.Press(tool == Tool::Report ? KeyFlash::kNoLook : ToolLook(tool),
                   [this, tool] { ToolAction(tool); });
      break;
    }
    case Part::Banner: shell_.ApriInfoDitta(); break;
  }
}

void Calculator::KeyAction(int row) {
  engine_.Click(kKeys[row].key);
  RefreshFromEngine();
}

void Calculator::ToolAction(Tool tool) {
  cmdBarra_Click(tool);
  RefreshFromEngine();
}

// ---- Mouse on the window itself: moving ----

void Calculator::mousePressEvent(QMouseEvent* event) {
  const QPoint pt = event->position().toPoint();
  event->accept();
  tapeLastClicked_ = false;
  dragPending_ = false;
  if (event->button() != Qt::LeftButton) return;
  const bool onFrame = BannerFrame(1).contains(pt) || BannerFrame(2).contains(pt);
  // The name and the memory indicator are labels: they never move it.
  if (!onFrame && (kMemRect.contains(pt) || NameRect().contains(pt))) return;
  // The move starts only once the mouse moves with the button held: a
  // system move asked for at the press of a quick click can start after
  // the release and leave the window stuck to the pointer.
  dragPending_ = true;
  clickSavesPlace_ = !onFrame;
  mover_->BodyPress(*event);
}

void Calculator::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  if (!dragPending_ && !mover_->Active()) return;
  mover_->BodyMove(*event);
  dragPending_ = dragPending_ && mover_->Pending();
}

void Calculator::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  // A click on the background that did not move still writes the place.
  if (dragPending_ && clickSavesPlace_ && event->button() == Qt::LeftButton) SavePosition(pos());
  dragPending_ = false;
  mover_->BodyRelease(*event);
}

void Calculator::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  mover_->WindowMoved();
}

void Calculator::setVisible(bool visible) {
  if (!visible || std::exchange(shownOnce_, true)) {
    QWidget::setVisible(visible);
    return;
  }
  // The first control that is shown (or named) brings up Qt's
  // accessibility bridge, which connects to the session bus and waits for
  // its answer. The window goes to the screen first, bare, and its
  // controls follow at once, before anything is painted: the first
  // picture is the same, and the bus is asked while the window manager
  // maps the window.
  QList<QWidget*> held;
  for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (child->isWindow() || child->isHidden()) continue;
    child->hide();
    held.append(child);
  }
  QWidget::setVisible(true);
  for (QWidget* child : held) child->show();
}

void Calculator::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  ApplyDeviceOutline(*this, CalculatorRuns());
}

void Calculator::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  flash_.ReleaseAllHeld();
}

bool Calculator::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate)
    ActivationChanged(event->type() == QEvent::WindowActivate);
  if (event->type() == QEvent::ScreenChangeInternal) ApplyDeviceOutline(*this, CalculatorRuns());
  return QWidget::event(event);
}

void Calculator::BringToFront() {
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
  GiveFocusToFocus();
}

}  // namespace numerina::ui
