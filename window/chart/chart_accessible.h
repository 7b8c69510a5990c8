#pragma once

#include <QAccessibleWidget>
#include <QPointer>
#include <unordered_map>

namespace corvale {

class ResponseChart;

// The chart for a screen reader: a chart named as such, described by the
// figures' sentences, whose children are the rows, each named by its step and
// values, so that moving the cursor speaks the step it reached.
class ChartAccessible : public QAccessibleWidget {
 public:
  explicit ChartAccessible(ResponseChart* chart);

  QString text(QAccessible::Text t) const override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;

  // Makes Qt ask this class for every ResponseChart; once is enough.
  static void Install();

 private:
  ResponseChart* Chart() const;
};

// One row of the chart. It has no QObject of its own: it holds the chart
// weakly and knows itself invalid once the chart or its row is gone.
class RowAccessible : public QAccessibleInterface {
 public:
  RowAccessible(ResponseChart* chart, int row) : chart_(chart), row_(row) {}

  int Row() const { return row_; }

  bool isValid() const override;
  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override;

 private:
  QPointer<ResponseChart> chart_;
  int row_;
};

// The views of the rows a screen reader asked for, made when first asked
// for and kept until the run changes: a reader asks for the rows around the
// one it speaks, so a few dozen serve, and a million rows never make a
// million of them.
class RowInterfaces {
 public:
  RowInterfaces() = default;
  RowInterfaces(const RowInterfaces&) = delete;
  RowInterfaces& operator=(const RowInterfaces&) = delete;
  ~RowInterfaces() { Forget(); }

  QAccessibleInterface* Get(ResponseChart* chart, int row);
  void Forget();

 private:
  std::unordered_map<int, unsigned> ids_;
};

}  // namespace corvale
