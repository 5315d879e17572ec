// SPDX-License-Identifier: GPL-3.0-or-later
// numerina: the calculator window.
#include <QApplication>
#include <QTimer>

#include <fontconfig/fontconfig.h>
#include <malloc.h>

#include <functional>
#include <thread>

#include "config/ini.h"
#include "ui/app/desktop.h"
#include "ui/app/singleinstance.h"
#include "ui/calculator/calculator.h"
#include "ui/calculator/keylog.h"

namespace {

// Runs then() once, from the event loop, after window's first paint.
class AfterFirstPaint : public QObject {
 public:
  AfterFirstPaint(QWidget& window, std::function<void()> then) : then_(std::move(then)) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      QTimer::singleShot(0, this, [this] { then_(); });
    }
    return false;
  }

 private:
  std::function<void()> then_;
};

}  // namespace

int main(int argc, char** argv) {
  using namespace numerina;
  ui::KeyLog("main", "start");
  // Before anything else: a second start asks the running calculator to
  // show itself and ends, without touching the settings or the screen.
  ui::SingleInstance instance(QString::fromStdString(CartellaProgramma()));
  if (!instance.First()) {
    instance.AskRunningToShow();
    return 0;
  }

  // The first text box makes Qt read the font configuration, the longest
  // single step before the window can be shown; it is read meanwhile, while
  // Qt connects to the display, and Qt then finds it loaded.
  std::thread fonts([] { FcInit(); });
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("numerina"));
  instance.Listen();
  fonts.join();

  // The calculator window and the tray. The window maps at its final place
  // and its text widgets are built before the event loop paints it.
  ui::Desktop desktop;
  QObject::connect(&instance, &ui::SingleInstance::ShowRequested, &desktop,
                   &ui::Desktop::MostraCalcolatrice);
  desktop.Start();
  // The start-up frees much of what it allocated, and glibc keeps freed
  // heap pages; once the window has been painted they go back.
  AfterFirstPaint trim(*desktop.calculator(), [] { malloc_trim(0); });
  return app.exec();
}
