#pragma once

#include <QLocale>
#include <QWidget>
#include <optional>
#include <unordered_map>

#include "step_info.h"

class QAccessibleInterface;

namespace corvale {

class ResponseTrace;
class ChartAccessible;

// The whole run as a plotting tool draws a step response: PV as a line and SP
// dashed against the step, X on an axis of its own with its limits and the
// steps it sat at them shaded, axes with round-number ticks in the locale's
// format, a legend, and the last step's figures marked (rise, peak, the ±2 %
// band, settling) and written out. The rows the table shows are marked; a
// click asks for that step in the table. From the keyboard, the arrows move a
// cursor along the steps, which a screen reader speaks.
class ResponseChart : public QWidget {
  Q_OBJECT

 public:
  ResponseChart(const ResponseTrace* trace, QLocale locale, QWidget* parent = nullptr);
  ~ResponseChart() override;

  // The trace changed: the figures of its last step (none for an empty
  // trace) and their sentences, drawn in the chart.
  void Refresh(const std::optional<StepFigures>& figures, const QString& figuresText);
  // The rows the table shows, rows first..last; none when last < first.
  void SetVisibleRows(int first, int last);
  // Text, lines and marks at `scale` times their size, as the window zooms.
  void SetZoom(double scale);
  // The row at the keyboard's cursor; -1 before the arrows moved it.
  int Cursor() const { return cursor_; }
  // What a screen reader says of a row: its step, PV, SP and X.
  QString RowDescription(int row) const;
  // The height of the chart's text and the width of its lines, in pixels, at
  // the chart's present size and zoom.
  int TextPixelSize() const;
  double LineWidth() const;

 signals:
  // A click or the cursor asks for this row in the table.
  void RowRequested(int row);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  friend class ChartAccessible;
  friend class RowAccessible;
  struct Frame;

  Frame Layout() const;
  // The row whose step is nearest to x, or -1 off the plot or without rows.
  int RowAt(const Frame& frame, double x) const;
  int RowAt(double x) const;
  // Where a row's step is drawn, across both panels, in the widget.
  QRect RowRect(int row) const;
  // The cursor to a row (none for one outside the trace), asked for in the
  // table and spoken.
  void SetCursor(int row);
  void MoveCursor(int row);
  // A screen reader's view of one row, made when first asked for; the few
  // made are kept until the trace changes, so a million rows never make a
  // million of them.
  QAccessibleInterface* RowInterface(int row);
  void ForgetRowInterfaces();

  const ResponseTrace* trace_;
  const QLocale locale_;
  std::optional<StepFigures> figures_;
  QString figuresText_;
  int firstVisible_ = 0;
  int lastVisible_ = -1;
  int cursor_ = -1;
  double zoom_ = 1;
  std::unordered_map<int, unsigned> rowInterfaces_;
};

}  // namespace corvale
