// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/qttranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace numerina::ui {
namespace {
// The translator is a child of the application under this name, so that a
// second copy of this code (in the print module) sees it too.
constexpr char kTranslatorName[] = "numerina-qtbase-it";
}  // namespace

void LoadQtItalian() {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app) return;
  const QString name = QString::fromLatin1(kTranslatorName);
  if (app->findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly)) return;
  auto* translator = new QTranslator(app);
  translator->setObjectName(name);
  // A missing file is tried once: the empty translator stays as the mark.
  if (translator->load(QStringLiteral("qtbase_it"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(translator);
}

}  // namespace numerina::ui
