// SPDX-License-Identifier: GPL-3.0-or-later
// skinshot: paints the skin at a device pixel ratio into one PNG for review.
//
//   skinshot [--dpr R] [--zoom N] [--no-mask] [--no-demo] OUT.png
//   skinshot --window NAME OUT.png
//
// Top: the window as it starts (background, logo, sample display, tape and
// name), cut to the window's outline (outside it is white). Middle: every
// key and button pressed, the decimals buttons disabled. Bottom: the keypad
// sheets released and pressed and the toolbar strips. --zoom magnifies by
// whole device pixels, to judge edges one by one.
//
// --window photographs one of the program's real windows instead (see
// windows.h), at the device pixel ratio QT_SCALE_FACTOR gives the screen.

#include <QApplication>
#include <QCommandLineParser>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QTextStream>

#include <array>
#include <cmath>

#include "base/product.h"
#include "tools/skinshot/windows.h"
#include "ui/skin/skin.h"
#include "ui/widgets/outline.h"

using namespace numerina::ui;

namespace {

void PaintDemo(QPainter& p) {
  Skin::PaintLogo(p, QRect(12, 7, 76, 18));
  QFont display(QStringLiteral("MS Sans Serif"));
  display.setPointSizeF(9.75);
  display.setBold(true);
  p.setFont(display);
  p.setPen(Palette::DisplayText());
  p.drawText(Skin::DisplayRect(), Qt::AlignRight | Qt::AlignVCenter,
             QStringLiteral("1.234.567,89"));
  QFont mem(QStringLiteral("Arial"));
  mem.setPointSizeF(9);
  p.setFont(mem);
  p.drawText(QRect(16, 41, 17, 17), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("M"));

  QFont tape(QStringLiteral("Arial"));
  tape.setPointSizeF(8.25);
  p.setFont(tape);
  p.setPen(Palette::TapeText());
  const QString nb3 = QString(3, QChar(0xA0)), nb5 = QString(5, QChar(0xA0));
  const QStringList lines = {QStringLiteral("12,00") + nb3 + "+",
                             QStringLiteral("3,00") + nb3 + "=",
                             QString(35, '-'),
                             QStringLiteral("15,00") + nb5,
                             QString(),
                             QStringLiteral("1.250,00") + nb3 + QChar(0xF7),
                             QStringLiteral("4,00") + nb3 + "=",
                             QString(35, '-'),
                             QStringLiteral("312,50") + nb5};
  const QRect tr = Skin::TapeRect().adjusted(4, 2, -6, 0);
  int y = tr.top();
  for (const QString& l : lines) {
    p.drawText(QRect(tr.left(), y, tr.width(), 14), Qt::AlignRight | Qt::AlignVCenter, l);
    y += 13;
  }

  QFont name(QStringLiteral("Verdana"));
  name.setPointSizeF(8.25);
  p.setFont(name);
  p.setPen(QColor(64, 64, 64));
  const QString product = QString::fromUtf8(numerina::kProductName.data(),
                                            static_cast<qsizetype>(numerina::kProductName.size()));
  p.drawText(QPoint(222, 6 + 11), product);
  p.setPen(Qt::white);
  p.drawText(QPoint(223, 7 + 11), product);
}

QImage Window(qreal dpr, bool pressed, bool demo) {
  QPixmap pm = Skin::Background(dpr);
  QPainter p(&pm);
  if (pressed) {
    for (const KeyDef& k : kKeys) Skin::PaintKey(p, k, true);
    for (const ToolDef& t : kTools)
      Skin::PaintTool(p, t, ToolIndex(t.tool) < 4 || ToolIndex(t.tool) > 5,
                      ToolIndex(t.tool) < 4 || ToolIndex(t.tool) > 5);
  }
  if (demo) PaintDemo(p);
  p.end();
  QImage img = pm.toImage();
  img.setDevicePixelRatio(1);  // composed pixel for pixel below
  return img;
}

QImage Flat(const QPixmap& pm) {
  QImage img = pm.toImage();
  img.setDevicePixelRatio(1);
  return img;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QCommandLineParser cli;
  cli.addHelpOption();
  cli.addOption({QStringLiteral("dpr"), QStringLiteral("device pixel ratio"), QStringLiteral("R"),
                 QStringLiteral("1")});
  cli.addOption({QStringLiteral("zoom"), QStringLiteral("magnify by N"), QStringLiteral("N"),
                 QStringLiteral("1")});
  cli.addOption({QStringLiteral("no-mask"), QStringLiteral("do not cut to the outline")});
  cli.addOption({QStringLiteral("no-demo"), QStringLiteral("no sample texts")});
  cli.addOption({QStringLiteral("window"),
                 QStringLiteral("photograph a real window: ") +
                     skinshot::WindowNames().join(QStringLiteral(", ")),
                 QStringLiteral("NAME")});
  cli.addPositionalArgument(QStringLiteral("out"), QStringLiteral("PNG file to write"));
  cli.process(app);
  if (cli.positionalArguments().size() != 1) cli.showHelp(2);
  if (cli.isSet(QStringLiteral("window"))) {
    for (const char* other : {"dpr", "zoom", "no-mask", "no-demo"})
      if (cli.isSet(QString::fromLatin1(other))) {
        QTextStream(stderr) << "skinshot: --" << other
                            << " does not apply to --window (use QT_SCALE_FACTOR for the ratio)\n";
        return 2;
      }
    return skinshot::ShootWindow(cli.value(QStringLiteral("window")),
                                 cli.positionalArguments().first());
  }
  const qreal dpr = cli.value(QStringLiteral("dpr")).toDouble();
  const int zoom = std::max(1, cli.value(QStringLiteral("zoom")).toInt());
  if (!(dpr >= 0.5 && dpr <= 4)) {
    QTextStream(stderr) << "skinshot: --dpr must lie in 0.5 .. 4\n";
    return 2;
  }

  const QImage released = Window(dpr, false, !cli.isSet(QStringLiteral("no-demo")));
  const QImage pressed = Window(dpr, true, false);
  const QImage sheets[] = {Flat(Skin::KeypadSheet(false, dpr)), Flat(Skin::KeypadSheet(true, dpr)),
                           Flat(Skin::ToolbarStrip(false, dpr)),
                           Flat(Skin::ToolbarStrip(true, dpr))};
  const int gap = qRound(12 * dpr);
  const int w = released.width() + 2 * gap;
  const int h = 2 * released.height() + sheets[0].height() + 2 * sheets[2].height() + 64 + 7 * gap;
  QImage out(w, h, QImage::Format_ARGB32);
  out.fill(Qt::white);
  QPainter p(&out);
  const QRegion outline = DeviceRegionOfRuns(CalculatorRuns(), dpr);
  const bool mask = !cli.isSet(QStringLiteral("no-mask"));
  int y = gap;
  for (const QImage* img : {&released, &pressed}) {
    p.save();
    if (mask) p.setClipRegion(outline.translated(gap, y));
    p.drawImage(gap, y, *img);
    p.restore();
    y += img->height() + gap;
  }
  p.drawImage(gap, y, sheets[0]);
  p.drawImage(gap + sheets[0].width() + gap, y, sheets[1]);
  y += sheets[0].height() + gap;
  p.drawImage(gap, y, sheets[2]);
  p.drawImage(gap, y + sheets[2].height() + gap, sheets[3]);
  // The program icon at each of its sizes, on light and on dark.
  y += 2 * (sheets[2].height() + gap);
  const QIcon icon = Skin::AppIcon();
  int x = gap;
  for (const QColor& under : {QColor(Qt::white), QColor(40, 40, 40)})
    for (int size : {16, 24, 32, 48, 64}) {
      p.fillRect(x, y, size + 8, 72, under);
      p.drawPixmap(x + 4, y + 4, icon.pixmap(QSize(size, size), 1.0));
      x += size + 16;
    }
  p.end();
  const QImage final =
      zoom > 1 ? out.scaled(out.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation) : out;
  if (!final.save(cli.positionalArguments().first())) {
    QTextStream(stderr) << "skinshot: cannot write " << cli.positionalArguments().first() << "\n";
    return 1;
  }
  return 0;
}
