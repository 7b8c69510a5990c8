#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace corvale {

class ResponseChart;
class TranscriptBox;

// Puts the chart where a class can read it: in the space the form leaves
// when the window is larger than the form, maximised on a projector say;
// otherwise in the transcript box, behind its switch. The form's controls
// keep their places either way.
class ChartPlacement {
 public:
  ChartPlacement(QWidget* window, TranscriptBox* box, ResponseChart* chart);

  // After the window's size or the zoom changed; `form` is the form's size
  // at the zoom's `scale`.
  void Place(QSize form, double scale);
  bool Beside() const { return beside_; }

  // The larger of the spaces to the right of the form (the window's whole
  // height) and below it (its whole width), within a margin; empty when
  // neither is large enough to read a chart in.
  static QRect Space(QSize window, QSize form, double scale);

 private:
  QWidget* window_;
  TranscriptBox* box_;
  ResponseChart* chart_;
  bool beside_ = false;
};

}  // namespace corvale
