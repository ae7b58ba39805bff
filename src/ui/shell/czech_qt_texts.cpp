// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/czech_qt_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ardeno {

bool InstallCzechQtTexts(QCoreApplication& app) {
  auto* translator = new QTranslator(&app);
  if (!translator->load(QLocale(QLocale::Czech), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

}  // namespace ardeno
