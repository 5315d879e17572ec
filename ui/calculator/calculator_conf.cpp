// SPDX-License-Identifier: GPL-3.0-or-later
// Calculator: loading and applying the settings (CaricaConf), and saving
// the window's place after a move.
#include <QGuiApplication>
#include <QImageReader>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cmath>

#include "commands/commands.h"
#include "config/ini.h"
#include "config/picture.h"
#include "config/settings.h"
#include "ui/calculator/calculator.h"
#include "ui/skin/layout.h"
#include "ui/skin/text.h"
#include "ui/widgets/windowmove.h"

namespace numerina::ui {
namespace {

using namespace layout;

QPixmap LoadPicture(std::string_view setting) {
  const QString name = ToQString(PicturePath(setting));
  if (name.isEmpty()) return {};
  QImageReader reader(name);
  reader.setDecideFormatFromContent(true);
  const QImage image = reader.read();
  return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

}  // namespace

void Calculator::CaricaConf() {
  if (!EsisteFile(SettingsFilePath())) {
    ApplyDefaults();
    return;
  }
  // Each key is read and applied before the next, as the file may change
  // under us (another program writing it) and each read is a fresh one.
  SetOnTop(!IsOffFlag(LeggiIni(kSection, kPrimoPiano)));

  if (const std::optional<Twips> t = PosizioneFromSetting(LeggiIni(kSection, kPosizione)))
    PlaceAt(QPoint(static_cast<int>(std::lround(t->left / kTwipsPerPixel)),
                   static_cast<int>(std::lround(t->top / kTwipsPerPixel))));
  else
    PlaceAt(std::nullopt);

  if (IsOffFlag(LeggiIni(kSection, kReport))) {
    // The report command hides the panel; the button is then drawn
    // pressed. "Report" already holds "0": writing it back changes nothing.
    SetReportShown(false);
    SetReportTooltip(false);
    reportToolPressed_ = true;
    UpdateTool(Tool::Report);
  } else if (!reportVisibile_) {
    // Only after a change of the file behind our back (or a write of "0"
    // that failed): show it again, and say what the button now does.
    SetReportShown(true);
    tools_[3]->setToolTip(ToQString(ReportTooltip(true)));
    reportToolPressed_ = false;
    UpdateTool(Tool::Report);
  }

  // A place saved on a larger screen stays saved for it; here the window
  // is only shifted onto the screen it is on.
  KeepOnScreen();

  SetDecimals(DecimaliFromSetting(LeggiIni(kSection, kDecimali)));

  const std::string bannerPos = LeggiIni(kSection, kBannerPos);
  ApplyBanners(bannerPos, LeggiIni(kSection, kBanner));

  const QString name = ToQString(NomeFromSetting(LeggiIni(kSection, kNome)));
  switch (NomePosFromSetting(LeggiIni(kSection, kNomePos))) {
    case NamePlace::Top: SetName(name, kNameTop); break;
    case NamePlace::Bottom: SetName(name, kNameBottom); break;
    case NamePlace::Unchanged: SetName(name, namePos_); break;
  }
}

void Calculator::ApplyDefaults() {
  SetOnTop(true);
  PlaceAt(std::nullopt);
  SetReportShown(true);
  reportToolPressed_ = false;
  UpdateTool(Tool::Report);
  SetReportTooltip(true);
  SetDecimals(2);
  SetBanner(2, BannerShows::Logo);
  SetBanner(1, BannerShows::Hidden);
  SetName(ToQString(NomeFromSetting("")), kNameDefault);
}

void Calculator::SetOnTop(bool onTop) {
  offTop_ = false;
  // Changing the flags of a shown window hides it: only when they differ.
  if (OnTop() == onTop) return;
  const bool shown = isVisible();
  setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
  if (shown) show();
}

void Calculator::LeaveTopUntilActivated() {
  if (!OnTop() || !windowHandle()) return;
  // The platform window alone leaves the top: changing the widget's flags
  // would hide the window and show it again.
  windowHandle()->setFlag(Qt::WindowStaysOnTopHint, false);
  offTop_ = true;
  offTopWhileActive_ = isActiveWindow();
}

void Calculator::ActivationChanged(bool active) {
  if (!offTop_) return;
  if (!active) {
    offTopWhileActive_ = false;
    return;
  }
  if (offTopWhileActive_) return;
  offTop_ = false;
  if (OnTop() && windowHandle()) windowHandle()->setFlag(Qt::WindowStaysOnTopHint, true);
}

void Calculator::PlaceAt(std::optional<QPoint> topLeft) {
  const QPoint target = topLeft && Reachable(*topLeft) ? *topLeft : Centred();
  // Before the first show pos() reads (0,0) without any place being set,
  // and a window never moved is placed by the window manager: a saved
  // "0,0" must be set explicitly too.
  if (pos() != target || !testAttribute(Qt::WA_Moved)) move(target);
}

QPoint Calculator::Centred() const {
  // Centred as the full window, also when the report is about to be hidden,
  // so that a clear all re-centres it to the very same place.
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {0, 0};
  const QRect area = screen->availableGeometry();
  return {area.x() + (area.width() - kWidthWithReport) / 2,
          area.y() + (area.height() - kHeight) / 2};
}

bool Calculator::Reachable(QPoint topLeft) const {
  // A saved place counts only while the toolbar row keeps at least 40 x 13
  // pixels on some screen: a monitor that is gone must not lose the window.
  const QRect row(topLeft.x(), topLeft.y() + 7, width(), 13);
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect seen = row & screen->availableGeometry();
    if (seen.width() >= 40 && seen.height() >= 13) return true;
  }
  return false;
}

bool Calculator::KeepOnScreen() {
  // The screen that holds most of the window.
  const QRect frame(pos(), size());
  const QScreen* best = nullptr;
  qint64 most = -1;
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect seen = frame & screen->availableGeometry();
    const qint64 area = seen.isEmpty() ? 0 : qint64(seen.width()) * seen.height();
    if (area > most) {
      most = area;
      best = screen;
    }
  }
  if (!best) return false;
  const QRect area = best->availableGeometry();
  // Left or up, as little as needed, never past the left or top edge. A
  // place hanging off the left or top edge is the user's own (it stays
  // while the toolbar can be reached, see Reachable).
  const auto back = [](int at, int size, int first, int end) {
    return at + size > end ? std::max(first, end - size) : at;
  };
  const QPoint target(back(frame.left(), width(), area.left(), area.right() + 1),
                      back(frame.top(), height(), area.top(), area.bottom() + 1));
  if (target == pos()) return false;
  move(target);
  return true;
}

