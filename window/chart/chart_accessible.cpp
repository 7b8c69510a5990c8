#include "window/chart/chart_accessible.h"

#include <QWidget>
#include <QWindow>

#include "labbook/response_trace.h"
#include "window/chart/response_chart.h"
#include "window/words/contexts.h"

namespace corvale {
namespace {

QAccessibleInterface* Factory(const QString& className, QObject* object) {
  if (className != QLatin1String(ResponseChart::staticMetaObject.className())) return nullptr;
  auto* chart = qobject_cast<ResponseChart*>(object);
  return chart ? new ChartAccessible(chart) : nullptr;
}

}  // namespace

ChartAccessible::ChartAccessible(ResponseChart* chart)
    : QAccessibleWidget(chart, QAccessible::Chart) {}

void ChartAccessible::Install() {
  static const bool installed = [] {
    QAccessible::installFactory(Factory);
    return true;
  }();
  (void)installed;
}

ResponseChart* ChartAccessible::Chart() const { return static_cast<ResponseChart*>(widget()); }

QString ChartAccessible::text(QAccessible::Text t) const {
  switch (t) {
    case QAccessible::Name:
      return ChartWords::tr("Step response");  // a screen reader adds "chart"
    case QAccessible::Description:
      return Chart()->Description();
    default:
      return QAccessibleWidget::text(t);
  }
}

int ChartAccessible::childCount() const {
  return static_cast<int>(std::min<std::size_t>(Chart()->Trace().Size(), INT_MAX));
}

QAccessibleInterface* ChartAccessible::child(int index) const {
  return index >= 0 && index < childCount() ? Chart()->rowInterfaces_->Get(Chart(), index)
                                            : nullptr;
}

int ChartAccessible::indexOfChild(const QAccessibleInterface* child) const {
  const auto* row = dynamic_cast<const RowAccessible*>(child);
  return row && row->isValid() && row->parent() == this ? row->Row() : -1;
}

QAccessibleInterface* ChartAccessible::childAt(int x, int y) const {
  const QPoint local = Chart()->mapFromGlobal(QPoint(x, y));
  if (!Chart()->rect().contains(local)) return nullptr;
  const int row = Chart()->RowAt(local.x());
  return row < 0 ? nullptr : child(row);
}

QAccessibleInterface* ChartAccessible::focusChild() const {
  const int row = Chart()->Cursor();
  return Chart()->hasFocus() && row >= 0 ? child(row) : nullptr;
}

bool RowAccessible::isValid() const {
  return chart_ && row_ >= 0 && static_cast<std::size_t>(row_) < chart_->Trace().Size();
}

QWindow* RowAccessible::window() const {
  return chart_ ? chart_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* RowAccessible::parent() const {
  return chart_ ? QAccessible::queryAccessibleInterface(chart_.data()) : nullptr;
}

QString RowAccessible::text(QAccessible::Text t) const {
  if (!isValid() || (t != QAccessible::Name && t != QAccessible::Description)) return {};
  return t == QAccessible::Name ? chart_->RowDescription(row_) : QString();
}

QRect RowAccessible::rect() const {
  if (!isValid()) return {};
  const QRect local = chart_->RowRect(row_);
  return QRect(chart_->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State RowAccessible::state() const {
  QAccessible::State state;
  state.focusable = true;
  state.selectable = true;
  if (!isValid()) {
    state.invalid = true;
    return state;
  }
  const bool current = chart_->Cursor() == row_;
  state.focused = current && chart_->hasFocus();
  state.selected = current;
  // Off a zoomed step axis.
  state.offscreen = !chart_->Steps().Shows(static_cast<std::size_t>(row_) + 1);
  return state;
}

QAccessibleInterface* RowInterfaces::Get(ResponseChart* chart, int row) {
  if (const auto found = ids_.find(row); found != ids_.end()) {
    if (QAccessibleInterface* known = QAccessible::accessibleInterface(found->second)) return known;
  }
  if (ids_.size() >= 64) Forget();
  auto* made = new RowAccessible(chart, row);
  ids_[row] = QAccessible::registerAccessibleInterface(made);
  return made;
}

void RowInterfaces::Forget() {
  for (const auto& [row, id] : ids_) QAccessible::deleteAccessibleInterface(id);
  ids_.clear();
}

}  // namespace corvale
