#include "form1.h"

#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "failure_message.h"
#include "queued_input.h"
#include "transcript_model.h"
#include "transcript_view.h"
#include "twips.h"
#include "widget_form_fields.h"

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

template <typename Widget>
Widget* Make(QWidget* parent, const char* name, const QString& text, QRect geometry) {
  auto* widget = new Widget(text, parent);
  widget->setObjectName(QLatin1String(name));
  widget->setGeometry(geometry);
  return widget;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
  auto* button = Make<QPushButton>(parent, name, caption, geometry);
  button->setAutoDefault(false);  // Enter in a box presses nothing
  return button;
}

// The window is a frame to a screen reader, as a main window is; a plain
// widget would be a filler.
QAccessibleInterface* AccessibleForm(const QString& className, QObject* object) {
  if (className != QLatin1String(Form1::staticMetaObject.className())) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, QRect geometry,
                  QWidget* buddy) {
  auto* label = Make<QLabel>(parent, name, caption, geometry);
  label->setBuddy(buddy);  // lets screen readers name the box by its label
  // The layout was drawn for a narrower font: a caption that would be cut
  // off gets the room it needs, keeping its place.
  label->resize(label->size().expandedTo(label->sizeHint()));
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
  resize(TwipsSize(6816, 4644));

  Command2 =
      MakeButton(this, "Command2", QStringLiteral("Continue"), TwipsRect(1920, 4200, 972, 372));
  cwin = new TranscriptView(this);
  cwin->setObjectName(QLatin1String("cwin"));
  cwin->setGeometry(TwipsRect(240, 240, 6372, 3252));
  Command1 =
      MakeButton(this, "Command1", QStringLiteral("Compute"), TwipsRect(600, 4200, 1092, 372));
  for (const BoxDescription& box : kBoxes) {
    QLineEdit* const edit = Make<QLineEdit>(this, box.name.data(), QString(), TwipsRect(box.place));
    boxes_[IndexOf(box.box)] = edit;
    MakeLabel(this, box.labelName.data(), QString::fromUtf8(box.label.data(), box.label.size()),
              TwipsRect(box.labelPlace), edit);
  }

  QWidget* const tabOrder[] = {
      BoxFor(Box::Kp), BoxFor(Box::Ki), BoxFor(Box::Kd), BoxFor(Box::SP), BoxFor(Box::Loops), cwin,
      Command1,        Command2};
  for (std::size_t i = 1; i < std::size(tabOrder); ++i) {
    setTabOrder(tabOrder[i - 1], tabOrder[i]);
  }
  BoxFor(Box::Kp)->setFocus();

  // The locale is read here, once: the initial texts, every run and every
  // message use the same separator.
  fields_ = std::make_unique<WidgetFormFields>(boxes_, cwin->Model());
  for (const BoxDescription& box : kBoxes) {
    BoxFor(box.box)->setText(QString::fromStdString(InitialText(box.box, fields_->Numbers())));
  }
  Explain(fields_->Numbers());

  connect(Command1, &QPushButton::clicked, this, &Form1::OnCompute);
  connect(Command2, &QPushButton::clicked, this, &Form1::OnContinue);
}

Form1::~Form1() = default;

void Form1::Explain(const NumberFormat& numbers) {
  // An example in the format this window reads, separator and all.
  const QString point = QString::fromStdString(numbers.decimalSeparator);
  const QString example =
      tr("Type a number, for example 2, %1 or 1%2e3.").arg(point + "5", point + "5");
  const std::pair<QWidget*, QString> explanations[] = {
      {BoxFor(Box::Kp), tr("Proportional gain: P = Kp \u00D7 Error. More of it answers harder, and "
                           "overshoots more.\n") +
                            example},
      {BoxFor(Box::Ki),
       tr("Integral gain: I = Ki \u00D7 the sum of the errors. More of it removes an "
          "offset sooner, and swings more.\n") +
           example},
      {BoxFor(Box::Kd),
       tr("Derivative gain: D = Kd \u00D7 the error's change. More of it damps swings, and "
          "answers jumps harder.\n") +
           example},
      {BoxFor(Box::SP),
       tr("Set point: the value the loop drives PV, the process value, towards.\n") + example},
      {BoxFor(Box::Loops),
       tr("How many steps one press of Compute or Continue adds: a whole number, at most "
          "%1.")
           .arg(QString::number(kMaxStepsPerRun))},
      {cwin, tr("One row per step. X: the plant's input, the controller's output of the step "
                "before, limited to 0..255.\nPV: the process value, half of X.  Error: SP \u2212 "
                "PV.  P, I, D: the controller's three terms.\nCtrl with the wheel, +, \u2212 or "
                "0 makes the text larger, smaller or as it was.")},
      {Command1, tr("Start afresh: clear the transcript and run Loops steps from step 1.")},
      {Command2,
       tr("Carry on from the last step for Loops more steps, with the gains as they stand "
          "now.\nIts first D is Kd \u00D7 Error: no error is remembered from the run "
          "before.")},
  };
  for (const auto& [widget, text] : explanations) {
    widget->setToolTip(text);
    widget->setAccessibleDescription(text);  // a screen reader reads what the mouse shows
  }
  cwin->setAccessibleName(tr("Transcript"));
}

RunOutcome Form1::PID() { return Run(corvale::PID); }

RunOutcome Form1::Run(RunOutcome (*command)(LoopState&, FormFields&)) {
  RunOutcome outcome;
  {
    BusyCursor busy;
    outcome = command(state_, *fields_);
  }
  DropQueuedInput();
  return outcome;
}

void Form1::OnCompute() {
  const RunOutcome outcome = Run(corvale::OnCompute);
  // A Compute that failed before step 2 left everything as it was.
  if (outcome.ok() || outcome.failure->step > 1) cwin->ShowRow(0);
  if (!outcome.ok()) ReportFailure(*outcome.failure);
}

void Form1::OnContinue() {
  const int firstNewRow = cwin->Model()->rowCount();
  const RunOutcome outcome = Run(corvale::OnContinue);
  if (outcome.rowsAdded > 0) cwin->ShowRow(firstNewRow);
  if (!outcome.ok()) ReportFailure(*outcome.failure);
}

void Form1::ReportFailure(const Failure& failure) {
  QMessageBox message(QMessageBox::Warning, windowTitle(),
                      FailureMessage(failure, fields_->Numbers()), QMessageBox::Ok, this);
  message.setTextFormat(Qt::PlainText);  // the user's text must never be read as markup
  message.exec();
  QLineEdit* const box = BoxFor(failure.box);
  box->setFocus();
  box->selectAll();
}

}  // namespace corvale
