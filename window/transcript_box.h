#pragma once

#include <QPlainTextEdit>

#include "transcript_columns.h"

namespace corvale {

// The transcript: a read-only table of the runs' rows. It can be selected and
// copied, as TAB-separated lines and as an HTML table so that a spreadsheet
// pastes it into cells; it zooms for a projector (Ctrl with the wheel, +, -
// or 0); and while the header line is scrolled away, a strip at its top keeps
// the column names over their columns.
class TranscriptBox : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit TranscriptBox(QWidget* parent = nullptr);

  // Replace the whole text, or add to its end; the columns widen to fit.
  void SetText(const QString& text);
  void Append(const QString& text);
  // Puts the caret on the line and shows it first, just below the strip of
  // column names where that shows.
  void ShowFromLine(int line);
  // Makes the text larger (steps > 0) or smaller, within bounds.
  void Zoom(int steps);
  void ResetZoom();

 protected:
  QMimeData* createMimeDataFromSelection() const override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  bool StartsWithHeader() const;
  void ZoomTo(int level);

  TranscriptColumns columns_;
  const QString header_;
  const QFont baseFont_;
  int zoomLevel_;
  int wheelAngle_ = 0;  // what the wheel turned short of a whole step
};

}  // namespace corvale
