#pragma once

#include <QObject>
#include <QString>
#include <functional>

namespace corvale {

class RunComparisonView;

// The runs compared sorted by any column: a click on its header, or Enter
// on one of its cells (the column a screen reader names with Left and
// Right), sorts by it, shortest or smallest first; the same again sorts the
// other way. Each sort is said, with the run it puts first, and the current
// cell stays on its run.
class ComparisonSorting : public QObject {
 public:
  ComparisonSorting(RunComparisonView* view, std::function<void(const QString&)> say);

 private:
  RunComparisonView* view_;
  std::function<void(const QString&)> say_;
  bool quiet_ = false;  // while the header only follows the model
};

}  // namespace corvale
