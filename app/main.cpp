#include <QApplication>
#include <QIcon>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "form1.h"
#include "translations.h"

namespace {

std::string Environment(const char* variable) {
  const char* value = std::getenv(variable);
  return value ? value : "";
}

// The display each platform will open, as Qt finds it. X: -display, else a
// "display=" among the options of an xcb platform (-platform xcb:display=:1,
// or the same in QT_QPA_PLATFORM), else DISPLAY. Wayland: WAYLAND_DISPLAY.
std::string xDisplay;
std::string waylandDisplay;

void FindDisplays(int argc, char* argv[]) {
  const auto fromPlatform = [](std::string_view platform) {
    if (!platform.starts_with("xcb:")) return;
    platform.remove_prefix(4);
    while (!platform.empty()) {
      const std::string_view option = platform.substr(0, platform.find(','));
      if (option.starts_with("display=")) xDisplay = option.substr(8);
      platform.remove_prefix(std::min(platform.size(), option.size() + 1));
    }
  };
  xDisplay = Environment("DISPLAY");
  waylandDisplay = Environment("WAYLAND_DISPLAY");
  fromPlatform(Environment("QT_QPA_PLATFORM"));
  std::string explicitDisplay;
  for (int i = 1; i + 1 < argc; ++i) {
    const std::string_view option = argv[i];
    if (option == "-platform" || option == "--platform") fromPlatform(argv[i + 1]);
    if (option == "-display" || option == "--display") explicitDisplay = argv[i + 1];
  }
  if (!explicitDisplay.empty()) xDisplay = explicitDisplay;
}

// Qt answers a display it cannot reach with lines of its own and an abort.
// While the application starts, its messages are held back. If it cannot
// reach the display, one line says so; any other reason it cannot start (an
// unknown platform, a plugin that does not load) is Qt's to explain, as it
// names the plugins it has. Either way the program exits with status 1. Qt's
// own options (-platform, -display) are Qt's to honour.
QStringList heldMessages;
enum class Platform { None, X, Wayland };
Platform unreachable = Platform::None;  // whose display could not be reached

void PrintHeldMessages() {  // as Qt would have printed them, already formatted
  for (const QString& message : std::as_const(heldMessages)) {
    std::fprintf(stderr, "%s\n", qPrintable(message));
  }
}

void HoldStartupMessages(QtMsgType type, const QMessageLogContext& context,
                         const QString& message) {
  const std::string_view category = context.category ? context.category : "";
  if (category == "qt.qpa.xcb" && message.startsWith(u"could not connect to display")) {
    unreachable = Platform::X;
  } else if (category.starts_with("qt.qpa.wayland") && message.contains(u"wayland connection")) {
    unreachable = Platform::Wayland;
  }
  heldMessages << qFormatLogMessage(type, context, message);
  if (type != QtFatalMsg) return;
  if (unreachable == Platform::None) {
    PrintHeldMessages();
    std::_Exit(EXIT_FAILURE);
  }
  const bool x = unreachable == Platform::X;
  const char* const kind = x ? "X" : "Wayland";
  const std::string& name = x ? xDisplay : waylandDisplay;
  if (name.empty()) {
    std::fprintf(stderr, "corvale: no %s display to connect to (%s is unset)", kind,
                 x ? "DISPLAY" : "WAYLAND_DISPLAY");
  } else {
    std::fprintf(stderr, "corvale: cannot connect to %s display \"%s\"", kind, name.c_str());
  }
  std::fputs("; start it from a desktop session, or under xvfb-run\n", stderr);
  std::_Exit(EXIT_FAILURE);
}

}  // namespace

int main(int argc, char* argv[]) {
  FindDisplays(argc, argv);
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
