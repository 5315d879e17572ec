// numerina: the calculator window.
#include <QApplication>

#include "config/ini.h"
#include "ui/calculator.h"
#include "ui/keylog.h"
#include "ui/singleinstance.h"

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

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("numerina"));
  instance.Listen();

  ui::Calculator calculator;
  QObject::connect(&instance, &ui::SingleInstance::ShowRequested, &calculator,
                   &ui::Calculator::BringToFront);
  calculator.StartUp();
  calculator.show();
  // The window maps at its final place now; the text widgets are built
  // before the event loop paints it for the first time.
  calculator.BuildTextWidgets();
  return app.exec();
}
