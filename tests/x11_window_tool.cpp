// Finds a top-level window by its title on the X display and, on request,
// asks it to close the way a window manager would (WM_DELETE_WINDOW).
//   x11_window_tool wait TITLE SECONDS   exits 0 once such a window exists
//   x11_window_tool close TITLE          exits 0 once the request is sent
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {

std::string TitleOf(Display* display, Window window) {
  XTextProperty property{};
  std::string title;
  if (XGetWMName(display, window, &property) && property.value) {
    title.assign(reinterpret_cast<const char*>(property.value), property.nitems);
    XFree(property.value);
  }
  return title;
}

Window FindByTitle(Display* display, Window parent, const std::string& title) {
  Window root = 0, parentOut = 0, *children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(display, parent, &root, &parentOut, &children, &count)) return 0;
  Window found = 0;
  for (unsigned int i = 0; i < count && !found; ++i) {
    if (TitleOf(display, children[i]) == title) {
      found = children[i];
    } else {
      found = FindByTitle(display, children[i], title);
    }
  }
  if (children) XFree(children);
  return found;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3) {
    std::fputs("usage: x11_window_tool wait TITLE SECONDS | close TITLE\n", stderr);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fputs("x11_window_tool: cannot open the display\n", stderr);
    return 2;
  }
  const std::string command = argv[1];
  const std::string title = argv[2];
  int status = 1;
  if (command == "wait") {
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::seconds(argc > 3 ? std::atoi(argv[3]) : 10);
    while (std::chrono::steady_clock::now() < deadline) {
      if (FindByTitle(display, DefaultRootWindow(display), title)) {
        status = 0;
        break;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
  } else if (command == "close") {
    if (const Window window = FindByTitle(display, DefaultRootWindow(display), title)) {
      XEvent event{};
      event.xclient.type = ClientMessage;
      event.xclient.window = window;
      event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
      event.xclient.format = 32;
      event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
      event.xclient.data.l[1] = CurrentTime;
      XSendEvent(display, window, False, NoEventMask, &event);
      XFlush(display);
      status = 0;
    }
  }
  if (status != 0)
    std::fprintf(stderr, "x11_window_tool: no window titled \"%s\"\n", title.c_str());
  XCloseDisplay(display);
  return status;
}