void Calculator::SetDecimals(int d) { engine_.SetDecimalPlaces(d); }

void Calculator::ApplyBanners(std::string_view bannerPos, std::string_view bannerFile) {
  const auto pictureOrLogo = [this, bannerFile](int which) {
    const QPixmap picture = LoadPicture(bannerFile);
    if (picture.isNull()) {
      // A picture that is gone or unreadable: the built-in logo instead.
      SetBanner(2, BannerShows::Logo);
      SetBanner(1, BannerShows::Hidden);
      return;
    }
    SetBanner(which, BannerShows::Picture, picture);
    SetBanner(which == 1 ? 2 : 1, BannerShows::Hidden);
  };
  switch (BannerPosFromSetting(bannerPos)) {
    case BannerPlace::Logo:
      SetBanner(2, BannerShows::Logo);
      SetBanner(1, BannerShows::Hidden);
      break;
    case BannerPlace::Banner1: pictureOrLogo(1); break;
    case BannerPlace::Banner2: pictureOrLogo(2); break;
    case BannerPlace::AsDesigned:
      SetBanner(1, BannerShows::Empty);
      SetBanner(2, BannerShows::Empty);
      break;
  }
}

void Calculator::SetBanner(int which, BannerShows shows, const QPixmap& picture) {
  const int w = which == 1 ? 0 : 1;
  const QRect frame = BannerFrame(which);
  const QPoint at = frame.topLeft() + (which == 1 ? kBanner1Offset : kBanner2Offset);
  QRect geometry;
  switch (shows) {
    case BannerShows::Picture:
      geometry = QRect(at, picture.deviceIndependentSize().toSize());
      break;
    case BannerShows::Logo: geometry = QRect(at, kLogoSize); break;
    case BannerShows::Empty: geometry = QRect(at, frame.bottomRight()); break;
    case BannerShows::Hidden: break;
  }
  // A picture larger than its frame is cut off by the frame.
  geometry &= frame;
  if (bannerShows_[w] == shows && banners_[w]->geometry() == geometry &&
      (shows != BannerShows::Picture || bannerPictures_[w].cacheKey() == picture.cacheKey()))
    return;
  bannerShows_[w] = shows;
  bannerPictures_[w] = shows == BannerShows::Picture ? picture : QPixmap();
  if (shows != BannerShows::Hidden) banners_[w]->setGeometry(geometry);
  banners_[w]->setVisible(shows != BannerShows::Hidden);
  update(frame);
}

void Calculator::SetName(const QString& text, QPoint pos) {
  if (text == name_ && pos == namePos_) return;
  // The whole strip the name may cover: measuring the text here would load
  // the font database before the window is even shown.
  update(NameArea());
  name_ = text;
  namePos_ = pos;
  update(NameArea());
}

void Calculator::SavePosition(QPoint topLeft) {
  // A place Wayland reports is not where the window is shown.
  if (!PositionKnown()) return;
  ScriviIni(kSection, kPosizione,
            PosizioneText(static_cast<long>(topLeft.y()) * kTwipsPerPixel,
                          static_cast<long>(topLeft.x()) * kTwipsPerPixel));
}

}  // namespace numerina::ui
