#include "window/shell/form1.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "labbook/step_info.h"
#include "window/access/announcer.h"
#include "window/access/explanation.h"
#include "window/access/number_box.h"
#include "window/chart/response_chart.h"
#include "window/comparison/comparison_sorting.h"
#include "window/comparison/run_comparison_model.h"
#include "window/comparison/run_comparison_view.h"
#include "window/shell/live_tuning.h"
#include "window/shell/loop_page.h"
#include "window/shell/sweep_entry.h"
#include "window/shell/transcript_box.h"
#include "window/shell/widget_form_fields.h"
#include "window/shell/window_keys.h"
#include "window/shell/window_layout.h"
#include "window/shell/zoom.h"
#include "window/table/transcript_model.h"
#include "window/table/transcript_view.h"
#include "window/words/form_explanations.h"

namespace corvale {
namespace {

constexpr Place kClientArea{0, 0, 6816, 4644};

template <typename Widget>
Widget* Make(QWidget* parent, const char* name, const QString& text) {
  auto* widget = new Widget(text, parent);
  widget->setObjectName(QLatin1String(name));
  return widget;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = Make<QPushButton>(parent, name, caption);
  button->setAutoDefault(false);  // Enter in a box presses nothing
  return button;
}

// The window is a frame to a screen reader, as a main window is; a plain
// widget would be a filler.
QAccessibleInterface* AccessibleForm(const QString& className, QObject* object) {
  if (className != QLatin1String(Form1::staticMetaObject.className())) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, QWidget* buddy) {
  auto* label = Make<QLabel>(parent, name, caption);
  label->setBuddy(buddy);  // lets screen readers name the box by its label
  return label;
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent), book_(NumbersOf(locale_)) {
  static const bool frameForScreenReaders = [] {
    QAccessible::installFactory(AccessibleForm);
    return true;
  }();
  Q_UNUSED(frameForScreenReaders);
  setObjectName(QLatin1String("Form1"));
  // The caption, the buttons' and the labels' texts are the program's own
  // names and stay as they are in every language; the tooltips explain them.
  setWindowTitle(QStringLiteral("Corvale by Brennick"));

  Command2 = MakeButton(this, "Command2", QStringLiteral("Continue"));
  cwin = new TranscriptBox(&book_, this);
  cwin->setObjectName(QLatin1String("cwin"));
  TranscriptView* const table = cwin->Table();
  table->setObjectName(QLatin1String("table"));
  Command1 = MakeButton(this, "Command1", QStringLiteral("Compute"));
  std::vector<std::pair<QWidget*, Place>> places = {{Command2, {1920, 4200, 972, 372}},
                                                    {cwin, {240, 240, 6372, 3252}},
                                                    {Command1, {600, 4200, 1092, 372}}};
  for (const BoxDescription& box : kBoxes) {
    if (!box.OnForm()) continue;
    auto* const edit = new NumberBox(this);
    edit->setObjectName(QLatin1String(box.name.data()));
    boxes_[IndexOf(box.box)] = edit;
    QLabel* const label = MakeLabel(this, box.labelName.data(), QString::fromUtf8(box.label), edit);
    places.push_back({edit, box.place});
    places.push_back({label, box.labelPlace});
  }
  loopPage_ = new LoopPage(book_.Numbers(), cwin);
  for (const BoxDescription& box : kBoxes) {
    if (!box.OnForm()) boxes_[IndexOf(box.box)] = loopPage_->BoxFor(box.box);
  }
  cwin->SetLoopPage(loopPage_);
  chart_ = new ResponseChart(&book_, locale_, this);
  chart_->setObjectName(QLatin1String("chart"));
  announcer_ = new Announcer(this);
  comparison_ = new RunComparisonView(new RunComparisonModel(&book_, locale_), this);
  comparison_->setObjectName(QLatin1String("comparison"));
  layout_ =
      std::make_unique<WindowLayout>(this, kClientArea, std::move(places),
                                     std::vector<QWidget*>{table, cwin->Switch(), comparison_},
                                     cwin, chart_, [this] { Arrange(); });
  layout_->SetComparison(comparison_);
  keys_ = std::make_unique<WindowKeys>(
      this, std::vector<QPushButton*>{Command1, Command2}, [this](int steps) { ZoomBy(steps); },
      [this](const QString& text) { announcer_->Say(text); });
  BoxFor(Box::Kp)->setFocus();

  // In the window's locale, read once as it opened: the initial texts, every
  // run and every message use the same separator.
  fields_ =
      std::make_unique<WidgetFormFields>(boxes_, [page = loopPage_] { return page->Choices(); });
  for (const BoxDescription& box : kBoxes) {
    BoxFor(box.box)->setText(QString::fromStdString(InitialText(box.box, book_.Numbers())));
  }
  // The box that opens focused is ready to be typed over, as Tab leaves a box.
  BoxFor(Box::Kp)->selectAll();
  live_ = new LiveTuning({&book_, fields_.get(), boxes_, announcer_, locale_,
                          [this](const BookChange& change) { Follow(change, false); }},
                         this);
  Explain();
  Connect();
}

void Form1::Explain() {
  TranscriptView* const table = cwin->Table();
  const FormExplanations explained = ExplainForm(book_.Numbers(), locale_);
  for (const BoxDescription& box : kBoxes) {
    const Explanation& about = explained.boxes[IndexOf(box.box)];
    if (box.OnForm()) SetExplanation(BoxFor(box.box), about.full, about.brief);
  }
  SetExplanation(Command1, explained.compute.full, explained.compute.brief);
  SetExplanation(Command2, explained.carryOn.full, explained.carryOn.brief);
  transcriptExplanation_ = explained.transcript;
  table->setToolTip(transcriptExplanation_);
  table->setAccessibleName(tr("Transcript"));
  // Entering the table, a screen reader reads the current row, or when there
  // is none, the description: while the table is empty, that says what fills
  // it, not how to read the rows it has yet to show.
  const auto describe = [this, table] {
    table->setAccessibleDescription(
        table->Model()->rowCount() > 0
            ? transcriptExplanation_
            : tr("No rows yet: Compute fills the table, one row per step."));
  };
  connect(table->Model(), &QAbstractItemModel::modelReset, this, describe);
  connect(table->Model(), &QAbstractItemModel::rowsInserted, this, describe);
  describe();
}

void Form1::Connect() {
  TranscriptView* const table = cwin->Table();
  // The chart marks the rows in view; a click or its cursor brings a step
  // into view in the table.
  connect(table, &TranscriptView::VisibleRowsChanged, chart_, &ResponseChart::SetVisibleRows);
  connect(chart_, &ResponseChart::RowRequested, table,
          [table](int row) { table->ShowRow(row, QAbstractItemView::PositionAtCenter); });
  // The user's word is the only other thing that drops a kept run.
  connect(comparison_, &RunComparisonView::ForgetRequested, this,
          [this](const std::vector<RunId>& kept) { Follow(book_.ForgetKept(kept)); });
  const auto forgetAll = [this] { Follow(book_.ForgetKept()); };
  connect(comparison_, &RunComparisonView::ForgetAllRequested, this, forgetAll);
  connect(chart_, &ResponseChart::ForgetRequested, this, forgetAll);
  connect(loopPage_, &LoopPage::Changed, announcer_, &Announcer::Say);
  std::vector<std::pair<Box, QLineEdit*>> boxes;
  for (const BoxDescription& box : kBoxes) boxes.emplace_back(box.box, BoxFor(box.box));
  sweepEntry_ = new SweepEntry(
      this, std::move(boxes), [this](Box box) { OnSweep(box); }, announcer_);
  new ComparisonSorting(comparison_, [this](const QString& said) { announcer_->Say(said); });
  connect(chart_, &ResponseChart::SweepRequested, this, [this] { OnSweep(lastSweep_.box); });
  connect(Command1, &QPushButton::clicked, this, &Form1::OnCompute);
  connect(Command2, &QPushButton::clicked, this, &Form1::OnContinue);
}

Form1::~Form1() = default;

void Form1::ZoomBy(int steps) {
  const int before = layout_->Zoomed().Level();
  layout_->ZoomBy(steps);
  // Heard as well as seen: the level, and why it did not move.
  const int level = layout_->Zoomed().Level();
  const QString percent = locale_.toString(Zoom::kPercent[level]);
  if (level == before && steps > 0) {
    announcer_->Say(tr("Zoom %1\u00A0%, as large as it goes.").arg(percent));
  } else if (level == before && steps < 0) {
    announcer_->Say(tr("Zoom %1\u00A0%, as small as it goes.").arg(percent));
  } else {
    announcer_->Say(tr("Zoom %1\u00A0%.").arg(percent));
  }
}

void Form1::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (layout_) layout_->Resized();
}

void Form1::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (layout_ && event->type() == QEvent::WindowStateChange) {
    layout_->StateChanged(static_cast<QWindowStateChangeEvent*>(event)->oldState());
  }
}

void Form1::Arrange() {
  const ChartPlacement& placement = layout_->Placement();
  chart_->SetZoom(layout_->Zoomed().Scale());
  // The controls' own order; in the box, the switch and then the page it
  // shows, as a tab widget has them. Beside the form, after the buttons, the
  // chart and then the comparison: the switch's order, wherever they stand.
  std::vector<QWidget*> order = {BoxFor(Box::Kp), BoxFor(Box::Ki),    BoxFor(Box::Kd),
                                 BoxFor(Box::SP), BoxFor(Box::Loops), cwin->Switch(),
                                 cwin->Table()};
  // Only the page shown takes the focus: the others' controls are hidden.
  order.insert(order.end(), loopPage_->FocusOrder().begin(), loopPage_->FocusOrder().end());
  std::vector<QWidget*> beside;
  (placement.Beside() ? beside : order).push_back(chart_);
  if (QWidget* comparison = placement.Comparison()) {
    (placement.ComparisonBeside() ? beside : order).push_back(comparison);
  }
  order.insert(order.end(), {Command1, Command2});
  order.insert(order.end(), beside.begin(), beside.end());
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

}  // namespace corvale
