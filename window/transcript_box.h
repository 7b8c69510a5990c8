#pragma once

#include <QWidget>

class QStackedLayout;
class QTabBar;

namespace corvale {

class ResponseChart;
class RunHistory;
class TranscriptView;

// The output box: the transcript's table and, where the window has no room
// for the chart beside the form, the chart in the table's place, with a
// switch between the two under them. The table keeps its scroll position and
// its selection while the chart is shown.
class TranscriptBox : public QWidget {
  Q_OBJECT

 public:
  // The table shows the current run of `runs`, which must outlive the box.
  explicit TranscriptBox(const RunHistory* runs, QWidget* parent = nullptr);

  TranscriptView* Table() const { return table_; }
  QTabBar* Switch() const { return switch_; }
  // The chart joins the box behind the switch; with none, the box shows the
  // table alone and the switch goes.
  void SetChart(ResponseChart* chart);
  ResponseChart* Chart() const { return chart_; }
  bool ShowsChart() const;
  void ShowChart(bool shown);

 private:
  TranscriptView* table_;
  QStackedLayout* pages_;
  QTabBar* switch_;
  ResponseChart* chart_ = nullptr;
};

}  // namespace corvale
