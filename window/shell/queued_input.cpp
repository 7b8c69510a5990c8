#include "window/shell/queued_input.h"

#include <QCoreApplication>
#include <QEvent>

namespace corvale {
namespace {

class InputDropper : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel:
      case QEvent::ShortcutOverride:
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::TouchBegin:
      case QEvent::TouchUpdate:
      case QEvent::TouchEnd:
      case QEvent::TabletPress:
      case QEvent::TabletRelease:
        return true;
      default:
        return false;
    }
  }
};

}  // namespace

void DropQueuedInput() {
  // Long enough for the queue, however much waited; it ends when it is empty.
  // Timers did not wait on the user: they are left to the event loop.
  constexpr int kMostMilliseconds = 1000;
  InputDropper dropper;
  QCoreApplication::instance()->installEventFilter(&dropper);
  QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::X11ExcludeTimers,
                                  kMostMilliseconds);
  QCoreApplication::instance()->removeEventFilter(&dropper);
}

}  // namespace corvale
