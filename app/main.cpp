#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "form1.h"

namespace {

// Qt aborts with a backtrace when it cannot reach a display; say it plainly
// instead. Other platforms (offscreen, vnc, ...) need no display.
bool DisplayExpectedButMissing() {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  const std::string_view name = platform ? platform : "";
  const bool needsDisplay = name.empty() || name.starts_with("xcb") || name.starts_with("wayland");
  const auto isSet = [](const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value;
  };
  return needsDisplay && !isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char* argv[]) {
  if (DisplayExpectedButMissing()) {
    std::fputs(
        "corvale: no display found (DISPLAY and WAYLAND_DISPLAY are unset); start it from a "
        "desktop session, or under xvfb-run\n",
        stderr);
    return EXIT_FAILURE;
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Corvale"));
  QApplication::setApplicationVersion(QStringLiteral(CORVALE_DISPLAY_VERSION));
  QApplication::setOrganizationName(QStringLiteral("Corvale Developers"));
  QGuiApplication::setDesktopFileName(QStringLiteral("corvale"));

  corvale::Form1 window;
  window.show();
  return application.exec();
}
