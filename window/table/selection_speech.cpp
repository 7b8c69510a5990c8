#include "window/table/selection_speech.h"

#include "window/table/transcript_model.h"
#include "window/words/contexts.h"
#include "window/words/prose_number.h"

namespace corvale {
namespace {

// A selection of every column is one of whole rows, as its copy is.
bool WholeRows(const TranscriptModel& model, const QRect& block) {
  return block.left() == 0 && block.right() == model.columnCount() - 1;
}

bool AllRows(const TranscriptModel& model, const QRect& block) {
  return block.top() == 0 && block.bottom() == model.rowCount() - 1 && block.height() > 1;
}

// A row by its step, as the Step column shows it.
QString StepOf(const TranscriptModel& model, int row) {
  return model.data(model.index(row, 0)).toString();
}

QString ColumnName(const TranscriptModel& model, int column) {
  return model.headerData(column, Qt::Horizontal).toString();
}

}  // namespace

QString SelectionSentence(const TranscriptModel& model, const QRect& block, const QLocale& locale) {
  if (block.isEmpty()) return TableWords::tr("Nothing selected.");
  const QString top = StepOf(model, block.top()), bottom = StepOf(model, block.bottom());
  if (WholeRows(model, block)) {
    if (AllRows(model, block)) {
      return TableWords::tr("All %1 rows selected.").arg(ProseCount(block.height(), locale));
    }
    return block.height() == 1 ? TableWords::tr("Row %1 selected.").arg(top)
                               : TableWords::tr("Rows %1 to %2 selected.").arg(top, bottom);
  }
  const QString left = ColumnName(model, block.left());
  const QString columns =
      block.width() == 1 ? left
                         : TableWords::tr("%1 to %2").arg(left, ColumnName(model, block.right()));
  const QString rows = block.height() == 1 ? TableWords::tr("row %1").arg(top)
                                           : TableWords::tr("rows %1 to %2").arg(top, bottom);
  return TableWords::tr("%1 of %2 selected.").arg(columns, rows);
}

QString CopySentence(const TranscriptModel& model, const QRect& block, const QLocale& locale) {
  if (block.isEmpty()) return TableWords::tr("Nothing is selected to copy.");
  if (WholeRows(model, block)) {
    const QString rows = ProseCount(block.height(), locale);
    if (AllRows(model, block)) return TableWords::tr("Copied all %1 rows.").arg(rows);
    return block.height() == 1 ? TableWords::tr("Copied 1 row.")
                               : TableWords::tr("Copied %1 rows.").arg(rows);
  }
  const qint64 cells = static_cast<qint64>(block.width()) * block.height();
  return cells == 1 ? TableWords::tr("Copied 1 cell.")
                    : TableWords::tr("Copied %1 cells.").arg(ProseCount(cells, locale));
}

}  // namespace corvale
