#pragma once

#include <QLocale>
#include <QObject>
#include <QString>
#include <QTimer>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "form/box.h"
#include "form/commands.h"
#include "form/recipe.h"

class QLineEdit;

namespace corvale {

class Announcer;

// A box turned like a knob. Up, Down, Page Up, Page Down or the wheel in a
// box steps the digit before its caret (StepDigit), the box speaks its new
// value at once, and the current run is made again with it (Recipe): its
// Compute and each Continue with their own texts, the new one in the last.
// The run before the first change of a series stays among the kept runs, the
// ghost the changes are seen and heard against; the runs between replace
// each other. A series lasts while the changes are in one box and nothing
// else runs: a Compute, a Continue, typing in a box or a change in another
// box ends it. 400 ms after the last change's run, one sentence tells what
// it changed in the figures against the ghost. Ctrl+Z and Ctrl+Shift+Z in the
// box undo and redo the series' changes, each with its run. Keys that come
// while a run works only change the text: the latest value alone runs next.
class LiveTuning : public QObject {
  Q_OBJECT

 public:
  struct Window {
    LabBook* book = nullptr;
    const FormFields* fields = nullptr;  // the boxes as the commands read them
    std::array<QLineEdit*, kBoxCount> boxes{};
    Announcer* announcer = nullptr;
    QLocale locale;
    std::function<void(const BookChange&)> follow;  // every view, the figures unspoken
  };

  LiveTuning(Window window, QObject* parent);

  // After a command the user ran: what made the run is recorded, and a
  // series of changes ends.
  void Ran(const RunOutcome& outcome);
  // After runs no recipe makes again, as a sweep's: until the next Compute a
  // change in a box changes its text alone.
  void Forget();
  // Whether a change still waits for its run.
  bool Pending() const { return pending_.has_value(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Change {
    Box box;
    QString before, after;
    int caretBefore = 0, caretAfter = 0;
  };

  void EndSeries();
  void Step(Box box, int units);
  void Apply(Box box, const QString& text, int caret);
  void RunPending();
  void SayResult();
  bool UndoOrRedo(Box box, bool redo);
  std::optional<Box> BoxOf(const QObject* object) const;

  Window w_;
  Recipe recipe_;
  std::optional<Box> series_;   // the box whose runs replace each other
  std::optional<Box> pending_;  // the box whose latest text waits to run
  std::optional<Failure> failure_;
  bool running_ = false;
  bool applying_ = false;
  QTimer runTimer_;
  QTimer sentenceTimer_;
  std::vector<Change> undo_, redo_;
};

}  // namespace corvale
