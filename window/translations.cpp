#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace corvale {

Translations::Translations(const QLocale& locale) {
  // Compiled in, so that a run from the build folder is translated too.
  if (!program_.load(locale, QStringLiteral("corvale"), QStringLiteral("_"),
                     QStringLiteral(":/i18n"))) {
    return;
  }
  language_ = program_.language();
  QCoreApplication::installTranslator(&program_);
  if (qt_.load(QStringLiteral("qtbase_") + language_,
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(&qt_);
  }
}

}  // namespace corvale
