#pragma once

#include <QObject>
#include <QSize>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "form/box.h"
#include "window/shell/chart_placement.h"
#include "window/shell/window_fit.h"
#include "window/shell/zoom.h"

class QWidget;

namespace corvale {

class ResponseChart;
class TranscriptBox;

// The one place that decides the zoom, the window's size and where the chart
// and the comparison of the runs stand, from the screen, the window's state
// (normal, maximised, full screen) and the size the user gave it. The
// decisions are WindowFit's; this applies them, and keeps track of the size
// the user gave the window: a window the user enlarged keeps what they gave
// it through every zoom, and one they left alone follows the form.
class WindowLayout : public QObject {
 public:
  // `arranged` runs after the chart or the comparison moved, or the zoom
  // changed, from the first change after this on.
  WindowLayout(QWidget* window, Place clientArea, std::vector<std::pair<QWidget*, Place>> places,
               std::vector<QWidget*> parts, TranscriptBox* box, ResponseChart* chart,
               std::function<void()> arranged);

  const Zoom& Zoomed() const { return zoom_; }
  const ChartPlacement& Placement() const { return placement_; }
  // The runs compared, placed beside the form or behind the box's switch.
  void SetComparison(QWidget* comparison);

  // Larger by `steps`, smaller when below 0, as it opened when 0.
  void ZoomBy(int steps);
  // After the window's size changed, by the user, the window manager or a zoom.
  void Resized();
  // After the window's state changed from `old`.
  void StateChanged(Qt::WindowStates old);

 private:
  bool Kept() const;
  Situation Now() const;
  void Apply(const Fit& fit);
  // Resizes the window to `size` as the zoom's own doing.
  void ResizeTo(QSize size);
  // What the user changed of the size the zoom gave the window, once a
  // resize was seen.
  void NoteUserSize();
  // A window that came back from maximised or full screen takes the size
  // the zoom gave it meanwhile.
  void FinishRestore();
  void KeepOnScreen();
  // The chart and the comparison where the window has room for them.
  void Rearrange();

  QWidget* window_;
  Zoom zoom_;
  WindowFit fit_;
  ChartPlacement placement_;
  QWidget* box_;
  std::function<void()> arranged_;
  QSize user_{0, 0};  // the size the user gave the window, 0 where they left it to the form
  QSize expected_;    // the normal window's size as the zoom last made or saw it
  QSize keptSize_;    // the maximised or full-screen window's size
  bool resizing_ = false;
  bool restoring_ = false;
  bool notePending_ = false;
};

}  // namespace corvale
