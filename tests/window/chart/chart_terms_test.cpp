#include "window/chart/chart_terms.h"

#include <QMenu>
#include <algorithm>
#include <memory>

#include "tests/window/chart/chart_fixture.h"

namespace corvale {
namespace {

using ChartTermPanels = ChartFixture;

// Kp, Ki and Kd .5, SP 5: PV 0, then 3.75 at step 2, so that the error is 5
// then 1.25, the sum 5 then 6.25, and by hand P 2.5 then .625, I 2.5 then
// 3.125, D 2.5 then -1.875. Kept behind it, Kp 1 alone: PV 0 then 2.5, P 5
// then 2.5.
TEST_F(ChartTermPanels, EachTermIsDrawnInItsOwnPanelForTheCurrentAndTheKeptRuns) {
  chart.ShowTermPanel(Term::D, true);
  chart.ShowTermPanel(Term::P, true);
  const ChartReport report = Afresh({{"1 0 0 5 20"}, {".5 .5 .5 5 20"}});
  ASSERT_EQ(report.terms.size(), 2u);
  EXPECT_EQ(report.terms[0].term, Term::P);  // in the terms' order, whatever the clicks'
  EXPECT_GT(report.terms[0].rect.top(), report.bottom.bottom());
  EXPECT_GT(report.terms[1].rect.top(), report.terms[0].rect.bottom());
  const struct {
    QString path;
    Term term;
    double step1, step2;
  } cases[] = {{"P", Term::P, 2.5, 0.625},
               {"D", Term::D, 2.5, -1.875},
               {"kept 0 P", Term::P, 5, 2.5},
               {"kept 0 D", Term::D, 0, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    const ChartReport::Path* path = report.PathNamed(c.path);
    const auto panel = std::ranges::find(report.terms, c.term, &TermPanel::term);
    ASSERT_TRUE(path && panel != report.terms.end());
    ASSERT_EQ(path->points.size(), 20);
    EXPECT_DOUBLE_EQ(path->points[0].x(), report.steps.ToPixel(1));
    EXPECT_DOUBLE_EQ(path->points[0].y(), panel->values.ToPixel(c.step1));
    EXPECT_DOUBLE_EQ(path->points[1].y(), panel->values.ToPixel(c.step2));
    for (const QPointF& point : path->points) EXPECT_TRUE(panel->rect.contains(point));
  }
  // Hidden again from the menu, where each is checked, the panels give their room back to PV
  // and X.
  for (const char* name : {"term-p", "term-d"}) {
    const std::unique_ptr<QMenu> menu(chart.CreateContextMenu());
    QAction* shown = menu->findChild<QAction*>(name);
    ASSERT_TRUE(shown && shown->isChecked()) << name;
    shown->trigger();
  }
  const ChartReport without = chart.Report();
  EXPECT_TRUE(without.terms.empty());
  EXPECT_EQ(without.PathNamed("P"), nullptr);
  EXPECT_GT(without.top.height(), report.top.height());
}

}  // namespace
}  // namespace corvale
