#include "window/comparison/comparison_copy.h"

#include <QAbstractItemModel>
#include <QMimeData>
#include <charconv>
#include <iterator>

namespace corvale {
namespace {

QString Cell(const QAbstractItemModel& model, int row, int column) {
  return row < 0 ? model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString()
                 : model.data(model.index(row, column), Qt::DisplayRole).toString();
}

// The shortest text that reads back as the same double.
QByteArray ValueText(double value) {
  char text[32];
  const char* end = std::to_chars(std::begin(text), std::end(text), value + 0.0).ptr;
  return QByteArray(text, static_cast<qsizetype>(end - text));
}

// The column names first, as row -1.
std::vector<int> WithNames(const std::vector<int>& rows) {
  std::vector<int> all{-1};
  all.insert(all.end(), rows.begin(), rows.end());
  return all;
}

}  // namespace

QByteArray RowsAsText(const QAbstractItemModel& model, const std::vector<int>& rows) {
  QString text;
  for (int row : WithNames(rows)) {
    for (int column = 0; column < model.columnCount(); ++column) {
      if (column > 0) text += u'\t';
      text += Cell(model, row, column);
    }
    text += u'\n';
  }
  text.chop(1);  // lines are separated, not ended, as in the transcript's copy
  return text.toUtf8();
}

QByteArray RowsAsHtml(const QAbstractItemModel& model, const std::vector<int>& rows,
                      int valueRole) {
  // The charset is named: without it, a spreadsheet reads a non-ASCII
  // separator as some older encoding.
  QByteArray html = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"></head><body><table>\n";
  for (int row : WithNames(rows)) {
    html += "<tr>";
    for (int column = 0; column < model.columnCount(); ++column) {
      const QVariant value = row < 0 ? QVariant() : model.data(model.index(row, column), valueRole);
      const QByteArray shown = Cell(model, row, column).toHtmlEscaped().toUtf8();
      if (row < 0) {
        html += "<th>" + shown + "</th>";
      } else if (value.isValid()) {
        // The value's own format: General, read as US English whatever the
        // spreadsheet's language.
        html += "<td sdval=\"" + ValueText(value.toDouble()) + "\" sdnum=\"1033;0;General\">" +
                shown + "</td>";
      } else {
        html += "<td>" + shown + "</td>";
      }
    }
    html += "</tr>\n";
  }
  html += "</table></body></html>\n";
  return html;
}

QMimeData* RowsAsMimeData(const QAbstractItemModel& model, const std::vector<int>& rows,
                          int valueRole) {
  auto* data = new QMimeData;
  data->setText(QString::fromUtf8(RowsAsText(model, rows)));
  data->setHtml(QString::fromUtf8(RowsAsHtml(model, rows, valueRole)));
  return data;
}

}  // namespace corvale
