#include <QApplication>
#include <QIcon>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <mutex>
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
// "display=" among the options of the xcb platform (-platform
// xcb:display=:1, which replaces QT_QPA_PLATFORM, or the same in that
// variable), else DISPLAY. Wayland: WAYLAND_DISPLAY.
std::string xDisplay;
std::string waylandDisplay;

void FindDisplays(int argc, char* argv[]) {
  std::string platform = Environment("QT_QPA_PLATFORM");
  std::string explicitDisplay;
  for (int i = 1; i + 1 < argc; ++i) {
    const std::string_view option = argv[i];
    if (option == "-platform" || option == "--platform") platform = argv[i + 1];
    if (option == "-display" || option == "--display") explicitDisplay = argv[i + 1];
  }
  xDisplay = Environment("DISPLAY");
  waylandDisplay = Environment("WAYLAND_DISPLAY");
  // A list of platforms to try ("xcb:display=:1;wayland"): the xcb one.
  std::string_view xcb = platform;
  const auto at = xcb.find("xcb");
  xcb = at == std::string_view::npos ? std::string_view() : xcb.substr(at);
  xcb = xcb.substr(0, xcb.find(';'));
  if (xcb.starts_with("xcb:")) {
    for (std::string_view options = xcb.substr(4); !options.empty();) {
      const std::string_view option = options.substr(0, options.find(','));
      if (option.starts_with("display=")) xDisplay = option.substr(8);
      options.remove_prefix(std::min(options.size(), option.size() + 1));
    }
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
  // Qt's own threads (the X event reader, D-Bus) may speak while it starts.
  static std::mutex held;
  const std::lock_guard<std::mutex> lock(held);
  const std::string_view category = context.category ? context.category : "";
  if (category == "qt.qpa.xcb" && message.startsWith(u"could not connect to display")) {
    unreachable = Platform::X;
  } else if ((category.starts_with("qt.qpa.wayland") && message.contains(u"wayland connection")) ||
             message.startsWith(u"Failed to create wl_display")) {
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
    std::fprintf(stderr, "corvale: no %s display to connect to (%s is unset or empty)", kind,
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
