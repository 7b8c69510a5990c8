#include "form1.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "announcer.h"
#include "chart_placement.h"
#include "failure_message.h"
#include "prose_number.h"
#include "queued_input.h"
#include "response_chart.h"
#include "response_text.h"
#include "step_info.h"
#include "transcript_box.h"
#include "transcript_model.h"
#include "transcript_view.h"
#include "widget_form_fields.h"
#include "zoom.h"

namespace corvale {
namespace {

// Shows the busy cursor for as long as a run works.
class BusyCursor {
 public:
  BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

constexpr int kWheelStep = 120;  // one notch of an ordinary wheel, in eighths of a degree
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

// What a control is and does, to the mouse and to a screen reader alike.
void SetExplanation(QWidget* widget, const QString& text) {
  widget->setToolTip(text);
  widget->setAccessibleDescription(text);
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

Form1::Form1(QWidget* parent) : QWidget(parent) {
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
  cwin = new TranscriptBox(&runs_, this);
  cwin->setObjectName(QLatin1String("cwin"));
  TranscriptView* const table = cwin->Table();
  table->setObjectName(QLatin1String("table"));
  Command1 = MakeButton(this, "Command1", QStringLiteral("Compute"));
  std::vector<std::pair<QWidget*, Place>> places = {{Command2, {1920, 4200, 972, 372}},
                                                    {cwin, {240, 240, 6372, 3252}},
                                                    {Command1, {600, 4200, 1092, 372}}};
  for (const BoxDescription& box : kBoxes) {
    QLineEdit* const edit = Make<QLineEdit>(this, box.name.data(), QString());
    boxes_[IndexOf(box.box)] = edit;
    QLabel* const label = MakeLabel(this, box.labelName.data(), QString::fromUtf8(box.label), edit);
    places.push_back({edit, box.place});
    places.push_back({label, box.labelPlace});
  }
  chart_ = new ResponseChart(&runs_, locale_, this);
  chart_->setObjectName(QLatin1String("chart"));
  announcer_ = new Announcer(this);
  zoom_ = std::make_unique<Zoom>(this, kClientArea, std::move(places),
                                 std::vector<QWidget*>{table, cwin->Switch()});
  placement_ = std::make_unique<ChartPlacement>(this, cwin, chart_);
  Arrange();
  // Ctrl with +, -, 0 or the wheel zooms wherever it is typed or turned in
  // the window.
  QCoreApplication::instance()->installEventFilter(this);
  BoxFor(Box::Kp)->setFocus();

  // In the window's locale, read once as it opened: the initial texts, every
  // run and every message use the same separator.
  fields_ = std::make_unique<WidgetFormFields>(boxes_, table->Model(), locale_);
  for (const BoxDescription& box : kBoxes) {
    BoxFor(box.box)->setText(QString::fromStdString(InitialText(box.box, fields_->Numbers())));
  }
  Explain(fields_->Numbers());

  // The chart marks the rows in view; a click or its cursor brings a step
  // into view in the table.
  connect(table, &TranscriptView::VisibleRowsChanged, chart_, &ResponseChart::SetVisibleRows);
  connect(chart_, &ResponseChart::RowRequested, table,
          [table](int row) { table->ShowRow(row, QAbstractItemView::PositionAtCenter); });
  // A Compute that got under way writes a new transcript: the run shown so
  // far ends there, and is kept reduced before the new one's rows take their
  // memory. One that could not start changes nothing, and keeps nothing.
  connect(table->Model(), &QAbstractItemModel::modelAboutToBeReset, this,
          [this] { runs_.Start(); });
  // The runs kept for comparison go when the user says so; the current one stays.
  connect(chart_, &ResponseChart::ForgetRequested, this, [this] {
    runs_.ForgetKept();
    chart_->update();
  });
  connect(Command1, &QPushButton::clicked, this, &Form1::OnCompute);
  connect(Command2, &QPushButton::clicked, this, &Form1::OnContinue);
}

Form1::~Form1() { QCoreApplication::instance()->removeEventFilter(this); }

void Form1::ZoomBy(int steps) {
  if (steps == 0) {
    zoom_->Reset();
  } else if ((isMaximized() || isFullScreen()) && placement_->Beside()) {
    // A maximised window keeps its size, and with it the chart beside the
    // form: no larger than leaves the chart its room there.
    zoom_->Step(steps, [this](QSize form, double scale) {
      return ChartPlacement::Space(size(), form, scale).isValid();
    });
  } else {
    zoom_->Step(steps);
  }
  Arrange();
}

void Form1::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (placement_) Arrange();
}

void Form1::Arrange() {
  chart_->SetZoom(zoom_->Scale());
  placement_->Place(zoom_->ClientSize(zoom_->Scale()), zoom_->Scale());
  // The controls' own order; in the box, the switch and then the page it
  // shows, as a tab widget has them; the chart beside the form after the
  // buttons.
  std::vector<QWidget*> order = {BoxFor(Box::Kp), BoxFor(Box::Ki),    BoxFor(Box::Kd),
                                 BoxFor(Box::SP), BoxFor(Box::Loops), cwin->Switch(),
                                 cwin->Table()};
  if (!placement_->Beside()) order.push_back(chart_);
  order.insert(order.end(), {Command1, Command2});
  if (placement_->Beside()) order.push_back(chart_);
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  const auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || widget->window() != this) return false;
  if (event->type() == QEvent::Wheel) {
    auto* wheel = static_cast<QWheelEvent*>(event);
    if (!(wheel->modifiers() & Qt::ControlModifier)) return false;
    // A touchpad turns in small amounts: they add up to whole steps.
    wheelAngle_ += wheel->angleDelta().y();
    const int steps = wheelAngle_ / kWheelStep;
    wheelAngle_ -= steps * kWheelStep;
    if (steps != 0) ZoomBy(steps);
    return true;
  }
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (!(key->modifiers() & Qt::ControlModifier)) return false;
  int steps = 0;
  switch (key->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:  // + without Shift on many keyboards
      steps = 1;
      break;
    case Qt::Key_Minus:
      steps = -1;
      break;
    case Qt::Key_0:  // as it opened
      break;
    default:
      return false;
  }
  // Claimed before any box can take it as a shortcut, acted on once.
  if (event->type() == QEvent::KeyPress) ZoomBy(steps);
  event->accept();
  return event->type() == QEvent::KeyPress;
}

void Form1::Explain(const NumberFormat& numbers) {
  // Examples in the format this window reads, separator and all, each quoted
  // so that a decimal comma cannot run them together.
  const QString point = QString::fromStdString(numbers.decimalSeparator);
  const QString example =
      tr("Type a number, for example “2”, “%1” or “1%2e3”.").arg("0" + point + "5", point + "5");
  transcriptExplanation_ =
      tr("One row per step. X: the plant's input, the controller's output from the step before, "
         "limited to 0–255.\nPV: the process value, half of X.  Error: SP \u2212 PV.  P, I, D: "
         "the controller's three terms.\nThe switch under the table shows the run as a chart; a "
         "larger window shows the chart beside the boxes.\nCtrl with the mouse wheel, + or "
         "\u2212 makes the window larger or smaller; Ctrl+0 restores its original size.");
  const std::pair<QWidget*, QString> explanations[] = {
      {BoxFor(Box::Kp), tr("Proportional gain: P = Kp \u00D7 Error. A larger Kp makes the loop "
                           "react more strongly, with more overshoot.\n") +
                            example},
      {BoxFor(Box::Ki),
       tr("Integral gain: I = Ki \u00D7 the sum of the errors. A larger Ki removes "
          "a steady-state error sooner, but makes the loop oscillate more.\n") +
           example},
      {BoxFor(Box::Kd), tr("Derivative gain: D = Kd \u00D7 the change in the error. A larger Kd "
                           "damps oscillations more, but makes the controller react more "
                           "strongly to sudden changes.\n") +
                            example},
      {BoxFor(Box::SP),
       tr("Set point: the value that PV, the process value, should reach.\n") + example},
      {BoxFor(Box::Loops),
       tr("How many steps one press of Compute or Continue adds: a whole number, at most "
          "%1.")
           .arg(ProseCount(kMaxStepsPerRun, locale_))},
      {cwin->Table(), transcriptExplanation_},
      {Command1, tr("Start afresh: clear the transcript and run Loops steps from step 1.")},
      {Command2,
       tr("Carry on from the last step for Loops more steps, with the gains and SP as they "
          "stand now.\nThe sum of the errors in I carries on; D starts afresh, so the first of "
          "these steps has D = Kd \u00D7 Error.")},
  };
  for (const auto& [widget, text] : explanations) {
    SetExplanation(widget, text);
  }
  cwin->Table()->setAccessibleName(tr("Transcript"));
}

RunOutcome Form1::PID() { return Run(corvale::PID); }

RunOutcome Form1::Run(RunOutcome (*command)(LoopState&, FormFields&)) {
  RunOutcome outcome;
  const std::uint64_t revision = runs_.Revision();
  {
    BusyCursor busy;
    outcome = command(state_, *fields_);
  }
  if (outcome.rowsAdded > 0) {
    // The current run's rows are the table's, or it has none: a step it
    // lacked would put every later one in the wrong place.
    const bool matches = runs_.Current().Size() + static_cast<std::size_t>(outcome.rowsAdded) ==
                         static_cast<std::size_t>(cwin->Table()->Model()->rowCount());
    if (!matches || !runs_.Append(std::move(outcome.samples), outcome.gains)) {
      runs_.ForgetCurrent();
    }
  }
  if (runs_.Revision() != revision) ShowResponse();
  DropQueuedInput();
  return outcome;
}

void Form1::OnCompute() {
  const RunOutcome outcome = Run(corvale::OnCompute);
  // A Compute that failed before step 2 left everything as it was.
  if (outcome.ok() || outcome.failure->step > 1) cwin->Table()->ShowRow(0);
  if (!outcome.ok()) ReportFailure(*outcome.failure);
}

void Form1::OnContinue() {
  const int firstNewRow = cwin->Table()->Model()->rowCount();
  const RunOutcome outcome = Run(corvale::OnContinue);
  if (outcome.rowsAdded > 0) cwin->Table()->ShowRow(firstNewRow);
  if (!outcome.ok()) ReportFailure(*outcome.failure);
}

void Form1::ShowResponse() {
  cwin->Table()->RefreshOverview();
  const std::optional<StepFigures> figures = MeasureStep(runs_.Current());
  const QString text = figures ? ResponseText(*figures, locale_) : QString();
  // In the chart and its tooltip, and spoken once: the focus stays where it is.
  chart_->Refresh(figures, text);
  chart_->setToolTip(text);
  if (figures) announcer_->Say(text);
}

void Form1::ReportFailure(const Failure& failure) {
  QMessageBox message(QMessageBox::Warning, windowTitle(), FailureMessage(failure, locale_),
                      QMessageBox::Ok, this);
  message.setTextFormat(Qt::PlainText);  // the user's text must never be read as markup
  message.exec();
  QLineEdit* const box = BoxFor(failure.box);
  box->setFocus();
  box->selectAll();
}

}  // namespace corvale
