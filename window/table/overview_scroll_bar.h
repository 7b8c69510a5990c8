#pragma once

#include <QScrollBar>
#include <cstdint>
#include <vector>

#include "labbook/response_trace.h"

namespace corvale {

class LabBook;

// The table's vertical scroll bar, which shows the whole transcript (the
// current run) squeezed into its height: in each pixel row, the smallest to
// the largest PV of the rows that pixel stands for, with the rows in view
// outlined. A click beside the handle scrolls there.
class OverviewScrollBar : public QScrollBar {
  Q_OBJECT

 public:
  OverviewScrollBar(const LabBook* runs, QWidget* parent = nullptr);

  // The runs changed: the overview is drawn anew.
  void Refresh();
  // The first row that a point in the bar stands for.
  int RowAt(int y) const;
  // Where the rows are shown, between the arrows.
  QRect Groove() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  int Rows() const;

  const ResponseTrace& Trace() const;

  const LabBook* runs_;
  std::vector<ValueRange> pixels_;    // PV's range in each pixel row, made when drawn
  std::uint64_t pixelsRevision_ = 0;  // the runs' revision they were made for
};

}  // namespace corvale
