// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// skinshot --window: one of the program's real windows, opened the way the
// program opens it with a fresh settings file, photographed to a PNG.

#include <QString>
#include <QStringList>

namespace numerina::ui::skinshot {

// The names --window takes: calculator, config, print, about, infoditta.
QStringList WindowNames();

// Opens the named window in a new empty settings folder, lets it settle and
// writes its picture to out at the screen's device pixel ratio (set it with
// QT_SCALE_FACTOR). 0 on success, 1 when out cannot be written, 2 for an
// unknown name.
int ShootWindow(const QString& name, const QString& out);

}  // namespace numerina::ui::skinshot
