// Form1's commands: Compute, Continue and a sweep run on the lab book, and
// every view follows what they changed.
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "window/access/announcer.h"
#include "window/chart/response_chart.h"
#include "window/comparison/comparison_sentence.h"
#include "window/comparison/run_comparison_view.h"
#include "window/shell/form1.h"
#include "window/shell/live_tuning.h"
#include "window/shell/loop_page.h"
#include "window/shell/queued_input.h"
#include "window/shell/sweep_dialog.h"
#include "window/shell/sweep_message.h"
#include "window/shell/transcript_box.h"
#include "window/shell/widget_form_fields.h"
#include "window/table/transcript_model.h"
#include "window/table/transcript_view.h"
#include "window/words/failure_message.h"
#include "window/words/response_text.h"

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

}  // namespace

RunOutcome Form1::PID() { return Run(corvale::PID); }

RunOutcome Form1::Run(RunOutcome (*command)(LabBook&, const FormFields&)) {
  RunOutcome outcome;
  {
    BusyCursor busy;
    outcome = command(book_, *fields_);
  }
  live_->Ran(outcome);
  Follow(outcome.change);
  DropQueuedInput();
  return outcome;
}

void Form1::OnCompute() {
  const RunOutcome outcome = Run(corvale::OnCompute);
  if (outcome.change.newRun) cwin->Table()->ShowRow(0);
  if (outcome.ok() && outcome.RowsAdded() == 0) {
    announcer_->Say(tr("No steps run: the table is empty."));
  }
  if (!outcome.ok()) ReportFailure(*outcome.failure);
}

void Form1::OnContinue() {
  const RunOutcome outcome = Run(corvale::OnContinue);
  if (outcome.RowsAdded() > 0) cwin->Table()->ShowRow(static_cast<int>(outcome.change.firstRow));
  if (outcome.ok() && outcome.RowsAdded() == 0) announcer_->Say(tr("No steps run."));
  if (!outcome.ok()) ReportFailure(*outcome.failure);
}

void Form1::OnSweep(Box box) {
  SweepRequest initial = lastSweep_;
  if (box != initial.box || initial.from.empty()) {
    initial = {box, BoxFor(box)->text().toStdString(), std::string(), lastSweep_.runs};
  }
  SweepDialog dialog(book_, *fields_, locale_, initial, this);
  if (dialog.exec() != QDialog::Accepted) return;
  lastSweep_ = dialog.Request();
  SweepOutcome outcome;
  {
    BusyCursor busy;
    outcome = corvale::OnSweep(book_, *fields_, lastSweep_);
  }
  if (outcome.change.newRun) live_->Forget();  // a sweep's runs are not a recipe's
  Follow(outcome.change, false);
  DropQueuedInput();
  if (outcome.change.newRun) cwin->Table()->ShowRow(0);
  if (outcome.failure) return ReportFailure(*outcome.failure);
  if (outcome.input) return;  // the dialog checked them: only a box changed meanwhile
  announcer_->Say(SweepSentence(lastSweep_, outcome.runs, book_.Numbers(), locale_));
}

void Form1::Follow(const BookChange& change, bool speak) {
  if (!change.Any()) return;
  cwin->Table()->Model()->Follow(change);
  cwin->Table()->RefreshOverview();
  comparison_->Refresh();
  const bool rowsChanged = change.newRun || change.rowsAdded > 0;
  const std::optional<StepFigures>& figures = book_.CurrentFigures();
  const QString text = figures ? ResponseText(*figures, locale_) : QString();
  // A new run is heard against the one before it, as the class compares them.
  const KeptRun* before = change.newRun ? book_.LastKept() : nullptr;
  const QString against = figures && before && before->summary.figures
                              ? AgainstBefore(book_.CurrentGains(), *figures, before->summary.gains,
                                              *before->summary.figures, locale_)
                              : QString();
  chart_->Follow(change, text, rowsChanged ? against : chart_->AgainstBefore());
  chart_->setToolTip(text);
  // Spoken once, the focus staying where it is.
  if (speak && rowsChanged && figures)
    announcer_->Say(against.isEmpty() ? text : text + u'\n' + against);
}

void Form1::ReportFailure(const Failure& failure) {
  QMessageBox message(QMessageBox::Warning, windowTitle(), FailureMessage(failure, locale_),
                      QMessageBox::Ok, this);
  message.setTextFormat(Qt::PlainText);  // the user's text must never be read as markup
  // The shown text keeps its isolate; the reader is given the words alone.
  if (auto* const label = message.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
    label->setAccessibleName(SpokenFailureMessage(failure, locale_));
  }
  message.exec();
  QLineEdit* const box = BoxFor(failure.box);
  if (!Describe(failure.box).OnForm()) cwin->ShowPage(loopPage_);
  box->setFocus();
  box->selectAll();
}

}  // namespace corvale
