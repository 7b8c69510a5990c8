#pragma once

#include <QByteArray>
#include <vector>

class QAbstractItemModel;
class QMimeData;

namespace corvale {

// Rows of a table model, its column names first,, as TAB-separated lines and
// as an HTML table whose number cells carry their values written with a
// point, so that a spreadsheet in any language takes them as numbers. Cells
// give their values in the model's `valueRole`.
QByteArray RowsAsText(const QAbstractItemModel& model, const std::vector<int>& rows);
QByteArray RowsAsHtml(const QAbstractItemModel& model, const std::vector<int>& rows, int valueRole);
QMimeData* RowsAsMimeData(const QAbstractItemModel& model, const std::vector<int>& rows,
                          int valueRole);

}  // namespace corvale
