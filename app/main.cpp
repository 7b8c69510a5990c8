#include <QApplication>
#include <QIcon>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <string_view>

#include "window/shell/form1.h"
#include "window/words/translations.h"

namespace {

std::string Environment(const char* variable) {
  const char* value = std::getenv(variable);
  return value ? value : "";
}

// The display each platform will open, as Qt finds it. X: -display, else a
// "display=" among the options of the xcb platform (-platform
// xcb:display=:1, which replaces QT_QPA_PLATFORM, or the same in that
// variable), else DISPLAY. Wayland: WAYLAND_DISPLAY. Advice to start it
// elsewhere is no help while an option or variable holds the program to the
// display that failed, so the X display keeps where it was given and which
// display the program would open without that.
struct XDisplay {
  std::string name;
  std::string source;  // "-display", "-platform", "QT_QPA_PLATFORM"; empty: DISPLAY
  std::string drop;    // what to leave out to open `fallback` instead
  std::string fallback;
  std::string fallbackSource;
};
XDisplay xDisplay;
std::string waylandDisplay;

void FindDisplays(int argc, char* argv[]) {
  std::string platform = Environment("QT_QPA_PLATFORM");
  std::string platformFrom = "QT_QPA_PLATFORM";
  std::string explicitDisplay;
  for (int i = 1; i + 1 < argc; ++i) {
    const std::string_view option = argv[i];
    if (option == "-platform" || option == "--platform") {
      platform = argv[i + 1];
      platformFrom = "-platform";
    }
    if (option == "-display" || option == "--display") explicitDisplay = argv[i + 1];
  }
  xDisplay.name = Environment("DISPLAY");
  waylandDisplay = Environment("WAYLAND_DISPLAY");
  const auto heldTo = [](const std::string& name, const std::string& source,
                         const std::string& drop) {
    xDisplay = {.name = name,
                .source = source,
                .drop = drop,
                .fallback = xDisplay.name,
                .fallbackSource = xDisplay.source.empty() ? "DISPLAY" : xDisplay.source};
  };
  // A list of platforms to try ("xcb:display=:1;wayland"): the xcb one.
  std::string_view xcb = platform;
  const auto at = xcb.find("xcb");
  xcb = at == std::string_view::npos ? std::string_view() : xcb.substr(at);
  xcb = xcb.substr(0, xcb.find(';'));
  if (xcb.starts_with("xcb:")) {
    for (std::string_view options = xcb.substr(4); !options.empty();) {
      const std::string_view option = options.substr(0, options.find(','));
      if (option.starts_with("display=")) {
        heldTo(std::string(option.substr(8)), platformFrom,
               std::string(option) + " from " + platformFrom);
      }
      options.remove_prefix(std::min(options.size(), option.size() + 1));
    }
  }
  if (!explicitDisplay.empty()) heldTo(explicitDisplay, "-display", "-display");
}

// What to do about a display that could not be reached, as advice that, once
// followed, does not meet the same display again.
std::string Advice(bool x) {
  if (!x) {  // xvfb-run is no help while Qt takes Wayland
    return std::string("; start corvale from a desktop session or, to use X instead, run ") +
           (xDisplay.name.empty() ? "xvfb-run " : "") + "corvale -platform xcb";
  }
  if (xDisplay.source.empty()) return "; start corvale from a desktop session or under xvfb-run";
  const char* const given = xDisplay.source.starts_with('-') ? " (given with " : " (given in ";
  const std::string advice =
      given + xDisplay.source + "); start an X server there, or drop " + xDisplay.drop;
  if (xDisplay.fallback.empty() || xDisplay.fallback == xDisplay.name) {
    return advice + " and run corvale from a desktop session or under xvfb-run";
  }
  return advice + " to use \"" + xDisplay.fallback + "\" from " + xDisplay.fallbackSource;
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
  const std::string& name = x ? xDisplay.name : waylandDisplay;
  if (name.empty()) {
    std::fprintf(stderr, "corvale: no %s display to connect to (%s is unset or empty)", kind,
                 x ? "DISPLAY" : "WAYLAND_DISPLAY");
  } else {
    std::fprintf(stderr, "corvale: cannot connect to %s display \"%s\"", kind, name.c_str());
  }
  std::fprintf(stderr, "%s\n", Advice(x).c_str());
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
