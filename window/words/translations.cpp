#include "window/words/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace corvale {
namespace {

// Compiled in, so that a run from the build folder is translated too.
const QString kFolder = QStringLiteral(":/i18n");

}  // namespace

QString Translations::Choose(const QStringList& preferred, const QStringList& translated) {
  for (const QString& name : preferred) {
    const QLocale::Language language = QLocale(name).language();
    if (language == QLocale::English) return {};
    const QString code = QLocale::languageToCode(language);
    if (translated.contains(code)) return code;
  }
  return {};
}

QStringList Translations::Translated() {
  QStringList codes;
  for (const QString& file : QDir(kFolder).entryList({QStringLiteral("corvale_*.qm")})) {
    codes << file.sliced(8, file.size() - 8 - 3);  // "corvale_" … ".qm"
  }
  return codes;
}

Translations::Translations(const QLocale& locale)
    : language_(Choose(locale.uiLanguages(), Translated())) {
  if (language_.isEmpty() || !program_.load(QStringLiteral("corvale_") + language_, kFolder)) {
    language_.clear();
    return;
  }
  QCoreApplication::installTranslator(&program_);
  if (qt_.load(QStringLiteral("qtbase_") + language_,
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(&qt_);
  }
}

}  // namespace corvale
