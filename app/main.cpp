#include <QApplication>
#include <QIcon>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "form1.h"
#include "translations.h"

namespace {

std::string displayName;  // as Qt will look for it: -display, then the environment

void FindDisplayName(int argc, char* argv[]) {
  for (const char* variable : {"WAYLAND_DISPLAY", "DISPLAY"}) {
    if (const char* value = std::getenv(variable); value && *value) displayName = value;
  }
  for (int i = 1; i + 1 < argc; ++i) {
    const std::string_view option = argv[i];
    if (option == "-display" || option == "--display") displayName = argv[i + 1];
  }
}

// Qt answers a display it cannot reach with lines of its own and an abort.
// While the application starts, its messages are held back. If it cannot
// reach the display, one line says so; any other reason it cannot start (an
// unknown platform, a plugin that does not load) is Qt's to explain, as it
// names the plugins it has. Either way the program exits with status 1. Qt's
// own options (-platform, -display) are Qt's to honour.
QStringList heldMessages;
bool displayUnreachable = false;

void PrintHeldMessages() {  // as Qt would have printed them, already formatted
  for (const QString& message : std::as_const(heldMessages)) {
    std::fprintf(stderr, "%s\n", qPrintable(message));
  }
}

void HoldStartupMessages(QtMsgType type, const QMessageLogContext& context,
                         const QString& message) {
  const std::string_view category = context.category ? context.category : "";
  if ((category == "qt.qpa.xcb" && message.startsWith(u"could not connect to display")) ||
      (category.starts_with("qt.qpa.wayland") && message.contains(u"wayland connection"))) {
    displayUnreachable = true;
  }
  heldMessages << qFormatLogMessage(type, context, message);
  if (type != QtFatalMsg) return;
  if (!displayUnreachable) {
    PrintHeldMessages();
  } else if (displayName.empty()) {
    std::fputs(
        "corvale: no display found (DISPLAY and WAYLAND_DISPLAY are unset); start it from a "
        "desktop session, or under xvfb-run\n",
        stderr);
  } else {
    std::fprintf(stderr,
                 "corvale: cannot connect to display \"%s\"; start it from a desktop session, or "
                 "under xvfb-run\n",
                 displayName.c_str());
  }
  std::_Exit(EXIT_FAILURE);
}

}  // namespace

int main(int argc, char* argv[]) {
  FindDisplayName(argc, argv);
  const QtMessageHandler qtHandler = qInstallMessageHandler(HoldStartupMessages);
  QApplication application(argc, argv);
  qInstallMessageHandler(qtHandler);
  PrintHeldMessages();  // started: what Qt said meanwhile goes out now

  QApplication::setApplicationName(QStringLiteral("Corvale"));
  QApplication::setApplicationVersion(QStringLiteral(CORVALE_DISPLAY_VERSION));
  QApplication::setOrganizationName(QStringLiteral(CORVALE_DEVELOPER));
  QGuiApplication::setDesktopFileName(QStringLiteral("org.corvale.Corvale"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/org.corvale.Corvale.svg")));

  const corvale::Translations translations;  // before the window, which is written in them
  corvale::Form1 window;
  window.show();
  return application.exec();
}
