#include "window/shell/window_fit.h"

#include <algorithm>

#include "window/shell/chart_placement.h"
#include "window/shell/twips.h"
#include "window/shell/zoom.h"

namespace corvale {

QSize WindowFit::Form(int level) const {
  return TwipsRect(clientArea_, Zoom::ScaleAt(level)).size();
}

Fit WindowFit::Step(const Situation& now, int steps) const {
  int level = std::clamp(now.level + steps, 0, Zoom::kLevels - 1);
  // Never smaller than asked: a screen smaller than the window already is
  // stops the zoom where it stands.
  while (level > now.level && !Fits(now, level)) --level;
  return {level, NormalSize(now, level)};
}

Fit WindowFit::Reset(const Situation& now) const {
  return {Zoom::kDefaultLevel, NormalSize(now, Zoom::kDefaultLevel)};
}

bool WindowFit::OnScreen(const Situation& now, QSize client) const {
  if (now.available.isEmpty()) return true;
  const QSize whole = client + now.frame;
  return whole.width() <= now.available.width() && whole.height() <= now.available.height();
}

bool WindowFit::Fits(const Situation& now, int level) const {
  const QSize form = Form(level);
  const double scale = Zoom::ScaleAt(level);
  // A maximised window whose chart has no room beside the form shows it
  // in the box, which fills the window.
  if (now.kept) return form.width() <= now.window.width() && form.height() <= now.window.height();
  if (!now.chartBeside) return OnScreen(now, form);
  return OnScreen(now, ChartPlacement::LeastWindow(form, scale, true)) ||
         OnScreen(now, ChartPlacement::LeastWindow(form, scale, false));
}

QSize WindowFit::NormalSize(const Situation& now, int level) const {
  const QSize form = Form(level);
  QSize size = now.user.expandedTo(form);
  if (!now.normalChartBeside) return size;
  const auto area = [](QSize s) { return qint64(s.width()) * s.height(); };
  bool found = false;
  for (const bool right : {true, false}) {
    const QSize least = ChartPlacement::LeastWindow(form, Zoom::ScaleAt(level), right);
    const QSize grown = now.user.expandedTo(least);
    // The smaller growth wins, right of the form where they are equal.
    if (OnScreen(now, least) && (!found || area(grown) < area(size))) {
      size = grown;
      found = true;
    }
  }
  return size;
}

}  // namespace corvale
