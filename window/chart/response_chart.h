#pragma once

#include <QLocale>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "labbook/response_trace.h"
#include "labbook/run_marks.h"
#include "labbook/run_series.h"
#include "labbook/step_info.h"
#include "labbook/step_window.h"
#include "labbook/term_ranges.h"
#include "window/chart/chart_report.h"

class QAccessibleInterface;
class QMenu;

namespace corvale {

class ChartAccessible;
class ChartSound;
class KeptLooks;
struct CurrentColumns;
struct TermColumns;
class RowInterfaces;
class LabBook;
struct ChartInput;
struct ChartFrame;

// The current run as a plotting tool draws a step response: PV as a line and
// SP dashed against the step, X on an axis of its own with its limits and the
// steps it sat at them shaded, axes with round-number ticks in the locale's
// format, a legend, and the last step's figures marked (rise, peak, the ±2 %
// band, settling) and written out; behind it, the earlier runs kept for
// comparison. The rows the table shows are marked; a click asks for that step
// in the table. From the keyboard, the arrows move a cursor along the steps,
// which a screen reader speaks; Up and Down choose the series it reads, N and
// Shift+N jump between the marks. The step axis zooms in and out and pans,
// by keyboard, wheel and drag, and says the steps it shows. Its context menu
// copies the chart as an image, or the figures as text.
class ResponseChart : public QWidget {
  Q_OBJECT

 public:
  ResponseChart(const LabBook* book, QLocale locale, QWidget* parent = nullptr);
  ~ResponseChart() override;

  // The lab book changed: the current run's figures written out as
  // `figuresText`, and the sentence that compares it with the run before. A
  // new run clears the cursor; a Continue keeps it. A kept run's series
  // chosen that went reads the current run's PV again.
  void Follow(const BookChange& change, const QString& figuresText,
              const QString& againstBefore = {});
  const QString& AgainstBefore() const { return against_; }
  // The rows the table shows, rows first..last; none when last < first.
  void SetVisibleRows(int first, int last);
  // Whether the rows the table shows are marked; on at first.
  bool ShowsVisibleRows() const { return showVisibleRows_; }
  void ShowVisibleRows(bool shown);
  // Whether the value axis covers every run drawn, or the current run and
  // the kept runs near it, the farther ones cut at its ends; off at first.
  bool ValueAxisCoversEveryRun() const { return axisCoversEveryRun_; }
  void SetValueAxisCoversEveryRun(bool every);
  // The terms drawn in panels of their own under X, in Error, P, I, D order;
  // none at first.
  const std::vector<Term>& TermPanels() const { return terms_; }
  void ShowTermPanel(Term term, bool shown);
  // Text, lines and marks at `scale` times their size, as the window zooms.
  void SetZoom(double scale);
  // The row at the keyboard's cursor; -1 before the arrows moved it.
  int Cursor() const { return cursor_; }
  // What a screen reader says of a row: its step and the chosen series' value
  // (PV with SP and X), and what holds there.
  QString RowDescription(int row) const;
  const QString& FiguresText() const { return figuresText_; }
  // The earlier runs drawn cut at the value axis' ends, then the keys that
  // walk the chart; empty without a run.
  QString Description() const;
  // The series the cursor reads and plays.
  SeriesId Series() const;
  // The series' name, a kept run's with its gains, as Play and F say it.
  QString SeriesName() const;
  // The marks N and Shift+N stop at: the chosen series' run's.
  const std::vector<RunMark>& Marks() const;
  // The steps the step axis shows, and the sentence that says them.
  const StepWindow& Steps() const { return steps_; }
  QString StepsSentence() const;
  // The step axis zoomed out to the whole run, and said.
  void ShowWholeRun();
  // The height of the chart's text and the width of its lines, in pixels, at
  // the chart's present zoom and place.
  int TextPixelSize() const;
  double LineWidth() const;

