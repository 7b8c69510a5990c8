#pragma once

#include <QMimeData>
#include <QPointer>
#include <cstddef>
#include <string>

#include "transcript_lines.h"

namespace corvale {

class TranscriptModel;

// A copy of a block of the transcript's cells: TAB-separated lines
// (text/plain) and a plain HTML table of the same cells (text/html), which a
// spreadsheet prefers when it pastes. A copy of whole rows starts with the
// column names. In the table, each number also carries its value with a
// point, and a format with the decimals it shows: a spreadsheet in any
// language takes it as that number, where the window's separator alone could
// make it text. Nothing is built until a program asks for a format, and then
// only that one, as bytes; the rows are read from the transcript itself until
// it is about to change, when the copy keeps the lines it needs.
class TranscriptMimeData : public QMimeData {
  Q_OBJECT

 public:
  // Rows first..last and columns left..right of the model, all inclusive.
  TranscriptMimeData(TranscriptModel* model, int firstRow, int lastRow, int left, int right);

  // A spreadsheet takes at most this many rows, column names included; a
  // larger copy offers text alone.
  static constexpr std::size_t kMostTableRows = 1'048'576;

  QStringList formats() const override;

 protected:
  QVariant retrieveData(const QString& mimeType, QMetaType type) const override;

 private:
  void KeepLines();
  const TranscriptLines& Source() const;
  // The copied lines' text in `lines`, line breaks between them included.
  std::string_view Span(const TranscriptLines& lines) const;
  QByteArray Render(bool html) const;
  void AppendRow(QByteArray& out, std::string_view line, bool numbers) const;

  QPointer<TranscriptModel> model_;
  TranscriptLines kept_;  // the copied lines, once the model's are about to change
  bool isKept_ = false;
  std::size_t firstLine_;  // in the model's lines, or in kept_ once kept
  std::size_t lineCount_;  // 0 once given up
  std::size_t left_;
  std::size_t right_;
  bool names_;         // whole rows: the column names come first
  std::string point_;  // the window's decimal separator, as the transcript writes it
};

}  // namespace corvale
