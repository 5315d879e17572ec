// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/windowmove.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QStyleHints>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace numerina::ui {
namespace {

#if QT_CONFIG(xcb)
xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
      c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
  const xcb_atom_t atom = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
  std::free(reply);
  return atom;
}

// Whether the window manager announces the move request.
bool ManagerMoves(xcb_connection_t* c, xcb_window_t root, xcb_atom_t moveResize) {
  const xcb_atom_t supported = Atom(c, "_NET_SUPPORTED");
  xcb_get_property_reply_t* reply = xcb_get_property_reply(
      c, xcb_get_property(c, 0, root, supported, XCB_ATOM_ATOM, 0, 4096), nullptr);
  bool found = false;
  if (reply && reply->format == 32) {
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
    const int n = xcb_get_property_value_length(reply) / 4;
    for (int i = 0; i < n && !found; ++i) found = atoms[i] == moveResize;
  }
  std::free(reply);
  return found;
}
#endif

// On X11 the window manager's move is asked for with the press's own place
// (_NET_WM_MOVERESIZE, as other toolkits send it): the window manager then
// moves the window by the pointer's way from the press, so the pressed
// pixel stays under the pointer from the first pixel of the drag. Qt's own
// request gives the pointer's place at the time of asking, by which time
// the pointer has gone the drag distance. False where this cannot be done.
bool StartX11Move(QWidget& window, QPoint pressedAt) {
#if QT_CONFIG(xcb)
  auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
  QWindow* handle = window.windowHandle();
  if (!x11 || !x11->connection() || !handle) return false;
  xcb_connection_t* c = x11->connection();
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  const xcb_atom_t moveResize = Atom(c, "_NET_WM_MOVERESIZE");
  if (moveResize == XCB_ATOM_NONE || !ManagerMoves(c, root, moveResize)) return false;
  // Root coordinates are device pixels; Qt scales a screen's places from
  // its top left corner, which it keeps unscaled.
  const QPoint corner = handle->screen() ? handle->screen()->geometry().topLeft() : QPoint();
  const QPoint device =
      (QPointF(pressedAt - corner) * handle->devicePixelRatio()).toPoint() + corner;
  // The press gave Qt the pointer: a window manager cannot take it while
  // it is held.
  xcb_ungrab_pointer(c, XCB_CURRENT_TIME);
  xcb_client_message_event_t event{};
  event.response_type = XCB_CLIENT_MESSAGE;
  event.format = 32;
  event.window = static_cast<xcb_window_t>(window.winId());
  event.type = moveResize;
  event.data.data32[0] = static_cast<std::uint32_t>(device.x());
  event.data.data32[1] = static_cast<std::uint32_t>(device.y());
  event.data.data32[2] = 8;  // _NET_WM_MOVERESIZE_MOVE
  event.data.data32[3] = 1;  // the left button
  event.data.data32[4] = 1;  // asked for by an application
  xcb_send_event(c, 0, root,
                 XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&event));
  xcb_flush(c);
  return true;
#else
  (void)window;
  (void)pressedAt;
  return false;
#endif
}

}  // namespace

bool PositionKnown() {
  return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

WindowMover::WindowMover(QWidget& window, std::function<void(QPoint)> placeSettled)
    : QObject(&window), window_(window), placeSettled_(std::move(placeSettled)) {
  settle_.setSingleShot(true);
  settle_.setInterval(200);
  connect(&settle_, &QTimer::timeout, this, &WindowMover::Settled);
}

void WindowMover::Start(QPoint pressedAt, QPoint pointerNow) {
  session_ = true;
  released_ = false;
  reported_ = false;
  manual_ = false;
  offset_ = pressedAt - window_.pos();
  if (QGuiApplication::platformName() == QLatin1String("xcb")) {
    if (!StartX11Move(window_, pressedAt)) {
      // No window manager to do it: follow the mouse ourselves.
      manual_ = true;
      window_.move(pointerNow - offset_);
    }
  } else {
    // Elsewhere the window manager's move takes the window as it finds it:
    // the mouse has already gone some way from the press, so the window
    // catches up first.
    if (pointerNow != pressedAt) window_.move(pointerNow - offset_);
    QWindow* handle = window_.windowHandle();
    if (!handle || !handle->startSystemMove()) manual_ = true;
  }
  // With the system move the release may never reach us: the timer also
  // ends a session whose button is up again.
  settle_.start();
}

bool WindowMover::MouseMove(const QMouseEvent& event) {
  if (!manual_) return false;
  window_.move(event.globalPosition().toPoint() - offset_);
  return true;
}

bool WindowMover::MouseRelease(const QMouseEvent& event) {
  if (!session_ || event.button() != Qt::LeftButton) return false;
  const bool wasManual = manual_;
  manual_ = false;
  released_ = true;
  Report();
  settle_.start();
  return wasManual || session_;
}

void WindowMover::BodyPress(const QMouseEvent& event) {
  pending_ = event.button() == Qt::LeftButton;
  pressedAt_ = event.globalPosition().toPoint();
}

void WindowMover::BodyMove(const QMouseEvent& event) {
  if (MouseMove(event)) return;
  if (!pending_ || !(event.buttons() & Qt::LeftButton)) return;
  // Not at the press: a system move asked for at the press of a quick
  // click can start after the release and leave the window on the pointer.
  const QPoint now = event.globalPosition().toPoint();
  if ((now - pressedAt_).manhattanLength() < QGuiApplication::styleHints()->startDragDistance())
    return;
  pending_ = false;
  Start(pressedAt_, now);
}

void WindowMover::BodyRelease(const QMouseEvent& event) {
  if (event.button() == Qt::LeftButton) pending_ = false;
  MouseRelease(event);
}

void WindowMover::WindowMoved() {
  if (session_) settle_.start();
}

void WindowMover::Flush() {
  if (!session_) return;
  settle_.stop();
  Settled();
  session_ = false;
  manual_ = false;
}

void WindowMover::Settled() {
  if (!reported_ || window_.pos() != lastReported_) Report();
  const bool buttonUp = !(QGuiApplication::mouseButtons() & Qt::LeftButton);
  if (released_ || (!manual_ && buttonUp)) session_ = false;
}

void WindowMover::Report() {
  reported_ = true;
  lastReported_ = window_.pos();
  if (placeSettled_) placeSettled_(lastReported_);
}

}  // namespace numerina::ui