  // The chart drawn at `size` into any painter, as the screen shows it, or
  // as a picture for elsewhere.
  ChartReport Draw(QPainter& painter, QSize size, bool picture = false) const;
  // What the chart draws at its present size.
  ChartReport Report() const;
  // Copy chart, Copy figures, Play, Tone at each step and Forget earlier
  // runs; the caller owns it.
  QMenu* CreateContextMenu();
  // The chosen series as sound, after a sentence saying what it plays: PV
  // after a tone of SP.
  void Play();
  // What Play says before it sounds: the series' range, and for PV the SP
  // it sounds against (ChartPlay).
  QString PlaySentence() const;
  // Stops the sound; false when none played.
  bool StopSound();
  // Whether each cursor move plays a short tone of its value.
  bool StepTones() const;
  void SetStepTones(bool on);

 signals:
  // A click or the cursor asks for this row in the table.
  void RowRequested(int row);
  // The user asked to forget the runs kept for comparison.
  void ForgetRequested();
  // The user asked for a sweep, from the context menu.
  void SweepRequested();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  friend class ChartAccessible;
  friend class RowAccessible;

  const ResponseTrace& Trace() const;
  int Rows() const;
  ChartInput Input(bool onScreen) const;
  // Where the parts stand at the chart's present size.
  ChartFrame Frame() const;
  // The row whose step is nearest to x, or -1 off the plot or without rows.
  int RowAt(double x) const;
  // Where a row's step is drawn, across both panels, in the widget.
  QRect RowRect(int row) const;
  // The cursor to a row (none for one outside the run), asked for in the
  // table and spoken.
  void SetCursor(int row);
  void MoveCursor(int row);
  // The context menu at `global`; from the keyboard, on its first item.
  void ShowMenu(QPoint global, bool keyboard);
  // Up, Down, N and Shift+N; false for any other key.
  bool WalkKey(const QKeyEvent& event);
  // + and -, Shift+Left and Shift+Right (or [ and ]), and 0: the step axis
  // zoomed, panned, or the whole run; false for any other key.
  bool StepsKey(const QKeyEvent& event);
  // The step, or the place between two, at x on the plot.
  double StepAt(double x) const;
  // Where a zoom by key is around: the cursor's step, if shown, else the middle.
  double ZoomCentre() const;
  // Redrawn after the steps shown changed, and said: at once, or, for the
  // wheel's many small turns, once they stop.
  void StepsChanged(bool changed, bool sayNow);
  void ChooseSeries(int by);
  // The figures of the chosen series' run.
  const std::optional<StepFigures>& SeriesFigures() const;
  bool SeriesFalls() const;
  // N and Shift+N: the next or previous mark; C and Shift+C: crossing of
  // SP. Where there is none, a word that says so.
  void JumpToMark(bool forward, bool crossings);
  // F: the figures of the series' run, the current one's with how it
  // compares with the run before.
  void SayFigures();
  ChartSound& Sound();
  void PlayTone();
  // T: the chosen term's panel shown or hidden, and said so.
  void ToggleTermPanel();

  const LabBook* book_;
  const QLocale locale_;
  QString figuresText_;
  QString against_;                          // the sentence that compares it with the run before
  std::unique_ptr<KeptLooks> keptLooks_;     // each kept run's colour and dashes
  std::unique_ptr<CurrentColumns> columns_;  // the current run's, as last drawn
  std::vector<Term> terms_;
  std::unique_ptr<TermColumns> termColumns_;
  int firstVisible_ = 0;
  int lastVisible_ = -1;
  bool showVisibleRows_ = true;
  bool axisCoversEveryRun_ = false;
  int cursor_ = -1;
  SeriesId series_;
  ChartSound* sound_ = nullptr;  // made when first heard
  bool stepTones_ = true;
  std::optional<PitchScale> toneScale_;  // the series', once a tone needed it
  double zoom_ = 1;
  StepWindow steps_;
  int wheelAngle_ = 0;  // a touchpad's small turns, added up to whole notches
  bool wheelPans_ = false;
  QTimer stepsSaid_;  // the steps said once the wheel stops
  struct Drag {
    double x = 0;
    std::size_t first = 0;  // the first step shown when it began
    bool moved = false;
  };
  std::optional<Drag> drag_;
  std::unique_ptr<RowInterfaces> rowInterfaces_;  // a screen reader's views of rows
};

}  // namespace corvale
