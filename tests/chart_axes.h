// Where the chart's axes put a step and a value, read off the labels it
// drew, as a reader of the chart reads them: each interior tick label is
// centred on its tick.
#pragma once

#include <QLocale>
#include <optional>
#include <utility>
#include <vector>

#include "chart_report.h"

namespace corvale {

class AxesReading {
 public:
  explicit AxesReading(const ChartReport& report) {
    for (const ChartReport::Text& text : report.texts) {
      if (text.part != ChartReport::Part::kAxis) continue;
      bool ok = false;
      const double value =
          QLocale(QLocale::English, QLocale::UnitedStates).toDouble(text.text, &ok);
      if (!ok) continue;
      const QPointF centre = text.rect.center();
      if (text.rect.top() >= report.bottom.bottom()) {
        steps_.push_back({value, centre.x()});
      } else if (text.rect.right() <= report.top.left() && text.rect.top() > report.top.top() + 1 &&
                 text.rect.bottom() < report.top.bottom() - 1) {
        values_.push_back({value, centre.y()});  // clear of the panel's ends
      }
    }
  }
  bool CanRead() const { return steps_.size() >= 2 && values_.size() >= 2; }
  double StepX(double step) const { return Along(steps_, step); }
  double ValueY(double value) const { return Along(values_, value); }

 private:
  static double Along(const std::vector<std::pair<double, double>>& labels, double at) {
    const auto& [v0, p0] = labels.front();
    const auto& [v1, p1] = labels.back();
    return p0 + (at - v0) * (p1 - p0) / (v1 - v0);
  }
  std::vector<std::pair<double, double>> steps_, values_;  // label's value, its pixel
};

}  // namespace corvale
