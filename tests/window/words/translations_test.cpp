#include "window/words/translations.h"

#include <QProcess>

#include "tests/window/window_fixture.h"

namespace corvale {
namespace {

// The first of the user's languages that the program speaks wins, and English, which it is written
// in, is one of them. Qt reads LANGUAGE once, so each case is this program started again
// (window_main.cpp answers --chosen-language as the program chooses).
TEST(Translations, TheFirstLanguageThatTheProgramSpeaksWins) {
  // clang-format off
  for (const auto& [variable, chosen] : {std::pair{"en_GB:fr", ""}, {"en:de", ""}, {"fr:en", "fr"},
                                         {"de_CH", "de"}, {"it:pt:fr", "fr"}}) {
    // clang-format on
    QProcess self;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LANGUAGE", variable);
    environment.insert("LANG", "en_US.UTF-8");
    for (const char* other : {"LC_ALL", "LC_MESSAGES"}) environment.remove(other);
    self.setProcessEnvironment(environment);
    self.start(QCoreApplication::applicationFilePath(), {"--chosen-language"});
    ASSERT_TRUE(self.waitForFinished());
    EXPECT_EQ(self.readAllStandardOutput().trimmed(), chosen) << variable;
  }
}

// Examples quoted, so that the comma cannot run them together.
TEST_F(Window, SpeaksGermanAndFrenchButKeepsItsOwnNames) {
  const std::tuple<QLocale::Language, const char*, const char*, const char*, const char*>
      languages[] = {
          {QLocale::German,
           "Differentialbeiwert: D = Kd × Änderung der Regelabweichung seit dem vorigen "
           "Schritt. D antwortet",
           "\u201E2\u201C, \u201E0,5\u201C", "&Kopieren",
           "Kp: \u201E\u2068abc\u2069\u201C ist keine Zahl."},
          {QLocale::French,
           "Gain dérivé\u00A0: D = Kd × variation de l’erreur depuis le pas précédent. D répond",
           "\u00AB\u202F2\u202F\u00BB, \u00AB\u202F0,5\u202F\u00BB", "Cop&ier",
           "Kp\u00A0: \u00AB\u202F\u2068abc\u2069\u202F\u00BB n\u2019est pas un nombre."}};
  for (const auto& [language, tip, examples, copy, message] : languages) {
    const Translations translations{QLocale(language)};
    Open(QLocale(language));
    EXPECT_EQ(Box("guiKI")->text(), ",5");  // where the locale writes "0,5", so do the boxes
    // The plants' names, kept in a table apart from their widget's words.
    EXPECT_EQ(window->findChild<QComboBox*>("plantModel")->itemText(2),
              language == QLocale::German ? "Zwei Verzögerungen" : "Deux retards");
    const QString kd = Box("guiKD")->toolTip();
    EXPECT_TRUE(kd.startsWith(QString::fromUtf8(tip))) << kd.toStdString();
    EXPECT_TRUE(kd.contains(QString::fromUtf8(examples))) << examples;
    const std::unique_ptr<QMenu> menu(Table()->CreateContextMenu());
    EXPECT_TRUE(menu->actions()[0]->text().startsWith(copy)) << copy;
    Press("Command1", {{"guiKP", "abc"}});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].startsWith(QString::fromUtf8(message))) << messages[0].toStdString();
    ExpectHeardWithoutMarks(messages[0], heard[0]);
    messages.clear();
    heard.clear();
  }
}

}  // namespace
}  // namespace corvale
