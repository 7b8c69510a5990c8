#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace corvale {

class ResponseChart;
class TranscriptBox;

// Puts the chart, and the comparison of the runs, where a class can read
// them: in the space the form leaves when the window is larger than the
// form, maximised on a projector say; otherwise in the transcript box,
// behind its switch. Beside the form the chart takes the larger space, right
// of the form or below it, and the comparison the space the chart leaves next
// to the form: under it when the chart stands to its right, right of it when
// the chart stands below. The form's controls keep their places either way.
// A maximised or full-screen window, the screen's whole room, whose chart
// beside the form would have less than half of it, zoomed on a projector
// say, does better to show one page at a time as large as it can: the box
// fills the window, the chart and the comparison behind its switch.
class ChartPlacement {
 public:
  ChartPlacement(QWidget* window, TranscriptBox* box, ResponseChart* chart);

  // The runs compared; none at first.
  void SetComparison(QWidget* comparison);
  QWidget* Comparison() const { return comparison_; }

  // After the window's size or the zoom changed; `form` is the form's size
  // at the zoom's `scale`; `kept`, the window is maximised or full screen.
  void Place(QSize form, double scale, bool kept);
  bool Beside() const { return beside_; }
  bool ComparisonBeside() const { return comparisonBeside_; }
  // The box fills the window: how much larger than the form's it is; empty
  // where it keeps the form's size.
  QSize BoxGrowth() const { return growth_; }

  // The larger of the spaces to the right of the form (the window's whole
  // height) and below it (its whole width), within a margin, of those large
  // enough to read a chart in; empty when neither is.
  static QRect Space(QSize window, QSize form, double scale);
  // Whether a maximised or full-screen window lets the box fill it.
  static bool Fills(QSize window, QSize form, double scale);
  // The least window whose space to the right of the form (or below it) is
  // large enough for the chart.
  static QSize LeastWindow(QSize form, double scale, bool right);
  // The space the chart at `chart` leaves next to the form, in the transcript
  // box's `column` when under the form; empty when too small for a table of
  // a few runs.
  static QRect ComparisonSpace(QSize window, QSize form, QRect chart, QRect column, double scale);

 private:
  // Moves `page` between the box and the window; keeps its focus.
  void Move(QWidget* page, bool beside, bool& wasBeside);

  QWidget* window_;
  TranscriptBox* box_;
  ResponseChart* chart_;
  QWidget* comparison_ = nullptr;
  bool beside_ = false;
  bool comparisonBeside_ = false;
  QSize growth_{0, 0};
};

}  // namespace corvale
