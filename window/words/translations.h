#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

namespace corvale {

// The program's own texts and Qt's (the transcript's menu, the message box's
// button) in the first of the user's languages that the program speaks;
// Qt's texts follow, so that a window never mixes two languages. Installed
// for as long as this lives (a translator removes itself as it goes).
class Translations {
 public:
  explicit Translations(const QLocale& locale = QLocale::system());

  // "de", "fr", ...; empty for English.
  QString Language() const { return language_; }

  // The first of `preferred` (as QLocale::uiLanguages() lists them) that the
  // program speaks: English, which it is written in, or one of `translated`
  // ("de", "fr"); empty for English, also when none fits.
  static QString Choose(const QStringList& preferred, const QStringList& translated);
  // The languages the program is translated into.
  static QStringList Translated();

 private:
  QTranslator program_;
  QTranslator qt_;
  QString language_;
};

}  // namespace corvale
