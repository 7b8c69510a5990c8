// The response chart fed runs as the window feeds it, in plain colours.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QLocale>
#include <QString>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "labbook/step_info.h"
#include "tests/support/command_runs.h"
#include "window/chart/chart_report.h"
#include "window/chart/response_chart.h"
#include "window/words/response_text.h"

namespace corvale {

// Where the axes put a step and a value, read off the tick labels drawn.
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

// The first text of a part, of a wording if given.
inline const ChartReport::Text* Find(const ChartReport& report, ChartReport::Part part,
                                     const QString& text = {}) {
  for (const ChartReport::Text& t : report.texts)
    if (t.part == part && (text.isEmpty() || t.text == text)) return &t;
  return nullptr;
}
// The wordings of a part, in the order drawn.
inline std::vector<QString> Texts(const ChartReport& report, ChartReport::Part part) {
  std::vector<QString> texts;
  for (const ChartReport::Text& text : report.texts)
    if (text.part == part) texts.push_back(text.text);
  return texts;
}
inline const ChartReport::Mark* MarkNamed(const ChartReport& report, const QString& name) {
  for (const ChartReport::Mark& mark : report.marks)
    if (mark.name == name) return &mark;
  return nullptr;
}

class ChartFixture : public testing::Test, protected Session {
 protected:
  void SetUp() override {
    QPalette palette = chart.palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::WindowText, QColor(200, 0, 0));  // SP
    palette.setColor(QPalette::Highlight, QColor(0, 0, 255));   // PV
    chart.setPalette(palette);
  }
  // "Kp Ki Kd SP Loops" for a Compute, then for each Continue; no figures.
  void Simulate(const std::vector<std::string>& runs) {
    for (const std::string& run : runs) Press((&run == &runs.front() ? "C " : "+ ") + run);
    Show({});
  }
  // The chart told what changed since it was last told, as the window tells it.
  void Show(const QString& figuresText) {
    chart.Follow(changes, figuresText);
    changes = {};
  }
  // Afresh, each of the runs Simulated, with the figures if measured, drawn at a size: what the
  // chart reports.
  ChartReport Afresh(const std::vector<std::vector<std::string>>& runs, QSize size = {800, 600},
                     bool measured = false) {
    Forget();
    for (const std::vector<std::string>& run : runs) Simulate(run);
    if (measured) Measure();
    Render(size.width(), size.height());
    return chart.Report();
  }
  void Measure() {
    const std::optional<StepFigures>& figures = history.CurrentFigures();
    Show(figures ? ResponseText(*figures, chart.locale()) : QString());
  }
  // PV at 0, then 2, then 8, a third of 99 rows each; SP 4; X flat.
  void Levels() {
    std::vector<ResponseSample> samples;
    for (int r = 0; r < 99; ++r) samples.push_back({10.48484, r < 33 ? 0.0 : r < 66 ? 2.0 : 8.0});
    Made(samples, Gains{1, 0, 0, 4});
    Show({});
  }
  void Forget() {
    history = LabBook();
    changes = BookChange::Afresh();
  }
  void Render(int width = 420, int height = 190) {
    chart.resize(width, height);
    image = chart.grab().toImage().convertToFormat(QImage::Format_RGB32);
  }
  // The rows, below the legend, where a colour passes in some of the dozen
  // columns from a fraction of the width on (a dash's gap is shorter).
  template <typename Test>
  std::vector<int> Rows(double at, Test test) const {
    std::vector<int> rows;
    for (int y = image.height() / 8; y < image.height(); ++y)
      for (int x = int(at * image.width()); x < int(at * image.width()) + 12; ++x)
        if (test(image.pixelColor(x, y))) {
          rows.push_back(y);
          break;
        }
    return rows;
  }
  static bool Pv(QColor c) { return c.blue() > 200 && c.red() < 60 && c.green() < 60; }
  static bool Sp(QColor c) { return c.red() > 150 && c.green() < 80 && c.blue() < 80; }
  // X's blue-black, a line thinner than a pixel pair antialiased on white too.
  static bool X(QColor c) { return c.blue() < 200 && c.blue() > c.red() + 50 && c.red() < 100; }
  static double Middle(const std::vector<int>& rows) {
    return rows.empty() ? -1 : (rows.front() + rows.back()) / 2.0;
  }

  ResponseChart chart{&history, QLocale(QLocale::English, QLocale::UnitedStates)};
  QImage image;
};

}  // namespace corvale
