// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up: a bare Qt window showing one empty 400 x 275
// widget, nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget w;
  w.resize(400, 275);
  w.show();
  return app.exec();
}
