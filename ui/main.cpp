// numerina: the calculator window.
#include <QApplication>
#include <QCoreApplication>

#include "config/ini.h"
#include "ui/calculator.h"
#include "ui/singleinstance.h"

int main(int argc, char** argv) {
  using namespace numerina;
  // Before anything else: a second start asks the running calculator to
  // show itself and ends, without touching the settings or the screen.
  ui::SingleInstance instance(QString::fromStdString(CartellaProgramma()));
  if (!instance.First()) {
    QCoreApplication app(argc, argv);
    instance.AskRunningToShow();
    return 0;
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("numerina"));
  QApplication::setApplicationDisplayName(QStringLiteral("Numerina Desktop"));
  instance.Listen();

  ui::Calculator calculator;
  QObject::connect(&instance, &ui::SingleInstance::ShowRequested, &calculator,
                   &ui::Calculator::BringToFront);
  calculator.StartUp();
  calculator.show();
  return app.exec();
}
