// The window tests' program: the offscreen platform with a projector's screen
// beside its own, and the language chosen as the program chooses it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QProcess>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "window/words/translations.h"

namespace corvale {
namespace {

// The first of the user's languages that the program speaks wins, and English, which it is written
// in, is one of them. Qt reads LANGUAGE once, so each case is this program started again.
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

}  // namespace
}  // namespace corvale

int main(int argc, char* argv[]) {
  if (argc > 1 && std::string_view(argv[1]) == "--chosen-language") {
    std::puts(qPrintable(corvale::Translations().Language()));  // as the program chooses
    return 0;
  }
  // Unless the environment names another: Qt's own screen, and a projector's
  // beside it for the zoom's tests.
  setenv("QT_QPA_PLATFORM", "offscreen:configfile=" CORVALE_OFFSCREEN_SCREENS, 0);
  // No sound server: the tests never sound on a desktop, and hear what a machine without one says.
  setenv("PULSE_SERVER", "unix:/nonexistent/corvale-no-server", 1);
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  QApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
