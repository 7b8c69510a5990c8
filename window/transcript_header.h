#pragma once

#include <QHeaderView>
#include <QLocale>

namespace corvale {

class ResponseTrace;

// The column names, and under them the picture's scale and legend, such as
// "PV 0–6 · X 0–255", across the whole width.
class TranscriptHeader : public QHeaderView {
  Q_OBJECT

 public:
  explicit TranscriptHeader(QWidget* parent = nullptr);

  void SetTrace(const ResponseTrace* trace) { trace_ = trace; }
  // The scale's caption; empty while there is nothing to draw.
  QString Caption() const;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const ResponseTrace* trace_ = nullptr;
  const QLocale locale_;  // the window's, as it opened
};

}  // namespace corvale
