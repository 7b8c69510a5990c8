#pragma once

#include <QSize>

#include "form/box.h"

namespace corvale {

// Where the window stands when the user asks for another zoom.
struct Situation {
  int level = 0;      // the zoom's level now
  bool kept = false;  // maximised or full screen: the window's size is the window manager's
  QSize window;       // the client area now
  QSize user;       // the size the user gave the window, 0 in a dimension left as the form made it
  QSize available;  // the screen's available area; empty where no screen is known
  QSize frame;      // what the window manager's frame adds to the client area
  bool chartBeside = false;  // the chart stands beside the form now
  // Whether it stood beside the form in the normal window: now, or before
  // the window was maximised.
  bool normalChartBeside = false;
};

// A zoom's level and the window's client size in its normal state: the size
// it takes now, or, maximised, the size it comes back to.
struct Fit {
  int level = 0;
  QSize window;
};

// Decides how far a zoom goes and how large the window becomes with it.
// Larger goes only as far as the window, frame and all, fits the screen's
// available area: a maximised one as far as the form fits in it, the chart
// in the box that fills it where it has no room beside the form. Where the
// chart stands beside the form in a normal window it keeps its room there:
// the window grows for it as far as the screen allows.
// The window is never smaller than the user made it: it grows where the
// zoomed form needs more, and gives back only what it grew.
class WindowFit {
 public:
  explicit WindowFit(Place clientArea) : clientArea_(clientArea) {}

  // The form's client area at a zoom level.
  QSize Form(int level) const;
  // Ctrl++ (steps > 0) and Ctrl+- (steps < 0).
  Fit Step(const Situation& now, int steps) const;
  // Ctrl+0: the first zoom again, in the window the user gave it.
  Fit Reset(const Situation& now) const;
  // The normal window's client size at `level`: the user's size, grown where
  // the form needs more, and, where the chart stood beside the form in the
  // normal window and the screen has the room, where the chart's room needs
  // more.
  QSize NormalSize(const Situation& now, int level) const;

 private:
  // Whether the window holds the form at `level`, with the chart's room
  // where it stands beside it.
  bool Fits(const Situation& now, int level) const;
  bool OnScreen(const Situation& now, QSize client) const;

  Place clientArea_;
};

}  // namespace corvale
