// SPDX-License-Identifier: GPL-3.0-or-later
// Calculator: its canvas. The skin's background with the keys and buttons
// that look pressed or disabled, the banners, the memory indicator and the
// name, and where each of them stands.
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include <utility>

#include "ui/calculator/calculator.h"
#include "ui/calculator/keylog.h"
#include "ui/skin/layout.h"
#include "ui/skin/skin.h"

namespace numerina::ui {

using layout::kMemRect;

QRect Calculator::BannerFrame(int which) const {
  return which == 1 ? layout::kBanner1Frame : layout::kBanner2Frame;
}

QRect Calculator::NameArea() const {
  return QRect(namePos_.x(), namePos_.y(), NameLimit() - namePos_.x(), layout::kNameStripHeight);
}

int Calculator::NameLimit() const {
  // At the top the name ends before the print button; at the bottom before
  // the report panel's rounded right edge.
  const ToolDef& print = kTools[ToolIndex(Tool::Print)];
  return namePos_.y() < print.y + kToolSize ? print.x - 3 : kWidthWithReport - 8;
}

QString Calculator::NameShown() const {
  // Whole letters only, with "…" where a long name is cut.
  return QFontMetrics(nameFont_).elidedText(name_, Qt::ElideRight, NameLimit() - 1 - namePos_.x());
}

QRect Calculator::NameRect() const {
  const QFontMetrics fm(nameFont_);
  return QRect(namePos_, QSize(fm.horizontalAdvance(NameShown()) + 1, 14));
}

void Calculator::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  // The skin is painted straight onto the window, only where it is needed:
  // a cached copy would keep a second window-sized image for the whole
  // session, and blending it in wakes Qt's painting threads at start-up.
  Skin::PaintBackground(p, event->rect());
  for (std::size_t row = 0; row < kKeys.size(); ++row)
    if (KeyLooksPressed(static_cast<int>(row))) Skin::PaintKey(p, kKeys[row], true);
  for (const ToolDef& t : kTools) {
    const bool pressed = ToolLooksPressed(t.tool);
    const bool enabled = toolEnabled_[ToolIndex(t.tool)];
    if (pressed || !enabled) Skin::PaintTool(p, t, pressed, enabled);
  }
  PaintBanner(p, 2);
  PaintBanner(p, 1);
  PaintTexts(p);
  static bool firstPaint = true;
  if (std::exchange(firstPaint, false)) KeyLog("painted", "first");
  if (!std::exchange(painted_, true)) {
    // The icon (five sizes painted from the skin) only matters to the
    // taskbar and the window switcher: it comes once the window shows.
    QTimer::singleShot(0, this, [this] {
      setWindowIcon(Skin::AppIcon());
      emit FirstPainted();
    });
  }
}

void Calculator::PaintBanner(QPainter& p, int which) const {
  const int w = which == 1 ? 0 : 1;
  const QRect frame = BannerFrame(which);
  const QRect picture = banners_[w]->geometry();
  p.save();
  p.setClipRect(frame);
  switch (bannerShows_[w]) {
    case BannerShows::Logo: Skin::PaintLogo(p, picture); break;
    case BannerShows::Picture: p.drawPixmap(picture.topLeft(), bannerPictures_[w]); break;
    case BannerShows::Hidden:
    case BannerShows::Empty: break;
  }
  if (bannerDown_[w] && bannerShows_[w] != BannerShows::Hidden) {
    // Border style 1 while pressed: a one-pixel line around the picture.
    p.setPen(QPen(QColor(32, 36, 40), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(picture).adjusted(0.5, 0.5, -0.5, -0.5));
  }
  p.restore();
}

void Calculator::PaintTexts(QPainter& p) const {
  if (!mem_.isEmpty()) {
    p.setFont(memFont_);
    p.setPen(QColor(24, 28, 32));
    p.drawText(kMemRect, Qt::AlignLeft | Qt::AlignTop, mem_);
  }
  if (!name_.isEmpty() && namePos_.x() < width()) {
    // The name sits on the report panel, left of the buttons there.
    p.save();
    p.setClipRect(
        QRect(layout::kReportPanelLeft, 0, NameLimit() - layout::kReportPanelLeft, kHeight));
    p.setFont(nameFont_);
    const QString shown = NameShown();
    const QRect r = NameRect();
    p.setPen(QColor(64, 64, 64));
    p.drawText(r, Qt::AlignLeft | Qt::AlignTop, shown);
    p.setPen(Qt::white);
    p.drawText(r.translated(1, 1), Qt::AlignLeft | Qt::AlignTop, shown);
    p.restore();
  }
}

}  // namespace numerina::ui
