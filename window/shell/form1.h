#pragma once

#include <QLocale>
#include <QWidget>
#include <array>
#include <memory>
#include <utility>
#include <vector>

#include "form/commands.h"
#include "form/sweep_command.h"
#include "labbook/lab_book.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace corvale {

class Announcer;
class LiveTuning;
class LoopPage;
class ResponseChart;
class RunComparisonView;
class SweepEntry;
class TranscriptBox;
class WidgetFormFields;
class WindowKeys;
class WindowLayout;

// The program's only window: five input boxes, the transcript box and the
// two commands, and the chart of the response where the window has room for
// it beside them. It owns the simulation's state, and the runs its table and
// chart show, for as long as it lives.
class Form1 : public QWidget {
  Q_OBJECT

 public:
  explicit Form1(QWidget* parent = nullptr);
  ~Form1() override;

  // A run that carries on from the current state, as Continue does, without
  // telling the user about a failure.
  RunOutcome PID();

  const LabBook& Book() const { return book_; }

  // Makes the whole window larger (steps > 0), smaller, or as it opened (0),
  // within bounds, as Ctrl with +, -, 0 or the wheel does: every control, its
  // text and its place, the chart and the window's own size.
  void ZoomBy(int steps);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // Runs a command with the busy cursor shown; what the user clicked or typed
  // meanwhile is dropped.
  RunOutcome Run(RunOutcome (*command)(LabBook&, const FormFields&));
  // Tooltips and accessible descriptions: what each control is and does.
  void Explain();
  // The table, the chart, the comparison and the runs kept in step.
  void Connect();
  void OnCompute();
  void OnContinue();
  // Asks what to sweep, `box` first chosen, and runs the sweep.
  void OnSweep(Box box);
  void ReportFailure(const Failure& failure);
  // Every view follows what changed in the lab book; a run's figures are
  // spoken once, unless `speak` is false (a live change says its own).
  void Follow(const BookChange& change, bool speak = true);
  // After the chart or the comparison moved: the tab order through
  // whatever is shown.
  void Arrange();
  QLineEdit* BoxFor(Box box) const { return boxes_[IndexOf(box)]; }

  QPushButton* Command1;
  QPushButton* Command2;
  TranscriptBox* cwin;
  LoopPage* loopPage_;
  std::array<QLineEdit*, kBoxCount> boxes_{};  // the form's five, then the options'
  ResponseChart* chart_;
  RunComparisonView* comparison_;
  Announcer* announcer_;
  LiveTuning* live_ = nullptr;            // Up, Down and the wheel in a box re-run at once
  std::unique_ptr<WindowLayout> layout_;  // the zoom, the window's size and the chart's place
  // Zoom, the commands' shortcuts, F1's explanations and Enter on a button.
  std::unique_ptr<WindowKeys> keys_;
  QString transcriptExplanation_;
  SweepEntry* sweepEntry_;
  SweepRequest lastSweep_;  // what the sweep's dialog holds when it opens again

  // Read once, as the window opens: the initial texts, every run, message
  // and figure use the same separators.
  const QLocale locale_;
  LabBook book_;
  std::unique_ptr<WidgetFormFields> fields_;
};

}  // namespace corvale
