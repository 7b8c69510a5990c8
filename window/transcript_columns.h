#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <vector>

class QPlainTextEdit;

namespace corvale {

// Sizes the transcript box's TAB stops from the values it shows, so that the
// rows read as a table for any gains: every column as wide as its widest
// field so far plus a gap of two spaces. The step number stands at the left
// edge; each further field ends at its column's stop (a right-aligned TAB),
// so the decimal separators line up under the header's names.
class TranscriptColumns {
 public:
  explicit TranscriptColumns(QPlainTextEdit* box);

  // A fresh transcript: the columns start from nothing at the next Widen.
  void Reset();
  // Widens the columns for text about to be added: one pass over it, then
  // one measurement per column, of its widest field. Lines without a TAB
  // are no table rows and are passed over.
  void Widen(QStringView text);
  // The box's font changed: each column's widest field is measured again.
  void Refit();

 private:
  qreal Advance(QChar c);
  void Apply();

  QPlainTextEdit* box_;
  std::vector<qreal> widths_;
  std::vector<QString> widestFields_;       // what each width was measured on
  std::array<qreal, 128> asciiAdvances_{};  // of the box's font; 0 until measured
};

}  // namespace corvale
