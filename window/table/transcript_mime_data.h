#pragma once

#include <QMimeData>
#include <cstddef>
#include <memory>
#include <string>

#include "labbook/response_trace.h"

namespace corvale {

class TranscriptModel;

// A copy of a block of the transcript's cells: TAB-separated lines
// (text/plain) and a plain HTML table of the same cells (text/html), which a
// spreadsheet prefers when it pastes. A copy of whole rows starts with the
// column names. In the table, each number also carries its value with a
// point, and a format with the decimals it shows: a spreadsheet in any
// language takes it as that number, where the window's separator alone could
// make it text. Nothing is built until a program asks for a format, and then
// only that one, as bytes, from the run's own numbers, which the copy shares
// with the lab book for as long as it lives.
class TranscriptMimeData : public QMimeData {
  Q_OBJECT

 public:
  // Rows first..last and columns left..right of the model, all inclusive.
  TranscriptMimeData(const TranscriptModel& model, int firstRow, int lastRow, int left, int right);

  // A spreadsheet takes at most this many rows, column names included; a
  // larger copy offers text alone.
  static constexpr std::size_t kMostTableRows = 1'048'576;

  QStringList formats() const override;

 protected:
  QVariant retrieveData(const QString& mimeType, QMetaType type) const override;

 private:
  QByteArray Render(bool html) const;
  void AppendRow(QByteArray& out, std::string_view line, bool numbers) const;

  std::shared_ptr<const ResponseTrace> rows_;
  std::size_t firstRow_;
  std::size_t rowCount_;
  std::size_t left_;
  std::size_t right_;
  bool names_;         // whole rows: the column names come first
  std::string point_;  // the decimal separator the transcript writes
};

}  // namespace corvale
