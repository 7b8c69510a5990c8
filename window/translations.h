#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

namespace corvale {

// The program's own texts and Qt's (the transcript's menu, the message box's
// button) in the first of the user's languages that the program is
// translated into; English where none is, Qt's texts too, so that a window
// never mixes two languages. Installed for as long as this lives (a
// translator removes itself as it goes).
class Translations {
 public:
  explicit Translations(const QLocale& locale = QLocale::system());

  // "de", "fr", ...; empty for English.
  QString Language() const { return language_; }

 private:
  QTranslator program_;
  QTranslator qt_;
  QString language_;
};

}  // namespace corvale
