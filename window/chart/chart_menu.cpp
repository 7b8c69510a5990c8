#include "window/chart/chart_menu.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <algorithm>

#include "window/chart/chart_copy.h"
#include "window/chart/chart_terms.h"
#include "window/chart/response_chart.h"
#include "window/words/contexts.h"
#include "window/words/sweep_key.h"

namespace corvale {

QMimeData* ChartImageData(const ResponseChart& chart) {
  return DrawingMimeData([&chart](QPainter& painter) { chart.Draw(painter, chart.size(), true); },
                         chart.size(), ChartWords::tr("Step response"), chart.FiguresText());
}

void CopyChart(const ResponseChart& chart) {
  QGuiApplication::clipboard()->setMimeData(ChartImageData(chart));
}

void CopyFigures(const ResponseChart& chart) {
  if (chart.FiguresText().isEmpty()) return;
  QGuiApplication::clipboard()->setText(chart.FiguresText());
}

QMenu* MakeChartMenu(ResponseChart* chart, bool runsKept, bool hasRows) {
  auto* menu = new QMenu(chart);
  QAction* copy =
      menu->addAction(ChartWords::tr("Copy chart") + u'\t' +
                      QKeySequence(QKeySequence::Copy).toString(QKeySequence::NativeText));
  copy->setObjectName(QLatin1String("copy-chart"));
  QObject::connect(copy, &QAction::triggered, chart, [chart] { CopyChart(*chart); });
  QAction* figures = menu->addAction(ChartWords::tr("Copy figures"));
  figures->setObjectName(QLatin1String("copy-figures"));
  figures->setEnabled(!chart->FiguresText().isEmpty());
  QObject::connect(figures, &QAction::triggered, chart, [chart] { CopyFigures(*chart); });
  menu->addSeparator();
  QAction* play = menu->addAction(ChartWords::tr("Play") + u'\t' + QStringLiteral("P"));
  play->setObjectName(QLatin1String("play"));
  play->setEnabled(hasRows);
  QObject::connect(play, &QAction::triggered, chart, &ResponseChart::Play);
  QAction* tones = menu->addAction(ChartWords::tr("Tone at each step"));
  tones->setObjectName(QLatin1String("step-tones"));
  tones->setCheckable(true);
  tones->setChecked(chart->StepTones());
  QObject::connect(tones, &QAction::toggled, chart, &ResponseChart::SetStepTones);
  QAction* rows = menu->addAction(ChartWords::tr("Mark the rows shown in the table"));
  rows->setObjectName(QLatin1String("visible-rows"));
  rows->setCheckable(true);
  rows->setChecked(chart->ShowsVisibleRows());
  QObject::connect(rows, &QAction::toggled, chart, &ResponseChart::ShowVisibleRows);
  QAction* axis = menu->addAction(ChartWords::tr("Value axis covers every run"));
  axis->setObjectName(QLatin1String("axis-all-runs"));
  axis->setCheckable(true);
  axis->setChecked(chart->ValueAxisCoversEveryRun());
  axis->setEnabled(runsKept);  // alone, the current run is covered whole either way
  QObject::connect(axis, &QAction::toggled, chart, &ResponseChart::SetValueAxisCoversEveryRun);
  QMenu* panels = menu->addMenu(ChartWords::tr("Draw in a panel of its own"));
  panels->setObjectName(QLatin1String("term-panels"));
  const char* const names[] = {"term-error", "term-p", "term-i", "term-d"};
  for (const Term term : {Term::Error, Term::P, Term::I, Term::D}) {
    QAction* action = panels->addAction(ChartTerms::Name(term));
    action->setObjectName(QLatin1String(names[static_cast<std::size_t>(term)]));
    action->setCheckable(true);
    const auto& shown = chart->TermPanels();
    action->setChecked(std::find(shown.begin(), shown.end(), term) != shown.end());
    QObject::connect(action, &QAction::toggled, chart,
                     [chart, term](bool on) { chart->ShowTermPanel(term, on); });
  }
  QAction* whole = menu->addAction(ChartWords::tr("Show the whole run") + u'\t' +
                                   QKeySequence(Qt::Key_0).toString(QKeySequence::NativeText));
  whole->setObjectName(QLatin1String("whole-run"));
  whole->setEnabled(!chart->Steps().Whole());
  QObject::connect(whole, &QAction::triggered, chart, &ResponseChart::ShowWholeRun);
  menu->addSeparator();
  QAction* sweep = menu->addAction(SweepCaption());
  sweep->setObjectName(QLatin1String("sweep"));
  QObject::connect(sweep, &QAction::triggered, chart, &ResponseChart::SweepRequested);
  QAction* forget = menu->addAction(ChartWords::tr("Forget earlier runs"));
  forget->setObjectName(QLatin1String("forget-runs"));
  forget->setEnabled(runsKept);
  QObject::connect(forget, &QAction::triggered, chart, &ResponseChart::ForgetRequested);
  return menu;
}

}  // namespace corvale
