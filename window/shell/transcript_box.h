#pragma once

#include <QWidget>
#include <vector>

class QStackedLayout;
class QTabBar;

namespace corvale {

class ResponseChart;
class LabBook;
class TranscriptView;

// The output box: the transcript's table and, where the window has no room
// for them beside the form, the chart and the comparison of the runs in the
// table's place, with a switch between them under them. The table keeps its
// scroll position and its selection while another page is shown.
class TranscriptBox : public QWidget {
  Q_OBJECT

 public:
  // The table shows the current run of `runs`, which must outlive the box.
  explicit TranscriptBox(const LabBook* runs, QWidget* parent = nullptr);

  TranscriptView* Table() const { return table_; }
  QTabBar* Switch() const { return switch_; }
  // The chart joins the box behind the switch, after the table; with none,
  // and no comparison either, the box shows the table alone and the switch goes.
  void SetChart(ResponseChart* chart);
  ResponseChart* Chart() const { return chart_; }
  // The comparison of the runs joins the box as the switch's last page.
  void SetComparison(QWidget* comparison);
  QWidget* Comparison() const { return comparison_; }
  // The plant and the loop's options: always in the box, the switch's last
  // page.
  void SetLoopPage(QWidget* page);
  QWidget* LoopPage() const { return loopPage_; }
  // The page the switch shows, the table at first.
  QWidget* CurrentPage() const;
  // Shows `page` where the box holds it.
  void ShowPage(QWidget* page);
  bool ShowsChart() const;
  void ShowChart(bool shown);

 private:
  // The switch's tabs for the pages the box holds, in their order.
  void Rebuild();

  TranscriptView* table_;
  QStackedLayout* pages_;
  QTabBar* switch_;
  ResponseChart* chart_ = nullptr;
  QWidget* comparison_ = nullptr;
  QWidget* loopPage_ = nullptr;
  std::vector<QWidget*> tabs_;  // the page of each of the switch's tabs
  QWidget* chosen_ = nullptr;   // the page last chosen with the switch
};

}  // namespace corvale
