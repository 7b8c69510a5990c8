// The window tests' program: the offscreen platform with a projector's screen
// beside its own, and the language chosen as the program chooses it.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "window/words/translations.h"

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
